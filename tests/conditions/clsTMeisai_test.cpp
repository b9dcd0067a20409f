#include "conditions/clsTMeisai.h"
#include "conditions/clsTMeisaiGrid.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

namespace {
using Marks = std::array<std::array<std::int32_t, 13>, 3>;

// Matches 0..1 triples, 2..4 doubles, the rest singles.
Marks SampleMarks()
{
    Marks m{};
    for (std::size_t i = 0; i < 13; ++i) {
        m[1][i] = 1;
        if (i < 5) {
            m[0][i] = 2;
        }
        if (i < 2) {
            m[2][i] = 3;
        }
    }
    return m;
}
} // namespace

TEST(Meisai, ClearedGridShowsZerosAndDashes)
{
    RecordingHost host;
    clsTMeisai meisai(host);
    int redraws = 0;
    meisai.Redraw = [&] { ++redraws; };
    meisai.Initialize(90, 90, 21);
    EXPECT_EQ(redraws, 1);
    for (int r = 2; r <= 4; ++r) {
        EXPECT_EQ(meisai.ValueText(r), "") << r;
    }
    EXPECT_EQ(meisai.ValueText(6), " 0");
    EXPECT_EQ(meisai.ValueText(7), " 0");
    EXPECT_EQ(meisai.ValueText(8), " 0");
    EXPECT_EQ(meisai.ValueText(10), " ---.--%");
    EXPECT_EQ(meisai.ValueColor(10), clsTMeisai::kBlack);
    EXPECT_EQ(meisai.ValueColor(7), clsTMeisai::kBlue);
}

TEST(Meisai, TallyCountsRatioAndProbabilities)
{
    RecordingHost host;
    clsTMeisai meisai(host);
    meisai.SetValue(SampleMarks());
    meisai.SetSingleCount(21);
    EXPECT_EQ(meisai.ValueText(2), " 8");
    EXPECT_EQ(meisai.ValueText(3), " 3");
    EXPECT_EQ(meisai.ValueText(4), " 2");
    EXPECT_EQ(meisai.ValueText(6), " 72");
    EXPECT_EQ(meisai.ValueText(7), " 21");
    EXPECT_EQ(meisai.ValueText(8), " 1／3.43"); // 72 / 21 = 3.428...
    meisai.SetTousen({100000, 100000, 99999, 3, 0, 100000});
    EXPECT_EQ(meisai.ValueText(10), " 100.00%");
    EXPECT_EQ(meisai.ValueColor(10), clsTMeisai::kBlue);
    EXPECT_EQ(meisai.ValueText(11), "  99.99%"); // 99.999 is cut, not rounded
    EXPECT_EQ(meisai.ValueColor(11), clsTMeisai::kBlack);
    EXPECT_EQ(meisai.ValueText(12), "   0.00%"); // 0.003
    EXPECT_EQ(meisai.ValueText(13), "   0.00%");
    EXPECT_EQ(meisai.ValueText(14), " 100.00%");

    // Without singles the counts read 0 whatever the tally; no base count hides probabilities.
    meisai.SetSingleCount(0);
    meisai.SetTousen({0, 0, 0, 0, 0, 0});
    EXPECT_EQ(meisai.ValueText(6), " 0");
    EXPECT_EQ(meisai.ValueText(8), " 0");
    EXPECT_EQ(meisai.ValueText(14), " ---.--%");
    EXPECT_EQ(meisai.ValueText(2), " 8");
}

TEST(Meisai, LargeCountsUseSeparators)
{
    RecordingHost host;
    clsTMeisai meisai(host);
    Marks m{};
    for (auto& row : m) {
        row.fill(1);
    }
    meisai.SetValue(m);
    meisai.SetSingleCount(1234);
    EXPECT_EQ(meisai.ValueText(4), " 13");
    EXPECT_EQ(meisai.ValueText(6), " 1,594,323");
    EXPECT_EQ(meisai.ValueText(7), " 1,234");
    EXPECT_EQ(meisai.ValueText(8), " 1／1,292.00"); // 1,291.996 rounds up
}

TEST(Meisai, StripesAndTitles)
{
    EXPECT_EQ(clsTMeisai::BackColor(1), clsTMeisai::kButtonFace);
    for (int r : {3, 5, 7, 9, 11, 13}) {
        EXPECT_EQ(clsTMeisai::BackColor(r), clsTMeisai::kStripe) << r;
    }
    for (int r : {2, 4, 6, 8, 10, 12, 14}) {
        EXPECT_EQ(clsTMeisai::BackColor(r), clsTMeisai::kWhite) << r;
    }
    EXPECT_EQ(clsTMeisai::TitleText(3), "ダ ブ ル");
    EXPECT_EQ(clsTMeisai::TitleText(13), "1-2等確率");
    EXPECT_EQ(clsTMeisai::TitleText(5), "");
}

TEST(Meisai, GridSourceNumbersRowsFromZeroWithTheBreakdownsColours)
{
    RecordingHost host;
    clsTMeisai meisai(host);
    meisai.Initialize(80, 100, 20);
    meisai.SetValue(SampleMarks());
    meisai.SetSingleCount(21);
    meisai.SetTousen({100000, 100000, 99999, 3, 0, 100000});
    const clsTMeisaiGrid grid(meisai);
    ASSERT_EQ(grid.Rows(), clsTMeisai::kRows);
    ASSERT_EQ(grid.Cols(), 2);
    EXPECT_EQ(grid.Cell(0, 0).BackColor, GridColor::ButtonFaceColor());
    EXPECT_EQ(grid.Cell(1, 0).strText, "シングル");
    EXPECT_EQ(grid.Cell(1, 1).strText, " 8");
    EXPECT_EQ(grid.Cell(1, 1).BackColor, GridColor::FromRgb(255, 255, 255));
    // Grid row 2 is the breakdown's row 3, striped.
    EXPECT_EQ(grid.Cell(2, 0).BackColor, GridColor::FromRgb(255, 255, 224));
    EXPECT_EQ(grid.Cell(2, 1).strText, " 3");
    EXPECT_EQ(grid.Cell(6, 1).strText, " 21");
    EXPECT_EQ(grid.Cell(6, 1).ForeColor, GridColor::FromRgb(0, 0, 255));
    EXPECT_EQ(grid.Cell(6, 1).Align, GridAlign::Right);
    EXPECT_EQ(grid.Cell(9, 1).ForeColor, GridColor::FromRgb(0, 0, 255)); // 100.00%
    EXPECT_EQ(grid.Cell(10, 1).ForeColor, GridColor::FromRgb(0, 0, 0));  // 99.99%
    EXPECT_EQ(grid.Cell(13, 1).lngFontPoints, clsTMeisai::kFontPoints);
    const clsGridGeometry geometry = grid.Geometry96();
    EXPECT_EQ(geometry.ColWidth(0), 80);
    EXPECT_EQ(geometry.ColWidth(1), 100);
    EXPECT_EQ(geometry.Height(), 14 * 20);
}
