// The GUI host services: boxes carry the caller's caption, icon and default answer; the busy
// pointer nests; the wait window follows show/value/close; clipboard and clock behave.

#include "base/qt/clsQtHost.h"
#include "base/qt/clsWaitDialog.h"
#include "support/QtTestRegistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {
// Runs fn on the first visible message box once it is up (the box's exec() blocks the test).
void OnNextBox(std::function<void(QMessageBox*)> fn)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, fn] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (box != nullptr && box->isVisible()) {
                timer->stop();
                timer->deleteLater();
                fn(box);
                return;
            }
        }
    });
    timer->start();
}
} // namespace

class tst_QtHost : public QObject
{
    Q_OBJECT

private slots:
    void messageCarriesCaptionIconAndText();
    void messageWithoutCaptionUsesTheProductName();
    void yesNoFocusesTheDefaultAndReturnsTheChoice_data();
    void yesNoFocusesTheDefaultAndReturnsTheChoice();
    void busyPointerNestsAndIgnoresUnmatchedEnds();
    void waitWindowFollowsShowValueAndClose();
    void waitWindowAppearsOnlyForAWalkThatLasts();
    void waitWindowWithoutLengthDoesNotDivideByZero();
    void clipboardRoundTripsJapaneseText();
    void clockIsMonotonicAndSleepWaits();
    void waitForEventsEndsWithTheFirstEventOrTheTimeout();
    void doEventsPassesOnceAFrameYetAnswersAChainOfCalls();
    void openerStartsAProgramWithItsParameters();
};

void tst_QtHost::messageCarriesCaptionIconAndText()
{
    clsQtHost host;
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    OnNextBox([&](QMessageBox* box) {
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->accept();
    });
    host.Host().Message.ShowMessage(MsgIcon::Warning, "ファイルが存在しません。\n/a/b.ini",
                                    "Kelvra / clsFileStream / LoadFromFile");
    QCOMPARE(caption, QStringLiteral("Kelvra / clsFileStream / LoadFromFile"));
    QCOMPARE(text, QStringLiteral("ファイルが存在しません。\n/a/b.ini"));
    QCOMPARE(icon, QMessageBox::Warning);

    OnNextBox([&](QMessageBox* box) {
        icon = box->icon();
        box->accept();
    });
    host.Host().Message.ShowMessage(MsgIcon::Error, "x", "c");
    QCOMPARE(icon, QMessageBox::Critical);
    OnNextBox([&](QMessageBox* box) {
        icon = box->icon();
        box->accept();
    });
    host.Host().Message.ShowMessage(MsgIcon::Information, "x", "c");
    QCOMPARE(icon, QMessageBox::Information);
}

void tst_QtHost::messageWithoutCaptionUsesTheProductName()
{
    clsQtHost host;
    QString caption;
    OnNextBox([&](QMessageBox* box) {
        caption = box->windowTitle();
        box->accept();
    });
    host.Host().Message.ShowMessage(MsgIcon::Error,
                                    "システムデータフォルダ(SysData)が見つかりません", "");
    QCOMPARE(caption, QStringLiteral("Kelvra"));
}

void tst_QtHost::yesNoFocusesTheDefaultAndReturnsTheChoice_data()
{
    QTest::addColumn<bool>("blnDefault");
    QTest::addColumn<int>("press"); // 0 Yes, 1 No, 2 Escape
    QTest::addColumn<bool>("expected");
    QTest::newRow("default yes, press no") << true << 1 << false;
    QTest::newRow("default no, press yes") << false << 0 << true;
    QTest::newRow("default yes, escape") << true << 2 << true;
    QTest::newRow("default no, escape") << false << 2 << false;
}

void tst_QtHost::yesNoFocusesTheDefaultAndReturnsTheChoice()
{
    QFETCH(bool, blnDefault);
    QFETCH(int, press);
    QFETCH(bool, expected);
    clsQtHost host;
    QMessageBox::StandardButton focused = QMessageBox::NoButton;
    QString caption;
    OnNextBox([&](QMessageBox* box) {
        caption = box->windowTitle();
        focused = box->standardButton(box->defaultButton());
        if (press == 2) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else {
            box->button(press == 0 ? QMessageBox::Yes : QMessageBox::No)->click();
        }
    });
    const bool answer = host.Host().Ask.YesNo("ダウンロードしますか？", "確認", blnDefault);
    QCOMPARE(answer, expected);
    QCOMPARE(caption, QStringLiteral("確認"));
    QCOMPARE(focused, blnDefault ? QMessageBox::Yes : QMessageBox::No);
}

void tst_QtHost::busyPointerNestsAndIgnoresUnmatchedEnds()
{
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    {
        clsQtHost host;
        host.Host().Busy.EndBusy(); // unmatched: must not pop a cursor that is not ours
        {
            BusyScope outer(host.Host().Busy);
            QVERIFY(QGuiApplication::overrideCursor() != nullptr);
            QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
            {
                BusyScope inner(host.Host().Busy);
                QCOMPARE(host.Busy().Depth(), 2);
            }
            // The inner end keeps the pointer: the outer work is still running.
            QVERIFY(QGuiApplication::overrideCursor() != nullptr);
        }
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        // A host destroyed inside a scope gives the pointer back.
        host.Host().Busy.BeginBusy();
    }
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

void tst_QtHost::waitWindowFollowsShowValueAndClose()
{
    clsQtHost host;
    host.Wait().SetShowAfter(std::chrono::milliseconds(0));
    {
        WaitScope wait(host.Host().Wait, "シングルを読み込んでいます", 2000);
        clsWaitDialog* dialog = host.Wait().Dialog();
        QVERIFY(dialog != nullptr);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->Message(), QStringLiteral("シングルを読み込んでいます"));
        QCOMPARE(dialog->Max(), 2000);
        wait.Value(1000);
        QCOMPARE(dialog->Value(), 1000);
        // Values past the end are held at the maximum rather than overflowing the bar.
        wait.Value(5000);
        QCOMPARE(dialog->Value(), 2000);
        host.Host().Wait.WaitMessage("並べ替えています");
        QCOMPARE(dialog->Message(), QStringLiteral("並べ替えています"));
        // A new walk in the same window starts from zero.
        host.Host().Wait.WaitShow("次", 10);
        QCOMPARE(host.Wait().Dialog(), dialog);
        QCOMPARE(dialog->Value(), 0);
        QCOMPARE(dialog->Max(), 10);
    }
    QVERIFY(host.Wait().Dialog() == nullptr);
    // Calls after close are harmless (a walk that closes early on error).
    host.Host().Wait.WaitValue(3);
    host.Host().Wait.WaitClose();
    QVERIFY(host.Wait().Dialog() == nullptr);
}

void tst_QtHost::waitWindowAppearsOnlyForAWalkThatLasts()
{
    clsQtHost host;
    host.Wait().SetShowAfter(std::chrono::milliseconds(150));
    {
        WaitScope wait(host.Host().Wait, "シングル構成の解析中", 100);
        for (int i = 0; i < 100; ++i) {
            wait.Value(i);
        }
        // A walk of a few milliseconds: no window was made, so none flashed.
        QVERIFY(host.Wait().Dialog() == nullptr);
        QVERIFY(host.Wait().Waiting());
    }
    QVERIFY(!host.Wait().Waiting());
    {
        WaitScope wait(host.Host().Wait, "DRDファイルの読込中", 100);
        wait.Value(40);
        host.Host().Wait.WaitMessage("並べ替えています");
        QTest::qWait(200);
        // The walk goes on past the delay: its next step shows the window as it stands now.
        wait.Value(60);
        clsWaitDialog* dialog = host.Wait().Dialog();
        QVERIFY(dialog != nullptr);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->Message(), QStringLiteral("並べ替えています"));
        QCOMPARE(dialog->Max(), 100);
        QCOMPARE(dialog->Value(), 60);
    }
    QVERIFY(host.Wait().Dialog() == nullptr);
    // A new walk starts its own delay: a quick one after a long one stays hidden.
    host.Host().Wait.WaitShow("次", 10);
    host.Host().Wait.WaitValue(5);
    QVERIFY(host.Wait().Dialog() == nullptr);
    host.Host().Wait.WaitClose();
}

void tst_QtHost::waitWindowWithoutLengthDoesNotDivideByZero()
{
    clsWaitDialog dialog;
    dialog.SetMax(0);
    dialog.SetValue(5);
    QCOMPARE(dialog.Max(), 0);
    dialog.SetMax(-3);
    dialog.SetValue(1);
    QCOMPARE(dialog.Max(), 0);
}

void tst_QtHost::clipboardRoundTripsJapaneseText()
{
    clsQtHost host;
    const std::string text = "第1234回\t◎○▲\r\n１－２～ｷｬﾝｾﾙ";
    host.Host().Clipboard.SetText(text);
    QCOMPARE(QString::fromStdString(host.Host().Clipboard.GetText()), QString::fromStdString(text));
}

void tst_QtHost::clockIsMonotonicAndSleepWaits()
{
    clsQtHost host;
    clsIPump& pump = host.Host().Pump;
    const std::int64_t t0 = pump.TickMs();
    pump.SleepMs(30);
    const std::int64_t t1 = pump.TickMs();
    QVERIFY2(t1 - t0 >= 29, qPrintable(QString::number(t1 - t0)));
    pump.SleepMs(0);
    pump.SleepMs(-5);
    QVERIFY(pump.TickMs() >= t1);
    // Posted work runs inside DoEvents: that is how Stop reaches a run.
    bool ran = false;
    QTimer::singleShot(0, [&ran] { ran = true; });
    pump.DoEvents();
    QVERIFY(ran);
}

void tst_QtHost::waitForEventsEndsWithTheFirstEventOrTheTimeout()
{
    clsQtHost host;
    clsIPump& pump = host.Host().Pump;
    // An event that comes during the wait ends it and runs in it: a click while paused.
    bool ran = false;
    QTimer::singleShot(20, [&ran] { ran = true; });
    std::int64_t t0 = pump.TickMs();
    pump.WaitForEvents(5000);
    const std::int64_t answered = pump.TickMs() - t0;
    QVERIFY(ran);
    QVERIFY2(answered < 2500, qPrintable(QString::number(answered)));
    // With nothing to come, the timeout ends it.
    t0 = pump.TickMs();
    pump.WaitForEvents(60);
    const std::int64_t waited = pump.TickMs() - t0;
    QVERIFY2(waited >= 55 && waited < 2500, qPrintable(QString::number(waited)));
    pump.WaitForEvents(0);
    pump.WaitForEvents(-5);
}

// Long work calls DoEvents far more often than a frame; a screen reader's queries come as calls
// from its thread, each asked only once the last is answered.
void tst_QtHost::doEventsPassesOnceAFrameYetAnswersAChainOfCalls()
{
    clsQtHost host;
    clsIPump& pump = host.Host().Pump;
    QObject receiver;
    pump.DoEvents();
    QElapsedTimer sincePass;
    sincePass.start();
    bool ran = false;
    QMetaObject::invokeMethod(
        &receiver, [&ran] { ran = true; }, Qt::QueuedConnection);
    pump.DoEvents();
    if (sincePass.elapsed() < clsQtPump::kPassIntervalMs - 5) {
        QVERIFY(!ran); // within the frame: no pass
    }
    QTest::qWait(static_cast<int>(clsQtPump::kPassIntervalMs) + 5);

    // Fifty questions, each asked when the last is answered: one pass answers them all.
    int answered = 0;
    std::function<void()> ask = [&] {
        if (++answered < 50) {
            QMetaObject::invokeMethod(&receiver, ask, Qt::QueuedConnection);
        }
    };
    QMetaObject::invokeMethod(&receiver, ask, Qt::QueuedConnection);
    pump.DoEvents();
    QCOMPARE(answered, 50);
    // A question that does not come keeps the pass only briefly.
    const std::int64_t t0 = pump.TickMs();
    QMetaObject::invokeMethod(
        &receiver, [] {}, Qt::QueuedConnection);
    QTest::qWait(static_cast<int>(clsQtPump::kPassIntervalMs) + 5);
    QMetaObject::invokeMethod(
        &receiver, [] {}, Qt::QueuedConnection);
    pump.DoEvents();
    QVERIFY(pump.TickMs() - t0 < 1000);
}

void tst_QtHost::openerStartsAProgramWithItsParameters()
{
    clsQtHost host;
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("a b.txt"));
    // A parameter in double quotes keeps its blank (the desktop's quoting): one file, not two.
    QVERIFY(host.Host().Opener.Open("touch", "\"" + target.toStdString() + "\""));
    QTRY_VERIFY(QFileInfo::exists(target));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("a"))));
    QVERIFY(!host.Host().Opener.Open("/no/such/program", "x"));
    QVERIFY(!host.Host().Opener.Open("", ""));
}

KELVRA_QTEST(tst_QtHost)
#include "tst_QtHost.moc"
