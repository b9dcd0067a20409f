// The bar graph: bars at their scaled places, segments split by the core, clicks by bar.

#include "support/QtTestRegistry.h"
#include "widgets/clsBarGraph.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>

namespace {
const GridColor kHome = GridColor::FromRgb(255, 0, 0);
const GridColor kDraw = GridColor::FromRgb(0, 160, 0);
const GridColor kAway = GridColor::FromRgb(0, 0, 255);

QColor Q(const GridColor& color)
{
    return QColor::fromRgb(static_cast<QRgb>(color.lngRgb));
}

// Thirteen bars 203 by 7, one every 20 pixels: the round view's vote bars.
void PlaceThirteen(clsBarGraph& graph)
{
    graph.SetBarCount(13);
    for (int i = 0; i < 13; ++i) {
        graph.SetBarRect96(i, {0, 6 + 20 * i, 203, 7});
    }
}
} // namespace

class tst_BarGraph : public QObject
{
    Q_OBJECT

private slots:
    void barsAreDrawnInTheirSegmentsColours();
    void clicksNameTheBar();
    void barsOutsideTheCountAreIgnored();
};

void tst_BarGraph::barsAreDrawnInTheirSegmentsColours()
{
    clsBarGraph graph;
    PlaceThirteen(graph);
    graph.SetBar(0, {{500, kHome}, {300, kDraw}, {200, kAway}});
    graph.SetBar(12, {{0, kHome}, {0, kDraw}, {1, kAway}});
    QCOMPARE(graph.sizeHint(), QSize(203, 6 + 20 * 12 + 7));
    graph.resize(graph.sizeHint());
    graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graph));
    const QImage image = graph.grab().toImage();
    const std::vector<GridRect> first = graph.SegmentRects(0);
    QCOMPARE(first.size(), std::size_t{3});
    QCOMPARE(first[0].lngWidth + first[1].lngWidth + first[2].lngWidth, 203);
    const QColor colours[] = {Q(kHome), Q(kDraw), Q(kAway)};
    for (std::size_t s = 0; s < 3; ++s) {
        const GridRect& r = first[s];
        QCOMPARE(image.pixelColor(r.lngLeft, r.lngTop), colours[s]);
        QCOMPARE(image.pixelColor(r.lngLeft + r.lngWidth - 1, r.lngTop + r.lngHeight - 1),
                 colours[s]);
    }
    QCOMPARE(image.pixelColor(0, 6 + 20 * 12), Q(kAway));
    QCOMPARE(image.pixelColor(202, 6 + 20 * 12), Q(kAway));
    // An empty bar draws nothing over the background.
    QVERIFY(image.pixelColor(100, 6 + 20 * 5) != Q(kHome));
    QCOMPARE(image.pixelColor(100, 6 + 20 * 5), image.pixelColor(100, 1));
}

void tst_BarGraph::clicksNameTheBar()
{
    clsBarGraph graph;
    PlaceThirteen(graph);
    graph.resize(graph.sizeHint());
    graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graph));
    QSignalSpy spy(&graph, &clsBarGraph::BarClicked);
    QTest::mouseClick(&graph, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 6 + 20 * 4 + 3));
    QTest::mouseClick(&graph, Qt::LeftButton, Qt::NoModifier, QPoint(10, 20 * 4 + 2)); // a gap
    QTest::mouseClick(&graph, Qt::RightButton, Qt::NoModifier, QPoint(202, 6 + 20 * 12));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toInt(), 4);
    QCOMPARE(spy.at(0).at(2).value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    QCOMPARE(spy.at(1).at(0).toInt(), 12);
    QCOMPARE(spy.at(1).at(1).value<Qt::MouseButton>(), Qt::RightButton);
    QCOMPARE(graph.BarAt(QPoint(203, 6)), -1);
}

void tst_BarGraph::barsOutsideTheCountAreIgnored()
{
    clsBarGraph graph;
    PlaceThirteen(graph);
    graph.SetBar(13, {{1, kHome}});
    graph.SetBar(-1, {{1, kHome}});
    graph.SetBarRect96(13, {0, 0, 500, 500});
    QVERIFY(graph.Bar(13).empty());
    QVERIFY(graph.SegmentRects(-1).empty());
    QCOMPARE(graph.sizeHint().width(), 203);
    graph.SetBar(3, {{1, kHome}});
    graph.SetBarCount(2);
    QCOMPARE(graph.BarCount(), 2);
    QVERIFY(graph.Bar(3).empty());
}

KELVRA_QTEST(tst_BarGraph)
#include "tst_BarGraph.moc"
