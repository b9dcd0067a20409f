#include "widgets/clsBarGraph.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

namespace {
QColor ToQColor(const GridColor& color, const QPalette& palette)
{
    switch (color.enuKind) {
    case GridColor::Kind::Rgb:
        return QColor(static_cast<int>((color.lngRgb >> 16) & 0xFF),
                      static_cast<int>((color.lngRgb >> 8) & 0xFF),
                      static_cast<int>(color.lngRgb & 0xFF));
    case GridColor::Kind::ButtonFace:
        return palette.color(QPalette::Button);
    case GridColor::Kind::Default:
        break;
    }
    return palette.color(QPalette::WindowText);
}
} // namespace

clsBarGraph::clsBarGraph(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

int clsBarGraph::Dpi() const
{
    return logicalDpiX() > 0 ? logicalDpiX() : clsGridGeometry::kBaseDpi;
}

void clsBarGraph::SetBarCount(int lngCount)
{
    m_bars.resize(static_cast<std::size_t>(std::max(lngCount, 0)));
    updateGeometry();
    update();
}

void clsBarGraph::SetBarRect96(int lngIndex, const GridRect& rect96)
{
    if (lngIndex < 0 || lngIndex >= BarCount()) {
        return;
    }
    m_bars[static_cast<std::size_t>(lngIndex)].Rect96 = rect96;
    updateGeometry();
    update();
}

void clsBarGraph::SetBar(int lngIndex, std::vector<BarSegment> segments)
{
    if (lngIndex < 0 || lngIndex >= BarCount()) {
        return;
    }
    m_bars[static_cast<std::size_t>(lngIndex)].Segments = std::move(segments);
    update();
}

const std::vector<BarSegment>& clsBarGraph::Bar(int lngIndex) const
{
    static const std::vector<BarSegment> kNone;
    if (lngIndex < 0 || lngIndex >= BarCount()) {
        return kNone;
    }
    return m_bars[static_cast<std::size_t>(lngIndex)].Segments;
}

GridRect clsBarGraph::ScaledRect(int lngIndex) const
{
    return basBarLayout::ScaleRect(m_bars[static_cast<std::size_t>(lngIndex)].Rect96, Dpi());
}

std::vector<GridRect> clsBarGraph::SegmentRects(int lngIndex) const
{
    if (lngIndex < 0 || lngIndex >= BarCount()) {
        return {};
    }
    return basBarLayout::SegmentRects(ScaledRect(lngIndex),
                                      m_bars[static_cast<std::size_t>(lngIndex)].Segments);
}

int clsBarGraph::BarAt(const QPoint& point) const
{
    std::vector<GridRect> rects;
    rects.reserve(m_bars.size());
    for (int i = 0; i < BarCount(); ++i) {
        rects.push_back(ScaledRect(i));
    }
    return basBarLayout::HitTest(rects, point.x(), point.y()).value_or(-1);
}

QSize clsBarGraph::sizeHint() const
{
    int width = 0;
    int height = 0;
    for (int i = 0; i < BarCount(); ++i) {
        const GridRect r = ScaledRect(i);
        width = std::max(width, r.lngLeft + r.lngWidth);
        height = std::max(height, r.lngTop + r.lngHeight);
    }
    return {width, height};
}

void clsBarGraph::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int i = 0; i < BarCount(); ++i) {
        const std::vector<GridRect> rects = SegmentRects(i);
        const std::vector<BarSegment>& segments = m_bars[static_cast<std::size_t>(i)].Segments;
        for (std::size_t s = 0; s < rects.size(); ++s) {
            const GridRect& r = rects[s];
            if (r.lngWidth > 0 && r.lngHeight > 0) {
                painter.fillRect(QRect(r.lngLeft, r.lngTop, r.lngWidth, r.lngHeight),
                                 ToQColor(segments[s].Color, palette()));
            }
        }
    }
}

void clsBarGraph::mousePressEvent(QMouseEvent* event)
{
    const int bar = BarAt(event->position().toPoint());
    if (bar >= 0) {
        emit BarClicked(bar, event->button(), event->modifiers());
    }
    QWidget::mousePressEvent(event);
}
