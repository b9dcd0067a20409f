#include "support/RecordingHost.h"
#include "tickets/clsTSingleList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

TEST(clsTSingleList, MoneyTextSteps)
{
    auto t = [](std::int64_t yen) { return clsTSingleList::MoneyText(Currency::FromInt(yen)); };
    EXPECT_EQ(t(0), "");
    EXPECT_EQ(t(9999), "9999円");
    EXPECT_EQ(t(10000), "1.00万");
    EXPECT_EQ(t(12345), "1.23万");
    EXPECT_EQ(t(12355), "1.24万");
    EXPECT_EQ(t(1234567), "123万");
    EXPECT_EQ(t(99999999), "9999万");
    EXPECT_EQ(t(123456789), "1.23億");
    EXPECT_EQ(t(129999999), "1.29億");
    EXPECT_EQ(t(120000000), "1.2億");
    EXPECT_EQ(t(100000000), "1億");
    EXPECT_EQ(t(5000000000), "50億");
    EXPECT_EQ(t(99999999998), "999億");
    EXPECT_EQ(t(99999999999), "999億");
    // 123万 rounds the amount to whole yen first: 1,239,999.5 -> 1,240,000.
    EXPECT_EQ(clsTSingleList::MoneyText(*Currency::Parse("1239999.5")), "124万");
}

namespace {
std::size_t Glyphs(const std::string& strText)
{
    // UTF-8 lead bytes: one per character shown.
    return static_cast<std::size_t>(std::count_if(strText.begin(), strText.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}
} // namespace

TEST(clsTSingleList, MoneyTextOfLongShotsShowsTheAmount)
{
    auto t = [](std::int64_t yen) { return clsTSingleList::MoneyText(Currency::FromInt(yen)); };
    EXPECT_EQ(t(100000000000), "1000億");
    EXPECT_EQ(t(123456789012), "1234億");
    EXPECT_EQ(t(999999999999), "9999億");
    EXPECT_EQ(t(1000000000000), "1兆");
    EXPECT_EQ(t(1239999999999), "1.23兆");
    EXPECT_EQ(t(9999999999999), "9.99兆");
    EXPECT_EQ(t(12345678901234), "12兆");
    // The largest amount money can hold: 922,337,203,685,477.5807 yen.
    const Currency largest = Currency::FromRaw(std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(clsTSingleList::MoneyText(largest), "922兆");

    // From one man to the largest, every amount is written out and is no wider than the
    // ordinary steps already are ("10.00万" at 99,999 yen).
    std::vector<Currency> amounts{largest};
    for (std::int64_t yen = 10000; yen <= 10000000000000; yen *= 10) {
        amounts.push_back(Currency::FromInt(yen));
        amounts.push_back(Currency::FromInt(yen * 10 - 1));
        amounts.push_back(Currency::FromRaw(yen * 10 * Currency::Scale - 1));
    }
    for (const Currency& amount : amounts) {
        const std::string text = clsTSingleList::MoneyText(amount);
        EXPECT_EQ(text.find('*'), std::string::npos) << amount.ToString();
        EXPECT_FALSE(text.empty()) << amount.ToString();
        EXPECT_LE(Glyphs(text), 6u) << amount.ToString() << " " << text;
    }
}

TEST(clsTSingleList, MarkAndPopularityTexts)
{
    clsTNumber::LongKousei k = {1, 1, 1, 1, 1, 0, 0, 0, 0, 2, 2, 2, 2};
    EXPECT_EQ(clsTSingleList::MarkText(k), "5-4-4");

    RecordingHost host;
    VoteRecord vote;
    vote.Kaisaikai = 300;
    for (std::size_t m = 0; m < 13; ++m) {
        vote.Match[m].Votes = {Currency::FromInt(30), Currency::FromInt(50), Currency::FromInt(20)};
    }
    // Three equal counts: away most popular, then draw, then home.
    vote.Match[12].Votes = {Currency::FromInt(10), Currency::FromInt(10), Currency::FromInt(10)};
    clsTSingleList::Ranks r{};
    ASSERT_TRUE(clsTSingleList::ComputeRanks(host, vote, r));
    EXPECT_EQ(r[0][1], 0);
    EXPECT_EQ(r[0][0], 1);
    EXPECT_EQ(r[0][2], 2);
    EXPECT_EQ(r[12][2], 0);
    EXPECT_EQ(r[12][0], 1);
    EXPECT_EQ(r[12][1], 2);
    // Home wins in 1-5 rank 0, draws in 6-9 rank 1, aways in 10-12 rank 2, match 13 away rank 0.
    EXPECT_EQ(clsTSingleList::NinkiText(k, r), "6-4-3");

    clsTSingleList list(host);
    list.Initialize();
    list.SetData(0, clsTNumber::LongToNo(k));
    EXPECT_EQ(list.CellText(3, 1), "5-4-4");
    EXPECT_EQ(list.CellText(4, 1), "");
    list.SetVoteRecord(vote);
    list.SetData(0, clsTNumber::LongToNo(k));
    EXPECT_EQ(list.CellText(4, 1), "6-4-3");
    EXPECT_FALSE(list.CellText(0, 1).empty());
    EXPECT_EQ(list.CellText(0, 0), "１等推定金額");
    list.SetData(0, -1);
    EXPECT_EQ(list.CellText(3, 1), "");
}
