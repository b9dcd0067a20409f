// kelvra-cli run [--seed N] FILE.drd...: the batch run of the listed data files, each searched
// exactly as the main window's run command does it and saved back in place.

#include "app/basText.h"
#include "app/clsTerminalHost.h"
#include "cli/CliCommand.h"
#include "cli/basCliWork.h"
#include "engines/clsTRenzoku.h"

#include <map>
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
    // Why each failed file failed, told after its line; the batch itself only knows 失敗.
    std::map<std::string, std::string> reasons;
    std::string current;
    clsTRenzoku batch(host, clsTRenzoku::Target{
                                [&](const std::string& p) {
                                    current = p;
                                    if (doc.FileLoadDRD(p, true, false)) {
                                        return true;
                                    }
                                    reasons[p] = doc.LastFailure();
                                    return false;
                                },
                                [&] {
                                    if (doc.Run()) {
                                        return true;
                                    }
                                    reasons[current] =
                                        doc.LastFailure() + " ファイルは変更していません。";
                                    return false;
                                },
                                [&] { doc.Cancel(); },
                                [&](const std::string& p) {
                                    if (doc.FileSaveDRD(p, true, false)) {
                                        return true;
                                    }
                                    reasons[p] = doc.LastFailure();
                                    return false;
                                },
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
                if (row.Status == clsTRenzoku::StatusFailure) {
                    out.flush(); // the reason follows its line
                    const auto it = reasons.find(row.Path);
                    host.ShowMessage(MsgIcon::Error,
                                     f + ": " +
                                         (it == reasons.end() || it->second.empty()
                                              ? std::string("処理できませんでした。")
                                              : it->second),
                                     "");
                }
                break;
            }
        }
    }
    return all ? 0 : 1;
}
} // namespace

KELVRA_CLI_COMMAND("run", CmdRun);
