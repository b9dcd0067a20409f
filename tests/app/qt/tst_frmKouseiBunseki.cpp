// Composition analysis windows on the real main window: one window per request with its own
// title and counts, red lines above the mark limit, and closing them all.

#include "app/clsDocument.h"
#include "app/qt/frmMain.h"
#include "engines/qt/frmKouseiBunseki.h"
#include "support/MainWindowFixture.h"
#include "support/QtTestRegistry.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"
#include "widgets/clsGridModel.h"
#include "widgets/clsGridView.h"

#include <QBrush>
#include <QTest>

namespace {
// Every match ◎ on the home win, match 1 also ○ on the draw: two singles, with 13 and 12
// favourites among all matches.
MarkArray TwoSingles()
{
    MarkArray marks{};
    marks[1].fill(1);
    marks[0][0] = 2;
    return marks;
}

QString Text(const frmKouseiBunseki& w, int row, int col)
{
    const clsGridModel* model = w.Grid()->Model();
    return model->data(model->index(row, col), Qt::DisplayRole).toString();
}

// Red as drawn: pure red, darkened where the cell needs it to stay readable.
bool IsRed(const QColor& color)
{
    return color.red() >= 150 && color.green() < 40 && color.blue() < 40;
}

QColor TextColor(const frmKouseiBunseki& w, int row, int col)
{
    const clsGridModel* model = w.Grid()->Model();
    return model->data(model->index(row, col), Qt::ForegroundRole).value<QBrush>().color();
}

QList<frmKouseiBunseki*> Windows(const frmMain& main)
{
    return main.findChildren<frmKouseiBunseki*>();
}

// The window of one title, or null.
const frmKouseiBunseki* Titled(const frmMain& main, const QString& title)
{
    for (const frmKouseiBunseki* w : Windows(main)) {
        if (w->windowTitle() == title) {
            return w;
        }
    }
    return nullptr;
}
} // namespace

class tst_frmKouseiBunseki : public QObject
{
    Q_OBJECT

private slots:
    void eachRequestOpensAWindowOfItsOwn();
    void linesAboveTheMarkLimitAreRed();
    void closeClosesEveryWindow();
};

void tst_frmKouseiBunseki::eachRequestOpensAWindowOfItsOwn()
{
    RecordingHost host;
    TempDir dir;
    frmMain window(host.Host(), dir.Str());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(MainWindowFixture::DocOf(window).Marks().SetMarks(TwoSingles()));

    window.OpenKouseiBunseki(JoukenKind::Honmei, 0, 0);
    window.OpenKouseiBunseki(JoukenKind::Honmei, 0, 1);
    QCOMPARE(window.KouseiBunsekiWindowCount(), 2);
    QCOMPARE(host.BusyCount, 2);
    QCOMPARE(host.BusyDepth, 0);
    const QList<frmKouseiBunseki*> shown = Windows(window);
    QCOMPARE(shown.size(), 2);
    const frmKouseiBunseki* favourite = Titled(window, QStringLiteral(" 本命 - 本命◎"));
    QVERIFY(favourite != nullptr);
    const frmKouseiBunseki& first = *favourite;
    const frmKouseiBunseki& second = *(shown[0] == favourite ? shown[1] : shown[0]);
    QVERIFY(second.windowTitle().startsWith(QStringLiteral(" 本命 - ")));
    QVERIFY(second.windowTitle() != first.windowTitle());
    for (const frmKouseiBunseki* w : shown) {
        QVERIFY(w->isWindow());
        QVERIFY(w->isVisible());
        QVERIFY(w->windowFlags().testFlag(Qt::Tool));
        QCOMPARE(w->parentWidget(), static_cast<QWidget*>(&window));
        QCOMPARE(w->size(), w->Grid()->size()); // sized to the grid
        QCOMPARE(w->Grid()->accessibleName(), QStringLiteral("構成分析"));
    }

    // The ◎ row: one single with 13 favourites, one with 12; the ○ row: one with 1.
    QCOMPARE(Text(first, 0, 1), QStringLiteral("口数"));
    QCOMPARE(Text(first, 0, 2), QStringLiteral("比率"));
    QCOMPARE(Text(first, 14, 0), QStringLiteral("13"));
    QCOMPARE(Text(first, 14, 1), QStringLiteral("1"));
    QCOMPARE(Text(first, 13, 1), QStringLiteral("1"));
    QCOMPARE(Text(first, 13, 2), QStringLiteral("50%"));
    QCOMPARE(Text(first, 1, 1), QStringLiteral("0"));
    QCOMPARE(Text(second, 2, 1), QStringLiteral("1"));
    QCOMPARE(Text(second, 1, 1), QStringLiteral("1"));
    QCOMPARE(Text(second, 1, 2), QStringLiteral("50%"));
    const clsGridModel* model = first.Grid()->Model();
    QVERIFY(model->data(model->index(5, 1), Qt::TextAlignmentRole)
                .value<Qt::Alignment>()
                .testFlag(Qt::AlignRight));

    // No such row: reported, no window.
    window.OpenKouseiBunseki(JoukenKind::Ninki, 0, 9);
    QCOMPARE(window.KouseiBunsekiWindowCount(), 2);
    QCOMPARE(host.Messages.size(), size_t{1});
}

void tst_frmKouseiBunseki::linesAboveTheMarkLimitAreRed()
{
    RecordingHost host;
    TempDir dir;
    frmMain window(host.Host(), dir.Str());
    QVERIFY(MainWindowFixture::DocOf(window).Marks().SetMarks(TwoSingles()));
    ConditionSetRecord jouken = MainWindowFixture::DocOf(window).GatherRecord().Jouken;
    ConditionTableEntry& tab = jouken.Honmei[5];
    tab.MatchFlags.fill(false);
    tab.MatchFlags[2] = tab.MatchFlags[6] = tab.MatchFlags[11] = true;
    QVERIFY(MainWindowFixture::DocOf(window).Conditions().EditJouken(
        [&](clsJoukenPanels& panels) { panels.Apply(jouken); }));

    window.OpenKouseiBunseki(JoukenKind::Honmei, 5, 0);
    const QList<frmKouseiBunseki*> shown = Windows(window);
    QCOMPARE(shown.size(), 1);
    const frmKouseiBunseki& w = *shown[0];
    QCOMPARE(Text(w, 4, 1), QStringLiteral("2")); // both singles have ◎ on all three
    for (int count = 0; count <= 3; ++count) {
        QVERIFY2(!IsRed(TextColor(w, count + 1, 1)), qPrintable(QString::number(count)));
    }
    for (int count = 4; count <= 13; ++count) {
        for (int col = 0; col < 3; ++col) {
            QVERIFY2(IsRed(TextColor(w, count + 1, col)), qPrintable(QString::number(count)));
        }
    }
    QVERIFY(!IsRed(TextColor(w, 0, 1)));
}

void tst_frmKouseiBunseki::closeClosesEveryWindow()
{
    RecordingHost host;
    TempDir dir;
    frmMain window(host.Host(), dir.Str());
    window.show();
    QVERIFY(MainWindowFixture::DocOf(window).Marks().SetMarks(TwoSingles()));
    window.OpenKouseiBunseki(JoukenKind::Honmei, 0, 0);
    window.OpenKouseiBunseki(JoukenKind::Mark, 0, 0);
    QCOMPARE(window.KouseiBunsekiWindowCount(), 2);

    // One closed by the user, then a third opened: two are counted.
    Windows(window)[0]->close();
    QCOMPARE(window.KouseiBunsekiWindowCount(), 1);
    window.OpenKouseiBunseki(JoukenKind::Honmei, 0, 1);
    QCOMPARE(window.KouseiBunsekiWindowCount(), 2);

    window.CloseKouseiBunsekiWindows();
    QCOMPARE(window.KouseiBunsekiWindowCount(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.findChildren<frmKouseiBunseki*>().isEmpty());
    window.CloseKouseiBunsekiWindows(); // nothing left: no harm
    QCOMPARE(window.KouseiBunsekiWindowCount(), 0);
}

KELVRA_QTEST(tst_frmKouseiBunseki)
#include "tst_frmKouseiBunseki.moc"
