// The condition panel on a real document, driven with the mouse, the keyboard and scripted
// menu choices: every edit must reach the document, and the panel must show what it holds.

#include "app/clsDocument.h"
#include "app/qt/clsHaitouView.h"
#include "app/qt/clsJoukenPanel.h"
#include "app/qt/clsJoukenTableView.h"
#include "app/qt/clsMachigaiView.h"
#include "app/qt/frmJouken.h"
#include "conditions/clsJoukenPanels.h"
#include "conditions/clsXJoken.h"
#include "conditions/clsXJoken1.h"
#include "reference/basTotoSettings.h"
#include "store/clsTMain.h"
#include "support/QtTestRegistry.h"
#include "support/RecordingHost.h"
#include "support/SampleRound.h"
#include "support/ScriptedMenuChooser.h"
#include "support/TempDir.h"
#include "widgets/clsGridModel.h"
#include "widgets/clsGridView.h"
#include "widgets/clsMoneyEdit.h"
#include "widgets/clsTabStrip.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>
#include <memory>

namespace {
namespace fs = std::filesystem;

// A document on a store holding the shipped sample rounds, with the panel over it.
struct Fixture
{
    Fixture()
    {
        CopyRoundStore(dir.Path());
        main.Initialize();
        panel = std::make_unique<clsJoukenPanel>(doc.Conditions(), doc.Round(), chooser, nullptr);
        panel->resize(panel->sizeHint());
        panel->show();
    }

    template <typename T> T* Find(const QString& strName) const
    {
        auto* widget = panel->findChild<T*>(strName);
        if (widget == nullptr) {
            qFatal("no widget %s", qPrintable(strName));
        }
        return widget;
    }
    const clsXJoken1& Table(JoukenKind kind) const
    {
        return doc.Conditions().JoukenPanels().Table(kind);
    }
    const clsXJoken& Haitou() const { return doc.Conditions().JoukenPanels().Haitou(); }

    void ShowPage(int lngPage) const
    {
        auto* tabs = Find<clsTabStrip>(QStringLiteral("tabJouken"));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(lngPage).center());
        QCOMPARE(tabs->CurrentTab(), lngPage);
    }
    void ShowTableTab(const QString& strKind, int lngTab) const
    {
        auto* tabs = Find<clsTabStrip>(QStringLiteral("picTab") + strKind);
        tabs->SetCurrentTab(lngTab);
    }

    RecordingHost rec;
    TempDir dir;
    clsHost host = rec.Host();
    clsTMain main{host, basTotoSettings::Defaults(), dir.Str()};
    clsDocument doc{host, main, 42};
    ScriptedMenuChooser chooser;
    std::unique_ptr<clsJoukenPanel> panel;
};

void Click(clsGridView* grid, int lngRow, int lngCol, Qt::MouseButton button = Qt::LeftButton,
           Qt::KeyboardModifiers modifiers = {})
{
    const GridRect r = grid->Geometry().CellRect(lngRow, lngCol);
    QVERIFY(r.lngWidth > 0);
    QTest::mouseClick(grid->viewport(), button, modifiers,
                      QPoint(r.lngLeft + r.lngWidth / 2, r.lngTop + r.lngHeight / 2));
}

QString Text(clsGridView* grid, int lngRow, int lngCol)
{
    return grid->Model()->data(grid->Model()->index(lngRow, lngCol), Qt::DisplayRole).toString();
}

QColor Back(clsGridView* grid, int lngRow, int lngCol)
{
    return grid->Model()
        ->data(grid->Model()->index(lngRow, lngCol), Qt::BackgroundRole)
        .value<QBrush>()
        .color();
}

// Red as drawn: pure red, darkened where the cell needs it to stay readable.
bool IsRed(const QColor& color)
{
    return color.red() >= 150 && color.green() < 40 && color.blue() < 40;
}

QColor Fore(clsGridView* grid, int lngRow, int lngCol)
{
    return grid->Model()
        ->data(grid->Model()->index(lngRow, lngCol), Qt::ForegroundRole)
        .value<QBrush>()
        .color();
}

const PopupMenuItem& Item(const PopupMenu& menu, const std::string& strCaption)
{
    for (const PopupMenuItem& item : menu.Items) {
        if (item.Caption == strCaption) {
            return item;
        }
    }
    qFatal("no item %s", strCaption.c_str());
}

void OpenContextMenu(QWidget* widget)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, widget->rect().center(),
                            widget->mapToGlobal(widget->rect().center()));
    QApplication::sendEvent(widget, &event);
}
} // namespace

class tst_clsJoukenPanel : public QObject
{
    Q_OBJECT

private slots:
    void countTableClicksReachTheDocument();
    void countTableMenus();
    void targetListsFollowTheTabAndMoveTheMultiTargets();
    void compoundRowDialog();
    void amountMenuAndTypedAmounts();
    void invertedRangeIsRedAndGradesHide();
    void correctionPage();
    void showsWhatTheDocumentHolds();
    void everyControlHasAnAccessibleName();
};

void tst_clsJoukenPanel::countTableClicksReachTheDocument()
{
    Fixture f;
    f.ShowPage(clsJoukenPanel::PageHonmei);
    auto* grid = f.Find<clsGridView>(QStringLiteral("picMultiHonmei"));
    QCOMPARE(Text(grid, 0, 0), QStringLiteral("合計"));
    QCOMPARE(Text(grid, 1, 0), QStringLiteral("本命◎"));

    // Shift + left on count 3 of row 0: × on 0..3, nothing from 4 on.
    Click(grid, 1, 1 + 3, Qt::LeftButton, Qt::ShiftModifier);
    const ConditionTableEntry& shown = f.Table(JoukenKind::Honmei).Shown();
    const ConditionTableEntry record = f.doc.GatherRecord().Jouken.Honmei[0];
    for (int t = 0; t < kCountColumns; ++t) {
        const std::uint8_t expected = t <= 3 ? kCountDelete : kCountBlank;
        QCOMPARE(shown.Mark(t, 0), expected);
        QCOMPARE(record.Mark(t, 0), expected);
        QCOMPARE(Text(grid, 1, 1 + t), t <= 3 ? QStringLiteral("×") : QString());
    }
    // Ctrl + right on count 12 of row 2: △ on 12 and 13; a plain left click clears one.
    Click(grid, 3, 1 + 12, Qt::RightButton, Qt::ControlModifier);
    Click(grid, 1, 1 + 2);
    QCOMPARE(f.doc.GatherRecord().Jouken.Honmei[0].Mark(12, 2), kCountTolerate);
    QCOMPARE(f.doc.GatherRecord().Jouken.Honmei[0].Mark(13, 2), kCountTolerate);
    QCOMPARE(f.doc.GatherRecord().Jouken.Honmei[0].Mark(11, 2), kCountBlank);
    QCOMPARE(f.doc.GatherRecord().Jouken.Honmei[0].Mark(2, 0), kCountBlank);
    QCOMPARE(Text(grid, 3, 1 + 13), QStringLiteral("△"));
    // Thirteen target matches: no red column on tab 0.
    QVERIFY(!IsRed(Fore(grid, 0, 1 + 13)));
}

void tst_clsJoukenPanel::countTableMenus()
{
    Fixture f;
    f.ShowPage(clsJoukenPanel::PageNinki);
    auto* grid = f.Find<clsGridView>(QStringLiteral("picMultiNinki"));
    f.chooser.Push({"削除（×）でマーク"});
    Click(grid, 2, 1 + 5, Qt::RightButton);
    QCOMPARE(f.chooser.Shown().back().Name, std::string("mnuGridMC"));
    QCOMPARE(f.doc.GatherRecord().Jouken.Ninki[0].Mark(5, 1), kCountDelete);

    f.chooser.Push({"×→ 右を削除 [Shift+右]"});
    Click(grid, 1, 1 + 10, Qt::RightButton);
    for (int t = 10; t < kCountColumns; ++t) {
        QCOMPARE(f.doc.GatherRecord().Jouken.Ninki[0].Mark(t, 0), kCountDelete);
    }
    QCOMPARE(f.doc.GatherRecord().Jouken.Ninki[0].Mark(9, 0), kCountBlank);

    // The heading row's menu acts on the whole table; a dismissed menu changes nothing.
    f.chooser.Push({"全て許容（△）でマーク"});
    Click(grid, 0, 1 + 4, Qt::RightButton);
    QCOMPARE(f.chooser.Shown().back().Name, std::string("mnuGridMT"));
    f.chooser.Push({});
    Click(grid, 0, 1 + 4, Qt::RightButton);
    for (int r = 0; r < 3; ++r) {
        for (int t = 0; t < kCountColumns; ++t) {
            QCOMPARE(f.doc.GatherRecord().Jouken.Ninki[0].Mark(t, r), kCountTolerate);
        }
    }
    QVERIFY(f.chooser.Errors().empty());

    // 構成分析 on a row title asks for the analysis of the shown tab and that row.
    QSignalSpy analysis(f.panel.get(), &clsJoukenPanel::KouseiBunsekiRequested);
    f.ShowTableTab(QStringLiteral("Ninki"), 4);
    f.chooser.Push({"構成分析"});
    Click(grid, 3, 0, Qt::RightButton);
    QCOMPARE(f.chooser.Shown().back().Name, std::string("mnuGridML"));
    QCOMPARE(analysis.count(), 1);
    QCOMPARE(analysis.at(0).at(0).value<JoukenKind>(), JoukenKind::Ninki);
    QCOMPARE(analysis.at(0).at(1).toInt(), 4);
    QCOMPARE(analysis.at(0).at(2).toInt(), 2);
}

void tst_clsJoukenPanel::targetListsFollowTheTabAndMoveTheMultiTargets()
{
    Fixture f;
    f.ShowPage(clsJoukenPanel::PageHonmei);
    auto* games = f.Find<clsGridView>(QStringLiteral("picGameHonmei"));
    auto* marks = f.Find<clsGridView>(QStringLiteral("picMarkHonmei"));
    auto* count = f.Find<clsGridView>(QStringLiteral("picMultiHonmei"));
    QVERIFY(!games->isVisible());
    QVERIFY(!marks->isVisible());

    QSignalSpy tabClicks(f.panel.get(), &clsJoukenPanel::TableTabClicked);
    auto* tabs = f.Find<clsTabStrip>(QStringLiteral("picTabHonmei"));
    QCOMPARE(tabs->count(), kJoukenTabs);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
    QCOMPARE(f.Table(JoukenKind::Honmei).CurrentTab(), 3);
    QCOMPARE(tabClicks.count(), 1);
    QVERIFY(games->isVisible());
    QVERIFY(marks->isVisible());
    QCOMPARE(Text(games, 0, 0), QStringLiteral("対象試合"));
    QCOMPARE(Text(marks, 0, 0), QStringLiteral("対象結果"));
    QCOMPARE(Text(marks, 1, 0), QStringLiteral("1"));
    QCOMPARE(Text(marks, 2, 0), QStringLiteral("0"));
    QCOMPARE(Back(games, 1, 0), QColor(128, 255, 128));

    // Match 1 out: its cells are no longer targets of the multi, match 2's still are.
    Click(games, 1, 0);
    QVERIFY(!f.doc.GatherRecord().Jouken.Honmei[3].MatchFlags[0]);
    QVERIFY(Back(games, 1, 0) != QColor(128, 255, 128));
    for (int c = 0; c < 3; ++c) {
        QCOMPARE(f.doc.Marks().Multi().CellShade(c, 0), clsTMulti::Shade::Control);
        QVERIFY(f.doc.Marks().Multi().CellShade(c, 1) != clsTMulti::Shade::Control);
    }
    // Outcome row "0" (the draw) out: draws of every match leave the targets.
    Click(marks, 2, 0);
    QVERIFY(!f.doc.GatherRecord().Jouken.Honmei[3].ResultFlags[0]);
    QCOMPARE(f.doc.Marks().Multi().CellShade(0, 1), clsTMulti::Shade::Control);
    QVERIFY(f.doc.Marks().Multi().CellShade(1, 1) != clsTMulti::Shade::Control);

    // None of the matches: every count column is red.
    f.chooser.Push({"全て対象外"});
    Click(games, 5, 0, Qt::RightButton);
    QCOMPARE(f.chooser.Shown().back().Name, std::string("mnuGridB"));
    QCOMPARE(f.doc.GatherRecord().Jouken.Honmei[3].TargetMatchCount(), 0);
    QVERIFY(IsRed(Fore(count, 0, 1)));
    f.chooser.Push({"全て対象"});
    Click(games, 0, 0, Qt::RightButton);
    QCOMPARE(f.doc.GatherRecord().Jouken.Honmei[3].TargetMatchCount(), 13);

    // The payout page makes every cell a target again.
    f.ShowPage(clsJoukenPanel::PageHaitou);
    QVERIFY(f.doc.Marks().Multi().CellShade(0, 1) != clsTMulti::Shade::Control);
}

void tst_clsJoukenPanel::compoundRowDialog()
{
    Fixture f;
    f.ShowPage(clsJoukenPanel::PageHonmei);
    auto* view = f.panel->TableView(JoukenKind::Honmei);
    auto* grid = view->CountTable();
    f.chooser.Push({"複合条件設定"});
    Click(grid, 2, 0, Qt::RightButton);
    frmJouken* dialog = view->CompoundDialog();
    QVERIFY(dialog != nullptr);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("複合条件設定"));
    QCOMPARE(dialog->Category(2)->text(), QStringLiteral("穴　▲"));
    QVERIFY(dialog->Category(1)->isChecked());
    QVERIFY(dialog->OkButton()->isEnabled());

    // While it is open the table ignores clicks.
    view->CountTable()->CellClicked(1, 1, Qt::LeftButton, {});
    QCOMPARE(f.doc.GatherRecord().Jouken.Honmei[0].Mark(0, 0), kCountBlank);

    dialog->Category(1)->click();
    QVERIFY(!dialog->OkButton()->isEnabled()); // none ticked
    for (int c = 0; c < 6; ++c) {
        dialog->Category(c)->click();
    }
    QVERIFY(!dialog->OkButton()->isEnabled()); // all ticked
    for (int c = 2; c < 6; ++c) {
        dialog->Category(c)->click();
    }
    QVERIFY(dialog->OkButton()->isEnabled());
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    QTRY_VERIFY(view->CompoundDialog() == nullptr);
    QCOMPARE(f.doc.GatherRecord().Jouken.Honmei[0].RowCategories[1],
             (std::vector<bool>{true, true, false, false, false, false}));
    QCOMPARE(Text(grid, 2, 0), QStringLiteral("◎+○"));
    Click(grid, 1, 1);
    QCOMPARE(f.doc.GatherRecord().Jouken.Honmei[0].Mark(0, 0), kCountDelete);

    // Cancel keeps the row as it was.
    f.chooser.Push({"複合条件設定"});
    Click(grid, 1, 0, Qt::RightButton);
    view->CompoundDialog()->Category(3)->click();
    view->CompoundDialog()->reject();
    QTRY_VERIFY(view->CompoundDialog() == nullptr);
    QCOMPARE(f.doc.GatherRecord().Jouken.Honmei[0].RowCategories[0],
             (std::vector<bool>{true, false, false, false, false, false}));
}

void tst_clsJoukenPanel::amountMenuAndTypedAmounts()
{
    Fixture f;
    f.panel->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.panel.get()));
    auto* box = f.Find<clsMoneyEdit>(QStringLiteral("txtHaitouMin1"));
    f.chooser.Push({"1 ～ 10万円", "5万円"});
    OpenContextMenu(box);
    QVERIFY(f.chooser.Errors().empty());
    QCOMPARE(f.chooser.Shown().back().Name, std::string("mnuMoney"));
    // Prepared for the minimum box of grade 1: no 最大値, no amounts below 1万円.
    QVERIFY(!Item(f.chooser.Shown().back(), "最大値").Visible);
    QVERIFY(!Item(f.chooser.Shown().back(), "1000 ～ 1万円").Visible);
    QVERIFY(Item(f.chooser.Shown().back(), "最小値").Visible);
    QCOMPARE(QApplication::focusWidget(), box);
    QCOMPARE(f.Haitou().MinMoney(0), Currency::FromInt(50'000));
    QCOMPARE(f.doc.GatherRecord().Jouken.Haitou.Min[0], Currency::FromInt(50'000));
    QCOMPARE(box->text(), QStringLiteral("50,000"));

    // 最大値 on a maximum box; a dismissed menu leaves the amount.
    auto* max = f.Find<clsMoneyEdit>(QStringLiteral("txtHaitouMax2"));
    f.chooser.Push({"1 ～ 10万円", "3万円"});
    OpenContextMenu(max);
    QCOMPARE(f.doc.GatherRecord().Jouken.Haitou.Max[1], Currency::FromInt(30'000));
    f.chooser.Push({});
    OpenContextMenu(max);
    QCOMPARE(f.doc.GatherRecord().Jouken.Haitou.Max[1], Currency::FromInt(30'000));
    f.chooser.Push({"最大値"});
    OpenContextMenu(max);
    QVERIFY(!Item(f.chooser.Shown().back(), "最小値").Visible);
    QCOMPARE(f.doc.GatherRecord().Jouken.Haitou.Max[1], kHaitouNoLimit);
    QCOMPARE(max->text(), QStringLiteral("9,999,999,999"));

    // Typed digits reach the document at once.
    auto* min3 = f.Find<clsMoneyEdit>(QStringLiteral("txtHaitouMin3"));
    min3->setFocus();
    QTest::keyClick(min3, Qt::Key_Backspace);
    QTest::keyClicks(min3, QStringLiteral("12345"));
    QCOMPARE(f.doc.GatherRecord().Jouken.Haitou.Min[2], Currency::FromInt(12'345));
    QCOMPARE(min3->text(), QStringLiteral("12,345"));

    auto* flag = f.Find<QCheckBox>(QStringLiteral("chkHaitou2"));
    QTest::mouseClick(flag, Qt::LeftButton);
    QVERIFY(f.doc.GatherRecord().Jouken.Haitou.Flag[1]);
}

void tst_clsJoukenPanel::invertedRangeIsRedAndGradesHide()
{
    Fixture f;
    auto* min = f.Find<clsMoneyEdit>(QStringLiteral("txtHaitouMin2"));
    auto* max = f.Find<clsMoneyEdit>(QStringLiteral("txtHaitouMax2"));
    f.chooser.Push({"1 ～ 10万円", "5万円"});
    OpenContextMenu(min);
    QVERIFY(!min->Inverted());
    f.chooser.Push({"1 ～ 10万円", "2万円"});
    OpenContextMenu(max);
    QVERIFY(min->Inverted());
    QVERIFY(max->Inverted());
    QCOMPARE(max->palette().color(QPalette::Text), QColor(255, 0, 0));
    QVERIFY(!f.Find<clsMoneyEdit>(QStringLiteral("txtHaitouMin1"))->Inverted());
    f.chooser.Push({"最小値"});
    OpenContextMenu(min);
    QVERIFY(!min->Inverted());
    QVERIFY(!max->Inverted());

    QVERIFY(f.Find<clsMoneyEdit>(QStringLiteral("txtHaitouMin3"))->isVisible());
    f.panel->SetMaxGrade(2);
    QVERIFY(!f.Find<clsMoneyEdit>(QStringLiteral("txtHaitouMin3"))->isVisible());
    QVERIFY(!f.Find<QCheckBox>(QStringLiteral("chkHaitou3"))->isVisible());
    QVERIFY(f.Find<clsMoneyEdit>(QStringLiteral("txtHaitouMax2"))->isVisible());
    f.panel->SetMaxGrade(1);
    QVERIFY(!f.Find<clsMoneyEdit>(QStringLiteral("txtHaitouMax2"))->isVisible());
    f.panel->SetMaxGrade(3);
    QVERIFY(f.Find<clsMoneyEdit>(QStringLiteral("txtHaitouMax3"))->isVisible());
}

void tst_clsJoukenPanel::correctionPage()
{
    Fixture f;
    f.ShowPage(clsJoukenPanel::PageMachigai);
    auto* list = f.Find<clsGridView>(QStringLiteral("picMachigai"));
    QCOMPARE(Text(list, 0, 0), QStringLiteral("条件間違い数"));
    QCOMPARE(Text(list, 12, 0), QStringLiteral("→"));
    Click(list, 12, 0);
    Click(list, 1, 0);
    std::array<bool, 12> expected{};
    expected[11] = true;
    QCOMPARE(f.doc.GatherRecord().Jouken.MachigaiList, expected);
    QCOMPARE(Back(list, 12, 0), QColor(128, 255, 128));
    f.chooser.Push({"全て対象"});
    Click(list, 4, 0, Qt::RightButton);
    expected.fill(true);
    QCOMPARE(f.doc.GatherRecord().Jouken.MachigaiList, expected);

    auto* option = f.Find<QRadioButton>(QStringLiteral("optMachigai2"));
    QCOMPARE(option->text(), QStringLiteral("下の条件間違い数の場合は、許容△の買い目を拡張する"));
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    QCOMPARE(f.doc.GatherRecord().Jouken.MachigaiType, 2);
    QVERIFY(!f.Find<QRadioButton>(QStringLiteral("optMachigai0"))->isChecked());
}

void tst_clsJoukenPanel::showsWhatTheDocumentHolds()
{
    Fixture f;
    ConditionSetRecord rec = f.doc.GatherRecord().Jouken;
    rec.Haitou.Flag[0] = true;
    rec.Haitou.Min[0] = Currency::FromInt(70'000);
    rec.Mark[0].SetMark(2, 1, kCountTolerate);
    rec.MachigaiType = 1;
    QVERIFY(f.doc.Conditions().EditJouken([&](clsJoukenPanels& panels) { panels.Apply(rec); }));
    QVERIFY(f.Find<QCheckBox>(QStringLiteral("chkHaitou1"))->isChecked());
    QCOMPARE(f.Find<clsMoneyEdit>(QStringLiteral("txtHaitouMin1"))->text(),
             QStringLiteral("70,000"));
    QCOMPARE(Text(f.Find<clsGridView>(QStringLiteral("picMultiMark")), 2, 1 + 2),
             QStringLiteral("△"));
    QVERIFY(f.Find<QRadioButton>(QStringLiteral("optMachigai1"))->isChecked());

    // New clears the conditions and shows the payout page again.
    f.ShowPage(clsJoukenPanel::PageMark);
    QVERIFY(f.doc.New());
    QCOMPARE(f.Find<clsTabStrip>(QStringLiteral("tabJouken"))->CurrentTab(),
             static_cast<int>(clsJoukenPanel::PageHaitou));
    QVERIFY(f.panel->HaitouView()->isVisible());
    QVERIFY(!f.Find<QCheckBox>(QStringLiteral("chkHaitou1"))->isChecked());
    QCOMPARE(f.Find<clsMoneyEdit>(QStringLiteral("txtHaitouMin1"))->text(), QStringLiteral("0"));
    QCOMPARE(Text(f.Find<clsGridView>(QStringLiteral("picMultiMark")), 2, 1 + 2), QString());
    QVERIFY(f.Find<QRadioButton>(QStringLiteral("optMachigai0"))->isChecked());
}

void tst_clsJoukenPanel::everyControlHasAnAccessibleName()
{
    Fixture f;
    int controls = 0;
    for (QWidget* widget : f.panel->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(widget) != nullptr ||
                             qobject_cast<QLineEdit*>(widget) != nullptr ||
                             qobject_cast<QAbstractItemView*>(widget) != nullptr ||
                             qobject_cast<QTabBar*>(widget) != nullptr;
        // The scroll buttons of a strip and the corner of a grid are their owners' parts.
        const QWidget* owner = widget->parentWidget();
        const bool part = qobject_cast<const QTabBar*>(owner) != nullptr ||
                          qobject_cast<const QAbstractItemView*>(owner) != nullptr;
        if (control && !part) {
            ++controls;
            QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
        }
    }
    QVERIFY(controls > 20);
    QCOMPARE(f.Find<clsMoneyEdit>(QStringLiteral("txtHaitouMax1"))->accessibleName(),
             QStringLiteral("1等 上限"));
}

KELVRA_QTEST(tst_clsJoukenPanel)
#include "tst_clsJoukenPanel.moc"
