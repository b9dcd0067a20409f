#include "widgets/clsGridDelegate.h"

#include "widgets/clsGridView.h"

#include <QApplication>
#include <QPainter>

clsGridDelegate::clsGridDelegate(clsGridView& view)
    : QStyledItemDelegate(&view)
    , m_view(view)
{}

void clsGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const
{
    const clsGridView::CellPainter& custom = m_view.Painter();
    if (custom) {
        painter->save();
        const bool painted = custom(*painter, option.rect, index.row(), index.column());
        painter->restore();
        if (painted) {
            return;
        }
    }
    // The fixed cells are sized for their texts with one pixel to spare ("アウェイ" in a
    // 50-pixel column): Qt's item margins would elide them, so the text is drawn here.
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    painter->save();
    const QVariant back = index.data(Qt::BackgroundRole);
    painter->fillRect(opt.rect, back.isValid() ? back.value<QBrush>() : opt.palette.base());
    const QVariant fore = index.data(Qt::ForegroundRole);
    painter->setPen(fore.isValid() ? fore.value<QBrush>().color()
                                   : opt.palette.color(QPalette::Text));
    painter->setFont(opt.font);
    const QRect textRect = opt.rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
    painter->setClipRect(opt.rect);
    painter->drawText(textRect, static_cast<int>(opt.displayAlignment) | Qt::TextSingleLine,
                      opt.text);
    painter->restore();
    if ((opt.state & QStyle::State_HasFocus) != 0) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(opt);
        focus.rect = opt.rect;
        focus.backgroundColor = opt.palette.color(QPalette::Base);
        const QWidget* widget = opt.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
}
