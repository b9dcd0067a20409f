// kelvra-cli update-teams [--site URL]: the 海外チーム名 button without the question.
// --site points at another copy of the maker's site (a local fixture server, say).

#include "cli/CliCommand.h"
#include "cli/clsTerminalHost.h"
#include "net/clsWinInet.h"
#include "reference/clsDrovaneDownload.h"

namespace {
int CmdUpdateTeams(clsTerminalHost& host, const std::string& strHome,
                   const std::vector<std::string>& args, std::ostream&)
{
    std::string site(clsDrovaneDownload::kDefaultSite);
    if (args.size() == 2 && args[0] == "--site" && !args[1].empty()) {
        site = args[1];
        while (!site.empty() && site.back() == '/') {
            site.pop_back();
        }
    } else if (!args.empty()) {
        host.ShowMessage(MsgIcon::Error, "usage: kelvra-cli update-teams [--site URL]", "");
        return 2;
    }
    clsHost h = host.Host();
    clsWinInet inet(h.Message, h.Busy, h.Wait);
    clsDrovaneDownload download(h, inet, strHome, site);
    return download.DownloadTeamName2(false) ? 0 : 1;
}
} // namespace

KELVRA_CLI_COMMAND("update-teams", CmdUpdateTeams);
