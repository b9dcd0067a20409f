#pragma once
// The ticket list, the second kind of printed page, for the player to keep: the round and its
// matches at the top of every page, then one ticket a row as the outcomes 1, 0 and 2 of the
// thirteen matches with its estimated payouts, and the page number at the foot. A4 portrait in
// millimetres, as drawing operations a device replays; the card's shifts and orientation do
// not apply to it.

#include "lottery/ScheduleRecord.h"
#include "lottery/VoteRecord.h"
#include "lottery/clsToto.h"
#include "print/PrintOp.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class clsIMessage;

struct PrintListInput
{
    std::int32_t Kaisaikai = 0;
    std::string Kumi;
    std::string FileName;
    // Team names of each match, index 0 = match 1; an empty name prints as nothing.
    std::array<std::string, clsToto::kMatchCount> Home;
    std::array<std::string, clsToto::kMatchCount> Away;
    // Ticket numbers in list order.
    std::vector<std::int32_t> Singles;
    // Estimated payout of grade 1, 2 and 3 of each ticket at its position; all empty when
    // there is no vote status to estimate from.
    std::vector<Currency> Payout1;
    std::vector<Currency> Payout2;
    std::vector<Currency> Payout3;
};

class clsTPrintList
{
public:
    static const std::int32_t RowsPerPage;

    // An empty list still counts one page.
    static std::int32_t PageCount(std::int32_t lngTickets);
    // Position (from 0) of the first ticket on page lngPage and how many the page holds.
    struct Rows
    {
        std::size_t First = 0;
        std::size_t Count = 0;
    };
    static Rows RowsOn(std::int32_t lngPage, std::int32_t lngTickets);

    // Everything printed on page lngPage (from 1).
    static std::vector<PrintOp> PageOps(const PrintListInput& input, std::int32_t lngPage);

    // The team names of a schedule or of a vote status.
    static void SetTeams(PrintListInput& input, const ScheduleRecord& schedule);
    static void SetTeams(PrintListInput& input, const VoteRecord& vote);
    // The payouts of input.Singles under the vote status; false, with the payouts left empty,
    // when it has no votes to estimate from or the estimate failed (reported).
    static bool EstimatePayouts(clsIMessage& message, const VoteRecord& vote,
                                PrintListInput& input);

    // Where things are, for those who check a page.
    static Currency RowY(std::int32_t lngRow);
    static Currency OutcomeX(std::int32_t lngMatch);
    // The texts as printed.
    static std::string TitleLabel(std::int32_t lngKaisaikai, const std::string& strKumi);
    static std::string MatchLabel(std::int32_t lngMatch, const std::string& strHome,
                                  const std::string& strAway);
    static std::string PayoutLabel(Currency yen);
    static std::string PageLabel(std::int32_t lngPage, std::int32_t lngPageCount);
};
