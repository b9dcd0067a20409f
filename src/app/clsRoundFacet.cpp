#include "app/clsRoundFacet.h"

#include "app/clsDocument.h"

bool clsRoundFacet::SetKaisaikai(std::int32_t lngKaisaikai)
{
    return MayEdit() && m_doc.SetKaisaikai(lngKaisaikai);
}

bool clsRoundFacet::SetKumi(const std::string& strKumi)
{
    return MayEdit() && m_doc.SetKumi(strKumi);
}

std::int32_t clsRoundFacet::Kaisaikai() const
{
    return m_doc.Kaisaikai();
}

const std::string& clsRoundFacet::Kumi() const
{
    return m_doc.Kumi();
}

const ScheduleRecord& clsRoundFacet::Schedule() const
{
    return m_doc.Schedule();
}

const VoteRecord& clsRoundFacet::Vote() const
{
    return m_doc.Vote();
}

const ResultRecord& clsRoundFacet::Result() const
{
    return m_doc.Result();
}

const std::optional<ProbabilityRecord>& clsRoundFacet::Probability() const
{
    return m_doc.Probability();
}

const std::string& clsRoundFacet::RoundLabel() const
{
    return m_doc.RoundLabel();
}

bool clsRoundFacet::SetVote(const VoteRecord& vote)
{
    return MayEdit() && m_doc.SetVote(vote);
}

bool clsRoundFacet::SetProbability(const std::optional<ProbabilityRecord>& prob)
{
    return MayEdit() && m_doc.SetProbability(prob);
}

bool clsRoundFacet::UserVoteValues(clsTOdds::Values& lngValue, clsTOdds::TeamNames& strTeams) const
{
    return m_doc.UserVoteValues(lngValue, strTeams);
}

bool clsRoundFacet::SetUserVote(const clsTOdds::Values& lngValue)
{
    return MayEdit() && m_doc.SetUserVote(lngValue);
}

clsTValue* clsRoundFacet::PreparedValue()
{
    return m_doc.PreparedValue();
}

bool clsRoundFacet::GetSetValue(clsTValue::SetValue& sv)
{
    return m_doc.GetSetValue(sv);
}

std::unique_ptr<clsEditContext::LockScope> clsRoundFacet::LockForDownload()
{
    return std::make_unique<clsEditContext::LockScope>(m_doc.Edit());
}
