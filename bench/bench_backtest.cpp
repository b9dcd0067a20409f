// Not a benchmark of the framework: times one back-test over 100 generated rounds of full
// multis (1,594,323 singles each), in both marking modes, with a payout range and a 人気 and a
// 勝敗 condition. Run by hand on an idle machine: bench_backtest [ROUNDS]

#include "base/Currency.h"
#include "store/clsBacktest.h"
#include "support/GeneratedRounds.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    const std::int32_t rounds = argc > 1 ? std::atoi(argv[1]) : 100;
    TempDir dir;
    RecordingHost host;
    for (const GeneratedRound& r : GenerateRounds(301, 300 + rounds, 7)) {
        if (!StoreRound(host, dir.Str(), r)) {
            std::fprintf(stderr, "could not write round %d\n", r.Kaisaikai);
            return 1;
        }
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
