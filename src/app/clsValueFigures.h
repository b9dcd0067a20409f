#pragma once
// The single page's rows under the player's own probabilities: per slot of the sheet's page
// the single's expected value as a ticket and its chance to be the result. Empty while the
// document has no probabilities. The figures come from the document's prepared value object.

#include <array>
#include <cstdint>
#include <string>

class clsRoundFacet;
class clsTicketsFacet;

class clsValueFigures
{
public:
    static constexpr std::int32_t kRows = 2;
    static constexpr std::int32_t kSlots = 10;

    // The figures of the singles on the document's sheet page.
    void Update(clsRoundFacet& round, const clsTicketsFacet& tickets);
    // While the document has probabilities, even when its tables are still being built.
    bool Shown() const { return m_shown; }
    // Row 0 "期待値", 1 "的中確率"; slot 0..9 of the page (empty past the set's end).
    std::string Text(std::int32_t lngRow, std::int32_t lngSlot) const;
    static const char* RowHeading(std::int32_t lngRow);

private:
    bool m_shown = false;
    std::array<std::array<std::string, kSlots>, kRows> m_text{};
};
