#pragma once
// Every pop-up menu of the grids, as data: a caller creates one per request, prepares the menu
// it needs, shows it through a chooser and reads the result code (Index) and, for the amount
// menu, the amount (Money). The callers decide what a code means for their data.

#include "base/Currency.h"
#include "base/PopupMenu.h"
#include "base/clsIMenuChooser.h"

#include <array>
#include <cstddef>
#include <cstdint>

class frmMenu
{
public:
    enum class Kind
    {
        GridB,  // a target list
        GridMC, // a cell of a condition grid
        GridMT, // the heading of a condition grid
        GridML, // a row title of a condition table
        Multi,  // a multi mark
        MultiT, // the multi's heading
        Money   // an amount box
    };
    static constexpr std::size_t KindCount = 7;

    // Index of the amount submenus' entries, and of 自動 in the mark menu.
    static constexpr std::int32_t IndexAmount = 3;
    static constexpr std::int32_t IndexAuto = 99;

    frmMenu();

    // lngIndex = 10 x grade (1..3) + side (1 minimum box, 2 maximum box).
    void SetMoneyMenu(std::int32_t lngIndex);
    // The left-click menu; lngIndex the current left-click mark 0..6, or 99 for automatic.
    void SetMultiDefault(std::int32_t lngIndex);
    // The menu of one cell; lngIndex the cell's mark 0..6.
    void SetMultiOne(std::int32_t lngIndex);

    // Shows the menu; Index 0 and Money 0 unless an entry with a result code is chosen.
    std::int32_t Show(Kind kind, clsIMenuChooser& chooser);
    std::int32_t Index() const { return m_index; }
    Currency Money() const { return m_money; }
    const PopupMenu& Menu(Kind kind) const { return m_menus[static_cast<std::size_t>(kind)]; }

private:
    PopupMenu& Edit(Kind kind) { return m_menus[static_cast<std::size_t>(kind)]; }
    void TickMulti(std::int32_t lngIndex);

    std::array<PopupMenu, KindCount> m_menus;
    std::int32_t m_index = 0;
    Currency m_money{};
};
