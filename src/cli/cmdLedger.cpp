// kelvra-cli ledger FILE.drd...: what each bought file cost and won, and the season's total.

#include "app/clsLedger.h"
#include "cli/CliCommand.h"
#include "cli/clsTerminalHost.h"

#include <ostream>

namespace {
int CmdLedger(clsTerminalHost& host, const std::string& strHome,
              const std::vector<std::string>& args, std::ostream& out)
{
    if (args.empty()) {
        host.ShowMessage(MsgIcon::Error, "usage: kelvra-cli ledger FILE.drd...", "");
        return 2;
    }
    clsLedger ledger(host.Host(), strHome);
    std::vector<LedgerEntry> entries;
    std::string lines;
    for (const std::string& file : args) {
        entries.push_back(ledger.Grade(file));
        // One unreadable file makes the whole ledger wrong: nothing is printed.
        if (!entries.back().Read()) {
            host.ShowMessage(MsgIcon::Error, entries.back().Error, "");
            return 1;
        }
        lines += clsLedger::EntryLine(entries.back()) + "\n";
    }
    std::string error;
    const auto total = clsLedger::Sum(entries, error);
    if (!total) {
        host.ShowMessage(MsgIcon::Error, error, "");
        return 1;
    }
    out << lines << clsLedger::TotalLine(*total) << "\n";
    return 0;
}
} // namespace

KELVRA_CLI_COMMAND("ledger", CmdLedger);
