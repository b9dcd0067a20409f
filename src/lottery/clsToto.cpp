#include "lottery/clsToto.h"

namespace {
constexpr std::array<std::string_view, 3> kOutcomeNames = {"その他", "ホーム勝ち", "ホーム負け"};
} // namespace

std::string_view clsToto::OutcomeName(std::int32_t lngOutcome)
{
    if (lngOutcome < 0 || lngOutcome > 2) {
        return {};
    }
    return kOutcomeNames[static_cast<std::size_t>(lngOutcome)];
}

std::int32_t clsToto::OutcomeCode(std::string_view strName)
{
    for (std::int32_t k = 0; k < 3; ++k) {
        if (kOutcomeNames[static_cast<std::size_t>(k)] == strName) {
            return k;
        }
    }
    return -1;
}

std::string_view clsToto::KumiText(std::string_view strKumi)
{
    if (strKumi == "A") {
        return "Ａ組";
    }
    if (strKumi == "B") {
        return "Ｂ組";
    }
    return strKumi;
}
