#pragma once
// The best covering codes known by construction for a whole product space of matches with
// three or two outcomes: the perfect ternary Hamming codes of length 4 and 13 (radius 1), the
// ternary Golay code of length 11 (radius 2), one-word codes for spaces no longer than the
// radius, and from these products, repeats over added matches, shortened lengths and matches
// narrowed to two outcomes. The minimum-count engine starts from them.

#include "lottery/clsToto.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

class clsTKnownCode
{
public:
    // Number of words of the best construction for lngTriples matches with three outcomes and
    // lngDoubles with two (together at most 13) at the radius (1 or 2).
    static std::int64_t Size(std::int32_t lngTriples, std::int32_t lngDoubles,
                             std::int32_t lngRadius);
    // The words for a space given by its widths (2 or 3 per coordinate), each word as a mixed
    // radix number with coordinate 0 least significant. Every point of the space lies within
    // lngRadius of a word.
    static std::vector<std::int32_t> Build(std::span<const std::int32_t> lngWidth,
                                           std::int32_t lngRadius);

private:
    using Word = std::array<std::uint8_t, clsToto::kMatchCount>;
    struct Plan;
    static const Plan& PlanFor(std::int32_t t, std::int32_t b, std::int32_t r);
    static std::vector<Word> Words(std::int32_t t, std::int32_t b, std::int32_t r);
    static std::vector<Word> WholeWords(std::int32_t t, std::int32_t n);
    static std::vector<Word> HammingWords(std::int32_t n);
    static std::vector<Word> GolayWords();
    static std::vector<Word> TableWords(const char* strWords, std::int32_t n);
    static std::vector<Word> ProductWords(const Plan& p, std::int32_t t, std::int32_t b,
                                          std::int32_t r);
    // Shortened (the last triple dropped) or narrowed (the last triple made a double).
    static std::vector<Word> ReducedWords(bool blnNarrow, std::int32_t t, std::int32_t b,
                                          std::int32_t r);
};
