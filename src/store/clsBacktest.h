#pragma once
// The back-test: one condition set run over the stored past rounds, to see whether it would
// have kept the winning single and at what cost. Each round's multi is marked afresh, the
// run's own extraction (no compression) runs on that round's vote status and its result is
// graded against the round's result. It works on a thread of its own, so a window answers
// meanwhile; the document owns one for its lifetime and a command line command waits for it.

#include "base/Currency.h"
#include "base/clsIMessage.h"
#include "conditions/ConditionSetRecord.h"
#include "lottery/MarkArray.h"
#include "lottery/ResultRecord.h"
#include "lottery/VoteRecord.h"

#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

class clsBacktest
{
public:
    // How each round's multi is marked: in vote order as "全て投票率順でマーク" does it, or
    // every outcome ◎.
    enum class Marking
    {
        Vote,
        All
    };
    static constexpr Currency kTicketPrice = Currency::FromInt(100);

    struct Request
    {
        ConditionSetRecord Jouken;
        // The folder that holds SysData/, and the group whose files are read.
        std::string ProgramDir;
        std::string Kumi;
        std::int32_t From = 0;
        std::int32_t To = 0;
        Marking Marks = Marking::Vote;
    };
    struct Row
    {
        std::int32_t Kaisaikai = 0;
        std::int32_t Singles = 0;
        // A single of the extraction wins 1st grade.
        bool Hit = false;
        Currency Cost;
        Currency Won;
    };
    struct Totals
    {
        std::int32_t Rounds = 0;
        std::int32_t Hits = 0;
        Currency Cost;
        Currency Won;
    };
    // A round of the range that was not tested and why; Broken when a file of it is there but
    // does not read (a round simply not stored is no news).
    struct Skip
    {
        std::int32_t Kaisaikai = 0;
        bool Broken = false;
        std::string Reason;
    };
    struct RoundRecords
    {
        VoteRecord Vote;
        ResultRecord Result;
    };
    // What the thread has done so far.
    struct Progress
    {
        std::vector<Row> Rows;
        std::vector<Skip> Skips;
        // Rounds looked at, of Total.
        std::int32_t Done = 0;
        std::int32_t Total = 0;
        bool Running = false;
        bool Stopped = false;
    };

    clsBacktest() = default;
    ~clsBacktest();
    clsBacktest(const clsBacktest&) = delete;
    clsBacktest& operator=(const clsBacktest&) = delete;

    // Starts the back-test of req, ending the one under way first. False (nothing started)
    // for a range that is not 1 <= From <= To.
    bool Start(Request req);
    // Ends the back-test under way after the step in hand; the rows so far stay.
    void Stop();
    // Waits for the back-test under way to end (the command line, tests).
    void Wait();
    bool Running() const;
    Progress Snapshot() const;
    // The rows from index lngFrom on, and whether more may come: a view takes only the new ones.
    std::vector<Row> RowsFrom(std::size_t lngFrom) const;

    // The records a round needs, when its schedule, vote status and result are all stored and
    // usable (held, not cancelled, every match with votes, the prizes of its grades); else why
    // not in skip.
    static std::optional<RoundRecords> LoadRound(const std::string& strProgramDir,
                                                 std::int32_t lngKaisaikai,
                                                 const std::string& strKumi, Skip& skip);
    static MarkArray MarksFor(Marking marks, const VoteRecord& vote, clsIMessage& message);
    static Totals Sum(std::span<const Row> rows);
    // The expected-value and 1st-grade chance limits need the player's own probabilities, which
    // belong to one round: the back-test runs without them and the extraction leaves them out.
    static bool UsesOwnProbability(const ConditionSetRecord& jouken);

private:
    void Work(const Request& req, std::stop_token token);

    mutable std::mutex m_lock;
    Progress m_progress;
    std::jthread m_thread;
};
