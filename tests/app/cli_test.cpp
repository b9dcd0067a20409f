// kelvra-cli as scripts see it: a separate process, its exit code, stdout and stderr.

#include "app/basMain.h"
#include "app/basText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <sys/wait.h>

namespace {
struct CliRun
{
    int Code = -1;
    std::string Out;
    std::string Err;
};

CliRun Cli(const TempDir& scratch, const std::string& args)
{
    const std::string errFile = (scratch.Path() / "stderr.txt").string();
    const std::string cmd = std::string(KELVRA_CLI_PATH) + " " + args + " 2>" + errFile;
    CliRun r;
    FILE* p = ::popen(cmd.c_str(), "r");
    if (p == nullptr) {
        return r;
    }
    std::array<char, 4096> buf{};
    std::size_t n = 0;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) {
        r.Out.append(buf.data(), n);
    }
    const int status = ::pclose(p);
    r.Code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.Err = scratch.Read("stderr.txt");
    return r;
}

void WriteReferenceFiles(const TempDir& dir)
{
    for (const char* name : {"TeamName.dat", "TeamName1.dat", "TeamName2.dat", "J1J2.dat"}) {
        dir.Write(std::string("SysData/") + name, "");
    }
}
} // namespace

TEST(kelvra_cli, VersionAfterSuccessfulStartupWritesMissingSettings)
{
    TempDir home;
    TempDir scratch;
    WriteReferenceFiles(home);
    const CliRun r = Cli(scratch, "--home " + home.Str() + " version");
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, basMain::VersionText() + "\n");
    EXPECT_EQ(r.Err, "");
    EXPECT_TRUE(std::filesystem::exists(home.Path() / "SysData/totoSettings.ini"));
}

TEST(kelvra_cli, EachMissingPieceStopsWithItsMessageAndExitTwo)
{
    TempDir scratch;
    {
        TempDir home;
        const CliRun r = Cli(scratch, "--home " + home.Str() + " version");
        EXPECT_EQ(r.Code, 2);
        EXPECT_EQ(r.Out, "");
        EXPECT_EQ(r.Err, "システムデータフォルダ(SysData)が見つかりません\n");
    }
    for (const char* name : {"TeamName.dat", "TeamName1.dat", "TeamName2.dat", "J1J2.dat"}) {
        TempDir home;
        WriteReferenceFiles(home);
        std::filesystem::remove(home.Path() / "SysData" / name);
        const CliRun r = Cli(scratch, "--home=" + home.Str() + " version");
        EXPECT_EQ(r.Code, 2) << name;
        EXPECT_EQ(r.Err, std::string("データファイル(") + name + ")が見つかりません\n");
        EXPECT_FALSE(std::filesystem::exists(home.Path() / "SysData/totoSettings.ini"));
    }
    // Two missing: only the first is named.
    TempDir home;
    WriteReferenceFiles(home);
    std::filesystem::remove(home.Path() / "SysData/TeamName1.dat");
    std::filesystem::remove(home.Path() / "SysData/J1J2.dat");
    EXPECT_EQ(Cli(scratch, "--home " + home.Str() + " version").Err,
              "データファイル(TeamName1.dat)が見つかりません\n");
}

TEST(kelvra_cli, UsageAndBadArguments)
{
    TempDir scratch;
    const CliRun help = Cli(scratch, "help");
    EXPECT_EQ(help.Code, 0);
    EXPECT_TRUE(help.Out.starts_with("usage: kelvra-cli [--home DIR] COMMAND ...\n"));
    for (const char* cmd :
         {"  version ", "  run [--seed N] FILE.drd...", "  grade FILE.drd", "  text ITEM FILE.drd",
          "  csv export FILE.drd OUT.csv", "  csv import IN.csv FILE.drd",
          "  download schedule|vote|result", "  update-teams"}) {
        EXPECT_NE(help.Out.find(cmd), std::string::npos) << cmd;
    }
    const CliRun none = Cli(scratch, "");
    EXPECT_EQ(none.Code, 2);
    EXPECT_TRUE(none.Err.starts_with("usage:"));
    const CliRun unknown = Cli(scratch, "frobnicate");
    EXPECT_EQ(unknown.Code, 2);
    EXPECT_TRUE(unknown.Err.starts_with("kelvra-cli: 不明なコマンドです: frobnicate\n"));
    EXPECT_EQ(Cli(scratch, "--home").Code, 2);
    TempDir home;
    WriteReferenceFiles(home);
    EXPECT_EQ(Cli(scratch, "--home " + home.Str() + " version extra").Code, 2);
}

TEST(kelvra_cli, DefaultHomeIsTheExecutablesFolder)
{
    // The build copies the shipped data next to the executable, so start-up passes there.
    TempDir scratch;
    const CliRun r = Cli(scratch, "version");
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, basMain::VersionText() + "\n");
}

// The probe's two ways of losing or inventing tickets through the command line: importing a CSV
// without a ticket line emptied the data file (exit 0), and exporting a data file whose singles
// block was short of its count wrote phantom all-draw tickets (exit 0).
TEST(kelvra_cli, CsvNeitherEmptiesTheSetNorInventsTickets)
{
    TempDir home;
    TempDir scratch;
    WriteReferenceFiles(home);
    const std::filesystem::path data = KELVRA_SOURCE_DATA_DIR;
    const std::string drd = (scratch.Path() / "work.drd").string();
    std::filesystem::copy_file(data / "UserData/Kelvra/sample.drd", drd);
    scratch.Write("good.csv", "1,1,1,1,1,1,1,1,1,1,1,1,1\r\n2,2,2,2,2,2,2,2,2,2,2,2,2\r\n"
                              "0,1,2,0,1,2,0,1,2,0,1,2,0\r\n");
    const std::string at = "--home " + home.Str() + " csv ";
    CliRun r = Cli(scratch, at + "import " + scratch.Str() + "/good.csv " + drd);
    ASSERT_EQ(r.Code, 0) << r.Err;
    const std::string saved = scratch.Read("work.drd");
    ASSERT_NE(saved.find("SingleCount = 3\r\n"), std::string::npos);

    for (const char* bad : {"", "1;1;1;1;1;1;1;1;1;1;1;1;1\r\n", "\x89PNG\r\n\x1A\n"}) {
        scratch.Write("bad.csv", bad);
        r = Cli(scratch, at + "import " + scratch.Str() + "/bad.csv " + drd);
        EXPECT_EQ(r.Code, 1) << bad;
        EXPECT_NE(r.Err.find("CSVファイルを読み込めませんでした。"), std::string::npos) << r.Err;
        EXPECT_EQ(scratch.Read("work.drd"), saved);
    }

    // One single line removed from the block: the export fails and writes nothing.
    std::string text = saved;
    const std::size_t end = text.find("</SingleData>");
    const std::size_t last = text.rfind("\r\n", end - 3) + 2;
    text.erase(last, end - last);
    scratch.Write("short.drd", text);
    r = Cli(scratch, at + "export " + scratch.Str() + "/short.drd " + scratch.Str() + "/out.csv");
    EXPECT_EQ(r.Code, 1);
    EXPECT_NE(r.Err.find("SingleCount は 3"), std::string::npos) << r.Err;
    EXPECT_FALSE(std::filesystem::exists(scratch.Path() / "out.csv"));
}
