#include "widgets/clsFormScroller.h"

clsFormScroller::clsFormScroller(QWidget* parent)
    : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
}

void clsFormScroller::SetForm(QWidget* form)
{
    setWidget(form);
}

QSize clsFormScroller::sizeHint() const
{
    const int frame = 2 * frameWidth();
    const QSize form = widget() != nullptr ? widget()->sizeHint() : QSize();
    return form.expandedTo(QSize(0, 0)) + QSize(frame, frame);
}

QSize clsFormScroller::minimumSizeHint() const
{
    // Small enough for any screen: the rest scrolls.
    const int h = fontMetrics().height();
    return QSize(12 * h, 8 * h);
}
