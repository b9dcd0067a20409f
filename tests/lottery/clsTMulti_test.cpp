#include "lottery/clsTCount.h"
#include "lottery/clsTMulti.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

namespace {

using B = clsTMulti::Button;

struct MultiTest : ::testing::Test
{
    RecordingHost host;
    clsTMulti multi{host};
    struct Shown
    {
        clsTMulti::MenuKind Kind;
        std::int32_t Current;
    };
    std::vector<Shown> menus;
    std::vector<std::int32_t> answers; // result codes of the menus, in order; 0 cancels
    int redraws = 0;

    void SetUp() override
    {
        multi.ShowMenu = [this](clsTMulti::MenuKind kind, std::int32_t current) {
            menus.push_back({kind, current});
            if (answers.empty()) {
                return 0;
            }
            const std::int32_t a = answers.front();
            answers.erase(answers.begin());
            return a;
        };
        multi.Redraw = [this] { ++redraws; };
    }
    std::int32_t Mark(std::int32_t k, std::int32_t m) const { return multi.Value()[k][m]; }
};

TEST_F(MultiTest, AutoLeftClickCyclesThroughEveryMark)
{
    EXPECT_EQ(clsTMulti::MarkAuto, multi.LeftClickMark());
    // Row 3 is match 3; column 1 is the draw.
    std::vector<std::int32_t> seen;
    for (int i = 0; i < 7; ++i) {
        multi.MouseDown(B::Left, 3, 1);
        seen.push_back(Mark(0, 2));
    }
    EXPECT_EQ((std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 0}), seen);
    EXPECT_EQ(7, redraws);
    EXPECT_EQ("", multi.CellText(0, 2));
    multi.MouseDown(B::Left, 3, 1);
    EXPECT_EQ("◎", multi.CellText(0, 2));
}

TEST_F(MultiTest, FixedLeftClickMarkToggles)
{
    answers = {5}; // "△ 大穴"
    multi.MouseDown(B::Left, 0, 0);
    ASSERT_EQ(1u, menus.size());
    EXPECT_EQ(clsTMulti::MenuKind::LeftClick, menus[0].Kind);
    EXPECT_EQ(clsTMulti::MarkAuto, menus[0].Current);
    EXPECT_EQ(4, multi.LeftClickMark());

    multi.MouseDown(B::Left, 13, 2); // match 13, away win
    EXPECT_EQ(4, Mark(2, 12));
    EXPECT_EQ("△", multi.CellText(2, 12));
    multi.MouseDown(B::Left, 13, 2);
    EXPECT_EQ(0, Mark(2, 12));
    // Another mark is replaced, not cleared.
    MarkArray a{};
    a[1][0] = 2;
    multi.SetValue(a);
    multi.MouseDown(B::Left, 1, 0);
    EXPECT_EQ(4, Mark(1, 0));

    // Cancelling the menu keeps the choice; "自動" brings the cycle back; the tick follows.
    multi.MouseDown(B::Left, 0, 1);
    EXPECT_EQ(4, menus.back().Current);
    EXPECT_EQ(4, multi.LeftClickMark());
    answers = {99};
    multi.MouseDown(B::Left, 0, 2);
    EXPECT_EQ(clsTMulti::MarkAuto, multi.LeftClickMark());
    answers = {1};
    multi.MouseDown(B::Left, 0, 2);
    EXPECT_EQ(0, multi.LeftClickMark());
    multi.MouseDown(B::Left, 2, 0); // mark 0 on an empty cell leaves it empty
    EXPECT_EQ(0, Mark(1, 1));
}

TEST_F(MultiTest, RightClickOnACellChoosesItsMark)
{
    MarkArray a{};
    a[0][5] = 3;
    multi.SetValue(a);
    answers = {7}; // "☆ 特注"
    multi.MouseDown(B::Right, 6, 1);
    ASSERT_EQ(1u, menus.size());
    EXPECT_EQ(clsTMulti::MenuKind::Mark, menus[0].Kind);
    EXPECT_EQ(3, menus[0].Current);
    EXPECT_EQ(6, Mark(0, 5));
    multi.MouseDown(B::Right, 6, 1); // cancelled
    EXPECT_EQ(6, Mark(0, 5));
    answers = {1}; // "無し"
    multi.MouseDown(B::Right, 6, 1);
    EXPECT_EQ(0, Mark(0, 5));
    // Automatic is no mark of one cell, and a code out of range is no choice.
    answers = {2, 99, 8, -1};
    for (int i = 0; i < 4; ++i) {
        multi.MouseDown(B::Right, 6, 1);
        EXPECT_EQ(1, Mark(0, 5));
    }
}

TEST_F(MultiTest, WholeMultiMenu)
{
    answers = {2, 3, 1};
    multi.MouseDown(B::Right, 0, 0);
    EXPECT_EQ(clsTMulti::MenuKind::Whole, menus[0].Kind);
    EXPECT_EQ(1, Mark(2, 12));
    EXPECT_EQ(1, Mark(0, 0));
    multi.MouseDown(B::Right, 0, 0);
    EXPECT_EQ(2, Mark(1, 7));
    CellFlags vis;
    multi.GetVisible(vis);
    EXPECT_TRUE(vis[1][7]);
    multi.MouseDown(B::Right, 0, 0);
    EXPECT_EQ(MarkArray{}, multi.Value());
    multi.GetVisible(vis);
    EXPECT_FALSE(vis[1][7]);
}

TEST_F(MultiTest, MarkingByVoteOrder)
{
    // No vote status yet: nothing happens.
    answers = {4};
    multi.MouseDown(B::Right, 0, 0);
    EXPECT_EQ(MarkArray{}, multi.Value());

    VoteRecord v;
    v.Kaisaikai = 1000;
    for (auto& m : v.Match) {
        m.Votes = {Currency::FromInt(5), Currency::FromInt(5), Currency::FromInt(5)};
    }
    v.Match[0].Votes = {Currency::FromInt(30), Currency::FromInt(50), Currency::FromInt(20)};
    v.Match[1].Votes = {Currency::FromInt(10), Currency::FromInt(10), Currency::FromInt(80)};
    multi.SetVoteRecord(v);
    answers = {4};
    multi.MouseDown(B::Right, 0, 0);
    // Match 1: home ◎, draw ○, away ▲.
    EXPECT_EQ(1, Mark(1, 0));
    EXPECT_EQ(2, Mark(0, 0));
    EXPECT_EQ(3, Mark(2, 0));
    // Three equal counts: away ◎, draw ○, home ▲.
    EXPECT_EQ(1, Mark(2, 5));
    EXPECT_EQ(2, Mark(0, 5));
    EXPECT_EQ(3, Mark(1, 5));
    // Match 2: away ◎; the tie of draw and home as the sort leaves it (draw ○, home ▲).
    EXPECT_EQ(1, Mark(2, 1));
    EXPECT_EQ(2, Mark(0, 1));
    EXPECT_EQ(3, Mark(1, 1));
}

TEST_F(MultiTest, ShadingFollowsTheTargetCells)
{
    EXPECT_EQ(clsTMulti::Shade::White, multi.CellShade(1, 0));
    EXPECT_EQ(clsTMulti::Shade::LightYellow, multi.CellShade(1, 1));
    CellFlags t{};
    t[2][4] = true;
    t[2][5] = true;
    multi.SetTaishou(t);
    EXPECT_EQ(clsTMulti::Shade::White, multi.CellShade(2, 4));
    EXPECT_EQ(clsTMulti::Shade::LightYellow, multi.CellShade(2, 5));
    EXPECT_EQ(clsTMulti::Shade::Control, multi.CellShade(1, 4));
    EXPECT_EQ(1, clsTMulti::OutcomeOfColumn(0));
    EXPECT_EQ(0, clsTMulti::OutcomeOfColumn(1));
    EXPECT_EQ(2, clsTMulti::OutcomeOfColumn(2));
    // Clicks outside the grid change nothing.
    multi.MouseDown(B::Left, 14, 0);
    multi.MouseDown(B::Left, 3, 3);
    EXPECT_EQ(MarkArray{}, multi.Value());
}

struct CountTest : ::testing::Test
{
    clsTCount grid;
    SingleFrame frame{};
    CellFlags visible{};
};

TEST_F(CountTest, NumbersBlanksAndFieldWidth)
{
    frame[1][0] = 1594323;
    frame[0][1] = 12;
    visible[1][0] = true;
    visible[2][0] = true;
    grid.SetVisible(visible);
    grid.SetValue(frame);
    EXPECT_EQ("1594323", grid.CellText(1, 0));
    EXPECT_EQ("      0", grid.CellText(2, 0)); // in the multi: a zero is shown
    EXPECT_EQ("", grid.CellText(0, 0));        // not in the multi and 0: blank
    EXPECT_EQ("     12", grid.CellText(0, 1)); // not in the multi but counted
}

TEST_F(CountTest, PercentOfTheRowTotal)
{
    for (int k = 0; k < 3; ++k) {
        frame[k][0] = 1;
        visible[k][0] = true;
    }
    visible[0][1] = true; // row 2: all zero, one visible cell
    frame[0][2] = 1;      // row 3: 1/8 = 12.5 %, 7/8 = 87.5 %
    frame[1][2] = 7;
    grid.SetVisible(visible);
    grid.SetValue(frame);
    grid.SetPercent(true);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ("    33%", grid.CellText(k, 0));
    }
    EXPECT_EQ("     0%", grid.CellText(0, 1));
    EXPECT_EQ("", grid.CellText(1, 1));
    EXPECT_EQ("    13%", grid.CellText(0, 2));
    EXPECT_EQ("    88%", grid.CellText(1, 2));
    frame[2][3] = 5;
    grid.SetValue(frame);
    EXPECT_EQ("   100%", grid.CellText(2, 3));
}

TEST_F(CountTest, LeftClickOnAMatchRowFlipsPercentAndRaisesClick)
{
    int redraws = 0;
    std::vector<clsTCount::Button> clicks;
    grid.Redraw = [&] { ++redraws; };
    grid.Click = [&](clsTCount::Button b, std::int32_t, double, double) { clicks.push_back(b); };
    grid.MouseDown(clsTCount::Button::Left, 0, 5, 5, 4);
    EXPECT_TRUE(grid.Percent());
    EXPECT_EQ(1, redraws);
    grid.MouseDown(clsTCount::Button::Right, 0, 5, 5, 4);
    EXPECT_TRUE(grid.Percent());
    grid.MouseDown(clsTCount::Button::Left, 0, 5, 5, 0); // headings: nothing
    EXPECT_TRUE(grid.Percent());
    EXPECT_EQ(2u, clicks.size());
    CellFlags blue{};
    blue[2][12] = true;
    grid.SetColor(blue);
    EXPECT_TRUE(grid.CellBlue(2, 12));
    EXPECT_FALSE(grid.CellBlue(1, 12));
    EXPECT_EQ(clsTCount::Shade::LightYellow, clsTCount::RowShade(1));
}

} // namespace
