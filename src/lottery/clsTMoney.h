#pragma once
// Payout estimates per grade for a single, from the round's vote counts (a pari-mutuel model).
// Each component that shows, sorts or filters by payout owns one and hands it every new vote
// status through SetVote.
//
// Every divisor is formed in double precision over the matches in the order 1 to 13, and the
// sums over the missed matches in the order of their terms; results are exact to that order,
// so GetMoneyList gives bit for bit what GetMoney1/2/3 give one single at a time.

#include "base/Currency.h"
#include "base/clsErrorReporter.h"
#include "base/clsIPump.h"
#include "lottery/VoteRecord.h"
#include "lottery/clsToto.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

class clsTMoney
{
public:
    static constexpr std::int64_t MaxYen = 99999999999;

    explicit clsTMoney(clsIMessage& message);

    // False, after reporting the overflow, when a match's three vote counts do not add up
    // within Currency; the estimator then holds no votes and estimates 0 for every single.
    bool SetVote(const VoteRecord& vote);
    // With a pump, the list routines process events every few milliseconds on long lists (the
    // caller keeps this object and its lists from being used by them); the figures are the same.
    void SetPump(clsIPump* pump) { m_pump = pump; }

    // lngKousei: 13 outcome codes, index 0 = match 1. A short array or a code outside 0..2 is
    // reported and gives 0.
    Currency GetMoney1(std::span<const std::int32_t> lngKousei) const;
    Currency GetMoney2(std::span<const std::int32_t> lngKousei) const;
    Currency GetMoney3(std::span<const std::int32_t> lngKousei) const;

    // The three estimates of every single of a list of ticket numbers (any order, duplicates
    // allowed) into cur1/cur2/cur3 at the single's position. An empty output span skips that
    // grade, and its sums too when no higher grade is wanted; others need room for the list.
    // Singles that agree on their first matches share the partial products, which keeps every
    // product in the same order.
    bool GetMoneyList(std::span<const std::int32_t> lngSingle, std::span<Currency> cur1,
                      std::span<Currency> cur2, std::span<Currency> cur3) const;

    // The divisors D1, D2, D3 themselves (the shares of all bets, in percent^13, that win
    // grade 1, 2, 3 with this single as the result), one single or a list at a time.
    std::array<double, 3> GetDivisors(std::span<const std::int32_t> lngKousei) const;
    bool GetDivisorList(std::span<const std::int32_t> lngSingle, std::span<double> dbl1,
                        std::span<double> dbl2, std::span<double> dbl3) const;

    // Pool of grade 1..3 (base x share x 10^26), and the tables SetVote built.
    double Pool(int intGrade) const { return m_pool[intGrade - 1]; }
    double Rate(int intMatch, int intOutcome) const { return m_rate[intMatch][intOutcome]; }
    double Miss(int intMatch, int intOutcome) const { return m_miss[intMatch][intOutcome]; }

    // pool / divisor as whole yen: 0 when the divisor is not positive, capped at MaxYen,
    // otherwise rounded to four decimals and the fraction dropped.
    static Currency ToYen(double dblPool, double dblDivisor);

private:
    using Codes = std::array<std::int32_t, clsToto::kMatchCount>;
    bool ReadKousei(std::span<const std::int32_t> lngKousei, const char* strOperation,
                    Codes& codes) const;
    double Divisor1(const Codes& c) const;
    double Divisor2(const Codes& c) const;
    double Divisor3(const Codes& c) const;
    // Calls fn(position, d1, d2, d3) for every single of the list; throws on a bad number.
    // Divisors of grades above kGrade are not formed and come as 0.
    template <int kGrade, class Fn>
    void ForEachSingle(std::span<const std::int32_t> lngSingle, Fn fn) const;
    template <int kGrade, class Fn>
    void ForEachAscending(std::span<const std::int32_t> lngSingle, Fn& fn) const;
    template <class Fn>
    void ForGrades(std::span<const std::int32_t> lngSingle, bool blnGrade2, bool blnGrade3,
                   const Fn& fn) const;

    clsErrorReporter m_err;
    std::array<double, 3> m_pool{};
    std::array<std::array<double, 3>, clsToto::kMatchCount> m_rate{};
    std::array<std::array<double, 3>, clsToto::kMatchCount> m_miss{};
    // Work space of the list form, kept between calls: fresh 16 bytes a single, zeroed and
    // faulted in on every call, cost as much as the estimates themselves.
    mutable std::vector<std::uint64_t> m_order;
    clsIPump* m_pump = nullptr;
    mutable std::vector<std::uint64_t> m_sortTmp;
};
