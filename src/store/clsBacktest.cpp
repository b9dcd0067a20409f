#include "store/clsBacktest.h"

#include "base/clsIBusy.h"
#include "base/clsIPump.h"
#include "base/clsIWait.h"
#include "conditions/clsTMsgLog.h"
#include "conditions/clsTX.h"
#include "conditions/clsTXStopPump.h"
#include "lottery/clsTMulti.h"
#include "lottery/clsToto.h"
#include "results/clsTResult.h"
#include "store/clsXmlResult.h"
#include "store/clsXmlSchedule.h"
#include "store/clsXmlVote.h"

#include <chrono>
#include <filesystem>
#include <utility>

namespace {
// The thread shows nothing: the first fault of a round is kept and told with the round.
class KeptMessage final : public clsIMessage
{
public:
    void ShowMessage(MsgIcon icon, std::string_view strText, std::string_view) override
    {
        if (icon != MsgIcon::Information && Text.empty()) {
            Text = strText.empty() ? std::string("処理できませんでした。") : std::string(strText);
        }
    }
    std::string Text;
};

class NoBusy final : public clsIBusy
{
public:
    void BeginBusy() override {}
    void EndBusy() override {}
};

class NoWait final : public clsIWait
{
public:
    void WaitShow(std::string_view, std::int32_t) override {}
    void WaitMessage(std::string_view) override {}
    void WaitValue(std::int32_t) override {}
    void WaitClose() override {}
};

std::string RoundText(std::int32_t lngKaisaikai)
{
    return "第" + std::to_string(lngKaisaikai) + "回";
}

// Loads one store file into xml: false, with why in skip, when it is not there or does not read.
template <class Xml>
bool LoadStoreFile(Xml& xml, std::int32_t lngKaisaikai, const std::string& strKumi,
                   const char* strKind, clsBacktest::Skip& skip, const KeptMessage& message)
{
    const std::string file = xml.GetFileName(lngKaisaikai, strKumi);
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        skip.Reason = std::string(strKind) + "がありません。";
        return false;
    }
    if (!xml.XmlLoad(file) || !message.Text.empty()) {
        skip.Broken = true;
        skip.Reason = std::string(strKind) + "ファイルを読み込めません。" + message.Text;
        return false;
    }
    return true;
}
} // namespace

clsBacktest::~clsBacktest()
{
    Stop();
}

bool clsBacktest::Start(Request req)
{
    if (req.From < 1 || req.To < req.From) {
        return false;
    }
    Stop();
    {
        std::lock_guard guard(m_lock);
        m_progress = Progress{};
        m_progress.Total = req.To - req.From + 1;
        m_progress.Running = true;
    }
    m_thread = std::jthread(
        [this, req = std::move(req)](std::stop_token token) { Work(req, std::move(token)); });
    return true;
}

void clsBacktest::Stop()
{
    if (m_thread.joinable()) {
        m_thread.request_stop();
        m_thread.join();
    }
}

void clsBacktest::Wait()
{
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

bool clsBacktest::Running() const
{
    std::lock_guard guard(m_lock);
    return m_progress.Running;
}

clsBacktest::Progress clsBacktest::Snapshot() const
{
    std::lock_guard guard(m_lock);
    return m_progress;
}

std::vector<clsBacktest::Row> clsBacktest::RowsFrom(std::size_t lngFrom) const
{
    std::lock_guard guard(m_lock);
    if (lngFrom >= m_progress.Rows.size()) {
        return {};
    }
    return {m_progress.Rows.begin() + static_cast<std::ptrdiff_t>(lngFrom), m_progress.Rows.end()};
}

std::optional<clsBacktest::RoundRecords> clsBacktest::LoadRound(const std::string& strProgramDir,
                                                                std::int32_t lngKaisaikai,
                                                                const std::string& strKumi,
                                                                Skip& skip)
{
    skip = Skip{lngKaisaikai, false, {}};
    KeptMessage message;
    clsXmlSchedule schedule(message, strProgramDir);
    if (!LoadStoreFile(schedule, lngKaisaikai, strKumi, "開催情報", skip, message)) {
        return std::nullopt;
    }
    if (schedule.GetRecord().HoldState != 0) {
        skip.Reason = "開催されていない回です。";
        return std::nullopt;
    }
    clsXmlVote vote(message, strProgramDir);
    if (!LoadStoreFile(vote, lngKaisaikai, strKumi, "投票状況", skip, message)) {
        return std::nullopt;
    }
    clsXmlResult result(message, strProgramDir);
    if (!LoadStoreFile(result, lngKaisaikai, strKumi, "くじ結果", skip, message)) {
        return std::nullopt;
    }
    RoundRecords rec{vote.GetRecord(), result.GetRecord()};
    // A file of another round under this round's name would test the wrong round.
    if (rec.Vote.Kaisaikai != lngKaisaikai || rec.Result.Kaisaikai != lngKaisaikai) {
        skip.Broken = true;
        skip.Reason = "ファイルの開催回が違います。";
        return std::nullopt;
    }
    if (!rec.Vote.HasVotes()) {
        skip.Broken = true;
        skip.Reason = "投票状況に投票数がありません。";
        return std::nullopt;
    }
    if (rec.Result.Cancelled) {
        skip.Reason = "中止になった回です。";
        return std::nullopt;
    }
    if (!rec.Result.IsValid(clsToto::GetMaxGrade(lngKaisaikai))) {
        skip.Broken = true;
        skip.Reason = "くじ結果が正しくありません。";
        return std::nullopt;
    }
    return rec;
}

MarkArray clsBacktest::MarksFor(Marking marks, const VoteRecord& vote, clsIMessage& message)
{
    // The multi grid's own rules, so a back-test marks exactly as the player's menu does.
    clsTMulti multi(message);
    if (marks == Marking::All) {
        multi.MarkAll(1);
    } else {
        multi.SetVoteRecord(vote);
        multi.MarkByVoteOrder();
    }
    return multi.Value();
}

clsBacktest::Totals clsBacktest::Sum(std::span<const Row> rows)
{
    Totals t;
    for (const Row& r : rows) {
        ++t.Rounds;
        t.Hits += r.Hit ? 1 : 0;
        t.Cost += r.Cost;
        t.Won += r.Won;
    }
    return t;
}

bool clsBacktest::UsesOwnProbability(const ConditionSetRecord& jouken)
{
    return jouken.Value.EVFlag || jouken.Value.PFlag;
}

void clsBacktest::Work(const Request& req, std::stop_token token)
{
    NoBusy busy;
    NoWait wait;
    bool stopped = false;
    for (std::int32_t k = req.From; k <= req.To; ++k) {
        if (token.stop_requested()) {
            stopped = true;
            break;
        }
        Skip skip;
        std::optional<Row> row;
        try {
            if (const auto rec = LoadRound(req.ProgramDir, k, req.Kumi, skip)) {
                KeptMessage message;
                // Made per round, before the extraction it stops, so it never outlives it.
                clsTXStopPump pump(token);
                clsTX tx(message, pump);
                pump.Bind(tx);
                clsTMsgLog log;
                tx.Initialize(log, std::string());
                tx.SetVoteRecord(rec->Vote);
                tx.SetProbability(std::nullopt);
                const MarkArray marks = MarksFor(req.Marks, rec->Vote, message);
                std::int32_t count = 0;
                std::vector<std::int32_t> singles;
                tx.RunExtraction(req.Jouken, marks, count, singles);
                if (tx.Cancelled() || token.stop_requested()) {
                    stopped = true;
                    break;
                }
                count = std::max(0, std::min(count, static_cast<std::int32_t>(singles.size())));
                // The grader of the check page and of kelvra-cli grade.
                clsTResult grade(message, busy, wait, pump, req.ProgramDir);
                grade.Initialize();
                grade.SetResultData(k, req.Kumi, rec->Result, true);
                if (message.Text.empty() &&
                    grade.SetSingle(std::span<const std::int32_t>(
                        singles.data(), static_cast<std::size_t>(count))) &&
                    message.Text.empty()) {
                    row = Row{k, count, grade.Tally()[0] > 0, kTicketPrice * count,
                              grade.Kakutei().Amount(clsTResultKakutei::kRows - 1,
                                                     clsTResultKakutei::kColumns - 1)};
                } else {
                    skip = Skip{k, true,
                                message.Text.empty() ? "処理できませんでした。" : message.Text};
                }
            }
        } catch (const std::exception& e) {
            skip = Skip{k, true, e.what()};
        }
        std::lock_guard guard(m_lock);
        if (row) {
            m_progress.Rows.push_back(*row);
        } else {
            skip.Reason = RoundText(k) + ": " + skip.Reason;
            m_progress.Skips.push_back(skip);
        }
        ++m_progress.Done;
    }
    std::lock_guard guard(m_lock);
    m_progress.Running = false;
    m_progress.Stopped = stopped;
}
