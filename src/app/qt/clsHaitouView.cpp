#include "app/qt/clsHaitouView.h"

#include "app/clsConditionsFacet.h"
#include "app/clsRoundFacet.h"
#include "app/frmMenu.h"
#include "app/qt/clsValueLimitView.h"
#include "conditions/ConditionSetRecord.h"
#include "conditions/clsJoukenPanels.h"
#include "conditions/clsXJoken.h"
#include "widgets/clsMoneyEdit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
const std::array<QString, 2> kSideNames{QStringLiteral("下限"), QStringLiteral("上限")};
} // namespace

clsHaitouView::clsHaitouView(clsConditionsFacet& conditions, clsRoundFacet& round,
                             clsIMenuChooser& chooser, QWidget* parent)
    : QWidget(parent)
    , m_conditions(conditions)
    , m_chooser(chooser)
{
    setObjectName(QStringLiteral("joukenHaitou"));
    setAccessibleName(QStringLiteral("金額"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(4);

    // One grid for the three grades, so that the columns line up. Each box has a label of its
    // own beside it, which a screen reader gives with the box.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    const clsHost& host = m_conditions.Host();
    for (int g = 0; g < 3; ++g) {
        Row& row = m_rows[static_cast<std::size_t>(g)];
        const QString grade = QStringLiteral("%1等").arg(g + 1);
        row.Flag = new QCheckBox(grade, this);
        row.Flag->setObjectName(QStringLiteral("chkHaitou%1").arg(g + 1));
        row.Flag->setAccessibleName(grade);
        row.Flag->setToolTip(
            QStringLiteral("%1等の予想配当が範囲の外になるシングルを削ります").arg(g + 1));
        grid->addWidget(row.Flag, g, 0);
        row.MinLabel = new QLabel(kSideNames[0], this);
        grid->addWidget(row.MinLabel, g, 1);
        row.Tilde = new QLabel(QStringLiteral("～ ") + kSideNames[1], this);
        grid->addWidget(row.Tilde, g, 3);
        for (int side = 0; side < 2; ++side) {
            auto& text = row.Text[static_cast<std::size_t>(side)];
            text = std::make_unique<clsMoneyText>(host.Message, host.Clipboard);
            text->Initialize();
            text->SetMin(Currency{});
            text->SetMax(kHaitouNoLimit);
            auto* box = new clsMoneyEdit(
                *text, grade + QLatin1Char(' ') + kSideNames[static_cast<std::size_t>(side)], this);
            box->setObjectName(
                (side == 0 ? QStringLiteral("txtHaitouMin%1") : QStringLiteral("txtHaitouMax%1"))
                    .arg(g + 1));
            box->setContextMenuPolicy(Qt::CustomContextMenu);
            // Room for the largest amount with the frame, at any font size.
            box->setMinimumWidth(
                box->fontMetrics().horizontalAdvance(QStringLiteral("9,999,999,999")) + 16);
            box->setToolTip(
                side == 0
                    ? QStringLiteral("%1等の予想配当がこの金額（円）より少ないシングルを削ります")
                          .arg(g + 1)
                    : QStringLiteral("%1等の予想配当がこの金額（円）より多いシングルを削ります")
                          .arg(g + 1));
            (side == 0 ? row.MinLabel : row.Tilde)->setBuddy(box);
            row.Box[static_cast<std::size_t>(side)] = box;
            grid->addWidget(box, g, 2 + 2 * side);
            connect(box, &clsMoneyEdit::AmountEdited, this,
                    [this, g, side] { OnAmountEdited(g, side); });
            connect(box, &QWidget::customContextMenuRequested, this,
                    [this, g, side] { OnAmountMenu(g, side); });
        }
        connect(row.Flag, &QCheckBox::clicked, this, [this, g](bool blnChecked) {
            m_conditions.EditJouken([&](clsJoukenPanels& p) { p.Haitou().SetFlag(g, blnChecked); });
            Refresh();
        });
    }
    grid->setColumnStretch(5, 1);
    column->addLayout(grid);

    auto* note = new QLabel(
        QStringLiteral("9,999,999,999円以下と指定した場合は、上限の制限を行いません"), this);
    note->setObjectName(QStringLiteral("lblHaitouNote"));
    note->setWordWrap(true);
    column->addWidget(note);
    column->addWidget(new clsValueLimitView(m_conditions, round, this));
    column->addStretch(1);

    m_changed = m_conditions.SubscribeChanged([this](std::uint32_t lngParts) {
        if ((lngParts & DocumentParts::PartConditions) != 0) {
            Refresh();
        }
    });
    Refresh();
}

clsHaitouView::~clsHaitouView() = default;

void clsHaitouView::SetMaxGrade(int lngMaxGrade)
{
    for (int g = 0; g < 3; ++g) {
        Row& row = m_rows[static_cast<std::size_t>(g)];
        const bool shown = g < lngMaxGrade;
        row.Flag->setVisible(shown);
        row.MinLabel->setVisible(shown);
        row.Tilde->setVisible(shown);
        row.Box[0]->setVisible(shown);
        row.Box[1]->setVisible(shown);
    }
}

void clsHaitouView::Refresh()
{
    const clsXJoken& haitou = m_conditions.JoukenPanels().Haitou();
    for (int g = 0; g < 3; ++g) {
        Row& row = m_rows[static_cast<std::size_t>(g)];
        row.Flag->setChecked(haitou.Flag(g));
        row.Flag->setEnabled(haitou.Enabled(g));
        const std::array<Currency, 2> amounts{haitou.MinMoney(g), haitou.MaxMoney(g)};
        for (std::size_t side = 0; side < 2; ++side) {
            // An equal amount keeps the caret where the user is typing.
            if (row.Text[side]->Value() != amounts[side]) {
                row.Text[side]->SetValue(amounts[side]);
                row.Box[side]->Refresh();
            }
            row.Box[side]->SetInverted(haitou.IsReversed(g));
        }
    }
}

void clsHaitouView::OnAmountEdited(int lngGrade, int lngSide)
{
    const Currency amount =
        m_rows[static_cast<std::size_t>(lngGrade)].Text[static_cast<std::size_t>(lngSide)]->Value();
    m_conditions.EditJouken([&](clsJoukenPanels& p) {
        if (lngSide == 0) {
            p.Haitou().SetMinMoney(lngGrade, amount);
        } else {
            p.Haitou().SetMaxMoney(lngGrade, amount);
        }
    });
    // Refused while a run reads the work: the box goes back to the document's amount.
    Refresh();
}

void clsHaitouView::OnAmountMenu(int lngGrade, int lngSide)
{
    m_rows[static_cast<std::size_t>(lngGrade)].Box[static_cast<std::size_t>(lngSide)]->setFocus(
        Qt::PopupFocusReason);
    frmMenu menu;
    menu.SetMoneyMenu(10 * (lngGrade + 1) + lngSide + 1);
    const std::int32_t index = menu.Show(frmMenu::Kind::Money, m_chooser);
    const Currency amount = menu.Money();
    m_conditions.EditJouken([&](clsJoukenPanels& p) {
        p.Haitou().ApplyAmountMenu(lngGrade, lngSide == 1, index, amount);
    });
    Refresh();
}
