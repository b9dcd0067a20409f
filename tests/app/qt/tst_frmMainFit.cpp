// At 144 dpi on a 1920 x 1200 screen the window has 1280 x 800 logical pixels: the run's
// results on the multi page and the check page with its grade tally must show whole, neither
// cut off at the right (no horizontal scroll bar) nor below the fold.

#include "app/qt/clsMultiView.h"
#include "app/qt/frmMain.h"
#include "support/MainWindowFixture.h"
#include "support/QtTestRegistry.h"
#include "widgets/clsFormScroller.h"
#include "widgets/clsGridModel.h"

#include <QScrollBar>
#include <QTabBar>
#include <QTest>

namespace {
struct FitWindow : MainWindowFixture
{
    FitWindow()
    {
        Open();
        window->resize(1280, 800);
    }
    void Run() const
    {
        window->ShowPage(frmMain::PageMulti);
        auto* multi = Find<clsMultiView>("picMulti");
        for (int row = 1; row <= 13; ++row) {
            for (int col = 0; col < (row <= 4 ? 3 : 1); ++col) {
                const QRect rect = multi->visualRect(multi->Model()->index(row, col));
                QTest::mouseClick(multi->viewport(), Qt::LeftButton, {}, rect.center());
            }
        }
        Click("optEngine1");
        Click("cmdRun");
        QCoreApplication::processEvents();
    }
    // The named widgets that do not lie wholly inside the page's visible area, the page
    // scrolled to its top as it opens.
    QStringList Outside(const char* strScroller, std::initializer_list<const char*> names) const
    {
        auto* scroller = Find<clsFormScroller>(strScroller);
        scroller->verticalScrollBar()->setValue(0);
        scroller->horizontalScrollBar()->setValue(0);
        const QRect visible = scroller->viewport()->rect();
        QStringList outside;
        for (const char* name : names) {
            auto* w = Find<QWidget>(name);
            const QRect where(w->mapTo(scroller->viewport(), QPoint(0, 0)), w->size());
            if (!w->isVisible() || !visible.contains(where)) {
                outside << QStringLiteral("%1 at %2,%3 %4x%5 in %6x%7")
                               .arg(QString::fromLatin1(name))
                               .arg(where.x())
                               .arg(where.y())
                               .arg(where.width())
                               .arg(where.height())
                               .arg(visible.width())
                               .arg(visible.height());
            }
        }
        return outside;
    }
    void Shot(const QString& strName) const
    {
        const QString folder = qEnvironmentVariable("KELVRA_SCREENSHOTS");
        if (!folder.isEmpty()) {
            window->grab().save(folder + QLatin1Char('/') + strName);
        }
    }
};
} // namespace

class tst_frmMainFit : public QObject
{
    Q_OBJECT

private slots:
    void theRunResultsFitAt144Dpi();
    void theCheckPageFitsAt144Dpi();
};

void tst_frmMainFit::theRunResultsFitAt144Dpi()
{
    FitWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    QCOMPARE(w.window->size(), QSize(1280, 800));
    w.Run();
    QVERIFY(w.Doc().Tickets().SingleCount() > 0);
    const QStringList outside =
        w.Outside("scrMulti", {"lstMsg", "grdMeisai", "picCount", "cmdRun", "cmdCancel"});
    w.Shot(QStringLiteral("multi-after-run.png"));
    QVERIFY2(outside.isEmpty(), qPrintable(outside.join(QStringLiteral("; "))));
    QVERIFY(!w.Find<clsFormScroller>("scrMulti")->horizontalScrollBar()->isVisible());

    // The tallest condition table and the widest engine strip (a trial engine's boxes) keep
    // the results in view too.
    auto* kinds = w.Find<QTabBar>("tabJouken");
    QTest::mouseClick(kinds, Qt::LeftButton, {}, kinds->tabRect(1).center());
    w.Click("optEngine4");
    QCoreApplication::processEvents();
    const QStringList still =
        w.Outside("scrMulti", {"lstMsg", "grdMeisai", "picCount", "fraTrial", "joukenTableHonmei"});
    w.Shot(QStringLiteral("multi-honmei-trial.png"));
    QVERIFY2(still.isEmpty(), qPrintable(still.join(QStringLiteral("; "))));
    QVERIFY(!w.Find<clsFormScroller>("scrMulti")->horizontalScrollBar()->isVisible());
}

void tst_frmMainFit::theCheckPageFitsAt144Dpi()
{
    FitWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    w.Run();
    QVERIFY(w.window->ShowPage(frmMain::PageCheck));
    QCoreApplication::processEvents();
    const QStringList outside = w.Outside(
        "scrCheck", {"picGame2", "picResultMulti", "picResult", "picResultGrade",
                     "picResultKakutei", "lblResultReturn", "cmdSortResult", "fraResultLegend"});
    w.Shot(QStringLiteral("check.png"));
    // The whole page shows: nothing to scroll to, down to the tally's last grade.
    QCOMPARE(w.Find<clsFormScroller>("scrCheck")->verticalScrollBar()->maximum(), 0);
    QVERIFY2(outside.isEmpty(), qPrintable(outside.join(QStringLiteral("; "))));
    QVERIFY(!w.Find<clsFormScroller>("scrCheck")->horizontalScrollBar()->isVisible());
    // The other pages as they look after the run, for the eye.
    for (const int page : {frmMain::PageHome, frmMain::PageSingle}) {
        QVERIFY(w.window->ShowPage(page));
        QCoreApplication::processEvents();
        w.Shot(page == frmMain::PageHome ? QStringLiteral("home.png")
                                         : QStringLiteral("single.png"));
    }
}

KELVRA_QTEST(tst_frmMainFit)
#include "tst_frmMainFit.moc"
