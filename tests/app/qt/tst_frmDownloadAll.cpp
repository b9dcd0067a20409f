// The home page's 過去の回をまとめてダウンロード against the fixture site: the dialog's range
// and run, the work held while it runs, a window that keeps answering, a stop, and a dialog
// that fits with every control named.

#include "app/clsDocument.h"
#include "app/qt/frmMain.h"
#include "net/FixtureSite.h"
#include "store/qt/frmDownloadAll.h"
#include "support/QtTestRegistry.h"
#include "support/RecordingHost.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {
struct DownloadWindow
{
    explicit DownloadWindow(int lngKaisaikai)
    {
        site.ServeRounds(3001, 3006);
        window = std::make_unique<frmMain>(host.Host(), site.Home.Str(), site.Settings);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->findChild<QSpinBox*>(QStringLiteral("txtKaisaikai"))->setValue(lngKaisaikai);
    }
    frmDownloadAll* Open()
    {
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdDownloadAll")),
                          Qt::LeftButton);
        return window->findChild<frmDownloadAll*>();
    }
    template <class T> T* In(frmDownloadAll* dialog, const char* strName) const
    {
        return dialog->findChild<T*>(QString::fromLatin1(strName));
    }
    void SetRange(frmDownloadAll* dialog, int lngFrom, int lngTo, int lngPause) const
    {
        In<QSpinBox>(dialog, "txtFrom")->setValue(lngFrom);
        In<QSpinBox>(dialog, "txtTo")->setValue(lngTo);
        In<QSpinBox>(dialog, "txtPause")->setValue(lngPause);
    }
    bool Locked() const { return window->Document().Edit().WorkLock(); }

    FixtureSite site;
    RecordingHost host;
    std::unique_ptr<frmMain> window;
};

// KELVRA_SCREENSHOTS=folder keeps a picture, named after the dpi it was taken at.
void Shot(QWidget* widget, const QString& strName)
{
    const QString folder = qEnvironmentVariable("KELVRA_SCREENSHOTS");
    if (!folder.isEmpty()) {
        const QString dpi = QString::number(qRound(96 * widget->devicePixelRatioF()));
        widget->grab().save(folder + QStringLiteral("/%1-%2dpi.png").arg(strName, dpi));
    }
}

QString AccessibleName(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface != nullptr ? iface->text(QAccessible::Name) : QString();
}
} // namespace

class tst_frmDownloadAll : public QObject
{
    Q_OBJECT

private slots:
    void fetchesTheRangeAndShowsTheSummary();
    void windowAnswersDuringTheRunAndStopEndsIt();
    void refusesABadRangeWithAMessage();
    void dialogFitsWithEveryControlNamed();
};

void tst_frmDownloadAll::fetchesTheRangeAndShowsTheSummary()
{
    DownloadWindow w(3004);
    w.site.Refuse("schedule_3002");
    frmDownloadAll* dialog = w.Open();
    QVERIFY(dialog != nullptr);
    QVERIFY(dialog->isModal());
    // The rounds before the one shown, ten at most.
    QCOMPARE(w.In<QSpinBox>(dialog, "txtTo")->value(), 3003);
    QCOMPARE(w.In<QSpinBox>(dialog, "txtFrom")->value(), 2994);
    QCOMPARE(w.In<QSpinBox>(dialog, "txtPause")->value(), 1000);
    w.SetRange(dialog, 3001, 3004, 0);
    QVERIFY(w.window->findChild<QPushButton*>(QStringLiteral("cmdOfficialDownload0"))->isEnabled());

    QTest::mouseClick(w.In<QPushButton>(dialog, "cmdStart"), Qt::LeftButton);
    QVERIFY(dialog->IsRunning());
    // The work is held: no command may run, and the dialog cannot be closed but stops instead.
    QVERIFY(w.Locked());
    QVERIFY(!w.window->Gate().MayRun(clsCommandGate::Command::Download));
    QVERIFY(!w.In<QPushButton>(dialog, "cmdStart")->isEnabled());
    QVERIFY(!w.In<QPushButton>(dialog, "cmdClose")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->IsRunning(), 20000);
    QVERIFY(!w.Locked());

    const QString summary = w.In<QPlainTextEdit>(dialog, "txtSummary")->toPlainText();
    QVERIFY2(summary.contains(QStringLiteral("第3001回　保存（開催情報 投票状況 くじ結果）")),
             qPrintable(summary));
    QVERIFY2(summary.contains(QStringLiteral("第3002回　失敗\n　　開催情報: ")),
             qPrintable(summary));
    QVERIFY(summary.contains(QStringLiteral("403")));
    QCOMPARE(w.In<QLabel>(dialog, "lblStatus")->text(),
             QStringLiteral("保存 3 回、保存済み 0 回、未開催 0 回、失敗 1 回"));
    QCOMPARE(w.In<QProgressBar>(dialog, "prgDownload")->value(), 4);
    QCOMPARE(dialog->Summary().Rounds.size(), std::size_t{4});
    QVERIFY(w.site.StoreFileExists("toto_Result", "toto_result_3003.xml"));
    QVERIFY(!w.site.StoreFileExists("toto_Schedule", "toto_schedule_3002.xml"));
    // The round shown got its files: the home page shows them and its buttons follow.
    QVERIFY(
        !w.window->findChild<QPushButton*>(QStringLiteral("cmdOfficialDownload0"))->isEnabled());
    QCOMPARE(w.window->Document().Round().Schedule().Kaisaikai, 3004);
    QVERIFY2(w.host.Messages.empty(), w.host.AllMessageText().c_str());
    Shot(dialog, QStringLiteral("download-all-summary"));

    // A second run asks for the missing round only.
    const std::size_t before = w.site.AskedPages().size();
    QTest::mouseClick(w.In<QPushButton>(dialog, "cmdStart"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->IsRunning(), 20000);
    QCOMPARE(w.site.AskedPages().size(), before + 1);
    QTest::mouseClick(w.In<QPushButton>(dialog, "cmdClose"), Qt::LeftButton);
    QTRY_VERIFY(w.window->findChild<frmDownloadAll*>() == nullptr);
}

void tst_frmDownloadAll::windowAnswersDuringTheRunAndStopEndsIt()
{
    DownloadWindow w(3010);
    frmDownloadAll* dialog = w.Open();
    w.SetRange(dialog, 3001, 3006, 300);
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    QTest::mouseClick(w.In<QPushButton>(dialog, "cmdStart"), Qt::LeftButton);
    clock.start();
    tick.start(10);
    // Let the second round begin, then stop; Escape asks for the stop, it does not close.
    QTRY_VERIFY_WITH_TIMEOUT(w.site.AskedPages().size() >= 4, 20000);
    tick.stop();
    QVERIFY2(longest < 100, qPrintable(QString::number(longest)));
    QTest::keyClick(dialog, Qt::Key_Escape);
    QVERIFY(dialog->isVisible());
    QVERIFY(!w.In<QPushButton>(dialog, "cmdStop")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->IsRunning(), 20000);
    QVERIFY(dialog->Summary().Stopped);
    QVERIFY(!w.Locked());
    const QString status = w.In<QLabel>(dialog, "lblStatus")->text();
    QVERIFY2(status.startsWith(QStringLiteral("中止しました。")), qPrintable(status));
    QVERIFY(status.contains(QStringLiteral("回は取得していません。")));
    QVERIFY(w.site.AskedPages().size() <= 6);
    QVERIFY(!w.site.StoreFileExists("toto_Schedule", "toto_schedule_3004.xml"));
    QVERIFY(w.In<QPushButton>(dialog, "cmdClose")->isEnabled());
}

void tst_frmDownloadAll::refusesABadRangeWithAMessage()
{
    DownloadWindow w(3004);
    frmDownloadAll* dialog = w.Open();
    w.SetRange(dialog, 3003, 3001, 0);
    QTest::mouseClick(w.In<QPushButton>(dialog, "cmdStart"), Qt::LeftButton);
    QVERIFY(!dialog->IsRunning());
    QVERIFY(!w.Locked());
    QCOMPARE(w.In<QLabel>(dialog, "lblStatus")->text(),
             QStringLiteral("開始回は終了回以下にして下さい。"));
    QVERIFY(w.site.AskedPages().empty());
    // Closing a dialog that never ran leaves the work free.
    dialog->close();
    QVERIFY(w.window->Gate().MayRun(clsCommandGate::Command::Download));
}

void tst_frmDownloadAll::dialogFitsWithEveryControlNamed()
{
    DownloadWindow w(1250);
    auto* command = w.window->findChild<QPushButton*>(QStringLiteral("cmdDownloadAll"));
    QVERIFY(command->isVisible());
    QVERIFY(command->width() >= command->minimumSizeHint().width());
    QVERIFY(!command->toolTip().isEmpty());
    Shot(w.window.get(), QStringLiteral("home"));
    frmDownloadAll* dialog = w.Open();
    QTRY_VERIFY(dialog->isVisible());
    for (QWidget* control : dialog->findChildren<QWidget*>()) {
        if (qobject_cast<QSpinBox*>(control) != nullptr ||
            qobject_cast<QPushButton*>(control) != nullptr ||
            qobject_cast<QProgressBar*>(control) != nullptr ||
            qobject_cast<QPlainTextEdit*>(control) != nullptr) {
            QVERIFY2(!AccessibleName(control).isEmpty(), qPrintable(control->objectName()));
        }
    }
    QCOMPARE(AccessibleName(w.In<QSpinBox>(dialog, "txtPause")), QStringLiteral("読み込みの間隔"));
    QVERIFY(!w.In<QPushButton>(dialog, "cmdStop")->toolTip().isEmpty());
    // Whole on the screen, and no control squeezed below what its text needs (96 dpi here;
    // run with QT_SCALE_FACTOR=1.5 for 144).
    const QRect screen = dialog->screen()->availableGeometry();
    QVERIFY2(dialog->frameGeometry().width() <= screen.width() &&
                 dialog->frameGeometry().height() <= screen.height(),
             qPrintable(QStringLiteral("%1x%2").arg(dialog->width()).arg(dialog->height())));
    for (QWidget* control : dialog->findChildren<QWidget*>()) {
        if (control->isVisible() && control->sizeHint().isValid() &&
            qobject_cast<QPlainTextEdit*>(control) == nullptr) {
            QVERIFY2(control->width() >= control->minimumSizeHint().width(),
                     qPrintable(control->objectName()));
        }
    }
    Shot(dialog, QStringLiteral("download-all"));
}

KELVRA_QTEST(tst_frmDownloadAll)
#include "tst_frmDownloadAll.moc"
