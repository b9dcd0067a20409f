// kelvra-cli text ITEM FILE.drd: the clipboard text of an item, built from a data file as the
// Tools menu builds it from the loaded work.

#include "app/basMain.h"
#include "cli/CliCommand.h"
#include "cli/basCliWork.h"
#include "cli/clsTerminalHost.h"
#include "engines/clsTMsEngine.h"
#include "files/clsTClipboard.h"

#include <ostream>
#include <string>

namespace {
int CmdText(clsTerminalHost& host, const std::string& strHome, const std::vector<std::string>& args,
            std::ostream& out)
{
    if (args.size() != 2 ||
        (args[0] != "0" && args[0] != "1" && args[0] != "3" && args[0] != "4")) {
        host.ShowMessage(MsgIcon::Error, "usage: kelvra-cli text ITEM FILE.drd  (ITEM: 0, 1, 3, 4)",
                         "");
        return 2;
    }
    CliWork work(host, strHome);
    if (!work.Document.FileLoadDRD(args[1], true, true)) {
        return 1;
    }
    // The report names the compression method; a number no engine has would leave it blank.
    const std::int32_t engine = work.Document.Conditions().EngineSettings().MsEngine;
    if (!clsTMsEngine::KnownEngine(engine)) {
        host.ShowMessage(MsgIcon::Error,
                         "kelvra-cli text: " + args[1] + ": 圧縮方法の番号が正しくありません（" +
                             std::to_string(engine) + "）。",
                         "");
        return 1;
    }
    clsTClipboard clip(host, host, host, basMain::VersionText());
    bool tooMany = false;
    const std::string text = clip.BuildText(args[0][0] - '0', work.Document.GatherRecord(),
                                            work.Document.Round().Schedule(), tooMany);
    if (tooMany) {
        host.ShowMessage(MsgIcon::Warning, "1万口以上は出力出来ません", "");
        return 1;
    }
    out << text;
    return 0;
}
} // namespace

KELVRA_CLI_COMMAND("text", CmdText);
