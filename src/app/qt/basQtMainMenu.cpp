#include "app/qt/basQtMainMenu.h"

#include "base/qt/basQtText.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <map>
#include <string>
#include <utility>

namespace basQtMainMenu {
Built Build(QMenuBar* bar)
{
    Built built;
    for (std::size_t m = 0; m < built.Menus.size(); ++m) {
        built.Menus[m] = bar->addMenu(basQtText::ToQ(basMainMenu::kMenuCaptions[m]));
        built.Menus[m]->setObjectName(basQtText::ToQ(basMainMenu::kMenuNames[m]));
    }
    std::map<std::pair<int, std::string>, QMenu*> submenus;
    for (const basMainMenu::ItemInfo& info : basMainMenu::Items()) {
        QMenu* menu = built.Menus[static_cast<std::size_t>(info.Menu)];
        QMenu* target = menu;
        if (!info.Submenu.empty()) {
            const auto key = std::pair{info.Menu, std::string(info.Submenu)};
            auto it = submenus.find(key);
            if (it == submenus.end()) {
                if (info.SeparatorBefore && !menu->isEmpty()) {
                    menu->addSeparator();
                }
                QMenu* sub = menu->addMenu(basQtText::ToQ(info.Submenu));
                sub->setObjectName(menu->objectName() + QLatin1Char('_') +
                                   QString::number(submenus.size()));
                it = submenus.emplace(key, sub).first;
            } else if (info.SeparatorBefore) {
                it->second->addSeparator();
            }
            target = it->second;
        } else if (info.SeparatorBefore && !menu->isEmpty()) {
            menu->addSeparator();
        }
        QAction* action = target->addAction(basQtText::ToQ(info.Caption));
        action->setObjectName(basQtText::ToQ(info.ObjectName));
        action->setCheckable(info.Checkable);
        built.Actions.push_back(action);
    }
    return built;
}
} // namespace basQtMainMenu
