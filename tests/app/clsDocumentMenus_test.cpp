#include "app/clsDocument.h"
#include "reference/basTotoSettings.h"
#include "store/clsTMain.h"
#include "support/RecordingHost.h"
#include "support/SampleRound.h"
#include "support/ScriptedMenuChooser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

using B = clsTMulti::Button;

class DocumentMenus : public ::testing::Test
{
protected:
    DocumentMenus()
    {
        CopyRoundStore(dir.Path());
        main.Initialize();
        doc.SetMenuChooser(&chooser);
    }
    ~DocumentMenus() override { doc.SetMenuChooser(nullptr); }

    const PopupMenuItem& Item(std::size_t lngShown, const std::string& caption) const
    {
        for (const PopupMenuItem& item : chooser.Shown().at(lngShown).Items) {
            if (item.Caption == caption) {
                return item;
            }
        }
        throw std::out_of_range(caption);
    }

    RecordingHost rec;
    TempDir dir;
    clsHost host = rec.Host();
    clsTMain main{host, basTotoSettings::Defaults(), dir.Str()};
    clsDocument doc{host, main, 42};
    ScriptedMenuChooser chooser;
};

TEST_F(DocumentMenus, CellMenuSetsTheChosenMark)
{
    MarkArray marks{};
    marks[1][0] = 2;
    ASSERT_TRUE(doc.Marks().SetMarks(marks));
    chooser.Push({"△ 大穴"});
    ASSERT_TRUE(doc.Marks().MultiMouseDown(B::Right, 1, 0)); // match 1, home win
    EXPECT_EQ(4, doc.Marks().Multi().Value()[1][0]);
    ASSERT_EQ(1u, chooser.Shown().size());
    EXPECT_EQ("mnuMulti", chooser.Shown()[0].Name);
    EXPECT_EQ("マーク変更", chooser.Shown()[0].Items[0].Caption);
    EXPECT_TRUE(Item(0, "○ 対抗").Checked); // the cell's mark before the click
    EXPECT_FALSE(Item(0, "自動").Visible);

    chooser.Push({"無し"});
    ASSERT_TRUE(doc.Marks().MultiMouseDown(B::Right, 1, 0));
    EXPECT_EQ(0, doc.Marks().Multi().Value()[1][0]);
    chooser.Push({}); // dismissed: the mark stays
    marks[1][0] = 6;
    ASSERT_TRUE(doc.Marks().SetMarks(marks));
    ASSERT_TRUE(doc.Marks().MultiMouseDown(B::Right, 1, 0));
    EXPECT_EQ(6, doc.Marks().Multi().Value()[1][0]);
    EXPECT_TRUE(chooser.Errors().empty());
}

TEST_F(DocumentMenus, HeadingLeftClickChoosesTheLeftClickMark)
{
    chooser.Push({"▲ 穴"});
    ASSERT_TRUE(doc.Marks().MultiMouseDown(B::Left, 0, 1));
    EXPECT_EQ(3, doc.Marks().Multi().LeftClickMark());
    EXPECT_EQ("左クリック動作", chooser.Shown()[0].Items[0].Caption);
    EXPECT_TRUE(Item(0, "自動").Visible);
    EXPECT_TRUE(Item(0, "自動").Checked);

    chooser.Push({"自動"});
    ASSERT_TRUE(doc.Marks().MultiMouseDown(B::Left, 0, 0));
    EXPECT_EQ(clsTMulti::MarkAuto, doc.Marks().Multi().LeftClickMark());
    EXPECT_TRUE(Item(1, "▲ 穴").Checked);
    EXPECT_FALSE(Item(1, "自動").Checked);

    // Without a chooser every menu is dismissed.
    doc.SetMenuChooser(nullptr);
    ASSERT_TRUE(doc.Marks().MultiMouseDown(B::Left, 0, 0));
    EXPECT_EQ(clsTMulti::MarkAuto, doc.Marks().Multi().LeftClickMark());
    EXPECT_EQ(2u, chooser.Shown().size());
}

TEST_F(DocumentMenus, HeadingRightClickMarksTheWholeMulti)
{
    ASSERT_TRUE(doc.Round().SetKaisaikai(9001));
    chooser.Push({"全て投票率順でマーク"});
    ASSERT_TRUE(doc.Marks().MultiMouseDown(B::Right, 0, 2));
    EXPECT_EQ("mnuMultiT", chooser.Shown()[0].Name);
    for (int m = 0; m < 13; ++m) {
        std::array<std::int32_t, 3> column{doc.Marks().Multi().Value()[0][m],
                                           doc.Marks().Multi().Value()[1][m],
                                           doc.Marks().Multi().Value()[2][m]};
        std::sort(column.begin(), column.end());
        EXPECT_EQ(column, (std::array<std::int32_t, 3>{1, 2, 3})) << "match " << m + 1;
    }
    chooser.Push({"全て対抗でマーク"});
    ASSERT_TRUE(doc.Marks().MultiMouseDown(B::Right, 0, 0));
    MarkArray rivals{};
    for (auto& row : rivals) {
        row.fill(2);
    }
    EXPECT_EQ(rivals, doc.Marks().Multi().Value());
    chooser.Push({"キャンセル"});
    ASSERT_TRUE(doc.Marks().MultiMouseDown(B::Right, 0, 0));
    EXPECT_EQ(rivals, doc.Marks().Multi().Value());
    chooser.Push({"全てマークを消去"});
    ASSERT_TRUE(doc.Marks().MultiMouseDown(B::Right, 0, 0));
    EXPECT_EQ(MarkArray{}, doc.Marks().Multi().Value());
}

TEST_F(DocumentMenus, CompositionAnalysisOfTheCurrentMarks)
{
    // Every match ◎ on the home win, match 1 also ○ on the draw: two singles, with 13 and 12
    // favourites.
    MarkArray marks{};
    marks[1].fill(1);
    marks[0][0] = 2;
    ASSERT_TRUE(doc.Marks().SetMarks(marks));
    clsTKouseiBunseki::Analysis a;
    ASSERT_TRUE(doc.Marks().KouseiBunseki(JoukenKind::Honmei, 0, 0, a)) << rec.AllMessageText();
    EXPECT_EQ(" 本命 - 本命◎", a.Title);
    EXPECT_EQ(1, a.Counts[13]);
    EXPECT_EQ(1, a.Counts[12]);
    EXPECT_EQ(14, a.MarkMax);
    EXPECT_EQ(1, rec.BusyCount);
    EXPECT_EQ(0, rec.BusyDepth);

    // The tab as the document holds it: three target matches give the limit 4.
    ConditionSetRecord jouken = doc.GatherRecord().Jouken;
    ConditionTableEntry& tab = jouken.Honmei[5];
    tab.MatchFlags.fill(false);
    tab.MatchFlags[0] = tab.MatchFlags[1] = tab.MatchFlags[2] = true;
    ASSERT_TRUE(
        doc.Conditions().EditJouken([&](clsJoukenPanels& panels) { panels.Apply(jouken); }));
    ASSERT_TRUE(doc.Marks().KouseiBunseki(JoukenKind::Honmei, 5, 0, a));
    EXPECT_EQ(4, a.MarkMax);
    EXPECT_EQ(1, a.Counts[3]);
    EXPECT_EQ(1, a.Counts[2]);

    EXPECT_FALSE(doc.Marks().KouseiBunseki(JoukenKind::Ninki, 29, 0, a));
    EXPECT_FALSE(doc.Marks().KouseiBunseki(JoukenKind::Ninki, 0, 9, a));
    EXPECT_EQ(2u, rec.Messages.size());
}

} // namespace
