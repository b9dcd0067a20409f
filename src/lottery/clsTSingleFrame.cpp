#include "lottery/clsTSingleFrame.h"

#include "lottery/clsTNumber.h"
#include "lottery/clsToto.h"

#include <stdexcept>
#include <vector>

clsTSingleFrame::clsTSingleFrame(clsIMessage& message)
    : m_err(message, "clsTSingleFrame")
{}

bool clsTSingleFrame::GetSingleFrame(std::int32_t lngSCount,
                                     std::span<const std::int32_t> lngSingle,
                                     SingleFrame& lngSingleFrame) const
{
    lngSingleFrame = {};
    try {
        if (lngSCount < 0 || static_cast<std::size_t>(lngSCount) > lngSingle.size()) {
            throw std::out_of_range("single count beyond the list");
        }
        // A number is matches 1-7 (low) and 8-13 (high): counting the two halves first and
        // opening each distinct half once is the same sum as opening every single.
        constexpr std::int32_t kLow = 2187; // 3^7
        std::vector<std::int32_t> low(kLow, 0);
        std::vector<std::int32_t> high(clsTNumber::SingleCount / kLow, 0);
        for (std::int32_t t = 0; t < lngSCount; ++t) {
            const std::int32_t v = lngSingle[static_cast<std::size_t>(t)];
            if (!clsTNumber::IsValidNo(v)) {
                throw clsTNumber::NoOutOfRange();
            }
            ++low[static_cast<std::size_t>(v % kLow)];
            ++high[static_cast<std::size_t>(v / kLow)];
        }
        for (std::int32_t v = 0; v < kLow; ++v) {
            if (low[static_cast<std::size_t>(v)] != 0) {
                std::int32_t r = v;
                for (int m = 0; m < 7; ++m, r /= 3) {
                    lngSingleFrame[r % 3][m] += low[static_cast<std::size_t>(v)];
                }
            }
        }
        for (std::int32_t v = 0; v < static_cast<std::int32_t>(high.size()); ++v) {
            if (high[static_cast<std::size_t>(v)] != 0) {
                std::int32_t r = v;
                for (int m = 7; m < clsToto::kMatchCount; ++m, r /= 3) {
                    lngSingleFrame[r % 3][m] += high[static_cast<std::size_t>(v)];
                }
            }
        }
        return true;
    } catch (const std::exception& e) {
        lngSingleFrame = {};
        m_err.ReportException("GetSingleFrame", e);
        return false;
    }
}
