#pragma once
// The program's one uniform random generator. The engine frame owns it for the document's
// lifetime and hands it to every engine of a run; a fixed seed makes runs reproducible.

#include <array>
#include <cstdint>

class clsTRandom
{
public:
    // Seeded from the clock.
    clsTRandom();
    explicit clsTRandom(std::uint64_t lngSeed);

    void Seed(std::uint64_t lngSeed);
    void SeedFromClock();
    std::uint64_t SeedValue() const { return m_seed; }

    // Uniform in [0, 1), 53 random bits.
    double Next() { return static_cast<double>(Bits() >> 11) * 0x1.0p-53; }

    // The whole part of Next() * lngCount, for lngCount >= 1. Clamped because a product that
    // rounds up to lngCount would index one past the end.
    std::int32_t NextIndex(std::int32_t lngCount)
    {
        const auto k = static_cast<std::int32_t>(Next() * lngCount);
        return k < lngCount ? k : lngCount - 1;
    }

private:
    // xoshiro256**: fast enough for millions of draws a second in the trial search.
    std::uint64_t Bits()
    {
        const std::uint64_t result = Rotl(m_s[1] * 5, 7) * 9;
        const std::uint64_t t = m_s[1] << 17;
        m_s[2] ^= m_s[0];
        m_s[3] ^= m_s[1];
        m_s[1] ^= m_s[2];
        m_s[0] ^= m_s[3];
        m_s[2] ^= t;
        m_s[3] = Rotl(m_s[3], 45);
        return result;
    }
    static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    std::array<std::uint64_t, 4> m_s{};
    std::uint64_t m_seed = 0;
};
