#pragma once
// What the conditions keep, worked out while the player marks and edits: the run's own
// extraction on copies of the marks, conditions and vote status, on a thread of its own so the
// window answers while it counts, and the spread of the multi's singles over the counts 0..13
// of the rows on show. A newer request abandons the one under way. The document owns one.

#include "conditions/ConditionSetRecord.h"
#include "conditions/ConditionTableEntry.h"
#include "lottery/MarkArray.h"
#include "lottery/ProbabilityRecord.h"
#include "lottery/VoteRecord.h"
#include "lottery/clsToto.h"

#include <array>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class clsTLiveCount
{
public:
    using Histogram = std::array<std::int32_t, clsToto::kMatchCount + 1>;
    // One row of a condition table whose spread is wanted.
    struct RowQuery
    {
        JoukenKind Kind = JoukenKind::Honmei;
        std::int32_t Tab = 0;
        std::int32_t Row = 0;
        ConditionTableEntry Entry;
    };
    struct Request
    {
        ConditionSetRecord Jouken;
        MarkArray Marks{};
        VoteRecord Vote;
        std::optional<ProbabilityRecord> Probability;
        std::vector<RowQuery> Rows;
    };
    struct RowSpread
    {
        JoukenKind Kind = JoukenKind::Honmei;
        std::int32_t Tab = 0;
        std::int32_t Row = 0;
        Histogram Counts{};
    };
    struct Result
    {
        std::uint64_t Serial = 0;
        // False when the extraction met a fault: the run reports it, a count would mislead.
        bool Ok = false;
        std::int32_t MultiCount = 0;
        std::int32_t Kept = 0;
        std::vector<RowSpread> Rows;
    };

    clsTLiveCount() = default;
    ~clsTLiveCount();
    clsTLiveCount(const clsTLiveCount&) = delete;
    clsTLiveCount& operator=(const clsTLiveCount&) = delete;

    // Starts counting for req, abandoning the count under way; returns its serial number.
    std::uint64_t Start(Request req);
    // Abandons the count under way; its result never comes.
    void Stop();
    // The finished count not yet taken, once.
    std::optional<Result> Take();
    // A count is under way or finished and not yet taken: a count of a few singles can end
    // before its requester looks, so "not yet taken" is what tells it to keep polling.
    bool Pending() const;
    // Waits for the count under way (tests and the command line).
    void Wait();

private:
    static Result Count(const Request& req, std::uint64_t lngSerial, std::stop_token token);

    mutable std::mutex m_lock;
    std::optional<Result> m_done;
    std::uint64_t m_serial = 0;
    bool m_pending = false;
    std::jthread m_thread;
};
