// Several rounds in one run against the loopback site: what is filed, what is asked for, the
// pause between requests, a refused page and a stop.

#include "net/FixtureSite.h"
#include "store/clsHistoryDownload.h"
#include "store/clsXmlResult.h"
#include "store/clsXmlSchedule.h"
#include "store/clsXmlVote.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

namespace {
using State = HistoryRound::State;

class HistoryDownloadTest : public ::testing::Test
{
protected:
    HistoryDownloadTest()
    {
        site.ServeRounds(3001, 3004);
        host.TickPerDoEvents = 10;
        batch.SetPauseMs(0);
    }
    std::string Name(const char* strPrefix, int n) const
    {
        return std::string(strPrefix) + std::to_string(n) + ".xml";
    }
    bool HasAll(int n) const
    {
        return site.StoreFileExists("toto_Schedule", Name("toto_schedule_", n)) &&
               site.StoreFileExists("toto_Vote", Name("toto_vote_", n)) &&
               site.StoreFileExists("toto_Result", Name("toto_result_", n));
    }
    bool HasAny(int n) const
    {
        return site.StoreFileExists("toto_Schedule", Name("toto_schedule_", n)) ||
               site.StoreFileExists("toto_Vote", Name("toto_vote_", n)) ||
               site.StoreFileExists("toto_Result", Name("toto_result_", n));
    }
    // Every file of the store reads back as its round's record, and nothing half-written
    // lies beside them.
    void ExpectWholeStore()
    {
        RecordingHost quiet;
        clsXmlSchedule schedule(quiet, site.Home.Str());
        clsXmlVote vote(quiet, site.Home.Str());
        clsXmlResult result(quiet, site.Home.Str());
        for (const char* folder : {"toto_Schedule", "toto_Vote", "toto_Result"}) {
            const auto dir = site.Home.Path() / "SysData" / folder;
            if (!std::filesystem::exists(dir)) {
                continue;
            }
            for (const auto& e : std::filesystem::directory_iterator(dir)) {
                const std::string file = e.path().string();
                ASSERT_EQ(e.path().extension(), ".xml") << file;
                const std::string f(folder);
                const bool loaded = f == "toto_Schedule" ? schedule.XmlLoad(file)
                                    : f == "toto_Vote"   ? vote.XmlLoad(file)
                                                         : result.XmlLoad(file);
                EXPECT_TRUE(loaded) << file << quiet.AllMessageText();
            }
        }
    }

    FixtureSite site;
    RecordingHost host;
    clsHistoryDownload batch{site.Settings, site.Home.Str(), host};
};
} // namespace

TEST_F(HistoryDownloadTest, FilesTheServedRoundsAndGoesOnAfterFailures)
{
    site.Refuse("schedule_3003");
    std::vector<std::int32_t> told;
    batch.RoundDone = [&](const HistoryRound& round, std::int32_t lngDone, std::int32_t lngTotal) {
        told.push_back(round.Kaisaikai);
        EXPECT_EQ(lngDone, round.Kaisaikai - 3000);
        EXPECT_EQ(lngTotal, 6);
    };
    const HistorySummary sum = batch.Download(3001, 3006);
    EXPECT_EQ(told, (std::vector<std::int32_t>{3001, 3002, 3003, 3004, 3005, 3006}));
    ASSERT_EQ(sum.Rounds.size(), 6u);
    EXPECT_FALSE(sum.Stopped);
    for (int n : {3001, 3002, 3004}) {
        const HistoryRound& r = sum.Rounds[static_cast<std::size_t>(n - 3001)];
        EXPECT_EQ(r.Outcome, State::Stored) << n;
        EXPECT_EQ(r.Filed, (std::vector<std::string>{"開催情報", "投票状況", "くじ結果"})) << n;
        EXPECT_TRUE(HasAll(n)) << n;
    }
    // Refused and missing rounds fail with the server's answer, and nothing of them is filed.
    for (int n : {3003, 3005, 3006}) {
        const HistoryRound& r = sum.Rounds[static_cast<std::size_t>(n - 3001)];
        EXPECT_EQ(r.Outcome, State::Failed) << n;
        ASSERT_EQ(r.Reasons.size(), 1u) << n;
        EXPECT_TRUE(r.Reasons[0].starts_with("開催情報: ")) << r.Reasons[0];
        EXPECT_NE(r.Reasons[0].find(n == 3003 ? "403" : "404"), std::string::npos) << r.Reasons[0];
        EXPECT_FALSE(HasAny(n)) << n;
    }
    EXPECT_EQ(sum.Count(State::Stored), 3);
    EXPECT_EQ(sum.Count(State::Failed), 3);
    // A round without a schedule is not asked about further.
    EXPECT_EQ(sum.Requests, 3 * 3 + 3);
    EXPECT_EQ(site.AskedPages().size(), 12u);
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessageText();
    // The renumbered pages are stored as their round's.
    RecordingHost quiet;
    clsXmlSchedule schedule(quiet, site.Home.Str());
    ASSERT_TRUE(schedule.XmlLoad(schedule.GetFileName(3002, "")));
    EXPECT_EQ(schedule.GetRecord().Kaisaikai, 3002);
    ExpectWholeStore();
}

TEST_F(HistoryDownloadTest, AsksOnlyForWhatTheStoreLacks)
{
    ASSERT_EQ(batch.Download(3001, 3002).Count(State::Stored), 2);
    const std::size_t before = site.AskedPages().size();

    std::filesystem::remove(site.Home.Path() / "SysData" / "toto_Result" / "toto_result_3002.xml");
    // A damaged file is no stored piece: it is moved aside and fetched again.
    site.Home.Write("SysData/toto_Vote/toto_vote_3001.xml", "<broken");
    const HistorySummary sum = batch.Download(3001, 3003);
    const std::vector<std::string> asked = site.AskedPages();
    EXPECT_EQ(
        std::vector<std::string>(asked.begin() + static_cast<std::ptrdiff_t>(before), asked.end()),
        (std::vector<std::string>{"vote_3001", "result_3002", "schedule_3003", "vote_3003",
                                  "result_3003"}));
    ASSERT_EQ(sum.Rounds.size(), 3u);
    EXPECT_EQ(sum.Rounds[0].Filed, std::vector<std::string>{"投票状況"});
    EXPECT_EQ(sum.Rounds[1].Filed, std::vector<std::string>{"くじ結果"});
    EXPECT_EQ(sum.Rounds[2].Outcome, State::Stored);
    EXPECT_TRUE(HasAll(3001) && HasAll(3002) && HasAll(3003));

    // All stored: a run makes no request at all and waits for nothing.
    host.Waits.clear();
    batch.SetPauseMs(1000);
    const HistorySummary again = batch.Download(3001, 3003);
    EXPECT_EQ(again.Requests, 0);
    EXPECT_EQ(again.Count(State::Complete), 3);
    EXPECT_EQ(site.AskedPages().size(), asked.size());
    EXPECT_TRUE(host.Waits.empty());
}

TEST_F(HistoryDownloadTest, PausesBetweenRequestsOnly)
{
    batch.SetPauseMs(1000);
    const std::int64_t start = host.TickMs();
    const HistorySummary sum = batch.Download(3001, 3002);
    ASSERT_EQ(sum.Requests, 6);
    // Five pauses, none before the first request, each in short steps a stop can cut.
    EXPECT_GE(host.TickMs() - start, 5 * 1000);
    EXPECT_LT(host.TickMs() - start, 6 * 1000);
    for (const std::int32_t w : host.Waits) {
        EXPECT_LE(w, 50);
    }
}

TEST_F(HistoryDownloadTest, InterimVoteAndUnpublishedResultAreReported)
{
    std::string interim = FixtureSite::Page("vote_1241.html");
    for (std::size_t pos = 0; (pos = interim.find("第1241回", pos)) != std::string::npos;) {
        interim.replace(pos, std::string("第1241回").size(), "第3002回");
    }
    site.Serve("vote_3002", interim);
    site.Serve("result_3002", "<html><body><p>準備中</p></body></html>");
    const HistorySummary sum = batch.Download(3002, 3002);
    ASSERT_EQ(sum.Rounds.size(), 1u);
    const HistoryRound& r = sum.Rounds[0];
    EXPECT_EQ(r.Outcome, State::Failed);
    EXPECT_EQ(r.Filed, std::vector<std::string>{"開催情報"});
    ASSERT_EQ(r.Reasons.size(), 2u);
    EXPECT_EQ(r.Reasons[0], "投票状況: 販売終了時点の投票状況ではないため保存していません");
    EXPECT_EQ(r.Reasons[1], "くじ結果: 発表されていません");
    EXPECT_FALSE(site.StoreFileExists("toto_Vote", "toto_vote_3002.xml"));
}

TEST_F(HistoryDownloadTest, StopLeavesWholeFilesAndReportsTheRoundInHand)
{
    // A stop after the second round: nothing more is asked for.
    batch.RoundDone = [&](const HistoryRound& round, std::int32_t, std::int32_t) {
        if (round.Kaisaikai == 3002) {
            batch.StopRequested = [] { return true; };
        }
    };
    HistorySummary sum = batch.Download(3001, 3004);
    EXPECT_TRUE(sum.Stopped);
    ASSERT_EQ(sum.Rounds.size(), 2u);
    EXPECT_EQ(sum.Requests, 6);
    EXPECT_FALSE(HasAny(3003));
    EXPECT_EQ(sum.NotStartedText(3001, 3004), "第3003回から第3004回は取得していません。");

    // A stop during a pause inside a round: what the round filed stays and is reported.
    batch.RoundDone = nullptr;
    batch.SetPauseMs(1000);
    const std::int64_t start = host.TickMs();
    batch.StopRequested = [&] { return host.TickMs() - start > 1500; };
    sum = batch.Download(3003, 3004);
    EXPECT_TRUE(sum.Stopped);
    ASSERT_EQ(sum.Rounds.size(), 1u);
    EXPECT_EQ(sum.Rounds[0].Outcome, State::Stopped);
    EXPECT_EQ(sum.Rounds[0].Filed, (std::vector<std::string>{"開催情報", "投票状況"}));
    EXPECT_FALSE(site.StoreFileExists("toto_Result", "toto_result_3003.xml"));
    EXPECT_FALSE(HasAny(3004));
    EXPECT_EQ(sum.NotStartedText(3003, 3004), "第3004回は取得していません。");
    ExpectWholeStore();
}

TEST_F(HistoryDownloadTest, StopDropsThePageInHandWithoutWaitingForIt)
{
    std::atomic<bool> stop{false};
    site.OnServe = [&](const std::string& strName) {
        if (strName == "vote_3001") {
            stop = true;
            std::this_thread::sleep_for(std::chrono::seconds(3));
        }
    };
    batch.StopRequested = [&] { return stop.load(); };
    const auto start = std::chrono::steady_clock::now();
    const HistorySummary sum = batch.Download(3001, 3002);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2500));
    EXPECT_TRUE(sum.Stopped);
    ASSERT_EQ(sum.Rounds.size(), 1u);
    EXPECT_EQ(sum.Rounds[0].Outcome, State::Stopped);
    EXPECT_EQ(sum.Rounds[0].Filed, std::vector<std::string>{"開催情報"});
    EXPECT_TRUE(sum.Rounds[0].Reasons.empty());
    EXPECT_FALSE(site.StoreFileExists("toto_Vote", "toto_vote_3001.xml"));
}

TEST(HistoryDownloadRange, RefusesRangesItWillNotFetch)
{
    EXPECT_EQ(clsHistoryDownload::CheckRange(1, 1), "");
    EXPECT_EQ(clsHistoryDownload::CheckRange(1200, 1699), "");
    EXPECT_NE(clsHistoryDownload::CheckRange(0, 5), "");
    EXPECT_NE(clsHistoryDownload::CheckRange(5, 10000), "");
    EXPECT_EQ(clsHistoryDownload::CheckRange(20, 10), "開始回は終了回以下にして下さい。");
    EXPECT_NE(clsHistoryDownload::CheckRange(1200, 1700), "");
}
