// The small widget kit and the Japanese set-up of the application: status panels by index,
// the side menu's bounds, the loading window, Qt's own texts and the Windows font names.

#include "app/qt/basQtLocale.h"
#include "base/qt/clsWaitDialog.h"
#include "support/QtTestRegistry.h"
#include "widgets/clsLoadingWindow.h"
#include "widgets/clsSideMenu.h"
#include "widgets/clsStatusBar.h"

#include <QDialogButtonBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

class tst_Widgets : public QObject
{
    Q_OBJECT

private slots:
    void statusPanelsAreAddressedByIndex();
    void fixedStatusPanelGrowsToHoldItsText();
    void sideMenuIgnoresPagesThatDoNotExist();
    void waitBarMovesOnlyWhenTheShownValueChanges();
    void loadingWindowIsPaintedAtOnce();
    void qtStandardTextsAreJapanese();
    void windowsFontNamesMapToTheJapaneseFont();
};

void tst_Widgets::statusPanelsAreAddressedByIndex()
{
    clsStatusBar bar;
    QCOMPARE(bar.AddPanel(0), 0);
    QCOMPARE(bar.AddPanel(120), 1);
    bar.SetPanelText(0, QStringLiteral(" 第 1234 回 "));
    bar.SetPanelText(1, QStringLiteral("　使用投票率：ユーザー定義"));
    bar.SetPanelText(5, QStringLiteral("x")); // no such panel: ignored
    bar.SetPanelText(-1, QStringLiteral("x"));
    QCOMPARE(bar.PanelText(0), QStringLiteral(" 第 1234 回 "));
    QCOMPARE(bar.PanelText(1), QStringLiteral("　使用投票率：ユーザー定義"));
    QCOMPARE(bar.PanelText(5), QString());
    QCOMPARE(bar.PanelCount(), 2);
    QVERIFY(bar.findChild<QLabel*>(QStringLiteral("statusPanel1")) != nullptr);
}

void tst_Widgets::fixedStatusPanelGrowsToHoldItsText()
{
    clsStatusBar bar;
    bar.AddPanel(0);
    const int fixed = bar.AddPanel(60, QStringLiteral("使用投票率"));
    QLabel* label = bar.findChild<QLabel*>(QStringLiteral("statusPanel1"));
    QCOMPARE(label->accessibleName(), QStringLiteral("使用投票率"));
    bar.SetPanelText(fixed, QStringLiteral("短い"));
    QCOMPARE(label->width(), 60);
    const QString text = QStringLiteral("　使用投票率：2021/01/16 13:50(最終)");
    bar.SetPanelText(fixed, text);
    QVERIFY(label->contentsRect().width() >= label->fontMetrics().horizontalAdvance(text));
    bar.SetPanelText(fixed, QStringLiteral("短い")); // back to the width it was given
    QCOMPARE(label->width(), 60);
    bar.SetPanelAlignment(fixed, Qt::AlignCenter);
    QCOMPARE(label->alignment(), Qt::AlignCenter);
}

void tst_Widgets::sideMenuIgnoresPagesThatDoNotExist()
{
    QStackedWidget pages;
    clsSideMenu menu(&pages);
    menu.AddPage(QStringLiteral("ホーム"), new QWidget);
    menu.AddPage(QStringLiteral("マルチ"), new QWidget);
    QSignalSpy changed(&menu, &clsSideMenu::PageChanged);
    QVERIFY(!menu.ShowPage(2));
    QVERIFY(!menu.ShowPage(-1));
    QCOMPARE(menu.CurrentPage(), 0);
    QVERIFY(menu.ShowPage(1));
    QVERIFY(menu.ShowPage(1));
    QCOMPARE(changed.count(), 1); // showing the page already shown is no change
    QCOMPARE(changed.at(0).at(0).toInt(), 1);
    QCOMPARE(menu.currentRow(), 1);
}

void tst_Widgets::waitBarMovesOnlyWhenTheShownValueChanges()
{
    clsWaitDialog dialog;
    dialog.SetMax(1594323);
    QSignalSpy moved(dialog.findChild<QProgressBar*>(QStringLiteral("barWait")),
                     &QProgressBar::valueChanged);
    for (int i = 0; i <= 1594323; i += 97) {
        dialog.SetValue(i);
    }
    dialog.SetValue(1594323);
    // One move per tenth of a percent at most, and the end is always shown.
    QVERIFY2(moved.count() <= 1001, qPrintable(QString::number(moved.count())));
    QVERIFY(moved.count() >= 900);
    QCOMPARE(dialog.Value(), 1594323);
    dialog.SetMessage(QStringLiteral("シングルを読み込んでいます\n2/3"));
    QCOMPARE(dialog.findChild<QProgressBar*>(QStringLiteral("barWait"))->accessibleName(),
             QStringLiteral("シングルを読み込んでいます"));
}

void tst_Widgets::loadingWindowIsPaintedAtOnce()
{
    clsLoadingWindow loading(QStringLiteral("Version 1.00"));
    loading.ShowNow();
    QVERIFY(loading.isVisible());
    auto* version = loading.findChild<QLabel*>(QStringLiteral("lblLoadingVersion"));
    QVERIFY(version != nullptr);
    QCOMPARE(version->text(), QStringLiteral("Version 1.00"));
    loading.close();
    QVERIFY(!loading.isVisible());
}

void tst_Widgets::qtStandardTextsAreJapanese()
{
    QVERIFY(basQtLocale::InstallQtTranslation(*qApp));
    QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
    QCOMPARE(box.button(QDialogButtonBox::Yes)->text().remove(QLatin1Char('&')),
             QStringLiteral("はい(Y)").remove(QLatin1Char('&')));
    QVERIFY(box.button(QDialogButtonBox::No)->text().startsWith(QStringLiteral("いいえ")));
    QVERIFY(box.button(QDialogButtonBox::Cancel)->text().startsWith(QStringLiteral("キャンセル")));
}

void tst_Widgets::windowsFontNamesMapToTheJapaneseFont()
{
    basQtLocale::SubstituteWindowsFonts();
    for (const QString& face : {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                                QStringLiteral("ＭＳ 明朝")}) {
        const QFontInfo info{QFont(face)};
        QVERIFY2(info.family().startsWith(QStringLiteral("IPA")),
                 qPrintable(face + QStringLiteral(" -> ") + info.family()));
        // Columns cut by Shift_JIS bytes line up only when a full-width character is exactly
        // two half-width ones wide.
        const QFontMetrics metrics{QFont(face)};
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("i")),
                 metrics.horizontalAdvance(QStringLiteral("W")));
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("本")),
                 2 * metrics.horizontalAdvance(QStringLiteral("1")));
    }
}

KELVRA_QTEST(tst_Widgets)
#include "tst_Widgets.moc"
