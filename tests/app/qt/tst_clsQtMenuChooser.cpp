// The Qt menus built from the pop-up menu models: hidden, disabled and ticked entries,
// separators, submenus, the heading, and every leaf action leading back to its item.

// moc stumbles over the standard library these pull in and needs none of it.
#ifndef Q_MOC_RUN
#include "app/clsDocument.h"
#include "app/frmMenu.h"
#include "app/qt/frmMain.h"
#include "base/qt/clsQtMenuChooser.h"
#include "support/MainWindowFixture.h"
#include "support/RecordingHost.h"
#include "support/ScriptedMenuChooser.h"
#include "support/TempDir.h"
#endif
#include "base/qt/basQtText.h"
#include "support/QtTestRegistry.h"

#include <QAction>
#include <QMenu>
#include <QTest>

namespace {
QStringList VisibleTexts(const QMenu& menu)
{
    QStringList out;
    for (const QAction* a : menu.actions()) {
        if (a->isVisible()) {
            out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        }
    }
    return out;
}

QAction* Action(const QMenu& menu, const QString& text)
{
    for (QAction* a : menu.actions()) {
        if (a->text() == text) {
            return a;
        }
    }
    return nullptr;
}
} // namespace

class tst_clsQtMenuChooser : public QObject
{
    Q_OBJECT

private slots:
    void amountMenuHidesWhatTheBoxCannotTake();
    void markMenuHeadingAndTicks();
    void mainWindowForwardsToTheChooserSet();
};

void tst_clsQtMenuChooser::amountMenuHidesWhatTheBoxCannotTake()
{
    frmMenu model;
    model.SetMoneyMenu(11);
    const std::unique_ptr<QMenu> menu =
        clsQtMenuChooser::Build(model.Menu(frmMenu::Kind::Money), nullptr);
    QCOMPARE(menu->objectName(), QStringLiteral("mnuMoney"));
    QCOMPARE(menu->actions().size(), 15);
    const QStringList expected{QStringLiteral("キャンセル"),
                               QStringLiteral("-"),
                               QStringLiteral("1 ～ 10万円"),
                               QStringLiteral("10 ～ 100万円"),
                               QStringLiteral("100 ～ 1000万円"),
                               QStringLiteral("1000万 ～ 1億円"),
                               QStringLiteral("-"),
                               QStringLiteral("1 ～ 10億円"),
                               QStringLiteral("10 ～ 100億円"),
                               QStringLiteral("-"),
                               QStringLiteral("最小値")};
    QCOMPARE(VisibleTexts(*menu), expected);
    QVERIFY(!Action(*menu, QStringLiteral("100 ～ 1000円"))->isVisible());
    QVERIFY(!Action(*menu, QStringLiteral("最大値"))->isVisible());

    // A range opens its ten amounts; each leads back to its item in the model.
    QAction* range = Action(*menu, QStringLiteral("1 ～ 10万円"));
    QVERIFY(range->menu() != nullptr);
    QCOMPARE(clsQtMenuChooser::ItemOf(range), nullptr);
    QCOMPARE(range->menu()->actions().size(), 10);
    const PopupMenuItem* fifty = clsQtMenuChooser::ItemOf(range->menu()->actions()[4]);
    QVERIFY(fifty != nullptr);
    QCOMPARE(basQtText::ToQ(fifty->Caption), QStringLiteral("5万円"));
    QCOMPARE(fifty->Index, 3);
    QCOMPARE(fifty->Money, Currency::FromInt(50'000));
    QCOMPARE(clsQtMenuChooser::ItemOf(Action(*menu, QStringLiteral("最小値")))->Index, 1);

    model.SetMoneyMenu(32);
    const std::unique_ptr<QMenu> other =
        clsQtMenuChooser::Build(model.Menu(frmMenu::Kind::Money), nullptr);
    QVERIFY(!Action(*other, QStringLiteral("1 ～ 10億円"))->isVisible());
    QVERIFY(!Action(*other, QStringLiteral("10 ～ 100億円"))->isVisible());
    QVERIFY(!Action(*other, QStringLiteral("最小値"))->isVisible());
    QVERIFY(Action(*other, QStringLiteral("最大値"))->isVisible());
}

void tst_clsQtMenuChooser::markMenuHeadingAndTicks()
{
    frmMenu model;
    model.SetMultiOne(4);
    const std::unique_ptr<QMenu> menu =
        clsQtMenuChooser::Build(model.Menu(frmMenu::Kind::Multi), nullptr);
    QAction* heading = menu->actions().first();
    QCOMPARE(heading->text(), QStringLiteral("マーク変更"));
    QVERIFY(!heading->isEnabled());
    QVERIFY(heading->font().bold());
    QVERIFY(menu->actions()[1]->isSeparator());
    QVERIFY(Action(*menu, QStringLiteral("△ 大穴"))->isChecked());
    QVERIFY(!Action(*menu, QStringLiteral("▲ 穴"))->isChecked());
    QVERIFY(!Action(*menu, QStringLiteral("自動"))->isVisible());
    QVERIFY(!menu->actions()[9]->isVisible()); // its separator too

    model.SetMultiDefault(99);
    const std::unique_ptr<QMenu> left =
        clsQtMenuChooser::Build(model.Menu(frmMenu::Kind::Multi), nullptr);
    QCOMPARE(left->actions().first()->text(), QStringLiteral("左クリック動作"));
    QVERIFY(Action(*left, QStringLiteral("自動"))->isVisible());
    QVERIFY(Action(*left, QStringLiteral("自動"))->isChecked());
    QVERIFY(!Action(*left, QStringLiteral("△ 大穴"))->isChecked());
    QCOMPARE(clsQtMenuChooser::ItemOf(Action(*left, QStringLiteral("自動")))->Index, 99);
}

void tst_clsQtMenuChooser::mainWindowForwardsToTheChooserSet()
{
    RecordingHost host;
    TempDir dir;
    frmMain window(host.Host(), dir.Str());
    clsIMenuChooser& forwarding = window.MenuChooser();
    ScriptedMenuChooser scripted;
    window.SetMenuChooser(&scripted);
    QCOMPARE(&window.MenuChooser(), &forwarding); // views keep their reference

    // The document's multi menus arrive at the chooser set on the window.
    scripted.Push({"△ 大穴"});
    QVERIFY(
        MainWindowFixture::DocOf(window).Marks().MultiMouseDown(clsTMulti::Button::Right, 1, 0));
    QCOMPARE(MainWindowFixture::DocOf(window).Marks().Multi().Value()[1][0], 4);
    QCOMPARE(scripted.Shown().size(), size_t{1});
    QVERIFY(scripted.Errors().empty());

    frmMenu menu;
    scripted.Push({"構成分析"});
    QCOMPARE(menu.Show(frmMenu::Kind::GridML, window.MenuChooser()), 1);
    window.SetMenuChooser(nullptr);
    QCOMPARE(&window.MenuChooser(), &forwarding);
}

KELVRA_QTEST(tst_clsQtMenuChooser)
#include "tst_clsQtMenuChooser.moc"
