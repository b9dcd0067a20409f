#include "base/basText.h"
#include "net/FixtureSite.h"
#include "store/clsTMain.h"
#include "store/clsXmlSchedule.h"
#include "store/clsXmlVote.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
class RoundControllerTest : public ::testing::Test
{
protected:
    RoundControllerTest()
    {
        subscription = main.SubscribeKaisaikaiChange(
            [this](std::int32_t lngKaisaikai, const std::string& strKumi) {
                Changes.push_back(std::to_string(lngKaisaikai) + "/" + strKumi);
            });
        main.Initialize();
    }
    std::string Store(const std::string& folder, const std::string& name) const
    {
        return site.StoreFile(folder, name);
    }

    FixtureSite site;
    RecordingHost host;
    clsTMain main{host.Host(), site.Settings, site.Home.Str()};
    std::vector<std::string> Changes;
    clsSubscription subscription;
};
} // namespace

TEST_F(RoundControllerTest, DownloadsStoreTheExpectedFilesOnce)
{
    main.SetKaisaikai(1234);
    ASSERT_EQ(Changes, std::vector<std::string>{"1234/"});
    EXPECT_FALSE(main.CheckScheduleFile());
    EXPECT_TRUE(main.Schedule().Kaisaikai == 0);

    host.QueueAnswer(true);
    ASSERT_TRUE(main.GetSchedule(true)) << host.AllMessageText();
    ASSERT_EQ(host.Questions.size(), 1u);
    EXPECT_EQ(host.Questions[0].Text,
              "インターネットより 開催情報 をダウンロードします。よろしいですか？");
    EXPECT_EQ(host.Questions[0].Caption, " 開催情報");
    EXPECT_EQ(Store("toto_Schedule", "toto_schedule_1234.xml"),
              FixtureSite::Expected("toto_schedule_1234.xml"));
    EXPECT_TRUE(main.CheckScheduleFile());
    EXPECT_EQ(main.Schedule().Match[0].Home, "札幌");
    EXPECT_EQ(Changes.size(), 2u);

    ASSERT_TRUE(main.GetVote(false));
    EXPECT_EQ(Store("toto_Vote", "toto_vote_1234.xml"),
              FixtureSite::Expected("toto_vote_1234.xml"));
    ASSERT_TRUE(main.GetResult(false));
    EXPECT_EQ(Store("toto_Result", "toto_result_1234.xml"),
              FixtureSite::Expected("toto_result_1234.xml"));
    EXPECT_EQ(site.Requests.load(), 3);
    EXPECT_TRUE(host.Messages.empty());

    // With the files there, the commands read them and never go to the site again.
    EXPECT_TRUE(main.GetSchedule(true));
    EXPECT_TRUE(main.GetVote(true));
    EXPECT_TRUE(main.GetResult(true));
    EXPECT_EQ(site.Requests.load(), 3);
    EXPECT_EQ(host.Questions.size(), 1u);

    // A fresh controller on the same store reads what the downloads left.
    clsTMain again(host.Host(), site.Settings, site.Home.Str());
    again.Initialize();
    again.SetKaisaikai(1234);
    EXPECT_EQ(again.Schedule(), main.Schedule());
    EXPECT_EQ(again.Vote(), main.Vote());
    EXPECT_EQ(again.Result(), main.Result());
}

TEST_F(RoundControllerTest, CancelledMatchAndTwoGradeRoundsAreStored)
{
    main.SetKaisaikai(1235);
    ASSERT_TRUE(main.GetSchedule(false));
    ASSERT_TRUE(main.GetResult(false));
    EXPECT_EQ(Store("toto_Schedule", "toto_schedule_1235.xml"),
              FixtureSite::Expected("toto_schedule_1235.xml"));
    EXPECT_EQ(Store("toto_Result", "toto_result_1235.xml"),
              FixtureSite::Expected("toto_result_1235.xml"));
    main.SetKaisaikai(200);
    ASSERT_TRUE(main.GetResult(false));
    EXPECT_EQ(Store("toto_Result", "toto_result_200.xml"),
              FixtureSite::Expected("toto_result_200.xml"));
}

TEST_F(RoundControllerTest, NoAndFailuresAndUnpublishedPages)
{
    main.SetKaisaikai(1234);
    host.QueueAnswer(false);
    EXPECT_FALSE(main.GetSchedule(true));
    EXPECT_TRUE(main.ScheduleLoader().Cancel());
    EXPECT_EQ(site.Requests.load(), 0);
    EXPECT_TRUE(host.Messages.empty());

    main.SetKaisaikai(1237);
    EXPECT_FALSE(main.GetVote(false));
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Icon, MsgIcon::Information);
    EXPECT_EQ(host.Messages[0].Text, "第1237回 投票状況は発表されていません。");
    EXPECT_EQ(host.Messages[0].Caption, " 投票状況");

    // No page (HTTP 404) is a failed download, not an unpublished round.
    main.SetKaisaikai(4321);
    EXPECT_FALSE(main.GetResult(false));
    ASSERT_EQ(host.Messages.size(), 2u);
    EXPECT_EQ(host.Messages[1].Icon, MsgIcon::Warning);
    // It says why, so the player checks the round number rather than the network.
    EXPECT_EQ(host.Messages[1].Text, "インターネットよりダウンロードに失敗しました。\r\n"
                                     "サイトにこの回のページがありません（サーバーの応答 404）。");
    EXPECT_EQ(host.Messages[1].Caption, " くじ結果");

    EXPECT_FALSE(site.StoreFileExists("toto_Vote", "toto_vote_1237.xml"));
    EXPECT_FALSE(std::filesystem::exists(site.Home.Path() / "SysData" / "toto_Result"));
}

TEST_F(RoundControllerTest, ASiteThatCannotBeReachedIsToldApartFromAMissingPage)
{
    // Nothing listens on port 1 of the loopback address.
    TotoSettings settings = site.Settings;
    settings.totoOfficialScheduleUrl = "http://127.0.0.1:1/schedule?holdCntId=";
    clsTMain offline(host.Host(), settings, site.Home.Str());
    offline.Initialize();
    offline.SetKaisaikai(1234);
    EXPECT_FALSE(offline.GetSchedule(false));
    ASSERT_EQ(host.Messages.size(), 1u);
    const std::string& text = host.Messages[0].Text;
    EXPECT_EQ(text.rfind("インターネットよりダウンロードに失敗しました。\r\n"
                         "サーバーに接続できません。ネットワークの接続をお確かめ下さい。",
                         0),
              0u)
        << text;
    EXPECT_EQ(text.find("404"), std::string::npos) << text;

    // The next download starts without the last one's reason.
    host.Messages.clear();
    main.SetKaisaikai(4321);
    EXPECT_FALSE(main.GetResult(false));
    main.SetKaisaikai(1237);
    EXPECT_FALSE(main.GetVote(false));
    ASSERT_EQ(host.Messages.size(), 2u);
    EXPECT_EQ(host.Messages[1].Text, "第1237回 投票状況は発表されていません。");
}

TEST_F(RoundControllerTest, InvalidRecordsAreHeldButNeverStored)
{
    // Totals that do not add up: read, but not a valid vote status.
    main.SetKaisaikai(1242);
    EXPECT_FALSE(main.GetVote(false));
    EXPECT_EQ(main.VoteLoader().Vote().Kaisaikai, 1242);
    EXPECT_FALSE(site.StoreFileExists("toto_Vote", "toto_vote_1242.xml"));
    ASSERT_EQ(host.Messages.size(), 1u);
    // The page was there: the message says which rule its record breaks.
    EXPECT_EQ(host.Messages[0].Text, "インターネットよりダウンロードに失敗しました。\r\n"
                                     "売上金額の合計がマルチとシングルの和と一致しません");
    EXPECT_EQ(main.Vote(), VoteRecord{});

    // A page of another round (a site that redirects to the current round) is not filed.
    main.SetKaisaikai(1300);
    site.Serve("schedule_1300", FixtureSite::Page("schedule_1234.html"));
    EXPECT_FALSE(main.GetSchedule(false));
    EXPECT_FALSE(site.StoreFileExists("toto_Schedule", "toto_schedule_1300.xml"));
    EXPECT_FALSE(site.StoreFileExists("toto_Schedule", "toto_schedule_1234.xml"));
}

TEST_F(RoundControllerTest, InterimVoteLivesOnlyInMemory)
{
    main.SetKaisaikai(1241);
    ASSERT_TRUE(main.GetVote(false));
    EXPECT_FALSE(main.VoteLoader().LastFinal());
    EXPECT_FALSE(site.StoreFileExists("toto_Vote", "toto_vote_1241.xml"));
    EXPECT_EQ(main.Vote().Kaisaikai, 1241);
    // Downloading the schedule reloads without touching the vote.
    main.GetSchedule(false);
    EXPECT_EQ(main.Vote().Kaisaikai, 1241);
    // Changing the round drops it.
    main.SetKaisaikai(1240);
    main.SetKaisaikai(1241);
    EXPECT_EQ(main.Vote(), VoteRecord{});
}

TEST_F(RoundControllerTest, ExistingFileIsNeverOverwritten)
{
    main.SetKaisaikai(1234);
    const std::string file =
        (site.Home.Path() / "SysData" / "toto_Schedule" / "toto_schedule_1234.xml").string();
    // The file appears while the page is being fetched.
    site.OnServe = [&](const std::string&) {
        site.Home.Write("SysData/toto_Schedule/toto_schedule_1234.xml", "mine");
    };
    EXPECT_TRUE(main.GetSchedule(false));
    EXPECT_EQ(Store("toto_Schedule", "toto_schedule_1234.xml"), "mine");
}

TEST_F(RoundControllerTest, NotHeldRoundDisablesDownloads)
{
    site.Home.Write("SysData/toto_Schedule/toto_schedule_1250.xml",
                    basText::ToSjis(clsXmlSchedule::NotHeldText(1250)));
    main.SetKaisaikai(1250);
    EXPECT_TRUE(main.NoGame());
    EXPECT_FALSE(main.GetSchedule(true));
    EXPECT_FALSE(main.GetVote(true));
    EXPECT_FALSE(main.GetResult(true));
    EXPECT_TRUE(host.Questions.empty());
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(site.Requests.load(), 0);
    main.SetKaisaikai(1251);
    EXPECT_FALSE(main.NoGame());
}

TEST_F(RoundControllerTest, RoundZeroGroupsAndOldSnapshots)
{
    main.SetKaisaikai(1234);
    main.SetKaisaikai(0);
    EXPECT_FALSE(main.GetSchedule(false));
    EXPECT_EQ(site.Requests.load(), 0);
    EXPECT_EQ(main.Schedule(), ScheduleRecord{});
    main.SetKaisaikai(-5);
    EXPECT_EQ(main.Kaisaikai(), 0);
    main.SetKaisaikai(123456);
    EXPECT_EQ(main.Kaisaikai(), 9999);

    const auto before = Changes.size();
    main.SetKumi("C");
    EXPECT_EQ(Changes.size(), before);
    main.SetKumi("B");
    EXPECT_EQ(main.KumiIndex(), 1);
    EXPECT_EQ(Changes.size(), before + 1);
    EXPECT_EQ(Changes.back(), "9999/");

    // An archived snapshot named by round and sales end.
    site.Home.Write("SysData/Vote/vote_1234_2021-01-16.xml",
                    FixtureSite::Expected("toto_vote_1234.xml"));
    EXPECT_FALSE(main.GetOldVoteFile(1234, DateTime::FromYmd(2021, 1, 17)));
    ASSERT_TRUE(main.GetOldVoteFile(1234, DateTime::FromYmdHms(2021, 1, 16, 13, 50, 0)));
    EXPECT_EQ(main.Vote().Kaisaikai, 1234);
    EXPECT_TRUE(main.Vote().IsValid());
    EXPECT_EQ(main.VoteLoader().OldVoteFileName(7, DateTime::FromYmd(2021, 1, 2)),
              (site.Home.Path() / "SysData" / "Vote" / "vote_007_2021-01-02.xml").string());
}

TEST(RoundLoaders, EveryOperationBeforeInitializeReports)
{
    FixtureSite site;
    RecordingHost host;
    clsSchedule loader(host.Host(), site.Settings, site.Home.Str());
    EXPECT_FALSE(loader.GetSchedule(1234, "", 3, false));
    EXPECT_EQ(loader.Schedule(), ScheduleRecord{});
    EXPECT_FALSE(loader.NoGame());
    ASSERT_EQ(host.Messages.size(), 3u);
    EXPECT_EQ(host.Messages[0].Text, "Initialize Err");
    EXPECT_EQ(host.Messages[0].Caption, "Kelvra / clsSchedule / GetSchedule");
    EXPECT_EQ(host.Messages[1].Caption, "Kelvra / clsSchedule / Schedule");
    EXPECT_EQ(host.Messages[2].Caption, "Kelvra / clsSchedule / NoGame");
    EXPECT_EQ(site.Requests.load(), 0);

    clsVote vote(host.Host(), site.Settings, site.Home.Str());
    vote.Initialize();
    // A group the store does not know never becomes part of a file name.
    EXPECT_FALSE(vote.GetVote(1234, "../../x", 3, false));
    EXPECT_EQ(site.Requests.load(), 0);
}

TEST_F(RoundControllerTest, ScheduleInitializeReadsNewTeamNames)
{
    main.SetKaisaikai(1240);
    EXPECT_FALSE(main.GetSchedule(false));
    site.Home.Write("SysData/TeamName3.dat",
                    basText::ToSjis(";Drovane TeamName User Data File (TeamName3.dat)\r\n未知   = "
                                    "未知のクラブFC\r\n"));
    host.Messages.clear();
    EXPECT_FALSE(main.GetSchedule(false));
    main.ScheduleInitialize();
    EXPECT_TRUE(main.GetSchedule(false)) << host.AllMessageText();
    EXPECT_EQ(main.Schedule().Match[3].Home, "未知");
}

namespace {
std::string SjisReplaced(std::string strBytes, const std::string& strOld, const std::string& strNew)
{
    const std::string from = basText::ToSjis(strOld);
    const auto at = strBytes.find(from);
    EXPECT_NE(at, std::string::npos) << strOld;
    if (at != std::string::npos) {
        strBytes.replace(at, from.size(), basText::ToSjis(strNew));
    }
    return strBytes;
}
} // namespace

TEST_F(RoundControllerTest, DamagedStoreFilesAreMovedAsideAndFetchedAgain)
{
    struct Kind
    {
        std::string Folder, Name, Tag;
        std::function<bool()> Download;
    };
    const std::vector<Kind> kinds = {
        {"toto_Schedule", "toto_schedule_1234.xml", "販売開始日",
         [&] { return main.GetSchedule(false); }},
        {"toto_Vote", "toto_vote_1234.xml", "販売開始日", [&] { return main.GetVote(false); }},
        {"toto_Result", "toto_result_1234.xml", "販売開始日",
         [&] { return main.GetResult(false); }}};
    for (const Kind& k : kinds) {
        const std::string damaged = SjisReplaced(FixtureSite::Expected(k.Name),
                                                 "<" + k.Tag + ">2021/01/09", "<" + k.Tag + ">x");
        site.Home.Write("SysData/" + k.Folder + "/" + k.Name, damaged);
        // An older copy set aside before is replaced.
        site.Home.Write("SysData/" + k.Folder + "/" + k.Name + ".broken", "older");
    }
    main.SetKaisaikai(1234);
    for (const Kind& k : kinds) {
        host.Messages.clear();
        const int before = site.Requests.load();
        ASSERT_TRUE(k.Download()) << k.Name << host.AllMessageText();
        EXPECT_EQ(site.Requests.load(), before + 1) << k.Name;
        EXPECT_EQ(Store(k.Folder, k.Name), FixtureSite::Expected(k.Name)) << k.Name;
        EXPECT_NE(Store(k.Folder, k.Name + ".broken").find(basText::ToSjis("<" + k.Tag + ">x")),
                  std::string::npos)
            << k.Name;
        // The store's own read error, then where the file went.
        EXPECT_NE(host.AllMessageText().find(k.Name + ".broken に移して"), std::string::npos)
            << host.AllMessageText();
    }
    EXPECT_EQ(main.Schedule().Match[0].Home, "札幌");
    EXPECT_TRUE(main.Vote().IsValid());
    EXPECT_TRUE(main.Result().IsValid());
}

TEST_F(RoundControllerTest, DamagedFileThatCannotBeMovedBlocksNothingElse)
{
    site.Home.Write(
        "SysData/toto_Result/toto_result_1234.xml",
        SjisReplaced(FixtureSite::Expected("toto_result_1234.xml"), "<開催回>1234", "<開催回>x"));
    // A non-empty folder of the .broken name cannot be replaced by the file.
    site.Home.Write("SysData/toto_Result/toto_result_1234.xml.broken/keep", "k");
    main.SetKaisaikai(1234);
    host.Messages.clear();
    EXPECT_FALSE(main.GetResult(false));
    EXPECT_EQ(site.Requests.load(), 0);
    EXPECT_NE(host.AllMessageText().find("読み込めないファイルを移せませんでした。"),
              std::string::npos)
        << host.AllMessageText();
    EXPECT_TRUE(site.StoreFileExists("toto_Result", "toto_result_1234.xml"));
    // The other records of the round download as ever.
    EXPECT_TRUE(main.GetSchedule(false));
}

TEST_F(RoundControllerTest, FailedSavesAreToldApart)
{
    // A file where the vote folder should be: the record is read, its file cannot be written.
    site.Home.Write("SysData/toto_Vote", "not a folder");
    main.SetKaisaikai(1234);
    EXPECT_TRUE(main.GetVote(false));
    EXPECT_TRUE(main.SaveFailed());
    EXPECT_NE(host.AllMessageText().find("ファイルの保存に失敗しました。"), std::string::npos);
    // A folder under the file's name keeps the schedule out of the store too.
    std::filesystem::create_directories(site.Home.Path() / "SysData" / "toto_Schedule" /
                                        "toto_schedule_1234.xml");
    host.Messages.clear();
    EXPECT_TRUE(main.GetSchedule(false));
    EXPECT_TRUE(main.SaveFailed());
    EXPECT_NE(host.AllMessageText().find("ファイルの保存に失敗しました。"), std::string::npos);
    // A save that works clears the flag.
    EXPECT_TRUE(main.GetResult(false));
    EXPECT_FALSE(main.SaveFailed());
}

TEST_F(RoundControllerTest, NoBreakSpacePagesAreStoredAsExpected)
{
    main.SetKaisaikai(1243);
    ASSERT_TRUE(main.GetVote(false)) << host.AllMessageText();
    EXPECT_EQ(Store("toto_Vote", "toto_vote_1243.xml"),
              FixtureSite::Expected("toto_vote_1243.xml"));
    ASSERT_TRUE(main.GetSchedule(false)) << host.AllMessageText();
    EXPECT_EQ(Store("toto_Schedule", "toto_schedule_1243.xml"),
              FixtureSite::Expected("toto_schedule_1243.xml"));
    EXPECT_TRUE(host.Messages.empty());
}

TEST(VoteFaults, EachRuleIsNamed)
{
    TempDir home;
    RecordingHost host;
    clsXmlVote xml(host, home.Str());
    ASSERT_TRUE(xml.XmlLoad((FixtureSite::DataDir() / "expected" / "toto_vote_1234.xml").string()));
    const VoteRecord good = xml.GetRecord();
    ASSERT_TRUE(good.IsValid());
    EXPECT_EQ(clsVote::InvalidReason(good), "");
    const auto reason = [&](const std::function<void(VoteRecord&)>& change) {
        VoteRecord v = good;
        change(v);
        EXPECT_FALSE(v.IsValid());
        return clsVote::InvalidReason(v);
    };
    EXPECT_EQ(reason([](VoteRecord& v) { v.SaleEnd = DateTime(); }), "販売期間が読み取れません");
    EXPECT_EQ(reason([](VoteRecord& v) { v.Match[5].Rate[0] += Currency::FromInt(1); }),
              "投票率の合計が100%ではありません（試合6）");
    EXPECT_EQ(reason([](VoteRecord& v) { v.Match[2].Votes[2] = Currency(); }),
              "投票数が0です（試合3）");
    EXPECT_EQ(reason([](VoteRecord& v) { v.Match[12].Away.clear(); }),
              "チーム名が読み取れません（試合13）");
    EXPECT_EQ(reason([](VoteRecord& v) { v.TicketsTotal += Currency::FromInt(1); }),
              "投票枚数の合計がマルチとシングルの和と一致しません");
    EXPECT_EQ(reason([](VoteRecord& v) {
                  v.UnitsMulti += Currency::FromInt(1);
                  v.UnitsTotal += Currency::FromInt(1);
              }),
              "売上金額が投票口数の100円分ではありません");
    EXPECT_EQ(reason([](VoteRecord& v) { v.RefundDeadline = DateTime(); }),
              "払戻期間が読み取れません");
    EXPECT_EQ(reason([](VoteRecord& v) { v.AsOf = DateTime(); }), "集計時点が読み取れません");
}

TEST_F(RoundControllerTest, CutStoreFileNoLongerBlocksItsDownload)
{
    // Cut after the fifth match: whether or not the reader calls that an error, the record is
    // of no use, and asking for the download must fetch and file the round again.
    const std::string whole = FixtureSite::Expected("toto_result_1234.xml");
    const std::string cut = whole.substr(0, whole.find(basText::ToSjis("<番号>6</番号>")));
    site.Home.Write("SysData/toto_Result/toto_result_1234.xml", cut);
    main.SetKaisaikai(1234);
    EXPECT_EQ(main.Result(), ResultRecord{});
    host.Messages.clear();
    ASSERT_TRUE(main.GetResult(false)) << host.AllMessageText();
    EXPECT_EQ(site.Requests.load(), 1);
    EXPECT_EQ(Store("toto_Result", "toto_result_1234.xml"), whole);
    EXPECT_EQ(Store("toto_Result", "toto_result_1234.xml.broken"), cut);
    EXPECT_NE(host.AllMessageText().find("toto_result_1234.xml.broken に移して"), std::string::npos)
        << host.AllMessageText();
    // A file that is whole stays where it is, and no request is made for it.
    EXPECT_TRUE(main.GetResult(false));
    EXPECT_EQ(site.Requests.load(), 1);
}

// A round view and the document follow the same controller; one that goes is no longer told.
TEST_F(RoundControllerTest, EveryListenerFollowsTheRoundUntilItGoes)
{
    std::vector<std::int32_t> view;
    std::vector<std::string> kumiSeen;
    clsSubscription viewSub = main.SubscribeKaisaikaiChange(
        [&](std::int32_t lngKaisaikai, const std::string&) { view.push_back(lngKaisaikai); });
    {
        const clsSubscription other = main.SubscribeKaisaikaiChange(
            [&](std::int32_t, const std::string& strKumi) { kumiSeen.push_back(strKumi); });
        main.SetKaisaikai(1234);
    }
    main.SetKaisaikai(1235);
    EXPECT_EQ(Changes, (std::vector<std::string>{"1234/", "1235/"}));
    EXPECT_EQ(view, (std::vector<std::int32_t>{1234, 1235}));
    EXPECT_EQ(kumiSeen, std::vector<std::string>{""});

    viewSub.Reset();
    main.SetKaisaikai(1236);
    EXPECT_EQ(view.size(), 2u);
    EXPECT_EQ(Changes.size(), 3u);
}
