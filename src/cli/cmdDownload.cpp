// kelvra-cli download schedule|vote|result ROUND: the round's download button without the
// question. Exit 0 when a valid record is now held (downloaded, or already in the store) and
// filed unless it is an interim vote status; 1 when nothing valid came or its file could not be
// written.
// kelvra-cli download all FROM TO [--pause MS]: every round of the range the store lacks, one
// line per round; exit 0 when every round is complete or not held, 1 when any failed,
// kStopExitCode after a stop signal (what was filed stays, each file whole).

#include "cli/CliCommand.h"
#include "cli/clsTerminalHost.h"
#include "reference/basTotoSettings.h"
#include "store/clsHistoryDownload.h"
#include "store/clsTMain.h"
#include "store/clsXmlResult.h"
#include "store/clsXmlSchedule.h"
#include "store/clsXmlVote.h"

#include <ostream>

namespace {
void Usage(clsTerminalHost& host)
{
    host.ShowMessage(MsgIcon::Error,
                     "usage: kelvra-cli download schedule|vote|result ROUND\n"
                     "       kelvra-cli download all FROM TO [--pause MS]",
                     "");
}

// 1..9999, the range of the round field.
std::int32_t ParseRound(const std::string& strText)
{
    if (strText.empty() || strText.size() > 4) {
        return 0;
    }
    std::int32_t n = 0;
    for (char c : strText) {
        if (c < '0' || c > '9') {
            return 0;
        }
        n = n * 10 + (c - '0');
    }
    return n;
}

std::string Joined(const std::vector<std::string>& parts, std::string_view strSep)
{
    std::string text;
    for (const std::string& p : parts) {
        text += (text.empty() ? "" : std::string(strSep)) + p;
    }
    return text;
}

std::string RoundLine(const HistoryRound& round)
{
    using State = HistoryRound::State;
    std::string line = std::to_string(round.Kaisaikai) + "\t";
    switch (round.Outcome) {
    case State::Stored:
        return line + "保存\t" + Joined(round.Filed, " ");
    case State::Complete:
        return line + "保存済み";
    case State::NotHeld:
        return line + "未開催";
    case State::Failed:
        return line + "失敗\t" + Joined(round.Reasons, "; ");
    case State::Stopped:
        // A piece that failed before the stop keeps its reason.
        return line + "中断\t" + Joined(round.Filed, " ") +
               (round.Reasons.empty() ? "" : "; " + Joined(round.Reasons, "; "));
    }
    return line;
}

int DownloadAll(clsTerminalHost& host, const std::string& strHome,
                const std::vector<std::string>& args, std::ostream& out)
{
    if (args.size() != 3 && !(args.size() == 5 && args[3] == "--pause")) {
        Usage(host);
        return 2;
    }
    const std::int32_t from = ParseRound(args[1]);
    const std::int32_t to = ParseRound(args[2]);
    if (const std::string refused = clsHistoryDownload::CheckRange(from, to); !refused.empty()) {
        host.ShowMessage(MsgIcon::Error, refused, "");
        return 2;
    }
    std::int32_t pause = clsHistoryDownload::kDefaultPauseMs;
    if (args.size() == 5) {
        // Up to a minute; ParseRound's four digits are too few for milliseconds.
        const std::string& text = args[4];
        pause = -1;
        if (!text.empty() && text.size() <= 5 &&
            text.find_first_not_of("0123456789") == std::string::npos) {
            pause = std::stoi(text);
        }
        if (pause < 0 || pause > clsHistoryDownload::kMaxPauseMs) {
            host.ShowMessage(MsgIcon::Error,
                             "--pause はミリ秒で 0 から " +
                                 std::to_string(clsHistoryDownload::kMaxPauseMs) +
                                 " の数で指定して下さい。",
                             "");
            return 2;
        }
    }
    const TotoSettings settings = basTotoSettings::LoadTotoSettings(host, strHome);
    clsHistoryDownload batch(settings, strHome, host);
    batch.SetPauseMs(pause);
    bool stop = false;
    // The request in hand ends and its file is filed whole; no further request starts.
    clsTerminalHost::CatchStopSignals();
    host.StopRequested = [&] { stop = true; };
    batch.StopRequested = [&] { return stop; };
    batch.RoundDone = [&](const HistoryRound& round, std::int32_t, std::int32_t) {
        out << RoundLine(round) << "\n";
        out.flush();
    };
    const HistorySummary summary = batch.Download(from, to);
    host.StopRequested = nullptr;

    using State = HistoryRound::State;
    const std::int32_t failed = summary.Count(State::Failed);
    out << "合計\t保存 " << summary.Count(State::Stored) << "\t保存済み "
        << summary.Count(State::Complete) << "\t未開催 " << summary.Count(State::NotHeld)
        << "\t失敗 " << failed << "\n";
    out.flush();
    if (failed > 0) {
        std::string text = "取得できなかった回が " + std::to_string(failed) + " 回あります。";
        for (const HistoryRound& round : summary.Rounds) {
            for (const std::string& why : round.Reasons) {
                text += "\n第" + std::to_string(round.Kaisaikai) + "回 " + why;
            }
        }
        host.ShowMessage(MsgIcon::Warning, text, "");
    }
    if (summary.Stopped) {
        host.ShowMessage(MsgIcon::Warning,
                         "kelvra-cli download: 中断しました。" + summary.NotStartedText(from, to),
                         "");
        return clsTerminalHost::kStopExitCode;
    }
    return failed > 0 ? 1 : 0;
}

int CmdDownload(clsTerminalHost& host, const std::string& strHome,
                const std::vector<std::string>& args, std::ostream& out)
{
    if (!args.empty() && args[0] == "all") {
        return DownloadAll(host, strHome, args, out);
    }
    if (args.size() != 2 || (args[0] != "schedule" && args[0] != "vote" && args[0] != "result")) {
        Usage(host);
        return 2;
    }
    const std::int32_t round = ParseRound(args[1]);
    if (round <= 0) {
        host.ShowMessage(MsgIcon::Error, "開催回は 1 から 9999 の数で指定して下さい。", "");
        return 2;
    }
    const TotoSettings settings = basTotoSettings::LoadTotoSettings(host, strHome);
    clsTMain main(host.Host(), settings, strHome);
    main.Initialize();
    main.SetKaisaikai(round);
    if (main.NoGame()) {
        host.ShowMessage(MsgIcon::Warning, "第" + std::to_string(round) + "回は未開催です。", "");
        return 1;
    }

    bool ok = false;
    std::string file;
    if (args[0] == "schedule") {
        ok = main.GetSchedule(false);
        file = main.CheckScheduleFile() ? clsXmlSchedule(host, strHome).GetFileName(round, "") : "";
    } else if (args[0] == "vote") {
        ok = main.GetVote(false);
        file = main.CheckVoteFile() ? clsXmlVote(host, strHome).GetFileName(round, "") : "";
    } else {
        ok = main.GetResult(false);
        file = main.CheckResultFile() ? clsXmlResult(host, strHome).GetFileName(round, "") : "";
    }
    if (!ok) {
        return 1;
    }
    // The record was read but its file could not be written; the store has said why.
    if (main.SaveFailed()) {
        return 1;
    }
    if (args[0] == "vote" && !main.VoteLoader().LastFinal() && file.empty()) {
        // Only a vote status before the close of sales is taken without being stored.
        out << "第" << round << "回 投票状況 (途中経過、保存していません)\n";
        return 0;
    }
    if (file.empty()) {
        host.ShowMessage(MsgIcon::Error,
                         "第" + std::to_string(round) + "回のファイルがありません。", "");
        return 1;
    }
    out << file << "\n";
    return 0;
}
} // namespace

KELVRA_CLI_COMMAND("download", CmdDownload);
