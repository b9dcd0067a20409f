// The multi page of the main window driven as a user would, on the sample round 9001: marks
// set by clicks, keys and menus change the multi count and the composition beside the grid;
// conditions entered through the panel's widgets are saved and loaded as the core writes
// them; the payout rows follow the round's grades; a table's tab closes the analyses.

#include "app/basMain.h"
#include "app/basVersion.h"
#include "app/qt/clsJoukenPanel.h"
#include "app/qt/clsMultiCountView.h"
#include "app/qt/clsMultiView.h"
#include "app/qt/frmMain.h"
#include "files/clsTFileDRD.h"
#include "support/MainWindowFixture.h"
#include "support/QtTestRegistry.h"
#include "widgets/clsGridModel.h"
#include "widgets/clsMoneyEdit.h"
#include "widgets/clsTabStrip.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <fstream>

namespace {
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
struct MultiWindow : MainWindowFixture
{
    MultiWindow()
    {
        Open();
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
    void ShowJoukenPage(int lngPage) const
    {
        auto* tabs = Find<clsTabStrip>("tabJouken");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(lngPage).center());
    }
    void ClickTableTab(const char* strStrip, int lngTab) const
    {
        auto* tabs = Find<clsTabStrip>(strStrip);
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(lngTab).center());
    }
};

// The mouse where the grid geometry puts the cell, as a user clicks it.
void ClickGeometryCell(clsGridView* grid, int lngRow, int lngCol,
                       Qt::MouseButton button = Qt::LeftButton,
                       Qt::KeyboardModifiers modifiers = {})
{
    const GridRect r = grid->Geometry().CellRect(lngRow, lngCol);
    QTest::mouseClick(grid->viewport(), button, modifiers,
                      QPoint(r.lngLeft + r.lngWidth / 2, r.lngTop + r.lngHeight / 2));
}

void OpenContextMenu(QWidget* widget)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, widget->rect().center(),
                            widget->mapToGlobal(widget->rect().center()));
    QApplication::sendEvent(widget, &event);
}

std::string ReadBytes(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

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
    void conditionsEnteredInTheWidgetsSaveAsTheCoreWritesThem();
    void payoutRowsFollowTheRoundsGrades();
    void aTableTabClosesTheAnalyses();
    void theShownTableShadesItsTargetCells();
    void conditionsShowWhatTheyKeepBeforeTheRun();
    void undoAndRedoTakeBackMarksAndConditions();
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
    QCOMPARE(w.Doc().Marks().Multi().Value()[1][12], 1);
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
    QCOMPARE(w.Doc().Marks().Multi().Value()[2][4], 1);
    QTest::keyClick(multi, Qt::Key_Down);
    QTest::keyClick(multi, Qt::Key_Return);
    QCOMPARE(w.Doc().Marks().Multi().Value()[2][5], 1);
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
    QVERIFY(w.Doc().Marks().SetMarks(marks));
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
    QVERIFY(w.Doc().Round().SetKaisaikai(9002));
    QCOMPARE(GridText(teams, 1, 3), QStringLiteral("浦和"));
}

// The vote status in use reaches the multi after every round change and user rates: marking
// by vote order must read the votes shown, never those of an earlier round.
void tst_frmMainMulti::voteOrderFollowsTheRoundAndTheUsersRates()
{
    MultiWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    clsDocument& doc = w.Doc();
    const auto row7 = [&] {
        return GridText(w.Multi(), 7, 0) + GridText(w.Multi(), 7, 1) + GridText(w.Multi(), 7, 2);
    };
    // Match 7 of 9001: away win most voted, then the home win.
    QVERIFY(MarkByVoteOrder(w));
    QCOMPARE(row7(), QStringLiteral("○▲◎"));
    QCOMPARE(w.MultiCount(), QStringLiteral("マルチ総数：1,594,323"));
    QVERIFY(doc.Round().SetKaisaikai(9002));
    QVERIFY(MarkByVoteOrder(w));
    QCOMPARE(row7(), QStringLiteral("◎○▲"));
    // Rates of the user's own: the draw becomes the favourite.
    VoteRecord vote = doc.Round().Vote();
    vote.AsOf = DateTime{};
    vote.Match[6].Votes = {Currency::FromInt(300000), Currency::FromInt(100000),
                           Currency::FromInt(200000)};
    QVERIFY(doc.Round().SetVote(vote));
    QVERIFY(MarkByVoteOrder(w));
    QCOMPARE(row7(), QStringLiteral("▲◎○"));
    // A round without a vote status marks nothing.
    QVERIFY(doc.Marks().MultiMarkAll(0));
    QVERIFY(doc.Round().SetKaisaikai(0));
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
    QCOMPARE(w.Doc().Marks().Multi().LeftClickMark(), 4);
    QCOMPARE(w.chooser.Shown().size(), std::size_t{1});
    ClickCell(w.Multi(), 4, 1);
    QCOMPARE(GridText(w.Multi(), 4, 1), QStringLiteral("△"));
    ClickCell(w.Multi(), 4, 1);
    QCOMPARE(GridText(w.Multi(), 4, 1), QString());
    // A dismissed menu keeps the click mark.
    w.chooser.Push({});
    ClickCell(w.Multi(), 0, 2);
    QCOMPARE(w.Doc().Marks().Multi().LeftClickMark(), 4);
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
    QCOMPARE(w.Doc().Marks().Multi().Value()[2][8], 6);
    QCOMPARE(GridText(w.Multi(), 9, 2), QStringLiteral("☆"));
    // The menu key acts as a right click on the current cell.
    w.chooser.Push({"無し"});
    w.Multi()->setFocus();
    QTest::keyClick(w.Multi(), Qt::Key_Menu);
    QCOMPARE(w.Doc().Marks().Multi().Value()[2][8], 0);
    QCOMPARE(w.chooser.Shown().size(), std::size_t{2});
    QVERIFY(w.chooser.Errors().empty());
}

void tst_frmMainMulti::conditionsEnteredInTheWidgetsSaveAsTheCoreWritesThem()
{
    MultiWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    clsDocument& doc = w.Doc();
    // What the edits below must make of the round's fresh conditions, field by field.
    ConditionSetRecord expected = doc.GatherRecord().Jouken;
    expected.Haitou.Flag[0] = true;
    expected.Haitou.Min[0] = Currency::FromInt(50'000);
    expected.Haitou.Max[1] = Currency::FromInt(30'000);
    for (int t = 0; t <= 3; ++t) {
        expected.Honmei[0].SetMark(t, 0, kCountDelete);
    }
    expected.Honmei[3].MatchFlags[0] = false;
    expected.Ninki[0].SetMark(5, 1, kCountDelete);
    expected.Mark[0].SetMark(13, 2, kCountTolerate);
    expected.MachigaiType = 1;
    expected.MachigaiList[1] = true;

    w.ShowJoukenPage(clsJoukenPanel::PageHaitou);
    QTest::mouseClick(w.Find<QCheckBox>("chkHaitou1"), Qt::LeftButton);
    w.chooser.Push({"1 ～ 10万円", "5万円"});
    OpenContextMenu(w.Find<clsMoneyEdit>("txtHaitouMin1"));
    w.chooser.Push({"1 ～ 10万円", "3万円"});
    OpenContextMenu(w.Find<clsMoneyEdit>("txtHaitouMax2"));
    w.ShowJoukenPage(clsJoukenPanel::PageHonmei);
    ClickGeometryCell(w.Find<clsGridView>("picMultiHonmei"), 1, 1 + 3, Qt::LeftButton,
                      Qt::ShiftModifier);
    w.ClickTableTab("picTabHonmei", 3);
    ClickGeometryCell(w.Find<clsGridView>("picGameHonmei"), 1, 0);
    w.ShowJoukenPage(clsJoukenPanel::PageNinki);
    w.chooser.Push({"削除（×）でマーク"});
    ClickGeometryCell(w.Find<clsGridView>("picMultiNinki"), 2, 1 + 5, Qt::RightButton);
    w.ShowJoukenPage(clsJoukenPanel::PageMark);
    // Ctrl + right: △ from the cell rightwards.
    ClickGeometryCell(w.Find<clsGridView>("picMultiMark"), 3, 1 + 13, Qt::RightButton,
                      Qt::ControlModifier);
    w.ShowJoukenPage(clsJoukenPanel::PageMachigai);
    auto* option = w.Find<QRadioButton>("optMachigai1");
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    ClickGeometryCell(w.Find<clsGridView>("picMachigai"), 2, 0);
    QVERIFY(w.chooser.Errors().empty());
    QVERIFY2(w.host.Messages.empty(), w.host.AllMessageText().c_str());
    QVERIFY(doc.GatherRecord().Jouken == expected);

    // 条件 保存 against the core's own file of the expected record.
    const std::string chosen = (w.dir.Path() / "UserData" / "widgets").string();
    w.dialog.Push(chosen);
    w.window->UpdateMenus();
    w.Action("mnuFile_Jouken_Save")->trigger();
    QVERIFY2(w.host.Messages.empty(), w.host.AllMessageText().c_str());
    clsTFileDRD drd(w.host.Host(), basMain::VersionText(), std::string(basVersion::kLegalNotice));
    DataFileRecord rec;
    rec.Jouken = expected;
    const std::string direct = (w.dir.Path() / "direct.drj").string();
    QVERIFY(drd.Save(direct, false, rec, true));
    const std::string saved = ReadBytes(chosen + ".drj");
    QVERIFY(!saved.empty());
    QVERIFY(saved == ReadBytes(direct));

    // Cleared, then loaded back through 開く: the widgets show it all again.
    QVERIFY(doc.Conditions().EditJouken([](clsJoukenPanels& p) { p.Clear(); }));
    QVERIFY(!w.Find<QCheckBox>("chkHaitou1")->isChecked());
    w.dialog.Push(chosen + ".drj");
    w.Action("mnuFile_Jouken_Open")->trigger();
    QVERIFY2(w.host.Messages.empty(), w.host.AllMessageText().c_str());
    QVERIFY(doc.GatherRecord().Jouken == expected);
    w.ShowJoukenPage(clsJoukenPanel::PageHaitou);
    QVERIFY(w.Find<QCheckBox>("chkHaitou1")->isChecked());
    QVERIFY(!w.Find<QCheckBox>("chkHaitou2")->isChecked());
    QCOMPARE(w.Find<clsMoneyEdit>("txtHaitouMin1")->text(), QStringLiteral("50,000"));
    QCOMPARE(w.Find<clsMoneyEdit>("txtHaitouMax2")->text(), QStringLiteral("30,000"));
    QCOMPARE(w.Find<clsMoneyEdit>("txtHaitouMax1")->text(), QStringLiteral("9,999,999,999"));
    w.ShowJoukenPage(clsJoukenPanel::PageHonmei);
    w.ClickTableTab("picTabHonmei", 0);
    auto* honmei = w.Find<clsGridView>("picMultiHonmei");
    for (int t = 0; t < kCountColumns; ++t) {
        QCOMPARE(GridText(honmei, 1, 1 + t), t <= 3 ? QStringLiteral("×") : QString());
    }
    w.ClickTableTab("picTabHonmei", 3);
    QVERIFY(GridText(w.Find<clsGridView>("picGameHonmei"), 1, 0) != QString());
    QCOMPARE(w.Doc().Conditions().JoukenPanels().Table(JoukenKind::Honmei).CurrentTab(), 3);
    QVERIFY(!w.Doc().Conditions().JoukenPanels().Table(JoukenKind::Honmei).Shown().MatchFlags[0]);
    w.ShowJoukenPage(clsJoukenPanel::PageNinki);
    QCOMPARE(GridText(w.Find<clsGridView>("picMultiNinki"), 2, 1 + 5), QStringLiteral("×"));
    w.ShowJoukenPage(clsJoukenPanel::PageMark);
    QCOMPARE(GridText(w.Find<clsGridView>("picMultiMark"), 3, 1 + 13), QStringLiteral("△"));
    w.ShowJoukenPage(clsJoukenPanel::PageMachigai);
    QVERIFY(w.Find<QRadioButton>("optMachigai1")->isChecked());
}

// Rounds 198 to 260 pay two grades: their 3rd-grade payout row is hidden.
void tst_frmMainMulti::payoutRowsFollowTheRoundsGrades()
{
    MultiWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    w.ShowJoukenPage(clsJoukenPanel::PageHaitou);
    QVERIFY(w.Find<clsMoneyEdit>("txtHaitouMin3")->isVisible());
    QVERIFY(w.Find<QCheckBox>("chkHaitou3")->isVisible());
    QVERIFY(w.Doc().Round().SetKaisaikai(200));
    QVERIFY(!w.Find<clsMoneyEdit>("txtHaitouMin3")->isVisible());
    QVERIFY(!w.Find<clsMoneyEdit>("txtHaitouMax3")->isVisible());
    QVERIFY(!w.Find<QCheckBox>("chkHaitou3")->isVisible());
    QVERIFY(w.Find<clsMoneyEdit>("txtHaitouMax2")->isVisible());
    QVERIFY(w.Doc().Round().SetKaisaikai(9001));
    QVERIFY(w.Find<clsMoneyEdit>("txtHaitouMin3")->isVisible());
    QVERIFY(w.Find<QCheckBox>("chkHaitou3")->isVisible());
}

void tst_frmMainMulti::aTableTabClosesTheAnalyses()
{
    MultiWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    QVERIFY(w.Doc().Marks().MultiMarkAll(1));
    w.ShowJoukenPage(clsJoukenPanel::PageHonmei);
    auto* honmei = w.Find<clsGridView>("picMultiHonmei");
    w.chooser.Push({"構成分析"});
    ClickGeometryCell(honmei, 1, 0, Qt::RightButton);
    w.chooser.Push({"構成分析"});
    ClickGeometryCell(honmei, 2, 0, Qt::RightButton);
    QVERIFY(w.chooser.Errors().empty());
    QVERIFY2(w.host.Messages.empty(), w.host.AllMessageText().c_str());
    QCOMPARE(w.window->KouseiBunsekiWindowCount(), 2);
    w.ClickTableTab("picTabHonmei", 4);
    QCOMPARE(w.window->KouseiBunsekiWindowCount(), 0);
    // Also a tab of another table.
    w.chooser.Push({"構成分析"});
    ClickGeometryCell(honmei, 1, 0, Qt::RightButton);
    QCOMPARE(w.window->KouseiBunsekiWindowCount(), 1);
    w.ShowJoukenPage(clsJoukenPanel::PageMark);
    QCOMPARE(w.window->KouseiBunsekiWindowCount(), 1); // the strip above the tables is no tab
    w.ClickTableTab("picTabMark", 2);
    QCOMPARE(w.window->KouseiBunsekiWindowCount(), 0);
}

void tst_frmMainMulti::theShownTableShadesItsTargetCells()
{
    MultiWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    const auto back = [&](int lngRow, int lngCol) {
        return w.Multi()
            ->Model()
            ->data(w.Multi()->Model()->index(lngRow, lngCol), Qt::BackgroundRole)
            .value<QBrush>()
            .color();
    };
    const QColor white(255, 255, 255);
    const QColor yellow(255, 255, 224);
    QCOMPARE(back(1, 0), white);
    QCOMPARE(back(2, 0), yellow);
    w.ShowJoukenPage(clsJoukenPanel::PageHonmei);
    w.ClickTableTab("picTabHonmei", 3);
    ClickGeometryCell(w.Find<clsGridView>("picGameHonmei"), 2, 0); // match 2 out
    QVERIFY(back(2, 0) != yellow);
    QVERIFY(back(2, 2) != yellow);
    QCOMPARE(back(3, 1), white);
    // The payout page: every cell a target again.
    w.ShowJoukenPage(clsJoukenPanel::PageHaitou);
    QCOMPARE(back(2, 0), yellow);
    // Back on the table, its own targets again.
    w.ShowJoukenPage(clsJoukenPanel::PageHonmei);
    QVERIFY(back(2, 0) != yellow);
}

KELVRA_QTEST(tst_frmMainMulti)
#include "tst_frmMainMulti.moc"

// Before any run the page says how many singles the conditions keep, and the condition tables
// show how the multi spreads over each row's counts; the count is the one the command line's
// run keeps without compression.
void tst_frmMainMulti::conditionsShowWhatTheyKeepBeforeTheRun()
{
    MultiWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    auto* live = w.Find<QLabel>("lblLiveCount");
    MarkArray marks{};
    for (std::size_t m = 0; m < 13; ++m) {
        marks[1][m] = 1;             // home wins everywhere
        marks[0][m] = m < 9 ? 2 : 0; // and draws in 9 matches: 512 singles
    }
    QVERIFY(w.Doc().Marks().SetMarks(marks));
    QTRY_COMPARE(live->text(), QStringLiteral("条件後：512口"));
    QTRY_VERIFY(live->isEnabled());
    QCOMPARE(live->accessibleName(), live->text());

    // A × on "draws: 0" of the 勝敗 table's first tab, clicked as a user would.
    w.ShowJoukenPage(3);
    auto* table = w.Find<clsGridView>("picMultiMark");
    const int drawRow = [&] {
        for (int r = 1; r < table->Model()->rowCount(); ++r) {
            if (GridText(table, r, 0) == QStringLiteral("その他")) {
                return r;
            }
        }
        return -1;
    }();
    QVERIFY(drawRow > 0);
    QTRY_VERIFY(!GridText(table, drawRow, 1).isEmpty());
    // Draws come only from the 9 doubled matches: 1 of 512 singles has none (0.2%), 126 have 4.
    QCOMPARE(GridText(table, drawRow, 1), QStringLiteral("0.2"));
    QCOMPARE(GridText(table, drawRow, 5), QStringLiteral("25"));
    const QModelIndex four = table->Model()->index(drawRow, 5);
    QCOMPARE(table->Model()->data(four, Qt::AccessibleTextRole).toString(),
             QStringLiteral("4個：126口（24.6%）"));
    QCOMPARE(GridText(table, drawRow, 14), QString()); // no single has 13 draws
    ClickGeometryCell(table, drawRow, 5);
    QCOMPARE(GridText(table, drawRow, 5), QStringLiteral("×"));
    QTRY_COMPARE(live->text(), QStringLiteral("条件後：386口"));

    // Saved with the search switched off, the command line keeps as many.
    EngineSettingsRecord settings = w.Doc().Conditions().EngineSettings();
    settings.MsEngine = 0;
    QVERIFY(w.Doc().Conditions().EditEngineSettings(
        [&](clsEnginePanels& panels) { panels.Apply(settings); }));
    const std::string file = (w.dir.Path() / "UserData" / "live.drd").string();
    QVERIFY(w.Doc().FileSaveDRD(file, true, true));
    QVERIFY(!w.window->windowTitle().endsWith(QStringLiteral(" *")));
    // Looking at another tab recounts for its rows, and is no change of the work.
    w.ClickTableTab("picTabMark", 4);
    QTRY_VERIFY(live->isEnabled());
    QVERIFY(!w.window->windowTitle().endsWith(QStringLiteral(" *")));
    QVERIFY(!w.Doc().Modified());

    QProcess cli;
    cli.start(QStringLiteral(KELVRA_CLI_EXE),
              {QStringLiteral("--home"), QString::fromStdString(w.dir.Path().string()),
               QStringLiteral("run"), QString::fromStdString(file)});
    QVERIFY(cli.waitForFinished(60'000));
    QCOMPARE(cli.exitCode(), 0);
    DataFileRecord rec;
    clsTFileDRD drd(w.host.Host(), basMain::VersionText(), std::string(basVersion::kLegalNotice));
    QVERIFY(drd.Load(file, rec));
    QCOMPARE(rec.SingleCount, 386);
}

// 元に戻す and やり直し in the 編集 menu take a mark and a condition back and bring them again;
// back at the saved work the title loses its " *".
void tst_frmMainMulti::undoAndRedoTakeBackMarksAndConditions()
{
    MultiWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    QAction* undo = w.Action("mnuEdit_Undo");
    QAction* redo = w.Action("mnuEdit_Redo");
    QVERIFY(!undo->isEnabled());
    const MarkArray before = w.Doc().Marks().Multi().Value();
    ClickCell(w.Multi(), 1, 0);
    const MarkArray marked = w.Doc().Marks().Multi().Value();
    QVERIFY(marked != before);
    QVERIFY(w.window->windowTitle().endsWith(QStringLiteral(" *")));
    w.ShowJoukenPage(3);
    auto* table = w.Find<clsGridView>("picMultiMark");
    ClickGeometryCell(table, 1, 3);
    QCOMPARE(GridText(table, 1, 3), QStringLiteral("×"));
    QTRY_VERIFY(undo->isEnabled());

    QTest::keyClick(w.window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(GridText(table, 1, 3).contains(QStringLiteral("×")), false);
    QCOMPARE(w.Doc().Marks().Multi().Value(), marked);
    QVERIFY(redo->isEnabled());
    undo->trigger();
    QCOMPARE(w.Doc().Marks().Multi().Value(), before);
    QCOMPARE(GridText(w.Multi(), 1, 0), QString());
    QTRY_VERIFY(!undo->isEnabled());
    QVERIFY(!w.window->windowTitle().endsWith(QStringLiteral(" *")));

    // The keys do what the menu does.
    QVERIFY(undo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Z)) ||
            undo->shortcuts().contains(QKeySequence(QKeySequence::Undo)));
    QTest::keyClick(w.window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w.Doc().Marks().Multi().Value(), marked);
    redo->trigger();
    QCOMPARE(GridText(table, 1, 3), QStringLiteral("×"));
    QVERIFY(w.window->windowTitle().endsWith(QStringLiteral(" *")));
    QVERIFY(!redo->isEnabled());
}
