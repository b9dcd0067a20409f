// The extraction run over the full multi (every outcome of every match marked: 1,594,323
// singles), the worst case a user can start.

#include "conditions/clsTX.h"
#include "support/RecordingHost.h"

#include <benchmark/benchmark.h>

namespace {
clsTX::MarkArray FullMarks()
{
    clsTX::MarkArray m{};
    for (std::size_t i = 0; i < 13; ++i) {
        m[0][i] = 2;
        m[1][i] = 1;
        m[2][i] = 3;
    }
    return m;
}

VoteRecord BenchVote()
{
    VoteRecord v;
    v.Kaisaikai = 1200;
    for (std::size_t m = 0; m < 13; ++m) {
        v.Match[m].Votes = {Currency::FromInt(static_cast<std::int64_t>(20000 + 997 * m)),
                            Currency::FromInt(static_cast<std::int64_t>(45000 - 1301 * m)),
                            Currency::FromInt(static_cast<std::int64_t>(30000 + 211 * m))};
    }
    return v;
}

std::vector<std::int32_t> FullList()
{
    std::vector<std::int32_t> v(1594323);
    for (std::int32_t i = 0; i < 1594323; ++i) {
        v[static_cast<std::size_t>(i)] = i;
    }
    return v;
}

void BM_ConditionPass(benchmark::State& state)
{
    RecordingHost host;
    clsTX1 worker(host);
    worker.SetValue(FullMarks());
    worker.SetVoteRecord(BenchVote());
    const auto kind = static_cast<JoukenKind>(state.range(0));
    auto entry = ConditionTableEntry::Cleared(kind, 0);
    entry.SetMark(0, 0, kCountDelete); // keeps most singles
    const auto full = FullList();
    std::vector<clsTX1::MachigaiCounter> none;
    for (auto _ : state) {
        state.PauseTiming();
        auto list = full;
        std::int32_t n = static_cast<std::int32_t>(list.size());
        state.ResumeTiming();
        worker.JoukenSakugen(kind, n, list, 0, entry, false, none, none);
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_ConditionPass)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

void BM_PayoutPass(benchmark::State& state)
{
    RecordingHost host;
    clsTX1 worker(host);
    worker.SetValue(FullMarks());
    worker.SetVoteRecord(BenchVote());
    const auto full = FullList();
    std::vector<clsTX1::MachigaiCounter> none;
    for (auto _ : state) {
        state.PauseTiming();
        auto list = full;
        std::int32_t n = static_cast<std::int32_t>(list.size());
        worker.ReleasePayoutCache(); // a first payout pass: the list is estimated afresh
        std::array<bool, 3> plan{};
        plan[static_cast<std::size_t>(state.range(0))] = true;
        worker.PlanPayoutPasses(plan);
        state.ResumeTiming();
        worker.MoneySakugen(n, list, static_cast<std::int32_t>(state.range(0)),
                            Currency::FromInt(1000), Currency::FromInt(9'999'999'999), false, none);
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_PayoutPass)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// Three payout passes and 20 condition rows that each keep most singles.
void BM_WholeRun(benchmark::State& state)
{
    RecordingHost host;
    clsTMsgLog log;
    clsTX tx(host, host);
    tx.Initialize(log, "1.00");
    tx.SetVoteRecord(BenchVote());
    ConditionSetRecord rec;
    for (std::size_t g = 0; g < 3; ++g) {
        rec.Haitou.Flag[g] = true;
        rec.Haitou.Min[g] = Currency::FromInt(10);
    }
    int rows = 0;
    for (JoukenKind kind : {JoukenKind::Honmei, JoukenKind::Ninki, JoukenKind::Mark}) {
        auto& table = rec.Table(kind);
        for (std::int32_t tab = 3; tab < kJoukenTabs && rows < 20; tab += 4) {
            for (std::int32_t r = 0; r < table[static_cast<std::size_t>(tab)].RowCount && rows < 20;
                 r += 2) {
                table[static_cast<std::size_t>(tab)].SetMark(13, r, kCountDelete);
                ++rows;
            }
        }
    }
    std::int32_t n = 0;
    std::vector<std::int32_t> list;
    for (auto _ : state) {
        tx.RunExtraction(rec, FullMarks(), n, list);
        benchmark::DoNotOptimize(n);
    }
    state.counters["kept"] = n;
}
BENCHMARK(BM_WholeRun)->Unit(benchmark::kMillisecond);
} // namespace

// The estimator alone over the full multi, for comparison with a payout pass.
void BM_EstimatesOnly(benchmark::State& state)
{
    RecordingHost host;
    clsTMoney money(host);
    money.SetVote(BenchVote());
    const auto full = FullList();
    std::vector<Currency> a(full.size());
    std::vector<Currency> b(full.size());
    std::vector<Currency> c(full.size());
    for (auto _ : state) {
        money.GetMoneyList(full, a, b, c);
        benchmark::DoNotOptimize(a.data());
    }
}
BENCHMARK(BM_EstimatesOnly)->Unit(benchmark::kMillisecond);
