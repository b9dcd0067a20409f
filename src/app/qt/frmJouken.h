#pragma once
// The compound-row dialog "複合条件設定": which categories one row of a condition table counts.
// The ticks live in the document's table while the dialog is open; OK stores them into the row,
// cancel, Esc or closing forgets them (all end in reject). Opened window-modal by the table view,
// deleted on close.

#include "base/clsSubscription.h"
#include "conditions/ConditionTableEntry.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QPushButton;
class clsConditionsFacet;
class clsXJoken1;

class frmJouken : public QDialog
{
    Q_OBJECT

public:
    // The table's compound row must be open (clsXJoken1::CompoundOpen).
    frmJouken(clsConditionsFacet& conditions, JoukenKind kind, QWidget* parent);

    QCheckBox* Category(int lngCategory) const;
    QPushButton* OkButton() const { return m_ok; }

    void accept() override;
    void reject() override;

private:
    const clsXJoken1& Table() const;
    void Refresh();

    clsConditionsFacet& m_conditions;
    JoukenKind m_kind;
    std::vector<QCheckBox*> m_categories;
    QPushButton* m_ok = nullptr;
    clsSubscription m_changed;
};
