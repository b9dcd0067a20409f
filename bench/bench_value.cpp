// Own probabilities and expected values on the largest set there is, the full multi.
// Targets (single thread): P of every single 50 ms; EV of every single 2 s; the chance and
// EV of a set of 60,000 tickets 0.5 s. The EV figures include building the payout tables of
// the whole space, which a fresh set of probabilities or votes needs once.

#include "base/clsIMessage.h"
#include "lottery/clsTNumber.h"
#include "lottery/clsTValue.h"

#include <benchmark/benchmark.h>

#include <numeric>
#include <random>
#include <vector>

namespace {

class SilentMessage final : public clsIMessage
{
public:
    void ShowMessage(MsgIcon, std::string_view, std::string_view) override {}
};

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

ProbabilityRecord SomeProbabilities()
{
    ProbabilityRecord p;
    for (int m = 0; m < 13; ++m) {
        p.Value[0][m] = 2500 + 10 * m;
        p.Value[1][m] = 4500 - 20 * m;
        p.Value[2][m] = 3000 + 10 * m;
    }
    return p;
}

std::vector<std::int32_t> AllSingles()
{
    std::vector<std::int32_t> all(clsTNumber::SingleCount);
    std::iota(all.begin(), all.end(), 0);
    return all;
}

void BM_ProbabilityAllSingles(benchmark::State& state)
{
    SilentMessage msg;
    clsTValue value(msg);
    value.SetProbability(SomeProbabilities());
    const auto all = AllSingles();
    std::vector<double> p(all.size());
    for (auto _ : state) {
        value.GetPList(all, p);
        benchmark::DoNotOptimize(p.data());
    }
}
BENCHMARK(BM_ProbabilityAllSingles)->Unit(benchmark::kMillisecond);

void BM_ExpectedValueFullMulti(benchmark::State& state)
{
    SilentMessage msg;
    clsTValue value(msg);
    value.SetVote(RealisticVotes());
    const auto all = AllSingles();
    std::vector<double> ev(all.size());
    for (auto _ : state) {
        value.SetProbability(SomeProbabilities()); // the tables are built anew
        value.GetEVList(all, ev);
        benchmark::DoNotOptimize(ev.data());
    }
}
BENCHMARK(BM_ExpectedValueFullMulti)->Unit(benchmark::kMillisecond);

void SetValue60000(benchmark::State& state, bool blnFresh)
{
    SilentMessage msg;
    clsTValue value(msg);
    value.SetVote(RealisticVotes());
    value.SetProbability(SomeProbabilities());
    std::mt19937 rng(23);
    std::vector<std::int32_t> chosen(60000);
    for (auto& c : chosen) {
        c = static_cast<std::int32_t>(rng() % clsTNumber::SingleCount);
    }
    clsTValue::SetValue sv;
    value.GetSetValue(chosen, sv);
    for (auto _ : state) {
        if (blnFresh) {
            value.SetProbability(SomeProbabilities());
        }
        value.GetSetValue(chosen, sv);
        benchmark::DoNotOptimize(sv);
    }
}
void BM_SetValue60000WithTables(benchmark::State& state)
{
    SetValue60000(state, true);
}
void BM_SetValue60000TablesBuilt(benchmark::State& state)
{
    SetValue60000(state, false);
}
BENCHMARK(BM_SetValue60000WithTables)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetValue60000TablesBuilt)->Unit(benchmark::kMillisecond);

} // namespace
