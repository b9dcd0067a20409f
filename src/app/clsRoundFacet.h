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
#include <memory>
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

    // The round commands, passed to the round controller; the document follows its event.
    bool SetKaisaikai(std::int32_t lngKaisaikai);
    bool SetKumi(const std::string& strKumi);
    std::int32_t Kaisaikai() const;
    const std::string& Kumi() const;
    const ScheduleRecord& Schedule() const;
    const VoteRecord& Vote() const;
    const ResultRecord& Result() const;
    const std::optional<ProbabilityRecord>& Probability() const;
    const std::string& RoundLabel() const;
    // Holds the work for the scope's life: a download of past rounds writes the store from
    // another thread, and no command may load, reload or close meanwhile.
    [[nodiscard]] std::unique_ptr<clsEditContext::LockScope> LockForDownload();
    // The vote status in use for this work (the round controller keeps its own).
    bool SetVote(const VoteRecord& vote);
    // The player's own probabilities: a record that fails its check is refused and reported
    // (the old ones stay); none clears them.
    bool SetProbability(const std::optional<ProbabilityRecord>& prob);
    // The user vote-rate dialog's values (the vote rates x 100) and team names; false, with
    // "開催回を設定して下さい", without a round. SetUserVote takes the confirmed values (PartVote).
    bool UserVoteValues(clsTOdds::Values& lngValue, clsTOdds::TeamNames& strTeams) const;
    bool SetUserVote(const clsTOdds::Values& lngValue);
    // The value object under the probabilities and the vote status, its tables built once per
    // change: nullptr without probabilities and while a build processes events (a PartView
    // change tells when it has ended). GetSetValue: the set's chance and worth, false likewise.
    clsTValue* PreparedValue();
    bool GetSetValue(clsTValue::SetValue& sv);
};
