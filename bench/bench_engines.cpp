// Speed of the compression engines. Build, then run by hand on an idle machine:
//   bench_engines --benchmark_filter=Fast      greedy over the full space and a large multi
//   bench_engines --benchmark_filter=Tries     trial-search tries per second
//   bench_engines --benchmark_filter=Table     trial search on the covering-code instances
//   (minutes)
//   bench_engines --benchmark_filter=Tabu      minimum-count engine on the same instances,
//   each run ends at the best known size or at its processor-time limit; for tuning,
//   TABU_TENURE, TABU_W (weights 0/1), TABU_SEC (limit), TABU_FROMBEST (restarts from the
//   last cover), TABU_BEGIN (start count) and TABU_NOKNOWN=1 (search alone, no known code as the
//   start) override the defaults

#include "BenchHost.h"
#include "base/clsIMessage.h"
#include "base/clsIPump.h"
#include "conditions/clsTMsgLog.h"
#include "engines/clsTMsEngine1.h"
#include "engines/clsTMsEngine2.h"
#include "engines/clsTMsEngine4.h"
#include "engines/clsTMsTrial.h"
#include "engines/clsTRandom.h"

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <random>
#include <thread>
#include <vector>

namespace {

// Singles of a multi with the given number of outcomes per match (codes from 0 up), ascending.
std::vector<std::int32_t> Multi(const std::array<int, 13>& width)
{
    std::vector<std::int32_t> v{0};
    std::int32_t p = 1;
    for (int m = 0; m < 13; ++m) {
        std::vector<std::int32_t> next;
        for (int c = 0; c < width[m]; ++c) {
            for (const std::int32_t s : v) {
                next.push_back(s + c * p);
            }
        }
        v.swap(next);
        p *= 3;
    }
    std::sort(v.begin(), v.end());
    return v;
}

MarkArray Marks(const std::array<int, 13>& width)
{
    MarkArray m{};
    for (int match = 0; match < 13; ++match) {
        for (int c = 0; c < width[match]; ++c) {
            m[c][match] = 1;
        }
    }
    return m;
}

std::array<int, 13> Width(int triples, int doubles)
{
    std::array<int, 13> w{};
    for (int i = 0; i < 13; ++i) {
        w[i] = i < triples ? 3 : (i < triples + doubles ? 2 : 1);
    }
    return w;
}

void RunFast(benchmark::State& state, const std::vector<std::int32_t>& set, int grade)
{
    BenchHost host;
    clsTMsgLog log;
    std::int32_t count = 0;
    for (auto _ : state) {
        clsTMsEngine1 engine(host, host);
        engine.Initialize(log);
        engine.EngineStart(set, grade);
        count = engine.SingleCount();
        log.Clear();
    }
    state.counters["tickets"] = count;
}

void BM_FastFullSpace(benchmark::State& state)
{
    std::vector<std::int32_t> all(1594323);
    for (std::int32_t i = 0; i < 1594323; ++i) {
        all[i] = i;
    }
    RunFast(state, all, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_FastFullSpace)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// The reference greedy written as a plain C program would be: among the uncovered singles the
// highest score, the lowest index on ties, scores kept up to date by walking the balls. Its
// tickets are the fast search's, in the same order; the benchmark says so in "same".
std::vector<std::int32_t> PlainGreedy(const std::vector<std::int32_t>& set, int grade)
{
    const int n = 1594323;
    const int full = grade == 2 ? 27 : 339;
    std::vector<int> score(n, full);
    std::vector<char> covered(n, 0);
    std::vector<char> inSet(n, 0);
    int left = 0;
    for (const std::int32_t s : set) {
        left += inSet[s] == 0;
        inSet[s] = 1;
    }
    auto ball = [grade](int x, int* out) {
        int d[13];
        int p[13];
        for (int i = 0, r = x, q = 1; i < 13; ++i, r /= 3, q *= 3) {
            d[i] = r % 3;
            p[i] = q;
        }
        int k = 0;
        out[k++] = x;
        for (int i = 0; i < 13; ++i) {
            for (int c = 0; c < 3; ++c) {
                if (c != d[i]) {
                    out[k++] = x + (c - d[i]) * p[i];
                }
            }
        }
        if (grade == 3) {
            for (int i = 0; i < 12; ++i) {
                for (int j = i + 1; j < 13; ++j) {
                    for (int a = 0; a < 3; ++a) {
                        for (int b = 0; b < 3; ++b) {
                            if (a != d[i] && b != d[j]) {
                                out[k++] = x + (a - d[i]) * p[i] + (b - d[j]) * p[j];
                            }
                        }
                    }
                }
            }
        }
        return k;
    };
    std::vector<std::int32_t> chosen;
    int outer[339];
    int inner[339];
    int level = full;
    std::size_t pos = 0;
    while (left > 0) {
        // Scores never rise, so a single passed below the level stays below it.
        while (pos < set.size() && (covered[set[pos]] != 0 || score[set[pos]] != level)) {
            ++pos;
        }
        if (pos == set.size()) {
            --level;
            pos = 0;
            continue;
        }
        const int s = set[pos];
        chosen.push_back(s);
        const int m = ball(s, outer);
        for (int i = 0; i < m; ++i) {
            const int x = outer[i];
            if (covered[x] == 0) {
                covered[x] = 1;
                left -= inSet[x];
                const int k = ball(x, inner);
                for (int j = 0; j < k; ++j) {
                    --score[inner[j]];
                }
            }
        }
    }
    return chosen;
}

void BM_PlainGreedyFullSpace(benchmark::State& state)
{
    std::vector<std::int32_t> all(1594323);
    for (std::int32_t i = 0; i < 1594323; ++i) {
        all[i] = i;
    }
    const int grade = static_cast<int>(state.range(0));
    std::vector<std::int32_t> got;
    for (auto _ : state) {
        got = PlainGreedy(all, grade);
    }
    BenchHost host;
    clsTMsgLog log;
    clsTMsEngine1 engine(host, host);
    engine.Initialize(log);
    engine.EngineStart(all, grade);
    state.counters["tickets"] = static_cast<double>(got.size());
    state.counters["same"] = engine.SingleData() == got ? 1 : 0;
}
BENCHMARK(BM_PlainGreedyFullSpace)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

void BM_FastEightTriplesFiveDoubles(benchmark::State& state)
{
    RunFast(state, Multi(Width(8, 5)), static_cast<int>(state.range(0)));
}
BENCHMARK(BM_FastEightTriplesFiveDoubles)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// Tries per second on a dense random part of a multi, the search's typical ground.
void BM_TrialTries(benchmark::State& state)
{
    const int grade = static_cast<int>(state.range(0));
    const bool large = state.range(1) != 0;
    auto multi = Multi(large ? Width(12, 0) : Width(9, 0));
    std::mt19937 gen(7);
    std::shuffle(multi.begin(), multi.end(), gen);
    multi.resize(large ? 200000 : 10000);
    std::sort(multi.begin(), multi.end());

    BenchHost host;
    clsTMsgLog log;
    clsTMsg msg(host, host);
    msg.Initialize(log);
    clsTMsTrial trial(host, host, msg);
    trial.SetTargets(multi);
    trial.SetCandidates(multi);
    const bool stop = false;
    trial.BuildCache(grade, stop);
    const std::int32_t nc = trial.CandidateCount();
    const std::int32_t d = grade == 2 ? nc / 12 : nc / 60;
    clsTRandom random(1);
    trial.ResetSolution(d);
    for (std::int32_t i = 0; i < d; ++i) {
        trial.Fill(i, random.NextIndex(nc));
    }
    std::int32_t slot = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(trial.Try(slot, random.NextIndex(nc)));
        if (++slot == d) {
            slot = 0;
        }
    }
    state.counters["tries/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["cache_MB"] = static_cast<double>(trial.CacheSize()) * 4 / 1e6;
}
BENCHMARK(BM_TrialTries)
    ->Args({2, 0})
    ->Args({3, 0})
    ->Args({2, 1})
    ->Args({3, 1})
    ->Unit(benchmark::kNanosecond);

// Processor seconds of this process: the machine is shared, so the instances get their time
// budget in processor time rather than on the wall clock.
double CpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// The fast search's size for the set: where the slower searches start.
std::int32_t GreedySize(const std::vector<std::int32_t>& set, int grade)
{
    BenchHost host;
    clsTMsgLog log;
    clsTMsEngine1 fast(host, host);
    fast.Initialize(log);
    fast.EngineStart(set, grade);
    return fast.SingleCount();
}

// The trial search from the greedy's size down, stopped after the instance's time: the
// smallest confirmed cover and when it was confirmed.
void BM_Table(benchmark::State& state, int triples, int doubles, int grade, int seconds)
{
    const auto width = Width(triples, doubles);
    const auto set = Multi(width);
    BenchHost host;
    clsTMsgLog log;
    const std::int32_t greedy = GreedySize(set, grade);
    std::int32_t best = 0;
    double bestAt = 0;
    for (auto _ : state) {
        clsTRandom random(static_cast<std::uint64_t>(state.range(0)));
        clsTMsEngine2 engine(host, host, random);
        engine.Initialize(log);
        const double start = CpuSeconds();
        std::int32_t seen = 0;
        host.OnEvents = [&] {
            const double t = CpuSeconds() - start;
            if (engine.SingleCount() != seen) {
                seen = engine.SingleCount();
                bestAt = t;
            }
            if (t >= seconds) {
                engine.EngineStop();
            }
        };
        EngineSettingsRecord s;
        s.MsEngine = grade == 2 ? 2 : 4;
        s.BeginCount = greedy;
        s.EndCount = 1;
        s.EndTime = 0;
        engine.EngineStart(set, grade, s, Marks(width));
        best = engine.SingleCount();
        host.OnEvents = nullptr;
        log.Clear();
    }
    state.counters["singles"] = static_cast<double>(set.size());
    state.counters["greedy"] = greedy;
    state.counters["trial"] = best;
    state.counters["found_cpu_s"] = bestAt;
    state.counters["limit_cpu_s"] = seconds;
}
BENCHMARK_CAPTURE(BM_Table, t5_g2, 5, 0, 2, 10)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_Table, t6_g2, 6, 0, 2, 30)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_Table, t7_g2, 7, 0, 2, 120)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_Table, t6_g3, 6, 0, 3, 10)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_Table, t7_g3, 7, 0, 3, 60)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_Table, t3d3_g2, 3, 3, 2, 5)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_Table, t5d1_g3, 5, 1, 3, 10)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_Table, t4d4_g2, 4, 4, 2, 60)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// The minimum-count engine from the greedy's size down to the best known size: the smallest
// cover reached within the limit and the processor seconds it took.
void BM_Tabu(benchmark::State& state, int triples, int doubles, int grade, int seconds, int known)
{
    const auto width = Width(triples, doubles);
    const auto set = Multi(width);
    BenchHost host;
    clsTMsgLog log;
    const std::int32_t greedy = GreedySize(set, grade);
    std::int32_t best = 0;
    double bestAt = 0;
    for (auto _ : state) {
        clsTRandom random(static_cast<std::uint64_t>(state.range(0)));
        clsTMsEngine4 engine(host, host, random);
        engine.Initialize(log);
        if (const char* e = std::getenv("TABU_TENURE")) {
            engine.Tabu().SetTenure(std::atoi(e));
        }
        if (const char* e = std::getenv("TABU_W")) {
            engine.Tabu().SetWeighted(std::atoi(e) != 0);
        }
        if (const char* e = std::getenv("TABU_SEC")) {
            seconds = std::atoi(e);
        }
        if (const char* e = std::getenv("TABU_NOKNOWN")) {
            engine.SetKnownCodes(std::atoi(e) == 0);
        }
        if (const char* e = std::getenv("TABU_FROMBEST")) {
            engine.SetFromBestRestarts(std::atoi(e));
        }
        const double start = CpuSeconds();
        std::int32_t seen = 0;
        host.OnEvents = [&] {
            const double t = CpuSeconds() - start;
            if (engine.SingleCount() != seen) {
                seen = engine.SingleCount();
                bestAt = t;
            }
            if (t >= seconds) {
                engine.EngineStop();
            }
        };
        EngineSettingsRecord s;
        s.MsEngine = grade == 2 ? 6 : 7;
        s.BeginCount = greedy;
        if (const char* e = std::getenv("TABU_BEGIN")) {
            s.BeginCount = std::atoi(e);
        }
        s.EndCount = known;
        s.EndTime = 0;
        engine.EngineStart(set, grade, s, Marks(width));
        best = engine.SingleCount();
        if (best != seen) {
            bestAt = CpuSeconds() - start;
        }
        state.counters["moves"] = static_cast<double>(engine.MoveCount());
        host.OnEvents = nullptr;
        log.Clear();
    }
    state.counters["known"] = known;
    state.counters["greedy"] = greedy;
    state.counters["tabu"] = best;
    state.counters["found_cpu_s"] = bestAt;
    state.counters["limit_cpu_s"] = seconds;
}
#define KELVRA_TABU_CASE(name, t, b, g, sec, known)                                                \
    BENCHMARK_CAPTURE(BM_Tabu, name, t, b, g, sec, known)                                          \
        ->Arg(1)                                                                                   \
        ->Arg(2)                                                                                   \
        ->Arg(3)                                                                                   \
        ->Iterations(1)                                                                            \
        ->Unit(benchmark::kSecond)
KELVRA_TABU_CASE(t5_g2, 5, 0, 2, 10, 27);
KELVRA_TABU_CASE(t6_g2, 6, 0, 2, 30, 73);
KELVRA_TABU_CASE(t7_g2, 7, 0, 2, 120, 186);
KELVRA_TABU_CASE(t6_g3, 6, 0, 3, 10, 17);
KELVRA_TABU_CASE(t7_g3, 7, 0, 3, 30, 34);
KELVRA_TABU_CASE(t3d3_g2, 3, 3, 2, 10, 24);
KELVRA_TABU_CASE(t5d1_g3, 5, 1, 3, 10, 12);
KELVRA_TABU_CASE(t4d4_g2, 4, 4, 2, 60, 130);

} // namespace
