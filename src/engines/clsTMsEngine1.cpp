#include "engines/clsTMsEngine1.h"

#include "engines/basEngineBall.h"

#include <stdexcept>
#include <string>

using namespace basEngineBall;

namespace {
// A ticket number's state in one word: the score (uncovered members of its ball, at most 339)
// in the low bits, then whether it is covered and whether it is in the set. One load tells the
// scans all they need, and a score only falls while its ball still has an uncovered member, so
// counting it down never reaches the flags.
constexpr std::uint32_t kScoreMask = 0xFFFF;
constexpr std::uint32_t kCovered = 1u << 16;
constexpr std::uint32_t kInSetShift = 17;
constexpr std::uint32_t kInSet = 1u << kInSetShift;

// Candidates between two event-processing points: about 1 % of them.
std::size_t EventStep(std::size_t lngCount)
{
    const std::size_t n = lngCount > 0 ? lngCount - 1 : 0;
    return (n + 50) / 100 + 1;
}
} // namespace

clsTMsEngine1::clsTMsEngine1(clsIPump& objPump, clsIMessage& objMessage)
    : clsTMsEngine1(objPump, objMessage, m_ownState)
{}

clsTMsEngine1::clsTMsEngine1(clsIPump& objPump, clsIMessage& objMessage,
                             std::vector<std::uint32_t>& lngWorkspace)
    : m_pump(objPump)
    , m_err(objMessage, "clsTMsEngine1")
    , m_msg(objPump, objMessage)
    , m_state(lngWorkspace)
{}

void clsTMsEngine1::Initialize(clsTMsgLog& objLog)
{
    m_msg.Initialize(objLog);
    m_initialized = true;
}

bool clsTMsEngine1::EngineStart(std::span<const std::int32_t> lngSingle,
                                std::int32_t lngSearchGrade)
{
    m_result.clear();
    m_lastError = ErrorRecord{};
    if (!m_initialized) {
        m_err.InitializeErr("EngineStart");
        return false;
    }
    try {
        Search(lngSingle, lngSearchGrade);
        return true;
    } catch (const std::exception& e) {
        m_result.clear();
        m_lastError = clsErrorReporter::FromException(e);
        return false;
    }
}

bool clsTMsEngine1::ProcessEvents()
{
    m_pump.DoEvents();
    return m_stop;
}

void clsTMsEngine1::Search(std::span<const std::int32_t> lngSingle, std::int32_t lngGrade)
{
    if (lngGrade != 2 && lngGrade != 3) {
        throw std::invalid_argument("保証等級は 2 か 3 です: " + std::to_string(lngGrade));
    }
    for (const std::int32_t s : lngSingle) {
        if (!IsValidNo(s)) {
            throw std::out_of_range("シングル番号が範囲外です: " + std::to_string(s));
        }
    }
    m_grade = lngGrade;
    const auto fullBall = static_cast<std::uint32_t>(BallSize(lngGrade));
    m_state.assign(kSingleCount, fullBall);
    std::uint32_t* state = m_state.data();
    m_uncovered = 0;
    for (const std::int32_t s : lngSingle) {
        if ((state[s] & kInSet) == 0) {
            state[s] |= kInSet;
            ++m_uncovered;
        }
    }

    m_msg.Sp();
    m_msg.Msg("候補の検索中...", true, true);
    if (m_uncovered == 0) {
        return;
    }

    if (TakeFullBalls(lngSingle)) {
        TakeBestScores(lngSingle);
    }
}

bool clsTMsEngine1::TakeFullBalls(std::span<const std::int32_t> lngSingle)
{
    const auto fullBall = static_cast<std::uint32_t>(BallSize(m_grade));
    const std::uint32_t* state = m_state.data();
    // First phase. Each scan restarts at the front, but everything in front of the last choice
    // is rejected or covered by then, so the scans together are one pass in input order. A
    // rejected single never reaches a full ball again, so no flag has to remember it.
    const std::size_t firstStep = EventStep(lngSingle.size());
    std::size_t untilEvents = firstStep;
    for (const std::int32_t s : lngSingle) {
        const std::uint32_t v = state[s];
        if ((v & kCovered) != 0) {
            continue;
        }
        if ((v & kScoreMask) == fullBall) {
            Choose(s);
            if (m_uncovered == 0) {
                return false;
            }
        }
        // A countdown, not a division per single.
        if (--untilEvents == 0) {
            untilEvents = firstStep;
            if (ProcessEvents()) {
                m_result.clear();
                return false;
            }
        }
    }

    return true;
}

void clsTMsEngine1::TakeBestScores(std::span<const std::int32_t> lngSingle)
{
    const std::uint32_t* state = m_state.data();
    // Second phase: a full pass finds the best score and its ties in input order; the ties are
    // then taken in that order while they still have that score. Each pass's best score is
    // below the last one's, since every single left at the old best was taken or fell below it.
    std::vector<std::int32_t> candidates;
    candidates.reserve(lngSingle.size());
    for (const std::int32_t s : lngSingle) {
        if ((state[s] & kCovered) == 0) {
            candidates.push_back(s);
        }
    }
    std::vector<std::int32_t> ties;
    while (m_uncovered > 0) {
        std::size_t kept = 0;
        for (const std::int32_t s : candidates) {
            if ((state[s] & kCovered) == 0) {
                candidates[kept++] = s;
            }
        }
        candidates.resize(kept);

        m_msg.Msg("候補の検索中...", false, true);
        m_msg.Max(static_cast<std::int32_t>(candidates.size()) - 1);
        const std::size_t step = EventStep(candidates.size());
        std::size_t untilEvents = step;
        std::uint32_t best = 0;
        ties.clear();
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            const std::int32_t s = candidates[i];
            const std::uint32_t score = state[s] & kScoreMask;
            if (score > best) {
                best = score;
                ties.clear();
                ties.push_back(s);
            } else if (score == best) {
                ties.push_back(s);
            }
            if (--untilEvents == 0) {
                untilEvents = step;
                m_msg.Value(static_cast<std::int32_t>(i));
                if (ProcessEvents()) {
                    m_msg.Value(0);
                    m_msg.Msg("", true, false);
                    m_result.clear();
                    return;
                }
            }
        }
        m_msg.Value(0);
        m_msg.Msg(std::to_string(best), true, false);

        // A tie may have been covered since the pass; it still counts by its score.
        for (const std::int32_t t : ties) {
            if ((state[t] & kScoreMask) == best) {
                Choose(t);
                if (m_uncovered == 0) {
                    return;
                }
            }
        }
    }
}

void clsTMsEngine1::Choose(std::int32_t lngNo)
{
    m_result.push_back(lngNo);
    const std::int32_t grade = m_grade;
    std::uint32_t* state = m_state.data();
    std::int32_t uncovered = m_uncovered;
    Digits d;
    MakeDigits(lngNo, d);
    ForEachInBallOfDigits(lngNo, d, grade, [&](std::int32_t x, const Digits& dx) {
        const std::uint32_t v = state[x];
        if ((v & kCovered) != 0) {
            return;
        }
        state[x] = v | kCovered;
        uncovered -= static_cast<std::int32_t>(v >> kInSetShift);
        // x has just left the uncovered numbers: every ball holding it loses one point.
        ForEachNoInBallOfDigits(x, dx, grade, [state](std::int32_t y) { --state[y]; });
    });
    m_uncovered = uncovered;
}
