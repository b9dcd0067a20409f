#include "results/clsTProbabilityEntry.h"

void clsTProbabilityEntry::Open(const std::optional<ProbabilityRecord>& prob,
                                const TeamNames& strTeams)
{
    m_confirmed = false;
    m_odds.Open(prob ? prob->Value : clsTOdds::Values{}, strTeams);
}

bool clsTProbabilityEntry::FillFromVote(const VoteRecord& vote, std::string& strReason)
{
    const std::optional<ProbabilityRecord> rec = ProbabilityRecord::FromVoteRates(vote, strReason);
    if (!rec) {
        return false;
    }
    m_odds.SetValues(rec->Value);
    return true;
}

bool clsTProbabilityEntry::Ok()
{
    if (!m_odds.Ok()) {
        return false;
    }
    m_result.Value = m_odds.GetValues();
    m_confirmed = true;
    return true;
}
