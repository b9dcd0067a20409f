#include "app/qt/clsValueLimitView.h"

#include "app/clsConditionsFacet.h"
#include "app/clsRoundFacet.h"
#include "conditions/ConditionSetRecord.h"
#include "conditions/clsJoukenPanels.h"
#include "widgets/clsMoneyEdit.h"

#include <QCheckBox>
#include <QDoubleValidator>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace {
const std::array<QString, 2> kSideNames{QStringLiteral("下限"), QStringLiteral("上限")};

QString PText(double dblP)
{
    return QString::number(dblP, 'g', 10);
}
} // namespace

clsValueLimitView::clsValueLimitView(clsConditionsFacet& conditions, clsRoundFacet& round,
                                     QWidget* parent)
    : QWidget(parent)
    , m_conditions(conditions)
    , m_round(round)
{
    setObjectName(QStringLiteral("joukenValue"));
    setAccessibleName(QStringLiteral("自分の確率による条件"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);

    m_chkEV = new QCheckBox(QStringLiteral("期待値"), this);
    m_chkEV->setObjectName(QStringLiteral("chkValueEV"));
    m_chkEV->setAccessibleName(m_chkEV->text());
    m_chkEV->setToolTip(
        QStringLiteral("自分の予想確率で見た期待値（円）が範囲の外になるシングルを削ります"));
    grid->addWidget(m_chkEV, 0, 0);
    // Each box has a label of its own beside it, which a screen reader gives with the box.
    const auto label = [this, grid](const QString& strText, QWidget* buddy, int lngRow,
                                    int lngCol) {
        auto* caption = new QLabel(strText, this);
        caption->setBuddy(buddy);
        grid->addWidget(caption, lngRow, lngCol);
    };
    const clsHost& host = m_conditions.Host();
    for (int side = 0; side < 2; ++side) {
        const auto k = static_cast<std::size_t>(side);
        m_evText[k] = std::make_unique<clsMoneyText>(host.Message, host.Clipboard);
        m_evText[k]->Initialize();
        m_evText[k]->SetMin(Currency{});
        m_evText[k]->SetMax(kHaitouNoLimit);
        m_evBox[k] =
            new clsMoneyEdit(*m_evText[k], QStringLiteral("期待値 ") + kSideNames[k], this);
        m_evBox[k]->setObjectName(side == 0 ? QStringLiteral("txtValueEVMin")
                                            : QStringLiteral("txtValueEVMax"));
        m_evBox[k]->setMinimumWidth(
            m_evBox[k]->fontMetrics().horizontalAdvance(QStringLiteral("9,999,999,999")) + 16);
        m_evBox[k]->setToolTip(
            side == 0 ? QStringLiteral("期待値がこの金額（円）より低いシングルを削ります")
                      : QStringLiteral("期待値がこの金額（円）より高いシングルを削ります"));
        grid->addWidget(m_evBox[k], 0, 2 + 2 * side);
        label(side == 0 ? kSideNames[0] : QStringLiteral("～ ") + kSideNames[1], m_evBox[k], 0,
              1 + 2 * side);
        connect(m_evBox[k], &clsMoneyEdit::AmountEdited, this, [this, k] {
            ValueLimits limits = m_conditions.JoukenPanels().Value();
            (k == 0 ? limits.EVMin : limits.EVMax) = m_evText[k]->Value();
            Edit(limits);
        });
    }

    m_chkP = new QCheckBox(QStringLiteral("１等確率"), this);
    m_chkP->setObjectName(QStringLiteral("chkValueP"));
    m_chkP->setAccessibleName(m_chkP->text());
    m_chkP->setToolTip(
        QStringLiteral("自分の予想確率で見た１等の当たる確率が範囲の外になるシングルを削ります"));
    grid->addWidget(m_chkP, 1, 0);
    for (int side = 0; side < 2; ++side) {
        const auto k = static_cast<std::size_t>(side);
        m_pBox[k] = new QLineEdit(this);
        m_pBox[k]->setObjectName(side == 0 ? QStringLiteral("txtValuePMin")
                                           : QStringLiteral("txtValuePMax"));
        m_pBox[k]->setAccessibleName(QStringLiteral("１等確率 ") + kSideNames[k]);
        m_pBox[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* validator = new QDoubleValidator(0.0, 1.0, 12, m_pBox[k]);
        validator->setNotation(QDoubleValidator::ScientificNotation);
        validator->setLocale(QLocale::c());
        m_pBox[k]->setValidator(validator);
        m_pBox[k]->setToolTip(
            side == 0 ? QStringLiteral("１等の確率（0～1の小数）がこれより低いシングルを削ります")
                      : QStringLiteral("１等の確率（0～1の小数）がこれより高いシングルを削ります"));
        grid->addWidget(m_pBox[k], 1, 2 + 2 * side);
        label(side == 0 ? kSideNames[0] : QStringLiteral("～ ") + kSideNames[1], m_pBox[k], 1,
              1 + 2 * side);
        connect(m_pBox[k], &QLineEdit::editingFinished, this, [this, side] { OnPEdited(side); });
    }
    grid->setColumnStretch(5, 1);

    connect(m_chkEV, &QCheckBox::clicked, this, [this](bool blnChecked) {
        ValueLimits limits = m_conditions.JoukenPanels().Value();
        limits.EVFlag = blnChecked;
        Edit(limits);
    });
    connect(m_chkP, &QCheckBox::clicked, this, [this](bool blnChecked) {
        ValueLimits limits = m_conditions.JoukenPanels().Value();
        limits.PFlag = blnChecked;
        Edit(limits);
    });
    m_changed = m_conditions.SubscribeChanged([this](std::uint32_t lngParts) {
        if ((lngParts & (DocumentParts::PartConditions | DocumentParts::PartProbability)) != 0) {
            Refresh();
        }
    });
    Refresh();
}

clsValueLimitView::~clsValueLimitView() = default;

void clsValueLimitView::Edit(const ValueLimits& limits)
{
    m_conditions.EditJouken([&](clsJoukenPanels& p) { p.SetValueLimits(limits); });
    // Refused while a run reads the work: the rows go back to the document's limits.
    Refresh();
}

void clsValueLimitView::OnPEdited(int lngSide)
{
    bool ok = false;
    const double value =
        QLocale::c().toDouble(m_pBox[static_cast<std::size_t>(lngSide)]->text(), &ok);
    ValueLimits limits = m_conditions.JoukenPanels().Value();
    if (ok && std::isfinite(value)) {
        (lngSide == 0 ? limits.PMin : limits.PMax) = value;
        if (limits != m_conditions.JoukenPanels().Value()) {
            Edit(limits);
            return;
        }
    }
    Refresh();
}

void clsValueLimitView::Refresh()
{
    const ValueLimits& limits = m_conditions.JoukenPanels().Value();
    const bool enabled = m_round.Probability().has_value();
    m_chkEV->setChecked(limits.EVFlag);
    m_chkP->setChecked(limits.PFlag);
    const std::array<Currency, 2> ev{limits.EVMin, limits.EVMax};
    for (std::size_t side = 0; side < 2; ++side) {
        if (m_evText[side]->Value() != ev[side]) {
            m_evText[side]->SetValue(ev[side]);
            m_evBox[side]->Refresh();
        }
        m_evBox[side]->SetInverted(ev[0] > ev[1]);
        m_evBox[side]->setEnabled(enabled);
    }
    const std::array<double, 2> p{limits.PMin, limits.PMax};
    for (std::size_t side = 0; side < 2; ++side) {
        if (!m_pBox[side]->hasFocus()) {
            m_pBox[side]->setText(PText(p[side]));
        }
        m_pBox[side]->setEnabled(enabled);
    }
    m_chkEV->setEnabled(enabled);
    m_chkP->setEnabled(enabled);
}
