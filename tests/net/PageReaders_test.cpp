#include "net/FixtureSite.h"
#include "net/clsHtmlResult.h"
#include "net/clsHtmlSchedule.h"
#include "net/clsHtmlVote.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

namespace {
DateTime At(int y, int mo, int d, int h = 0, int mi = 0)
{
    return DateTime::FromYmdHms(y, mo, d, h, mi, 0);
}
Currency Money(const char* s)
{
    return *Currency::Parse(s);
}

class PageReaderTest : public ::testing::Test
{
protected:
    FixtureSite site;
    RecordingHost host;
};
} // namespace

TEST_F(PageReaderTest, VoteFinalStatus)
{
    clsHtmlVote reader(host, host, host, site.Settings);
    bool final = false;
    ASSERT_TRUE(reader.GetVote(1234, "", final));
    EXPECT_TRUE(final);
    EXPECT_EQ(site.LastTarget, "/vote?holdCntId=1234&commodityId=01");
    const VoteRecord& v = reader.Vote();
    EXPECT_EQ(v.Kaisaikai, 1234);
    EXPECT_EQ(v.AsOf, v.SaleEnd);
    EXPECT_EQ(v.SaleStart, At(2021, 1, 9));
    EXPECT_EQ(v.SaleEnd, At(2021, 1, 16, 13, 50));
    EXPECT_EQ(v.RefundDeadline, At(2022, 1, 19));
    EXPECT_EQ(v.SalesTotal, Money("123456700"));
    EXPECT_EQ(v.UnitsSingle, Money("234567"));
    EXPECT_EQ(v.TicketsMulti, Money("150000"));
    EXPECT_EQ(v.Match[0].Votes[1], Money("45670"));
    EXPECT_EQ(v.Match[0].Rate[1], Money("45.67"));
    EXPECT_EQ(v.Match[0].Rate[0], Money("30.12"));
    EXPECT_EQ(v.Match[0].Votes[2], Money("24210"));
    EXPECT_EQ(v.Match[0].Home, "北海道コンサドーレ札幌");
    EXPECT_EQ(v.Match[0].Away, "ベガルタ仙台");
    // The second row has no date cells of its own: it takes the row before's.
    EXPECT_EQ(v.Match[1].GameDate, At(2021, 1, 16));
    EXPECT_EQ(v.Match[1].StartTime, DateTime::FromHms(13, 0, 0));
    EXPECT_EQ(v.Match[12].GameDate, At(2021, 1, 17));
    EXPECT_EQ(v.Match[12].StartTime, DateTime::FromHms(16, 0, 0));
    EXPECT_TRUE(v.IsValid());
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(PageReaderTest, VoteInterimCancelledMatchAndGroups)
{
    clsHtmlVote reader(host, host, host, site.Settings);
    reader.Toto().SetToday(At(2021, 1, 15));
    bool final = true;
    ASSERT_TRUE(reader.GetVote(1241, "", final));
    EXPECT_FALSE(final);
    EXPECT_EQ(reader.Vote().AsOf, At(2021, 1, 15, 18, 0));

    ASSERT_TRUE(reader.GetVote(1235, "", final));
    EXPECT_EQ(reader.Vote().Match[6].Home, "ガンバ大阪");
    EXPECT_EQ(reader.Vote().Match[6].Votes[1], Money("6000"));
    EXPECT_TRUE(reader.Vote().IsValid());

    ASSERT_TRUE(reader.GetVote(1234, "B", final));
    EXPECT_EQ(site.LastTarget, "/vote?holdCntId=1234&commodityId=01&commodityId=07");
    EXPECT_EQ(reader.Vote().Kumi, "B");
}

TEST_F(PageReaderTest, VoteFailures)
{
    clsHtmlVote reader(host, host, host, site.Settings);
    bool final = false;
    EXPECT_FALSE(reader.GetVote(1237, "", final));
    EXPECT_TRUE(reader.Unpublished());
    // A cell without its rate fails the read; the page was there, so it is not unpublished.
    EXPECT_FALSE(reader.GetVote(1239, "", final));
    EXPECT_FALSE(reader.Unpublished());
    EXPECT_EQ(reader.Vote(), VoteRecord{});
    // No page at all (HTTP 404): a failed download, not an unpublished one.
    EXPECT_FALSE(reader.GetVote(4321, "", final));
    EXPECT_FALSE(reader.Unpublished());
    EXPECT_EQ(reader.Fetcher().WinInet().LastHttpStatus(), 404);
    EXPECT_TRUE(host.Messages.empty());
    // Round 5 is addressed with four digits.
    EXPECT_EQ(reader.PageUrl(5, ""), site.Settings.totoOfficialVoteUrl + "0005&commodityId=01");
}

TEST_F(PageReaderTest, ResultNormalRound)
{
    clsHtmlResult reader(host, host, host, site.Settings);
    ASSERT_TRUE(reader.GetResult(1234, ""));
    EXPECT_EQ(site.LastTarget, "/result?holdCntId=1234");
    const ResultRecord& r = reader.Result();
    EXPECT_EQ(r.Kaisaikai, 1234);
    EXPECT_FALSE(r.Cancelled);
    EXPECT_EQ(r.Prize[1], Money("123456789"));
    EXPECT_EQ(r.Prize[3], Money("12345"));
    EXPECT_EQ(r.Winners[2], Money("38"));
    EXPECT_EQ(r.CarryOver[1], Money("0"));
    EXPECT_EQ(r.SaleStart, At(2021, 1, 9));
    EXPECT_EQ(r.ResultDate, At(2021, 1, 18));
    EXPECT_EQ(r.RefundDeadline, At(2022, 1, 19));
    // Month/day cells are moved to the year of the sales start.
    EXPECT_EQ(r.Match[0].GameDate, At(2021, 1, 16));
    EXPECT_EQ(r.Match[12].GameDate, At(2021, 1, 17));
    EXPECT_EQ(r.Match[0].Stadium, "札幌ドーム");
    EXPECT_EQ(r.Match[0].HomeScore, 2);
    EXPECT_EQ(r.Match[0].AwayScore, 1);
    EXPECT_EQ(r.Match[0].Outcome, 1);
    EXPECT_EQ(r.Match[1].Outcome, 0);
    EXPECT_EQ(r.Match[2].Outcome, 2);
    EXPECT_EQ(r.Match[12].HomeScore, 5);
    EXPECT_TRUE(r.IsValid(3));
}

TEST_F(PageReaderTest, ResultCancellationsAndTwoGrades)
{
    clsHtmlResult reader(host, host, host, site.Settings);
    ASSERT_TRUE(reader.GetResult(1235, ""));
    EXPECT_EQ(reader.Result().Match[6].Outcome, 3);
    EXPECT_EQ(reader.Result().Match[6].HomeScore, 0);
    EXPECT_FALSE(reader.Result().Cancelled);
    EXPECT_TRUE(reader.Result().IsValid(3));

    ASSERT_TRUE(reader.GetResult(1236, ""));
    const ResultRecord& c = reader.Result();
    EXPECT_TRUE(c.Cancelled);
    EXPECT_EQ(c.ResultDate, At(2021, 1, 18));
    EXPECT_EQ(c.RefundStart, At(2021, 1, 19));
    EXPECT_EQ(c.RefundDeadline, At(2022, 1, 19));
    EXPECT_TRUE(c.SaleStart.IsZero());
    EXPECT_EQ(c.Match[0].GameDate, At(2021, 1, 16));
    EXPECT_TRUE(c.IsValid(3));

    ASSERT_TRUE(reader.GetResult(200, ""));
    EXPECT_EQ(site.LastTarget, "/result?holdCntId=0200");
    EXPECT_EQ(reader.Result().Prize[2], Money("1234567"));
    EXPECT_EQ(reader.Result().Prize[3], Money("0"));
    EXPECT_EQ(reader.Result().Winners[3], Money("0"));
    EXPECT_TRUE(reader.Result().IsValid(2));
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(PageReaderTest, ResultFailures)
{
    clsHtmlResult reader(host, host, host, site.Settings);
    EXPECT_FALSE(reader.GetResult(1237, ""));
    EXPECT_TRUE(reader.Unpublished());
    // A numbered row after match 13 fails the read (the "14" before it is ignored).
    EXPECT_FALSE(reader.GetResult(1238, ""));
    EXPECT_FALSE(reader.Unpublished());
    EXPECT_TRUE(host.Messages.empty());
    // A score that is no "h-a" is a read error, reported.
    EXPECT_FALSE(reader.GetResult(1239, ""));
    EXPECT_FALSE(reader.Unpublished());
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Caption, "Kelvra / clsHtmlResult / GetResult");
    EXPECT_EQ(host.Messages[0].Icon, MsgIcon::Error);
    EXPECT_EQ(reader.Result(), ResultRecord{});
}

TEST_F(PageReaderTest, ResultYearOnlyMovesWhenTheFirstMatchDiffers)
{
    RecordingHost h;
    clsHtmlResult reader(h, h, h, site.Settings);
    std::vector<std::string> list = {"第300回totoくじ結果",
                                     "2020/12/30",
                                     "X",
                                     "1",
                                     "a",
                                     "1-0",
                                     "b",
                                     "1",
                                     "2021/01/02",
                                     "Y",
                                     "2",
                                     "c",
                                     "0-0",
                                     "d",
                                     "0",
                                     "販売期間",
                                     "販売開始日",
                                     "販売終了日",
                                     "結果発表日",
                                     "2020年12月26日",
                                     "2021年1月2日",
                                     "2021年1月4日",
                                     "当せん金",
                                     "100",
                                     "20",
                                     "3",
                                     "当せん口数",
                                     "1",
                                     "2",
                                     "3",
                                     "次回への繰越金",
                                     "0",
                                     "0",
                                     "0",
                                     "払戻日",
                                     "払戻開始日",
                                     "払戻期限",
                                     "2021年1月5日",
                                     "2022年1月5日"};
    ASSERT_TRUE(reader.ReadList(list, ""));
    EXPECT_EQ(reader.Result().Match[0].GameDate, At(2020, 12, 30));
    EXPECT_EQ(reader.Result().Match[1].GameDate, At(2021, 1, 2));
    list[19] = "2019年12月26日";
    ASSERT_TRUE(reader.ReadList(list, ""));
    EXPECT_EQ(reader.Result().Match[0].GameDate, At(2019, 12, 30));
    EXPECT_EQ(reader.Result().Match[1].GameDate, At(2019, 1, 2));

    // The page's notice that the round cannot be shown ends the read before the heading, even
    // with a whole table after it; after the heading it is one more entry passed over.
    std::vector<std::string> notice = list;
    notice.insert(notice.begin(), "ご指定のくじ結果は表示できません。");
    EXPECT_FALSE(reader.ReadList(notice, ""));
    EXPECT_TRUE(reader.Unpublished());
    EXPECT_EQ(reader.Result(), ResultRecord{});
    notice.erase(notice.begin());
    notice.insert(notice.begin() + 1, "ご指定のくじ結果は表示できません。");
    EXPECT_TRUE(reader.ReadList(notice, ""));
    EXPECT_FALSE(reader.Unpublished());
    EXPECT_TRUE(h.Messages.empty()) << h.AllMessageText();
}

TEST_F(PageReaderTest, NoticeBeforeTheHeadingIsAnUnpublishedPage)
{
    clsHtmlSchedule schedule(host, host, host, site.Settings, site.Home.Str());
    EXPECT_FALSE(schedule.ReadList(
        {"ご指定のくじ情報は表示できません。", "第1234回totoくじ情報", "販売開始日"}, ""));
    EXPECT_TRUE(schedule.Unpublished());
    clsHtmlVote vote(host, host, host, site.Settings);
    bool final = true;
    EXPECT_FALSE(vote.ReadList(
        {"ご指定の投票状況は表示できません。", "第1234回", "(1/16 12:50時点)"}, "", final));
    EXPECT_TRUE(vote.Unpublished());
    EXPECT_FALSE(final);
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessageText();
}

TEST_F(PageReaderTest, ScheduleNormalRound)
{
    clsHtmlSchedule reader(host, host, host, site.Settings, site.Home.Str());
    ASSERT_TRUE(reader.GetSchedule(1234, "")) << host.AllMessageText();
    EXPECT_EQ(site.LastTarget, "/schedule?holdCntId=1234");
    const ScheduleRecord& s = reader.Schedule();
    EXPECT_EQ(s.Kaisaikai, 1234);
    EXPECT_EQ(s.Kumi, "");
    EXPECT_EQ(s.HoldState, 0);
    EXPECT_EQ(s.SaleStart, At(2021, 1, 9));
    // "13:50まで(インターネット)" and "13:00(店頭)" joined by <br>: the latest time wins.
    EXPECT_EQ(s.SaleEnd, At(2021, 1, 16, 13, 50));
    EXPECT_EQ(s.ResultDate, At(2021, 1, 18));
    EXPECT_EQ(s.RefundStart, At(2021, 1, 19));
    EXPECT_EQ(s.RefundDeadline, At(2022, 1, 19));
    EXPECT_EQ(s.Match[0].GameDate, At(2021, 1, 16));
    EXPECT_EQ(s.Match[0].StartTime, DateTime::FromHms(13, 0, 0));
    EXPECT_EQ(s.Match[0].Stadium, "札幌ドーム");
    EXPECT_EQ(s.Match[0].Home, "札幌");
    EXPECT_EQ(s.Match[0].State, "VS");
    EXPECT_EQ(s.Match[0].Away, "仙台");
    // Found only in TeamName2.dat (round 750 and later) and with a space inside on the page.
    EXPECT_EQ(s.Match[12].Away, "長崎");
    EXPECT_EQ(s.Match[2].Away, "FC東京");
    EXPECT_TRUE(s.IsValid());
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(reader.PageUrl(5), site.Settings.totoOfficialScheduleUrl + "0005");
}

TEST_F(PageReaderTest, ScheduleCancellationsAndGroup)
{
    clsHtmlSchedule reader(host, host, host, site.Settings, site.Home.Str());
    ASSERT_TRUE(reader.GetSchedule(1235, ""));
    EXPECT_EQ(reader.Schedule().Match[6].State, "中止");
    EXPECT_EQ(reader.Schedule().HoldState, 0);
    ASSERT_TRUE(reader.GetSchedule(1236, ""));
    EXPECT_EQ(reader.Schedule().HoldState, 2);
    // The schedule address takes no group suffix: asked for group A, the toto page has no
    // header of that group.
    EXPECT_FALSE(reader.GetSchedule(1234, "A"));
    EXPECT_TRUE(reader.Unpublished());
    EXPECT_EQ(site.LastTarget, "/schedule?holdCntId=1234");
    site.Serve("schedule_1234", FixtureSite::Page("schedule_1234_A.html"));
    ASSERT_TRUE(reader.GetSchedule(1234, "A"));
    EXPECT_EQ(reader.Schedule().Kumi, "A");
    EXPECT_EQ(reader.Schedule().Kaisaikai, 1234);
    EXPECT_TRUE(reader.Schedule().IsValid());
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(PageReaderTest, ScheduleFailures)
{
    clsHtmlSchedule reader(host, host, host, site.Settings, site.Home.Str());
    EXPECT_FALSE(reader.GetSchedule(1237, ""));
    EXPECT_TRUE(reader.Unpublished());
    EXPECT_FALSE(reader.GetSchedule(1238, ""));
    EXPECT_FALSE(reader.Unpublished());
    EXPECT_FALSE(reader.GetSchedule(4321, ""));
    EXPECT_FALSE(reader.Unpublished());
    EXPECT_TRUE(host.Messages.empty());

    // A page cut off in the middle of a row.
    EXPECT_FALSE(reader.GetSchedule(1239, ""));
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Caption, "Kelvra / clsHtmlSchedule / GetSchedule");
    EXPECT_EQ(reader.Schedule(), ScheduleRecord{});

    // A club no name table knows: the tables' own message, and the read fails.
    host.Messages.clear();
    EXPECT_FALSE(reader.GetSchedule(1240, ""));
    EXPECT_FALSE(reader.Unpublished());
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_NE(host.Messages[0].Text.find("未知のクラブFC"), std::string::npos);
    EXPECT_EQ(clsTotoData::UnknownTeamName(), "未知のクラブFC");
}

TEST_F(PageReaderTest, ScheduleLabelsBeforeRowsSetTheYear)
{
    clsHtmlSchedule reader(host, host, host, site.Settings, site.Home.Str());
    reader.Toto().SetToday(At(2030, 5, 5));
    std::vector<std::string> list = {"第800回totoくじ情報",
                                     "1",
                                     "12/30",
                                     "13:00",
                                     "S",
                                     "浦和レッズ",
                                     "VS",
                                     "鹿島アントラーズ",
                                     "販売開始日",
                                     "2019年12月20日",
                                     "2",
                                     "01/02",
                                     "9:05",
                                     "T",
                                     "柏レイソル",
                                     "中止",
                                     "FC東京",
                                     "販売終了日",
                                     "2019年12月27日13:50",
                                     "結果発表日",
                                     "2020年1月6日",
                                     "払戻開始日",
                                     "2020年1月7日",
                                     "払戻期限",
                                     "2021年1月7日"};
    ASSERT_TRUE(reader.ReadList(list, ""));
    EXPECT_EQ(reader.Schedule().Match[0].GameDate, At(2030, 12, 30));
    EXPECT_EQ(reader.Schedule().Match[1].GameDate, At(2019, 1, 2));
    EXPECT_EQ(reader.Schedule().Match[1].StartTime, DateTime::FromHms(9, 5, 0));
    EXPECT_EQ(reader.Schedule().Match[1].State, "中止");
    // A state other than VS or 中止 fails the read without a report.
    list[6] = "vs.";
    EXPECT_FALSE(reader.ReadList(list, ""));
    EXPECT_TRUE(host.Messages.empty());
}

namespace {
std::string Replaced(std::string strText, const std::string& strOld, const std::string& strNew)
{
    const auto at = strText.find(strOld);
    EXPECT_NE(at, std::string::npos) << strOld;
    if (at != std::string::npos) {
        strText.replace(at, strOld.size(), strNew);
    }
    return strText;
}
} // namespace

TEST_F(PageReaderTest, NoBreakSpacesInVoteAndSchedulePages)
{
    clsHtmlVote vote(host, host, host, site.Settings);
    bool final = false;
    ASSERT_TRUE(vote.GetVote(1243, "", final)) << host.AllMessageText();
    EXPECT_TRUE(final);
    const VoteRecord& v = vote.Vote();
    EXPECT_EQ(v.SaleStart, At(2021, 1, 9));
    EXPECT_EQ(v.SaleEnd, At(2021, 1, 16, 13, 50));
    EXPECT_EQ(v.AsOf, v.SaleEnd);
    EXPECT_EQ(v.Match[0].Home, "北海道コンサドーレ札幌");
    EXPECT_EQ(v.Match[0].Votes[1], Money("45670"));
    EXPECT_EQ(v.TicketsTotal, Money("200000"));
    EXPECT_EQ(v.Match[10].GameDate, At(2021, 1, 17));
    EXPECT_TRUE(v.IsValid());

    vote.Toto().SetToday(At(2021, 1, 15));
    ASSERT_TRUE(vote.GetVote(1244, "", final)) << host.AllMessageText();
    EXPECT_FALSE(final);
    EXPECT_EQ(vote.Vote().AsOf, At(2021, 1, 15, 18, 0));
    EXPECT_EQ(vote.Vote().SaleEnd, At(2021, 1, 16, 13, 50));
    EXPECT_TRUE(vote.Vote().IsValid());

    clsHtmlSchedule schedule(host, host, host, site.Settings, site.Home.Str());
    ASSERT_TRUE(schedule.GetSchedule(1243, "")) << host.AllMessageText();
    const ScheduleRecord& s = schedule.Schedule();
    EXPECT_EQ(s.SaleEnd, At(2021, 1, 16, 13, 50));
    EXPECT_EQ(s.ResultDate, At(2021, 1, 18));
    EXPECT_EQ(s.Match[1].Home, "鹿島");
    EXPECT_EQ(s.Match[0].GameDate, At(2021, 1, 16));
    EXPECT_TRUE(s.IsValid());
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(PageReaderTest, VotePagesThatCannotBeReadWhole)
{
    clsHtmlVote reader(host, host, host, site.Settings);
    const std::string page = FixtureSite::Page("vote_1234.html");
    const auto fails = [&](const std::string& strPage, const std::string& strMessage) {
        host.Messages.clear();
        site.Serve("vote_1234", strPage);
        bool final = false;
        EXPECT_FALSE(reader.GetVote(1234, "", final)) << strMessage;
        EXPECT_EQ(reader.Vote(), VoteRecord{});
        EXPECT_FALSE(reader.Unpublished());
        ASSERT_EQ(host.Messages.size(), 1u) << strMessage;
        EXPECT_EQ(host.Messages[0].Text, strMessage);
        EXPECT_EQ(host.Messages[0].Caption, "Kelvra / clsHtmlVote / GetVote");
        EXPECT_EQ(host.Messages[0].Icon, MsgIcon::Warning);
    };
    // Without its row the tickets would read 0 + 0 = 0: a valid record full of zeros.
    fails(
        Replaced(page,
                 "<tr><th>投票枚数</th><td>200,000枚</td><td>150,000枚</td><td>50,000枚</td></tr>",
                 ""),
        "ページに「投票枚数」の行がありません。");
    fails(Replaced(page, "<dt>払戻期限</dt><dd>2022年1月19日(水)</dd>", ""),
          "ページに「払戻期限」の行がありません。");
    // Too large to hold with room for the sums: not read as 0.
    fails(Replaced(page, "123,456,700円", "99,999,999,999,999,999,999円"),
          "売上金額（合計）の数値が読み取れません。 (99,999,999,999,999,999,999円)");
    fails(Replaced(page, "45,670(45.67%)", "1,000,000,000,000(45.67%)"),
          "試合1 ホーム勝ちの投票数の数値が読み取れません。 (1000000000000)");
    // A shifted row puts a date where a club belongs.
    // Bets and sales are whole and never negative: the store would refuse the status, and a
    // minus sign once simply fell away.
    fails(Replaced(page, "45,670(45.67%)", "-45,670(45.67%)"),
          "試合1 ホーム勝ちの投票口数が負の値です。 (-45670)");
    fails(Replaced(page, "45,670(45.67%)", "45,670.5(45.67%)"),
          "試合1 ホーム勝ちの投票口数が小数です。 (45670.5)");
    fails(Replaced(page, "123,456,700円", "-123,456,700円"),
          "売上金額（合計）が負の値です。 (-123456700)");
    fails(Replaced(page, "<td>ベガ ルタ仙台</td>", "<td>01/16</td>"),
          "チーム名の欄にチーム名がありません。 (01/16)");
    fails(Replaced(page, "北海 道コンサドーレ札幌", "12,345"),
          "チーム名の欄にチーム名がありません。 (12,345)");
    // Dates before toto began are misread ones.
    fails(Replaced(Replaced(page, "(2021年1月16日(土)13:50", "(1999年1月16日(土)13:50"),
                   "2021年1月9日(土)～2021年1月16日", "1999年1月9日(土)～1999年1月16日"),
          "集計時点の年が2001年より前です。 (1999/01/16)");
    fails(Replaced(page, "<dd>2021年1月18日(月)</dd>", "<dd>1900年1月18日(月)</dd>"),
          "結果発表日の年が2001年より前です。 (1900/01/18)");

    // The page as it is still reads.
    site.Serve("vote_1234", page);
    bool final = false;
    EXPECT_TRUE(reader.GetVote(1234, "", final));
}

TEST_F(PageReaderTest, ScheduleAndResultPagesThatCannotBeReadWhole)
{
    clsHtmlSchedule schedule(host, host, host, site.Settings, site.Home.Str());
    const std::string sPage = FixtureSite::Page("schedule_1234.html");
    site.Serve("schedule_1234",
               Replaced(sPage, "<tr><th>払戻開始日</th><td>2021年1月19日(火)</td></tr>", ""));
    EXPECT_FALSE(schedule.GetSchedule(1234, ""));
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, "ページに「払戻開始日」の行がありません。");
    EXPECT_EQ(host.Messages[0].Caption, "Kelvra / clsHtmlSchedule / GetSchedule");
    host.Messages.clear();
    site.Serve("schedule_1234",
               Replaced(sPage, "<td>2021年1月9日(土)</td>", "<td>2000年1月9日(土)</td>"));
    EXPECT_FALSE(schedule.GetSchedule(1234, ""));
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, "販売開始日の年が2001年より前です。 (2000/01/09)");
    // A cancelled round needs no dates at all.
    host.Messages.clear();
    site.Serve("schedule_1236",
               Replaced(FixtureSite::Page("schedule_1236.html"),
                        "<tr><th>結果発表日</th><td>2021年1月18日(月)</td></tr>", ""));
    EXPECT_TRUE(schedule.GetSchedule(1236, "")) << host.AllMessageText();

    clsHtmlResult result(host, host, host, site.Settings);
    const std::string rPage = FixtureSite::Page("result_1234.html");
    const auto fails = [&](const std::string& strPage, const std::string& strMessage) {
        host.Messages.clear();
        site.Serve("result_1234", strPage);
        EXPECT_FALSE(result.GetResult(1234, "")) << strMessage;
        EXPECT_EQ(result.Result(), ResultRecord{});
        ASSERT_EQ(host.Messages.size(), 1u) << strMessage;
        EXPECT_EQ(host.Messages[0].Text, strMessage);
        EXPECT_EQ(host.Messages[0].Caption, "Kelvra / clsHtmlResult / GetResult");
    };
    fails(Replaced(rPage, "<th>当せん口数</th>", "<th>口数</th>"),
          "ページに「当せん口数」の行がありません。");
    fails(Replaced(rPage, "123,456,789円", "123,456,789,012,345,678円"),
          "当せん金（1等）の数値が読み取れません。 (123,456,789,012,345,678円)");
    fails(Replaced(rPage, "123,456,789円", "-123,456,789円"),
          "当せん金（1等）が負の値です。 (-123456789)");
    fails(Replaced(rPage, "<td>38口</td>", "<td>37.5口</td>"),
          "当せん口数（2等）が小数です。 (37.5)");
    fails(Replaced(rPage, "次回への繰越金</th><td>0円</td>", "次回への繰越金</th><td>-1円</td>"),
          "次回への繰越金（1等）が負の値です。 (-1)");
    fails(Replaced(rPage, "<td>ベガ ルタ仙台</td>", "<td>2-1</td>"),
          "チーム名の欄にチーム名がありません。 (2-1)");
    fails(Replaced(rPage, "<td>2021年1月19日(火)</td>", "<td>1899年12月31日(日)</td>"),
          "払戻開始日の年が2001年より前です。 (1899/12/31)");
    // An outcome beyond the codes would be stored once and then refused by the store.
    fails(Replaced(rPage, "<td>ベガ ルタ仙台</td><td>1</td>", "<td>ベガ ルタ仙台</td><td>5</td>"),
          "くじ結果の数値が読み取れません。 (5)");
    // A round whose every match was cancelled has no prize table.
    host.Messages.clear();
    EXPECT_TRUE(result.GetResult(1236, "")) << host.AllMessageText();
}
