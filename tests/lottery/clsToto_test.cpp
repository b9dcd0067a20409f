#include "lottery/clsTGameType.h"
#include "lottery/clsToto.h"

#include <gtest/gtest.h>

TEST(clsToto, HighestGradeByRoundRange)
{
    EXPECT_EQ(clsToto::GetMaxGrade(0), 3);
    EXPECT_EQ(clsToto::GetMaxGrade(-5), 3);
    EXPECT_EQ(clsToto::GetMaxGrade(1), 3);
    EXPECT_EQ(clsToto::GetMaxGrade(197), 3);
    EXPECT_EQ(clsToto::GetMaxGrade(198), 2);
    EXPECT_EQ(clsToto::GetMaxGrade(260), 2);
    EXPECT_EQ(clsToto::GetMaxGrade(261), 3);
    EXPECT_EQ(clsToto::GetMaxGrade(1500), 3);
}

TEST(clsToto, GradesAndPrizes)
{
    EXPECT_EQ(clsToto::GradeOf(13), 1);
    EXPECT_EQ(clsToto::GradeOf(11), 3);
    EXPECT_EQ(clsToto::GradeOf(0), 14);
    EXPECT_TRUE(clsToto::IsPrize(3, 300));
    EXPECT_FALSE(clsToto::IsPrize(3, 200));
    EXPECT_TRUE(clsToto::IsPrize(2, 200));
    EXPECT_FALSE(clsToto::IsPrize(4, 300));
    EXPECT_FALSE(clsToto::IsPrize(0, 300));
}

TEST(clsToto, OutcomeNamesAndGroups)
{
    EXPECT_EQ(clsToto::OutcomeName(1), "ホーム勝ち");
    EXPECT_EQ(clsToto::OutcomeName(0), "その他");
    EXPECT_EQ(clsToto::OutcomeName(2), "ホーム負け");
    EXPECT_EQ(clsToto::OutcomeName(3), "");
    EXPECT_EQ(clsToto::OutcomeCode("ホーム負け"), 2);
    EXPECT_EQ(clsToto::OutcomeCode("引き分け"), -1);
    EXPECT_EQ(clsToto::kColumnOrder[0], 1);
    EXPECT_EQ(clsToto::kColumnOrder[1], 0);
    EXPECT_EQ(clsToto::KumiText("A"), "Ａ組");
    EXPECT_EQ(clsToto::KumiText("B"), "Ｂ組");
    EXPECT_EQ(clsToto::KumiText(""), "");
}

TEST(clsTGameType, NamesAreMatchedWithoutCaseInOrder)
{
    const clsTGameType types;
    EXPECT_EQ(types.Count(), 4);
    EXPECT_EQ(types.Text(1), "J1");
    EXPECT_EQ(types.Text(3), "ナビスコカップ");
    EXPECT_EQ(types.Text(4), "天皇杯");
    EXPECT_EQ(types.Text(0), "");
    EXPECT_EQ(types.Text(5), "");
    EXPECT_EQ(types.GetNo("j1"), 1);
    EXPECT_EQ(types.GetNo("J2"), 2);
    EXPECT_EQ(types.GetNo("天皇杯"), 4);
    EXPECT_EQ(types.GetNo("J3"), 0);
    EXPECT_EQ(types.GetNo(""), 0);
    EXPECT_EQ(types.GetNo("J1 "), 0);
    EXPECT_FALSE(types.Exists("J3"));
    EXPECT_TRUE(types.Exists("ナビスコカップ"));
}
