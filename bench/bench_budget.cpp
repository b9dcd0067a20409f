// The budget engine against a plain weighted greedy and the optimisation engine on the same
// sets, as a table. Not a Google benchmark: each row runs the engines on their time limits.
// Run by hand on an idle machine:
//   bench_budget [SECONDS]     the engines' limit per row (default 5); the budget engine is also
//                              run for 1 second
// Sets: thousands of singles of an 8-match multi, own probabilities favouring one outcome of
// each match strongly. Chances are recounted here from the tickets, not taken from the engines.

#include "BenchHost.h"
#include "conditions/clsTMsgLog.h"
#include "engines/clsTMsEngine3.h"
#include "engines/clsTMsEngine5.h"
#include "engines/clsTRandom.h"
#include "lottery/basBall.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

constexpr std::int32_t kSpace = 1594323;

ProbabilityRecord Skewed()
{
    ProbabilityRecord p;
    for (int m = 0; m < 13; ++m) {
        const std::array<std::int32_t, 3> share{7200, 2000, 800};
        for (int k = 0; k < 3; ++k) {
            p.Value[static_cast<std::size_t>((k + m) % 3)][static_cast<std::size_t>(m)] =
                share[static_cast<std::size_t>(k)];
        }
    }
    return p;
}

std::vector<double> PTable(const ProbabilityRecord& prob)
{
    std::vector<double> t(kSpace);
    for (std::int32_t s = 0; s < kSpace; ++s) {
        double p = 1.0;
        std::int32_t x = s;
        for (std::size_t m = 0; m < 13; ++m, x /= 3) {
            p *= prob.Value[static_cast<std::size_t>(x % 3)][m] / 10000.0;
        }
        t[static_cast<std::size_t>(s)] = p;
    }
    return t;
}

// A share of the singles of a multi of eight full matches, in random order.
std::vector<std::int32_t> Set(double share, unsigned seed)
{
    std::mt19937 gen(seed);
    std::bernoulli_distribution keep(share);
    std::vector<std::int32_t> v;
    for (std::int32_t s = 0; s < 6561; ++s) {
        if (keep(gen)) {
            v.push_back(s);
        }
    }
    std::shuffle(v.begin(), v.end(), gen);
    return v;
}

double Chance(const std::vector<double>& p, const std::vector<std::int32_t>& tickets, int grade)
{
    std::vector<std::uint8_t> seen(kSpace, 0);
    double sum = 0.0;
    for (const std::int32_t t : tickets) {
        basBall::ForEachInBall(t, grade, [&](std::int32_t x) {
            if (seen[static_cast<std::size_t>(x)] == 0) {
                seen[static_cast<std::size_t>(x)] = 1;
                sum += p[static_cast<std::size_t>(x)];
            }
        });
    }
    return sum;
}

std::vector<std::int32_t> Greedy(const std::vector<double>& p, const std::vector<std::int32_t>& set,
                                 int count, int grade)
{
    std::vector<std::uint8_t> covered(kSpace, 0);
    std::vector<std::uint8_t> taken(set.size(), 0);
    std::vector<std::int32_t> out;
    for (int n = 0; n < count; ++n) {
        double best = -1.0;
        std::size_t at = 0;
        for (std::size_t i = 0; i < set.size(); ++i) {
            double gain = 0.0;
            basBall::ForEachInBall(set[i], grade, [&](std::int32_t x) {
                gain += covered[static_cast<std::size_t>(x)] != 0 ? 0.0
                                                                  : p[static_cast<std::size_t>(x)];
            });
            if (taken[i] == 0 && gain > best) {
                best = gain;
                at = i;
            }
        }
        taken[at] = 1;
        out.push_back(set[at]);
        basBall::ForEachInBall(set[at], grade,
                               [&](std::int32_t x) { covered[static_cast<std::size_t>(x)] = 1; });
    }
    return out;
}

double Seconds(std::chrono::steady_clock::time_point from)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

std::vector<std::int32_t> RunFive(const std::vector<std::int32_t>& set, int count, int seconds)
{
    BenchHost host;
    clsTMsgLog log;
    clsTRandom random(1);
    clsTMsEngine3 engine(host, host, random);
    engine.Initialize(log);
    EngineSettingsRecord s;
    s.MsEngine = 5;
    s.SeBeginCount = count;
    s.SeEndTime = seconds;
    engine.EngineStart(set, s);
    return engine.SingleData();
}

std::vector<std::int32_t> RunBudget(const std::vector<std::int32_t>& set, int count, int grade,
                                    int seconds, const ProbabilityRecord& prob, double& elapsed)
{
    BenchHost host;
    clsTMsgLog log;
    clsTRandom random(1);
    clsTMsEngine5 engine(host, host, random, prob);
    engine.Initialize(log);
    EngineSettingsRecord s;
    s.MsEngine = kBudgetEngine;
    s.SeBeginCount = count;
    s.SeGrade = grade;
    s.SeEndTime = seconds;
    const auto from = std::chrono::steady_clock::now();
    engine.EngineStart(set, s);
    elapsed = Seconds(from);
    return engine.SingleData();
}

} // namespace

int main(int argc, char** argv)
{
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const ProbabilityRecord prob = Skewed();
    const std::vector<double> p = PTable(prob);
    std::printf("| singles | N | grade | greedy | engine 5 (%ds) | engine 8 (1s) | engine 8 (%ds) "
                "| 8 vs greedy | greedy time |\n",
                seconds, seconds);
    std::printf("|---|---|---|---|---|---|---|---|---|\n");
    struct Row
    {
        double Share;
        int Count;
        int Grade;
    };
    for (const Row r : {Row{0.5, 20, 2}, Row{0.5, 50, 2}, Row{0.5, 100, 2}, Row{0.5, 20, 3},
                        Row{0.5, 50, 3}, Row{0.8, 100, 3}}) {
        const auto set = Set(r.Share, 21);
        const auto from = std::chrono::steady_clock::now();
        const double greedy = Chance(p, Greedy(p, set, r.Count, r.Grade), r.Grade);
        const double greedyTime = Seconds(from);
        const double five = Chance(p, RunFive(set, r.Count, seconds), r.Grade);
        double t1 = 0.0;
        double tn = 0.0;
        const double short8 = Chance(p, RunBudget(set, r.Count, r.Grade, 1, prob, t1), r.Grade);
        const double long8 =
            Chance(p, RunBudget(set, r.Count, r.Grade, seconds, prob, tn), r.Grade);
        std::printf("| %zu | %d | %d | %.4f%% | %.4f%% | %.4f%% | %.4f%% | %+.2f%% | %.2fs |\n",
                    set.size(), r.Count, r.Grade, greedy * 100, five * 100, short8 * 100,
                    long8 * 100, (long8 / greedy - 1) * 100, greedyTime);
        std::fflush(stdout);
    }
    return 0;
}
