// The window's work end to end, with the program's own event pump and clock: the sample file
// opened through 開く, searched with a fixed seed and saved holds what kelvra-cli run writes
// for the same file and seed, and reopens into the same panels; a trial search paused for two
// seconds rests, and pause, resume and stop act at once; file work under the work lock keeps
// the editors disabled and the window open.

#include "app/clsCommandGate.h"
#include "app/qt/clsMultiView.h"
#include "app/qt/frmMain.h"
#include "base/qt/clsQtPump.h"
#include "support/MainWindowFixture.h"
#include "support/QtTestRegistry.h"
#include "widgets/clsGridModel.h"
#include "widgets/clsGridView.h"
#include "widgets/clsNumberBox.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>
#include <QWindow>

#include <ctime>
#include <filesystem>
#include <functional>
#include <numeric>
#include <optional>

namespace {
namespace fs = std::filesystem;

constexpr std::uint64_t kSeed = 20261210;

double CpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

// The program's pump (real events, real clock, real waits) with a hook after each event pass,
// and the clock ticks at which waits for events began: a paused engine waits in them.
class ClockPump final : public clsIPump
{
public:
    void DoEvents() override
    {
        m_pump.DoEvents();
        if (OnDoEvents) {
            OnDoEvents();
        }
    }
    std::int64_t TickMs() const override { return m_pump.TickMs(); }
    void SleepMs(std::int32_t lngMs) override { m_pump.SleepMs(lngMs); }
    void WaitForEvents(std::int32_t lngMs) override
    {
        WaitStarts.push_back(m_pump.TickMs());
        m_pump.WaitForEvents(lngMs);
        if (OnDoEvents) {
            OnDoEvents();
        }
    }
    std::function<void()> OnDoEvents;
    std::vector<std::int64_t> WaitStarts;

private:
    clsQtPump m_pump;
};

// Counts the close requests that reach the window.
class CloseCounter final : public QObject
{
public:
    int Closes = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close) {
            ++Closes;
        }
        return QObject::eventFilter(watched, event);
    }
};

struct Window : MainWindowFixture
{
    ClockPump pump;

    // blnRealClock: the program's pump; else the recording host's, which moves no clock.
    explicit Window(bool blnRealClock, std::optional<std::uint64_t> lngSeed = std::nullopt)
    {
        const clsHost made =
            blnRealClock ? clsHost{host, host, pump, host, host, host, host} : host.Host();
        Open(std::make_unique<frmMain>(made, dir.Str(), basTotoSettings::Defaults(),
                                       std::string(clsDrovaneDownload::kDefaultSite), lngSeed));
        window->ShowPage(frmMain::PageMulti);
    }
    // The window goes before the pump it may still call.
    ~Window() { window.reset(); }
    QListWidget* Log() const { return Find<QListWidget>("lstMsg"); }
    void MarkMulti(int lngFull) const
    {
        auto* multi = Find<clsMultiView>("picMulti");
        for (int row = 1; row <= 13; ++row) {
            for (int col = 0; col < (row <= lngFull ? 3 : 1); ++col) {
                const QRect rect = multi->visualRect(multi->Model()->index(row, col));
                QTest::mouseClick(multi->viewport(), Qt::LeftButton, {}, rect.center());
            }
        }
    }
    void Type(const char* strName, const QString& strText) const
    {
        auto* box = Find<clsNumberBox>(strName);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, strText);
    }
    // The menu command as the user picks it: only an enabled item can be picked.
    bool Trigger(const char* strName) const
    {
        auto* action = Find<QAction>(strName);
        if (!action->isEnabled()) {
            return false;
        }
        action->trigger();
        return true;
    }
    bool EditorsDisabled() const
    {
        return !Find<QWidget>("picMulti")->isEnabled() &&
               !Find<QWidget>("joukenPanel")->isEnabled() &&
               !Find<QWidget>("tabCompression")->isEnabled() &&
               !Find<QWidget>("txtKaisaikai")->isEnabled();
    }
    bool EditorsEnabled() const
    {
        return Find<QWidget>("picMulti")->isEnabled() &&
               Find<QWidget>("joukenPanel")->isEnabled() &&
               Find<QWidget>("tabCompression")->isEnabled() &&
               Find<QWidget>("txtKaisaikai")->isEnabled();
    }
    // Every menu command the window shows is disabled.
    bool MenusDisabled() const
    {
        for (QAction* action : window->findChildren<QAction*>()) {
            if (action->objectName().startsWith(QStringLiteral("mnu")) &&
                action->menu() == nullptr && action->isVisible() && action->isEnabled()) {
                return false;
            }
        }
        return true;
    }
};

// What the user sees of the work: every check state, box, list, grid cell, label and tab of
// the window, in widget order.
QStringList Panels(const QWidget* root)
{
    QStringList out;
    for (const QWidget* w : root->findChildren<QWidget*>()) {
        const QString name = w->objectName().isEmpty()
                                 ? QString::fromLatin1(w->metaObject()->className())
                                 : w->objectName();
        if (const auto* b = qobject_cast<const QAbstractButton*>(w); b && b->isCheckable()) {
            out << name + QStringLiteral(" checked=") + QString::number(b->isChecked());
        } else if (const auto* s = qobject_cast<const QAbstractSpinBox*>(w)) {
            out << name + QStringLiteral(" text=") + s->text();
        } else if (const auto* e = qobject_cast<const QLineEdit*>(w);
                   e && qobject_cast<const QAbstractSpinBox*>(e->parentWidget()) == nullptr &&
                   qobject_cast<const QComboBox*>(e->parentWidget()) == nullptr) {
            out << name + QStringLiteral(" text=") + e->text();
        } else if (const auto* c = qobject_cast<const QComboBox*>(w)) {
            out << name + QStringLiteral(" current=") + c->currentText();
        } else if (const auto* t = qobject_cast<const QTabBar*>(w)) {
            out << name + QStringLiteral(" tab=") + QString::number(t->currentIndex());
        } else if (const auto* l = qobject_cast<const QLabel*>(w)) {
            out << name + QStringLiteral(" label=") + l->text();
        } else if (const auto* v = qobject_cast<const QAbstractItemView*>(w);
                   v && v->model() != nullptr) {
            const QAbstractItemModel* m = v->model();
            for (int r = 0; r < m->rowCount(); ++r) {
                QStringList cells;
                for (int col = 0; col < m->columnCount(); ++col) {
                    cells << m->data(m->index(r, col), Qt::DisplayRole).toString();
                }
                out << name + QStringLiteral(" row ") + QString::number(r) + QStringLiteral(": ") +
                           cells.join(QLatin1Char('|'));
            }
        }
    }
    return out;
}

QString FirstDifference(const QStringList& a, const QStringList& b)
{
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i] != b[i]) {
            return a[i] + QStringLiteral("  <>  ") + b[i];
        }
    }
    return QStringLiteral("%1 against %2 entries").arg(a.size()).arg(b.size());
}

QByteArray ReadAll(const fs::path& file)
{
    QFile f(QString::fromStdString(file.string()));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A data file without its time stamps: the log's lines begin with the seconds since the run
// began, which a run against the real clock need not repeat.
QList<QByteArray> WithoutTimes(const QByteArray& bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    static const QRegularExpression stamp(QStringLiteral("^[0-9]{4} "));
    for (QByteArray& line : lines) {
        const QString latin = QString::fromLatin1(line);
        if (stamp.match(latin).hasMatch()) {
            line = line.mid(5);
        }
    }
    return lines;
}

int RunCli(const fs::path& home, std::uint64_t lngSeed, const fs::path& file, QString& strOut)
{
    QProcess cli;
    cli.start(QStringLiteral(KELVRA_CLI_EXE),
              {QStringLiteral("--home"), QString::fromStdString(home.string()),
               QStringLiteral("run"), QStringLiteral("--seed"), QString::number(lngSeed),
               QString::fromStdString(file.string())});
    if (!cli.waitForFinished(120'000)) {
        cli.kill();
        return -1;
    }
    strOut = QString::fromUtf8(cli.readAllStandardOutput() + cli.readAllStandardError());
    return cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
}

QString GridText(clsGridView* grid, int lngRow, int lngColumn)
{
    return grid->Model()->data(grid->Model()->index(lngRow, lngColumn), Qt::DisplayRole).toString();
}
} // namespace

class tst_frmMainEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void theWindowsRunIsTheCommandLinesAndReopensWhole();
    void aTrialSearchRestsWhilePausedAndStopsAtOnce();
    void aStopDuringTheFullMultiEndsTheRunAtOnce();
    void fileWorkKeepsTheEditorsDisabledAndTheWindowOpen();
    void screenshots();
};

void tst_frmMainEndToEnd::theWindowsRunIsTheCommandLinesAndReopensWhole()
{
    Window w(true, kSeed);
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    // The sample as it ships, with the random extraction after compression ticked: a seed
    // that did not reach the run would show in the drawn tickets.
    QByteArray sample = ReadAll(w.dir.Path() / "UserData" / "Kelvra" / "sample.drd");
    QVERIFY(sample.contains("ChushutsuFlag = 0\r\n"));
    sample.replace("ChushutsuFlag = 0\r\n", "ChushutsuFlag = 1\r\n");
    const fs::path work = w.dir.Path() / "UserData" / "work.drd";
    w.dir.Write("UserData/work.drd", sample.toStdString());
    w.dir.Write("UserData/cli.drd", sample.toStdString());
    w.dir.Write("UserData/other.drd", sample.toStdString());

    w.window->ShowPage(frmMain::PageHome);
    w.dialog.Push(work.string());
    QVERIFY(w.Trigger("mnuFile_Open"));
    QVERIFY2(w.host.Messages.empty(), w.host.AllMessageText().c_str());
    QCOMPARE(w.window->CurrentPage(), int(frmMain::PageMulti));
    QVERIFY(w.Find<QAbstractButton>("optEngine1")->isChecked());
    QVERIFY(w.Find<QAbstractButton>("chkChushutsu")->isChecked());
    QCOMPARE(w.Find<QSpinBox>("txtKaisaikai")->value(), 9001);
    QVERIFY(w.Doc().Marks().MultiCount() > 10);

    w.Click("cmdRun");
    QVERIFY2(w.host.Messages.empty(), w.host.AllMessageText().c_str());
    QCOMPARE(w.Doc().Tickets().SingleCount(), 10);
    auto* log = w.Log();
    QVERIFY(log->count() > 4);
    QCOMPARE(log->count(), static_cast<int>(w.Doc().Search().Log().Lines().size()));
    bool closing = false;
    for (int i = 0; i < log->count(); ++i) {
        closing = closing || log->item(i)->text().contains(QStringLiteral("該当するパターンは 10 "
                                                                          "存在します"));
    }
    QVERIFY(closing);
    auto* meisai = w.Find<clsGridView>("grdMeisai");
    QCOMPARE(GridText(meisai, 6, 1), QStringLiteral(" 10"));
    QVERIFY(GridText(meisai, 7, 1).startsWith(QStringLiteral(" 1／")));
    QVERIFY(!GridText(meisai, 13, 1).contains(QStringLiteral("---")));

    const fs::path saved = w.dir.Path() / "UserData" / "saved.drd";
    w.dialog.Push(saved.string());
    QVERIFY(w.Trigger("mnuFile_SaveAs"));
    QVERIFY(fs::exists(saved));

    // kelvra-cli run with the same seed writes the same work; another seed draws others.
    QString out;
    const fs::path cli = w.dir.Path() / "UserData" / "cli.drd";
    QCOMPARE(RunCli(w.dir.Path(), kSeed, cli, out), 0);
    QVERIFY2(out.contains(QStringLiteral("成功")), qPrintable(out));
    const QList<QByteArray> windowLines = WithoutTimes(ReadAll(saved));
    const QList<QByteArray> cliLines = WithoutTimes(ReadAll(cli));
    QVERIFY(windowLines.size() > 100);
    for (qsizetype i = 0; i < std::min(windowLines.size(), cliLines.size()); ++i) {
        QVERIFY2(windowLines[i] == cliLines[i],
                 qPrintable(QStringLiteral("line %1: %2 <> %3")
                                .arg(i + 1)
                                .arg(QString::fromLatin1(windowLines[i]),
                                     QString::fromLatin1(cliLines[i]))));
    }
    QCOMPARE(windowLines.size(), cliLines.size());
    const fs::path other = w.dir.Path() / "UserData" / "other.drd";
    QCOMPARE(RunCli(w.dir.Path(), kSeed + 1, other, out), 0);
    QVERIFY(WithoutTimes(ReadAll(other)) != windowLines);

    // Reopened after New on another round, the saved file brings back every panel (the count
    // of what the conditions keep once it has come in from its thread).
    QTRY_VERIFY(!w.Doc().Conditions().LiveBusy());
    const QStringList before = Panels(w.window.get());
    QVERIFY(w.Trigger("mnuFile_New"));
    w.Find<QSpinBox>("txtKaisaikai")->setValue(1);
    QCOMPARE(w.Doc().Round().Kaisaikai(), 1);
    QVERIFY(Panels(w.window.get()) != before);
    w.dialog.Push(saved.string());
    QVERIFY(w.Trigger("mnuFile_Open"));
    QVERIFY2(w.host.Messages.empty(), w.host.AllMessageText().c_str());
    QTRY_VERIFY(!w.Doc().Conditions().LiveBusy());
    const QStringList after = Panels(w.window.get());
    QVERIFY2(after == before, qPrintable(FirstDifference(before, after)));
    QCOMPARE(w.Doc().Round().Kaisaikai(), 9001);
    QCOMPARE(w.Doc().Tickets().SingleCount(), 10);
}

void tst_frmMainEndToEnd::aTrialSearchRestsWhilePausedAndStopsAtOnce()
{
    Window w(true);
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    w.MarkMulti(6);
    w.Click("optEngine2");
    w.Type("txtBeginCount", QStringLiteral("200"));
    w.Type("txtEndTime", QStringLiteral("60"));
    auto* run = w.Find<QPushButton>("cmdRun");
    auto* cancel = w.Find<QPushButton>("cmdCancel");
    auto* log = w.Log();

    QElapsedTimer clock;
    enum class Step
    {
        Searching,
        PauseAsked,
        Paused,
        Resumed,
        StopAsked
    };
    Step step = Step::Searching;
    qint64 pauseAt = 0;
    qint64 pauseActed = -1;
    // Processor time of the latencies too: on a loaded machine the wall clock also counts the
    // time other processes ran, which says nothing about where the search checks its buttons.
    double pauseCpu = 0;
    double pauseActedCpu = -1;
    double stopCpu = 0;
    qint64 restFrom = 0;
    double restCpu = 0;
    double pausedCpu = -1;
    int restLines = 0;
    int pausedLines = -1;
    qint64 resumeAt = 0;
    qint64 resumeActed = -1;
    std::size_t waitsSeen = 0;
    double resumeCpu = 0;
    qint64 stopAt = 0;
    bool refused = false;
    bool disabled = false;
    w.pump.OnDoEvents = [&] {
        const qint64 now = clock.elapsed();
        const std::size_t waits = w.pump.WaitStarts.size();
        switch (step) {
        case Step::Searching:
            if (w.Doc().Search().RunningEngine() == clsTMsEngine::EngineKind::None) {
                break;
            }
            // What a run refuses: closing, another page, the menus and every editor.
            refused = !w.window->close() && w.window->isVisible() &&
                      !w.window->ShowPage(frmMain::PageHome) &&
                      w.window->CurrentPage() == frmMain::PageMulti && w.MenusDisabled();
            disabled = w.EditorsDisabled() && cancel->isEnabled();
            QTest::mouseClick(run, Qt::LeftButton);
            pauseAt = now;
            pauseCpu = CpuSeconds();
            waitsSeen = waits;
            step = Step::PauseAsked;
            break;
        case Step::PauseAsked:
            if (waits > waitsSeen) {
                pauseActed = w.pump.WaitStarts[waitsSeen] - pauseAt;
                restFrom = now;
                restCpu = CpuSeconds();
                pauseActedCpu = restCpu - pauseCpu;
                restLines = log->count();
                step = Step::Paused;
            }
            break;
        case Step::Paused:
            if (now - restFrom >= 2000) {
                pausedCpu = CpuSeconds() - restCpu;
                pausedLines = log->count();
                QTest::mouseClick(run, Qt::LeftButton);
                resumeAt = now;
                waitsSeen = waits;
                resumeCpu = CpuSeconds();
                step = Step::Resumed;
            }
            break;
        case Step::Resumed:
            // Searching again: an event pass that no wait preceded.
            if (resumeActed < 0 && waits == waitsSeen) {
                resumeActed = now - resumeAt;
            }
            waitsSeen = waits;
            if (resumeActed >= 0 && CpuSeconds() - resumeCpu >= 0.2) {
                QTest::mouseClick(cancel, Qt::LeftButton);
                stopAt = now;
                stopCpu = CpuSeconds();
                step = Step::StopAsked;
            }
            break;
        case Step::StopAsked:
            break;
        }
        if (now > 60'000) {
            w.Doc().Search().Cancel();
        }
    };
    clock.start();
    QTest::mouseClick(run, Qt::LeftButton);
    const qint64 stopped = clock.elapsed() - stopAt;
    const double stoppedCpu = CpuSeconds() - stopCpu;
    w.pump.OnDoEvents = nullptr;

    QCOMPARE(int(step), int(Step::StopAsked));
    QVERIFY(refused);
    QVERIFY(disabled);
    // The refused close said why; nothing else was said.
    QCOMPARE(w.host.Messages.size(), std::size_t{1});
    QCOMPARE(w.host.Messages[0].Text, std::string(clsCommandGate::kRunningWarning));
    qInfo("pause acted after %lld ms, paused CPU %.3f s over 2 s, resume acted after %lld ms, "
          "stop ended the run after %lld ms (processor: pause %.3f s, stop %.3f s)",
          pauseActed, pausedCpu, resumeActed, stopped, pauseActedCpu, stoppedCpu);
    QVERIFY(pauseActed >= 0 && pauseActedCpu >= 0 && pauseActedCpu < 0.6);
    QCOMPARE(pausedLines, restLines);
    QVERIFY(pausedCpu >= 0 && pausedCpu < 0.3);
    QVERIFY(resumeActed >= 0 && resumeActed < 600);
    QVERIFY(stoppedCpu < 0.6);
    QVERIFY(!w.Doc().Search().Running());
    QCOMPARE(run->text(), QStringLiteral("検索開始"));
    QVERIFY(w.EditorsEnabled());
    QVERIFY(w.Doc().Tickets().SingleCount() >= 1);
    QVERIFY(log->item(log->count() - 1)->text().contains(QStringLiteral("該当するパターンは")) ||
            log->item(log->count() - 2)->text().contains(QStringLiteral("該当するパターンは")));
}

void tst_frmMainEndToEnd::aStopDuringTheFullMultiEndsTheRunAtOnce()
{
    Window w(true);
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    w.MarkMulti(13);
    QCOMPARE(w.Doc().Marks().MultiCount(), 1'594'323);
    w.Click("optEngine2");
    // A 1st-grade payout of at least 20,000,000 yen: every single gets its payout estimated.
    QVERIFY(w.Doc().Conditions().EditJouken([](clsJoukenPanels& p) {
        p.Haitou().SetFlag(0, true);
        p.Haitou().SetMinMoney(0, Currency::FromInt(20'000'000));
    }));
    auto* cancel = w.Find<QPushButton>("cmdCancel");
    QElapsedTimer clock;
    qint64 stopAt = -1;
    qint64 lastPass = 0;
    int extractionPumps = 0;
    w.pump.OnDoEvents = [&] {
        if (stopAt < 0 && w.Doc().Search().Extraction().Run()) {
            lastPass = clock.elapsed();
            // Well into the extraction, counted in its own event calls, not in time: a fast
            // machine ends it in under 0.1 s.
            if (++extractionPumps >= 5) {
                QTest::mouseClick(cancel, Qt::LeftButton);
                stopAt = clock.elapsed();
            }
        } else if (w.Doc().Search().RunningEngine() != clsTMsEngine::EngineKind::None) {
            w.Doc().Search().Cancel(); // the extraction ended before the stop: a failure below
        }
    };
    clock.start();
    w.Click("cmdRun");
    const qint64 stopped = clock.elapsed() - stopAt;
    w.pump.OnDoEvents = nullptr;
    QVERIFY2(stopAt >= 0,
             qPrintable(QStringLiteral("the extraction ended within %1 ms and %2 event calls")
                            .arg(lastPass)
                            .arg(extractionPumps)));
    qInfo("stop during the full multi's extraction ended the run after %lld ms", stopped);
    QVERIFY(stopped < 600);
    QVERIFY(w.Doc().Search().RunStoppedInExtraction());
    QCOMPARE(w.Doc().Tickets().SingleCount(), 0);
    const QStringList lines = [&] {
        QStringList l;
        for (int i = 0; i < w.Log()->count(); ++i) {
            l << w.Log()->item(i)->text();
        }
        return l;
    }();
    QVERIFY2(lines.filter(QStringLiteral("実行がキャンセルされました")).size() == 1,
             qPrintable(lines.join(QLatin1Char('\n'))));
    QCOMPARE(GridText(w.Find<clsGridView>("grdMeisai"), 6, 1), QStringLiteral(" 0"));
    QVERIFY(w.EditorsEnabled());
    QVERIFY2(w.host.Messages.empty(), w.host.AllMessageText().c_str());
}

void tst_frmMainEndToEnd::fileWorkKeepsTheEditorsDisabledAndTheWindowOpen()
{
    Window w(false);
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    clsDocument& doc = w.Doc();
    std::vector<std::int32_t> singles(3000);
    std::iota(singles.begin(), singles.end(), 100);
    QVERIFY(doc.Tickets().SetSingles(singles));
    CloseCounter closes;
    w.window->installEventFilter(&closes);

    // Each pass under the lock finds the editors disabled and has a close asked of the window,
    // as the window manager asks it.
    int lockedPasses = 0;
    bool disabled = true;
    w.host.OnDoEvents = [&](std::int64_t) {
        if (!doc.Edit().WorkLock()) {
            return;
        }
        ++lockedPasses;
        disabled = disabled && w.EditorsDisabled();
        QCoreApplication::postEvent(w.window->windowHandle(), new QCloseEvent());
        QCoreApplication::processEvents();
    };
    const auto check = [&](const char* strWhat) {
        const QByteArray what(strWhat);
        QVERIFY2(lockedPasses > 0, what.constData());
        QVERIFY2(disabled, what.constData());
        QVERIFY2(closes.Closes >= lockedPasses, what.constData());
        QVERIFY2(w.window->isVisible(), what.constData());
        QVERIFY2(!doc.Edit().WorkLock() && w.EditorsEnabled(), what.constData());
        QVERIFY2(doc.Tickets().Singles() == singles, what.constData());
        lockedPasses = 0;
        closes.Closes = 0;
    };

    const fs::path file = w.dir.Path() / "UserData" / "big.drd";
    w.dialog.Push(file.string());
    QVERIFY(w.Files().SaveAs());
    check("save");
    QVERIFY(!doc.Modified());
    w.dialog.Push(file.string());
    QVERIFY(w.Files().Open());
    check("load");
    QCOMPARE(doc.CurrentFile(), file.string());

    const fs::path csv = w.dir.Path() / "UserData" / "big.csv";
    QVERIFY(doc.Tickets().CsvSave(csv.string()));
    check("CSV save");
    w.dialog.Push(csv.string());
    w.Files().CsvOpen();
    check("CSV open");
    QVERIFY(doc.CurrentFile().empty());
    w.host.OnDoEvents = nullptr;
    QVERIFY2(w.host.Messages.empty(), w.host.AllMessageText().c_str());
}

// The multi page during and after a trial search on the sample, for a look by eye: with
// KELVRA_SCREENSHOTS naming a folder, on an X display (the whole screen as the user sees it).
void tst_frmMainEndToEnd::screenshots()
{
    const QString folder = qEnvironmentVariable("KELVRA_SCREENSHOTS");
    if (folder.isEmpty()) {
        QSKIP("KELVRA_SCREENSHOTS names no folder");
    }
    Window w(true, kSeed);
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    QByteArray sample = ReadAll(w.dir.Path() / "UserData" / "Kelvra" / "sample.drd");
    sample.replace("MsEngine = 1\r\n", "MsEngine = 2\r\n");
    sample.replace("EndTime = 0\r\n", "EndTime = 2\r\n");
    w.dir.Write("UserData/shot.drd", sample.toStdString());
    w.dialog.Push((w.dir.Path() / "UserData" / "shot.drd").string());
    QVERIFY(w.Trigger("mnuFile_Open"));
    const auto shoot = [&](const QString& strName) {
        QCoreApplication::processEvents();
        const QString file = folder + QLatin1Char('/') + strName;
        if (qEnvironmentVariableIsEmpty("DISPLAY") ||
            QProcess::execute(QStringLiteral("import"),
                              {QStringLiteral("-window"), QStringLiteral("root"), file}) != 0) {
            w.window->grab().save(file);
        }
    };
    QElapsedTimer clock;
    bool shot = false;
    w.pump.OnDoEvents = [&] {
        if (!shot && w.Doc().Search().RunningEngine() != clsTMsEngine::EngineKind::None &&
            clock.elapsed() > 1500) {
            shot = true;
            shoot(QStringLiteral("run-during.png"));
        }
        if (clock.elapsed() > 60'000) {
            w.Doc().Search().Cancel();
        }
    };
    clock.start();
    w.Click("cmdRun");
    w.pump.OnDoEvents = nullptr;
    QVERIFY(shot);
    shoot(QStringLiteral("run-after.png"));
}

KELVRA_QTEST(tst_frmMainEndToEnd)
#include "tst_frmMainEndToEnd.moc"
