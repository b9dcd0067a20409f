#include "app/qt/clsMultiCountView.h"

#include "lottery/basMultiFrame.h"

clsMultiCountView::clsMultiCountView(clsMarksFacet& marks, QWidget* parent)
    : clsGridView(parent)
    , m_marks(marks)
    , m_grid(m_count)
{
    setObjectName(QStringLiteral("picMultiCount"));
    setAccessibleName(QStringLiteral("マルチ構成"));
    SetSource(m_grid);
    SetGeometry96(clsTCountGrid::Geometry96());
    SetFitToCells(true);
    m_count.Redraw = [this] { Refresh(); };
    connect(this, &clsGridView::CellClicked, this,
            [this](int lngRow, int, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
                if (button != Qt::LeftButton && button != Qt::RightButton) {
                    return;
                }
                m_count.MouseDown(button == Qt::LeftButton ? clsTCount::Button::Left
                                                           : clsTCount::Button::Right,
                                  static_cast<std::int32_t>(modifiers.toInt()), 0.0, 0.0, lngRow);
            });
    m_changed = m_marks.SubscribeChanged([this](std::uint32_t lngParts) {
        if ((lngParts & DocumentParts::PartMulti) != 0) {
            Recount();
        }
    });
    Recount();
}

void clsMultiCountView::Recount()
{
    CellFlags visible{};
    m_marks.Multi().GetVisible(visible);
    m_count.SetVisible(visible);
    m_count.SetValue(basMultiFrame::Frame(m_marks.Multi().Value())); // redraws
}
