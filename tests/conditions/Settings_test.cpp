#include "conditions/clsTXSakugen.h"
#include "conditions/clsXJoken.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

namespace {
clsTXSakugen BoundSakugen(RecordingHost& host)
{
    clsTXSakugen s(host, host);
    for (std::int32_t i = 0; i < clsTXSakugen::kFields; ++i) {
        s.SetObject(i, clsTXSakugen::kMin[static_cast<std::size_t>(i)],
                    clsTXSakugen::kMax[static_cast<std::size_t>(i)]);
    }
    return s;
}
} // namespace

TEST(Sakugen, BoundFieldsShowOneUntilCleared)
{
    RecordingHost host;
    clsTXSakugen s = BoundSakugen(host);
    EXPECT_EQ(s.BeginCount(), Currency::FromInt(1));
    EXPECT_EQ(s.EndTime(), Currency::FromInt(1));
    EXPECT_EQ(s.SeEndTime(), Currency::FromInt(1));
    s.Clear();
    EXPECT_EQ(s.BeginCount(), Currency::FromInt(100));
    EXPECT_EQ(s.EndCount(), Currency::FromInt(1));
    EXPECT_EQ(s.EndTime(), Currency());
    EXPECT_EQ(s.Extraction(), Currency::FromInt(10));
    EXPECT_EQ(s.SeBeginCount(), Currency::FromInt(10));
    EXPECT_EQ(s.SeEndTime(), Currency());
    EXPECT_TRUE(host.Messages.empty());
}

TEST(Sakugen, ValuesAreClampedToEachRange)
{
    RecordingHost host;
    clsTXSakugen s = BoundSakugen(host);
    s.SetBeginCount(Currency());
    EXPECT_EQ(s.BeginCount(), Currency::FromInt(1));
    s.SetEndTime(Currency());
    EXPECT_EQ(s.EndTime(), Currency());
    s.SetSeEndTime(Currency::FromInt(12345));
    EXPECT_EQ(s.SeEndTime(), Currency::FromInt(9999));
    EXPECT_EQ(s.Field(5)->Text(), "9,999");
    // Typing into a box goes through the same range.
    clsMoneyText* box = s.Field(0);
    box->SetValue(Currency::FromInt(1));
    box->SetSelection(0, 1);
    box->KeyChar(U'0');
    EXPECT_EQ(box->Text(), "1");
    EXPECT_EQ(s.Field(6), nullptr);
}

TEST(Sakugen, UnboundFieldReportsAndReadsZero)
{
    RecordingHost host;
    clsTXSakugen s(host, host);
    EXPECT_EQ(s.Extraction(), Currency());
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Caption, "Kelvra / clsTXSakugen / Extraction");
}

TEST(XJoken, PayoutBoxesMenusAndRecord)
{
    RecordingHost host;
    clsXJoken x(host, host);
    for (int g = 1; g <= 3; ++g) {
        x.SetMoneyObject(g);
    }
    EXPECT_EQ(x.MaxMoney(2), kHaitouNoLimit);
    EXPECT_EQ(x.MinMoney(0), Currency());
    x.SetMaxMoney(0, Currency::FromInt(123'456'789'012));
    EXPECT_EQ(x.MaxMoney(0), kHaitouNoLimit) << "boxes stop at 9,999,999,999";
    x.SetMinMoney(1, Currency::FromInt(5000));
    x.SetMaxMoney(1, Currency::FromInt(4999));
    EXPECT_TRUE(x.IsReversed(1));
    x.ApplyAmountMenu(1, true, 2, Currency());
    EXPECT_FALSE(x.IsReversed(1));
    x.ApplyAmountMenu(1, false, 3, Currency::FromInt(30000));
    EXPECT_EQ(x.MinMoney(1), Currency::FromInt(30000));
    x.ApplyAmountMenu(1, false, 0, Currency::FromInt(7));
    EXPECT_EQ(x.MinMoney(1), Currency::FromInt(30000)) << "a cancelled menu changes nothing";
    x.ApplyAmountMenu(1, false, 1, Currency::FromInt(7));
    EXPECT_EQ(x.MinMoney(1), Currency());

    x.SetFlag(2, true);
    x.SetEnabled(0, false);
    x.SetFlag(0, true);
    HaitouLimits h;
    x.GetHaitou(h);
    EXPECT_EQ(h.Flag, (std::array<bool, 3>{false, false, true}));
    EXPECT_FALSE(h.Enabled[0]);
    EXPECT_EQ(h.Max[1], kHaitouNoLimit);

    x.ToggleMachigai(3);
    std::array<bool, 12> list{};
    x.GetMachigaiFlg(list);
    EXPECT_TRUE(list[0] && list[3]);
    x.Clear();
    x.GetHaitou(h);
    EXPECT_EQ(h.Flag, (std::array<bool, 3>{}));
    EXPECT_FALSE(h.Enabled[0]) << "clearing keeps the disabled grade";
    x.GetMachigaiFlg(list);
    EXPECT_EQ(list, (std::array<bool, 12>{true}));
    EXPECT_EQ(clsXJoken::MachigaiRowTitle(11), "→");
    EXPECT_EQ(clsXJoken::MachigaiRowTitle(10), "10");
}
