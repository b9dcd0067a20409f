#pragma once
// Beside the multi grid: for each match and outcome, how many singles of the multi's whole
// expansion name it, worked out from the document's marks after every multi change. A click
// on a match row switches between counts and row percentages, a way of showing them that is
// this view's alone (the document's work does not change).

#include "app/clsMarksFacet.h"
#include "lottery/clsTCount.h"
#include "lottery/clsTCountGrid.h"
#include "widgets/clsGridView.h"

class clsMultiCountView : public clsGridView
{
    Q_OBJECT

public:
    clsMultiCountView(clsMarksFacet& marks, QWidget* parent);

    const clsTCount& Count() const { return m_count; }
    // Takes the document's marks again.
    void Recount();

private:
    clsMarksFacet& m_marks;
    clsTCount m_count;
    clsTCountGrid m_grid;
    clsSubscription m_changed;
};
