#include "lottery/clsTMoney.h"

#include "lottery/clsTNumber.h"
#include "lottery/clsToto.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <vector>

namespace {

constexpr int kPairs = 78;

// Index of the pair (i, j), i < j, in the order (0,1), (0,2), ..., (0,12), (1,2), ...
constexpr std::array<std::array<int, clsToto::kMatchCount>, clsToto::kMatchCount> kPairIndex = [] {
    std::array<std::array<int, clsToto::kMatchCount>, clsToto::kMatchCount> a{};
    int n = 0;
    for (int i = 0; i < clsToto::kMatchCount; ++i) {
        for (int j = i + 1; j < clsToto::kMatchCount; ++j) {
            a[i][j] = n++;
        }
    }
    return a;
}();

// Partial products after the first k matches: with no miss, one miss at i, two misses at i < j.
// The products are built one match at a time, left to right, so each equals the prefix of the
// full product formed in match order.
struct Prefix
{
    double p0;
    std::array<double, clsToto::kMatchCount> p1;
    std::array<double, kPairs> p2;
};

// Packed IEEE arithmetic rounds every lane exactly as the scalar form does.
using V2 = double __attribute__((vector_size(16)));

// Extends the prefix of matches 0..m-1 by match m. kGrade: the highest grade wanted; the
// products that only a lower grade's divisor needs are left alone.
template <int kGrade> inline void Extend(const Prefix& in, Prefix& out, int m, double r, double q)
{
    if constexpr (kGrade >= 3) {
        // Row i holds the pairs (i, i+1) .. (i, m) one after the other; two products at a time.
        const V2 rr = {r, r};
        for (int i = 0; i < m; ++i) {
            const int x0 = kPairIndex[i][i + 1];
            const int len = m - 1 - i;
            const double* src = in.p2.data() + x0;
            double* dst = out.p2.data() + x0;
            int j = 0;
            for (; j + 1 < len; j += 2) {
                V2 v;
                std::memcpy(&v, src + j, sizeof v);
                v *= rr;
                std::memcpy(dst + j, &v, sizeof v);
            }
            if (j < len) {
                dst[j] = src[j] * r;
            }
            dst[len] = in.p1[i] * q;
        }
    }
    if constexpr (kGrade >= 2) {
        for (int i = 0; i < m; ++i) {
            out.p1[i] = in.p1[i] * r;
        }
        out.p1[m] = in.p0 * q;
    }
    out.p0 = in.p0 * r;
}

struct Divisors
{
    double d1;
    double d2;
    double d3;
};

// The last match, with the prefix of the first twelve.
inline Divisors Finish(const Prefix& s, double r, double q)
{
    constexpr int last = clsToto::kMatchCount - 1;
    Divisors d;
    d.d1 = s.p0 * r;
    double sum = 0.0;
    for (int i = 0; i < last; ++i) {
        sum += s.p1[i] * r;
    }
    sum += s.p0 * q;
    d.d2 = sum;
    sum = 0.0;
    for (int i = 0; i < last; ++i) {
        for (int j = i + 1; j < last; ++j) {
            sum += s.p2[kPairIndex[i][j]] * r;
        }
        sum += s.p1[i] * q;
    }
    d.d3 = sum;
    return d;
}

// Finish for the three codes of the last match at once: three independent sums per divisor
// instead of one long chain of dependent additions. Each lane adds its terms in the same order
// as Finish.
template <int kGrade>
inline void Finish3(const Prefix& s, const std::array<double, 3>& r, const std::array<double, 3>& q,
                    std::array<Divisors, 3>& out)
{
    // Codes 0 and 1 share packed operations, code 2 runs beside them.
    constexpr int last = clsToto::kMatchCount - 1;
    const V2 r01 = {r[0], r[1]};
    const V2 q01 = {q[0], q[1]};
    V2 a01 = {0.0, 0.0};
    double a2 = 0.0;
    V2 b01 = {0.0, 0.0};
    double b2 = 0.0;
    if constexpr (kGrade >= 2) {
        for (int i = 0; i < last; ++i) {
            const double p = s.p1[i];
            a01 += p * r01;
            a2 += p * r[2];
        }
        a01 += s.p0 * q01;
        a2 += s.p0 * q[2];
    }
    if constexpr (kGrade >= 3) {
        for (int i = 0; i < last; ++i) {
            // The pairs (i, i+1) .. (i, last-1) are consecutive in the table.
            const double* row = s.p2.data() + kPairIndex[i][i + 1];
            for (int j = 0; j < last - 1 - i; ++j) {
                const double p = row[j];
                b01 += p * r01;
                b2 += p * r[2];
            }
            b01 += s.p1[i] * q01;
            b2 += s.p1[i] * q[2];
        }
    }
    out[0] = {s.p0 * r[0], a01[0], b01[0]};
    out[1] = {s.p0 * r[1], a01[1], b01[1]};
    out[2] = {s.p0 * r[2], a2, b2};
}

// Finish3 for the three prefixes that differ only in the code of match 12: nine sums per
// divisor side by side, so the adder is kept busy instead of waiting on one chain of 78.
// Lanes, as (code of match 12, code of match 13): (a, 0|1) for a = 0..2, (0|1, 2), (2, 2).
inline void Finish9(const std::array<Prefix, 3>& s, const std::array<double, 3>& r,
                    const std::array<double, 3>& q, std::array<std::array<Divisors, 3>, 3>& out)
{
    constexpr int last = clsToto::kMatchCount - 1;
    const V2 r01 = {r[0], r[1]};
    const V2 q01 = {q[0], q[1]};
    const V2 r22 = {r[2], r[2]};
    const V2 q22 = {q[2], q[2]};
    V2 a0 = {0.0, 0.0};
    V2 a1 = {0.0, 0.0};
    V2 a2 = {0.0, 0.0};
    V2 ax = {0.0, 0.0};
    double ay = 0.0;
    for (int i = 0; i < last; ++i) {
        const double p0 = s[0].p1[i];
        const double p1 = s[1].p1[i];
        const double p2 = s[2].p1[i];
        a0 += p0 * r01;
        a1 += p1 * r01;
        a2 += p2 * r01;
        ax += V2{p0, p1} * r22;
        ay += p2 * r[2];
    }
    a0 += s[0].p0 * q01;
    a1 += s[1].p0 * q01;
    a2 += s[2].p0 * q01;
    ax += V2{s[0].p0, s[1].p0} * q22;
    ay += s[2].p0 * q[2];
    V2 b0 = {0.0, 0.0};
    V2 b1 = {0.0, 0.0};
    V2 b2 = {0.0, 0.0};
    V2 bx = {0.0, 0.0};
    double by = 0.0;
    for (int i = 0; i < last; ++i) {
        const int x0 = kPairIndex[i][i + 1];
        for (int j = 0; j < last - 1 - i; ++j) {
            const double p0 = s[0].p2[x0 + j];
            const double p1 = s[1].p2[x0 + j];
            const double p2 = s[2].p2[x0 + j];
            b0 += p0 * r01;
            b1 += p1 * r01;
            b2 += p2 * r01;
            bx += V2{p0, p1} * r22;
            by += p2 * r[2];
        }
        const double p0 = s[0].p1[i];
        const double p1 = s[1].p1[i];
        const double p2 = s[2].p1[i];
        b0 += p0 * q01;
        b1 += p1 * q01;
        b2 += p2 * q01;
        bx += V2{p0, p1} * q22;
        by += p2 * q[2];
    }
    const std::array<V2, 3> a = {a0, a1, a2};
    const std::array<V2, 3> b = {b0, b1, b2};
    for (int k = 0; k < 3; ++k) {
        out[k][0] = {s[k].p0 * r[0], a[k][0], b[k][0]};
        out[k][1] = {s[k].p0 * r[1], a[k][1], b[k][1]};
    }
    out[0][2] = {s[0].p0 * r[2], ax[0], bx[0]};
    out[1][2] = {s[1].p0 * r[2], ax[1], bx[1]};
    out[2][2] = {s[2].p0 * r[2], ay, by};
}

using Table = std::array<std::array<double, 3>, clsToto::kMatchCount>;
using MatchCodes = std::array<std::int32_t, clsToto::kMatchCount>;
using Stack = std::array<Prefix, clsToto::kMatchCount>;
using Last = std::array<std::array<Divisors, 3>, 3>;

// Codes no single has, so that the first single extends every prefix.
constexpr MatchCodes kNoCodes = [] {
    MatchCodes c{};
    c.fill(-1);
    return c;
}();

// Brings st[1..n] to the codes of cur, reusing the prefixes of the matches cur shares with
// prev from the start.
template <int kGrade>
inline void ExtendChanged(Stack& st, const MatchCodes& cur, const MatchCodes& prev, int n,
                          const Table& rate, const Table& miss)
{
    int f = 0;
    while (f < n && cur[f] == prev[f]) {
        ++f;
    }
    for (int m = f; m < n; ++m) {
        Extend<kGrade>(st[m], st[m + 1], m, rate[m][cur[m]], miss[m][cur[m]]);
    }
}

// The divisors of the three codes of match 13 after the prefix s of eleven matches and the
// code c12 of match 12; work holds the twelve-match prefix.
template <int kGrade>
inline void FinishOne(const Prefix& s, Prefix& work, int c12, const Table& rate, const Table& miss,
                      std::array<Divisors, 3>& out)
{
    constexpr int m = clsToto::kMatchCount - 2;
    Extend<kGrade>(s, work, m, rate[m][c12], miss[m][c12]);
    Finish3<kGrade>(work, rate[m + 1], miss[m + 1], out);
}

// The divisors of all nine codes of matches 12 and 13 after the prefix s of eleven matches.
template <int kGrade>
inline void FinishAll(const Prefix& s, const Table& rate, const Table& miss, Last& out)
{
    constexpr int m = clsToto::kMatchCount - 2;
    std::array<Prefix, 3> tail;
    for (int k = 0; k < 3; ++k) {
        Extend<kGrade>(s, tail[k], m, rate[m][k], miss[m][k]);
    }
    Finish9(tail, rate[m + 1], miss[m + 1], out);
}

// Whether every number of the list is a ticket number (throws if not), and whether the list
// is ascending.
bool CheckAscending(std::span<const std::int32_t> lngSingle)
{
    const std::size_t n = lngSingle.size();
    bool ascending = true;
    for (std::size_t t = 0; t < n; ++t) {
        if (!clsTNumber::IsValidNo(lngSingle[t])) {
            throw clsTNumber::NoOutOfRange();
        }
        ascending = ascending && (t == 0 || lngSingle[t - 1] <= lngSingle[t]);
    }
    return ascending;
}

// Order of work for an unsorted list: by matches 1..7 as a number (so the results of
// consecutive groups land in the same cache lines of the outputs), and within a group by
// matches 8..13 read from match 8 down, so that neighbours share the longest prefixes of
// products. Each entry is the 21-bit key above the single's position.
constexpr std::uint64_t kLow = 2187; // 3^7
constexpr std::uint64_t kHigh = 729; // 3^6

void Pump(clsIPump* pump)
{
    if (pump != nullptr) {
        pump->DoEvents();
    }
}

void RadixSortKeys(std::vector<std::uint64_t>& order, std::vector<std::uint64_t>& tmp,
                   clsIPump* pump)
{
    // Two passes of 11 bits over the 21-bit key.
    tmp.resize(order.size());
    for (int pass = 0; pass < 2; ++pass) {
        const int shift = 32 + pass * 11;
        std::array<std::size_t, 2049> count{};
        for (std::uint64_t e : order) {
            ++count[((e >> shift) & 2047) + 1];
        }
        for (int b = 0; b < 2048; ++b) {
            count[b + 1] += count[b];
        }
        for (std::uint64_t e : order) {
            tmp[count[(e >> shift) & 2047]++] = e;
        }
        order.swap(tmp);
        Pump(pump);
    }
}

void BuildWorkOrder(std::span<const std::int32_t> lngSingle, std::vector<std::uint64_t>& order,
                    std::vector<std::uint64_t>& tmp, clsIPump* pump)
{
    const std::size_t n = lngSingle.size();
    order.resize(n);
    for (std::size_t t = 0; t < n; ++t) {
        const std::int32_t v = lngSingle[t];
        std::uint64_t hi = static_cast<std::uint64_t>(v) / kLow;
        std::uint64_t revHi = 0;
        for (int m = 0; m < 6; ++m) {
            revHi = revHi * 3 + hi % 3;
            hi /= 3;
        }
        const std::uint64_t key = (static_cast<std::uint64_t>(v) % kLow) * kHigh + revHi;
        order[t] = (key << 32) | t;
    }
    Pump(pump);
    RadixSortKeys(order, tmp, pump);
}

// The codes of a work-order key.
inline MatchCodes KeyCodes(std::uint64_t key)
{
    MatchCodes cur{};
    std::uint64_t lo = key / kHigh;
    std::uint64_t revHi = key % kHigh;
    for (int m = 0; m < 7; ++m) {
        cur[m] = static_cast<std::int32_t>(lo % 3);
        lo /= 3;
    }
    for (int m = clsToto::kMatchCount - 1; m >= 7; --m) {
        cur[m] = static_cast<std::int32_t>(revHi % 3);
        revHi /= 3;
    }
    return cur;
}

// The codes of match 12 among the singles of the group that starts at t, as bits.
inline unsigned GroupCodes12(const std::vector<std::uint64_t>& order, std::size_t t,
                             std::uint64_t group)
{
    unsigned present = 0;
    for (std::size_t u = t; u < order.size() && (order[u] >> 32) / 9 == group && present != 7;
         ++u) {
        present |= 1u << ((order[u] >> 32) / 3 % 3);
    }
    return present;
}

// An ascending list falls into 27 runs by the codes of matches 11..13, each ascending in
// matches 1..10. The singles that agree on matches 1..10 come to the heads of the runs
// together, so walking the runs side by side visits every such group once, with no sort and
// with reads and writes in 27 straight lines.
class AscendingRuns
{
public:
    static constexpr std::int32_t kSpan = 59049; // 3^10
    static constexpr int kRuns = 27;

    explicit AscendingRuns(std::span<const std::int32_t> lngSingle)
        : m_list(lngSingle.data())
    {
        const std::size_t n = lngSingle.size();
        for (int k = 0; k <= kRuns; ++k) {
            m_bound[k] =
                static_cast<std::size_t>(std::lower_bound(m_list, m_list + n, k * kSpan) - m_list);
        }
        for (int k = 0; k < kRuns; ++k) {
            m_head[k] = m_bound[k];
        }
    }

    // Matches 1..10 of the lowest single at a head, as a number; kSpan when all are walked.
    std::int32_t NextGroup() const
    {
        std::int32_t g = kSpan;
        for (int k = 0; k < kRuns; ++k) {
            if (m_head[k] < m_bound[k + 1]) {
                g = std::min(g, m_list[m_head[k]] - k * kSpan);
            }
        }
        return g;
    }

    // Run k holds the codes c10 + 3 * c11 + 9 * c12 of matches 11..13.
    bool AtHead(int k, std::int32_t g) const
    {
        return m_head[k] < m_bound[k + 1] && m_list[m_head[k]] == g + k * kSpan;
    }

    // The codes of match 12 of group g's singles with code c10 of match 11, as bits.
    unsigned Codes12(int c10, std::int32_t g) const
    {
        unsigned present = 0;
        for (int c11 = 0; c11 < 3; ++c11) {
            for (int c12 = 0; c12 < 3; ++c12) {
                if (AtHead(c10 + 3 * c11 + 9 * c12, g)) {
                    present |= 1u << c11;
                }
            }
        }
        return present;
    }

    // Hands the divisors to group g's singles with code c10 of match 11 and moves past them.
    template <class Fn> void Emit(int c10, std::int32_t g, const Last& last, Fn& fn)
    {
        for (int c11 = 0; c11 < 3; ++c11) {
            for (int c12 = 0; c12 < 3; ++c12) {
                const int k = c10 + 3 * c11 + 9 * c12;
                const Divisors& d = last[c11][c12];
                while (AtHead(k, g)) {
                    fn(m_head[k], d.d1, d.d2, d.d3);
                    ++m_head[k];
                }
            }
        }
    }

private:
    const std::int32_t* m_list;
    std::array<std::size_t, kRuns + 1> m_bound{};
    std::array<std::size_t, kRuns> m_head{};
};

} // namespace

clsTMoney::clsTMoney(clsIMessage& message)
    : m_err(message, "clsTMoney")
{}

bool clsTMoney::SetVote(const VoteRecord& vote)
{
    const std::int32_t n = vote.Kaisaikai;
    const Currency base = Currency::FromInt(100) * *Currency::Parse(n < 156 ? "0.47" : "0.50");
    std::array<const char*, 3> share = {"0.5", "0.2", "0.3"};
    if (n >= 261) {
        share = {"0.7", "0.15", "0.15"};
    } else if (n >= 198) {
        share = {"0.8", "0.2", "0"};
    }
    for (int g = 0; g < 3; ++g) {
        m_pool[g] = (base * *Currency::Parse(share[g])).ToDouble() * 1e26;
    }
    for (int m = 0; m < clsToto::kMatchCount; ++m) {
        const auto& v = vote.Match[m].Votes;
        // 64 bits: a sum beyond the 32-bit range must not overflow into a wrong rate; one
        // beyond Currency is reported instead of wrapping into a negative total.
        std::optional<Currency> sum = Currency::CheckedAdd(v[0], v[1]);
        if (sum) {
            sum = Currency::CheckedAdd(*sum, v[2]);
        }
        if (!sum) {
            m_pool = {};
            m_rate = {};
            m_miss = {};
            m_err.ReportError("SetVote",
                              ErrorRecord{"オーバーフローしました。 (" + std::to_string(m + 1) +
                                              "試合目の投票口数の合計: " + v[0].ToString() + " + " +
                                              v[1].ToString() + " + " + v[2].ToString() + ")",
                                          ErrorNumber::Overflow, std::string(kAppTitle)});
            return false;
        }
        const std::int64_t total = sum->ToInt64();
        for (int k = 0; k < 3; ++k) {
            m_rate[m][k] = total != 0 ? v[k].ToDouble() / static_cast<double>(total) * 100.0 : 0.0;
            m_miss[m][k] = 100.0 - m_rate[m][k];
        }
    }
    return true;
}

Currency clsTMoney::ToYen(double dblPool, double dblDivisor)
{
    if (!(dblDivisor > 0.0)) {
        return Currency();
    }
    const double x = dblPool / dblDivisor;
    if (x > static_cast<double>(MaxYen)) {
        return Currency::FromInt(MaxYen);
    }
    // Four decimals, halves to even, then the fraction dropped. Below 2^52, adding and taking
    // away 2^52 rounds to a whole number in the default rounding mode exactly as nearbyint
    // does, without the library call (this runs three times for every single).
    constexpr double two52 = 4503599627370496.0;
    const double scaled = x * static_cast<double>(Currency::Scale);
    const double up = scaled + two52;
    const double rounded = up - two52;
    return Currency::FromInt(static_cast<std::int64_t>(rounded) / Currency::Scale);
}

bool clsTMoney::ReadKousei(std::span<const std::int32_t> lngKousei, const char* strOperation,
                           Codes& codes) const
{
    try {
        if (lngKousei.size() < clsToto::kMatchCount) {
            throw std::out_of_range("composition has fewer than 13 matches");
        }
        for (int m = 0; m < clsToto::kMatchCount; ++m) {
            if (lngKousei[m] < 0 || lngKousei[m] > 2) {
                throw std::out_of_range("outcome code outside 0..2");
            }
            codes[m] = lngKousei[m];
        }
        return true;
    } catch (const std::exception& e) {
        m_err.ReportException(strOperation, e);
        return false;
    }
}

double clsTMoney::Divisor1(const Codes& c) const
{
    double d = 1.0;
    for (int m = 0; m < clsToto::kMatchCount; ++m) {
        d *= m_rate[m][c[m]];
    }
    return d;
}

double clsTMoney::Divisor2(const Codes& c) const
{
    // Prefix products with no miss and with one miss at i, extended match by match.
    double p0 = 1.0;
    std::array<double, clsToto::kMatchCount> p1{};
    for (int m = 0; m < clsToto::kMatchCount; ++m) {
        const double r = m_rate[m][c[m]];
        for (int i = 0; i < m; ++i) {
            p1[i] *= r;
        }
        p1[m] = p0 * m_miss[m][c[m]];
        p0 *= r;
    }
    double d = 0.0;
    for (int i = 0; i < clsToto::kMatchCount; ++i) {
        d += p1[i];
    }
    return d;
}

double clsTMoney::Divisor3(const Codes& c) const
{
    Prefix a{1.0, {}, {}};
    Prefix b;
    for (int m = 0; m < clsToto::kMatchCount - 1; ++m) {
        Extend<3>(a, b, m, m_rate[m][c[m]], m_miss[m][c[m]]);
        a = b;
    }
    return Finish(a, m_rate[12][c[12]], m_miss[12][c[12]]).d3;
}

Currency clsTMoney::GetMoney1(std::span<const std::int32_t> lngKousei) const
{
    Codes c;
    return ReadKousei(lngKousei, "GetMoney1", c) ? ToYen(m_pool[0], Divisor1(c)) : Currency();
}

Currency clsTMoney::GetMoney2(std::span<const std::int32_t> lngKousei) const
{
    Codes c;
    return ReadKousei(lngKousei, "GetMoney2", c) ? ToYen(m_pool[1], Divisor2(c)) : Currency();
}

Currency clsTMoney::GetMoney3(std::span<const std::int32_t> lngKousei) const
{
    Codes c;
    return ReadKousei(lngKousei, "GetMoney3", c) ? ToYen(m_pool[2], Divisor3(c)) : Currency();
}

std::array<double, 3> clsTMoney::GetDivisors(std::span<const std::int32_t> lngKousei) const
{
    Codes c;
    if (!ReadKousei(lngKousei, "GetDivisors", c)) {
        return {0.0, 0.0, 0.0};
    }
    return {Divisor1(c), Divisor2(c), Divisor3(c)};
}

template <int kGrade, class Fn>
void clsTMoney::ForEachAscending(std::span<const std::int32_t> lngSingle, Fn& fn) const
{
    AscendingRuns runs(lngSingle);
    Stack st;
    st[0].p0 = 1.0;
    MatchCodes prev = kNoCodes;
    MatchCodes cur{};
    for (std::int32_t groups = 1;; ++groups) {
        const std::int32_t g = runs.NextGroup();
        if (g == AscendingRuns::kSpan) {
            break;
        }
        if (groups % 2048 == 0) {
            Pump(m_pump);
        }
        std::int32_t x = g;
        for (int m = 0; m < 10; ++m) {
            cur[m] = x % 3;
            x /= 3;
        }
        ExtendChanged<kGrade>(st, cur, prev, 10, m_rate, m_miss);
        prev = cur;
        for (int c10 = 0; c10 < 3; ++c10) {
            const unsigned present = runs.Codes12(c10, g);
            if (present == 0) {
                continue;
            }
            Extend<kGrade>(st[10], st[11], 10, m_rate[10][c10], m_miss[10][c10]);
            Last last{};
            bool nine = false;
            if constexpr (kGrade >= 3) {
                if ((present & (present - 1)) != 0) {
                    FinishAll<kGrade>(st[11], m_rate, m_miss, last);
                    nine = true;
                }
            }
            if (!nine) {
                for (int c11 = 0; c11 < 3; ++c11) {
                    if ((present & (1u << c11)) != 0) {
                        FinishOne<kGrade>(st[11], st[12], c11, m_rate, m_miss, last[c11]);
                    }
                }
            }
            runs.Emit(c10, g, last, fn);
        }
    }
}

template <int kGrade, class Fn>
void clsTMoney::ForEachSingle(std::span<const std::int32_t> lngSingle, Fn fn) const
{
    if (CheckAscending(lngSingle)) {
        ForEachAscending<kGrade>(lngSingle, fn);
        return;
    }
    BuildWorkOrder(lngSingle, m_order, m_sortTmp, m_pump);
    const std::vector<std::uint64_t>& order = m_order;

    // st[k] holds the prefix of the first k matches of the current group (the singles that
    // agree on matches 1..11); the divisors of its up to nine singles are made once per group,
    // for all codes of match 13 together and, when more than one code of match 12 is in the
    // list, for those together as well.
    Stack st;
    st[0].p0 = 1.0;
    Last last{};
    unsigned done12 = 0;
    MatchCodes prev = kNoCodes;
    // Keys are below 3^13, so no group is numbered this.
    std::uint64_t group = ~std::uint64_t{0};
    const std::size_t n = order.size();
    for (std::size_t t = 0; t < n; ++t) {
        const std::size_t pos = static_cast<std::size_t>(order[t] & 0xffffffffu);
        const std::uint64_t key = order[t] >> 32;
        // The key ends in the codes of matches 12 and 13, so key / 9 names the group.
        if (key / 9 != group) {
            group = key / 9;
            const MatchCodes cur = KeyCodes(key);
            ExtendChanged<kGrade>(st, cur, prev, clsToto::kMatchCount - 2, m_rate, m_miss);
            prev = cur;
            done12 = 0;
            if constexpr (kGrade >= 3) {
                const unsigned present = GroupCodes12(order, t, group);
                if ((present & (present - 1)) != 0) {
                    FinishAll<kGrade>(st[clsToto::kMatchCount - 2], m_rate, m_miss, last);
                    done12 = 7;
                }
            }
        }
        const auto c12 = static_cast<int>(key / 3 % 3);
        if ((done12 & (1u << c12)) == 0) {
            FinishOne<kGrade>(st[clsToto::kMatchCount - 2], st[clsToto::kMatchCount - 1], c12,
                              m_rate, m_miss, last[c12]);
            done12 |= 1u << c12;
        }
        const Divisors& d = last[c12][key % 3];
        fn(pos, d.d1, d.d2, d.d3);
        if ((t & 0xffff) == 0xffff) {
            Pump(m_pump);
        }
    }
}

template <class Fn>
void clsTMoney::ForGrades(std::span<const std::int32_t> lngSingle, bool blnGrade2, bool blnGrade3,
                          const Fn& fn) const
{
    // The sums of grade 3 cost most of the time; a list that does not want them skips them.
    if (blnGrade3) {
        ForEachSingle<3>(lngSingle, fn);
    } else if (blnGrade2) {
        ForEachSingle<2>(lngSingle, fn);
    } else {
        ForEachSingle<1>(lngSingle, fn);
    }
}

namespace {

void CheckRoom(std::size_t n, std::initializer_list<std::size_t> sizes)
{
    for (std::size_t s : sizes) {
        if (s != 0 && s < n) {
            throw std::out_of_range("result list shorter than the ticket list");
        }
    }
}

} // namespace

bool clsTMoney::GetMoneyList(std::span<const std::int32_t> lngSingle, std::span<Currency> cur1,
                             std::span<Currency> cur2, std::span<Currency> cur3) const
{
    try {
        CheckRoom(lngSingle.size(), {cur1.size(), cur2.size(), cur3.size()});
        const auto fn = [&](std::size_t pos, double d1, double d2, double d3) {
            if (!cur1.empty()) {
                cur1[pos] = ToYen(m_pool[0], d1);
            }
            if (!cur2.empty()) {
                cur2[pos] = ToYen(m_pool[1], d2);
            }
            if (!cur3.empty()) {
                cur3[pos] = ToYen(m_pool[2], d3);
            }
        };
        ForGrades(lngSingle, !cur2.empty(), !cur3.empty(), fn);
        return true;
    } catch (const std::exception& e) {
        m_err.ReportException("GetMoneyList", e);
        return false;
    }
}

bool clsTMoney::GetDivisorList(std::span<const std::int32_t> lngSingle, std::span<double> dbl1,
                               std::span<double> dbl2, std::span<double> dbl3) const
{
    try {
        CheckRoom(lngSingle.size(), {dbl1.size(), dbl2.size(), dbl3.size()});
        const auto fn = [&](std::size_t pos, double d1, double d2, double d3) {
            if (!dbl1.empty()) {
                dbl1[pos] = d1;
            }
            if (!dbl2.empty()) {
                dbl2[pos] = d2;
            }
            if (!dbl3.empty()) {
                dbl3[pos] = d3;
            }
        };
        ForGrades(lngSingle, !dbl2.empty(), !dbl3.empty(), fn);
        return true;
    } catch (const std::exception& e) {
        m_err.ReportException("GetDivisorList", e);
        return false;
    }
}
