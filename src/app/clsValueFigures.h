#pragma once
// The single page's rows under the player's own probabilities: per slot of the sheet's page
// the single's expected value as a ticket and its chance to be the result. Empty while the
// document has no probabilities. Keeps its value tables from one page to the next; they are
// rebuilt when the probabilities or the vote status change.

#include "base/clsIMessage.h"
#include "lottery/ProbabilityRecord.h"
#include "lottery/VoteRecord.h"
#include "lottery/clsTValue.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class clsDocument;

class clsValueFigures
{
public:
    static constexpr std::int32_t kRows = 2;
    static constexpr std::int32_t kSlots = 10;

    explicit clsValueFigures(clsIMessage& message);

    // The figures of the singles on the document's sheet page.
    void Update(const clsDocument& doc);
    bool Shown() const { return m_prob.has_value(); }
    // Row 0 "期待値", 1 "的中確率"; slot 0..9 of the page (empty past the set's end).
    std::string Text(std::int32_t lngRow, std::int32_t lngSlot) const;
    static const char* RowHeading(std::int32_t lngRow);

private:
    clsTValue m_value;
    std::optional<ProbabilityRecord> m_prob;
    std::optional<VoteRecord> m_vote;
    std::array<std::array<std::string, kSlots>, kRows> m_text{};
};
