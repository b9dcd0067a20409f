#pragma once
// The main window's menu bar as Qt menus, laid out from basMainMenu's table: the top menus,
// their submenus and separators, and one action per item with the item's object name and
// its keyboard shortcuts (shown in the menu; a key runs the action as a click does).

#include "app/basMainMenu.h"

#include <QKeySequence>
#include <QList>

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

// The standard keys of the file and help commands; none for the others.
QList<QKeySequence> Shortcuts(basMainMenu::Item id);
Built Build(QMenuBar* bar);
} // namespace basQtMainMenu
