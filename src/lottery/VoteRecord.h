#pragma once
// A round's vote status (投票状況): a plain value record, copied whole by every holder.
// Match[0] is match 1; Votes[k] and Rate[k] are indexed by outcome code (0 draw, 1 home win,
// 2 away win). Rates are percentages (45.67 means 45.67 %).

#include "base/Currency.h"
#include "base/DateTime.h"
#include "lottery/clsToto.h"

#include <array>
#include <cstdint>
#include <string>

struct VoteMatch
{
    std::string Home;
    std::string Away;
    DateTime GameDate;
    DateTime StartTime;
    std::array<Currency, 3> Votes;
    std::array<Currency, 3> Rate;

    friend bool operator==(const VoteMatch&, const VoteMatch&) = default;
};

struct VoteRecord
{
    std::int32_t Kaisaikai = 0;
    std::string Kumi;
    DateTime AsOf;
    std::array<VoteMatch, clsToto::kMatchCount> Match;
    Currency SalesTotal;
    Currency SalesMulti;
    Currency SalesSingle;
    Currency UnitsTotal;
    Currency UnitsMulti;
    Currency UnitsSingle;
    Currency TicketsTotal;
    Currency TicketsMulti;
    Currency TicketsSingle;
    DateTime SaleStart;
    DateTime SaleEnd;
    DateTime ResultDate;
    DateTime RefundStart;
    DateTime RefundDeadline;

    bool IsValid() const;
    // Every match has bets on it: what payouts are estimated from. A round without a vote
    // status, or with an empty one, has none.
    bool HasVotes() const;

    friend bool operator==(const VoteRecord&, const VoteRecord&) = default;
};
