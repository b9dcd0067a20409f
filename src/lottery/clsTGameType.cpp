#include "lottery/clsTGameType.h"

#include "base/basText.h"

#include <array>

namespace {
constexpr std::array<std::string_view, 4> kNames = {"J1", "J2", "ナビスコカップ", "天皇杯"};
} // namespace

std::string clsTGameType::Text(std::int32_t Index) const
{
    if (Index < 1 || Index > Count()) {
        return "";
    }
    return std::string(kNames[static_cast<std::size_t>(Index - 1)]);
}

std::int32_t clsTGameType::GetNo(std::string_view strKey) const
{
    for (std::int32_t i = 1; i <= Count(); ++i) {
        if (basText::EqualsNoCase(kNames[static_cast<std::size_t>(i - 1)], strKey)) {
            return i;
        }
    }
    return 0;
}
