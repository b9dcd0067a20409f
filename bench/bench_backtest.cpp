// Not a benchmark of the framework: times one back-test over 100 generated rounds of full
// multis (1,594,323 singles each), in both marking modes, with a payout range and a 人気 and a
// 勝敗 condition. Run by hand on an idle machine: bench_backtest [ROUNDS]

#include "base/Currency.h"
#include "store/clsBacktest.h"
#include "store/clsXmlResult.h"
#include "store/clsXmlSchedule.h"
#include "store/clsXmlVote.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {
void StoreRound(RecordingHost& host, const std::string& dir, std::int32_t k, std::mt19937& rng)
{
    const DateTime day = DateTime::FromYmd(2026, 1, 4);
    ScheduleRecord s;
    s.Kaisaikai = k;
    for (auto& m : s.Match) {
        m = ScheduleMatch{"ホーム", "アウェイ", day, DateTime::FromHms(14, 0, 0), "競技場", ""};
    }
    s.SaleStart = s.SaleEnd = s.ResultDate = s.RefundStart = s.RefundDeadline = day;
    VoteRecord v;
    v.Kaisaikai = k;
    v.AsOf = v.SaleEnd = v.SaleStart = v.ResultDate = v.RefundStart = v.RefundDeadline = day;
    ResultRecord r;
    r.Kaisaikai = k;
    for (std::size_t m = 0; m < 13; ++m) {
        VoteMatch& vm = v.Match[m];
        vm.Home = "ホーム";
        vm.Away = "アウェイ";
        vm.GameDate = day;
        std::int64_t n[3];
        for (auto& x : n) {
            x = 1000 + static_cast<std::int64_t>(rng() % 90000);
        }
        const std::int64_t total = n[0] + n[1] + n[2];
        std::int64_t rest = 1'000'000;
        for (std::size_t o = 0; o < 3; ++o) {
            vm.Votes[o] = Currency::FromInt(n[o]);
            const std::int64_t rate = o < 2 ? n[o] * 10'000 / total * 100 : rest;
            vm.Rate[o] = Currency::FromRaw(rate);
            rest -= rate;
        }
        r.Match[m] = ResultMatch{
            day, static_cast<std::uint8_t>(rng() % 3), "競技場", "ホーム", "アウェイ", 1, 0};
    }
    for (std::size_t g = 1; g <= 3; ++g) {
        r.Prize[g] = Currency::FromInt(100'000 / static_cast<std::int64_t>(g));
    }
    r.SaleStart = r.SaleEnd = r.ResultDate = r.RefundStart = r.RefundDeadline = day;
    clsXmlSchedule xs(host, dir);
    xs.SetRecord(s);
    clsXmlVote xv(host, dir);
    xv.SetRecord(v);
    clsXmlResult xr(host, dir);
    xr.SetRecord(r);
    if (!xs.XmlSave(xs.GetFileName(k, "")) || !xv.XmlSave(xv.GetFileName(k, "")) ||
        !xr.XmlSave(xr.GetFileName(k, ""))) {
        std::fprintf(stderr, "could not write round %d\n", k);
        std::exit(1);
    }
}
} // namespace

int main(int argc, char** argv)
{
    const std::int32_t rounds = argc > 1 ? std::atoi(argv[1]) : 100;
    TempDir dir;
    RecordingHost host;
    std::mt19937 rng(7);
    for (std::int32_t k = 1; k <= rounds; ++k) {
        StoreRound(host, dir.Str(), 300 + k, rng);
    }
    ConditionSetRecord c;
    c.Haitou.Flag[0] = true;
    c.Haitou.Min[0] = Currency::FromInt(100'000);
    for (std::int32_t t = 0; t <= 13; ++t) {
        if (t < 4 || t > 9) {
            c.Ninki[0].SetMark(t, 0, kCountDelete);
        }
        if (t > 3) {
            c.Mark[0].SetMark(t, 0, kCountDelete);
        }
    }
    for (const auto marks : {clsBacktest::Marking::Vote, clsBacktest::Marking::All}) {
        clsBacktest bt;
        const auto start = std::chrono::steady_clock::now();
        bt.Start({c, dir.Str(), "", 301, 300 + rounds, marks});
        bt.Wait();
        const double secs =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const clsBacktest::Progress p = bt.Snapshot();
        const clsBacktest::Totals t = clsBacktest::Sum(p.Rows);
        std::printf("%s: %d rounds tested (%zu skipped) in %.2f s, %.3f s a round; kept %s "
                    "singles, %d hits\n",
                    marks == clsBacktest::Marking::Vote ? "vote" : "all", t.Rounds, p.Skips.size(),
                    secs, secs / std::max(1, t.Rounds), (t.Cost / 100).ToString().c_str(), t.Hits);
    }
    return 0;
}
