// The multi page of the main window driven as a user would, on the sample round 9001: marks
// set by clicks and keys change the multi count and the composition beside the grid, the
// composition switches to percentages, and the cells speak to accessibility tools.

#include "app/qt/clsMultiCountView.h"
#include "app/qt/clsMultiView.h"
#include "app/qt/frmMain.h"
#include "support/RecordingHost.h"
#include "support/ScriptedMenuChooser.h"
#include "support/TempDir.h"
#include "widgets/clsGridModel.h"

#include <QAccessible>
#include <QLabel>
#include <QtTest>

#include <filesystem>

namespace {
namespace fs = std::filesystem;

void CopySampleData(const TempDir& dir, std::int32_t lngKaisaikai)
{
    fs::copy(fs::path(KELVRA_SOURCE_DATA_DIR), dir.Path(), fs::copy_options::recursive);
    dir.Write("SysData/Kelvra.ini", "Kaisaikai = " + std::to_string(lngKaisaikai) + "\r\n");
}

QString GridText(clsGridView* grid, int lngRow, int lngColumn)
{
    return grid->Model()->data(grid->Model()->index(lngRow, lngColumn), Qt::DisplayRole).toString();
}

void ClickCell(clsGridView* grid, int lngRow, int lngColumn,
               Qt::MouseButton button = Qt::LeftButton)
{
    const QRect rect = grid->visualRect(grid->Model()->index(lngRow, lngColumn));
    QTest::mouseClick(grid->viewport(), button, {}, rect.center());
}

// The window on round 9001, its multi page shown.
struct MultiWindow
{
    RecordingHost host;
    TempDir dir;
    ScriptedMenuChooser chooser;
    std::unique_ptr<frmMain> window;

    MultiWindow()
    {
        CopySampleData(dir, 9001);
        window = std::make_unique<frmMain>(host.Host(), dir.Str());
        window->SetMenuChooser(&chooser);
        window->show();
        window->ShowPage(frmMain::PageMulti);
    }
    clsMultiView* Multi() const
    {
        return window->findChild<clsMultiView*>(QStringLiteral("picMulti"));
    }
    clsMultiCountView* Count() const
    {
        return window->findChild<clsMultiCountView*>(QStringLiteral("picMultiCount"));
    }
    QString MultiCount() const
    {
        return window->findChild<QLabel*>(QStringLiteral("lblMultiCount"))->text();
    }
};

// Through the heading's right-click menu, as a user marks by vote order.
bool MarkByVoteOrder(MultiWindow& w)
{
    w.chooser.Push({"全て投票率順でマーク"});
    ClickCell(w.Multi(), 0, 1, Qt::RightButton);
    return w.chooser.Pending() == 0 && w.chooser.Errors().empty();
}
} // namespace

class tst_frmMainMulti : public QObject
{
    Q_OBJECT

private slots:
    void clicksMarkCellsAndTheCountFollows();
    void keysActOnTheCurrentCell();
    void compositionSwitchesToPercent();
    void cellsCarryAccessibleTexts();
    void teamsLabelTheRowsAndFollowTheRound();
    void voteOrderFollowsTheRoundAndTheUsersRates();
    void headingMenusSetTheClickMarkAndMarkAll();
    void cellMenuSetsOneMark();
};

void tst_frmMainMulti::clicksMarkCellsAndTheCountFollows()
{
    MultiWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    QVERIFY(w.Multi()->isVisible());
    QCOMPARE(w.MultiCount(), QStringLiteral("マルチ総数：0"));
    // The left-click mark starts automatic: a click on an empty cell gives ◎.
    for (int row = 1; row <= 13; ++row) {
        ClickCell(w.Multi(), row, 0);
    }
    QCOMPARE(GridText(w.Multi(), 1, 0), QStringLiteral("◎"));
    QCOMPARE(w.window->Document().Multi().Value()[1][12], 1);
    QCOMPARE(w.MultiCount(), QStringLiteral("マルチ総数：1"));
    ClickCell(w.Multi(), 1, 1); // match 1, draw
    ClickCell(w.Multi(), 2, 2); // match 2, away win
    ClickCell(w.Multi(), 2, 2); // again: ○
    QCOMPARE(GridText(w.Multi(), 2, 2), QStringLiteral("○"));
    QCOMPARE(w.MultiCount(), QStringLiteral("マルチ総数：4"));
    // Each marked cell of match 1 lies in 2 of the 4 singles; of match 3 in all 4.
    QCOMPARE(GridText(w.Count(), 1, 0), QStringLiteral("      2"));
    QCOMPARE(GridText(w.Count(), 1, 1), QStringLiteral("      2"));
    QCOMPARE(GridText(w.Count(), 1, 2), QString());
    QCOMPARE(GridText(w.Count(), 3, 0), QStringLiteral("      4"));
    QCOMPARE(GridText(w.Count(), 3, 1), QString());
    // Seven clicks bring a cell round to where it started.
    for (int i = 0; i < 7; ++i) {
        ClickCell(w.Multi(), 1, 1);
    }
    QCOMPARE(w.MultiCount(), QStringLiteral("マルチ総数：4"));
    ClickCell(w.Multi(), 1, 1);
    QCOMPARE(GridText(w.Multi(), 1, 1), QStringLiteral("○"));
    QVERIFY2(w.host.Messages.empty(), w.host.AllMessageText().c_str());
}

void tst_frmMainMulti::keysActOnTheCurrentCell()
{
    MultiWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    clsMultiView* multi = w.Multi();
    multi->setFocus();
    multi->setCurrentIndex(multi->Model()->index(5, 2));
    QTest::keyClick(multi, Qt::Key_Space);
    QCOMPARE(w.window->Document().Multi().Value()[2][4], 1);
    QTest::keyClick(multi, Qt::Key_Down);
    QTest::keyClick(multi, Qt::Key_Return);
    QCOMPARE(w.window->Document().Multi().Value()[2][5], 1);
    QCOMPARE(GridText(w.Count(), 6, 2), QStringLiteral("      0"));
}

void tst_frmMainMulti::compositionSwitchesToPercent()
{
    MultiWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    MarkArray marks{};
    for (auto& row : marks) {
        row.fill(1);
    }
    marks[2][0] = 0; // match 1 on home win and draw only
    QVERIFY(w.window->Document().SetMarks(marks));
    QCOMPARE(w.MultiCount(), QStringLiteral("マルチ総数：1,062,882"));
    QCOMPARE(GridText(w.Count(), 1, 0), QStringLiteral(" 531441"));
    QCOMPARE(GridText(w.Count(), 2, 1), QStringLiteral(" 354294"));
    ClickCell(w.Count(), 3, 1);
    QVERIFY(w.Count()->Count().Percent());
    QCOMPARE(GridText(w.Count(), 1, 0), QStringLiteral("    50%"));
    QCOMPARE(GridText(w.Count(), 1, 2), QString());
    QCOMPARE(GridText(w.Count(), 2, 2), QStringLiteral("    33%"));
    // A click on the heading changes nothing; one on a match row switches back.
    ClickCell(w.Count(), 0, 1);
    QVERIFY(w.Count()->Count().Percent());
    ClickCell(w.Count(), 13, 0);
    QCOMPARE(GridText(w.Count(), 1, 0), QStringLiteral(" 531441"));
}

void tst_frmMainMulti::cellsCarryAccessibleTexts()
{
    MultiWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    ClickCell(w.Multi(), 1, 0);
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(w.Multi());
    QVERIFY(grid != nullptr && grid->tableInterface() != nullptr);
    QCOMPARE(grid->text(QAccessible::Name), QStringLiteral("マルチ"));
    QCOMPARE(grid->tableInterface()->cellAt(1, 0)->text(QAccessible::Name),
             QStringLiteral("第1試合 1 ◎ 本命"));
    QCOMPARE(grid->tableInterface()->cellAt(1, 2)->text(QAccessible::Name),
             QStringLiteral("第1試合 2 無し"));
    QAccessibleInterface* count = QAccessible::queryAccessibleInterface(w.Count());
    QCOMPARE(count->text(QAccessible::Name), QStringLiteral("マルチ構成"));
    QCOMPARE(QAccessible::queryAccessibleInterface(
                 w.window->findChild<QLabel*>(QStringLiteral("lblMultiCount")))
                 ->text(QAccessible::Name),
             QStringLiteral("マルチ総数：0"));
}

void tst_frmMainMulti::teamsLabelTheRowsAndFollowTheRound()
{
    MultiWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    auto* teams = w.window->findChild<clsGridView*>(QStringLiteral("grdMultiTeams"));
    QVERIFY(teams != nullptr && teams->isVisible());
    QCOMPARE(GridText(teams, 1, 3), QStringLiteral("鹿島"));
    QCOMPARE(GridText(teams, 13, 2), QStringLiteral("13"));
    // Level with the multi grid's match rows.
    QCOMPARE(
        teams->mapTo(w.window.get(), teams->visualRect(teams->Model()->index(7, 3)).center()).y(),
        w.Multi()
            ->mapTo(w.window.get(), w.Multi()->visualRect(w.Multi()->Model()->index(7, 0)).center())
            .y());
    QVERIFY(w.window->Document().SetKaisaikai(9002));
    QCOMPARE(GridText(teams, 1, 3), QStringLiteral("浦和"));
}

// The vote status in use reaches the multi after every round change and user rates: marking
// by vote order must read the votes shown, never those of an earlier round.
void tst_frmMainMulti::voteOrderFollowsTheRoundAndTheUsersRates()
{
    MultiWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    clsDocument& doc = w.window->Document();
    const auto row7 = [&] {
        return GridText(w.Multi(), 7, 0) + GridText(w.Multi(), 7, 1) + GridText(w.Multi(), 7, 2);
    };
    // Match 7 of 9001: away win most voted, then the home win.
    QVERIFY(MarkByVoteOrder(w));
    QCOMPARE(row7(), QStringLiteral("○▲◎"));
    QCOMPARE(w.MultiCount(), QStringLiteral("マルチ総数：1,594,323"));
    QVERIFY(doc.SetKaisaikai(9002));
    QVERIFY(MarkByVoteOrder(w));
    QCOMPARE(row7(), QStringLiteral("◎○▲"));
    // Rates of the user's own: the draw becomes the favourite.
    VoteRecord vote = doc.Vote();
    vote.AsOf = DateTime{};
    vote.Match[6].Votes = {Currency::FromInt(300000), Currency::FromInt(100000),
                           Currency::FromInt(200000)};
    QVERIFY(doc.SetVote(vote));
    QVERIFY(MarkByVoteOrder(w));
    QCOMPARE(row7(), QStringLiteral("▲◎○"));
    // A round without a vote status marks nothing.
    QVERIFY(doc.MultiMarkAll(0));
    QVERIFY(doc.SetKaisaikai(0));
    QVERIFY(MarkByVoteOrder(w));
    QCOMPARE(row7(), QString());
    QCOMPARE(w.MultiCount(), QStringLiteral("マルチ総数：0"));
}

void tst_frmMainMulti::headingMenusSetTheClickMarkAndMarkAll()
{
    MultiWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    w.chooser.Push({"△ 大穴"});
    ClickCell(w.Multi(), 0, 0);
    QCOMPARE(w.window->Document().Multi().LeftClickMark(), 4);
    QCOMPARE(w.chooser.Shown().size(), std::size_t{1});
    ClickCell(w.Multi(), 4, 1);
    QCOMPARE(GridText(w.Multi(), 4, 1), QStringLiteral("△"));
    ClickCell(w.Multi(), 4, 1);
    QCOMPARE(GridText(w.Multi(), 4, 1), QString());
    // A dismissed menu keeps the click mark.
    w.chooser.Push({});
    ClickCell(w.Multi(), 0, 2);
    QCOMPARE(w.window->Document().Multi().LeftClickMark(), 4);
    w.chooser.Push({"全て対抗でマーク"});
    ClickCell(w.Multi(), 0, 2, Qt::RightButton);
    QCOMPARE(GridText(w.Multi(), 13, 2), QStringLiteral("○"));
    QCOMPARE(w.MultiCount(), QStringLiteral("マルチ総数：1,594,323"));
    QCOMPARE(GridText(w.Count(), 5, 1), QStringLiteral(" 531441"));
    w.chooser.Push({"全てマークを消去"});
    ClickCell(w.Multi(), 0, 0, Qt::RightButton);
    QCOMPARE(w.MultiCount(), QStringLiteral("マルチ総数：0"));
    QCOMPARE(GridText(w.Count(), 5, 1), QString());
    QVERIFY(w.chooser.Errors().empty());
}

void tst_frmMainMulti::cellMenuSetsOneMark()
{
    MultiWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    w.chooser.Push({"☆ 特注"});
    ClickCell(w.Multi(), 9, 2, Qt::RightButton);
    QCOMPARE(w.window->Document().Multi().Value()[2][8], 6);
    QCOMPARE(GridText(w.Multi(), 9, 2), QStringLiteral("☆"));
    // The menu key acts as a right click on the current cell.
    w.chooser.Push({"無し"});
    w.Multi()->setFocus();
    QTest::keyClick(w.Multi(), Qt::Key_Menu);
    QCOMPARE(w.window->Document().Multi().Value()[2][8], 0);
    QCOMPARE(w.chooser.Shown().size(), std::size_t{2});
    QVERIFY(w.chooser.Errors().empty());
}

QTEST_MAIN(tst_frmMainMulti)
#include "tst_frmMainMulti.moc"
