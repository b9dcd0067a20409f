#include "net/basEncode.h"

#include "base/basText.h"

#include <cstdint>

namespace {
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Length of the well-formed sequence starting at i, or 0 when it is malformed.
std::size_t SequenceLength(std::string_view s, std::size_t i)
{
    const auto b0 = static_cast<std::uint8_t>(s[i]);
    if (b0 < 0x80) {
        return 1;
    }
    std::size_t n = 0;
    std::uint32_t cp = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        n = 2;
        cp = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        n = 3;
        cp = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        n = 4;
        cp = b0 & 0x07;
    } else {
        return 0;
    }
    if (i + n > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<std::uint8_t>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if ((n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000) || cp > 0x10FFFF ||
        (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0;
    }
    return n;
}
} // namespace

namespace basEncode {
std::string Utf8Decode(std::string_view bytBytes)
{
    if (bytBytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytBytes.remove_prefix(3);
    }
    std::string out;
    out.reserve(bytBytes.size());
    std::size_t i = 0;
    while (i < bytBytes.size()) {
        const std::size_t n = SequenceLength(bytBytes, i);
        if (n == 0) {
            out += kReplacement;
            ++i;
        } else {
            out.append(bytBytes.substr(i, n));
            i += n;
        }
    }
    return out;
}

std::string SjisDecode(std::string_view bytBytes)
{
    return basText::FromSjis(bytBytes);
}
} // namespace basEncode
