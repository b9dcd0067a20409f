#include "engines/clsTMsEngine1.h"

#include "lottery/basBall.h"

#include <algorithm>
#include <stdexcept>
#include <string>

using namespace basBall;

namespace {
// A ticket number's state in one 16-bit word: the score (uncovered members of its ball, at most
// 339) in the low bits, then whether it is covered and whether it is in the set. One load tells
// the scans all they need, the table is small enough to stay in the cache far more often, and a
// score only falls while its ball still has an uncovered member, so counting it down never
// reaches the flags.
using Word = std::uint16_t;
constexpr std::uint32_t kScoreMask = 0x3FF;
constexpr std::uint32_t kCovered = 1u << 14;
constexpr std::uint32_t kInSetShift = 15;
constexpr std::uint32_t kInSet = 1u << kInSetShift;
static_assert(kBall3 <= kScoreMask);

// Candidates of one block: the scans of the second phase skip every block whose bound is below
// the score they look for.
constexpr std::size_t kBlock = 64;

// Candidates between two event-processing points: about 1 % of them, but no more than a few
// thousand, since a 3rd-grade choice among them updates hundreds of balls (the pump itself
// passes events only once a frame, so calling it more often costs a clock read).
std::size_t EventStep(std::size_t lngCount)
{
    constexpr std::size_t kMostBetweenEvents = 4096;
    const std::size_t n = lngCount > 0 ? lngCount - 1 : 0;
    return std::min((n + 50) / 100 + 1, kMostBetweenEvents);
}
} // namespace

clsTMsEngine1::clsTMsEngine1(clsIPump& objPump, clsIMessage& objMessage)
    : clsTMsEngine1(objPump, objMessage, m_own)
{}

clsTMsEngine1::clsTMsEngine1(clsIPump& objPump, clsIMessage& objMessage, Workspace& objWorkspace)
    : m_pump(objPump)
    , m_err(objMessage, "clsTMsEngine1")
    , m_msg(objPump, objMessage)
    , m_ws(objWorkspace)
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
    // Each pass over a million singles takes a good part of a frame: events between them.
    if (ProcessEvents()) {
        return;
    }
    m_grade = lngGrade;
    const auto fullBall = static_cast<Word>(BallSize(lngGrade));
    m_ws.State.assign(kSingleCount, fullBall);
    if (ProcessEvents()) {
        return;
    }
    Word* state = m_ws.State.data();
    m_uncovered = 0;
    for (const std::int32_t s : lngSingle) {
        if ((state[s] & kInSet) == 0) {
            state[s] = static_cast<Word>(state[s] | kInSet);
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
    const Word* state = m_ws.State.data();
    // First phase. Each scan restarts at the front, but everything in front of the last choice
    // is rejected or covered by then, so the scans together are one pass in input order. A
    // rejected single never reaches a full ball again, so no flag has to remember it.
    const std::size_t firstStep = EventStep(lngSingle.size());
    std::size_t untilEvents = firstStep;
    for (const std::int32_t s : lngSingle) {
        // A countdown, not a division per single; covered singles count too, or the end of
        // the pass, where nearly all are covered, would run on without an event.
        if (--untilEvents == 0) {
            untilEvents = firstStep;
            if (ProcessEvents()) {
                m_result.clear();
                return false;
            }
        }
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
    }

    return true;
}

void clsTMsEngine1::TakeBestScores(std::span<const std::int32_t> lngSingle)
{
    const Word* state = m_ws.State.data();
    // Second phase. The rule is a full pass for the best score, then its ties taken in input
    // order while they still have it; each pass's best is below the last one's, since every
    // single left at the old best was taken or fell below it. The same choices come from
    // scanning at a level: in input order, take every uncovered single that still scores the
    // level, as no single scanned earlier can rise to it again. The candidates stand in blocks
    // with an upper bound of their scores (scores only fall), so a scan visits only the blocks
    // that may hold the level; the highest bound is the next level to try, and a try that
    // takes nothing has made the bounds it visited exact.
    std::vector<std::int32_t>& cand = m_ws.Candidates;
    cand.clear();
    for (const std::int32_t s : lngSingle) {
        if ((state[s] & kCovered) == 0) {
            cand.push_back(s);
        }
    }
    if (ProcessEvents()) {
        m_result.clear();
        return;
    }
    struct Block
    {
        std::size_t Begin;
        std::size_t End;
        std::uint32_t Bound;
    };
    std::vector<Block> blocks;
    blocks.reserve(cand.size() / kBlock + 1);
    for (std::size_t b = 0; b < cand.size(); b += kBlock) {
        const std::size_t e = std::min(b + kBlock, cand.size());
        std::uint32_t bound = 0;
        for (std::size_t i = b; i < e; ++i) {
            bound = std::max(bound, state[cand[i]] & kScoreMask);
        }
        blocks.push_back({b, e, bound});
    }
    const auto maxIndex = static_cast<std::int32_t>(cand.size()) - 1;

    while (m_uncovered > 0) {
        std::uint32_t level = 0;
        std::size_t live = 0;
        for (const Block& b : blocks) {
            level = std::max(level, b.Bound);
            live += b.End - b.Begin;
        }
        // Events every step candidates visited, counted by block.
        const auto step = static_cast<std::ptrdiff_t>(EventStep(live));
        std::ptrdiff_t untilEvents = step;
        bool lineOpen = false;
        for (Block& b : blocks) {
            if (b.Bound != level) {
                continue;
            }
            std::uint32_t bound = 0;
            std::int32_t* const first = cand.data() + b.Begin;
            std::int32_t* const last = cand.data() + b.End;
            std::int32_t* kept = first;
            for (const std::int32_t* p = first; p != last; ++p) {
                const std::int32_t s = *p;
                const std::uint32_t v = state[s];
                if ((v & kCovered) != 0) {
                    continue; // covered since the last visit
                }
                const std::uint32_t score = v & kScoreMask;
                if (score != level) {
                    *kept++ = s;
                    bound = std::max(bound, score);
                    continue;
                }
                if (!lineOpen) {
                    m_msg.Msg("候補の検索中...", false, true);
                    m_msg.Max(maxIndex);
                    lineOpen = true;
                }
                Choose(s);
                if (m_uncovered == 0) {
                    m_msg.Value(0);
                    m_msg.Msg(std::to_string(level), true, false);
                    return;
                }
            }
            b.End = static_cast<std::size_t>(kept - cand.data());
            b.Bound = bound;
            untilEvents -= last - first;
            if (untilEvents > 0) {
                continue;
            }
            untilEvents = step;
            m_msg.Value(static_cast<std::int32_t>(b.Begin));
            if (ProcessEvents()) {
                m_msg.Value(0);
                if (!lineOpen) {
                    m_msg.Msg("候補の検索中...", false, true);
                }
                m_msg.Msg("", true, false);
                m_result.clear();
                return;
            }
        }
        if (lineOpen) {
            m_msg.Value(0);
            m_msg.Msg(std::to_string(level), true, false);
        }
    }
}

void clsTMsEngine1::Choose(std::int32_t lngNo)
{
    m_result.push_back(lngNo);
    const std::int32_t grade = m_grade;
    std::int32_t uncovered = m_uncovered;
    Digits d;
    MakeDigits(lngNo, d);
    ForEachOfBallWithOffsets(m_ws.State.data() + lngNo, d, grade,
                             [&](Word* x, const BallOffsets& o) {
                                 const std::uint32_t v = *x;
                                 if ((v & kCovered) != 0) {
                                     return;
                                 }
                                 *x = static_cast<Word>(v | kCovered);
                                 uncovered -= static_cast<std::int32_t>(v >> kInSetShift);
                                 // x has just left the uncovered numbers: every ball holding it
                                 // loses one point.
                                 ForEachOfBall(x, o, grade, [](Word* y, int) { --*y; });
                             });
    m_uncovered = uncovered;
}
