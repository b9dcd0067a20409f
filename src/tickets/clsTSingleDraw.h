#pragma once
// One page of the ticket set drawn like the operator's mark card, without its widgets: ten
// slots (one per single) of a number label and 39 outcome cells, the slot colours and the red
// lines, the label texts and which cell of each match shows the marked picture. Lengths are
// pixels at 96 dpi scaled to the screen; the one-pixel gaps between match rows are not
// scaled. Owned by the sheet's view; the ticket-set view decides what a click does.

#include "base/clsErrorReporter.h"
#include "base/clsGridGeometry.h"
#include "lottery/clsToto.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class clsTSingleDraw
{
public:
    static constexpr std::int32_t kSlots = 10;
    static constexpr std::uint8_t kNoMark = 255;

    struct Rgb
    {
        std::uint8_t R = 0;
        std::uint8_t G = 0;
        std::uint8_t B = 0;
        friend bool operator==(const Rgb&, const Rgb&) = default;
    };
    static constexpr Rgb kWhite{255, 255, 255};
    static constexpr Rgb kBlack{0, 0, 0};
    static constexpr Rgb kLineColor{239, 62, 60};
    static constexpr Rgb kEvenSlotColor{253, 214, 201};

    // What lies under a point of the sheet.
    struct Hit
    {
        enum class Kind
        {
            Number,
            Cell
        };
        Kind What = Kind::Number;
        std::int32_t Slot = 0;
        std::int32_t Code = 0;
        std::int32_t Match = 0;
        friend bool operator==(const Hit&, const Hit&) = default;
    };

    explicit clsTSingleDraw(clsIMessage& message, std::int32_t lngDpi = clsGridGeometry::kBaseDpi);

    std::int32_t Dpi() const { return m_dpi; }
    // Shown marks and labels stay; only the lengths follow the new dpi.
    void SetDpi(std::int32_t lngDpi);
    // A length at 96 dpi on this screen, rounded down.
    std::int32_t GetSy(std::int32_t lngValue) const;
    std::int32_t GetSx(std::int32_t lngValue) const { return GetSy(lngValue); }

    std::int32_t Width() const;
    std::int32_t Height() const;
    // Slot i from x = 53 i to 53 (i + 1), the full height.
    GridRect SlotRect(std::int32_t lngSlot) const;
    // The coloured part of a slot below its number band.
    GridRect SlotBackground(std::int32_t lngSlot) const;
    static Rgb SlotColor(std::int32_t lngSlot);
    GridRect NumberRect(std::int32_t lngSlot) const;
    // Outcome cells stand in the card's column order 1, 0, 2.
    GridRect CellRect(std::int32_t lngSlot, std::int32_t lngCode, std::int32_t lngMatch) const;
    // slot x 1000 + code x 100 + match.
    static std::int32_t CellId(std::int32_t lngSlot, std::int32_t lngCode, std::int32_t lngMatch)
    {
        return lngSlot * 1000 + lngCode * 100 + lngMatch;
    }
    // Every line, as a filled box in kLineColor: the border, the line under the number band,
    // the separators between slots and the lines under matches 3, 6 and 9.
    std::vector<GridRect> Lines() const;
    // Row heights at 96 dpi for a grid standing beside the sheet: a heading row over the number
    // band, then one row level with each match row, so that, scaled back to the sheet's dpi,
    // every row edge lies within a pixel of the sheet's.
    std::vector<std::int32_t> RowHeights96() const;
    std::optional<Hit> HitTest(std::int32_t lngX, std::int32_t lngY) const;

    // The number label: lngValue, or empty below 0; selected labels are white on black.
    void SetNo(std::int32_t Index, std::int32_t lngValue, bool blnSelect);
    const std::string& NoText(std::int32_t lngSlot) const;
    bool NoSelected(std::int32_t lngSlot) const;
    Rgb NoForeground(std::int32_t lngSlot) const { return NoSelected(lngSlot) ? kWhite : kBlack; }
    Rgb NoBackground(std::int32_t lngSlot) const { return NoSelected(lngSlot) ? kBlack : kWhite; }

    // Shows single lngValue (a ticket number; below 0 for none) in a slot. Returns the ids of
    // the cells whose picture changed: of each match whose shown code changes, the old cell
    // (unmarked again) and the new one (marked); unchanged matches are not touched.
    std::vector<std::int32_t> SetMark(std::int32_t Index, std::int32_t lngValue);
    // The code shown marked in (match, slot), kNoMark when none.
    std::uint8_t ShownMark(std::int32_t lngMatch, std::int32_t lngSlot) const;
    bool Marked(std::int32_t lngSlot, std::int32_t lngCode, std::int32_t lngMatch) const;

private:
    static bool ValidSlot(std::int32_t lngSlot) { return lngSlot >= 0 && lngSlot < kSlots; }
    // Top of match row m: its scaled offset plus the m unscaled one-pixel gaps above it.
    std::int32_t RowTop(std::int32_t lngMatch) const;
    std::int32_t LineWidth(std::int32_t lng96) const;

    clsErrorReporter m_err;
    std::int32_t m_dpi = clsGridGeometry::kBaseDpi;
    std::array<std::array<std::uint8_t, kSlots>, clsToto::kMatchCount> m_shown{};
    std::array<std::string, kSlots> m_noText{};
    std::array<bool, kSlots> m_noSelected{};
};
