#pragma once
// A set of horizontal bars, each split into coloured segments by value: the round view's 13
// vote bars. Positions are given at 96 dpi and scaled to the screen; the split and the
// hit-test are the core's. Owned by the view that places it.

#include "base/basBarLayout.h"

#include <QWidget>

#include <vector>

class clsBarGraph : public QWidget
{
    Q_OBJECT

public:
    explicit clsBarGraph(QWidget* parent = nullptr);

    // Empty bars at their places; the surface grows to hold them.
    void SetBarCount(int lngCount);
    int BarCount() const { return static_cast<int>(m_bars.size()); }
    void SetBarRect96(int lngIndex, const GridRect& rect96);
    void SetBar(int lngIndex, std::vector<BarSegment> segments);
    const std::vector<BarSegment>& Bar(int lngIndex) const;
    // Where bar lngIndex's segments are drawn, at this widget's dpi.
    std::vector<GridRect> SegmentRects(int lngIndex) const;
    // The bar under a point of the widget, -1 when none.
    int BarAt(const QPoint& point) const;

    QSize sizeHint() const override;

signals:
    void BarClicked(int lngIndex, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Item
    {
        GridRect Rect96;
        std::vector<BarSegment> Segments;
    };
    GridRect ScaledRect(int lngIndex) const;
    int Dpi() const;

    std::vector<Item> m_bars;
};
