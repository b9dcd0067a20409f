#pragma once
// A menu chooser for tests: answers each menu with the next queued caption path (an empty path
// or an empty queue dismisses), records every menu shown, and records an error instead of
// guessing when a caption is missing, hidden, disabled, a separator or not a leaf.

#include "base/clsIMenuChooser.h"

#include <cstddef>
#include <deque>
#include <string>
#include <utility>
#include <vector>

class ScriptedMenuChooser final : public clsIMenuChooser
{
public:
    using Path = std::vector<std::string>;

    void Push(Path path) { m_queue.push_back(std::move(path)); }
    const PopupMenuItem* Choose(const PopupMenu& menu) override;

    const std::vector<PopupMenu>& Shown() const { return m_shown; }
    const std::vector<std::string>& Errors() const { return m_errors; }
    std::size_t Pending() const { return m_queue.size(); }

private:
    std::deque<Path> m_queue;
    std::vector<PopupMenu> m_shown;
    std::vector<std::string> m_errors;
};
