#include "results/clsTResultGrade.h"
#include "results/clsTResultGrid.h"
#include "results/clsTResultKakutei.h"

#include <gtest/gtest.h>

TEST(clsTResultGrade, CountsSharesAndPrizeRows)
{
    clsTResultGrade grade;
    GradeTally t{};
    t[0] = 1;
    t[1] = 2;
    t[13] = 1234;
    grade.SetValue(t, 2);
    EXPECT_EQ(grade.Label(0), "1等");
    EXPECT_EQ(grade.Label(13), "14等");
    EXPECT_EQ(grade.CountText(13), "1,234");
    EXPECT_EQ(grade.RatioText(13), "100%");
    EXPECT_EQ(grade.RatioText(1), "0%");
    EXPECT_TRUE(grade.Highlighted(1));
    EXPECT_FALSE(grade.Highlighted(2));
    grade.SetValue(t, 3);
    EXPECT_TRUE(grade.Highlighted(2));
    grade.Clear(3);
    EXPECT_EQ(grade.RatioText(0), "0%");
    EXPECT_EQ(grade.CountText(0), "0");
}

TEST(clsTResultGrade, ShareRoundsHalvesUp)
{
    clsTResultGrade grade;
    GradeTally t{};
    t[0] = 1;
    t[1] = 7; // 1/8 = 12.5 % -> 13 %
    grade.SetValue(t, 3);
    EXPECT_EQ(grade.RatioText(0), "13%");
    EXPECT_EQ(grade.RatioText(1), "88%");
}

TEST(clsTResultGrade, NothingShownAsWonBeforeAnyMatchIsDecided)
{
    clsTResultGrade grade;
    GradeTally t{};
    t[0] = 208;
    grade.SetValue(t, 3, false);
    EXPECT_FALSE(grade.Decided());
    for (std::int32_t r = 0; r < clsTResultGrade::kRows; ++r) {
        EXPECT_EQ(grade.ValueText(r, 0), "－");
        EXPECT_EQ(grade.ValueText(r, 1), "－");
    }
    // The tally itself is kept for what needs it.
    EXPECT_EQ(grade.Value()[0], 208);
    EXPECT_THROW(grade.ValueText(14, 0), std::out_of_range);
    grade.SetValue(t, 3, true);
    EXPECT_EQ(grade.ValueText(0, 0), "208");
    EXPECT_EQ(grade.ValueText(0, 1), "100%");
    EXPECT_EQ(grade.ValueText(1, 0), "0");
}

TEST(clsTResultKakutei, TheTwoWinnerColumnsAreTold)
{
    EXPECT_STREQ(clsTResultKakutei::Heading(1), clsTResultKakutei::Heading(3));
    EXPECT_STREQ(clsTResultKakutei::Group(0), "公式");
    EXPECT_STREQ(clsTResultKakutei::Group(1), "公式");
    EXPECT_STREQ(clsTResultKakutei::Group(2), "公式");
    EXPECT_STREQ(clsTResultKakutei::Group(3), "この組");
    EXPECT_STREQ(clsTResultKakutei::Group(4), "この組");
    EXPECT_THROW(clsTResultKakutei::Group(5), std::out_of_range);
}

TEST(clsTResultKakutei, OfficialValuesSetWinningsAndTotals)
{
    ResultRecord r;
    r.Kaisaikai = 300;
    r.Prize = {Currency(), Currency::FromInt(1000000), Currency::FromInt(20000),
               Currency::FromInt(1500)};
    r.Winners = {Currency(), Currency::FromInt(3), Currency::FromInt(100), Currency::FromInt(2000)};
    r.CarryOver = {Currency(), Currency::FromInt(5000000), Currency(), Currency()};
    GradeTally t{};
    t[0] = 0;
    t[1] = 2;
    t[2] = 5;
    clsTResultKakutei k;
    k.SetValue(t);
    k.SetRecord(r, 3);
    EXPECT_EQ(k.CellText(0, 0), "1,000,000 ");
    EXPECT_EQ(k.CellText(0, 3), "0 ");
    EXPECT_EQ(k.CellText(1, 4), "40,000 ");
    EXPECT_EQ(k.CellText(2, 4), "7,500 ");
    EXPECT_EQ(k.Amount(3, 0), Currency::FromInt(3000000 + 2000000 + 3000000));
    EXPECT_EQ(k.Amount(3, 1), Currency::FromInt(2103));
    EXPECT_EQ(k.Amount(3, 2), Currency::FromInt(5000000));
    EXPECT_EQ(k.Amount(3, 3), Currency::FromInt(7));
    EXPECT_EQ(k.Amount(3, 4), Currency::FromInt(47500));
    EXPECT_EQ(k.RowLabel(3), "合計");
    EXPECT_TRUE(k.Highlighted(2, 3));
    EXPECT_FALSE(k.Highlighted(2, 0));
}

TEST(clsTResultKakutei, TwoGradeRoundCountsNoThirdGradeWinners)
{
    ResultRecord r;
    r.Kaisaikai = 200;
    r.Prize = {Currency(), Currency::FromInt(100000), Currency::FromInt(3000), Currency()};
    r.Winners = {Currency(), Currency::FromInt(1), Currency::FromInt(10), Currency()};
    GradeTally t{};
    t[1] = 1;
    t[2] = 4;
    clsTResultKakutei k;
    k.SetRecord(r, 2);
    k.SetValue(t);
    EXPECT_EQ(k.CellText(2, 3), "4 ");
    EXPECT_FALSE(k.Highlighted(2, 3));
    EXPECT_TRUE(k.Highlighted(1, 4));
    EXPECT_EQ(k.Amount(3, 3), Currency::FromInt(1));
    EXPECT_EQ(k.Amount(3, 4), Currency::FromInt(3000));
}

TEST(clsTResultKakutei, AllZeroEmptiesEveryCell)
{
    ResultRecord r;
    r.Kaisaikai = 300;
    clsTResultKakutei k;
    k.SetRecord(r, 3);
    k.SetValue(GradeTally{});
    EXPECT_TRUE(k.Empty());
    EXPECT_EQ(k.CellText(0, 0), "");
    EXPECT_EQ(k.CellText(3, 4), "");
    k.Clear();
    EXPECT_EQ(k.CellText(1, 1), "");
}

TEST(clsTResultGrid, ColoursFollowHitValuesAndPrizeGrade)
{
    clsTResultGrid grid;
    std::array<std::uint8_t, 14> v{};
    std::array<std::uint8_t, 13> c{};
    for (std::size_t m = 0; m < 13; ++m) {
        v[m] = static_cast<std::uint8_t>(m % 3);
        c[m] = static_cast<std::uint8_t>(m % 5);
    }
    v[13] = 3;
    grid.SetValue(4, v, c, 2);
    EXPECT_EQ(grid.CellText(0, 4), "5");
    EXPECT_EQ(grid.CellText(2, 4), "1");
    EXPECT_EQ(grid.CellText(14, 4), "3");
    EXPECT_EQ(grid.CellColor(1, 4), ResultColor::Wrong);
    EXPECT_EQ(grid.CellColor(2, 4), ResultColor::Right);
    EXPECT_EQ(grid.CellColor(3, 4), ResultColor::Right);
    EXPECT_EQ(grid.CellColor(4, 4), ResultColor::Cancelled);
    EXPECT_EQ(grid.CellColor(5, 4), ResultColor::White);
    EXPECT_EQ(grid.CellColor(14, 4), ResultColor::White); // grade 3 in a two-grade round
    grid.SetValue(4, v, c, 3);
    EXPECT_EQ(grid.CellColor(14, 4), ResultColor::Prize);
    EXPECT_EQ(grid.CellText(3, 5), "");
    EXPECT_EQ(grid.CellColor(3, 5), ResultColor::White);
    grid.SetClear(4);
    EXPECT_EQ(grid.CellText(14, 4), "");
    const auto legend = clsTResultGrid::LegendColors();
    EXPECT_EQ(legend[0], ResultColor::Right);
    EXPECT_EQ(legend[3], ResultColor::Prize);
}

// Prizes as large as Currency holds used to wrap the winnings and totals into negative amounts.
TEST(clsTResultKakutei, ProductsAndTotalsPastTheRangeAreErrorsAndLeaveTheTableEmpty)
{
    ResultRecord r;
    r.Kaisaikai = 300;
    r.Prize = {Currency(), *Currency::Parse("900000000000000"), Currency::FromInt(20000),
               Currency::FromInt(1500)};
    r.Winners = {Currency(), Currency::FromInt(1), Currency::FromInt(100), Currency::FromInt(2000)};
    GradeTally t{};
    t[0] = 2; // two copies of the winning single
    clsTResultKakutei k;
    k.SetRecord(r, 3);
    try {
        k.SetValue(t);
        ADD_FAILURE() << "no overflow reported: " << k.Amount(0, 4).ToString();
    } catch (const std::overflow_error& e) {
        EXPECT_NE(std::string(e.what()).find("1等の当せん金額"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(k.Empty());
    EXPECT_EQ(k.Amount(0, 4), Currency());
    EXPECT_EQ(k.CellText(3, 0), "");

    // One winner of it fits; the officially paid total of all grades then does not.
    t[0] = 1;
    EXPECT_NO_THROW(k.SetValue(t));
    EXPECT_EQ(k.Amount(0, 4), *Currency::Parse("900000000000000"));
    r.Prize[2] = *Currency::Parse("900000000000000");
    EXPECT_THROW(k.SetRecord(r, 3), std::overflow_error);
    EXPECT_TRUE(k.Empty());
    // The official winners times the prize: 1,000,000,000 x 1,000,000 yen.
    r.Prize = {Currency(), Currency::FromInt(1000000000), Currency(), Currency()};
    r.Winners = {Currency(), Currency::FromInt(1000000), Currency(), Currency()};
    EXPECT_THROW(k.SetRecord(r, 3), std::overflow_error);
}
