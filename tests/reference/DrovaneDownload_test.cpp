#include "base/basText.h"
#include "net/LoopbackServer.h"
#include "net/clsWinInet.h"
#include "reference/clsDrovaneDownload.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <mutex>

namespace {
constexpr const char* kLocalTeams =
    ";overseas\r\nVersion = 3\r\nRevision = 9\r\nﾛﾝﾄﾞﾝ = ロンドンFC\r\n[End]\r\n";
constexpr const char* kNewTeams =
    ";overseas\r\nVersion = 3\r\nRevision = 12\r\nﾛﾝﾄﾞﾝ = ロンドンFC\r\nﾊﾟﾘ = パリFC\r\n[End]\r\n";

class DrovaneTest : public ::testing::Test
{
protected:
    DrovaneTest()
    {
        server.Server().Get("/download/2021/version.dat",
                            [this](const httplib::Request&, httplib::Response& res) {
                                ++VersionRequests;
                                Answer(VersionStatus, VersionText, res);
                            });
        server.Server().Get("/download/2021/TeamName2.dat",
                            [this](const httplib::Request&, httplib::Response& res) {
                                ++TeamRequests;
                                Answer(TeamStatus, TeamText, res);
                            });
        server.Start();
        home.Write("SysData/TeamName2.dat", basText::ToSjis(kLocalTeams));
    }
    void Answer(int status, const std::string& text, httplib::Response& res)
    {
        std::lock_guard lock(mutex);
        res.status = status;
        res.set_content(basText::ToSjis(text), "application/octet-stream");
    }
    std::string LocalTeams() const { return basText::FromSjis(home.Read("SysData/TeamName2.dat")); }
    std::string LastText() const { return host.Messages.empty() ? "" : host.Messages.back().Text; }

    LoopbackServer server;
    TempDir home;
    RecordingHost host;
    clsWinInet inet{host, host, host};
    std::mutex mutex;
    int VersionStatus = 200;
    std::string VersionText =
        "// versions\r\n;x\r\nTeamName.dat = 1.0\r\nTeamName2.dat=3.12\r\n[VersionEnd]\r\n";
    int TeamStatus = 200;
    std::string TeamText = kNewTeams;
    std::atomic<int> VersionRequests{0};
    std::atomic<int> TeamRequests{0};
};
} // namespace

TEST(DrovaneVersion, VersionNumbers)
{
    EXPECT_EQ(clsDrovaneDownload::VersionNumber("3.12"), 3012);
    EXPECT_EQ(clsDrovaneDownload::VersionNumber(" 3 . 5 "), 3005);
    EXPECT_EQ(clsDrovaneDownload::VersionNumber("."), 0);
    EXPECT_EQ(clsDrovaneDownload::VersionNumber("3."), 0);
    EXPECT_EQ(clsDrovaneDownload::VersionNumber("3"), 0);
    EXPECT_EQ(clsDrovaneDownload::VersionNumber("3.x"), 0);
    EXPECT_EQ(clsDrovaneDownload::VersionNumber("99999999999.1"), 0);
}

TEST_F(DrovaneTest, NewerVersionReplacesTheFileThenItIsCurrent)
{
    clsDrovaneDownload d(host.Host(), inet, home.Str(), server.Base());
    host.QueueAnswer(true);
    ASSERT_TRUE(d.DownloadTeamName2(true)) << host.AllMessageText();
    ASSERT_EQ(host.Questions.size(), 1u);
    EXPECT_EQ(host.Questions[0].Text,
              "Drovaneより 海外チーム名 をダウンロードします。よろしいですか？");
    EXPECT_EQ(host.Questions[0].Caption, "  Drovane");
    EXPECT_EQ(LastText(), "海外チーム名を最新版に更新しました。");
    EXPECT_EQ(host.Messages.back().Caption, " Drovane");
    EXPECT_EQ(host.Messages.back().Icon, MsgIcon::Information);
    EXPECT_EQ(LocalTeams(), kNewTeams);
    EXPECT_EQ(d.GetItem("teamname2.dat", ""), "3.12");
    EXPECT_EQ(d.GetItem("TeamName.dat", ""), "1.0");
    EXPECT_EQ(d.GetItem("", "def"), "def");
    EXPECT_EQ(d.Count(), 2);

    // The list is kept for the run: the second update compares without fetching it again.
    EXPECT_TRUE(d.DownloadTeamName2(false));
    EXPECT_EQ(LastText(), "海外チーム名の情報は最新です。");
    EXPECT_EQ(VersionRequests.load(), 1);
    EXPECT_EQ(TeamRequests.load(), 1);
    EXPECT_EQ(host.Questions.size(), 1u);
    // No temporary file is left beside it.
    int files = 0;
    for ([[maybe_unused]] const auto& e :
         std::filesystem::directory_iterator(home.Path() / "SysData")) {
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST_F(DrovaneTest, AnswerNoAndVersionComparisons)
{
    clsDrovaneDownload d(host.Host(), inet, home.Str(), server.Base());
    host.QueueAnswer(false);
    EXPECT_FALSE(d.DownloadTeamName2(true));
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(VersionRequests.load(), 0);

    VersionText = "TeamName2.dat = 3.9\r\n[VersionEnd]\r\n";
    EXPECT_TRUE(d.DownloadTeamName2(false));
    EXPECT_EQ(LastText(), "海外チーム名の情報は最新です。");

    clsDrovaneDownload older(host.Host(), inet, home.Str(), server.Base());
    VersionText = "TeamName2.dat = 3.8\r\n[VersionEnd]\r\n";
    EXPECT_FALSE(older.DownloadTeamName2(false));
    EXPECT_EQ(LastText(), "海外チーム名のバージョンが異常です。");
    EXPECT_EQ(host.Messages.back().Icon, MsgIcon::Warning);

    clsDrovaneDownload missing(host.Host(), inet, home.Str(), server.Base());
    VersionText = "Other.dat = 1.1\r\n[VersionEnd]\r\n";
    EXPECT_FALSE(missing.DownloadTeamName2(false));
    EXPECT_EQ(LastText(), "海外チーム名のバージョン取得に失敗しました。");

    home.Write("SysData/TeamName2.dat", basText::ToSjis("ﾛﾝﾄﾞﾝ = ロンドンFC\r\n"));
    clsDrovaneDownload unknown(host.Host(), inet, home.Str(), server.Base());
    VersionText = "TeamName2.dat = 3.12\r\n[VersionEnd]\r\n";
    EXPECT_FALSE(unknown.DownloadTeamName2(false));
    EXPECT_EQ(LastText(), "海外チーム名のバージョンが不明です。");
    EXPECT_EQ(TeamRequests.load(), 0);
}

TEST_F(DrovaneTest, BrokenDownloadsLeaveTheLocalFile)
{
    const std::string failed = "インターネットよりダウンロードに失敗しました。\r\n";
    {
        VersionText = "TeamName2.dat = 3.12\r\n";
        clsDrovaneDownload d(host.Host(), inet, home.Str(), server.Base());
        EXPECT_FALSE(d.DownloadTeamName2(false));
        EXPECT_EQ(LastText(), failed + "原因：ダウンロード内容(version.dat)が異常です");
        EXPECT_EQ(d.Count(), 0);
    }
    {
        VersionText = "<html>The requested URL was not found on this server</html>";
        clsDrovaneDownload d(host.Host(), inet, home.Str(), server.Base());
        EXPECT_FALSE(d.DownloadTeamName2(false));
        EXPECT_EQ(LastText(), failed + "原因：アドレスが見つかりません");
    }
    {
        VersionStatus = 404;
        clsDrovaneDownload d(host.Host(), inet, home.Str(), server.Base());
        EXPECT_FALSE(d.DownloadTeamName2(false));
        EXPECT_EQ(LastText(), failed + "原因：アドレスが見つかりません");
        VersionStatus = 200;
    }
    {
        VersionText = "";
        clsDrovaneDownload d(host.Host(), inet, home.Str(), server.Base());
        EXPECT_FALSE(d.DownloadTeamName2(false));
        EXPECT_EQ(LastText(), failed + "原因：サイトが見つかりません");
        // A failed read leaves the list empty, so the next update reads it again.
        VersionText = "TeamName2.dat = 3.12\r\n[VersionEnd]\r\n";
        TeamText = "ﾊﾟﾘ = パリFC\r\n";
        EXPECT_FALSE(d.DownloadTeamName2(false));
        EXPECT_EQ(LastText(), failed + "原因：TeamName2.dat が異常です");
        TeamStatus = 500;
        EXPECT_FALSE(d.DownloadTeamName2(false));
        EXPECT_EQ(LastText(), failed + "原因：サイトが見つかりません");
    }
    EXPECT_EQ(LocalTeams(), kLocalTeams);
    {
        const std::string url = server.Base();
        server.Stop();
        clsDrovaneDownload d(host.Host(), inet, home.Str(), url);
        EXPECT_FALSE(d.DownloadTeamName2(false));
        EXPECT_EQ(LastText(), failed + "原因：サイトが見つかりません");
    }
    EXPECT_EQ(LocalTeams(), kLocalTeams);
}
