#pragma once
// What singles and sets are worth under the player's own probabilities: the chance of every
// result, the expected payout of every ticket and the set's chance to win each grade. Payouts
// are the vote-based estimates of clsTMoney. One per view or command that shows them; the
// tables of the whole ticket space are built on the first question and kept until the
// probabilities or the vote status change.
//
// Probabilities and expectations are doubles: they are no amounts anyone pays, and a sum of
// 1.6 million products does not fit four decimals. Only the cost is Currency.

#include "base/Currency.h"
#include "base/clsErrorReporter.h"
#include "base/clsIPump.h"
#include "lottery/ProbabilityRecord.h"
#include "lottery/VoteRecord.h"
#include "lottery/clsTMoney.h"
#include "lottery/clsToto.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class clsTValue
{
public:
    explicit clsTValue(clsIMessage& message);

    // With a pump, events are processed now and then while the tables are built and while
    // long lists are summed, so that a window stays responsive. The caller keeps the object
    // from being used again by those events.
    void SetPump(clsIPump* pump) { m_pump = pump; }

    // False, reported, for a record that fails its check; the old probabilities stay.
    bool SetProbability(const ProbabilityRecord& prob);
    bool SetVote(const VoteRecord& vote);

    // P(s): the product of the own probabilities of the single's 13 outcomes (0 for a number
    // outside the numbering, reported).
    double GetP(std::int32_t lngNo) const;
    // P of every single of a list into dblOut at the single's position.
    bool GetPList(std::span<const std::int32_t> lngSingle, std::span<double> dblOut) const;

    // EV(t) in yen per 100-yen ticket: the sum over the results s that t wins a grade the round
    // pays of P(s) x the estimated payout of that grade when s is the result.
    double GetEV(std::int32_t lngNo);
    bool GetEVList(std::span<const std::int32_t> lngSingle, std::span<double> dblOut);

    struct SetValue
    {
        // The chance that some ticket is the result (Grade1), within one match of it (Grade2),
        // within two (Within2). Grade3 is the chance of winning at least 3rd grade: Within2
        // where the round pays three grades, Grade2 where it pays two.
        double Grade1 = 0.0;
        double Grade2 = 0.0;
        double Within2 = 0.0;
        double Grade3 = 0.0;
        // The sum of EV over the tickets, duplicates counted as often as they are bought.
        double EV = 0.0;
        Currency Cost;
    };
    // False, reported, for a ticket number outside the numbering.
    bool GetSetValue(std::span<const std::int32_t> lngSingle, SetValue& value);

    // Builds the tables of the whole ticket space now rather than on the first EV question.
    // False, reported, when the payouts cannot be estimated.
    bool Prepare();
    bool Prepared() const { return m_prepared; }

    std::int32_t MaxGrade() const { return m_maxGrade; }

private:
    void PrepareTables();
    void Pump() const;
    double EVOf(std::int32_t lngNo) const;

    clsErrorReporter m_err;
    clsIPump* m_pump = nullptr;
    clsTMoney m_money;
    std::int32_t m_maxGrade = 3;
    std::array<std::array<double, 3>, clsToto::kMatchCount> m_p{};
    // P of the codes of matches 1..7 and 8..13 as numbers: P(s) = low x high.
    std::vector<double> m_low;
    std::vector<double> m_high;
    // Per result s: P(s) times the estimated payout of each grade when s is the result; a grade the
    // round does not pay stays unused.
    std::unique_ptr<double[]> m_w1;
    std::unique_ptr<double[]> m_w2;
    std::unique_ptr<double[]> m_w3;
    bool m_grade3 = false;
    bool m_prepared = false;
};
