// kelvra-cli run [--seed N] FILE.drd...: the batch run of the listed data files, each searched
// exactly as the main window's run command does it and saved back in place.

#include "app/basText.h"
#include "app/clsTerminalHost.h"
#include "cli/CliCommand.h"
#include "cli/basCliWork.h"
#include "engines/clsTRenzoku.h"

#include <ostream>

namespace {
int CmdRun(clsTerminalHost& host, const std::string& strHome, const std::vector<std::string>& args,
           std::ostream& out)
{
    std::optional<std::uint64_t> seed;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--seed") {
            std::uint64_t v = 0;
            bool ok = i + 1 < args.size() && !args[i + 1].empty() && args[i + 1].size() < 20;
            for (const char c : ok ? args[i + 1] : std::string()) {
                ok = ok && c >= '0' && c <= '9';
                v = v * 10 + static_cast<std::uint64_t>(c - '0');
            }
            if (!ok) {
                host.ShowMessage(MsgIcon::Error,
                                 "kelvra-cli run: --seed には 0 以上の整数を指定して下さい。", "");
                return 2;
            }
            seed = v;
            ++i;
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.empty()) {
        host.ShowMessage(MsgIcon::Error, "usage: kelvra-cli run [--seed N] FILE.drd...", "");
        return 2;
    }
    CliWork work(host, strHome, seed);
    clsDocument& doc = work.Document;
    clsTRenzoku batch(host,
                      clsTRenzoku::Target{
                          [&](const std::string& p) { return doc.FileLoadDRD(p, true, false); },
                          [&] { doc.Run(); },
                          [&] { doc.Cancel(); },
                          [&](const std::string& p) { return doc.FileSaveDRD(p, true, false); },
                      });
    for (const std::string& f : files) {
        batch.AddFile(f);
    }
    batch.RunBatch();
    bool all = true;
    for (const std::string& f : files) {
        for (const auto& row : batch.Rows()) {
            if (basText::EqualsNoCase(row.Path, f)) {
                out << f << '\t' << row.Status << '\n';
                all = all && row.Status == clsTRenzoku::StatusSuccess;
                break;
            }
        }
    }
    return all ? 0 : 1;
}
} // namespace

KELVRA_CLI_COMMAND("run", CmdRun);
