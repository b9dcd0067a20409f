#pragma once
// The rows of the payout page for the limits by the player's own probabilities: "期待値" with
// the lowest and highest yen per 100-yen ticket and "１等確率" with the lowest and highest
// chance. Each edit goes to the document at once; the rows show what the document holds and
// are enabled only while it has probabilities.

#include "base/clsSubscription.h"
#include "lottery/clsMoneyText.h"

#include <QWidget>

#include <array>
#include <memory>

class QCheckBox;
class QLineEdit;
class clsConditionsFacet;
class clsRoundFacet;
class clsMoneyEdit;
struct ValueLimits;

class clsValueLimitView : public QWidget
{
    Q_OBJECT

public:
    clsValueLimitView(clsConditionsFacet& conditions, clsRoundFacet& round, QWidget* parent);
    ~clsValueLimitView() override;

private:
    void Refresh();
    void Edit(const ValueLimits& limits);
    void OnPEdited(int lngSide);

    clsConditionsFacet& m_conditions;
    clsRoundFacet& m_round;
    QCheckBox* m_chkEV = nullptr;
    QCheckBox* m_chkP = nullptr;
    std::array<std::unique_ptr<clsMoneyText>, 2> m_evText;
    std::array<clsMoneyEdit*, 2> m_evBox{};
    std::array<QLineEdit*, 2> m_pBox{};
    clsSubscription m_changed;
};
