#include "lottery/basAmountCheck.h"

#include <array>
#include <utility>

namespace basAmountCheck {
namespace {
std::optional<std::string> Named(const std::string& strWhat, Currency curValue)
{
    const auto why = Fault(curValue);
    if (!why) {
        return std::nullopt;
    }
    return strWhat + "が" + *why + " (" + curValue.ToString() + ")";
}
} // namespace

std::optional<std::string> Fault(Currency curValue)
{
    if (curValue < Currency()) {
        return "負の値です。";
    }
    if (curValue.Raw() % Currency::Scale != 0) {
        return "小数です。";
    }
    return std::nullopt;
}

std::optional<std::string> VoteFault(const VoteRecord& rec)
{
    static constexpr const char* kOutcome[3] = {"その他", "ホーム勝ち", "ホーム負け"};
    for (std::size_t m = 0; m < rec.Match.size(); ++m) {
        for (std::size_t k = 0; k < 3; ++k) {
            if (auto f = Named("試合" + std::to_string(m + 1) + " " + kOutcome[k] + "の投票口数",
                               rec.Match[m].Votes[k])) {
                return f;
            }
        }
    }
    const std::pair<const char*, Currency> sums[] = {
        {"売上金額（合計）", rec.SalesTotal},       {"売上金額（マルチ）", rec.SalesMulti},
        {"売上金額（シングル）", rec.SalesSingle},  {"投票口数（合計）", rec.UnitsTotal},
        {"投票口数（マルチ）", rec.UnitsMulti},     {"投票口数（シングル）", rec.UnitsSingle},
        {"投票枚数（合計）", rec.TicketsTotal},     {"投票枚数（マルチ）", rec.TicketsMulti},
        {"投票枚数（シングル）", rec.TicketsSingle}};
    for (const auto& [what, value] : sums) {
        if (auto f = Named(what, value)) {
            return f;
        }
    }
    return std::nullopt;
}

std::optional<std::string> ResultFault(const ResultRecord& rec)
{
    const std::pair<const char*, const std::array<Currency, 4>*> rows[] = {
        {"当せん金", &rec.Prize}, {"当せん口数", &rec.Winners}, {"次回への繰越金", &rec.CarryOver}};
    for (const auto& [what, values] : rows) {
        for (std::size_t g = 1; g < values->size(); ++g) {
            if (auto f =
                    Named(std::string(what) + "（" + std::to_string(g) + "等）", (*values)[g])) {
                return f;
            }
        }
    }
    return std::nullopt;
}
} // namespace basAmountCheck
