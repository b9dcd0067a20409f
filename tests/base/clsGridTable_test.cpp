#include "base/clsGridTable.h"

#include <gtest/gtest.h>

TEST(clsGridTable, CellsKeepWhatWasSetAndOthersStayEmpty)
{
    clsGridTable table(14, 6);
    table.SetText(0, 0, "開催日");
    table.SetBackColor(2, 3, GridColor::FromRgb(255, 255, 224));
    table.SetAlign(1, 2, GridAlign::Center);
    table.SetBold(1, 2, true);
    table.SetForeColor(1, 2, GridColor::FromRgb(255, 0, 0));
    EXPECT_EQ(table.Cell(0, 0).strText, "開催日");
    EXPECT_EQ(table.Cell(2, 3).BackColor.lngRgb, 0xFFFFE0u);
    EXPECT_EQ(table.Cell(2, 3).BackColor.enuKind, GridColor::Kind::Rgb);
    EXPECT_EQ(table.Cell(1, 2).Align, GridAlign::Center);
    EXPECT_TRUE(table.Cell(1, 2).blnBold);
    EXPECT_EQ(table.Cell(1, 2).ForeColor.lngRgb, 0xFF0000u);
    EXPECT_EQ(table.Cell(2, 2), GridCellData{});
    EXPECT_EQ(table.Cell(13, 5), GridCellData{});
}

TEST(clsGridTable, WritesOutsideAreIgnoredAndReadsAreEmpty)
{
    clsGridTable table(2, 2);
    table.SetText(2, 0, "x");
    table.SetText(0, -1, "x");
    GridCellData cell;
    cell.strText = "x";
    table.SetCell(5, 5, cell);
    EXPECT_EQ(table.Cell(2, 0), GridCellData{});
    EXPECT_EQ(table.Cell(-1, 0), GridCellData{});
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 2; ++c) {
            EXPECT_EQ(table.Cell(r, c), GridCellData{});
        }
    }
}

TEST(clsGridTable, RowAndColumnSettersReachEveryCellOfTheirLine)
{
    clsGridTable table(3, 4);
    table.SetRowBackColor(1, GridColor::ButtonFaceColor());
    table.SetColAlign(3, GridAlign::Right);
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(table.Cell(1, c).BackColor.enuKind, GridColor::Kind::ButtonFace);
        EXPECT_EQ(table.Cell(0, c).BackColor.enuKind, GridColor::Kind::Default);
    }
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(table.Cell(r, 3).Align, GridAlign::Right);
        EXPECT_EQ(table.Cell(r, 2).Align, GridAlign::Left);
    }
}

TEST(clsGridTable, ResizeClearsAndRefusesNegativeSizes)
{
    clsGridTable table(2, 2);
    table.SetText(1, 1, "a");
    table.Resize(3, 1);
    EXPECT_EQ(table.Rows(), 3);
    EXPECT_EQ(table.Cols(), 1);
    EXPECT_EQ(table.Cell(1, 0), GridCellData{});
    table.Resize(-1, 4);
    EXPECT_EQ(table.Rows(), 0);
    EXPECT_EQ(table.Cell(0, 0), GridCellData{});
}

TEST(GridColor, FromRgbPacksRedGreenBlue)
{
    EXPECT_EQ(GridColor::FromRgb(0x12, 0x34, 0x56).lngRgb, 0x123456u);
    EXPECT_NE(GridColor::FromRgb(0, 0, 0), GridColor{});
}
