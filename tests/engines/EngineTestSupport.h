#pragma once
// Helpers for the engine tests: ticket numbers from digits, distances, and an independent
// check that a result keeps its guarantee.

#include "conditions/clsTMsgLog.h"
#include "engines/clsTMsEngine1.h"
#include "engines/clsTRandom.h"
#include "lottery/MarkArray.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace enginetest {

inline std::array<int, 13> Digits(std::int32_t n)
{
    std::array<int, 13> d{};
    for (int i = 0; i < 13; ++i) {
        d[i] = n % 3;
        n /= 3;
    }
    return d;
}

// Digits given match 1 first.
inline std::int32_t No(const std::array<int, 13>& d)
{
    std::int32_t n = 0;
    for (int i = 12; i >= 0; --i) {
        n = n * 3 + d[i];
    }
    return n;
}

inline int Distance(std::int32_t a, std::int32_t b)
{
    int k = 0;
    for (int i = 0; i < 13; ++i) {
        k += a % 3 != b % 3;
        a /= 3;
        b /= 3;
    }
    return k;
}

// Targets farther than lngRadius from every chosen ticket.
inline int UncoveredCount(std::span<const std::int32_t> targets,
                          std::span<const std::int32_t> chosen, int lngRadius)
{
    int n = 0;
    for (const std::int32_t t : targets) {
        const bool ok = std::any_of(chosen.begin(), chosen.end(),
                                    [&](std::int32_t c) { return Distance(t, c) <= lngRadius; });
        n += ok ? 0 : 1;
    }
    return n;
}

// All singles of a multi given as the number of outcomes per match (1 to 3, codes from 0 up),
// in ascending order.
inline std::vector<std::int32_t> MultiSingles(const std::array<int, 13>& width)
{
    std::vector<std::int32_t> v;
    std::array<int, 13> d{};
    for (;;) {
        v.push_back(No(d));
        int i = 0;
        while (i < 13 && ++d[i] == width[i]) {
            d[i] = 0;
            ++i;
        }
        if (i == 13) {
            break;
        }
    }
    std::sort(v.begin(), v.end());
    return v;
}

// A random subset of a multi, shuffled.
inline std::vector<std::int32_t> RandomSubset(const std::array<int, 13>& width, double share,
                                              unsigned seed)
{
    std::mt19937 gen(seed);
    std::bernoulli_distribution keep(share);
    std::vector<std::int32_t> v;
    for (const std::int32_t s : MultiSingles(width)) {
        if (keep(gen)) {
            v.push_back(s);
        }
    }
    std::shuffle(v.begin(), v.end(), gen);
    return v;
}

// The marks of a multi given as the number of outcomes per match: outcome c marked c + 1.
inline MarkArray Marks(const std::array<int, 13>& width)
{
    MarkArray m{};
    for (int match = 0; match < 13; ++match) {
        for (int c = 0; c < width[match]; ++c) {
            m[c][match] = 1 + c;
        }
    }
    return m;
}

// How many tickets the fast greedy search keeps of the set: the count to beat.
inline std::int32_t GreedyCount(const std::vector<std::int32_t>& set, int grade)
{
    RecordingHost host;
    clsTMsgLog log;
    clsTMsEngine1 greedy(host, host);
    greedy.Initialize(log);
    EXPECT_TRUE(greedy.EngineStart(set, grade));
    return greedy.SingleCount();
}

// A step line without its elapsed time: "0012 7を検索中..." → "7を検索中...".
inline std::string StepName(const std::string& line)
{
    return line.substr(line.find(' ') + 1);
}

// One engine of a kind with its host, log and generator, the clock driven by hand.
template <class Engine> struct EngineRun
{
    RecordingHost host;
    clsTMsgLog log;
    clsTRandom random;
    Engine engine;
    explicit EngineRun(std::uint64_t seed)
        : random(seed)
        , engine(host, host, random)
    {
        engine.Initialize(log);
    }
    // The step line being searched, if a step is running.
    std::string OpenStep() const
    {
        if (log.Lines().empty()) {
            return {};
        }
        const auto& s = log.Lines().back();
        return s.ends_with("を検索中...") ? s : std::string();
    }
    std::vector<std::string> LinesEndingWith(std::string_view tail) const
    {
        std::vector<std::string> v;
        for (const auto& s : log.Lines()) {
            if (s.ends_with(tail)) {
                v.push_back(s);
            }
        }
        return v;
    }
    // Moves the fake clock 100 ms at every event of a search step.
    void TickDuringSteps()
    {
        host.OnDoEvents = [this](std::int64_t) {
            if (!OpenStep().empty()) {
                host.AdvanceMs(100);
            }
        };
    }
};

} // namespace enginetest
