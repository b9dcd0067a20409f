#include "app/qt/basQtMainMenu.h"

#include "base/qt/basQtText.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <map>
#include <string>
#include <utility>

namespace basQtMainMenu {
QList<QKeySequence> Shortcuts(basMainMenu::Item id)
{
    using I = basMainMenu::Item;
    // The desktop's own keys where it has them; the common ones where it has none (the
    // plain platform themes know no Save As, and the offscreen one no Quit).
    const auto standard = [](QKeySequence::StandardKey key, QKeySequence fallback) {
        QList<QKeySequence> keys = QKeySequence::keyBindings(key);
        if (keys.isEmpty() && !fallback.isEmpty()) {
            keys.append(fallback);
        }
        return keys;
    };
    switch (id) {
    case I::FileNew:
        return standard(QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N));
    case I::FileOpen:
        return standard(QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O));
    case I::FileSave:
        return standard(QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S));
    case I::FileSaveAs:
        return standard(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    case I::FilePrint:
        return standard(QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P));
    case I::FileEnd:
        return standard(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));
    case I::EditUndo:
        return standard(QKeySequence::Undo, QKeySequence(Qt::CTRL | Qt::Key_Z));
    case I::EditRedo:
        return standard(QKeySequence::Redo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    case I::HelpHelp:
        return standard(QKeySequence::HelpContents, QKeySequence(Qt::Key_F1));
    default:
        return {};
    }
}

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
        action->setShortcuts(Shortcuts(info.Id));
        built.Actions.push_back(action);
    }
    return built;
}
} // namespace basQtMainMenu
