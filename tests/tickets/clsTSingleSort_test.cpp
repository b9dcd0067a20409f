#include "lottery/clsTNumber.h"
#include "lottery/clsTValue.h"
#include "support/ProbabilityFixture.h"
#include "support/RecordingHost.h"
#include "tickets/clsTSingleSort.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
std::int32_t Homes(int n)
{
    clsTNumber::LongKousei k{};
    for (int m = 0; m < n; ++m) {
        k[static_cast<std::size_t>(m)] = 1;
    }
    return clsTNumber::LongToNo(k);
}

VoteRecord Votes()
{
    VoteRecord v;
    v.Kaisaikai = 300;
    for (std::size_t m = 0; m < 13; ++m) {
        v.Match[m].Votes = {Currency::FromInt(300), Currency::FromInt(500), Currency::FromInt(200)};
    }
    return v;
}
} // namespace

TEST(clsTSingleSort, MarkSortByHomeWinsWithSchemeHTies)
{
    RecordingHost host;
    clsTSingleSort sort(host, host);
    // Home-win counts 3, 1, 3, 0.
    const std::int32_t a = Homes(3);
    const std::int32_t b = Homes(1);
    const std::int32_t c = Homes(3) + 2 * 1594323 / 3; // match 13 away, still 3 homes
    const std::int32_t d = 0;
    std::vector<std::int32_t> list = {a, b, c, d};
    ASSERT_TRUE(sort.MarkSort(list, 0, true));
    EXPECT_EQ(list, (std::vector<std::int32_t>{d, b, a, c}));
    ASSERT_TRUE(sort.MarkSort(list, 0, false));
    EXPECT_EQ(list[3], d);
    // Two equal keys exchange places.
    std::vector<std::int32_t> two = {a, c};
    ASSERT_TRUE(sort.MarkSort(two, 0, true));
    EXPECT_EQ(two, (std::vector<std::int32_t>{c, a}));
    // Draw counts: d has 13.
    std::vector<std::int32_t> draws = {a, d, b};
    ASSERT_TRUE(sort.MarkSort(draws, 1, false));
    EXPECT_EQ(draws.front(), d);
    EXPECT_EQ(host.BusyDepth, 0);
    EXPECT_GT(host.BusyCount, 0);
}

TEST(clsTSingleSort, NinkiSortWithoutRoundCountsEverythingAsMostPopular)
{
    RecordingHost host;
    clsTSingleSort sort(host, host);
    sort.SetVoteRecord(VoteRecord{});
    for (const auto& m : sort.Ranks()) {
        EXPECT_EQ(m, (std::array<std::uint8_t, 3>{0, 0, 0}));
    }
    std::vector<std::int32_t> one = {Homes(4)};
    ASSERT_TRUE(sort.NinkiSort(one, 0, true));
    EXPECT_EQ(one[0], Homes(4));

    sort.SetVoteRecord(Votes());
    // Home is the most voted outcome everywhere: key = home-win count.
    std::vector<std::int32_t> list = {Homes(2), Homes(7), Homes(5)};
    ASSERT_TRUE(sort.NinkiSort(list, 0, false));
    EXPECT_EQ(list, (std::vector<std::int32_t>{Homes(7), Homes(5), Homes(2)}));
    // Rank 1 is the draw: 0 has 13 draws.
    std::vector<std::int32_t> d = {Homes(13), 0};
    ASSERT_TRUE(sort.NinkiSort(d, 1, false));
    EXPECT_EQ(d.front(), 0);
}

TEST(clsTSingleSort, MoneySortByEstimate)
{
    RecordingHost host;
    clsTSingleSort sort(host, host);
    sort.SetVoteRecord(Votes());
    // More favourites, smaller 1st-grade payout.
    std::vector<std::int32_t> list = {Homes(13), 0, Homes(6)};
    ASSERT_TRUE(sort.MoneySort(list, 0, true));
    EXPECT_EQ(list, (std::vector<std::int32_t>{Homes(13), Homes(6), 0}));
    ASSERT_TRUE(sort.MoneySort(list, 0, false));
    EXPECT_EQ(list, (std::vector<std::int32_t>{0, Homes(6), Homes(13)}));
    EXPECT_FALSE(sort.MoneySort(list, 3, true));
    EXPECT_EQ(list.size(), 3u);
}

TEST(clsTSingleSort, EmptyListIsReportedBySortUtility)
{
    RecordingHost host;
    clsTSingleSort sort(host, host);
    std::vector<std::int32_t> none;
    EXPECT_FALSE(sort.MarkSort(none, 0, true));
    EXPECT_FALSE(host.Messages.empty());
}

namespace {
// Home 50 %, draw 30 %, away 20 % in every match (codes: 1 home, 0 draw, 2 away).
ProbabilityRecord HomeFavoured()
{
    return SameInEveryMatch(5000, 3000, 2000);
}

std::int32_t AllOf(std::int32_t lngCode)
{
    clsTNumber::LongKousei k{};
    k.fill(lngCode);
    return clsTNumber::LongToNo(k);
}
} // namespace

TEST(clsTSingleSort, ValueSortByChanceAndByExpectedValue)
{
    RecordingHost host;
    clsTSingleSort sort(host, host);
    sort.SetVoteRecord(Votes());
    const std::int32_t home = AllOf(1);
    const std::int32_t draw = AllOf(0);
    const std::int32_t away = AllOf(2);
    std::vector<std::int32_t> list = {draw, away, home, Homes(6)};
    ASSERT_TRUE(sort.ValueSort(list, HomeFavoured(), 1, false));
    EXPECT_EQ(list, (std::vector<std::int32_t>{home, Homes(6), draw, away}));
    ASSERT_TRUE(sort.ValueSort(list, HomeFavoured(), 1, true));
    EXPECT_EQ(list, (std::vector<std::int32_t>{away, draw, Homes(6), home}));

    // By EV: the keys clsTValue gives, largest first.
    ASSERT_TRUE(sort.ValueSort(list, HomeFavoured(), 0, false));
    clsTValue value(host);
    ASSERT_TRUE(value.SetProbability(HomeFavoured()));
    ASSERT_TRUE(value.SetVote(Votes()));
    std::vector<double> ev(list.size());
    ASSERT_TRUE(value.GetEVList(list, ev));
    EXPECT_GT(ev.front(), ev.back());
    EXPECT_TRUE(std::is_sorted(ev.rbegin(), ev.rend()));
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessageText();

    // A bad kind or a number outside the numbering: reported, the list stays.
    const std::vector<std::int32_t> before = list;
    EXPECT_FALSE(sort.ValueSort(list, HomeFavoured(), 2, false));
    std::vector<std::int32_t> bad = {home, 1594323};
    EXPECT_FALSE(sort.ValueSort(bad, HomeFavoured(), 1, false));
    EXPECT_EQ(list, before);
    EXPECT_EQ(bad, (std::vector<std::int32_t>{home, 1594323}));
    EXPECT_EQ(host.Messages.size(), 2u);
}
