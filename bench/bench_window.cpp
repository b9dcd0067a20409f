// Not a benchmark: run by hand (scripts/bench-window.sh runs it offscreen and under Xvfb with
// the accessibility bridge). Times a search in the real main window, from the click on 検索開始
// to the last log line drawn, against the same search as kelvra-cli run does it (its host and
// document, in this process, on the same file), and the longest time the window went without
// an event pass. Wall clock and the process's processor time: on a shared machine only the
// second is free of the other users' load. Cases: the full multi with engines 0, 1, 3 and 6,
// the sample with engine 2. Then each case's result file opened in a window that stands, against
// the command line's reading of it.
//   usage: bench_window --home DIR [--reps N] [--case NAME]...
#include "app/clsDocument.h"
#include "app/qt/basQtLocale.h"
#include "app/qt/basQtMain.h"
#include "app/qt/frmMain.h"
#include "base/qt/clsQtHost.h"
#include "cli/basCliWork.h"
#include "cli/clsTerminalHost.h"
#include "support/TempDir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {
struct Case
{
    const char* Name;
    bool FullMulti;
    std::int32_t Engine;
    bool Long = false; // a run of a minute, for a screen reader's queries during it; on request
};

constexpr Case kCases[] = {
    {"full-e0", true, 0}, // no compression: the whole multi is the set
    {"full-e1", true, 1},
    {"full-e3", true, 3},
    {"full-e6", true, 6},
    {"sample-e2", false, 2},
    {"sample-e2-long", false, 2, true},
};

// The processor time of the whole process (every thread): on a shared machine the wall clock
// counts the other users' work too, this only our own.
double CpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? 0.0 : n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

// The case's data file, written by the document.
bool MakeFile(const std::string& strHome, const Case& c, const std::string& strOut)
{
    std::ostringstream err;
    clsTerminalHost host(err);
    CliWork work(host, strHome, 1);
    clsDocument& doc = work.Document;
    // The full multi on a new document, without conditions: all 1,594,323 singles reach the
    // engine.
    const std::string sample = strHome + "/UserData/Kelvra/sample.drd";
    if (!c.FullMulti && !doc.FileLoadDRD(sample, true, false)) {
        std::cerr << "cannot read " << sample << ": " << err.str() << '\n';
        return false;
    }
    if (c.FullMulti) {
        MarkArray full{};
        for (auto& row : full) {
            row.fill(1);
        }
        doc.Marks().SetMarks(full);
    }
    doc.Conditions().EditEngineSettings([&c](clsEnginePanels& p) {
        p.SetMsEngine(c.Engine);
        if (c.Engine == 2 && c.Long) {
            p.Sakugen().SetBeginCount(Currency::FromInt(6200));
            p.Sakugen().SetEndCount(Currency::FromInt(1));
            p.Sakugen().SetEndTime(Currency::FromInt(60));
        } else if (c.Engine == 2) {
            // The trial search from about the fast search's count down by 200, 1 s a size.
            p.Sakugen().SetBeginCount(Currency::FromInt(6200));
            p.Sakugen().SetEndCount(Currency::FromInt(6000));
            p.Sakugen().SetEndTime(Currency::FromInt(1));
        }
    });
    return doc.FileSaveDRD(strOut, true, false);
}

// kelvra-cli run's search: its host, its document, no event loop.
double CliSeconds(const std::string& strHome, const std::string& strFile, int& lngSingles,
                  double& dblCpu, const std::string& strResult)
{
    std::ostringstream err;
    clsTerminalHost host(err);
    CliWork work(host, strHome, 1);
    if (!work.Document.FileLoadDRD(strFile, true, false)) {
        return -1;
    }
    QElapsedTimer t;
    t.start();
    const double cpu = CpuSeconds();
    const bool ok = work.Document.Search().Run();
    const double s = static_cast<double>(t.nsecsElapsed()) / 1e9;
    dblCpu = CpuSeconds() - cpu;
    lngSingles = ok ? work.Document.Tickets().SingleCount() : -1;
    if (!ok || !err.str().empty()) {
        std::cerr << "cli: " << work.Document.LastFailure() << ' ' << err.str() << '\n';
    }
    // The window's result too: the same search from the same seed.
    if (!strResult.empty() && !work.Document.FileSaveDRD(strResult, true, false)) {
        std::cerr << "cannot save " << strResult << '\n';
    }
    return s;
}

struct WindowTime
{
    double Seconds = -1;
    double Cpu = -1;
    int Singles = -1;
    double MaxGapMs = 0;
    std::int64_t Passes = 0;   // timer ticks seen: event passes at least 5 ms apart
    double SingleSeconds = -1; // the first show of the single page after the run
    double CheckSeconds = -1;  // and then of the check page
    std::string GapAt;         // the log's last full line when the longest gap began and ended
};

WindowTime WindowSeconds(clsQtHost& qtHost, const std::string& strHome, const std::string& strFile)
{
    WindowTime r;
    TotoSettings settings;
    const std::unique_ptr<frmMain> window =
        basQtMain::Start(qtHost.Host(), strHome, settings, {strFile}, {}, 1);
    if (!window) {
        return r;
    }
    window->ShowPage(frmMain::PageMulti);
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
    }
    auto* run = window->findChild<QAbstractButton*>(QStringLiteral("cmdRun"));
    if (run == nullptr) {
        std::cerr << "no 検索開始 button\n";
        return r;
    }
    // A pass of the event loop runs due timers: the gap between two ticks is the longest the
    // window left the user waiting.
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 maxGap = 0;
    std::string before; // the log's last full line at the previous pass
    QTimer tick;
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        const auto& lines = window->Document().Search().Log().Lines();
        const std::string at = lines.size() > 1 ? lines[lines.size() - 2] : "";
        if (now - last > maxGap) {
            r.GapAt = "\"" + before + "\" to \"" + at + "\"";
        }
        before = at;
        maxGap = std::max(maxGap, now - last);
        last = now;
        ++r.Passes;
    });
    clock.start();
    const double cpu = CpuSeconds();
    tick.start();
    run->click();                  // returns when the search has ended
    QApplication::processEvents(); // what the last line asked to draw
    const qint64 end = clock.nsecsElapsed();
    r.Cpu = CpuSeconds() - cpu;
    r.Singles = window->Document().Tickets().SingleCount();
    if (end - last > maxGap) {
        r.GapAt = "(the end of the run)";
    }
    maxGap = std::max(maxGap, end - last);
    tick.stop();
    r.Seconds = static_cast<double>(end) / 1e9;
    r.MaxGapMs = static_cast<double>(maxGap) / 1e6;
    // The first show of the pages that list the run's tickets.
    const auto firstShow = [&window](int lngPage) {
        QElapsedTimer t;
        t.start();
        window->ShowPage(lngPage);
        QApplication::processEvents();
        return static_cast<double>(t.nsecsElapsed()) / 1e9;
    };
    r.SingleSeconds = firstShow(frmMain::PageSingle);
    r.CheckSeconds = firstShow(frmMain::PageCheck);
    return r;
}

struct OpenTime
{
    int Tickets = -1;
    double CliSeconds = -1;    // kelvra-cli's reading of the file
    double WindowSeconds = -1; // the window's opening of it, drawn
    double SingleSeconds = -1; // then the first show of the single page
    double CheckSeconds = -1;  // and of the check page
};

// A file holding a run's set, read as the command line reads it and opened in a window that
// stands already, as the player opens his work.
OpenTime OpenSeconds(clsQtHost& qtHost, const std::string& strHome, const std::string& strFile)
{
    OpenTime r;
    {
        std::ostringstream err;
        clsTerminalHost host(err);
        CliWork work(host, strHome, 1);
        QElapsedTimer t;
        t.start();
        if (!work.Document.FileLoadDRD(strFile, true, false)) {
            return r;
        }
        r.CliSeconds = static_cast<double>(t.nsecsElapsed()) / 1e9;
        r.Tickets = work.Document.Tickets().SingleCount();
    }
    TotoSettings settings;
    const std::unique_ptr<frmMain> window =
        basQtMain::Start(qtHost.Host(), strHome, settings, {}, {}, 1);
    if (!window) {
        return r;
    }
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
    }
    const auto timed = [](auto&& fn) {
        QElapsedTimer t;
        t.start();
        fn();
        QApplication::processEvents();
        return static_cast<double>(t.nsecsElapsed()) / 1e9;
    };
    r.WindowSeconds = timed([&] { window->OpenFiles({strFile}); });
    r.SingleSeconds = timed([&] { window->ShowPage(frmMain::PageSingle); });
    r.CheckSeconds = timed([&] { window->ShowPage(frmMain::PageCheck); });
    return r;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    basQtLocale::SubstituteWindowsFonts();
    std::string home;
    int reps = 3;
    std::vector<std::string> only;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--home") {
            home = argv[i + 1];
        } else if (a == "--reps") {
            reps = std::max(1, std::atoi(argv[i + 1]));
        } else if (a == "--case") {
            only.emplace_back(argv[i + 1]);
        }
    }
    if (home.empty()) {
        std::cerr << "usage: bench_window --home DIR [--reps N] [--case NAME]...\n";
        return 2;
    }
    // A copy: the window writes its settings and the runs rewrite nothing of the shipped data.
    TempDir dir;
    for (const char* sub : {"SysData", "UserData"}) {
        fs::copy(fs::path(home) / sub, dir.Path() / sub, fs::copy_options::recursive);
    }
    const std::string work = dir.Str();
    clsQtHost qtHost;
    struct OpenRow
    {
        std::string Name;
        int Tickets;
        double Cli;
        double Window;
        double Single;
        double Check;
    };
    std::vector<OpenRow> openRows;
    std::printf("%-10s %9s %9s %6s %9s %9s %6s %9s %7s %9s %9s\n", "case", "cli s", "window s",
                "ratio", "cli cpu", "win cpu", "ratio", "gap ms", "passes", "single s", "check s");
    for (const Case& c : kCases) {
        const bool named = std::find(only.begin(), only.end(), c.Name) != only.end();
        if (only.empty() ? c.Long : !named) {
            continue;
        }
        const std::string file = work + "/UserData/Kelvra/bench-" + c.Name + ".drd";
        if (!MakeFile(work, c, file)) {
            return 1;
        }
        std::vector<double> cli;
        std::vector<double> win;
        std::vector<double> cliCpu;
        std::vector<double> winCpu;
        std::vector<double> gaps;
        std::vector<double> passes;
        std::vector<double> single;
        std::vector<double> check;
        const std::string result = work + "/UserData/Kelvra/bench-" + c.Name + "-result.drd";
        for (int r = 0; r < reps; ++r) {
            // Alternated, so that a change in the machine's load falls on both.
            int singles = 0;
            double cpu = 0;
            // The long case times only the window: it is there to be queried while it runs.
            cli.push_back(c.Long ? 0.0
                                 : CliSeconds(work, file, singles, cpu, r == 0 ? result : ""));
            cliCpu.push_back(cpu);
            const WindowTime w = WindowSeconds(qtHost, work, file);
            win.push_back(w.Seconds);
            winCpu.push_back(w.Cpu);
            gaps.push_back(w.MaxGapMs);
            passes.push_back(static_cast<double>(w.Passes));
            single.push_back(w.SingleSeconds);
            check.push_back(w.CheckSeconds);
            std::fprintf(
                stderr,
                "  %s rep %d: cli %.3f s (%d singles), window %.3f s (%d), gap %.1f ms at %s\n",
                c.Name, r + 1, cli.back(), singles, w.Seconds, w.Singles, w.MaxGapMs,
                w.GapAt.c_str());
        }
        const double mc = Median(cli);
        const double mw = Median(win);
        const double cc = Median(cliCpu);
        const double cw = Median(winCpu);
        std::printf("%-10s %9.3f %9.3f %6.2f %9.3f %9.3f %6.2f %9.1f %7.0f %9.3f %9.3f\n", c.Name,
                    mc, mw, mc > 0 ? mw / mc : 0.0, cc, cw, cc > 0 ? cw / cc : 0.0,
                    *std::max_element(gaps.begin(), gaps.end()), Median(passes), Median(single),
                    Median(check));
        std::fflush(stdout);
        if (!c.Long) {
            std::vector<OpenTime> opens;
            for (int r = 0; r < reps; ++r) {
                opens.push_back(OpenSeconds(qtHost, work, result));
            }
            const auto med = [&opens](double OpenTime::*field) {
                std::vector<double> v;
                for (const OpenTime& o : opens) {
                    v.push_back(o.*field);
                }
                return Median(v);
            };
            openRows.push_back({c.Name, opens.front().Tickets, med(&OpenTime::CliSeconds),
                                med(&OpenTime::WindowSeconds), med(&OpenTime::SingleSeconds),
                                med(&OpenTime::CheckSeconds)});
        }
    }
    // Opening the run's result: the window's time beyond the command line's reading.
    std::printf("\n%-10s %9s %9s %9s %9s %9s %9s\n", "open", "tickets", "cli s", "window s",
                "beyond s", "single s", "check s");
    for (const OpenRow& o : openRows) {
        std::printf("%-10s %9d %9.3f %9.3f %9.3f %9.3f %9.3f\n", o.Name.c_str(), o.Tickets, o.Cli,
                    o.Window, o.Window - o.Cli, o.Single, o.Check);
    }
    return 0;
}
