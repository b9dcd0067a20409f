#pragma once
// The one grid widget of the window: fixed rows and columns drawn from a core grid source,
// sized by a core geometry, every cell reachable by keyboard and exposed to accessibility
// tools as a table cell. Owned by the view that places it (round view, count grids, ...).
//
// A click, a right-click, Space or Enter on the current cell, and the menu key all arrive as
// CellClicked(row, column, button, modifiers), so the owner has one place to answer them.

#include "base/clsGridGeometry.h"

#include <QTableView>

#include <functional>
#include <memory>

class QPainter;
class clsGridDelegate;
class clsGridModel;
class clsIGridSource;

class clsGridView : public QTableView
{
    Q_OBJECT

public:
    // Paints cell (row, column) into the rectangle and returns true, or returns false to leave
    // the cell to the ordinary text drawing. For cells that need more than text (mark
    // pictures, inverted labels).
    using CellPainter = std::function<bool(QPainter&, const QRect&, int, int)>;

    explicit clsGridView(QWidget* parent = nullptr);
    ~clsGridView() override;

    // The source must outlive the view (or the next SetSource).
    void SetSource(const clsIGridSource& source);
    clsGridModel* Model() const { return m_model.get(); }
    // Lengths at 96 dpi; the view scales them to its screen. Uniform axes are sized at once,
    // so a grid of 1.6 million rows is sized as fast as one of ten.
    void SetGeometry96(const clsGridGeometry& geometry);
    // The geometry at the view's dpi: what is drawn, and where a point lands.
    const clsGridGeometry& Geometry() const { return m_geometry; }
    // Makes the widget exactly as large as its cells, without scroll bars.
    void SetFitToCells(bool blnFit);
    void SetCellPainter(CellPainter painter);
    const CellPainter& Painter() const { return m_painter; }

    // The source changed (all cells, or one).
    void Refresh();
    void RefreshCell(int lngRow, int lngCol);

    // The cell under a point of the widget as (column, row), by the core geometry and the
    // scroll position; (-1, -1) outside the cells.
    QPoint CellAt(const QPoint& point) const;
    // Ctrl+C: the selected cells (else the current one) to the clipboard as tab-separated text.
    // Grids whose clicks act select nothing; the read-only ones let the user select a range.
    void CopyCells() const;

signals:
    void CellClicked(int lngRow, int lngCol, Qt::MouseButton button,
                     Qt::KeyboardModifiers modifiers);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // The second press of a quick pair is a click of its own: marking two cells in a row
    // must not lose one.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ApplyGeometry();
    void ReportPress(const QMouseEvent& event);

    std::unique_ptr<clsGridModel> m_model;
    clsGridGeometry m_geometry96;
    clsGridGeometry m_geometry;
    CellPainter m_painter;
    bool m_fitToCells = false;
};
