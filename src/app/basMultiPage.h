#pragma once
// The multi page's caption line under the grid.

#include <cstdint>
#include <string>

namespace basMultiPage {
// "マルチ総数：1,234": the number of singles the marks hold, with thousands separators.
std::string CountText(std::int32_t lngMultiCount);
} // namespace basMultiPage
