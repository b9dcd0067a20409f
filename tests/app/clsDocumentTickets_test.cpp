// The document's ticket-set commands: each one replaces the set as a whole and hands it to the
// sheet and the checker together.

#include "app/basMainMenu.h"
#include "app/basStatusBar.h"
#include "app/clsDocument.h"
#include "lottery/clsTNumber.h"
#include "lottery/clsTSingleFrame.h"
#include "reference/basTotoSettings.h"
#include "results/clsTProbabilityEntry.h"
#include "store/clsTMain.h"
#include "support/RecordingHost.h"
#include "support/SampleRound.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {
class DocumentTickets : public ::testing::Test
{
protected:
    DocumentTickets()
    {
        CopySampleWork(dir.Path());
        main.Initialize();
    }
    std::string Path(const std::string& name) const { return (dir.Path() / name).string(); }
    bool Told(const std::string& text) const
    {
        return std::any_of(rec.Messages.begin(), rec.Messages.end(),
                           [&](const RecordingHost::Message& m) { return m.Text == text; });
    }
    // The single of the given 13 digits, match 1 first.
    static std::int32_t No(const std::string& digits)
    {
        clsTNumber::LongKousei k{};
        for (std::size_t m = 0; m < 13; ++m) {
            k[m] = digits[m] - '0';
        }
        return clsTNumber::LongToNo(k);
    }
    // What the sheet shows in a slot and what the checker graded at the same index.
    void ExpectViewsShowTheDocumentsSet() const
    {
        EXPECT_EQ(doc.Tickets().Sheet().Singles(), doc.Tickets().Singles());
        ASSERT_EQ(doc.Check().Checker().SingleCount(), doc.Tickets().SingleCount());
        for (std::int32_t i = 0; i < doc.Tickets().SingleCount(); ++i) {
            clsTNumber::LongKousei k{};
            clsTNumber::NoToLong(doc.Tickets().Singles()[static_cast<std::size_t>(i)], k);
            const auto graded = doc.Check().Checker().Composition(i);
            for (std::size_t m = 0; m < 13; ++m) {
                ASSERT_EQ(graded[m], k[m]) << "single " << i << " match " << m;
            }
        }
        ::SingleFrame frame{};
        clsTSingleFrame(rec).GetSingleFrame(doc.Tickets().SingleCount(), doc.Tickets().Singles(),
                                            frame);
        EXPECT_EQ(doc.Tickets().SingleFrame(), frame);
        EXPECT_EQ(doc.Tickets().Sheet().GetFrame(), frame);
    }

    mutable RecordingHost rec;
    TempDir dir;
    clsHost host = rec.Host();
    clsTMain main{host, basTotoSettings::Defaults(), dir.Str()};
    clsDocument doc{host, main, 42};
};
} // namespace

TEST_F(DocumentTickets, BadCsvLeavesMarksAndTicketsAndAGoodOneStartsANewWork)
{
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, true));
    ASSERT_TRUE(doc.Search().Run());
    const MarkArray marks = doc.Marks().Multi().Value();
    const std::vector<std::int32_t> singles = doc.Tickets().Singles();
    ASSERT_NE(marks, MarkArray{});
    ASSERT_FALSE(singles.empty());

    dir.Write("bad.csv", "1,0,2,1,0,2,1,0,2,1,0,2,1\r\n1,0,2,1,0,x,1,0,2,1,0,2,1\r\n");
    EXPECT_FALSE(doc.Tickets().CsvOpen(Path("bad.csv")));
    EXPECT_EQ(doc.Marks().Multi().Value(), marks);
    EXPECT_EQ(doc.Tickets().Singles(), singles);
    EXPECT_EQ(doc.CurrentFile(), Path("sample.drd"));
    EXPECT_FALSE(doc.Tickets().CsvOpen(Path("missing.csv")));
    EXPECT_EQ(doc.Tickets().Singles(), singles);

    dir.Write("KV-9001.csv", "1,0,2,1,0,2,1,0,2,1,0,2,1\r\n2,2,2,2,2,2,2,2,2,2,2,2,2\r\n");
    ASSERT_TRUE(doc.Round().SetKaisaikai(0));
    ASSERT_TRUE(doc.Tickets().CsvOpen(Path("KV-9001.csv")));
    EXPECT_EQ(doc.Marks().Multi().Value(), MarkArray{});
    EXPECT_EQ(doc.Tickets().Singles(),
              (std::vector<std::int32_t>{No("1021021021021"), No("2222222222222")}));
    EXPECT_EQ(doc.CurrentFile(), "");
    EXPECT_EQ(doc.Round().Kaisaikai(), 9001); // from the file name
    ExpectViewsShowTheDocumentsSet();
}

TEST_F(DocumentTickets, CsvAddDelAndSaveGoThroughTheWorkLock)
{
    std::string text;
    for (int i = 0; i < 1500; ++i) {
        text += i % 2 == 0 ? "1,1,1,1,1,1,1,1,1,1,1,1,1\r\n" : "0,0,0,0,0,0,0,0,0,0,0,0,0\r\n";
    }
    dir.Write("big.csv", text);
    dir.Write("ones.csv", "1,1,1,1,1,1,1,1,1,1,1,1,1\r\n");
    bool lockedWhileReading = false;
    bool refusedWhileReading = false;
    rec.OnDoEvents = [&](std::int64_t) {
        lockedWhileReading = lockedWhileReading || doc.Edit().WorkLock();
        refusedWhileReading = refusedWhileReading || !doc.Tickets().SetSingles({0});
    };
    ASSERT_TRUE(doc.Tickets().CsvAdd(Path("big.csv")));
    rec.OnDoEvents = nullptr;
    EXPECT_TRUE(lockedWhileReading);
    EXPECT_TRUE(refusedWhileReading);
    EXPECT_FALSE(doc.Edit().WorkLock());
    EXPECT_EQ(doc.Tickets().SingleCount(), 1500);
    ASSERT_TRUE(doc.Tickets().CsvDel(Path("ones.csv")));
    EXPECT_EQ(doc.Tickets().SingleCount(), 750);
    EXPECT_TRUE(std::all_of(doc.Tickets().Singles().begin(), doc.Tickets().Singles().end(),
                            [](std::int32_t v) { return v == 0; }));
    ExpectViewsShowTheDocumentsSet();
    ASSERT_TRUE(doc.Tickets().CsvSave(Path("out.csv")));
    ASSERT_TRUE(doc.Tickets().CsvAdd(Path("out.csv")));
    EXPECT_EQ(doc.Tickets().SingleCount(), 1500);
}

// The sheet shows page 0 while the user looks at the check page and sorts: the next edit on
// the sheet must change the single the sheet now shows in that slot, nothing else.
TEST_F(DocumentTickets, SortWhileAnotherPageIsShownThenASheetEditChangesTheTicketSeen)
{
    const std::vector<std::int32_t> set{No("0000000000000"), No("1100000000000"),
                                        No("1111111111111"), No("1110000000000")};
    ASSERT_TRUE(doc.Tickets().SetSingles(set));
    doc.Tickets().SetSortAscending(false);
    ASSERT_TRUE(doc.Tickets().SortSingles(clsTicketsFacet::SortKind::Home));
    ASSERT_EQ(doc.Tickets().Singles().front(), No("1111111111111"));
    ExpectViewsShowTheDocumentsSet();

    // Slot 0, match 1 becomes an away win.
    ASSERT_TRUE(doc.Tickets().SheetCellClick(0, 2, 0));
    EXPECT_EQ(doc.Tickets().Singles()[0], No("2111111111111"));
    EXPECT_EQ(std::count(doc.Tickets().Singles().begin(), doc.Tickets().Singles().end(),
                         No("1111111111111")),
              0);
    EXPECT_EQ(std::count(doc.Tickets().Singles().begin(), doc.Tickets().Singles().end(),
                         No("0000000000000")),
              1);
    ExpectViewsShowTheDocumentsSet();
}

TEST_F(DocumentTickets, SheetEditsAskFirstAndKeepBothViewsOnTheSet)
{
    ASSERT_TRUE(doc.Tickets().SetSingles({No("0000000000000")}));
    doc.Tickets().SetEditLock(true);
    rec.QueueAnswer(false);
    ASSERT_TRUE(doc.Tickets().SheetCellClick(0, 1, 5));
    EXPECT_EQ(doc.Tickets().Singles()[0], No("0000000000000"));
    EXPECT_TRUE(doc.Tickets().EditLock());
    rec.QueueAnswer(true);
    ASSERT_TRUE(doc.Tickets().SheetCellClick(0, 1, 5));
    EXPECT_FALSE(doc.Tickets().EditLock());
    EXPECT_EQ(doc.Tickets().Singles()[0], No("0000010000000"));
    ExpectViewsShowTheDocumentsSet();

    rec.QueueAnswer(true);
    ASSERT_TRUE(doc.Tickets().SheetAdd());
    EXPECT_EQ(doc.Tickets().SingleCount(), 2);
    EXPECT_EQ(doc.Tickets().Singles()[1], 0);
    ExpectViewsShowTheDocumentsSet();

    doc.Tickets().SheetNoClick(0);
    rec.QueueAnswer(true);
    ASSERT_TRUE(doc.Tickets().SheetSelectDelete());
    EXPECT_EQ(doc.Tickets().Singles(), (std::vector<std::int32_t>{0}));
    ExpectViewsShowTheDocumentsSet();
}

TEST_F(DocumentTickets, DuplicateRemovalTellsWhatItDid)
{
    ASSERT_TRUE(doc.Tickets().SetSingles({5, 3, 7}));
    EXPECT_FALSE(doc.Tickets().RemoveDuplicateSingles());
    EXPECT_TRUE(Told("重複したシングルは存在しません"));
    EXPECT_EQ(doc.Tickets().Singles(), (std::vector<std::int32_t>{5, 3, 7}));

    ASSERT_TRUE(doc.Tickets().SetSingles({5, 3, 5, 5, 7}));
    rec.Messages.clear();
    ASSERT_TRUE(doc.Tickets().RemoveDuplicateSingles());
    EXPECT_EQ(doc.Tickets().Singles(), (std::vector<std::int32_t>{5, 3, 7}));
    EXPECT_TRUE(Told("重複したシングルを消去しました\nシングル総数：5 → 3"));
    ExpectViewsShowTheDocumentsSet();
    EXPECT_FALSE(doc.Tickets().SetSingles({1, clsTNumber::SingleCount}));
    EXPECT_EQ(doc.Tickets().Singles(), (std::vector<std::int32_t>{5, 3, 7}));
}

TEST_F(DocumentTickets, ClipboardImportCountsOnlyWhatItTook)
{
    ASSERT_TRUE(doc.Tickets().SetSingles({5}));
    rec.Clipboard = "header\r\n1 2 3\r\n1112223331110\r\n";
    EXPECT_EQ(doc.Tickets().ClipImport(), 0);
    EXPECT_TRUE(rec.Messages.empty());
    EXPECT_EQ(doc.Tickets().Singles(), (std::vector<std::int32_t>{5}));

    rec.Clipboard = "1:1111111111111\r\n2:2222222222222\r\n3:2222222222222\r\n";
    EXPECT_EQ(doc.Tickets().ClipImport(), 3);
    EXPECT_TRUE(Told("3口取り込みしました"));
    EXPECT_EQ(doc.Tickets().SingleCount(), 3);
    ExpectViewsShowTheDocumentsSet();
}

TEST_F(DocumentTickets, UserVoteRatesNeedARoundAndBecomeTheVoteInUse)
{
    clsTOdds::Values v{};
    clsTOdds::TeamNames teams;
    EXPECT_FALSE(doc.Round().UserVoteValues(v, teams));
    ASSERT_FALSE(rec.Messages.empty());
    EXPECT_EQ(rec.Messages.back().Text, "開催回を設定して下さい");
    EXPECT_EQ(rec.Messages.back().Icon, MsgIcon::Information);
    for (std::size_t m = 0; m < 13; ++m) {
        v[0][m] = 3000;
        v[1][m] = 1000;
        v[2][m] = 6000;
    }
    const VoteRecord before = doc.Round().Vote();
    EXPECT_FALSE(doc.Round().SetUserVote(v));
    EXPECT_EQ(doc.Round().Vote().Kaisaikai, before.Kaisaikai);

    ASSERT_TRUE(doc.Round().SetKaisaikai(9001));
    clsTOdds::Values shown{};
    ASSERT_TRUE(doc.Round().UserVoteValues(shown, teams));
    EXPECT_EQ(shown, clsTOdds::FromVoteRecord(doc.Round().Vote()));
    EXPECT_FALSE(teams[0][0].empty());

    clsTOdds::Values bad = v;
    bad[2][4] = 1999;
    EXPECT_FALSE(doc.Round().SetUserVote(bad));
    EXPECT_NE(doc.Round().Vote().Match[0].Rate[2], Currency::FromInt(60));

    ASSERT_TRUE(doc.Round().SetUserVote(v));
    EXPECT_EQ(doc.Round().Vote().Kaisaikai, 9001);
    EXPECT_EQ(doc.Round().Vote().Match[0].Rate[2], Currency::FromInt(60));
    EXPECT_NE(basStatusBar::Text(doc.Round().RoundLabel(), doc.Round().Vote()).find("ユーザー定義"),
              std::string::npos);
    // The multi marks by the user's rates: the away win is everywhere the favourite.
    ASSERT_TRUE(doc.Marks().MultiMarkByVoteOrder());
    for (std::size_t m = 0; m < 13; ++m) {
        EXPECT_EQ(doc.Marks().Multi().Value()[2][m], 1) << m;
    }
}

TEST_F(DocumentTickets, UserRatesAndProbabilitiesAreTakenExactlyWhenTheDialogsAllowOk)
{
    ASSERT_TRUE(doc.Round().SetKaisaikai(9001));
    const std::int32_t kRows[][3] = {{3333, 3333, 3334}, {3400, 3300, 3400}, {5000, 3000, 1999},
                                     {0, 0, 0},          {10000, 0, 0},      {-1, 7001, 3000},
                                     {10001, -1, 0}};
    for (const auto& row : kRows) {
        clsTOdds::Values v{};
        for (std::size_t m = 0; m < 13; ++m) {
            v[1][m] = 4500;
            v[0][m] = 3000;
            v[2][m] = 2500;
        }
        for (std::size_t k = 0; k < 3; ++k) {
            v[k][10] = row[k];
        }
        clsTOdds rates;
        rates.Open(v, {});
        clsTProbabilityEntry prob;
        prob.Open(ProbabilityRecord{v}, {});
        for (const std::int32_t mode : {clsTOdds::kMode10000, clsTOdds::kMode100}) {
            rates.SetMode(mode);
            prob.SetMode(mode);
            rec.Messages.clear();
            EXPECT_EQ(doc.Round().SetUserVote(v), rates.OkEnabled()) << row[0] << " " << mode;
            EXPECT_EQ(doc.Round().SetProbability(ProbabilityRecord{v}), prob.OkEnabled()) << row[0];
            // A refusal says what the dialog shows against the match.
            if (!rates.OkEnabled()) {
                EXPECT_TRUE(Told(rates.RowFault(10))) << rates.RowFault(10);
                EXPECT_TRUE(Told(prob.RowFault(10))) << prob.RowFault(10);
            }
        }
    }
}

TEST_F(DocumentTickets, SortMenuFollowsTheRoundAndTheVote)
{
    ASSERT_TRUE(doc.Round().SetKaisaikai(200));
    basMainMenu::State s = basMainMenu::FromDocument(doc);
    s.Wired.set();
    using basMainMenu::Item;
    EXPECT_FALSE(basMainMenu::Visible(Item::EditSortPayout3, s));
    EXPECT_TRUE(basMainMenu::Visible(Item::EditSortPayout2, s));
    ASSERT_EQ(doc.Round().Vote().Kaisaikai, 0);
    for (const Item id : {Item::EditSortPayout1, Item::EditSortPayout2, Item::EditSortNinki1,
                          Item::EditSortNinki2, Item::EditSortNinki3}) {
        EXPECT_FALSE(basMainMenu::Enabled(id, s)) << basMainMenu::Info(id).ObjectName;
    }
    EXPECT_TRUE(basMainMenu::Enabled(Item::EditSortHome, s));
    // The command keeps the menu's rule.
    ASSERT_TRUE(doc.Tickets().SetSingles({5, 3}));
    EXPECT_FALSE(doc.Tickets().SortSingles(clsTicketsFacet::SortKind::Payout1));
    EXPECT_FALSE(doc.Tickets().SortSingles(clsTicketsFacet::SortKind::Ninki1));
    EXPECT_TRUE(doc.Tickets().SortSingles(clsTicketsFacet::SortKind::Draw));

    ASSERT_TRUE(doc.Round().SetKaisaikai(9001));
    s = basMainMenu::FromDocument(doc);
    s.Wired.set();
    EXPECT_TRUE(basMainMenu::Visible(Item::EditSortPayout3, s));
    EXPECT_TRUE(basMainMenu::Enabled(Item::EditSortPayout3, s));
    EXPECT_FALSE(basMainMenu::Checked(Item::EditSortAscending, s));
    doc.Tickets().SetSortAscending(true);
    EXPECT_TRUE(basMainMenu::Checked(Item::EditSortAscending, basMainMenu::FromDocument(doc)));
    EXPECT_TRUE(doc.Tickets().SortSingles(clsTicketsFacet::SortKind::Payout1));
}

TEST_F(DocumentTickets, SortByWinningsPutsTheMostHitsFirst)
{
    doc.Check().SetShowAllResults(true);
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, true));
    ASSERT_TRUE(doc.Search().Run());
    ASSERT_TRUE(doc.Check().Checker().FullResult());
    ASSERT_GT(doc.Tickets().SingleCount(), 1);
    doc.Tickets().SetSortAscending(true);
    // The sheet was on its last page; the sorted set is shown from its first.
    ASSERT_GT(doc.Tickets().Sheet().LastPage(), 0);
    doc.Tickets().SheetMovePage(doc.Tickets().Sheet().LastPage());
    ASSERT_TRUE(doc.Tickets().SortByWinnings());
    EXPECT_EQ(doc.Tickets().Sheet().Page(), 0);
    ExpectViewsShowTheDocumentsSet();
    for (std::int32_t i = 1; i < doc.Tickets().SingleCount(); ++i) {
        ASSERT_LE(doc.Check().Checker().GradeValue(i - 1), doc.Check().Checker().GradeValue(i))
            << i;
    }
    EXPECT_LT(doc.Check().Checker().GradeValue(0),
              doc.Check().Checker().GradeValue(doc.Tickets().SingleCount() - 1));
}

// The checker pumps events while it opens a large set: every path that hands one over holds
// the work lock meanwhile, so no command can change the list it reads.
TEST_F(DocumentTickets, LargeSetsAreHandedOverUnderTheWorkLock)
{
    std::vector<std::int32_t> big(20000);
    for (std::size_t i = 0; i < big.size(); ++i) {
        big[i] = static_cast<std::int32_t>(i * 61);
    }
    std::int64_t pumped = 0;
    bool editableWhilePumping = false;
    rec.OnDoEvents = [&](std::int64_t) {
        ++pumped;
        editableWhilePumping = editableWhilePumping || doc.CanEdit();
    };
    ASSERT_TRUE(doc.Tickets().SetSingles(big));
    EXPECT_GT(pumped, 0);
    EXPECT_FALSE(editableWhilePumping);
    ASSERT_TRUE(doc.FileSaveDRD(Path("big.drd"), true, false));

    clsDocument other{host, main, 7};
    pumped = 0;
    rec.OnDoEvents = [&](std::int64_t) {
        ++pumped;
        editableWhilePumping = editableWhilePumping || other.CanEdit();
    };
    ASSERT_TRUE(other.FileLoadDRD(Path("big.drd"), true, false));
    rec.OnDoEvents = nullptr;
    EXPECT_GT(pumped, 0);
    EXPECT_FALSE(editableWhilePumping);
    EXPECT_EQ(other.Check().Checker().SingleCount(), 20000);
    EXPECT_EQ(other.Tickets().Sheet().Count(), 20000);
}

TEST_F(DocumentTickets, ChanceSortNeedsTheOwnProbabilities)
{
    ASSERT_TRUE(doc.Round().SetKaisaikai(9001));
    clsTNumber::LongKousei k{};
    k.fill(1);
    const std::int32_t home = clsTNumber::LongToNo(k);
    k.fill(2);
    const std::int32_t away = clsTNumber::LongToNo(k);
    ASSERT_TRUE(doc.Tickets().SetSingles({away, home}));
    EXPECT_FALSE(basMainMenu::Enabled(basMainMenu::Item::EditSortP, [&] {
        basMainMenu::State s = basMainMenu::FromDocument(doc);
        s.Wired.set();
        return s;
    }()));
    EXPECT_FALSE(doc.Tickets().SortSingles(clsTicketsFacet::SortKind::P));
    EXPECT_EQ(doc.Tickets().Singles(), (std::vector<std::int32_t>{away, home}));

    ProbabilityRecord p;
    for (int m = 0; m < 13; ++m) {
        p.Value[1][m] = 6000;
        p.Value[0][m] = 2500;
        p.Value[2][m] = 1500;
    }
    ASSERT_TRUE(doc.Round().SetProbability(p));
    basMainMenu::State s = basMainMenu::FromDocument(doc);
    s.Wired.set();
    EXPECT_TRUE(basMainMenu::Enabled(basMainMenu::Item::EditSortP, s));
    doc.Tickets().SetSortAscending(false);
    ASSERT_TRUE(doc.Tickets().SortSingles(clsTicketsFacet::SortKind::P));
    EXPECT_EQ(doc.Tickets().Singles(), (std::vector<std::int32_t>{home, away}));
    EXPECT_EQ(doc.Tickets().Sheet().Singles(), doc.Tickets().Singles());
}

TEST_F(DocumentTickets, SinglePercentReachesTheRunTheSheetAndTheCheckerAndIsNoChange)
{
    std::vector<std::uint32_t> raised;
    const clsSubscription listening =
        doc.SubscribeChanged([&](std::uint32_t lngParts) { raised.push_back(lngParts); });
    ASSERT_FALSE(doc.Modified());
    doc.Tickets().SetSinglePercent(true);
    EXPECT_TRUE(doc.Tickets().SinglePercent());
    EXPECT_TRUE(doc.Search().Extraction().Count().Percent());
    EXPECT_TRUE(doc.Tickets().Sheet().SinglePercent());
    EXPECT_TRUE(doc.Check().Checker().Percent());
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0], static_cast<std::uint32_t>(clsDocument::PartView));
    EXPECT_FALSE(doc.Modified());
    // Nor is the edit lock a change to the work.
    doc.Tickets().SetEditLock(true);
    EXPECT_TRUE(doc.Tickets().EditLock());
    EXPECT_EQ(raised.back(), static_cast<std::uint32_t>(clsDocument::PartView));
    EXPECT_FALSE(doc.Modified());
    doc.Tickets().SetEditLock(false);

    // The sheet's count grid shows the frame it is handed, as row percentages.
    ASSERT_TRUE(
        doc.Tickets().SetSingles({No("1111111111111"), No("0111111111111"), No("2111111111112")}));
    EXPECT_EQ(doc.Tickets().Sheet().CountGrid().CellText(1, 0), "    33%");
    EXPECT_EQ(doc.Tickets().Sheet().CountGrid().CellText(2, 12), "    33%");
    EXPECT_EQ(doc.Tickets().Sheet().CountGrid().CellText(1, 12), "    67%");

    // A new work keeps the way of showing.
    ASSERT_TRUE(doc.New());
    EXPECT_TRUE(doc.Check().Checker().Percent());
    doc.Tickets().SetSinglePercent(false);
    EXPECT_FALSE(doc.Search().Extraction().Count().Percent());
    EXPECT_FALSE(doc.Tickets().Sheet().SinglePercent());
    EXPECT_FALSE(doc.Check().Checker().Percent());
}

// The check page's commands: a hand entry or a reveal is no change to the saved work, and the
// reveal is refused once everything is shown or when there is no official result to show.
TEST_F(DocumentTickets, CheckCommandsRaisePartCheckAndLeaveTheWorkUnmodified)
{
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, true));
    ASSERT_TRUE(doc.Search().Run());
    ASSERT_TRUE(doc.FileSaveDRD(Path("saved.drd"), true, false));
    ASSERT_FALSE(doc.Modified());
    std::vector<std::uint32_t> raised;
    const clsSubscription sub = doc.SubscribeChanged([&](std::uint32_t p) { raised.push_back(p); });
    ASSERT_TRUE(doc.Check().ResultViewEnabled());
    ASSERT_TRUE(doc.Check().ResultViewNext());
    EXPECT_EQ(doc.Check().Checker().Revealed(), 1);
    ASSERT_TRUE(doc.Check().ResultEntryClick(1, 5));
    EXPECT_EQ(doc.Check().Checker().Entry().Value(1, 5),
              doc.Round().Result().Match[5].Outcome == 1 ? 1 : 2);
    // No chooser: the pop-up is dismissed and the match stays as it was.
    EXPECT_FALSE(doc.Check().ResultEntryMenu(5));
    EXPECT_NE(doc.Check().Checker().Entry().Value(0, 5), 3);
    ASSERT_TRUE(doc.Check().ResultViewAll());
    EXPECT_FALSE(doc.Check().ResultViewEnabled());
    EXPECT_FALSE(doc.Check().ResultViewNext());
    EXPECT_FALSE(doc.Modified());
    ASSERT_EQ(raised.size(), 3u);
    for (const std::uint32_t p : raised) {
        EXPECT_EQ(p, static_cast<std::uint32_t>(clsDocument::PartCheck));
    }
    ASSERT_TRUE(doc.Round().SetKaisaikai(9050));
    EXPECT_FALSE(doc.Check().ResultViewEnabled());
    EXPECT_FALSE(doc.Check().ResultViewAll());
}
