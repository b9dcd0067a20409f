#pragma once
// The payout page "金額": per grade a check box and the lowest and highest payout boxes, with
// the amount menu on a right click. The boxes keep only their caret; every amount typed or
// chosen goes to the document at once and the boxes show what the document holds. Owned by
// the condition panel.

#include "base/clsSubscription.h"
#include "lottery/clsMoneyText.h"

#include <QWidget>

#include <array>
#include <memory>

class QCheckBox;
class QLabel;
class clsConditionsFacet;
class clsRoundFacet;
class clsIMenuChooser;
class clsMoneyEdit;

class clsHaitouView : public QWidget
{
    Q_OBJECT

public:
    clsHaitouView(clsConditionsFacet& conditions, clsRoundFacet& round, clsIMenuChooser& chooser,
                  QWidget* parent);
    ~clsHaitouView() override;

    // Grades above the round's highest are hidden (2 hides grade 3, 1 hides 2 and 3).
    void SetMaxGrade(int lngMaxGrade);

private:
    struct Row
    {
        QCheckBox* Flag = nullptr;
        // The boxes' labels: "下限" before the first, "～ 上限" between them.
        QLabel* MinLabel = nullptr;
        QLabel* Tilde = nullptr;
        std::array<std::unique_ptr<clsMoneyText>, 2> Text; // minimum, maximum
        std::array<clsMoneyEdit*, 2> Box{};
    };

    void Refresh();
    void OnAmountEdited(int lngGrade, int lngSide);
    void OnAmountMenu(int lngGrade, int lngSide);

    clsConditionsFacet& m_conditions;
    clsIMenuChooser& m_chooser;
    std::array<Row, 3> m_rows;
    clsSubscription m_changed;
};
