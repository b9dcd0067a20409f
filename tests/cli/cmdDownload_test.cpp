// The download commands of kelvra-cli, run as a separate process against the fixture site.

#include "base/basText.h"
#include "net/FixtureSite.h"
#include "store/clsXmlResult.h"
#include "store/clsXmlSchedule.h"
#include "store/clsXmlVote.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {
struct CliRun
{
    int Code = -1;
    std::string Out;
    std::string Err;
};

class CliDownloadTest : public ::testing::Test
{
protected:
    CliDownloadTest()
    {
        RecordingHost host;
        basTotoSettings::WriteTotoSettings(site.Settings, host, site.Home.Str());
    }
    CliRun Cli(const std::string& strArgs)
    {
        const auto err = scratch.Path() / "err.txt";
        const std::string cmd = std::string(KELVRA_CLI_PATH) + " --home " + site.Home.Str() + " " +
                                strArgs + " 2>" + err.string();
        CliRun r;
        FILE* p = ::popen(cmd.c_str(), "r");
        if (p == nullptr) {
            return r;
        }
        char buf[4096];
        std::size_t n = 0;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) {
            r.Out.append(buf, n);
        }
        const int status = ::pclose(p);
        r.Code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.Err = FixtureSite::ReadBytes(err);
        return r;
    }

    FixtureSite site;
    TempDir scratch;
};
} // namespace

TEST_F(CliDownloadTest, ExitCodesAndStoredFiles)
{
    CliRun r = Cli("download schedule 1234");
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_NE(r.Out.find("toto_schedule_1234.xml"), std::string::npos);
    EXPECT_EQ(site.StoreFile("toto_Schedule", "toto_schedule_1234.xml"),
              FixtureSite::Expected("toto_schedule_1234.xml"));
    r = Cli("download result 1234");
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(site.StoreFile("toto_Result", "toto_result_1234.xml"),
              FixtureSite::Expected("toto_result_1234.xml"));

    r = Cli("download vote 1237");
    EXPECT_EQ(r.Code, 1);
    EXPECT_NE(r.Err.find("第1237回 投票状況は発表されていません。"), std::string::npos) << r.Err;
    r = Cli("download result 4444");
    EXPECT_EQ(r.Code, 1);
    EXPECT_NE(r.Err.find("インターネットよりダウンロードに失敗しました。"), std::string::npos)
        << r.Err;
    EXPECT_NE(r.Err.find("404"), std::string::npos) << r.Err;
    r = Cli("download vote 1242");
    EXPECT_EQ(r.Code, 1);
    EXPECT_FALSE(site.StoreFileExists("toto_Vote", "toto_vote_1242.xml"));

    EXPECT_EQ(Cli("download vote abc").Code, 2);
    EXPECT_EQ(Cli("download votes 1234").Code, 2);
    EXPECT_EQ(Cli("download vote").Code, 2);
}

TEST_F(CliDownloadTest, UpdateTeams)
{
    CliRun r = Cli("update-teams --site " + site.server.Base());
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_NE(r.Err.find("海外チーム名を最新版に更新しました。"), std::string::npos) << r.Err;
    EXPECT_EQ(site.StoreFile("", "TeamName2.dat"),
              FixtureSite::ReadBytes(FixtureSite::DataDir() / "drovane" / "TeamName2.dat"));
    EXPECT_EQ(Cli("update-teams --site " + site.server.Base()).Code, 0);
    EXPECT_EQ(Cli("update-teams --bogus").Code, 2);
    EXPECT_EQ(Cli("update-teams --site http://127.0.0.1:1").Code, 1);
}

TEST_F(CliDownloadTest, NoBreakSpacesFaultsAndFailedSaves)
{
    // Pages with literal no-break spaces are stored as the plain ones would be.
    CliRun r = Cli("download vote 1243");
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_NE(r.Out.find("toto_vote_1243.xml"), std::string::npos) << r.Out;
    EXPECT_EQ(site.StoreFile("toto_Vote", "toto_vote_1243.xml"),
              FixtureSite::Expected("toto_vote_1243.xml"));
    r = Cli("download vote 1244");
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_NE(r.Out.find("途中経過"), std::string::npos) << r.Out;

    // A page read whole whose record breaks a rule says which.
    r = Cli("download vote 1242");
    EXPECT_EQ(r.Code, 1);
    EXPECT_NE(r.Err.find("インターネットよりダウンロードに失敗しました。"), std::string::npos);
    EXPECT_NE(r.Err.find("売上金額の合計がマルチとシングルの和と一致しません"), std::string::npos)
        << r.Err;

    // The store cannot take the file: the write error, exit 1, no claim of an interim status.
    site.Home.Write("SysData/toto_Schedule", "a file where the folder belongs");
    r = Cli("download schedule 1234");
    EXPECT_EQ(r.Code, 1) << r.Out;
    EXPECT_NE(r.Err.find("ファイルの保存に失敗しました。"), std::string::npos) << r.Err;
    EXPECT_EQ(r.Out.find("途中経過"), std::string::npos) << r.Out;

    // A damaged store file is set aside and the record fetched again.
    site.Home.Write(
        "SysData/toto_Result/toto_result_1234.xml",
        basText::ToSjis("<toto>\r\n<結果>\r\n<開催回>x</開催回>\r\n</結果>\r\n</toto>\r\n"));
    r = Cli("download result 1234");
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(site.StoreFile("toto_Result", "toto_result_1234.xml"),
              FixtureSite::Expected("toto_result_1234.xml"));
    EXPECT_TRUE(site.StoreFileExists("toto_Result", "toto_result_1234.xml.broken"));
    EXPECT_NE(r.Err.find("toto_result_1234.xml.broken"), std::string::npos) << r.Err;
}

TEST_F(CliDownloadTest, AllRoundsOfARange)
{
    site.ServeRounds(3001, 3003);
    site.Refuse("schedule_3002");
    CliRun r = Cli("download all 3001 3004 --pause 0");
    EXPECT_EQ(r.Code, 1) << r.Err;
    EXPECT_EQ(r.Out, "3001\t保存\t開催情報 投票状況 くじ結果\n"
                     "3002\t失敗\t開催情報: サーバーがページを返しませんでした（サーバーの応答 "
                     "403）。\n"
                     "3003\t保存\t開催情報 投票状況 くじ結果\n"
                     "3004\t失敗\t開催情報: サイトにこの回のページがありません（サーバーの応答 "
                     "404）。\n"
                     "合計\t保存 2\t保存済み 0\t未開催 0\t失敗 2\n");
    // The failures again at the end, where a long run's reader looks.
    EXPECT_NE(r.Err.find("取得できなかった回が 2 回あります。\n第3002回 開催情報: "),
              std::string::npos)
        << r.Err;
    EXPECT_NE(r.Err.find("\n第3004回 開催情報: "), std::string::npos) << r.Err;
    for (const char* f : {"toto_schedule_3001.xml", "toto_schedule_3003.xml"}) {
        EXPECT_TRUE(site.StoreFileExists("toto_Schedule", f)) << f;
    }
    EXPECT_FALSE(site.StoreFileExists("toto_Schedule", "toto_schedule_3002.xml"));

    // Once the site serves it, only the missing round is asked for.
    site.ServeRounds(3001, 3004);
    const std::size_t before = site.AskedPages().size();
    r = Cli("download all 3001 3004 --pause 0");
    EXPECT_EQ(r.Code, 1) << r.Err;
    EXPECT_NE(r.Out.find("3001\t保存済み\n"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("3004\t保存\t"), std::string::npos) << r.Out;
    EXPECT_EQ(site.AskedPages().size() - before, 4u);

    EXPECT_EQ(Cli("download all 3001").Code, 2);
    EXPECT_EQ(Cli("download all 3004 3001").Code, 2);
    EXPECT_EQ(Cli("download all 1 9999").Code, 2);
    EXPECT_EQ(Cli("download all 3001 3002 --pause").Code, 2);
    EXPECT_EQ(Cli("download all 3001 3002 --pause 99999").Code, 2);
    EXPECT_EQ(Cli("download all 3001 3002 --wait 5").Code, 2);
}

TEST_F(CliDownloadTest, AllRoundsStoppedByCtrlC)
{
    site.ServeRounds(3001, 3010);
    const auto outFile = scratch.Path() / "out.txt";
    const auto errFile = scratch.Path() / "err.txt";
    const std::string home = site.Home.Str();
    std::vector<std::string> argv{KELVRA_CLI_PATH, "--home", home,      "download", "all",
                                  "3001",          "3010",   "--pause", "300"};
    std::vector<char*> args;
    for (std::string& a : argv) {
        args.push_back(a.data());
    }
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, KELVRA_CLI_PATH, &actions, nullptr, args.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    // Ctrl+C once the second round has begun.
    for (int i = 0; i < 2000 && site.AskedPages().size() < 4; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_GE(site.AskedPages().size(), 4u);
    ::kill(pid, SIGINT);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 130);
    const std::string out = FixtureSite::ReadBytes(outFile);
    const std::string err = FixtureSite::ReadBytes(errFile);
    EXPECT_TRUE(out.starts_with("3001\t保存\t開催情報 投票状況 くじ結果\n")) << out;
    EXPECT_NE(out.find("合計\t"), std::string::npos) << out;
    EXPECT_NE(err.find("中断しました。"), std::string::npos) << err;
    // The request in hand may end; none starts after the stop, and every file is whole.
    EXPECT_LE(site.AskedPages().size(), 6u);
    EXPECT_FALSE(site.StoreFileExists("toto_Schedule", "toto_schedule_3004.xml"));
    RecordingHost quiet;
    clsXmlSchedule schedule(quiet, home);
    clsXmlVote vote(quiet, home);
    clsXmlResult result(quiet, home);
    for (int n = 3001; n <= 3003; ++n) {
        if (std::filesystem::exists(schedule.GetFileName(n, ""))) {
            EXPECT_TRUE(schedule.XmlLoad(schedule.GetFileName(n, ""))) << n;
        }
        if (std::filesystem::exists(vote.GetFileName(n, ""))) {
            EXPECT_TRUE(vote.XmlLoad(vote.GetFileName(n, ""))) << n;
        }
        if (std::filesystem::exists(result.GetFileName(n, ""))) {
            EXPECT_TRUE(result.XmlLoad(result.GetFileName(n, ""))) << n;
        }
    }
    for (const char* folder : {"toto_Schedule", "toto_Vote", "toto_Result"}) {
        for (const auto& e :
             std::filesystem::directory_iterator(site.Home.Path() / "SysData" / folder)) {
            EXPECT_EQ(e.path().extension(), ".xml") << e.path();
        }
    }
}
