#pragma once
// The ticket set as the single page's sheet and the check page's checker hold it. The document
// owns one for its lifetime and hands it every new set with the set's frame in the same step,
// so neither can page through, edit or grade a list the document no longer has. Also the rules
// of the sort commands, which the sort menu and the document share.

#include "base/clsHost.h"
#include "lottery/MarkArray.h"
#include "lottery/ResultRecord.h"
#include "lottery/VoteRecord.h"
#include "lottery/clsTValue.h"
#include "results/clsTResult.h"
#include "tickets/clsTSingle.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class clsTicketSet
{
public:
    // The sort menu's kinds, in its order.
    enum class SortKind
    {
        Payout1,
        Payout2,
        Payout3,
        Home,
        Draw,
        Away,
        Ninki1,
        Ninki2,
        Ninki3,
        // By the player's own probabilities: the expected value as a ticket, the chance.
        EV,
        P
    };
    static constexpr SortKind kLastSortKind = SortKind::P;

    // strProgramFolder holds SysData/, where the checker keeps the hand-entered results.
    clsTicketSet(const clsHost& host, std::string strProgramFolder);

    clsTSingle& Sheet() { return m_sheet; }
    const clsTSingle& Sheet() const { return m_sheet; }
    clsTResult& Checker() { return m_checker; }
    const clsTResult& Checker() const { return m_checker; }

    // A new set for both: the sheet keeps its page where that page still exists, the checker
    // regrades and starts at its first page. A set the checker refuses empties it rather than
    // leaving it on the old list.
    void Hand(std::span<const std::int32_t> lngSingle, const SingleFrame& lngFrame,
              const CellFlags& blnCovered);
    // The frame changed by an edit of the sheet (the list itself did not move).
    void HandFrame(const SingleFrame& lngFrame, const CellFlags& blnCovered);
    void HandVote(const VoteRecord& vote) { m_sheet.SetVoteRecord(vote); }
    // The round's result; all 13 matches revealed at once when ShowAllResults.
    void HandResult(std::int32_t lngKaisaikai, const std::string& strKumi,
                    const ResultRecord& record);
    bool ShowAllResults() const { return m_showAll; }
    void SetShowAllResults(bool blnValue) { m_showAll = blnValue; }

    // Payout and popularity sorts need a vote status with a round.
    static bool SortNeedsVote(SortKind kind);
    // The payout sorts of the grades a round does not pay are not offered.
    static bool SortVisible(SortKind kind, std::int32_t lngMaxGrade);
    // The expected-value and chance sorts need the player's own probabilities.
    static bool SortNeedsProbability(SortKind kind);
    static bool SortAvailable(SortKind kind, std::int32_t lngVoteKaisaikai,
                              std::int32_t lngMaxGrade, bool blnHasProbability = false);
    // Sorts the list in place by the kind's key with the given vote status (a new sorter for
    // every sort) and, for the EV and chance sorts, the prepared value object; false, reported,
    // when the sort failed (the list is then unchanged).
    bool Sort(std::vector<std::int32_t>& lngSingle, SortKind kind, bool blnAscending,
              const VoteRecord& vote, clsTValue* value = nullptr);

private:
    clsHost m_host;
    clsTSingle m_sheet;
    clsTResult m_checker;
    bool m_showAll = false;
};
