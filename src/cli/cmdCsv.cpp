// kelvra-cli csv export FILE.drd OUT.csv / csv import IN.csv FILE.drd: a data file's tickets to
// a CSV file, and a CSV file's tickets into a data file (frame recounted, file saved in place).

#include "app/basMain.h"
#include "cli/CliCommand.h"
#include "cli/basCliWork.h"
#include "cli/clsTerminalHost.h"

#include <ostream>

namespace {
int CmdCsv(clsTerminalHost& host, const std::string& strHome, const std::vector<std::string>& args,
           std::ostream& /*out*/)
{
    if (args.size() != 3 || (args[0] != "export" && args[0] != "import")) {
        host.ShowMessage(
            MsgIcon::Error,
            "usage: kelvra-cli csv export FILE.drd OUT.csv | csv import IN.csv FILE.drd", "");
        return 2;
    }
    CliWork work(host, strHome);
    // The window's own commands, on the document.
    if (args[0] == "export") {
        if (!work.Document.FileLoadDRD(args[1], true, true)) {
            return 1;
        }
        return work.Document.Tickets().CsvSave(args[2]) ? 0 : 1;
    }
    if (!work.Document.FileLoadDRD(args[2], true, true)) {
        return 1;
    }
    if (!work.Document.Tickets().CsvReplace(args[1])) {
        return 1;
    }
    return work.Document.FileSaveDRD(args[2], true, true) ? 0 : 1;
}
} // namespace

KELVRA_CLI_COMMAND("csv", CmdCsv);
