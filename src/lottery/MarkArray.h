#pragma once
// Per-outcome, per-match tables: [outcome code 0..2][match index 0..12], match index 0 being
// match 1. Marks (0 none, 1 ◎ .. 6 ☆), single frames (counts) and cell flags share the shape.

#include <array>
#include <cstdint>

using MarkArray = std::array<std::array<std::int32_t, 13>, 3>;
using SingleFrame = MarkArray;
using CellFlags = std::array<std::array<bool, 13>, 3>;
