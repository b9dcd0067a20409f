// kelvra-cli backtest FILE.drd --from A --to B [--marks vote|all]: the file's conditions run over
// the stored rounds A..B, each marked afresh, as the window's バックテスト runs them; a line per
// round tested and a total. SIGINT or SIGTERM stops it after the round in hand (exit 130), the
// lines so far printed.

#include "base/basText.h"
#include "cli/CliCommand.h"
#include "cli/basCliWork.h"
#include "cli/clsTerminalHost.h"
#include "store/clsBacktest.h"

#include <chrono>
#include <optional>
#include <ostream>
#include <thread>

namespace {
constexpr const char* kUsage =
    "usage: kelvra-cli backtest FILE.drd --from ROUND --to ROUND [--marks vote|all]";

struct BacktestArgs
{
    std::string File;
    std::optional<std::int32_t> From;
    std::optional<std::int32_t> To;
    clsBacktest::Marking Marks = clsBacktest::Marking::Vote;
};

std::optional<std::int32_t> RoundNumber(const std::string& strText)
{
    if (strText.empty() || strText.size() > 6) {
        return std::nullopt;
    }
    std::int32_t v = 0;
    for (const char c : strText) {
        if (!basText::IsDigit(c)) {
            return std::nullopt;
        }
        v = v * 10 + (c - '0');
    }
    return v;
}

// 0, or the exit code of a command line refused (after saying why).
int ReadArgs(clsTerminalHost& host, const std::vector<std::string>& args, BacktestArgs& bt)
{
    const auto refuse = [&](const std::string& strWhy) {
        host.ShowMessage(MsgIcon::Error, strWhy.empty() ? kUsage : "kelvra-cli backtest: " + strWhy,
                         "");
        return 2;
    };
    bool marksGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--from" || a == "--to") {
            auto& target = a == "--from" ? bt.From : bt.To;
            const auto n = i + 1 < args.size() ? RoundNumber(args[i + 1]) : std::nullopt;
            if (target || !n || *n < 1) {
                return refuse(a + " には 1 以上の開催回を 1 つ指定して下さい。");
            }
            target = n;
            ++i;
        } else if (a == "--marks") {
            if (marksGiven || i + 1 >= args.size() ||
                (args[i + 1] != "vote" && args[i + 1] != "all")) {
                return refuse("--marks には vote か all を指定して下さい。");
            }
            marksGiven = true;
            bt.Marks = args[++i] == "all" ? clsBacktest::Marking::All : clsBacktest::Marking::Vote;
        } else if (bt.File.empty() && !a.starts_with("--")) {
            bt.File = a;
        } else {
            return refuse("");
        }
    }
    if (bt.File.empty() || !bt.From || !bt.To) {
        return refuse("");
    }
    if (*bt.To < *bt.From) {
        return refuse("--to の開催回が --from の開催回より前です。");
    }
    return 0;
}

void PrintRow(std::ostream& out, const clsBacktest::Row& r)
{
    out << r.Kaisaikai << '\t' << r.Singles << '\t' << (r.Hit ? 1 : 0) << '\t' << r.Cost.ToString()
        << '\t' << r.Won.ToString() << '\n';
}

int CmdBacktest(clsTerminalHost& host, const std::string& strHome,
                const std::vector<std::string>& args, std::ostream& out)
{
    BacktestArgs bt;
    if (const int refused = ReadArgs(host, args, bt)) {
        return refused;
    }
    CliWork work(host, strHome);
    clsDocument& doc = work.Document;
    // Only the conditions are used; the file's marks and round are not.
    if (!doc.FileLoadDRD(bt.File, true, false)) {
        host.ShowMessage(MsgIcon::Error, bt.File + ": " + doc.LastFailure(), "");
        return 1;
    }
    if (clsBacktest::UsesOwnProbability(doc.Conditions().JoukenPanels().Gather())) {
        host.ShowMessage(
            MsgIcon::Warning,
            bt.File + ": 期待値と１等確率の条件は自分の確率が回ごとにないため使いません。", "");
    }
    if (!doc.Search().StartBacktest(*bt.From, *bt.To, bt.Marks)) {
        host.ShowMessage(MsgIcon::Error, "kelvra-cli backtest: バックテストを開始できません。", "");
        return 1;
    }
    // Rows are printed as they come, so a long back-test shows its progress and a stop
    // keeps what was done.
    clsTerminalHost::CatchStopSignals();
    std::size_t printed = 0;
    bool running = true;
    while (running) {
        running = doc.Search().Backtest().Running();
        if (clsTerminalHost::StopSignal() != 0) {
            doc.Search().StopBacktest();
            running = false;
        }
        for (const auto& r : doc.Search().Backtest().RowsFrom(printed)) {
            PrintRow(out, r);
            ++printed;
        }
        if (running) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    doc.Search().WaitBacktest();
    const clsBacktest::Progress done = doc.Search().Backtest().Snapshot();
    for (std::size_t i = printed; i < done.Rows.size(); ++i) {
        PrintRow(out, done.Rows[i]);
    }
    const clsBacktest::Totals t = clsBacktest::Sum(done.Rows);
    out << "合計\t" << t.Rounds << '\t' << t.Hits << '\t' << t.Cost.ToString() << '\t'
        << t.Won.ToString() << '\n';
    out.flush();
    bool broken = false;
    for (const auto& s : done.Skips) {
        if (s.Broken) {
            host.ShowMessage(MsgIcon::Warning, s.Reason, "");
            broken = true;
        }
    }
    if (clsTerminalHost::StopSignal() != 0 || done.Stopped) {
        host.ShowMessage(MsgIcon::Warning,
                         "kelvra-cli backtest: シグナル " +
                             std::to_string(clsTerminalHost::StopSignal()) + " で中断しました。",
                         "");
        return clsTerminalHost::kStopExitCode;
    }
    return broken ? 1 : 0;
}
} // namespace

KELVRA_CLI_COMMAND("backtest", CmdBacktest);
