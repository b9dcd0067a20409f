#pragma once
// The smallest covering codes the minimum-count engine found for small spaces, where they beat
// every construction clsTKnownCode knows (bench/gen_code_table.cpp writes the entries). Each
// word is one digit per coordinate, the triples first, then the doubles (0 or 1); words are
// separated by blanks or simply follow each other, since all have the same length.

#include <cstdint>
#include <span>

namespace basKnownCodeTable {

struct Entry
{
    std::int32_t Triples;
    std::int32_t Doubles;
    std::int32_t Radius;
    std::int32_t Size;
    const char* Words;
};

std::span<const Entry> Entries();

} // namespace basKnownCodeTable
