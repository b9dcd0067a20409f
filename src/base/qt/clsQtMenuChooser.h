#pragma once
// Shows a pop-up menu as real QMenus at the mouse: separators, submenus, ticks, hidden and
// disabled entries, a disabled first entry as the menu's heading.

#include "base/clsIMenuChooser.h"

#include <memory>

class QAction;
class QMenu;
class QWidget;

class clsQtMenuChooser final : public clsIMenuChooser
{
public:
    explicit clsQtMenuChooser(QWidget* parent = nullptr)
        : m_parent(parent)
    {}

    const PopupMenuItem* Choose(const PopupMenu& menu) override;

    // The QMenu Choose shows; each leaf's action carries its item (ItemOf). The menu's items
    // must outlive it.
    static std::unique_ptr<QMenu> Build(const PopupMenu& menu, QWidget* parent);
    // The item an action of a built menu stands for; null for separators and submenus.
    static const PopupMenuItem* ItemOf(const QAction* action);

private:
    QWidget* m_parent;
};
