#include "app/qt/clsMachigaiView.h"

#include "app/clsConditionsFacet.h"
#include "app/frmMenu.h"
#include "base/clsGridGeometry.h"
#include "conditions/clsJoukenPanels.h"
#include "conditions/clsXJoken.h"
#include "widgets/clsGridView.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const std::array<QString, 3> kModeCaptions{
    QStringLiteral("条件間違い補正を行わない"),
    QStringLiteral("下の条件間違い数の買い目を取得する"),
    QStringLiteral("下の条件間違い数の場合は、許容△の買い目を拡張する")};
const std::array<QString, 3> kModeTips{
    QStringLiteral("条件どおりに削ったシングルだけを残します"),
    QStringLiteral("条件に外れた数が下で選んだ数のシングルも買い目に加えます"),
    QStringLiteral("条件に外れた数が下で選んだ数のとき、△を許す範囲を広げて買い目に加えます")};
} // namespace

GridCellData clsMachigaiView::ListSource::Cell(std::int32_t lngRow, std::int32_t) const
{
    GridCellData cell;
    cell.Align = GridAlign::Center;
    if (lngRow == 0) {
        cell.strText = "条件間違い数";
        cell.BackColor = GridColor::ButtonFaceColor();
        return cell;
    }
    std::array<bool, 12> allowed{};
    m_conditions.JoukenPanels().Haitou().GetMachigaiFlg(allowed);
    cell.strText = clsXJoken::MachigaiRowTitle(lngRow - 1);
    if (allowed[static_cast<std::size_t>(lngRow - 1)]) {
        cell.BackColor = GridColor::FromRgb(128, 255, 128);
    }
    return cell;
}

clsMachigaiView::clsMachigaiView(clsConditionsFacet& conditions, clsIMenuChooser& chooser,
                                 QWidget* parent)
    : QWidget(parent)
    , m_conditions(conditions)
    , m_chooser(chooser)
    , m_source(conditions)
{
    setObjectName(QStringLiteral("joukenMachigai"));
    setAccessibleName(QStringLiteral("補正"));
    auto* modes = new QVBoxLayout;
    modes->setSpacing(4);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(kModeCaptions[static_cast<std::size_t>(i)], this);
        option->setObjectName(QStringLiteral("optMachigai%1").arg(i));
        option->setAccessibleName(option->text());
        option->setToolTip(kModeTips[static_cast<std::size_t>(i)]);
        group->addButton(option, i);
        modes->addWidget(option);
        m_modes[static_cast<std::size_t>(i)] = option;
        connect(option, &QRadioButton::clicked, this, [this, i] {
            m_conditions.EditJouken([&](clsJoukenPanels& p) { p.SetMachigaiType(i); });
            Refresh();
        });
    }
    modes->addStretch(1);

    m_list = new clsGridView(this);
    m_list->setObjectName(QStringLiteral("picMachigai"));
    m_list->setAccessibleName(QStringLiteral("条件間違い数"));
    m_list->setFrameShape(QFrame::Box);
    m_list->SetFitToCells(true);
    m_list->SetSource(m_source);
    m_list->SetGeometry96(clsGridGeometry::Uniform(13, 20, 1, 96, clsGridGeometry::kBaseDpi));
    connect(m_list, &clsGridView::CellClicked, this,
            [this](int lngRow, int, Qt::MouseButton button) { OnListClicked(lngRow, button); });

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 6, 6, 6);
    row->setSpacing(12);
    row->addWidget(m_list, 0, Qt::AlignTop);
    row->addLayout(modes, 1);

    m_changed = m_conditions.SubscribeChanged([this](std::uint32_t lngParts) {
        if ((lngParts & DocumentParts::PartConditions) != 0) {
            Refresh();
        }
    });
    Refresh();
}

void clsMachigaiView::Refresh()
{
    const std::int32_t mode = m_conditions.JoukenPanels().MachigaiType();
    for (std::size_t i = 0; i < m_modes.size(); ++i) {
        m_modes[i]->setChecked(static_cast<std::int32_t>(i) == mode);
    }
    m_list->Refresh();
}

void clsMachigaiView::OnListClicked(int lngRow, Qt::MouseButton button)
{
    if (button == Qt::RightButton) {
        frmMenu menu;
        const std::int32_t index = menu.Show(frmMenu::Kind::GridB, m_chooser);
        if (index == 1 || index == 2) {
            m_conditions.EditJouken(
                [&](clsJoukenPanels& p) { p.Haitou().SetAllMachigai(index == 1); });
        }
    } else if (button == Qt::LeftButton && lngRow > 0) {
        m_conditions.EditJouken([&](clsJoukenPanels& p) { p.Haitou().ToggleMachigai(lngRow - 1); });
    }
}
