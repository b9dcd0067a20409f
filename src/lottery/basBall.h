#pragma once
// The balls of radius 1 and 2 around a ticket number, for the inner loops of the engines and of
// the winning counts: the same numbers in the same order as clsTNumber's neighbour lists, but
// branch-free and without a list to fill, which makes the fast search's score upkeep about
// five times quicker.

#include "lottery/clsTNumber.h"
#include "lottery/clsToto.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace basBall {

inline constexpr std::int32_t kSingleCount = clsTNumber::SingleCount;
inline constexpr std::int32_t kBall2 = 27;
inline constexpr std::int32_t kBall3 = 339;

inline constexpr std::array<std::int32_t, clsToto::kMatchCount + 1> kPow = clsTNumber::P;

constexpr bool IsValidNo(std::int32_t lngNo)
{
    return clsTNumber::IsValidNo(lngNo);
}

constexpr std::int32_t BallSize(std::int32_t lngGrade)
{
    return lngGrade >= 3 ? kBall3 : kBall2;
}

// Per match the two offsets that move the number to the other outcome codes, lower code first.
struct Offsets
{
    std::array<std::array<std::int32_t, 2>, clsToto::kMatchCount> Delta;
};

inline void MakeOffsets(std::int32_t lngNo, Offsets& o)
{
    std::int32_t r = lngNo;
    for (std::int32_t i = 0; i < clsToto::kMatchCount; ++i) {
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
    for (std::int32_t i = 0; i < clsToto::kMatchCount; ++i) {
        f(lngNo + o.Delta[i][0]);
        f(lngNo + o.Delta[i][1]);
    }
    if (lngGrade < 3) {
        return;
    }
    for (std::int32_t p = 0; p < clsToto::kMatchCount - 1; ++p) {
        const std::int32_t x0 = lngNo + o.Delta[p][0];
        const std::int32_t x1 = lngNo + o.Delta[p][1];
        for (std::int32_t q = p + 1; q < clsToto::kMatchCount; ++q) {
            f(x0 + o.Delta[q][0]);
            f(x0 + o.Delta[q][1]);
            f(x1 + o.Delta[q][0]);
            f(x1 + o.Delta[q][1]);
        }
    }
}

// Offsets by match and outcome code, so a ball whose centre's digits are known needs no
// division: kDelta[i][c] moves code c of match i to the two other codes, lower first.
inline constexpr auto kDelta = [] {
    std::array<std::array<std::array<std::int32_t, 2>, 3>, clsToto::kMatchCount> t{};
    for (std::int32_t i = 0; i < clsToto::kMatchCount; ++i) {
        for (std::int32_t c = 0; c < 3; ++c) {
            const std::int32_t a = c == 0 ? 1 : 0;
            const std::int32_t b = c == 2 ? 1 : 2;
            t[i][c][0] = (a - c) * kPow[i];
            t[i][c][1] = (b - c) * kPow[i];
        }
    }
    return t;
}();

using Digits = std::array<std::uint8_t, clsToto::kMatchCount>;

inline void MakeDigits(std::int32_t lngNo, Digits& d)
{
    for (std::int32_t i = 0; i < clsToto::kMatchCount; ++i) {
        d[i] = static_cast<std::uint8_t>(lngNo % 3);
        lngNo /= 3;
    }
}

// As ForEachInBall, for a centre whose digits are given; f also gets each member's digits,
// patched from the centre's, so a walk of the members' own balls needs no division either.
template <class F>
inline void ForEachInBallOfDigits(std::int32_t lngNo, const Digits& d, std::int32_t lngGrade, F&& f)
{
    f(lngNo, d);
    for (std::int32_t i = 0; i < clsToto::kMatchCount; ++i) {
        const std::uint8_t c = d[i];
        const std::uint8_t a = c == 0 ? 1 : 0;
        const std::uint8_t b = c == 2 ? 1 : 2;
        Digits e = d;
        e[i] = a;
        f(lngNo + kDelta[i][c][0], e);
        e[i] = b;
        f(lngNo + kDelta[i][c][1], e);
    }
    if (lngGrade < 3) {
        return;
    }
    for (std::int32_t p = 0; p < clsToto::kMatchCount - 1; ++p) {
        const std::uint8_t cp = d[p];
        const std::int32_t x0 = lngNo + kDelta[p][cp][0];
        const std::int32_t x1 = lngNo + kDelta[p][cp][1];
        Digits e0 = d;
        Digits e1 = d;
        e0[p] = cp == 0 ? 1 : 0;
        e1[p] = cp == 2 ? 1 : 2;
        for (std::int32_t q = p + 1; q < clsToto::kMatchCount; ++q) {
            const std::uint8_t cq = d[q];
            const std::uint8_t a = cq == 0 ? 1 : 0;
            const std::uint8_t b = cq == 2 ? 1 : 2;
            e0[q] = a;
            e1[q] = a;
            f(x0 + kDelta[q][cq][0], e0);
            e0[q] = b;
            f(x0 + kDelta[q][cq][1], e0);
            f(x1 + kDelta[q][cq][0], e1);
            e1[q] = b;
            f(x1 + kDelta[q][cq][1], e1);
            e0[q] = cq;
            e1[q] = cq;
        }
    }
}

// Only the members, from the digits: the inner walk of the fast search's score upkeep.
template <class F>
inline void ForEachNoInBallOfDigits(std::int32_t lngNo, const Digits& d, std::int32_t lngGrade,
                                    F&& f)
{
    f(lngNo);
    for (std::int32_t i = 0; i < clsToto::kMatchCount; ++i) {
        f(lngNo + kDelta[i][d[i]][0]);
        f(lngNo + kDelta[i][d[i]][1]);
    }
    if (lngGrade < 3) {
        return;
    }
    for (std::int32_t p = 0; p < clsToto::kMatchCount - 1; ++p) {
        const std::int32_t x0 = lngNo + kDelta[p][d[p]][0];
        const std::int32_t x1 = lngNo + kDelta[p][d[p]][1];
        for (std::int32_t q = p + 1; q < clsToto::kMatchCount; ++q) {
            const std::int32_t o0 = kDelta[q][d[q]][0];
            const std::int32_t o1 = kDelta[q][d[q]][1];
            f(x0 + o0);
            f(x0 + o1);
            f(x1 + o0);
            f(x1 + o1);
        }
    }
}

// The offsets of a number's 26 neighbours at distance 1 as pointer differences, two per match,
// lower code first: with them a walk of the ball costs one offset load per member.
using BallOffsets = std::array<std::ptrdiff_t, 2 * clsToto::kMatchCount>;

// kStep[i][c]: the two offsets of match i from code c.
inline constexpr auto kStep = [] {
    std::array<std::array<std::array<std::ptrdiff_t, 2>, 3>, clsToto::kMatchCount> t{};
    for (std::size_t i = 0; i < t.size(); ++i) {
        for (std::size_t c = 0; c < 3; ++c) {
            t[i][c][0] = kDelta[i][c][0];
            t[i][c][1] = kDelta[i][c][1];
        }
    }
    return t;
}();

inline void MakeBallOffsets(const Digits& d, BallOffsets& o)
{
    for (std::size_t i = 0; i < clsToto::kMatchCount; ++i) {
        o[2 * i] = kStep[i][d[i]][0];
        o[2 * i + 1] = kStep[i][d[i]][1];
    }
}

// The codes a neighbour takes at a match whose code is c: kOther[c][0] lower, kOther[c][1] higher.
inline constexpr std::array<std::array<std::uint8_t, 2>, 3> kOther{{{1, 2}, {0, 2}, {0, 1}}};

// Calls f(p, distance) for every element of the ball around pCentre (an element of a table
// indexed by ticket number) whose neighbour offsets are o: the centre (0), distance 1, then
// distance 2. The distance is a constant at each call, so f's use of it costs nothing.
template <class T, class F>
inline void ForEachOfBall(T* pCentre, const BallOffsets& o, std::int32_t lngGrade, F&& f)
{
    f(pCentre, 0);
#pragma GCC unroll 26
    for (std::size_t k = 0; k < o.size(); ++k) {
        f(pCentre + o[k], 1);
    }
    if (lngGrade < 3) {
        return;
    }
    for (std::size_t p = 0; p + 1 < clsToto::kMatchCount; ++p) {
        T* const x0 = pCentre + o[2 * p];
        T* const x1 = pCentre + o[2 * p + 1];
        for (std::size_t q = 2 * p + 2; q < o.size(); q += 2) {
            f(x0 + o[q], 2);
            f(x0 + o[q + 1], 2);
            f(x1 + o[q], 2);
            f(x1 + o[q + 1], 2);
        }
    }
}

// As ForEachOfBall, but f also gets the member's own offsets (patched from the centre's, in a
// buffer valid during the call), so f can walk the member's ball in turn.
template <class T, class F>
inline void ForEachOfBallWithOffsets(T* pCentre, const Digits& d, std::int32_t lngGrade, F&& f)
{
    BallOffsets o;
    MakeBallOffsets(d, o);
    f(pCentre, static_cast<const BallOffsets&>(o));
    for (std::size_t i = 0; i < clsToto::kMatchCount; ++i) {
        const std::ptrdiff_t s0 = o[2 * i];
        const std::ptrdiff_t s1 = o[2 * i + 1];
        for (std::size_t a = 0; a < 2; ++a) {
            const auto& own = kStep[i][kOther[d[i]][a]];
            o[2 * i] = own[0];
            o[2 * i + 1] = own[1];
            f(pCentre + (a == 0 ? s0 : s1), static_cast<const BallOffsets&>(o));
        }
        o[2 * i] = s0;
        o[2 * i + 1] = s1;
    }
    if (lngGrade < 3) {
        return;
    }
    for (std::size_t p = 0; p + 1 < clsToto::kMatchCount; ++p) {
        const std::ptrdiff_t sp0 = o[2 * p];
        const std::ptrdiff_t sp1 = o[2 * p + 1];
        for (std::size_t a = 0; a < 2; ++a) {
            T* const xp = pCentre + (a == 0 ? sp0 : sp1);
            const auto& ownP = kStep[p][kOther[d[p]][a]];
            o[2 * p] = ownP[0];
            o[2 * p + 1] = ownP[1];
            for (std::size_t q = p + 1; q < clsToto::kMatchCount; ++q) {
                const std::ptrdiff_t sq0 = o[2 * q];
                const std::ptrdiff_t sq1 = o[2 * q + 1];
                for (std::size_t b = 0; b < 2; ++b) {
                    const auto& ownQ = kStep[q][kOther[d[q]][b]];
                    o[2 * q] = ownQ[0];
                    o[2 * q + 1] = ownQ[1];
                    f(xp + (b == 0 ? sq0 : sq1), static_cast<const BallOffsets&>(o));
                }
                o[2 * q] = sq0;
                o[2 * q + 1] = sq1;
            }
        }
        o[2 * p] = sp0;
        o[2 * p + 1] = sp1;
    }
}

// Writes the ball into lngList (room for BallSize(lngGrade) entries); returns its size.
inline std::int32_t WriteBall(std::int32_t lngNo, std::int32_t lngGrade, std::int32_t* lngList)
{
    std::int32_t n = 0;
    ForEachInBall(lngNo, lngGrade, [&](std::int32_t x) { lngList[n++] = x; });
    return n;
}

} // namespace basBall
