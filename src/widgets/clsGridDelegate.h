#pragma once
// Draws one grid cell: the owner's painter where it takes the cell, Qt's item drawing of the
// model's text, colours, alignment and font otherwise. Owned by its clsGridView.

#include <QStyledItemDelegate>

class clsGridView;

class clsGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // Pixels between a cell's edge and its text, on either side.
    static constexpr int kTextMargin = 1;

    explicit clsGridDelegate(clsGridView& view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    clsGridView& m_view;
};
