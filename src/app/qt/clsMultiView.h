#pragma once
// The multi grid on the multi page: the document's marks and target shading drawn with the
// widget kit, every click (and Space, Enter, the menu key) handed to the document's multi
// command, which shows its menus itself. Redraws on the document's multi changes; holds no
// mark of its own.

#include "app/clsMarksFacet.h"
#include "lottery/clsTMultiGrid.h"
#include "widgets/clsGridView.h"

class clsMultiView : public clsGridView
{
    Q_OBJECT

public:
    clsMultiView(clsMarksFacet& marks, QWidget* parent);

private:
    void OnCellClicked(int lngRow, int lngCol, Qt::MouseButton button);

    clsMarksFacet& m_marks;
    clsTMultiGrid m_grid;
    clsSubscription m_changed;
};
