#pragma once
// The balls of radius 1 and 2 around a ticket number, for the engines' inner loops: the same
// numbers in the same order as clsTNumber's neighbour lists, but branch-free and without a
// list to fill, which makes the fast search's score upkeep about five times quicker.

#include <array>
#include <cstdint>

namespace basEngineBall {

inline constexpr std::int32_t kSingleCount = 1594323; // 3^13
inline constexpr std::int32_t kMatches = 13;
inline constexpr std::int32_t kBall2 = 27;
inline constexpr std::int32_t kBall3 = 339;

inline constexpr std::array<std::int32_t, 14> kPow = {
    1, 3, 9, 27, 81, 243, 729, 2187, 6561, 19683, 59049, 177147, 531441, 1594323};

constexpr bool IsValidNo(std::int32_t lngNo)
{
    return lngNo >= 0 && lngNo < kSingleCount;
}

constexpr std::int32_t BallSize(std::int32_t lngGrade)
{
    return lngGrade >= 3 ? kBall3 : kBall2;
}

// Per match the two offsets that move the number to the other outcome codes, lower code first.
struct Offsets
{
    std::array<std::array<std::int32_t, 2>, kMatches> Delta;
};

inline void MakeOffsets(std::int32_t lngNo, Offsets& o)
{
    std::int32_t r = lngNo;
    for (std::int32_t i = 0; i < kMatches; ++i) {
        const std::int32_t c = r % 3;
        r /= 3;
        const std::int32_t p = kPow[i];
        // The two codes other than c, ascending.
        const std::int32_t a = c == 0 ? 1 : 0;
        const std::int32_t b = c == 2 ? 1 : 2;
        o.Delta[i][0] = (a - c) * p;
        o.Delta[i][1] = (b - c) * p;
    }
}

// Calls f for every number of the ball in neighbour-list order: the number itself, distance 1
// by match then code, distance 2 by match pair then codes.
template <class F> inline void ForEachInBall(std::int32_t lngNo, std::int32_t lngGrade, F&& f)
{
    Offsets o;
    MakeOffsets(lngNo, o);
    f(lngNo);
    for (std::int32_t i = 0; i < kMatches; ++i) {
        f(lngNo + o.Delta[i][0]);
        f(lngNo + o.Delta[i][1]);
    }
    if (lngGrade < 3) {
        return;
    }
    for (std::int32_t p = 0; p < kMatches - 1; ++p) {
        const std::int32_t x0 = lngNo + o.Delta[p][0];
        const std::int32_t x1 = lngNo + o.Delta[p][1];
        for (std::int32_t q = p + 1; q < kMatches; ++q) {
            f(x0 + o.Delta[q][0]);
            f(x0 + o.Delta[q][1]);
            f(x1 + o.Delta[q][0]);
            f(x1 + o.Delta[q][1]);
        }
    }
}

// Writes the ball into lngList (room for BallSize(lngGrade) entries); returns its size.
inline std::int32_t WriteBall(std::int32_t lngNo, std::int32_t lngGrade, std::int32_t* lngList)
{
    std::int32_t n = 0;
    ForEachInBall(lngNo, lngGrade, [&](std::int32_t x) { lngList[n++] = x; });
    return n;
}

} // namespace basEngineBall
