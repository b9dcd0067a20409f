#pragma once
// Expands a multi (a mark array) into its singles in ascending ticket-number order. Made by the
// extraction for one expansion, or kept by whoever expands repeatedly.

#include "base/clsErrorReporter.h"
#include "lottery/MarkArray.h"

#include <cstdint>
#include <vector>

class clsTMultiPattern
{
public:
    explicit clsTMultiPattern(clsIMessage& message);

    void SetValue(const MarkArray& lngValue) { m_value = lngValue; }
    // Product over the matches of the marked outcomes; 0 when a match has none.
    std::int32_t MultiCount() const;
    // lngCount = the multi count; when it is above 0, lngPattern holds exactly those singles.
    // With 0 lngPattern is left as it was. lngPattern is sized once, to the count, so the
    // caller can keep it between expansions without reallocation.
    void GetMulti(std::int32_t& lngCount, std::vector<std::int32_t>& lngPattern) const;

private:
    clsErrorReporter m_err;
    MarkArray m_value{};
};
