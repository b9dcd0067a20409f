#pragma once
// A pop-up menu as data: what a front end shows and what a choice returns.

#include "base/Currency.h"

#include <cstdint>
#include <string>
#include <vector>

struct PopupMenuItem
{
    std::string Caption; // "-" is a separator
    bool Visible = true;
    bool Enabled = true;
    bool Checked = false;
    std::int32_t Index = 0;             // the result code when chosen (0: nothing chosen)
    Currency Money{};                   // the amount when chosen (amount menu)
    std::vector<PopupMenuItem> Submenu; // not empty: the item opens this submenu
};

struct PopupMenu
{
    std::string Name;
    std::vector<PopupMenuItem> Items;
};
