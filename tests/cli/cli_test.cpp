// kelvra-cli as scripts see it: a separate process, its exit code, stdout and stderr.

#include "app/basMain.h"
#include "base/basText.h"
#include "files/clsTFileDRD.h"
#include "lottery/clsTMoney.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
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
    for (const char* cmd : {"  version ", "  run [--seed N] FILE.drd...", "  grade FILE.drd",
                            "  text ITEM FILE.drd", "  csv export FILE.drd OUT.csv",
                            "  csv import IN.csv FILE.drd", "  download schedule|vote|result",
                            "  download all FROM TO", "  update-teams", "  value FILE.drd"}) {
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
    const std::filesystem::path data = kelvra_test::SourceDataDir();
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

// Every command that opens a data file refuses a damaged one with the line, exits 1 and leaves
// it as it was: an empty set read from it used to be graded, exported and saved back.
TEST(kelvra_cli, DamagedDataFilesAreRefusedByEveryCommand)
{
    TempDir home;
    TempDir scratch;
    WriteReferenceFiles(home);
    std::filesystem::copy_file(std::filesystem::path(kelvra_test::SourceDataDir()) /
                                   "UserData/Kelvra/sample.drd",
                               scratch.Path() / "sample.drd");
    const std::string good = scratch.Read("sample.drd");
    const std::size_t count = good.find("\r\nSingleCount = ") + 2;
    std::string nul = good;
    nul.insert(count, 1, '\0');
    const std::string damaged[] = {good.substr(0, count), nul,
                                   basText::FromSjis(good)}; // the last one re-encoded as UTF-8
    const std::string commands[] = {"grade", "ledger", "csv export", "value", "text 0", "run"};
    for (const std::string& bytes : damaged) {
        scratch.Write("d.drd", bytes);
        const std::string drd = scratch.Str() + "/d.drd";
        for (const std::string& cmd : commands) {
            const std::string tail = cmd == "csv export" ? " " + scratch.Str() + "/out.csv" : "";
            const CliRun r = Cli(scratch, "--home " + home.Str() + " " + cmd + " " + drd + tail);
            EXPECT_EQ(r.Code, 1) << cmd;
            EXPECT_NE(r.Err.find("行目"), std::string::npos) << cmd << ": " << r.Err;
            EXPECT_EQ(scratch.Read("d.drd"), bytes) << cmd;
            EXPECT_FALSE(std::filesystem::exists(scratch.Path() / "out.csv"));
        }
    }
}

static std::string Fixed10Text(double dblValue)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.10f", dblValue);
    return buf;
}

// The sample round with own probabilities and a small set: the five lines against the
// definitions worked out here from the file's own records, result by result.
TEST(kelvra_cli, ValuePrintsTheSetsChanceWorthAndCost)
{
    TempDir home;
    TempDir scratch;
    WriteReferenceFiles(home);
    const std::filesystem::path data = kelvra_test::SourceDataDir();
    RecordingHost rh;
    clsTFileDRD drd(rh.Host(), "1.00", "");
    DataFileRecord rec;
    ASSERT_TRUE(drd.Load((data / "UserData/Kelvra/sample.drd").string(), rec));
    ASSERT_FALSE(rec.Probability.has_value());
    const std::string plain = (scratch.Path() / "plain.drd").string();
    rec.Singles = {643348, 643349, 12345, 643348}; // neighbours, a far one and a duplicate
    rec.SingleCount = 4;
    ASSERT_TRUE(drd.Save(plain, true, rec, true));

    const std::string at = "--home " + home.Str() + " value ";
    CliRun r = Cli(scratch, at + plain);
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Out, "");
    EXPECT_NE(r.Err.find("plain.drd: 自分の確率がありません。"), std::string::npos) << r.Err;

    ProbabilityRecord p;
    for (int m = 0; m < 13; ++m) {
        p.Value[0][m] = 2000 + 300 * (m % 4);
        p.Value[1][m] = 5500 - 250 * (m % 5);
        p.Value[2][m] = 10000 - p.Value[0][m] - p.Value[1][m];
    }
    rec.Probability = p;
    const std::string own = (scratch.Path() / "own.drd").string();
    ASSERT_TRUE(drd.Save(own, true, rec, true));
    r = Cli(scratch, at + own);
    ASSERT_EQ(r.Code, 0) << r.Err;

    clsTMoney money(rh.Host().Message);
    ASSERT_TRUE(money.SetVote(rec.Vote));
    const auto digits = [](std::int32_t no) {
        std::array<std::int32_t, 13> c;
        for (int m = 0; m < 13; ++m, no /= 3) {
            c[m] = no % 3;
        }
        return c;
    };
    std::array<double, 3> within{};
    double ev = 0.0;
    for (std::int32_t s = 0; s < 1594323; ++s) {
        const auto cs = digits(s);
        double ps = 1.0;
        for (int m = 0; m < 13; ++m) {
            ps *= p.Value[cs[m]][m] / 10000.0;
        }
        int nearest = 13;
        for (const std::int32_t t : rec.Singles) {
            const auto ct = digits(t);
            int d = 0;
            for (int m = 0; m < 13; ++m) {
                d += cs[m] != ct[m];
            }
            nearest = std::min(nearest, d);
            ev += d == 0   ? ps * money.GetMoney1(cs).ToDouble()
                  : d == 1 ? ps * money.GetMoney2(cs).ToDouble()
                  : d == 2 ? ps * money.GetMoney3(cs).ToDouble()
                           : 0.0;
        }
        for (int d = nearest; d < 3; ++d) {
            within[static_cast<std::size_t>(d)] += ps;
        }
    }
    const std::string labels[] = {"1等以上\t", "2等以上\t", "3等以上\t", "期待値\t", "購入金額\t"};
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < r.Out.size()) {
        const std::size_t eol = r.Out.find('\n', pos);
        ASSERT_NE(eol, std::string::npos) << r.Out;
        lines.push_back(r.Out.substr(pos, eol - pos));
        pos = eol + 1;
    }
    ASSERT_EQ(lines.size(), 5u) << r.Out;
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(lines[i].starts_with(labels[i])) << lines[i];
        lines[i].erase(0, labels[i].size());
    }
    for (int g = 0; g < 3; ++g) {
        EXPECT_EQ(lines[g].size(), 12u) << lines[g]; // "0." and ten decimals
        EXPECT_NEAR(std::stod(lines[g]), within[g], 1e-9) << g;
    }
    EXPECT_GT(within[0], 0.0);
    EXPECT_GT(ev, 1.0); // the sample votes pay something
    EXPECT_EQ(lines[3].find_first_not_of("0123456789"), std::string::npos) << lines[3];
    EXPECT_LE(std::abs(std::stod(lines[3]) - ev), 0.5 + 1e-6) << ev;
    EXPECT_EQ(lines[4], "400");

    // A round of two grades: within two matches wins nothing more than within one.
    rec.Kaisaikai = 230;
    rec.Vote.Kaisaikai = 230;
    const std::string two = (scratch.Path() / "two.drd").string();
    ASSERT_TRUE(drd.Save(two, true, rec, true));
    r = Cli(scratch, at + two);
    ASSERT_EQ(r.Code, 0) << r.Err;
    const std::size_t second = r.Out.find("2等以上\t");
    const std::size_t third = r.Out.find("3等以上\t");
    ASSERT_NE(third, std::string::npos) << r.Out;
    EXPECT_EQ(r.Out.substr(third + 10, 12), r.Out.substr(second + 10, 12)) << r.Out;
    EXPECT_NE(r.Out.substr(third + 10, 12), Fixed10Text(within[2])) << r.Out;
}

namespace {
// Tickets of lngCover farther than lngRadius from every one of them, over the whole multi.
int UncoveredOfMulti(const MarkArray& marks, const std::vector<std::int32_t>& cover, int radius)
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
