#pragma once
// The round of the work: its number and group, schedule, vote status and result, the player's
// own probabilities and the value figures under them. Handed out by the document, which owns it.

#include "app/clsDocumentFacet.h"
#include "lottery/ProbabilityRecord.h"
#include "lottery/ResultRecord.h"
#include "lottery/ScheduleRecord.h"
#include "lottery/VoteRecord.h"
#include "lottery/clsTValue.h"
#include "results/clsTOdds.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class clsRoundFacet final : public clsDocumentFacet
{
public:
    explicit clsRoundFacet(clsDocument& doc)
        : clsDocumentFacet(doc)
    {}

    bool SetKaisaikai(std::int32_t lngKaisaikai);
    bool SetKumi(const std::string& strKumi);
    std::int32_t Kaisaikai() const;
    const std::string& Kumi() const;
    const ScheduleRecord& Schedule() const;
    const VoteRecord& Vote() const;
    const ResultRecord& Result() const;
    const std::optional<ProbabilityRecord>& Probability() const;
    const std::string& RoundLabel() const;
    bool SetVote(const VoteRecord& vote);
    bool SetProbability(const std::optional<ProbabilityRecord>& prob);
    bool UserVoteValues(clsTOdds::Values& lngValue, clsTOdds::TeamNames& strTeams) const;
    bool SetUserVote(const clsTOdds::Values& lngValue);
    clsTValue* PreparedValue();
    bool GetSetValue(clsTValue::SetValue& sv);
};
