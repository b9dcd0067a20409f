// kelvra-cli run [--seed N] FILE.drd...: the batch run of the listed data files, each searched
// exactly as the main window's run command does it and saved back in place. SIGINT or SIGTERM
// stops it as the batch window's stop does, with exit code 130.

#include "base/basText.h"
#include "cli/CliCommand.h"
#include "cli/basCliWork.h"
#include "cli/clsTerminalHost.h"
#include "engines/clsTRenzoku.h"

#include <map>
#include <ostream>

namespace {
struct RunArgs
{
    std::optional<std::uint64_t> Seed;
    std::vector<std::string> Files;
};

// 0, or the exit code of a command line the run refuses (after saying why).
int ReadArgs(clsTerminalHost& host, const std::vector<std::string>& args, RunArgs& run)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--seed") {
            run.Files.push_back(args[i]);
            continue;
        }
        std::uint64_t v = 0;
        bool ok = i + 1 < args.size() && !args[i + 1].empty() && args[i + 1].size() < 20;
        for (const char c : ok ? args[i + 1] : std::string()) {
            ok = ok && basText::IsDigit(c);
            v = v * 10 + static_cast<std::uint64_t>(c - '0');
        }
        if (!ok) {
            host.ShowMessage(MsgIcon::Error,
                             "kelvra-cli run: --seed には 0 以上の整数を指定して下さい。", "");
            return 2;
        }
        run.Seed = v;
        ++i;
    }
    if (run.Files.empty()) {
        host.ShowMessage(MsgIcon::Error, "usage: kelvra-cli run [--seed N] FILE.drd...", "");
        return 2;
    }
    return 0;
}

// The batch's steps on the document. Why each failed file failed goes to reasons, told after
// its line; the batch itself only knows 失敗. current: the file in hand.
clsTRenzoku::Target DocumentTarget(clsDocument& doc, std::map<std::string, std::string>& reasons,
                                   std::string& current)
{
    return clsTRenzoku::Target{
        [&](const std::string& p) {
            current = p;
            if (doc.FileLoadDRD(p, true, false)) {
                return true;
            }
            reasons[p] = doc.LastFailure();
            return false;
        },
        [&] {
            if (doc.Search().Run()) {
                return true;
            }
            reasons[current] = doc.LastFailure() + " ファイルは変更していません。";
            return false;
        },
        [&] { doc.Search().Cancel(); },
        [&](const std::string& p) {
            if (doc.FileSaveDRD(p, true, false)) {
                return true;
            }
            reasons[p] = doc.LastFailure();
            return false;
        },
        [&] { return doc.Search().RunStoppedInExtraction(); },
    };
}

// A line per file the batch started, in the order given, with a failed file's reason after
// it. False when any failed; notRun counts the files a stop kept from starting.
bool ReportRows(clsTerminalHost& host, const std::vector<std::string>& files,
                const clsTRenzoku& batch, const std::map<std::string, std::string>& reasons,
                std::ostream& out, std::size_t& notRun)
{
    bool all = true;
    for (const std::string& f : files) {
        for (const auto& row : batch.Rows()) {
            if (!basText::EqualsNoCase(row.Path, f)) {
                continue;
            }
            if (row.Status.empty()) {
                ++notRun; // never started: the batch was stopped
                break;
            }
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
    return all;
}

int CmdRun(clsTerminalHost& host, const std::string& strHome, const std::vector<std::string>& args,
           std::ostream& out)
{
    RunArgs run;
    if (const int refused = ReadArgs(host, args, run)) {
        return refused;
    }
    CliWork work(host, strHome, run.Seed);
    clsDocument& doc = work.Document;
    std::map<std::string, std::string> reasons;
    std::string current;
    clsTRenzoku batch(host, DocumentTarget(doc, reasons, current));
    // A stop signal acts as the batch window's stop: the search in hand stops and its file is
    // saved, no further file starts. It is pressed on every pump after the signal, since the
    // search of a file being loaded only starts later.
    clsTerminalHost::CatchStopSignals();
    host.StopRequested = [&] {
        doc.Search().Cancel();
        batch.StopBatch();
    };
    for (const std::string& f : run.Files) {
        batch.AddFile(f);
    }
    batch.RunBatch();
    host.StopRequested = nullptr;
    std::size_t notRun = 0;
    const bool all = ReportRows(host, run.Files, batch, reasons, out, notRun);
    if (clsTerminalHost::StopSignal() != 0) {
        out.flush();
        std::string text = "kelvra-cli run: シグナル " +
                           std::to_string(clsTerminalHost::StopSignal()) + " で中断しました。";
        if (notRun > 0) {
            text += "実行していないファイルが " + std::to_string(notRun) + " 個あります。";
        }
        host.ShowMessage(MsgIcon::Warning, text, "");
        return clsTerminalHost::kStopExitCode;
    }
    return all ? 0 : 1;
}
} // namespace

KELVRA_CLI_COMMAND("run", CmdRun);
