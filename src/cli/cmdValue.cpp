// kelvra-cli value FILE.drd: the chance and the worth of a data file's ticket set under the
// player's own probabilities, with the payouts estimated from the file's vote status.

#include "cli/CliCommand.h"
#include "cli/basCliWork.h"
#include "cli/clsTerminalHost.h"
#include "lottery/clsTValue.h"

#include <cmath>
#include <cstdio>
#include <ostream>

namespace {
std::string Fixed10(double dblValue)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.10f", dblValue);
    return buf;
}

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
    const clsDocument& doc = work.Document;
    if (!doc.Probability()) {
        host.ShowMessage(MsgIcon::Error,
                         args[0] +
                             ": 自分の確率がありません。確率を入力して保存したデータファイルを"
                             "指定して下さい。",
                         "");
        return 1;
    }
    // Without a vote status every payout is 0, but the grades the round pays still follow
    // the round.
    VoteRecord vote = doc.Vote();
    if (vote.Kaisaikai == 0) {
        vote.Kaisaikai = doc.Kaisaikai();
    }
    clsTValue value(host);
    clsTValue::SetValue sv;
    if (!value.SetProbability(*doc.Probability()) || !value.SetVote(vote) ||
        !value.GetSetValue(doc.Singles(), sv)) {
        return 1; // the value class has said why
    }
    out << "1等以上\t" << Fixed10(sv.Grade1) << "\n";
    out << "2等以上\t" << Fixed10(sv.Grade2) << "\n";
    out << "3等以上\t" << Fixed10(sv.Grade3) << "\n";
    out << "期待値\t" << std::llround(sv.EV) << "\n";
    out << "購入金額\t" << sv.Cost.ToString() << "\n";
    return 0;
}
} // namespace

KELVRA_CLI_COMMAND("value", CmdValue);
