#include "widgets/clsGridView.h"

#include "base/basText.h"
#include "base/clsIGridSource.h"
#include "base/qt/basQtText.h"
#include "widgets/clsGridDelegate.h"
#include "widgets/clsGridModel.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <string>
#include <vector>

namespace {
// A line of length 0 is hidden rather than thin, so the arrow keys pass over it.
void SizeSection(QHeaderView& header, int lngIndex, int lngLength)
{
    header.setSectionHidden(lngIndex, lngLength == 0);
    if (lngLength > 0) {
        header.resizeSection(lngIndex, lngLength);
    }
}
} // namespace

clsGridView::clsGridView(QWidget* parent)
    : QTableView(parent)
{
    setItemDelegate(new clsGridDelegate(*this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    // The grid's own header rows are cells; a click acts, it does not select.
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
}

clsGridView::~clsGridView()
{
    setModel(nullptr);
}

void clsGridView::SetSource(const clsIGridSource& source)
{
    auto model = std::make_unique<clsGridModel>(source);
    setModel(model.get());
    m_model = std::move(model);
    ApplyGeometry();
}

void clsGridView::SetGeometry96(const clsGridGeometry& geometry)
{
    m_geometry96 = geometry;
    ApplyGeometry();
}

void clsGridView::SetFitToCells(bool blnFit)
{
    m_fitToCells = blnFit;
    ApplyGeometry();
}

void clsGridView::SetCellPainter(CellPainter painter)
{
    m_painter = std::move(painter);
    viewport()->update();
}

void clsGridView::Refresh()
{
    if (m_model) {
        const int rows = m_model->rowCount();
        const int cols = m_model->columnCount();
        m_model->Refresh();
        if (rows != m_model->rowCount() || cols != m_model->columnCount()) {
            ApplyGeometry();
        }
    }
}

void clsGridView::RefreshCell(int lngRow, int lngCol)
{
    if (m_model) {
        m_model->RefreshCell(lngRow, lngCol);
    }
}

void clsGridView::ApplyGeometry()
{
    m_geometry = m_geometry96;
    m_geometry.SetDpi(logicalDpiX() > 0 ? logicalDpiX() : clsGridGeometry::kBaseDpi);
    QHeaderView* rows = verticalHeader();
    QHeaderView* cols = horizontalHeader();
    const int modelRows = m_model ? m_model->rowCount() : 0;
    const int modelCols = m_model ? m_model->columnCount() : 0;
    if (const auto height = m_geometry.UniformRowHeight()) {
        rows->setDefaultSectionSize(*height);
    } else {
        for (int r = 0; r < std::min(modelRows, m_geometry.Rows()); ++r) {
            SizeSection(*rows, r, m_geometry.RowHeight(r));
        }
    }
    if (const auto width = m_geometry.UniformColWidth()) {
        cols->setDefaultSectionSize(*width);
    } else {
        for (int c = 0; c < std::min(modelCols, m_geometry.Cols()); ++c) {
            SizeSection(*cols, c, m_geometry.ColWidth(c));
        }
    }
    if (m_fitToCells) {
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // The frame is drawn inside the widget: without room for it, it covers the last row
        // and column.
        const int frame = 2 * frameWidth();
        setFixedSize(m_geometry.Width() + frame, m_geometry.Height() + frame);
    } else {
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
}

QPoint clsGridView::CellAt(const QPoint& point) const
{
    const auto hit =
        m_geometry.HitTest(point.x() + horizontalOffset(), point.y() + verticalOffset());
    if (!hit || !m_model || hit->lngRow >= m_model->rowCount() ||
        hit->lngCol >= m_model->columnCount()) {
        return {-1, -1};
    }
    return {hit->lngCol, hit->lngRow};
}

void clsGridView::mousePressEvent(QMouseEvent* event)
{
    QTableView::mousePressEvent(event);
    ReportPress(*event);
}

void clsGridView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    ReportPress(*event);
}

void clsGridView::ReportPress(const QMouseEvent& event)
{
    const QPoint cell = CellAt(event.position().toPoint());
    if (cell.x() < 0) {
        return;
    }
    // The clicked cell becomes the current one for any button, so the keyboard goes on
    // from there.
    setCurrentIndex(m_model->index(cell.y(), cell.x()));
    emit CellClicked(cell.y(), cell.x(), event.button(), event.modifiers());
}

void clsGridView::CopyCells() const
{
    QModelIndexList cells =
        selectionModel() != nullptr ? selectionModel()->selectedIndexes() : QModelIndexList();
    if (cells.isEmpty() && currentIndex().isValid()) {
        cells.append(currentIndex());
    }
    if (cells.isEmpty()) {
        return;
    }
    // The rectangle around the chosen cells; cells inside it that were not chosen stay empty,
    // so the pasted columns line up as on screen.
    int top = cells.front().row();
    int bottom = top;
    int left = cells.front().column();
    int right = left;
    for (const QModelIndex& cell : cells) {
        top = std::min(top, cell.row());
        bottom = std::max(bottom, cell.row());
        left = std::min(left, cell.column());
        right = std::max(right, cell.column());
    }
    std::vector<std::vector<std::string>> rows(
        static_cast<std::size_t>(bottom - top + 1),
        std::vector<std::string>(static_cast<std::size_t>(right - left + 1)));
    for (const QModelIndex& cell : cells) {
        rows[static_cast<std::size_t>(cell.row() - top)]
            [static_cast<std::size_t>(cell.column() - left)] =
                basQtText::FromQ(cell.data(Qt::DisplayRole).toString());
    }
    QGuiApplication::clipboard()->setText(basQtText::ToQ(basText::TabSeparated(rows)));
}

void clsGridView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        CopyCells();
        event->accept();
        return;
    }
    const QModelIndex current = currentIndex();
    const bool menuKey =
        event->key() == Qt::Key_Menu ||
        (event->key() == Qt::Key_F10 && (event->modifiers() & Qt::ShiftModifier) != 0);
    const bool actKey = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                        event->key() == Qt::Key_Enter;
    if ((menuKey || actKey) && current.isValid()) {
        const Qt::KeyboardModifiers modifiers =
            menuKey ? event->modifiers() & ~Qt::ShiftModifier : event->modifiers();
        emit CellClicked(current.row(), current.column(),
                         menuKey ? Qt::RightButton : Qt::LeftButton, modifiers);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void clsGridView::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    // A move to a screen of another dpi scales the cells anew.
    if (event->type() == QEvent::ScreenChangeInternal) {
        ApplyGeometry();
    }
}
