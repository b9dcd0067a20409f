#include "store/clsHistoryDownload.h"

#include "base/clsHost.h"
#include "store/clsLoaderBase.h"
#include "store/clsResult.h"
#include "store/clsSchedule.h"
#include "store/clsTMain.h"
#include "store/clsVote.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace {
// What the loaders are given in a batch: nothing opens, nothing asks, and whatever a reader or
// the store would have said in a box is kept for the round's reason.
class BatchServices final : public clsIMessage,
                            public clsIAsk,
                            public clsIBusy,
                            public clsIWait,
                            public clsIClipboard,
                            public clsIOpener
{
public:
    void ShowMessage(MsgIcon, std::string_view strText, std::string_view) override
    {
        std::string line(strText);
        // Boxes break lines; a summary line must not.
        for (std::size_t pos = 0; (pos = line.find("\r\n", pos)) != std::string::npos;) {
            line.replace(pos, 2, " ");
        }
        std::replace(line.begin(), line.end(), '\n', ' ');
        Said.push_back(std::move(line));
    }
    bool YesNo(std::string_view, std::string_view, bool blnDefault) override { return blnDefault; }
    AskAnswer YesNoCancel(std::string_view, std::string_view, std::string_view, std::string_view,
                          std::string_view, AskAnswer ansDefault) override
    {
        return ansDefault;
    }
    void BeginBusy() override {}
    void EndBusy() override {}
    void WaitShow(std::string_view, std::int32_t) override {}
    void WaitMessage(std::string_view) override {}
    void WaitValue(std::int32_t) override {}
    void WaitClose() override {}
    std::string GetText() override { return {}; }
    void SetText(std::string_view) override {}
    bool Open(std::string_view, std::string_view) override { return false; }

    std::vector<std::string> Said;
};

enum class Piece
{
    Held,
    Filed,
    Failed,
    Stopped
};

std::string Reason(const clsLoaderBase& loader, const std::vector<std::string>& said)
{
    if (loader.Unpublished()) {
        return "発表されていません";
    }
    std::string text = loader.Fault();
    for (const std::string& line : said) {
        if (line.empty() || text.find(line) != std::string::npos) {
            continue;
        }
        text += (text.empty() ? "" : " ") + line;
    }
    return text.empty() ? "ダウンロードに失敗しました" : text;
}
} // namespace

std::int32_t HistorySummary::Count(HistoryRound::State state) const
{
    return static_cast<std::int32_t>(std::count_if(
        Rounds.begin(), Rounds.end(), [&](const HistoryRound& r) { return r.Outcome == state; }));
}

std::string HistorySummary::NotStartedText(std::int32_t lngFrom, std::int32_t lngTo) const
{
    if (!Stopped) {
        return {};
    }
    std::int32_t next = Rounds.empty() ? lngFrom : Rounds.back().Kaisaikai + 1;
    // The round the stop cut short is started already; what it lacks is in its line.
    if (next > lngTo) {
        return {};
    }
    return next == lngTo ? "第" + std::to_string(next) + "回は取得していません。"
                         : "第" + std::to_string(next) + "回から第" + std::to_string(lngTo) +
                               "回は取得していません。";
}

clsHistoryDownload::clsHistoryDownload(const TotoSettings& settings, std::string strProgramDir,
                                       clsIPump& pump)
    : m_settings(settings)
    , m_programDir(std::move(strProgramDir))
    , m_pump(pump)
{}

std::string clsHistoryDownload::CheckRange(std::int32_t lngFrom, std::int32_t lngTo)
{
    if (lngFrom < 1 || lngTo < 1 || lngFrom > clsTMain::kMaxKaisaikai ||
        lngTo > clsTMain::kMaxKaisaikai) {
        return "開催回は 1 から 9999 の数で指定して下さい。";
    }
    if (lngFrom > lngTo) {
        return "開始回は終了回以下にして下さい。";
    }
    if (lngTo - lngFrom + 1 > kMaxRounds) {
        return "一度に取得できるのは " + std::to_string(kMaxRounds) + " 回までです。";
    }
    return {};
}

bool clsHistoryDownload::Stopping()
{
    m_pump.DoEvents();
    return StopRequested && StopRequested();
}

bool clsHistoryDownload::BeforeRequest(std::int32_t lngRequests)
{
    if (Stopping()) {
        return false;
    }
    if (lngRequests == 0) {
        return true;
    }
    // Short slices, so that a stop during a long pause is seen at once.
    constexpr std::int32_t kSliceMs = 50;
    const std::int64_t start = m_pump.TickMs();
    for (;;) {
        const std::int64_t left = m_pauseMs - (m_pump.TickMs() - start);
        if (left <= 0) {
            return true;
        }
        m_pump.WaitForEvents(static_cast<std::int32_t>(std::min<std::int64_t>(left, kSliceMs)));
        if (Stopping()) {
            return false;
        }
    }
}

HistorySummary clsHistoryDownload::Download(std::int32_t lngFrom, std::int32_t lngTo)
{
    HistorySummary summary;
    if (!CheckRange(lngFrom, lngTo).empty()) {
        return summary;
    }
    BatchServices services;
    const clsHost host{services, services, m_pump, services, services, services, services};
    clsSchedule schedule(host, m_settings, m_programDir);
    clsVote vote(host, m_settings, m_programDir);
    clsResult result(host, m_settings, m_programDir);
    for (clsLoaderBase* loader :
         {static_cast<clsLoaderBase*>(&schedule), static_cast<clsLoaderBase*>(&vote),
          static_cast<clsLoaderBase*>(&result)}) {
        loader->Initialize();
        // The page in hand is dropped at a stop; nothing of it has been filed.
        loader->SetCancelCheck([this] { return Stopping(); });
    }
    const std::string kumi;

    // One piece of a round: the stored file when it loads, else one request for the page.
    // load(DType) is the loader's load; filed() whether the round's file is there now.
    const auto fetch = [&](HistoryRound& round, std::string_view strKind, clsLoaderBase& loader,
                           const auto& load, const auto& filed,
                           std::string_view strNotFiled) -> Piece {
        services.Said.clear();
        if (load(clsLoaderBase::kFromFile)) {
            return Piece::Held;
        }
        if (!BeforeRequest(summary.Requests)) {
            return Piece::Stopped;
        }
        services.Said.clear();
        ++summary.Requests;
        const bool valid = load(clsLoaderBase::kFromFile | clsLoaderBase::kDownload);
        if (valid && filed() && !loader.SaveFailed()) {
            round.Filed.emplace_back(strKind);
            return Piece::Filed;
        }
        if (StopRequested && StopRequested()) {
            return Piece::Stopped;
        }
        const std::string why = valid && !loader.SaveFailed() && services.Said.empty()
                                    ? std::string(strNotFiled)
                                    : Reason(loader, services.Said);
        round.Reasons.push_back(std::string(strKind) + ": " + why);
        return Piece::Failed;
    };

    const std::int32_t total = lngTo - lngFrom + 1;
    for (std::int32_t n = lngFrom; n <= lngTo; ++n) {
        HistoryRound round;
        round.Kaisaikai = n;
        std::vector<Piece> pieces;
        const auto notHeld = [&] {
            return schedule.NoGame() || schedule.Schedule().HoldState == 1;
        };
        pieces.push_back(fetch(
            round, "開催情報", schedule,
            // A schedule of a round not held need not be valid: it is still the round's answer.
            [&](std::int32_t t) { return schedule.GetSchedule(n, kumi, t, false) || notHeld(); },
            [&] { return schedule.CheckScheduleFile(n, kumi); }, "保存できませんでした"));
        // Without a schedule there is no round to ask about; a round not held has nothing more.
        const bool more =
            (pieces.back() == Piece::Held || pieces.back() == Piece::Filed) && !notHeld();
        if (more) {
            pieces.push_back(fetch(
                round, "投票状況", vote,
                [&](std::int32_t t) { return vote.GetVote(n, kumi, t, false); },
                [&] { return vote.CheckVoteFile(n, kumi); },
                "販売終了時点の投票状況ではないため保存していません"));
        }
        if (more && pieces.back() != Piece::Stopped) {
            pieces.push_back(fetch(
                round, "くじ結果", result,
                [&](std::int32_t t) { return result.GetResult(n, kumi, t, false); },
                [&] { return result.CheckResultFile(n, kumi); }, "保存できませんでした"));
        }
        const auto any = [&](Piece p) { return std::find(pieces.begin(), pieces.end(), p); };
        if (any(Piece::Stopped) != pieces.end()) {
            round.Outcome = HistoryRound::State::Stopped;
        } else if (any(Piece::Failed) != pieces.end()) {
            round.Outcome = HistoryRound::State::Failed;
        } else if (notHeld()) {
            round.Outcome = HistoryRound::State::NotHeld;
        } else {
            round.Outcome =
                round.Filed.empty() ? HistoryRound::State::Complete : HistoryRound::State::Stored;
        }
        const bool stopped = round.Outcome == HistoryRound::State::Stopped;
        // A round the stop came before, with nothing filed, was never started.
        if (!stopped || !round.Filed.empty()) {
            summary.Rounds.push_back(round);
            if (RoundDone) {
                RoundDone(round, n - lngFrom + 1, total);
            }
        }
        if (stopped) {
            summary.Stopped = true;
            break;
        }
    }
    return summary;
}
