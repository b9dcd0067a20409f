#include "app/qt/clsMultiView.h"

clsMultiView::clsMultiView(clsMarksFacet& marks, QWidget* parent)
    : clsGridView(parent)
    , m_marks(marks)
    , m_grid(marks.Multi())
{
    setObjectName(QStringLiteral("picMulti"));
    setAccessibleName(QStringLiteral("マルチ"));
    setToolTip(QStringLiteral("買う結果のマーク。クリックで各試合の1・0・2を付け外しします"));
    SetSource(m_grid);
    SetGeometry96(clsTMultiGrid::Geometry96());
    SetFitToCells(true);
    connect(this, &clsGridView::CellClicked, this,
            [this](int lngRow, int lngCol, Qt::MouseButton button, Qt::KeyboardModifiers) {
                OnCellClicked(lngRow, lngCol, button);
            });
    m_changed = m_marks.SubscribeChanged([this](std::uint32_t lngParts) {
        if ((lngParts & DocumentParts::PartMulti) != 0) {
            Refresh();
        }
    });
}

void clsMultiView::OnCellClicked(int lngRow, int lngCol, Qt::MouseButton button)
{
    if (button != Qt::LeftButton && button != Qt::RightButton) {
        return;
    }
    // Refused while a run reads the marks; the document then changes nothing.
    m_marks.MultiMouseDown(button == Qt::LeftButton ? clsTMulti::Button::Left
                                                    : clsTMulti::Button::Right,
                           lngRow, lngCol);
}
