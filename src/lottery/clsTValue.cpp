#include "lottery/clsTValue.h"

#include "lottery/clsTNumber.h"
#include "lottery/clsToto.h"

#include <stdexcept>

namespace {

constexpr std::int32_t kLowSpan = 2187; // 3^7: matches 1..7
constexpr std::int32_t kHighSpan = 729; // 3^6: matches 8..13
// The estimator shares its work among the results that agree on matches 1..10 (3^10 groups of
// 27), so a slice of the tables takes whole groups: every code of matches 11..13 of a range
// of groups.
constexpr std::int32_t kGroupSpan = 59049;  // 3^10
constexpr std::int32_t kSliceGroups = 6561; // nine slices
constexpr std::size_t kSliceSize = 27 * kSliceGroups;
// Work between two event calls when a pump is set: each takes a few milliseconds.
constexpr std::size_t kEVChunk = 8192;
constexpr std::size_t kSetChunk = 4096;
constexpr std::int32_t kSumChunk = 81; // blocks of matches 1..7

void RequireNo(std::int32_t lngNo)
{
    if (!clsTNumber::IsValidNo(lngNo)) {
        throw clsTNumber::NoOutOfRange();
    }
}

// Offsets from a single to its neighbours: for each match the two other codes, as the
// difference of the ticket numbers.
struct Neighbours
{
    std::array<std::array<std::int32_t, 2>, clsToto::kMatchCount> d;

    explicit Neighbours(std::int32_t lngNo)
    {
        std::int32_t x = lngNo;
        for (int m = 0; m < clsToto::kMatchCount; ++m) {
            const std::int32_t c = x % 3;
            x /= 3;
            int n = 0;
            for (std::int32_t a = 0; a < 3; ++a) {
                if (a != c) {
                    d[m][n++] = (a - c) * clsTNumber::P[m];
                }
            }
        }
    }
};

// For every number v of the codes of matches intFrom..intTo-1, the product of their
// probabilities, in match order.
void HalfProducts(const std::array<std::array<double, 3>, clsToto::kMatchCount>& p, int intFrom,
                  int intTo, std::vector<double>& out)
{
    for (std::size_t v = 0; v < out.size(); ++v) {
        double prod = 1.0;
        std::size_t x = v;
        for (int m = intFrom; m < intTo; ++m, x /= 3) {
            prod *= p[m][x % 3];
        }
        out[v] = prod;
    }
}

} // namespace

clsTValue::clsTValue(clsIMessage& message)
    : m_err(message, "clsTValue")
    , m_money(message)
    , m_low(kLowSpan, 0.0)
    , m_high(kHighSpan, 0.0)
{}

bool clsTValue::SetProbability(const ProbabilityRecord& prob)
{
    const std::string fault = prob.Check();
    if (!fault.empty()) {
        m_err.Report("SetProbability", fault);
        return false;
    }
    for (int m = 0; m < clsToto::kMatchCount; ++m) {
        for (int k = 0; k < 3; ++k) {
            m_p[m][k] = prob.Value[k][m] / static_cast<double>(ProbabilityRecord::Total);
        }
    }
    // Each half multiplied in match order, as the whole product would be.
    HalfProducts(m_p, 0, 7, m_low);
    HalfProducts(m_p, 7, clsToto::kMatchCount, m_high);
    m_prepared = false;
    return true;
}

bool clsTValue::SetVote(const VoteRecord& vote)
{
    m_prepared = false;
    m_maxGrade = clsToto::GetMaxGrade(vote.Kaisaikai);
    return m_money.SetVote(vote);
}

double clsTValue::GetP(std::int32_t lngNo) const
{
    if (!clsTNumber::IsValidNo(lngNo)) {
        m_err.ReportException("GetP", clsTNumber::NoOutOfRange());
        return 0.0;
    }
    return m_low[lngNo % kLowSpan] * m_high[lngNo / kLowSpan];
}

bool clsTValue::GetPList(std::span<const std::int32_t> lngSingle, std::span<double> dblOut) const
{
    try {
        if (dblOut.size() < lngSingle.size()) {
            throw std::out_of_range("result list shorter than the ticket list");
        }
        for (std::size_t i = 0; i < lngSingle.size(); ++i) {
            const std::int32_t s = lngSingle[i];
            RequireNo(s);
            dblOut[i] = m_low[s % kLowSpan] * m_high[s / kLowSpan];
        }
        return true;
    } catch (const std::exception& e) {
        m_err.ReportException("GetPList", e);
        return false;
    }
}

void clsTValue::Pump() const
{
    if (m_pump != nullptr) {
        m_pump->DoEvents();
    }
}

bool clsTValue::Prepare()
{
    try {
        PrepareTables();
        return true;
    } catch (const std::exception& e) {
        m_err.ReportException("Prepare", e);
        return false;
    }
}

void clsTValue::PrepareTables()
{
    if (m_prepared) {
        return;
    }
    // The estimates of every result once, in ascending order (the estimator's fastest list);
    // every EV then only reads them. A grade the round does not pay has no table.
    const auto n = static_cast<std::size_t>(clsTNumber::SingleCount);
    const bool grade3 = m_maxGrade >= 3;
    // Left unset and written slice by slice: touching 38 MB at once costs a first-touch
    // pause longer than the slices themselves.
    if (!m_w1) {
        m_w1 = std::make_unique_for_overwrite<double[]>(n);
        m_w2 = std::make_unique_for_overwrite<double[]>(n);
    }
    if (grade3 && !m_w3) {
        m_w3 = std::make_unique_for_overwrite<double[]>(n);
    }
    m_grade3 = grade3;
    std::vector<std::int32_t> slice(kSliceSize);
    std::vector<Currency> m1(kSliceSize);
    std::vector<Currency> m2(kSliceSize);
    std::vector<Currency> m3(grade3 ? kSliceSize : 0);
    for (std::int32_t g0 = 0; g0 < kGroupSpan; g0 += kSliceGroups) {
        // Ascending, as the estimator's fastest path wants.
        std::size_t len = 0;
        for (std::int32_t k = 0; k < 27; ++k) {
            for (std::int32_t g = g0; g < g0 + kSliceGroups; ++g) {
                slice[len++] = g + k * kGroupSpan;
            }
        }
        if (!m_money.GetMoneyList(slice, m1, m2,
                                  grade3 ? std::span<Currency>(m3) : std::span<Currency>())) {
            throw std::runtime_error("payout estimates failed");
        }
        for (std::size_t i = 0; i < len; ++i) {
            const auto s = static_cast<std::size_t>(slice[i]);
            const double p = m_low[s % kLowSpan] * m_high[s / kLowSpan];
            m_w1[s] = p * m1[i].ToDouble();
            m_w2[s] = p * m2[i].ToDouble();
            if (grade3) {
                m_w3[s] = p * m3[i].ToDouble();
            }
        }
        Pump();
    }
    m_prepared = true;
}

double clsTValue::EVOf(std::int32_t lngNo) const
{
    const Neighbours nb(lngNo);
    const double* w2 = m_w2.get() + lngNo;
    double ev2 = 0.0;
    for (int m = 0; m < clsToto::kMatchCount; ++m) {
        ev2 += w2[nb.d[m][0]] + w2[nb.d[m][1]];
    }
    double ev3 = 0.0;
    if (m_grade3) {
        const double* w3 = m_w3.get() + lngNo;
        for (int i = 0; i < clsToto::kMatchCount - 1; ++i) {
            for (int j = i + 1; j < clsToto::kMatchCount; ++j) {
                for (const std::int32_t a : nb.d[i]) {
                    ev3 += w3[a + nb.d[j][0]] + w3[a + nb.d[j][1]];
                }
            }
        }
    }
    return m_w1[static_cast<std::size_t>(lngNo)] + ev2 + ev3;
}

double clsTValue::GetEV(std::int32_t lngNo)
{
    try {
        RequireNo(lngNo);
        PrepareTables();
        return EVOf(lngNo);
    } catch (const std::exception& e) {
        m_err.ReportException("GetEV", e);
        return 0.0;
    }
}

bool clsTValue::GetEVList(std::span<const std::int32_t> lngSingle, std::span<double> dblOut)
{
    try {
        if (dblOut.size() < lngSingle.size()) {
            throw std::out_of_range("result list shorter than the ticket list");
        }
        for (const std::int32_t s : lngSingle) {
            RequireNo(s);
        }
        PrepareTables();
        for (std::size_t i = 0; i < lngSingle.size(); ++i) {
            dblOut[i] = EVOf(lngSingle[i]);
            if ((i + 1) % kEVChunk == 0) {
                Pump();
            }
        }
        return true;
    } catch (const std::exception& e) {
        m_err.ReportException("GetEVList", e);
        return false;
    }
}

bool clsTValue::GetSetValue(std::span<const std::int32_t> lngSingle, SetValue& value)
{
    try {
        for (const std::int32_t s : lngSingle) {
            RequireNo(s);
        }
        PrepareTables();
        // Nearest distance of every result to the set, as flags in one byte per result.
        constexpr std::uint8_t kHit1 = 1;
        constexpr std::uint8_t kHit2 = 2;
        constexpr std::uint8_t kHit3 = 4;
        std::vector<std::uint8_t> hit(static_cast<std::size_t>(clsTNumber::SingleCount), 0);
        SetValue v;
        for (std::size_t k = 0; k < lngSingle.size(); ++k) {
            const std::int32_t s = lngSingle[k];
            if ((k + 1) % kSetChunk == 0) {
                Pump();
            }
            v.EV += EVOf(s);
            std::uint8_t* h = hit.data() + s;
            h[0] |= kHit1;
            const Neighbours nb(s);
            for (int i = 0; i < clsToto::kMatchCount; ++i) {
                h[nb.d[i][0]] |= kHit2;
                h[nb.d[i][1]] |= kHit2;
                for (int j = i + 1; j < clsToto::kMatchCount; ++j) {
                    for (const std::int32_t a : nb.d[i]) {
                        h[a + nb.d[j][0]] |= kHit3;
                        h[a + nb.d[j][1]] |= kHit3;
                    }
                }
            }
        }
        // Summed a block of matches 1..7 at a time: one high factor per block.
        for (std::int32_t hi = 0; hi < kHighSpan; ++hi) {
            double s1 = 0.0;
            double s2 = 0.0;
            double s3 = 0.0;
            const std::uint8_t* h = hit.data() + static_cast<std::size_t>(hi) * kLowSpan;
            for (std::int32_t lo = 0; lo < kLowSpan; ++lo) {
                const std::uint8_t f = h[lo];
                if (f == 0) {
                    continue;
                }
                const double p = m_low[lo];
                s1 += (f & kHit1) != 0 ? p : 0.0;
                s2 += (f & (kHit1 | kHit2)) != 0 ? p : 0.0;
                s3 += p;
            }
            const double high = m_high[hi];
            v.Grade1 += s1 * high;
            v.Grade2 += s2 * high;
            v.Within2 += s3 * high;
            if ((hi + 1) % kSumChunk == 0) {
                Pump();
            }
        }
        v.Grade3 = m_maxGrade >= 3 ? v.Within2 : v.Grade2;
        v.Cost = Currency::FromInt(static_cast<std::int64_t>(lngSingle.size()) * 100);
        value = v;
        return true;
    } catch (const std::exception& e) {
        m_err.ReportException("GetSetValue", e);
        return false;
    }
}
