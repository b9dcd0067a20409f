#pragma once
// The correction page "補正": the three correction modes and the list of allowed condition-error
// counts "条件間違い数" (green = allowed), drawn from the document and edited through it. Owned by
// the condition panel.

#include "base/clsIGridSource.h"
#include "base/clsSubscription.h"

#include <QWidget>

#include <array>

class QRadioButton;
class clsConditionsFacet;
class clsGridView;
class clsIMenuChooser;

class clsMachigaiView : public QWidget
{
    Q_OBJECT

public:
    clsMachigaiView(clsConditionsFacet& conditions, clsIMenuChooser& chooser, QWidget* parent);

    clsGridView* List() const { return m_list; }

private:
    class ListSource final : public clsIGridSource
    {
    public:
        explicit ListSource(const clsConditionsFacet& conditions)
            : m_conditions(conditions)
        {}
        std::int32_t Rows() const override { return 13; } // the heading, 0..10 and →
        std::int32_t Cols() const override { return 1; }
        GridCellData Cell(std::int32_t lngRow, std::int32_t lngCol) const override;

    private:
        const clsConditionsFacet& m_conditions;
    };

    void Refresh();
    void OnListClicked(int lngRow, Qt::MouseButton button);

    clsConditionsFacet& m_conditions;
    clsIMenuChooser& m_chooser;
    ListSource m_source;
    std::array<QRadioButton*, 3> m_modes{};
    clsGridView* m_list = nullptr;
    clsSubscription m_changed;
};
