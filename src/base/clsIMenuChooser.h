#pragma once
// Shows a pop-up menu and hands back the choice, so callers and tests never need a real pop-up.

#include "base/PopupMenu.h"

class clsIMenuChooser
{
public:
    virtual ~clsIMenuChooser() = default;
    // Shows the menu at the mouse; the chosen item (a leaf), or nullptr when dismissed.
    virtual const PopupMenuItem* Choose(const PopupMenu& menu) = 0;
};
