#pragma once
// The multi page's caption lines under the grid, and the spread figures of the condition
// tables' cells.

#include "conditions/clsTLiveCount.h"

#include <cstdint>
#include <optional>
#include <string>

namespace basMultiPage {
// "マルチ総数：1,234": the number of singles the marks hold, with thousands separators.
std::string CountText(std::int32_t lngMultiCount);
// "条件後：1,234口" once counted; "条件後：計算中…" before the first count; "条件後：－" when
// the count met a fault the run will report.
std::string LiveText(const std::optional<clsTLiveCount::Result>& result);
// A count cell's share of the multi in percent, short enough for the cell: "100", "12",
// "5.2", "0.0" for a few singles; "" for none.
std::string SpreadCellText(std::int32_t lngSingles, std::int32_t lngMultiCount);
// What the cell stands for, spoken and shown as its tip: "4個：12,345口（5.2%）".
std::string SpreadCellTip(std::int32_t lngCount, std::int32_t lngSingles,
                          std::int32_t lngMultiCount);
} // namespace basMultiPage
