// Writes the table of small covering codes that clsTKnownCode ships: for every space of up to
// seven matches whose constructed code is above the sphere bound, the minimum-count engine runs
// from that code down for a few processor seconds per seed, and the smallest cover it confirms
// is printed when it beats the construction. Run by hand, then paste the output into
// src/engines/basKnownCodeTable.cpp:
//   gen_code_table [MAX_MATCHES [SECONDS_PER_MATCH [TRIPLES DOUBLES RADIUS]]] > table.txt
// With the last three only that space is searched (for one entry of the table).

#include "BenchHost.h"
#include "base/clsIMessage.h"
#include "base/clsIPump.h"
#include "conditions/clsTMsgLog.h"
#include "engines/clsTKnownCode.h"
#include "engines/clsTMsEngine4.h"
#include "engines/clsTRandom.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

double CpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

std::int64_t Binomial(int n, int k)
{
    std::int64_t v = 1;
    for (int i = 1; i <= k; ++i) {
        v = v * (n - k + i) / i;
    }
    return v;
}

// Points within the radius of one point of t triples and b doubles.
std::int64_t BallVolume(int t, int b, int r)
{
    std::int64_t v = 0;
    for (int i = 0; i <= r; ++i) {
        for (int j = 0; i + j <= r; ++j) {
            v += Binomial(t, i) * (1LL << i) * Binomial(b, j);
        }
    }
    return v;
}

struct Space
{
    std::vector<std::int32_t> Set;
    MarkArray Marks{};
};

Space MakeSpace(int t, int b)
{
    Space s;
    std::vector<std::int32_t> v{0};
    std::int32_t p = 1;
    for (int m = 0; m < 13; ++m) {
        const int width = m < t ? 3 : (m < t + b ? 2 : 1);
        std::vector<std::int32_t> next;
        for (int c = 0; c < width; ++c) {
            s.Marks[c][m] = 1;
            for (const std::int32_t x : v) {
                next.push_back(x + c * p);
            }
        }
        v.swap(next);
        p *= 3;
    }
    std::sort(v.begin(), v.end());
    s.Set = std::move(v);
    return s;
}

std::vector<std::int32_t> Search(const Space& space, int grade, std::int64_t bound, double seconds,
                                 std::uint64_t seed)
{
    BenchHost host;
    clsTMsgLog log;
    clsTRandom random(seed);
    clsTMsEngine4 engine(host, host, random);
    engine.Initialize(log);
    const double start = CpuSeconds();
    host.OnEvents = [&] {
        if (CpuSeconds() - start >= seconds) {
            engine.EngineStop();
        }
    };
    EngineSettingsRecord s;
    s.MsEngine = grade == 2 ? 6 : 7;
    s.BeginCount = 9999;
    s.EndCount = static_cast<std::int32_t>(bound);
    s.EndTime = 0;
    if (!engine.EngineStart(space.Set, grade, s, space.Marks)) {
        return {};
    }
    return engine.SingleData();
}

} // namespace

int main(int argc, char** argv)
{
    const int maxMatches = argc > 1 ? std::atoi(argv[1]) : 7;
    const double perMatch = argc > 2 ? std::atof(argv[2]) : 2.0;
    const bool one = argc > 5;
    const int onlyT = one ? std::atoi(argv[3]) : -1;
    const int onlyB = one ? std::atoi(argv[4]) : -1;
    const int onlyR = one ? std::atoi(argv[5]) : -1;
    for (int n = 2; n <= maxMatches; ++n) {
        for (int r = 1; r <= 2; ++r) {
            for (int t = n; t >= 0; --t) {
                const int b = n - t;
                if (one && (t != onlyT || b != onlyB || r != onlyR)) {
                    continue;
                }
                const std::int64_t built = clsTKnownCode::Size(t, b, r);
                const std::int64_t volume = BallVolume(t, b, r);
                std::int64_t space = 1;
                for (int i = 0; i < n; ++i) {
                    space *= i < t ? 3 : 2;
                }
                const std::int64_t bound = (space + volume - 1) / volume;
                if (n <= r || built <= bound) {
                    continue;
                }
                const Space s = MakeSpace(t, b);
                const double seconds = perMatch * (n - 1) * (n - 1) / 4.0;
                std::vector<std::int32_t> best;
                for (std::uint64_t seed = 1; seed <= 2; ++seed) {
                    auto got = Search(s, r + 1, bound, seconds, seed);
                    if (!got.empty() && (best.empty() || got.size() < best.size())) {
                        best = std::move(got);
                    }
                }
                std::fprintf(stderr, "t=%d b=%d r=%d built=%lld bound=%lld found=%zu\n", t, b, r,
                             static_cast<long long>(built), static_cast<long long>(bound),
                             best.size());
                if (best.empty() || static_cast<std::int64_t>(best.size()) >= built) {
                    continue;
                }
                std::sort(best.begin(), best.end());
                std::printf("    {%d, %d, %d, %zu,\n     \"", t, b, r, best.size());
                for (std::size_t k = 0; k < best.size(); ++k) {
                    if (k > 0 && k % 8 == 0) {
                        std::printf("\"\n     \"");
                    } else if (k > 0) {
                        std::printf(" ");
                    }
                    std::int32_t x = best[k];
                    for (int i = 0; i < n; ++i) {
                        std::printf("%d", x % 3);
                        x /= 3;
                    }
                }
                std::printf("\"},\n");
                std::fflush(stdout);
            }
        }
    }
    return 0;
}
