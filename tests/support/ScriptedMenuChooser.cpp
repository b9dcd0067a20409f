#include "ScriptedMenuChooser.h"

const PopupMenuItem* ScriptedMenuChooser::Choose(const PopupMenu& menu)
{
    m_shown.push_back(menu);
    if (m_queue.empty()) {
        return nullptr;
    }
    const Path path = m_queue.front();
    m_queue.pop_front();
    if (path.empty()) {
        return nullptr;
    }
    // Walk the caller's menu, not the recorded copy: the result must point into it.
    const std::vector<PopupMenuItem>* items = &menu.Items;
    const PopupMenuItem* found = nullptr;
    for (std::size_t i = 0; i < path.size(); ++i) {
        found = nullptr;
        for (const PopupMenuItem& item : *items) {
            if (item.Caption == path[i]) {
                found = &item;
                break;
            }
        }
        const std::string where = menu.Name + ": \"" + path[i] + "\"";
        if (found == nullptr) {
            m_errors.push_back(where + " not found");
            return nullptr;
        }
        if (!found->Visible || !found->Enabled || found->Caption == "-") {
            m_errors.push_back(where + " is hidden, disabled or a separator");
            return nullptr;
        }
        const bool last = i + 1 == path.size();
        if (last != found->Submenu.empty()) {
            m_errors.push_back(where + (last ? " opens a submenu" : " has no submenu"));
            return nullptr;
        }
        items = &found->Submenu;
    }
    return found;
}
