#pragma once
// The competitions a match can belong to ("J1", "J2", "ナビスコカップ", "天皇杯"), numbered 1 to 4.
// The page-text reader (clsHtmlToto) makes one for each look-up; it never changes.

#include <cstdint>
#include <string>
#include <string_view>

class clsTGameType
{
public:
    // The name of competition 1..4; "" outside that range.
    std::string Text(std::int32_t Index) const;
    std::int32_t Count() const { return 4; }
    // The number of the competition named strKey (letter case ignored), 0 when none.
    std::int32_t GetNo(std::string_view strKey) const;
    bool Exists(std::string_view strType) const { return GetNo(strType) > 0; }
};
