#include "conditions/clsTLiveCount.h"

#include "base/clsIMessage.h"
#include "base/clsIPump.h"
#include "conditions/clsTMsgLog.h"
#include "conditions/clsTX.h"
#include "conditions/clsTXStopPump.h"

#include <chrono>
#include <span>
#include <utility>

namespace {
// A fault met while counting is the run's to report: here it only spoils the count.
class QuietMessage final : public clsIMessage
{
public:
    void ShowMessage(MsgIcon, std::string_view, std::string_view) override { Faulted = true; }
    bool Faulted = false;
};

} // namespace

clsTLiveCount::~clsTLiveCount()
{
    Stop();
}

std::uint64_t clsTLiveCount::Start(Request req)
{
    Stop();
    std::uint64_t lngSerial = 0;
    {
        std::lock_guard guard(m_lock);
        lngSerial = ++m_serial;
        m_done.reset();
        m_pending = true;
    }
    m_thread = std::jthread([this, req = std::move(req), lngSerial](std::stop_token token) {
        Result result = Count(req, lngSerial, token);
        std::lock_guard guard(m_lock);
        if (!token.stop_requested() && lngSerial == m_serial) {
            m_done = std::move(result);
        }
    });
    return lngSerial;
}

void clsTLiveCount::Stop()
{
    if (m_thread.joinable()) {
        m_thread.request_stop();
        m_thread.join();
    }
    std::lock_guard guard(m_lock);
    m_pending = false;
}

std::optional<clsTLiveCount::Result> clsTLiveCount::Take()
{
    std::lock_guard guard(m_lock);
    std::optional<Result> result = std::move(m_done);
    m_done.reset();
    if (result) {
        m_pending = false;
    }
    return result;
}

bool clsTLiveCount::Pending() const
{
    std::lock_guard guard(m_lock);
    return m_pending;
}

void clsTLiveCount::Wait()
{
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

clsTLiveCount::Result clsTLiveCount::Count(const Request& req, std::uint64_t lngSerial,
                                           std::stop_token token)
{
    Result result;
    result.Serial = lngSerial;
    QuietMessage message;
    clsTXStopPump pump(token);
    clsTX tx(message, pump);
    pump.Bind(tx);
    clsTMsgLog log;
    tx.Initialize(log, std::string());
    tx.SetVoteRecord(req.Vote);
    tx.SetProbability(req.Probability);
    std::int32_t lngKept = 0;
    std::vector<std::int32_t> lngSingle;
    tx.RunExtraction(req.Jouken, req.Marks, lngKept, lngSingle);
    if (tx.Cancelled() || token.stop_requested()) {
        return result;
    }
    result.Kept = lngKept;
    // The spread is over the whole multi, as the composition analysis shows it: the counts a
    // × would drop, not what the other conditions left.
    clsTX1& worker = tx.Worker();
    worker.SetValue(req.Marks);
    std::int32_t lngMulti = 0;
    std::vector<std::int32_t> lngMultiSingle;
    worker.GetMulti(lngMulti, lngMultiSingle);
    result.MultiCount = lngMulti;
    const std::span<const std::int32_t> multi(lngMultiSingle.data(),
                                              static_cast<std::size_t>(lngMulti));
    for (const RowQuery& query : req.Rows) {
        if (token.stop_requested()) {
            return result;
        }
        RowSpread spread;
        spread.Kind = query.Kind;
        spread.Tab = query.Tab;
        spread.Row = query.Row;
        worker.CountDistribution(query.Kind, spread.Counts, query.Row, query.Entry, multi);
        result.Rows.push_back(spread);
    }
    result.Ok = !message.Faulted;
    return result;
}
