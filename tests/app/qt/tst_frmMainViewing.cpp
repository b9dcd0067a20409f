// Looking around is not editing: the condition pages and tabs, the pages of the window and the
// sheet's pages change what is shown, never the work, so closing afterwards asks nothing.

#include "app/clsDocument.h"
#include "app/qt/frmMain.h"
#include "support/MainWindowFixture.h"
#include "support/QtTestRegistry.h"
#include "widgets/clsTabStrip.h"

#include <QLabel>
#include <QTest>

namespace {
struct ViewingWindow : MainWindowFixture
{
    ViewingWindow()
    {
        Open();
        const std::string sample = (dir.Path() / "UserData/Kelvra/sample.drd").string();
        if (!Doc().FileLoadDRD(sample, true, true)) {
            qFatal("the sample data file does not load");
        }
    }
    void ClickTab(const char* strStrip, int lngTab) const
    {
        auto* strip = Find<clsTabStrip>(strStrip);
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(lngTab).center());
    }
    bool Unchanged() const
    {
        return !Doc().Modified() && !window->windowTitle().endsWith(QStringLiteral(" *")) &&
               Find<QLabel>("lblMeisaiStale")->isHidden();
    }
};
} // namespace

class tst_frmMainViewing : public QObject
{
    Q_OBJECT

private slots:
    void tabsAndPagesLeaveTheWorkUnchanged();
};

void tst_frmMainViewing::tabsAndPagesLeaveTheWorkUnchanged()
{
    ViewingWindow w;
    QVERIFY(w.Unchanged());
    QVERIFY(w.window->ShowPage(frmMain::PageMulti));
    auto* pages = w.Find<clsTabStrip>("tabJouken");
    for (int p = pages->count() - 1; p >= 0; --p) {
        w.ClickTab("tabJouken", p);
        QCOMPARE(pages->CurrentTab(), p);
        QVERIFY2(w.Unchanged(), qPrintable(QStringLiteral("page %1").arg(p)));
    }
    for (const char* strip : {"picTabHonmei", "picTabNinki", "picTabMark"}) {
        for (int tab : {3, 28, 0}) {
            w.ClickTab(strip, tab);
            QCOMPARE(w.Find<clsTabStrip>(strip)->CurrentTab(), tab);
            QVERIFY2(w.Unchanged(), strip);
        }
    }
    for (int page :
         {frmMain::PageSingle, frmMain::PageCheck, frmMain::PageHome, frmMain::PageMulti}) {
        QVERIFY(w.window->ShowPage(page));
        QVERIFY(w.Unchanged());
    }

    // A change of the conditions themselves still counts, and makes the last run's breakdown
    // the last run's: it says so until the next run.
    w.Click("cmdRun");
    QVERIFY(!w.Doc().Search().Running());
    QVERIFY(w.Find<QLabel>("lblMeisaiStale")->isHidden());
    QVERIFY(w.Doc().Conditions().EditJouken(
        [](clsJoukenPanels& p) { p.Table(JoukenKind::Honmei).ToggleMatch(0); }));
    QVERIFY(w.Doc().Modified());
    QVERIFY(w.window->windowTitle().endsWith(QStringLiteral(" *")));
    QVERIFY(w.window->ShowPage(frmMain::PageMulti));
    auto* stale = w.Find<QLabel>("lblMeisaiStale");
    QVERIFY(stale->isVisible());
    QCOMPARE(
        stale->text(),
        QStringLiteral("右の明細は前回の検索の結果です。検索開始で今の条件の結果になります。"));
    w.Click("cmdRun");
    QVERIFY(!w.Doc().Search().Running());
    QVERIFY(stale->isHidden());
}

KELVRA_QTEST(tst_frmMainViewing)
#include "tst_frmMainViewing.moc"
