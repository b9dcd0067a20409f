#pragma once
// The single frame of a multi's whole expansion, worked out from the marks alone: a cell that
// is marked is named by every single that combines it with the marked outcomes of the other
// matches. The multi page shows it beside the grid after every mark change, where expanding
// the full multi (1.6 million singles) and counting them would be far too slow.

#include "lottery/MarkArray.h"
#include "lottery/clsToto.h"

#include <array>
#include <cstdint>

namespace basMultiFrame {

// The number of marked outcomes of each match (0 to 3).
std::array<std::int32_t, clsToto::kMatchCount> MarkedCounts(const MarkArray& lngValue);

// For each marked cell, the product of the other matches' marked counts; 0 elsewhere, and 0
// everywhere when some match has no mark (the multi holds no single). Equal to the frame that
// clsTSingleFrame counts over clsTMultiPattern's expansion of the same marks.
SingleFrame Frame(const MarkArray& lngValue);

} // namespace basMultiFrame
