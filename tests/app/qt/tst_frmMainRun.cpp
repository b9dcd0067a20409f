// The run from the multi page, driven as a user would on the sample round 9001: the engine is
// chosen and its counts typed in the compression strip, 検索開始 runs, the log and the
// breakdown fill; a trial search pauses, resumes and stops from its buttons while the controls
// that would change the work stay disabled.

#include "app/qt/clsMultiView.h"
#include "app/qt/clsRunView.h"
#include "app/qt/frmMain.h"
#include "lottery/clsTCount.h"
#include "support/MainWindowFixture.h"
#include "support/QtTestRegistry.h"
#include "widgets/clsGridModel.h"
#include "widgets/clsGridView.h"
#include "widgets/clsNumberBox.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <cmath>
#include <tuple>

namespace {
QString GridText(clsGridView* grid, int lngRow, int lngColumn)
{
    return grid->Model()->data(grid->Model()->index(lngRow, lngColumn), Qt::DisplayRole).toString();
}

struct RunWindow : MainWindowFixture
{
    RunWindow()
    {
        Open();
        window->ShowPage(frmMain::PageMulti);
    }
    // Marks three outcomes of each of the first lngFull matches and one of the others, by
    // clicks on the multi grid.
    void MarkMulti(int lngFull) const
    {
        auto* multi = Find<clsMultiView>("picMulti");
        for (int row = 1; row <= 13; ++row) {
            const int cols = row <= lngFull ? 3 : 1;
            for (int col = 0; col < cols; ++col) {
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
    bool EditorsEnabled() const
    {
        return Find<QWidget>("picMulti")->isEnabled() &&
               Find<QWidget>("joukenPanel")->isEnabled() &&
               Find<QWidget>("tabCompression")->isEnabled() &&
               Find<QWidget>("txtKaisaikai")->isEnabled();
    }
    bool EditorsDisabled() const
    {
        return !Find<QWidget>("picMulti")->isEnabled() &&
               !Find<QWidget>("joukenPanel")->isEnabled() &&
               !Find<QWidget>("tabCompression")->isEnabled() &&
               !Find<QWidget>("txtKaisaikai")->isEnabled();
    }
};
} // namespace

class tst_frmMainRun : public QObject
{
    Q_OBJECT

private slots:
    void theStripShowsAndEditsTheDocumentsSettings();
    void aRunFillsTheLogAndTheBreakdown();
    void aTrialSearchPausesResumesAndStops();
    void theLogIsShownAtEventPassesNotAtEveryLine();
    void aMinimumCountRunEndsOnItsDefaultsAndShowsItsStart();
    void theBudgetEngineShowsItsYenGradeAndTheChanceReached();
    void screenshots();
};

void tst_frmMainRun::theStripShowsAndEditsTheDocumentsSettings()
{
    RunWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    QVERIFY(w.Find<QRadioButton>("optEngine0")->isChecked());
    QVERIFY(!w.Find<QWidget>("fraTrial")->isVisible());
    QVERIFY(!w.Find<QCheckBox>("chkExGrade2")->isEnabled());

    w.Click("optEngine4");
    QCOMPARE(w.Doc().Conditions().EngineSettings().MsEngine, 4);
    QVERIFY(!w.Find<QRadioButton>("optEngine0")->isChecked());
    QVERIFY(w.Find<QWidget>("fraTrial")->isVisible());
    QVERIFY(!w.Find<QWidget>("fraOptimisation")->isVisible());
    QVERIFY(w.Find<QCheckBox>("chkExGrade3")->isEnabled());
    w.Type("txtBeginCount", QStringLiteral("250"));
    w.Type("txtEndTime", QStringLiteral("3"));
    w.Click("chkExGrade2");
    QCOMPARE(w.Doc().Conditions().EngineSettings().BeginCount, 250);
    QCOMPARE(w.Doc().Conditions().EngineSettings().EndTime, 3);
    QVERIFY(w.Doc().Conditions().EngineSettings().ExGrade2);

    // Typed past the box's range, the box and the document both hold the end of the range.
    w.Type("txtBeginCount", QStringLiteral("12345"));
    QCOMPARE(w.Find<clsNumberBox>("txtBeginCount")->Number(), 9999);
    QCOMPARE(w.Doc().Conditions().EngineSettings().BeginCount, 9999);

    w.Click("optEngine2");
    QVERIFY(!w.Find<QCheckBox>("chkExGrade3")->isEnabled());
    w.Click("optEngine5");
    QVERIFY(!w.Find<QWidget>("fraTrial")->isVisible());
    QVERIFY(w.Find<QWidget>("fraOptimisation")->isVisible());
    w.Type("txtSeBeginCount", QStringLiteral("7"));
    QCOMPARE(w.Doc().Conditions().EngineSettings().SeBeginCount, 7);

    auto* tabs = w.Find<QTabWidget>("tabCompression");
    tabs->setCurrentIndex(1);
    w.Click("chkChushutsu");
    w.Type("txtExtraction", QStringLiteral("5"));
    QVERIFY(w.Doc().Conditions().EngineSettings().ChushutsuFlag);
    QCOMPARE(w.Doc().Conditions().EngineSettings().ChushutsuCount, 5);
    // Drawing by the player's probabilities needs them; the sample has none.
    QVERIFY(!w.Find<QRadioButton>("optChushutsu4")->isEnabled());
    QVERIFY(w.Find<QRadioButton>("optChushutsu0")->isChecked());

    // A document change is drawn back: New resets every control.
    QVERIFY(w.Doc().New());
    QVERIFY(w.Find<QRadioButton>("optEngine0")->isChecked());
    QVERIFY(!w.Find<QRadioButton>("optEngine5")->isChecked());
    QCOMPARE(w.Find<clsNumberBox>("txtBeginCount")->Number(), 100);
    QVERIFY(!w.Find<QCheckBox>("chkChushutsu")->isChecked());
    QCOMPARE(w.Find<clsNumberBox>("txtExtraction")->Number(), 10);
}

void tst_frmMainRun::aRunFillsTheLogAndTheBreakdown()
{
    RunWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    w.MarkMulti(3);
    QCOMPARE(w.Doc().Marks().MultiCount(), 27);
    w.Click("optEngine1");
    auto* run = w.Find<QPushButton>("cmdRun");
    QCOMPARE(run->text(), QStringLiteral("検索開始"));
    QVERIFY(!w.Find<QPushButton>("cmdCancel")->isEnabled());
    bool disabledDuringRun = false;
    w.host.OnDoEvents = [&](std::int64_t) { disabledDuringRun = w.EditorsDisabled(); };
    QTest::mouseClick(run, Qt::LeftButton);
    w.host.OnDoEvents = nullptr;
    QVERIFY(disabledDuringRun);
    QVERIFY(w.EditorsEnabled());
    QCOMPARE(run->text(), QStringLiteral("検索開始"));

    const EngineSettingsRecord settings = w.Doc().Conditions().EngineSettings();
    QCOMPARE(settings.MsEngine, 1);
    QCOMPARE(settings.BeginCount, w.Find<clsNumberBox>("txtBeginCount")->Number());
    QCOMPARE(settings.ChushutsuCount, w.Find<clsNumberBox>("txtExtraction")->Number());

    auto* log = w.Find<QListWidget>("lstMsg");
    const auto& lines = w.Doc().Search().Log().Lines();
    QVERIFY(lines.size() > 2);
    QCOMPARE(log->count(), static_cast<int>(lines.size()));
    for (int i = 0; i < log->count(); ++i) {
        QCOMPARE(log->item(i)->text(), QString::fromStdString(lines[static_cast<std::size_t>(i)]));
    }
    QCOMPARE(log->currentRow(), log->count() - 1);

    auto* meisai = w.Find<clsGridView>("grdMeisai");
    QCOMPARE(GridText(meisai, 1, 0), QStringLiteral("シングル"));
    QCOMPARE(GridText(meisai, 3, 1), QStringLiteral(" 3"));  // three triples
    QCOMPARE(GridText(meisai, 5, 1), QStringLiteral(" 27")); // the multi count
    const QString compressed = GridText(meisai, 6, 1);
    QCOMPARE(compressed, QStringLiteral(" %1").arg(w.Doc().Tickets().SingleCount()));
    QVERIFY(w.Doc().Tickets().SingleCount() >= 1);

    // The count grid shows the set's frame: how many singles hold each outcome.
    auto* count = w.Find<clsGridView>("picCount");
    for (int col = 0; col < 3; ++col) {
        const auto outcome = static_cast<std::size_t>(clsTCount::OutcomeOfColumn(col));
        QCOMPARE(GridText(count, 1, col).trimmed(),
                 QString::number(w.Doc().Tickets().SingleFrame()[outcome][0]));
    }
    QVERIFY2(w.host.Messages.empty(), w.host.AllMessageText().c_str());
}

void tst_frmMainRun::aMinimumCountRunEndsOnItsDefaultsAndShowsItsStart()
{
    RunWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    w.MarkMulti(6);
    w.Click("optEngine6");
    auto* start = w.Find<clsNumberBox>("txtBeginCount");
    // Before a run the box names the fast search, not the document's 100; it cannot be typed
    // in. The time box is the whole run's, and its 0 means the default limit.
    QCOMPARE(start->text(), QStringLiteral("高速検索の"));
    QVERIFY(start->isReadOnly());
    QCOMPARE(w.Find<clsNumberBox>("txtEndTime")->Number(), 0);
    QCOMPARE(w.Find<QLabel>("lblEndTime")->text(), QStringLiteral("秒経過後終了"));
    QCOMPARE(w.Find<QLabel>("lblEndTimeNote")->text(), QStringLiteral("0の場合は30秒で終了します"));

    // Half a second of the window's clock per event pass: the default limit is reached after
    // some sixty passes of the search; the guard stops a run that would not end.
    w.host.TickPerDoEvents = 500;
    bool forced = false;
    w.host.OnDoEvents = [&](std::int64_t lngCount) {
        if (lngCount > 20'000) {
            forced = true;
            w.Doc().Search().Cancel();
        }
    };
    QTest::mouseClick(w.Find<QPushButton>("cmdRun"), Qt::LeftButton);
    w.host.OnDoEvents = nullptr;
    QVERIFY(!forced);
    QVERIFY(!w.Doc().Search().Running());
    QVERIFY2(w.host.Messages.empty(), w.host.AllMessageText().c_str());

    // The box shows the size of the first cover, the first size confirmed in the log.
    const auto& lines = w.Doc().Search().Log().Lines();
    int first = 0;
    bool timedOut = false;
    for (const std::string& line : lines) {
        if (first == 0 && line.ends_with("を検索中...確定")) {
            first = std::stoi(line.substr(line.find(' ') + 1));
        }
        timedOut = timedOut || line.ends_with("指定時間になったので検索を終了します");
    }
    QVERIFY(first > 0);
    QVERIFY(timedOut);
    QCOMPARE(w.Doc().Search().LastStartCount(), first);
    QCOMPARE(start->Number(), first);
    QCOMPARE(start->text(), QString::number(first));
    QVERIFY(w.Doc().Tickets().SingleCount() <= first);
    // The document's own count is left as it was, and shows again for the trial search.
    QCOMPARE(w.Doc().Conditions().EngineSettings().BeginCount, 100);
    w.Click("optEngine2");
    QVERIFY(!start->isReadOnly());
    QCOMPARE(start->Number(), 100);
    QCOMPARE(w.Find<QLabel>("lblEndTime")->text(), QStringLiteral("秒経過後終了(１口)"));
}

void tst_frmMainRun::theBudgetEngineShowsItsYenGradeAndTheChanceReached()
{
    RunWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    w.MarkMulti(6);
    auto* grade2 = w.Find<QRadioButton>("optSeGrade2");
    auto* yen = w.Find<QLabel>("lblBudgetYen");
    QVERIFY(!grade2->isVisible());
    w.Click("optEngine8");
    QCOMPARE(w.Doc().Conditions().EngineSettings().MsEngine, 8);
    QVERIFY(w.Find<QWidget>("fraOptimisation")->isVisible());
    QVERIFY(!w.Find<QWidget>("fraTrial")->isVisible());
    QCOMPARE(w.Find<QLabel>("lblSeBeginCount")->text(), QStringLiteral("口の予算"));
    QCOMPARE(w.Find<clsNumberBox>("txtSeBeginCount")->accessibleName(), QStringLiteral("口の予算"));
    QCOMPARE(yen->text(), QStringLiteral("（1,000円）"));
    QCOMPARE(w.Find<QLabel>("lblSeEndTimeNote")->text(),
             QStringLiteral("0の場合は30秒で終了します"));
    // The yen follow the count as it is typed.
    w.Type("txtSeBeginCount", QStringLiteral("25"));
    QCOMPARE(w.Doc().Conditions().EngineSettings().SeBeginCount, 25);
    QCOMPARE(yen->text(), QStringLiteral("（2,500円）"));
    QVERIFY(grade2->isVisible());
    QVERIFY(grade2->isChecked());
    w.Click("optSeGrade3");
    QCOMPARE(w.Doc().Conditions().EngineSettings().SeGrade, 3);
    QVERIFY(!grade2->isChecked());
    for (const char* name : {"optSeGrade2", "optSeGrade3", "txtSeBeginCount", "txtSeEndTime"}) {
        QVERIFY2(!w.Find<QWidget>(name)->accessibleName().isEmpty(), name);
        QVERIFY2(!w.Find<QWidget>(name)->toolTip().isEmpty(), name);
    }

    // Own probabilities favouring the first outcome: the run area tells the chance reached,
    // the one kelvra-cli value reports for the set.
    ProbabilityRecord prob;
    for (std::size_t m = 0; m < 13; ++m) {
        prob.Value[0][m] = 6000;
        prob.Value[1][m] = 2500;
        prob.Value[2][m] = 1500;
    }
    QVERIFY(w.Doc().Round().SetProbability(prob));
    w.Type("txtSeEndTime", QStringLiteral("2"));
    auto* reach = w.Find<QLabel>("lblBudgetReach");
    QVERIFY(!reach->isVisible());
    w.host.TickPerDoEvents = 100;
    QTest::mouseClick(w.Find<QPushButton>("cmdRun"), Qt::LeftButton);
    w.host.TickPerDoEvents = 0;
    QVERIFY2(w.host.Messages.empty(), w.host.AllMessageText().c_str());
    QCOMPARE(w.Doc().Tickets().SingleCount(), 25);
    const auto& got = w.Doc().Search().LastBudgetReach();
    QVERIFY(got.has_value());
    QCOMPARE(got->Grade, 3);
    QVERIFY(reach->isVisible());
    QVERIFY(reach->text().startsWith(QStringLiteral("予算エンジン：25口（2,500円）で3等以上 ")));
    QVERIFY(reach->text().endsWith(QStringLiteral("%")));
    clsTValue::SetValue sv;
    QVERIFY(w.Doc().Round().GetSetValue(sv));
    QVERIFY(std::abs(sv.Within2 - got->Chance) <= 1e-9 * sv.Within2);

    // Another engine's run, or a change of the tickets, leaves no figure behind.
    w.Click("optEngine5");
    QVERIFY(!grade2->isVisible());
    QVERIFY(!yen->isVisible());
    QCOMPARE(w.Find<QLabel>("lblSeBeginCount")->text(), QStringLiteral("口を最適化"));
    QVERIFY(reach->isVisible()); // the tickets are still the budget run's
    QVERIFY(w.Doc().New());
    QVERIFY(!reach->isVisible());
}

void tst_frmMainRun::aTrialSearchPausesResumesAndStops()
{
    RunWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    w.MarkMulti(6);
    w.Click("optEngine2");
    w.Type("txtBeginCount", QStringLiteral("200"));
    w.Type("txtEndTime", QStringLiteral("60"));
    auto* run = w.Find<QPushButton>("cmdRun");
    auto* cancel = w.Find<QPushButton>("cmdCancel");
    auto* log = w.Find<QListWidget>("lstMsg");
    w.host.TickPerDoEvents = 10;

    int state = 0;
    std::int64_t mark = 0;
    int linesAtPause = 0;
    QStringList seen;
    bool disabled = true;
    w.host.OnDoEvents = [&](std::int64_t lngCount) {
        if (state == 0 && w.Doc().Search().RunningEngine() != clsTMsEngine::EngineKind::None) {
            seen << run->text();
            disabled = disabled && w.EditorsDisabled() && cancel->isEnabled();
            QTest::mouseClick(run, Qt::LeftButton);
            seen << run->text();
            linesAtPause = log->count();
            mark = lngCount;
            state = 1;
        } else if (state == 1 && lngCount >= mark + 50) {
            // Paused: the search writes nothing while the window keeps its events.
            QCOMPARE(log->count(), linesAtPause);
            QVERIFY(w.Doc().Search().Paused());
            QTest::mouseClick(run, Qt::LeftButton);
            seen << run->text();
            mark = lngCount;
            state = 2;
        } else if (state == 2 && lngCount >= mark + 50) {
            disabled = disabled && w.EditorsDisabled();
            QTest::mouseClick(cancel, Qt::LeftButton);
            state = 3;
        } else if (lngCount > 2'000'000) {
            w.Doc().Search().Cancel();
        }
    };
    QTest::mouseClick(run, Qt::LeftButton);
    w.host.OnDoEvents = nullptr;
    QCOMPARE(state, 3);
    QCOMPARE(seen, QStringList({QStringLiteral("一時停止"), QStringLiteral("検索再開"),
                                QStringLiteral("一時停止")}));
    QVERIFY(disabled);
    QVERIFY(!w.Doc().Search().Running());
    QCOMPARE(run->text(), QStringLiteral("検索開始"));
    QVERIFY(run->isEnabled());
    QVERIFY(!cancel->isEnabled());
    QVERIFY(w.EditorsEnabled());
    QCOMPARE(log->count(), static_cast<int>(w.Doc().Search().Log().Lines().size()));
}

namespace {
// Counts a widget's paint events, except while the test itself waits.
class PaintCounter final : public QObject
{
public:
    PaintCounter(QWidget* widget, const bool& blnPaused)
        : m_paused(blnPaused)
    {
        widget->installEventFilter(this);
    }
    int Count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_paused) {
            ++Count;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const bool& m_paused;
};
} // namespace

// Each change of the list or the bar is a repaint and, with a screen reader, an update sent to
// it: a run that writes faster than anyone reads must not pay for every line.
void tst_frmMainRun::theLogIsShownAtEventPassesNotAtEveryLine()
{
    RunWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    w.MarkMulti(8);
    w.Click("optEngine2");
    w.Type("txtBeginCount", QStringLiteral("300"));
    w.Type("txtEndTime", QStringLiteral("1"));
    auto* log = w.Find<QListWidget>("lstMsg");
    auto* bar = w.Find<QProgressBar>("picBar");
    w.host.TickPerDoEvents = 1;
    // Redraws are counted while the run goes, not while the test waits a frame to look.
    bool looking = false;
    qint64 lookedMs = 0;
    PaintCounter listPaints(log->viewport(), looking);
    PaintCounter barPaints(bar, looking);
    const clsTMsgLog& runLog = w.Doc().Search().Log();
    const auto& lines = runLog.Lines();
    int passes = 0;
    int checks = 0;
    bool inStep = true;
    // The log's changes as the pump sees them: what the views would have followed one by one.
    int writes = 0;
    std::tuple<std::size_t, std::string, std::int32_t> seen;
    QElapsedTimer running;
    running.start();
    w.host.OnDoEvents = [&](std::int64_t lngCount) {
        std::tuple<std::size_t, std::string, std::int32_t> now{lines.size(), lines.back(),
                                                               runLog.BarValue()};
        if (now != seen) {
            ++writes;
            seen = std::move(now);
        }
        if (lngCount % 20 != 0) {
            return;
        }
        ++passes;
        QCoreApplication::processEvents();
        if (passes % 10 != 0) {
            return;
        }
        // About a frame after the last change the list and the bar are the log as it is now
        // (a loaded machine may pass the frame's timer a little late).
        QElapsedTimer look;
        look.start();
        looking = true;
        const auto shown = [&] {
            return log->count() == static_cast<int>(lines.size()) &&
                   log->item(log->count() - 1)->text() == QString::fromStdString(lines.back()) &&
                   bar->value() == std::clamp(runLog.BarValue(), 0, bar->maximum());
        };
        QTest::qWait(clsRunView::kLogFrameMs + 30);
        inStep = inStep && (shown() || QTest::qWaitFor(shown, 1000));
        looking = false;
        lookedMs += look.elapsed();
        ++checks;
    };
    QTest::mouseClick(w.Find<QPushButton>("cmdRun"), Qt::LeftButton);
    w.host.OnDoEvents = nullptr;
    const auto frames =
        static_cast<int>((running.elapsed() - lookedMs) / clsRunView::kLogFrameMs) + 1;
    QVERIFY(checks >= 2);
    QVERIFY(inStep);
    // The log changed far more often than there were passes, the views about once a frame.
    QVERIFY2(writes > 2 * passes,
             qPrintable(QStringLiteral("%1 writes, %2 passes").arg(writes).arg(passes)));
    QVERIFY2(
        listPaints.Count <= 2 * frames + 4,
        qPrintable(QStringLiteral("%1 list redraws, %2 frames").arg(listPaints.Count).arg(frames)));
    QVERIFY2(
        barPaints.Count <= 2 * frames + 4,
        qPrintable(QStringLiteral("%1 bar redraws, %2 frames").arg(barPaints.Count).arg(frames)));
    // The run's end shows the whole log without waiting for a frame.
    QCOMPARE(log->count(), static_cast<int>(lines.size()));
    for (int i = 0; i < log->count(); ++i) {
        QCOMPARE(log->item(i)->text(), QString::fromStdString(lines[static_cast<std::size_t>(i)]));
    }
    QCOMPARE(log->currentRow(), log->count() - 1);
}

void tst_frmMainRun::screenshots()
{
    const QString folder = qEnvironmentVariable("KELVRA_SCREENSHOTS");
    if (folder.isEmpty()) {
        QSKIP("KELVRA_SCREENSHOTS names no folder");
    }
    RunWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    w.window->resize(1280, 1000);
    w.MarkMulti(4);
    w.Click("optEngine2");
    w.Type("txtEndTime", QStringLiteral("1"));
    w.host.TickPerDoEvents = 50;
    bool shot = false;
    w.host.OnDoEvents = [&](std::int64_t) {
        if (!shot && w.Doc().Search().RunningEngine() != clsTMsEngine::EngineKind::None) {
            shot = true;
            QCoreApplication::processEvents();
            w.window->grab().save(folder + QStringLiteral("/run-during.png"));
        }
    };
    w.Click("cmdRun");
    w.host.OnDoEvents = nullptr;
    QCoreApplication::processEvents();
    QVERIFY(w.window->grab().save(folder + QStringLiteral("/run-after.png")));
}

KELVRA_QTEST(tst_frmMainRun)
#include "tst_frmMainRun.moc"
