#pragma once
// The main window's menu bar as Qt menus, laid out from basMainMenu's table: the top menus,
// their submenus and separators, and one action per item with the item's object name.

#include "app/basMainMenu.h"

#include <array>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace basQtMainMenu {
struct Built
{
    std::array<QMenu*, basMainMenu::kMenuNames.size()> Menus{};
    // Indexed by basMainMenu::Item.
    std::vector<QAction*> Actions;
};

Built Build(QMenuBar* bar);
} // namespace basQtMainMenu
