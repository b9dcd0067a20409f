// Ticket arithmetic on the largest set there is, the full multi of 1,594,323 singles.
// Targets (single thread): expansion 20 ms, single frame 20 ms, three payouts of every single
// 0.3 s, winning counts for 60,000 chosen singles 150 ms, index sort of every single's key 1 s.

#include "base/clsIMessage.h"
#include "base/clsQuickSort.h"
#include "lottery/clsTMoney.h"
#include "lottery/clsTMultiPattern.h"
#include "lottery/clsTNumber.h"
#include "lottery/clsTProbability.h"
#include "lottery/clsTSingleFrame.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

class SilentMessage final : public clsIMessage
{
public:
    void ShowMessage(MsgIcon, std::string_view, std::string_view) override {}
};

MarkArray FullMulti()
{
    MarkArray a;
    for (auto& row : a) {
        row.fill(1);
    }
    return a;
}

std::vector<std::int32_t> AllSingles()
{
    SilentMessage msg;
    clsTMultiPattern p(msg);
    p.SetValue(FullMulti());
    std::int32_t n = 0;
    std::vector<std::int32_t> out;
    p.GetMulti(n, out);
    return out;
}

VoteRecord RealisticVotes()
{
    VoteRecord v;
    v.Kaisaikai = 1450;
    std::mt19937 rng(17);
    for (auto& m : v.Match) {
        for (auto& c : m.Votes) {
            c = Currency::FromInt(1 + static_cast<std::int64_t>(rng() % 3000000));
        }
    }
    return v;
}

void BM_ExpandFullMulti(benchmark::State& state)
{
    SilentMessage msg;
    clsTMultiPattern p(msg);
    p.SetValue(FullMulti());
    std::vector<std::int32_t> out;
    std::int32_t n = 0;
    p.GetMulti(n, out); // the caller keeps its list between runs
    for (auto _ : state) {
        p.GetMulti(n, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_ExpandFullMulti)->Unit(benchmark::kMillisecond);

void BM_SingleFrameFullMulti(benchmark::State& state)
{
    SilentMessage msg;
    clsTSingleFrame f(msg);
    const auto all = AllSingles();
    SingleFrame frame;
    for (auto _ : state) {
        f.GetSingleFrame(static_cast<std::int32_t>(all.size()), all, frame);
        benchmark::DoNotOptimize(frame);
    }
}
BENCHMARK(BM_SingleFrameFullMulti)->Unit(benchmark::kMillisecond);

void BM_ThreePayoutsFullMulti(benchmark::State& state)
{
    SilentMessage msg;
    clsTMoney money(msg);
    money.SetVote(RealisticVotes());
    const auto all = AllSingles();
    std::vector<Currency> c1(all.size()), c2(all.size()), c3(all.size());
    for (auto _ : state) {
        money.GetMoneyList(all, c1, c2, c3);
        benchmark::DoNotOptimize(c3.data());
    }
}
BENCHMARK(BM_ThreePayoutsFullMulti)->Unit(benchmark::kMillisecond);

// The same singles in a shuffled order, which takes the sorting path instead of the runs of
// an ascending list.
void BM_ThreePayoutsShuffled(benchmark::State& state)
{
    SilentMessage msg;
    clsTMoney money(msg);
    money.SetVote(RealisticVotes());
    auto all = AllSingles();
    std::shuffle(all.begin(), all.end(), std::mt19937(29));
    std::vector<Currency> c1(all.size()), c2(all.size()), c3(all.size());
    for (auto _ : state) {
        money.GetMoneyList(all, c1, c2, c3);
        benchmark::DoNotOptimize(c3.data());
    }
}
BENCHMARK(BM_ThreePayoutsShuffled)->Unit(benchmark::kMillisecond);

// The same one single at a time (how a caller without the list form would do it).
void BM_ThreePayoutsOneByOne(benchmark::State& state)
{
    SilentMessage msg;
    clsTMoney money(msg);
    money.SetVote(RealisticVotes());
    clsTNumber::LongKousei k;
    for (auto _ : state) {
        std::int64_t sum = 0;
        for (std::int32_t v = 0; v < clsTNumber::SingleCount; ++v) {
            clsTNumber::NoToLong(v, k);
            sum += money.GetMoney1(k).Raw() + money.GetMoney2(k).Raw() + money.GetMoney3(k).Raw();
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ThreePayoutsOneByOne)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_GetTousen60000(benchmark::State& state)
{
    const auto all = AllSingles();
    std::mt19937 rng(23);
    std::vector<std::int32_t> chosen(60000);
    for (auto& c : chosen) {
        c = static_cast<std::int32_t>(rng() % clsTNumber::SingleCount);
    }
    clsTProbability p;
    std::vector<std::int32_t> t(6);
    for (auto _ : state) {
        p.GetTousen(all, chosen, t);
        benchmark::DoNotOptimize(t.data());
    }
}
BENCHMARK(BM_GetTousen60000)->Unit(benchmark::kMillisecond);

void SortKeys(benchmark::State& state, bool blnEqual)
{
    SilentMessage msg;
    clsQuickSort qs(msg);
    std::mt19937 rng(29);
    std::vector<Currency> keys(clsTNumber::SingleCount);
    for (auto& k : keys) {
        k = Currency::FromInt(blnEqual ? 99999999999
                                       : static_cast<std::int64_t>(rng() % 100000000));
    }
    std::vector<Currency> work;
    std::vector<std::int32_t> idx;
    for (auto _ : state) {
        state.PauseTiming();
        work = keys;
        state.ResumeTiming();
        qs.CurrencyIndexSort(work, idx, true);
        benchmark::DoNotOptimize(idx.data());
    }
}
void BM_CurrencyIndexSortRandom(benchmark::State& state)
{
    SortKeys(state, false);
}
void BM_CurrencyIndexSortAllEqual(benchmark::State& state)
{
    SortKeys(state, true);
}
BENCHMARK(BM_CurrencyIndexSortRandom)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CurrencyIndexSortAllEqual)->Unit(benchmark::kMillisecond);

} // namespace
