#include "lottery/basMultiFrame.h"

namespace basMultiFrame {

std::array<std::int32_t, 13> MarkedCounts(const MarkArray& lngValue)
{
    std::array<std::int32_t, 13> counts{};
    for (std::size_t m = 0; m < 13; ++m) {
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
    const std::array<std::int32_t, 13> counts = MarkedCounts(lngValue);
    SingleFrame frame{};
    for (std::size_t m = 0; m < 13; ++m) {
        // At most 3^12 = 531,441: no overflow in 32 bits.
        std::int32_t others = 1;
        for (std::size_t n = 0; n < 13; ++n) {
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
