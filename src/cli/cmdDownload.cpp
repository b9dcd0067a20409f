// kelvra-cli download schedule|vote|result ROUND: the round's download button without the
// question. Exit 0 when a valid record is now held (downloaded, or already in the store) and
// filed unless it is an interim vote status; 1 when nothing valid came or its file could not be
// written.

#include "cli/CliCommand.h"
#include "cli/clsTerminalHost.h"
#include "reference/basTotoSettings.h"
#include "store/clsTMain.h"
#include "store/clsXmlResult.h"
#include "store/clsXmlSchedule.h"
#include "store/clsXmlVote.h"

#include <ostream>

namespace {
void Usage(clsTerminalHost& host)
{
    host.ShowMessage(MsgIcon::Error, "usage: kelvra-cli download schedule|vote|result ROUND", "");
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

int CmdDownload(clsTerminalHost& host, const std::string& strHome,
                const std::vector<std::string>& args, std::ostream& out)
{
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
