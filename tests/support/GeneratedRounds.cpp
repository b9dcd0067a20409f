#include "support/GeneratedRounds.h"

#include "base/Currency.h"
#include "base/DateTime.h"
#include "store/clsXmlResult.h"
#include "store/clsXmlSchedule.h"
#include "store/clsXmlVote.h"

#include <algorithm>
#include <random>
#include <set>

namespace {
DateTime Day(std::int32_t lngOffset)
{
    return DateTime::FromYmd(2026, 1, 1 + lngOffset);
}
} // namespace

std::vector<GeneratedRound> GenerateRounds(std::int32_t lngFirst, std::int32_t lngLast,
                                           unsigned lngSeed)
{
    std::mt19937 rng(lngSeed);
    std::vector<GeneratedRound> rounds;
    for (std::int32_t k = lngFirst; k <= lngLast;) {
        GeneratedRound r;
        r.Kaisaikai = k;
        for (auto& m : r.Votes) {
            std::set<std::int64_t> seen;
            for (auto& v : m) {
                do {
                    v = 1000 + static_cast<std::int64_t>(rng() % 90000);
                } while (!seen.insert(v).second);
            }
        }
        const bool won = k % 4 == 1;
        int draws = 0;
        for (std::size_t m = 0; m < 13; ++m) {
            const auto& v = r.Votes[m];
            std::array<std::uint8_t, 3> order{0, 1, 2};
            std::sort(order.begin(), order.end(), [&](auto a, auto b) { return v[a] > v[b]; });
            r.Outcome[m] = won ? order[m < 8 ? 0 : 1] : static_cast<std::uint8_t>(rng() % 3);
            draws += r.Outcome[m] == 0 ? 1 : 0;
        }
        if (won && draws > 2) {
            continue; // votes again
        }
        r.Prize = {0, 1'000'000 + static_cast<std::int64_t>(rng() % 50'000'000),
                   10'000 + static_cast<std::int64_t>(rng() % 90'000),
                   500 + static_cast<std::int64_t>(rng() % 9'000)};
        rounds.push_back(r);
        ++k;
    }
    return rounds;
}

bool StoreRound(clsIMessage& message, const std::string& strProgramDir, const GeneratedRound& r)
{
    bool ok = true;
    if (r.Schedule) {
        ScheduleRecord s;
        s.Kaisaikai = r.Kaisaikai;
        for (auto& m : s.Match) {
            m = ScheduleMatch{"ホーム", "アウェイ", Day(3), DateTime::FromHms(14, 0, 0),
                              "競技場", ""};
        }
        s.SaleStart = Day(0);
        s.SaleEnd = s.ResultDate = s.RefundStart = s.RefundDeadline = Day(3);
        clsXmlSchedule xml(message, strProgramDir);
        xml.SetRecord(s);
        ok = ok && xml.XmlSave(xml.GetFileName(r.Kaisaikai, ""));
    }
    if (r.Vote) {
        VoteRecord v;
        v.Kaisaikai = r.Kaisaikai;
        // The status at the close of sales: the final one, as the store keeps it.
        v.AsOf = v.SaleEnd = DateTime::FromYmdHms(2026, 1, 4, 13, 50, 0);
        v.SaleStart = Day(0);
        v.ResultDate = v.RefundStart = v.RefundDeadline = Day(3);
        for (std::size_t m = 0; m < 13; ++m) {
            VoteMatch& vm = v.Match[m];
            vm.Home = "ホーム";
            vm.Away = "アウェイ";
            vm.GameDate = Day(3);
            vm.StartTime = DateTime::FromHms(14, 0, 0);
            const auto& n = r.Votes[m];
            const std::int64_t total = n[0] + n[1] + n[2];
            std::int64_t rest = 1'000'000; // 100 % in 1/10000 units
            for (std::size_t k = 0; k < 3; ++k) {
                vm.Votes[k] = Currency::FromInt(n[k]);
                const std::int64_t rate = k < 2 ? n[k] * 10'000 / total * 100 : rest;
                vm.Rate[k] = Currency::FromRaw(rate);
                rest -= rate;
            }
        }
        clsXmlVote xml(message, strProgramDir);
        xml.SetRecord(v);
        ok = ok && xml.XmlSave(xml.GetFileName(r.Kaisaikai, ""));
    }
    if (r.Result) {
        ResultRecord res;
        res.Kaisaikai = r.Kaisaikai;
        for (std::size_t m = 0; m < 13; ++m) {
            res.Match[m] = ResultMatch{Day(3), r.Outcome[m], "競技場", "ホーム", "アウェイ", 1, 1};
        }
        for (std::size_t g = 1; g <= 3; ++g) {
            res.Prize[g] = Currency::FromInt(r.Prize[g]);
            res.Winners[g] = Currency::FromInt(static_cast<std::int64_t>(g) * 3);
        }
        res.SaleStart = Day(0);
        res.SaleEnd = res.ResultDate = res.RefundStart = res.RefundDeadline = Day(3);
        clsXmlResult xml(message, strProgramDir);
        xml.SetRecord(res);
        ok = ok && xml.XmlSave(xml.GetFileName(r.Kaisaikai, ""));
    }
    return ok;
}
