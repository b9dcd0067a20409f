// The download commands of kelvra-cli, run as a separate process against the fixture site.

#include "base/basText.h"
#include "net/FixtureSite.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

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
