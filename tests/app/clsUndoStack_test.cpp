#include "app/clsDocument.h"
#include "app/clsUndoStack.h"
#include "files/clsTFileDRD.h"
#include "reference/basTotoSettings.h"
#include "store/clsTMain.h"
#include "support/RecordingHost.h"
#include "support/SampleRound.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <numeric>

namespace {
DataFileRecord Work(std::int32_t lngMark, std::int32_t lngSingles)
{
    DataFileRecord rec;
    rec.Kaisaikai = 9001;
    rec.Multi[1][0] = lngMark;
    rec.SingleCount = lngSingles;
    rec.Singles.resize(static_cast<std::size_t>(lngSingles));
    std::iota(rec.Singles.begin(), rec.Singles.end(), 0);
    return rec;
}
} // namespace

TEST(UndoStack, WalksBackAndForthAndDropsTheStepsAheadOnAChange)
{
    clsUndoStack undo(std::size_t{1} << 30);
    EXPECT_FALSE(undo.Undo().has_value());
    undo.Reset(Work(0, 10));
    EXPECT_TRUE(undo.AtClean());
    EXPECT_FALSE(undo.CanUndo());
    undo.Changed("マークの変更", Work(1, 10));
    undo.Changed("検索", Work(1, 3));
    EXPECT_FALSE(undo.AtClean());
    EXPECT_EQ(undo.UndoText(), "検索");
    EXPECT_EQ(undo.RedoText(), "");

    std::optional<DataFileRecord> back = undo.Undo();
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, Work(1, 10));
    EXPECT_EQ(undo.UndoText(), "マークの変更");
    EXPECT_EQ(undo.RedoText(), "検索");
    back = undo.Undo();
    EXPECT_EQ(*back, Work(0, 10));
    EXPECT_TRUE(undo.AtClean()) << "back where it was saved";
    EXPECT_FALSE(undo.Undo().has_value());
    EXPECT_EQ(*undo.Redo(), Work(1, 10));

    // A change here drops the run ahead of it.
    undo.Changed("条件の変更", Work(2, 10));
    EXPECT_FALSE(undo.CanRedo());
    EXPECT_EQ(undo.Depth(), 3u);
    EXPECT_EQ(*undo.Undo(), Work(1, 10));
    EXPECT_EQ(*undo.Undo(), Work(0, 10));
    undo.MarkClean();
    undo.ForgetClean();
    EXPECT_FALSE(undo.AtClean());
}

TEST(UndoStack, ASetIsKeptOnceWhileItStaysTheSameAndTheCapDropsTheOldest)
{
    const std::size_t set = 1'594'323 * sizeof(std::int32_t);
    clsUndoStack undo(3 * set);
    undo.Reset(Work(0, 1'594'323));
    // Mark clicks on a full set share it.
    for (std::int32_t m = 1; m <= 20; ++m) {
        undo.Changed("マークの変更", Work(m, 1'594'323));
    }
    EXPECT_EQ(undo.Depth(), 21u);
    EXPECT_LT(undo.Bytes(), 2 * set) << "the set is held once";
    // Runs with sets of their own push the oldest states out, never the one in hand: the
    // shared set goes with the last state that held it, and three sets and their records no
    // longer fit the cap.
    for (std::int32_t r = 1; r <= 4; ++r) {
        undo.Changed("検索", Work(20, 1'594'323 - r));
        EXPECT_LE(undo.Bytes(), 3 * set);
    }
    EXPECT_EQ(undo.Depth(), 2u);
    EXPECT_EQ(*undo.Undo(), Work(20, 1'594'320));
    EXPECT_FALSE(undo.CanUndo());
    EXPECT_EQ(*undo.Redo(), Work(20, 1'594'319));

    // Even one state above the cap stays, being the work in hand.
    clsUndoStack tiny(1);
    tiny.Reset(Work(0, 100));
    tiny.Changed("検索", Work(0, 50));
    EXPECT_EQ(tiny.Depth(), 1u);
    EXPECT_FALSE(tiny.CanUndo());
}

namespace {
// The first line where two saved files differ, so that a failure names it without the files.
std::string FirstDifference(const std::string& a, const std::string& b)
{
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) {
        ++i;
    }
    if (i == a.size() && i == b.size()) {
        return {};
    }
    const std::size_t from = a.rfind('\n', i) == std::string::npos ? 0 : a.rfind('\n', i) + 1;
    return a.substr(from, std::min<std::size_t>(120, a.find('\n', from) - from)) + " | " +
           b.substr(from, std::min<std::size_t>(120, b.find('\n', from) - from));
}

class DocumentHistory : public ::testing::Test
{
protected:
    DocumentHistory()
    {
        CopySampleWork(dir.Path());
        main.Initialize();
    }
    std::string Path(const std::string& name) const { return (dir.Path() / name).string(); }
    std::string Saved(const std::string& name)
    {
        EXPECT_TRUE(doc.FileSaveDRD(Path(name), true, false)) << doc.LastFailure();
        std::ifstream in(Path(name), std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    RecordingHost rec;
    TempDir dir;
    clsHost host = rec.Host();
    clsTMain main{host, basTotoSettings::Defaults(), dir.Str()};
    clsDocument doc{host, main, 42};
};
} // namespace

TEST_F(DocumentHistory, UndoAndRedoRestoreTheWorkByteForByte)
{
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, true)) << rec.AllMessageText();
    EXPECT_FALSE(doc.History().CanUndo()) << "a loaded file starts a new history";
    const std::string loaded = Saved("a.drd");

    MarkArray marks = doc.Marks().Multi().Value();
    marks[0][0] = marks[0][0] == 0 ? 1 : 0;
    ASSERT_TRUE(doc.Marks().SetMarks(marks));
    ASSERT_TRUE(doc.Conditions().EditJouken([](clsJoukenPanels& p) {
        p.Table(JoukenKind::Mark).ShowTab(0);
        p.Table(JoukenKind::Mark).CellClick(4, 0, false, false, false);
    }));
    ASSERT_TRUE(doc.Search().Run());
    ASSERT_TRUE(doc.Tickets().SortSingles(clsTicketsFacet::SortKind::Home));
    EXPECT_TRUE(doc.Modified());
    const std::string after = Saved("b.drd");
    ASSERT_NE(after, loaded);
    EXPECT_EQ(doc.History().UndoText(), "シングルの変更");

    // Four steps back is the work as loaded; b.drd was saved last, so it counts as changed.
    for (const char* step : {"シングルの変更", "検索", "条件の変更", "マークの変更"}) {
        EXPECT_EQ(doc.History().UndoText(), step);
        ASSERT_TRUE(doc.Undo());
        EXPECT_TRUE(doc.Modified());
    }
    EXPECT_FALSE(doc.Undo());
    EXPECT_EQ(FirstDifference(Saved("c.drd"), loaded), "");
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(doc.Redo());
    }
    EXPECT_FALSE(doc.Redo());
    EXPECT_EQ(FirstDifference(Saved("d.drd"), after), "");
    // Saved here, an undo and a redo come back to the saved work.
    ASSERT_TRUE(doc.Undo());
    EXPECT_TRUE(doc.Modified());
    ASSERT_TRUE(doc.Redo());
    EXPECT_FALSE(doc.Modified());

    // A round change starts afresh: the states of another round's stores are not undone into.
    ASSERT_TRUE(doc.Round().SetKaisaikai(9002));
    EXPECT_FALSE(doc.History().CanUndo());
    EXPECT_TRUE(doc.Modified());
}

TEST_F(DocumentHistory, TheFirstChangeOfANewDocumentCanBeUndone)
{
    ASSERT_TRUE(doc.Round().SetKaisaikai(9001));
    const bool modified = doc.Modified();
    MarkArray marks{};
    marks[1][0] = 1;
    ASSERT_TRUE(doc.Marks().SetMarks(marks));
    EXPECT_EQ(doc.History().UndoText(), "マークの変更");
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.Marks().Multi().Value(), MarkArray{});
    EXPECT_EQ(doc.Modified(), modified);
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(doc.Marks().Multi().Value(), marks);
    {
        // While the work is held (a run, a file read), neither runs.
        clsEditContext::LockScope lock(doc.Edit());
        EXPECT_FALSE(doc.Undo());
    }
    EXPECT_TRUE(doc.Undo());
}
