// The small controls: the tab strip and the number box with up-down.

#include "support/QtTestRegistry.h"
#include "widgets/clsNumberBox.h"
#include "widgets/clsTabStrip.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class tst_Controls : public QObject
{
    Q_OBJECT

private slots:
    void tabsCarryTheirCaptionsAsNames();
    void tabChangesAreSignalledOnce();
    void numberBoxKeepsItsRange();
    void numberBoxChangesOnEveryKeystroke();
    void numberBoxClampsWhatIsTyped();
};

void tst_Controls::tabsCarryTheirCaptionsAsNames()
{
    clsTabStrip strip;
    const QStringList captions{QStringLiteral("ホーム"), QStringLiteral("マルチ"),
                               QStringLiteral("条件"), QStringLiteral("シングル")};
    strip.SetCaptions(captions);
    strip.show();
    QVERIFY(QTest::qWaitForWindowExposed(&strip));
    QCOMPARE(strip.Captions(), captions);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&strip);
    QVERIFY(iface != nullptr);
    QStringList names;
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        if (child->role() == QAccessible::PageTab) {
            names.push_back(child->text(QAccessible::Name));
        }
    }
    QCOMPARE(names, captions);
    // A caption is never shortened.
    for (int i = 0; i < strip.count(); ++i) {
        QVERIFY(strip.tabRect(i).width() >= strip.fontMetrics().horizontalAdvance(captions[i]));
    }
}

void tst_Controls::tabChangesAreSignalledOnce()
{
    clsTabStrip strip;
    QSignalSpy changed(&strip, &clsTabStrip::TabChanged);
    strip.SetCaptions({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    QCOMPARE(changed.count(), 0);
    QCOMPARE(strip.CurrentTab(), 0);
    QVERIFY(strip.SetCurrentTab(2));
    QVERIFY(strip.SetCurrentTab(2));
    QVERIFY(!strip.SetCurrentTab(3));
    QVERIFY(!strip.SetCurrentTab(-1));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 2);
    QCOMPARE(strip.CurrentTab(), 2);
    strip.SetCaptions({QStringLiteral("a")}); // rebuilt: back to the first, no signal
    QCOMPARE(changed.count(), 1);
    QCOMPARE(strip.CurrentTab(), 0);
}

void tst_Controls::numberBoxKeepsItsRange()
{
    clsNumberBox box(QStringLiteral("開催回"), 0, 9999);
    QCOMPARE(box.accessibleName(), QStringLiteral("開催回"));
    QCOMPARE(box.SetNumber(12345), 9999);
    QCOMPARE(box.SetNumber(-3), 0);
    QCOMPARE(box.SetNumber(1234), 1234);
    QCOMPARE(box.text(), QStringLiteral("1234")); // no separator in a round number
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTest::keyClick(&box, Qt::Key_Up);
    QCOMPARE(box.Number(), 1235);
    box.SetNumber(9999);
    QTest::keyClick(&box, Qt::Key_Up);
    QCOMPARE(box.Number(), 9999);
    clsNumberBox swapped(QStringLiteral("口数"), 100, 1);
    QCOMPARE(swapped.minimum(), 1);
    QCOMPARE(swapped.maximum(), 100);
}

void tst_Controls::numberBoxChangesOnEveryKeystroke()
{
    clsNumberBox box(QStringLiteral("開催回"), 0, 9999);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.selectAll();
    QSignalSpy changed(&box, &QSpinBox::valueChanged);
    QTest::keyClicks(&box, QStringLiteral("90"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(box.Number(), 90);
    QTest::keyClicks(&box, QStringLiteral("x"));
    QCOMPARE(box.Number(), 90);
}

void tst_Controls::numberBoxClampsWhatIsTyped()
{
    clsNumberBox box(QStringLiteral("口から検索"), 1, 9999);
    box.setGroupSeparatorShown(true);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.selectAll();
    QTest::keyClicks(&box, QStringLiteral("12345"));
    QCOMPARE(box.Number(), 9999);
    QCOMPARE(box.text(), QStringLiteral("9,999"));
    box.selectAll();
    QTest::keyClicks(&box, QStringLiteral("0"));
    QCOMPARE(box.Number(), 1);
    QCOMPARE(box.text(), QStringLiteral("1"));
}

KELVRA_QTEST(tst_Controls)
#include "tst_Controls.moc"
