#include "engines/clsTRandom.h"

#include <chrono>

namespace {
std::uint64_t SplitMix(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}
} // namespace

clsTRandom::clsTRandom()
{
    SeedFromClock();
}

clsTRandom::clsTRandom(std::uint64_t lngSeed)
{
    Seed(lngSeed);
}

void clsTRandom::Seed(std::uint64_t lngSeed)
{
    m_seed = lngSeed;
    // SplitMix spreads any seed, 0 included, over the whole state, which must not be all zero.
    std::uint64_t x = lngSeed;
    for (auto& s : m_s) {
        s = SplitMix(x);
    }
}

void clsTRandom::SeedFromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    Seed(static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}
