#include "widgets/clsGridDelegate.h"

#include "widgets/clsGridView.h"

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
    QStyledItemDelegate::paint(painter, option, index);
}
