#pragma once
// Per-outcome, per-match tables: [outcome code 0..2][match index 0..12], match index 0 being
// match 1. Marks (0 none, 1 ◎ .. 6 ☆), single frames (counts) and cell flags share the shape.

#include "lottery/clsToto.h"

#include <array>
#include <cstdint>

// The one 3 x 13 table type; the names below say what a table holds.
template <typename T> using OutcomeTable = std::array<std::array<T, clsToto::kMatchCount>, 3>;

using MarkArray = OutcomeTable<std::int32_t>;
using SingleFrame = MarkArray;
using CellFlags = OutcomeTable<bool>;
