// The grid widget: cells drawn as the core source says, sized by the core geometry, clicks
// and keys reported as (row, column, button, modifiers), cells exposed as an accessible
// table, and a source of every single read only where the view looks.

#include "base/basCellColors.h"
#include "base/clsGridGeometry.h"
#include "base/clsGridTable.h"
#include "support/QtTestRegistry.h"
#include "widgets/clsGridModel.h"
#include "widgets/clsGridView.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <set>

namespace {
// A source of one row per single that remembers which rows were asked for.
class CountingSource : public clsIGridSource
{
public:
    std::int32_t Rows() const override { return 1594323; }
    std::int32_t Cols() const override { return 2; }
    GridCellData Cell(std::int32_t lngRow, std::int32_t lngCol) const override
    {
        m_rowsRead.insert(lngRow);
        GridCellData cell;
        cell.strText = std::to_string(lngRow) + (lngCol == 0 ? "" : "番");
        return cell;
    }
    mutable std::set<std::int32_t> m_rowsRead;
};

clsGridGeometry SmallGeometry()
{
    return clsGridGeometry({20, 21, 21, 21}, {50, 0, 20, 60});
}

struct Click
{
    int row;
    int col;
    Qt::MouseButton button;
    Qt::KeyboardModifiers modifiers;
};

QList<Click> Clicks(const QSignalSpy& spy)
{
    QList<Click> clicks;
    for (const QList<QVariant>& args : spy) {
        clicks.push_back({args.at(0).toInt(), args.at(1).toInt(),
                          args.at(2).value<Qt::MouseButton>(),
                          args.at(3).value<Qt::KeyboardModifiers>()});
    }
    return clicks;
}
} // namespace

class tst_GridView : public QObject
{
    Q_OBJECT

private slots:
    void cellsShowWhatTheSourceSays();
    void cellsSitWhereTheCoreGeometryPutsThem();
    void aFramedGridFitsItsLastRowAndColumn();
    void clicksReportCellButtonAndModifiers();
    void aQuickSecondClickIsAClickToo();
    void keysMoveTheCurrentCellAndAct();
    void cellsAreAnAccessibleTable();
    void aSourceOfEverySingleIsReadOnlyWhereTheViewLooks();
    void refreshShowsChangesAndNewSizes();
    void aCellPainterDrawsTheCellsItTakes();
};

void tst_GridView::cellsShowWhatTheSourceSays()
{
    clsGridTable table(2, 3);
    table.SetText(0, 0, "開催日");
    table.SetBackColor(0, 0, GridColor::ButtonFaceColor());
    table.SetText(1, 2, "0.00");
    table.SetAlign(1, 2, GridAlign::Right);
    table.SetBackColor(1, 2, GridColor::FromRgb(255, 255, 224));
    table.SetForeColor(1, 2, GridColor::FromRgb(255, 0, 0));
    table.SetBold(1, 1, true);
    clsGridView view;
    view.SetSource(table);
    const clsGridModel& model = *view.Model();
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("開催日"));
    QCOMPARE(model.index(0, 0).data(Qt::BackgroundRole).value<QBrush>().color(),
             QApplication::palette().color(QPalette::Button));
    QCOMPARE(model.index(1, 2).data(Qt::BackgroundRole).value<QBrush>().color(),
             QColor(255, 255, 224));
    // Pure red is too light on pale yellow to read: it is drawn just dark enough.
    const QColor red = model.index(1, 2).data(Qt::ForegroundRole).value<QBrush>().color();
    QCOMPARE(red, QColor::fromRgb(basCellColors::ReadableOn(0xFFFFE0, 0xFF0000)));
    QVERIFY(red.red() > 200 && red.green() == 0 && red.blue() == 0);
    QCOMPARE(model.index(1, 2).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::AlignRight | Qt::AlignVCenter);
    QVERIFY(model.index(1, 1).data(Qt::FontRole).value<QFont>().bold());
    // A cell that sets nothing leaves the view's own colours and font.
    QVERIFY(!model.index(1, 0).data(Qt::BackgroundRole).isValid());
    QVERIFY(!model.index(1, 0).data(Qt::FontRole).isValid());
    QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
}

void tst_GridView::aFramedGridFitsItsLastRowAndColumn()
{
    clsGridTable table(4, 4);
    clsGridView view;
    view.setFrameShape(QFrame::Box);
    view.SetSource(table);
    view.SetGeometry96(SmallGeometry());
    view.SetFitToCells(true);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const clsGridGeometry& g = view.Geometry();
    QVERIFY(view.frameWidth() > 0);
    QCOMPARE(view.viewport()->size(), QSize(g.Width(), g.Height()));
    const QRect last = view.visualRect(view.Model()->index(3, 3));
    QVERIFY(view.viewport()->rect().contains(last));
}

void tst_GridView::cellsSitWhereTheCoreGeometryPutsThem()
{
    clsGridTable table(4, 4);
    clsGridView view;
    view.SetSource(table);
    view.SetGeometry96(SmallGeometry());
    view.SetFitToCells(true);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const clsGridGeometry& g = view.Geometry();
    QCOMPARE(view.size(), QSize(g.Width(), g.Height()));
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (c == 1) {
                continue; // hidden column
            }
            const GridRect cell = g.CellRect(r, c);
            QCOMPARE(view.columnViewportPosition(c), cell.lngLeft);
            QCOMPARE(view.rowViewportPosition(r), cell.lngTop);
            QCOMPARE(view.columnWidth(c), cell.lngWidth);
            QCOMPARE(view.rowHeight(r), cell.lngHeight);
        }
    }
    QVERIFY(view.isColumnHidden(1));
    QCOMPARE(view.CellAt(QPoint(50, 25)), QPoint(2, 1));
    QCOMPARE(view.CellAt(QPoint(-1, 5)), QPoint(-1, -1));
}

void tst_GridView::clicksReportCellButtonAndModifiers()
{
    clsGridTable table(4, 4);
    clsGridView view;
    view.SetSource(table);
    view.SetGeometry96(SmallGeometry());
    view.resize(300, 200); // larger than the cells: the rest of the surface is no cell
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy spy(&view, &clsGridView::CellClicked);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(60, 30));
    QTest::mouseClick(view.viewport(), Qt::RightButton, Qt::ControlModifier, QPoint(100, 70));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(250, 150));
    const QList<Click> clicks = Clicks(spy);
    QCOMPARE(clicks.size(), 3);
    QCOMPARE(clicks[0].row, 1);
    QCOMPARE(clicks[0].col, 2);
    QCOMPARE(clicks[0].button, Qt::LeftButton);
    QCOMPARE(clicks[0].modifiers, Qt::ShiftModifier);
    QCOMPARE(clicks[1].row, 3);
    QCOMPARE(clicks[1].col, 3);
    QCOMPARE(clicks[1].button, Qt::RightButton);
    QCOMPARE(clicks[1].modifiers, Qt::ControlModifier);
    QCOMPARE(clicks[2].row, 0);
    QCOMPARE(clicks[2].col, 0);
    QCOMPARE(view.currentIndex(), view.Model()->index(0, 0));
}

void tst_GridView::aQuickSecondClickIsAClickToo()
{
    clsGridTable table(4, 4);
    clsGridView view;
    view.SetSource(table);
    view.SetGeometry96(SmallGeometry());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy spy(&view, &clsGridView::CellClicked);
    // What the window system sends for two quick presses on one cell.
    const QPoint at(60, 30);
    QMouseEvent press(QEvent::MouseButtonPress, at, view.viewport()->mapToGlobal(at),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, view.viewport()->mapToGlobal(at),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QMouseEvent second(QEvent::MouseButtonDblClick, at, view.viewport()->mapToGlobal(at),
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release2(QEvent::MouseButtonRelease, at, view.viewport()->mapToGlobal(at),
                         Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &press);
    QApplication::sendEvent(view.viewport(), &release);
    QApplication::sendEvent(view.viewport(), &second);
    QApplication::sendEvent(view.viewport(), &release2);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(Clicks(spy)[1].row, 1);
    QCOMPARE(Clicks(spy)[1].col, 2);
}

void tst_GridView::keysMoveTheCurrentCellAndAct()
{
    clsGridTable table(4, 4);
    clsGridView view;
    view.SetSource(table);
    view.SetGeometry96(SmallGeometry());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setFocus();
    view.setCurrentIndex(view.Model()->index(0, 0));
    QSignalSpy spy(&view, &clsGridView::CellClicked);
    QTest::keyClick(&view, Qt::Key_Down);
    QTest::keyClick(&view, Qt::Key_Right); // over the hidden column
    QCOMPARE(view.currentIndex().row(), 1);
    QCOMPARE(view.currentIndex().column(), 2);
    QTest::keyClick(&view, Qt::Key_Space);
    QTest::keyClick(&view, Qt::Key_Down);
    QTest::keyClick(&view, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(&view, Qt::Key_Menu);
    QTest::keyClick(&view, Qt::Key_F10, Qt::ShiftModifier);
    const QList<Click> clicks = Clicks(spy);
    QCOMPARE(clicks.size(), 4);
    QCOMPARE(clicks[0].row, 1);
    QCOMPARE(clicks[0].col, 2);
    QCOMPARE(clicks[0].button, Qt::LeftButton);
    QCOMPARE(clicks[1].row, 2);
    QCOMPARE(clicks[1].modifiers, Qt::ControlModifier);
    QCOMPARE(clicks[2].button, Qt::RightButton);
    QCOMPARE(clicks[3].button, Qt::RightButton);
    QCOMPARE(clicks[3].modifiers, Qt::NoModifier);
}

void tst_GridView::cellsAreAnAccessibleTable()
{
    clsGridTable table(3, 2);
    table.SetText(0, 0, "ホーム");
    table.SetText(2, 1, "鹿島");
    clsGridView view;
    view.setAccessibleName(QStringLiteral("試合"));
    view.SetSource(table);
    view.SetGeometry96(clsGridGeometry::Uniform(3, 21, 2, 50));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&view);
    QVERIFY(iface != nullptr);
    QCOMPARE(iface->role(), QAccessible::Table);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("試合"));
    QAccessibleTableInterface* tableIface = iface->tableInterface();
    QVERIFY(tableIface != nullptr);
    QCOMPARE(tableIface->rowCount(), 3);
    QCOMPARE(tableIface->columnCount(), 2);
    QAccessibleInterface* cell = tableIface->cellAt(2, 1);
    QVERIFY(cell != nullptr);
    QCOMPARE(cell->role(), QAccessible::Cell);
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("鹿島"));
    QCOMPARE(tableIface->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("ホーム"));
}

void tst_GridView::aSourceOfEverySingleIsReadOnlyWhereTheViewLooks()
{
    CountingSource source;
    clsGridView view;
    view.SetSource(source);
    view.SetGeometry96(clsGridGeometry::Uniform(source.Rows(), 14, 2, 80));
    view.resize(200, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.Model()->rowCount(), 1594323);
    view.scrollToBottom();
    QCoreApplication::processEvents();
    view.viewport()->repaint();
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum() / 2);
    view.viewport()->repaint();
    // Three screens of about 22 rows were drawn: nothing near the other 1.6 million is read.
    QVERIFY2(source.m_rowsRead.size() < 200, qPrintable(QString::number(source.m_rowsRead.size())));
    QVERIFY(source.m_rowsRead.count(1594322) == 1);
    const QModelIndex last = view.Model()->index(1594322, 1);
    QCOMPARE(last.data().toString(), QStringLiteral("1594322番"));
}

void tst_GridView::refreshShowsChangesAndNewSizes()
{
    clsGridTable table(2, 2);
    clsGridView view;
    view.SetSource(table);
    view.SetGeometry96(clsGridGeometry::Uniform(2, 21, 2, 50));
    table.SetText(1, 1, "1.23");
    QSignalSpy changed(view.Model(), &QAbstractItemModel::dataChanged);
    view.RefreshCell(1, 1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(view.Model()->index(1, 1).data().toString(), QStringLiteral("1.23"));
    table.SetText(0, 0, "a");
    view.Refresh();
    QCOMPARE(view.Model()->index(0, 0).data().toString(), QStringLiteral("a"));
    QSignalSpy reset(view.Model(), &QAbstractItemModel::modelReset);
    table.Resize(5, 3);
    view.Refresh();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(view.Model()->rowCount(), 5);
    QCOMPARE(view.Model()->columnCount(), 3);
    view.RefreshCell(9, 9); // outside: ignored
    QCOMPARE(changed.count(), 2);
}

void tst_GridView::aCellPainterDrawsTheCellsItTakes()
{
    clsGridTable table(2, 2);
    table.SetBackColor(1, 1, GridColor::FromRgb(0, 0, 255));
    clsGridView view;
    view.SetSource(table);
    view.SetGeometry96(clsGridGeometry::Uniform(2, 21, 2, 50));
    view.SetFitToCells(true);
    view.SetCellPainter([](QPainter& painter, const QRect& rect, int row, int col) {
        if (row != 0 || col != 0) {
            return false;
        }
        painter.fillRect(rect, Qt::red);
        return true;
    });
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QImage image = view.grab().toImage();
    QCOMPARE(image.pixelColor(25, 10), QColor(Qt::red));
    QCOMPARE(image.pixelColor(75, 31), QColor(0, 0, 255));
    QVERIFY(image.pixelColor(75, 10) != QColor(Qt::red));
}

KELVRA_QTEST(tst_GridView)
#include "tst_GridView.moc"
