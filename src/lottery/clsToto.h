#pragma once
// The lottery's fixed rules: 13 matches, outcome codes 0 draw / 1 home / 2 away, grades as
// 14 minus the right matches, and which grades a round pays. Stateless; start-up makes the
// one instance the program keeps, and the rules are also reachable without one.

#include <array>
#include <cstdint>
#include <string_view>

class clsToto
{
public:
    static constexpr std::int32_t kMatchCount = 13;
    static constexpr std::int32_t kDraw = 0;
    static constexpr std::int32_t kHome = 1;
    static constexpr std::int32_t kAway = 2;
    // Views, cards and grids show the outcomes in this order.
    static constexpr std::array<std::int32_t, 3> kColumnOrder = {kHome, kDraw, kAway};

    // The highest prize grade of a round: rounds 198 to 260 paid only two grades.
    static constexpr std::int32_t GetMaxGrade(std::int32_t lngKaisaikai)
    {
        if (lngKaisaikai < 198) {
            return 3;
        }
        return lngKaisaikai < 261 ? 2 : 3;
    }
    // 14 minus the number of right matches (1 = all 13 right).
    static constexpr std::int32_t GradeOf(std::int32_t lngRight)
    {
        return kMatchCount + 1 - lngRight;
    }
    static constexpr bool IsPrize(std::int32_t lngGrade, std::int32_t lngKaisaikai)
    {
        return lngGrade >= 1 && lngGrade <= GetMaxGrade(lngKaisaikai);
    }
    // The outcome's name in vote and result data: "ホーム勝ち", "その他", "ホーム負け".
    static std::string_view OutcomeName(std::int32_t lngOutcome);
    // The outcome code of such a name; -1 when it is none of them.
    static std::int32_t OutcomeCode(std::string_view strName);
    // The group as shown: "" stays "", "A" is "Ａ組", "B" is "Ｂ組".
    static std::string_view KumiText(std::string_view strKumi);
};
