#include "lottery/clsTValueCache.h"

#include "base/FlagScope.h"

#include <algorithm>

clsTValueCache::clsTValueCache(clsIMessage& message, clsIPump& pump)
    : m_value(message)
{
    m_value.SetPump(&pump);
}

clsTValue* clsTValueCache::Value(const ProbabilityRecord& prob, const VoteRecord& vote)
{
    if (m_busy) {
        m_refused = true;
        return nullptr;
    }
    if (m_prob != prob) {
        // A record that failed its check is said once, not at every page of the sheet.
        if (m_badProb == prob) {
            return nullptr;
        }
        m_prob.reset();
        m_set.reset();
        if (!m_value.SetProbability(prob)) {
            m_badProb = prob;
            return nullptr;
        }
        m_prob = prob;
        m_badProb.reset();
        m_failed = false;
    }
    if (m_vote != vote) {
        m_set.reset();
        m_vote = vote;
        m_failed = !m_value.SetVote(vote);
    }
    if (m_failed) {
        return nullptr;
    }
    if (!m_value.Prepared()) {
        FlagScope busy(m_busy);
        m_failed = !m_value.Prepare();
        if (m_failed) {
            return nullptr;
        }
    }
    return &m_value;
}

bool clsTValueCache::SetValue(const ProbabilityRecord& prob, const VoteRecord& vote,
                              std::span<const std::int32_t> lngSingle, clsTValue::SetValue& sv)
{
    clsTValue* value = Value(prob, vote);
    if (value == nullptr) {
        return false;
    }
    if (m_set &&
        std::equal(lngSingle.begin(), lngSingle.end(), m_setSingles.begin(), m_setSingles.end())) {
        sv = *m_set;
        return true;
    }
    m_set.reset();
    // A copy: the caller's list may not outlive the events processed during the sum.
    m_setSingles.assign(lngSingle.begin(), lngSingle.end());
    FlagScope busy(m_busy);
    clsTValue::SetValue result;
    if (!value->GetSetValue(m_setSingles, result)) {
        return false;
    }
    m_set = result;
    sv = result;
    return true;
}

bool clsTValueCache::TakeRefused()
{
    // Only the asker whose build it was, once it has ended: an asker turned away must not ask
    // again into the same build.
    if (m_busy) {
        return false;
    }
    const bool refused = m_refused;
    m_refused = false;
    return refused;
}
