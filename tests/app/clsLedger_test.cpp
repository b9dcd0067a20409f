#include "app/clsLedger.h"

#include <gtest/gtest.h>

#include <optional>

namespace {
LedgerEntry Entry(std::int32_t lngKaisaikai, std::string strKumi, std::int64_t lngCost,
                  std::optional<std::int64_t> lngWon, std::string strError = "")
{
    LedgerEntry e;
    e.FileName = "/w/" + std::to_string(lngKaisaikai) + strKumi + ".drd";
    e.Error = std::move(strError);
    e.Kaisaikai = lngKaisaikai;
    e.Kumi = std::move(strKumi);
    e.Cost = Currency::FromInt(lngCost);
    e.Tickets = static_cast<std::int32_t>(lngCost / 100);
    e.Graded = lngWon.has_value();
    e.Won = Currency::FromInt(lngWon.value_or(0));
    return e;
}
} // namespace

TEST(clsLedger, ASeasonRunsInRoundOrderOverTheGradedRoundsOnly)
{
    std::vector<LedgerEntry> season = {
        Entry(0, "", 0, std::nullopt, "/w/bad.drd: ファイルが見つかりません。"),
        Entry(1302, "B", 1000, 0),
        Entry(1301, "", 2000, 5000),
        Entry(1303, "", 800, std::nullopt),
        Entry(1302, "A", 600, 200),
    };
    clsLedger::SortByRound(season);
    std::vector<std::string> order;
    for (const LedgerEntry& e : season) {
        order.push_back(e.Read() ? clsLedger::RoundText(e) : "?");
    }
    EXPECT_EQ(order, (std::vector<std::string>{"1301", "1302A", "1302B", "1303", "?"}));

    const auto points = clsLedger::RunningBalance(season);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0].Round, "1301");
    EXPECT_EQ(points[0].Balance, Currency::FromInt(3000));
    EXPECT_EQ(points[1].Balance, Currency::FromInt(2600));
    EXPECT_EQ(points[2].Balance, Currency::FromInt(1600));

    std::string error;
    const auto total = clsLedger::Sum(season, error);
    ASSERT_TRUE(total.has_value()) << error;
    EXPECT_EQ(total->Tickets, 44);
    EXPECT_EQ(total->Cost, Currency::FromInt(4400));
    EXPECT_EQ(total->Balance, points.back().Balance);
    // 5,200 / 3,600 = 144.44 %.
    EXPECT_EQ(clsLedger::TotalLine(*total), "合計\t44\t4400\t5200\t1600\t144.4%");
}

TEST(clsLedger, TotalsPastTheMoneyRangeAreRefusedNotWrapped)
{
    const std::int64_t big = Currency::FromRaw(INT64_MAX).Raw() / Currency::Scale;
    const std::vector<LedgerEntry> season = {Entry(1, "", 100, big), Entry(2, "", 100, big)};
    std::string error;
    EXPECT_FALSE(clsLedger::Sum(season, error).has_value());
    EXPECT_NE(error.find("オーバーフロー"), std::string::npos);
}
