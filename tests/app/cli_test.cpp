// kelvra-cli as scripts see it: a separate process, its exit code, stdout and stderr.

#include "app/basMain.h"
#include "app/basText.h"
#include "files/clsTFileDRD.h"
#include "support/RecordingHost.h"
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

namespace {
// Tickets of lngCover farther than lngRadius from every one of them, over the whole multi.
int UncoveredOfMulti(const LongFrame& marks, const std::vector<std::int32_t>& cover, int radius)
{
    std::vector<std::int32_t> multi{0};
    std::int32_t p = 1;
    for (int m = 0; m < 13; ++m) {
        std::vector<std::int32_t> next;
        for (int c = 0; c < 3; ++c) {
            if (marks[c][m] != 0) {
                for (const std::int32_t s : multi) {
                    next.push_back(s + c * p);
                }
            }
        }
        multi.swap(next);
        p *= 3;
    }
    int n = 0;
    for (const std::int32_t t : multi) {
        bool ok = false;
        for (const std::int32_t c : cover) {
            int d = 0;
            for (std::int32_t a = t, b = c, i = 0; i < 13; ++i, a /= 3, b /= 3) {
                d += a % 3 != b % 3;
            }
            ok = ok || d <= radius;
        }
        n += ok ? 0 : 1;
    }
    return n;
}
} // namespace

TEST(kelvra_cli, RunWithTheMinimumCountEnginesSavesACoverOfTheMulti)
{
    for (const int engine : {6, 7}) {
        TempDir home;
        TempDir scratch;
        WriteReferenceFiles(home);
        RecordingHost host;
        DataFileRecord rec;
        rec.Kaisaikai = 9001;
        // Five matches with all three outcomes, the rest one each: 243 singles, no conditions.
        for (int m = 0; m < 13; ++m) {
            for (int c = 0; c < (m < 5 ? 3 : 1); ++c) {
                rec.Multi[c][m] = 1;
            }
        }
        rec.Engine.MsEngine = engine;
        rec.Engine.BeginCount = engine == 6 ? 40 : 12;
        rec.Engine.EndCount = engine == 6 ? 27 : 8;
        rec.Engine.EndTime = 5;
        const std::string path = (home.Path() / "work.drd").string();
        clsTFileDRD file(host.Host(), "1.00", "");
        ASSERT_TRUE(file.Save(path, true, rec, false));
        const CliRun r = Cli(scratch, "--home " + home.Str() + " run --seed 3 " + path);
        ASSERT_EQ(r.Code, 0) << r.Err << r.Out;
        DataFileRecord back;
        ASSERT_TRUE(file.Load(path, back)) << host.AllMessageText();
        EXPECT_EQ(back.Engine.MsEngine, engine);
        ASSERT_GT(back.SingleCount, 0);
        EXPECT_LE(back.SingleCount, rec.Engine.BeginCount);
        const std::vector<std::int32_t> cover(back.Singles.begin(),
                                              back.Singles.begin() + back.SingleCount);
        EXPECT_EQ(UncoveredOfMulti(rec.Multi, cover, engine == 6 ? 1 : 2), 0);
        EXPECT_EQ(back.MsTousen[0], 243);
        EXPECT_EQ(back.MsTousen[engine == 6 ? 4 : 5], 243);
    }
}

TEST(kelvra_cli, RunOnTheWholeSpaceSavesThePerfectCode)
{
    TempDir home;
    TempDir scratch;
    WriteReferenceFiles(home);
    RecordingHost host;
    DataFileRecord rec;
    rec.Kaisaikai = 9001;
    for (auto& row : rec.Multi) {
        row.fill(1);
    }
    rec.Engine.MsEngine = 6;
    rec.Engine.BeginCount = 9999;
    rec.Engine.EndCount = 1;
    rec.Engine.EndTime = 1;
    const std::string path = (home.Path() / "all.drd").string();
    clsTFileDRD file(host.Host(), "1.00", "");
    ASSERT_TRUE(file.Save(path, true, rec, false));
    const CliRun r = Cli(scratch, "--home " + home.Str() + " run --seed 5 " + path);
    ASSERT_EQ(r.Code, 0) << r.Err << r.Out;
    DataFileRecord back;
    ASSERT_TRUE(file.Load(path, back)) << host.AllMessageText();
    EXPECT_EQ(back.SingleCount, 59049);
    EXPECT_EQ(back.MsTousen[0], 1594323);
    EXPECT_EQ(back.MsTousen[4], 1594323);
    // Perfect: every single is 1st or 2nd grade of exactly one ticket.
    EXPECT_EQ(back.MsTousen[1] + back.MsTousen[2], 1594323);
}
