#include "lottery/basMultiFrame.h"

#include "lottery/clsToto.h"

namespace basMultiFrame {

std::array<std::int32_t, clsToto::kMatchCount> MarkedCounts(const MarkArray& lngValue)
{
    std::array<std::int32_t, clsToto::kMatchCount> counts{};
    for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
        for (std::size_t k = 0; k < 3; ++k) {
            if (lngValue[k][m] > 0) {
                ++counts[m];
            }
        }
    }
    return counts;
}

SingleFrame Frame(const MarkArray& lngValue)
{
    const std::array<std::int32_t, clsToto::kMatchCount> counts = MarkedCounts(lngValue);
    SingleFrame frame{};
    for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
        // At most 3^12 = 531,441: no overflow in 32 bits.
        std::int32_t others = 1;
        for (std::size_t n = 0; n < clsToto::kMatchCount; ++n) {
            if (n != m) {
                others *= counts[n];
            }
        }
        for (std::size_t k = 0; k < 3; ++k) {
            frame[k][m] = lngValue[k][m] > 0 ? others : 0;
        }
    }
    return frame;
}

} // namespace basMultiFrame
