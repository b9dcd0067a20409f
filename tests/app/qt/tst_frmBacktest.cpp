// The back-test window on the real main window over a generated store: opened from the ツール
// menu, run over a range with both markings (the rows equal the core's own back-test), stopped
// half-way, a row opening its round, refused while a batch holds the work, and its fit at
// 96 dpi and under QT_SCALE_FACTOR=1.5 (KELVRA_SHOT_DIR set: screenshots).

#include "app/qt/frmBacktest.h"
#include "app/qt/frmMain.h"
#include "store/qt/clsBacktestModel.h"
#include "support/ControlChecks.h"
#include "support/GeneratedRounds.h"
#include "support/MainWindowFixture.h"
#include "support/QtTestRegistry.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {
constexpr int kFirst = 101;
constexpr int kLast = 110;

struct BacktestWindow : MainWindowFixture
{
    QPointer<frmBacktest> bt;

    BacktestWindow()
    {
        auto rounds = GenerateRounds(kFirst, kLast, 5);
        rounds[3].Result = false; // round 104 lacks its result
        for (const GeneratedRound& r : rounds) {
            if (!StoreRound(host, dir.Str(), r)) {
                qFatal("could not write round %d", r.Kaisaikai);
            }
        }
        Open();
        Action("mnuTool_Backtest")->trigger();
        bt = dynamic_cast<frmBacktest*>(window->findChild<QWidget*>(QStringLiteral("frmBacktest")));
        if (bt == nullptr) {
            qFatal("no back-test window");
        }
    }
    template <typename T> T* In(const char* strName) const
    {
        auto* w = bt->findChild<T*>(QString::fromLatin1(strName));
        if (w == nullptr) {
            qFatal("no %s", strName);
        }
        return w;
    }
    void SetRange(int lngFrom, int lngTo, int lngMarks) const
    {
        In<QSpinBox>("txtFrom")->setValue(lngFrom);
        In<QSpinBox>("txtTo")->setValue(lngTo);
        In<QComboBox>("cboMarks")->setCurrentIndex(lngMarks);
    }
    // Clicks 実行 and waits for the end; the longest wait between two events of a 10 ms timer
    // meanwhile.
    void RunToEnd(qint64& longest) const
    {
        QElapsedTimer clock;
        longest = 0;
        QTimer tick;
        tick.setInterval(10);
        QObject::connect(&tick, &QTimer::timeout,
                         [&] { longest = std::max(longest, clock.restart()); });
        clock.start();
        tick.start();
        QTest::mouseClick(In<QPushButton>("cmdStart"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!bt->Running(), 60000);
    }
};
} // namespace

class tst_frmBacktest : public QObject
{
    Q_OBJECT

private slots:
    void opensFromTheToolMenuWithNamedControls();
    void aRunShowsTheCoresRowsTotalsAndChart();
    void aStopKeepsTheRoundsDoneAndARowOpensItsRound();
    void aBatchKeepsItFromStarting();
    void fitsItsControls();
};

void tst_frmBacktest::opensFromTheToolMenuWithNamedControls()
{
    BacktestWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.bt.data()));
    QCOMPARE(w.bt->windowTitle(), QStringLiteral(" バックテスト"));
    QCOMPARE(w.Action("mnuTool_Backtest")->text(), QStringLiteral("バックテスト..."));
    // Boxes named by their labels, buttons explained; idle, only 中止 is off.
    QCOMPARE(kelvra_test::UnlabelledBoxes(*w.bt), QStringList());
    QCOMPARE(kelvra_test::UnexplainedControls(*w.bt, {}), QStringList());
    QVERIFY(w.In<QPushButton>("cmdStart")->isEnabled());
    QVERIFY(!w.In<QPushButton>("cmdStop")->isEnabled());
    for (const char* name : {"lvwRounds", "chtBalance", "prgBacktest"}) {
        QVERIFY2(!w.In<QWidget>(name)->accessibleName().isEmpty(), name);
    }
    // The menu brings the one window forward rather than a second.
    w.Action("mnuTool_Backtest")->trigger();
    QCOMPARE(w.window->findChildren<QWidget*>(QStringLiteral("frmBacktest")).size(), 1);
}

void tst_frmBacktest::aRunShowsTheCoresRowsTotalsAndChart()
{
    BacktestWindow w;
    for (const int marks : {0, 1}) {
        w.SetRange(kFirst - 1, kLast, marks);
        qint64 gap = 0;
        w.RunToEnd(gap);
        qInfo("longest wait between events during the back-test: %lld ms", gap);
        QVERIFY2(gap < 500, qPrintable(QString::number(gap)));

        // The same back-test in the core alone, on the conditions the panels show.
        clsBacktest core;
        QVERIFY(core.Start({w.Doc().Conditions().JoukenPanels().Gather(), w.dir.Str(), "",
                            kFirst - 1, kLast,
                            marks == 1 ? clsBacktest::Marking::All : clsBacktest::Marking::Vote}));
        core.Wait();
        const auto expected = core.Snapshot().Rows;
        const clsBacktestModel& model = w.bt->Model();
        QCOMPARE(model.rowCount(), kLast - kFirst); // 100 and 104 lack records
        QCOMPARE(static_cast<int>(expected.size()), model.rowCount());
        Currency balance;
        for (int i = 0; i < model.rowCount(); ++i) {
            const auto& e = expected[static_cast<std::size_t>(i)];
            const auto& r = model.Rows()[static_cast<std::size_t>(i)];
            QCOMPARE(r.Kaisaikai, e.Kaisaikai);
            QCOMPARE(r.Singles, e.Singles);
            QCOMPARE(r.Hit, e.Hit);
            QVERIFY(r.Won == e.Won && r.Cost == e.Cost);
            balance += e.Won - e.Cost;
            QVERIFY(model.Balance(i) == balance);
            // A screen reader hears every cell, the misses too.
            for (int c = 0; c < model.columnCount(); ++c) {
                QVERIFY(
                    !model.data(model.index(i, c), Qt::AccessibleTextRole).toString().isEmpty());
            }
        }
        QCOMPARE(model.data(model.index(0, clsBacktestModel::ColumnRound)).toString(),
                 QStringLiteral("第101回"));
        const clsBacktest::Totals t = clsBacktest::Sum(expected);
        QVERIFY(t.Hits > 0);
        QVERIFY2(w.In<QLabel>("lblTotal")
                     ->text()
                     .startsWith(QStringLiteral("合計：%1回（範囲 %2回中）　1等的中 %3回")
                                     .arg(t.Rounds)
                                     .arg(kLast - kFirst + 2)
                                     .arg(t.Hits)),
                 qPrintable(w.In<QLabel>("lblTotal")->text()));
        QCOMPARE(w.bt->BalancePoints(), model.rowCount());
        QCOMPARE(w.bt->HitPoints(), t.Hits);
        QVERIFY(w.In<QPushButton>("cmdStart")->isEnabled());
        QVERIFY(!w.In<QPushButton>("cmdStop")->isEnabled());
    }
}

void tst_frmBacktest::aStopKeepsTheRoundsDoneAndARowOpensItsRound()
{
    BacktestWindow w;
    w.SetRange(kFirst, kLast, 1);
    QTest::mouseClick(w.In<QPushButton>("cmdStart"), Qt::LeftButton);
    QVERIFY(w.bt->Running());
    QVERIFY(!w.In<QPushButton>("cmdStart")->isEnabled());
    QVERIFY(!w.In<QSpinBox>("txtFrom")->isEnabled());
    QTRY_VERIFY(w.bt->Model().rowCount() >= 1 || !w.bt->Running());
    QTest::mouseClick(w.In<QPushButton>("cmdStop"), Qt::LeftButton);
    QVERIFY(!w.bt->Running());
    const clsBacktest::Progress p = w.Doc().Search().Backtest().Snapshot();
    QVERIFY(p.Stopped);
    QVERIFY(p.Done < p.Total);
    QCOMPARE(w.bt->Model().rowCount(), static_cast<int>(p.Rows.size()));
    QVERIFY(w.In<QLabel>("lblNote")->text().contains(QStringLiteral("中止")));
    QVERIFY(w.In<QPushButton>("cmdStart")->isEnabled());

    // Enter on the first row moves the work to that round and shows the home page.
    QTableView* table = w.bt->Table();
    QVERIFY(table->model()->rowCount() >= 1);
    w.window->ShowPage(frmMain::PageMulti);
    table->setCurrentIndex(table->model()->index(0, 0));
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(w.Doc().Round().Kaisaikai(), kFirst);
    QCOMPARE(w.window->CurrentPage(), static_cast<int>(frmMain::PageHome));
}

void tst_frmBacktest::aBatchKeepsItFromStarting()
{
    BacktestWindow w;
    w.SetRange(kFirst, kLast, 0);
    MainWindowFixture::GateOf(*w.window).SetBatch(true);
    w.window->UpdateMenus();
    QVERIFY(!w.Action("mnuTool_Backtest")->isEnabled());
    QTest::mouseClick(w.In<QPushButton>("cmdStart"), Qt::LeftButton);
    QVERIFY(!w.bt->Running());
    QVERIFY(!w.Doc().Search().Backtest().Running());
    QCOMPARE(w.bt->Model().rowCount(), 0);
    MainWindowFixture::GateOf(*w.window).SetBatch(false);
}

void tst_frmBacktest::fitsItsControls()
{
    BacktestWindow w;
    w.SetRange(kFirst, kLast, 0);
    qint64 gap = 0;
    w.RunToEnd(gap);
    QVERIFY(QTest::qWaitForWindowExposed(w.bt.data()));
    // The window opens inside the screen, and every control of its top row shows its caption
    // whole.
    const QRect screen = w.bt->screen()->availableGeometry();
    QVERIFY2(w.bt->width() <= screen.width() && w.bt->height() <= screen.height(),
             qPrintable(QStringLiteral("%1x%2 on %3x%4")
                            .arg(w.bt->width())
                            .arg(w.bt->height())
                            .arg(screen.width())
                            .arg(screen.height())));
    for (const char* name : {"txtFrom", "txtTo", "cboMarks", "cmdStart", "cmdStop"}) {
        auto* c = w.In<QWidget>(name);
        QVERIFY2(c->width() >= c->minimumSizeHint().width(), name);
        QVERIFY2(w.bt->rect().contains(QRect(c->mapTo(w.bt.data(), QPoint(0, 0)), c->size())),
                 name);
    }
    const QByteArray shots = qgetenv("KELVRA_SHOT_DIR");
    if (!shots.isEmpty()) {
        const QString file = QStringLiteral("%1/backtest-%2dpi.png")
                                 .arg(QString::fromLocal8Bit(shots))
                                 .arg(qRound(96 * w.bt->devicePixelRatioF()));
        QVERIFY(w.bt->grab().save(file));
    }
}

KELVRA_QTEST(tst_frmBacktest)
#include "tst_frmBacktest.moc"
