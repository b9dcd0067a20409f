// kelvra-cli value FILE.drd: the chance and the worth of a data file's ticket set under the
// player's own probabilities, with the payouts estimated from the file's vote status.

#include "app/basValueReport.h"
#include "cli/CliCommand.h"
#include "cli/basCliWork.h"
#include "cli/clsTerminalHost.h"

#include <ostream>

namespace {
int CmdValue(clsTerminalHost& host, const std::string& strHome,
             const std::vector<std::string>& args, std::ostream& out)
{
    if (args.size() != 1) {
        host.ShowMessage(MsgIcon::Error, "usage: kelvra-cli value FILE.drd", "");
        return 2;
    }
    CliWork work(host, strHome);
    // As the window opens it, so an old file takes its archived vote status too.
    if (!work.Document.FileLoadDRD(args[0], true, true)) {
        return 1;
    }
    clsDocument& doc = work.Document;
    if (!doc.Round().Probability()) {
        host.ShowMessage(MsgIcon::Error,
                         args[0] +
                             ": 自分の確率がありません。確率を入力して保存したデータファイルを"
                             "指定して下さい。",
                         "");
        return 1;
    }
    // Without bets to estimate the payouts from, every figure would be 0: not a value.
    if (!doc.Round().Vote().HasVotes()) {
        host.ShowMessage(MsgIcon::Error,
                         args[0] +
                             ": 投票状況がありません。期待値には払戻金の推定に使う投票状況が必要"
                             "です。投票状況を取得して保存したデータファイルを指定して下さい。",
                         "");
        return 1;
    }
    clsTValue::SetValue sv;
    if (!doc.Round().GetSetValue(sv)) {
        return 1; // the value class has said why
    }
    for (const basValueReport::Line& line : basValueReport::SetValueLines(sv)) {
        out << line.Label << "\t" << line.Text << "\n";
    }
    return 0;
}
} // namespace

KELVRA_CLI_COMMAND("value", CmdValue);
