#include "cli/clsTerminalHost.h"

#include <algorithm>
#include <csignal>
#include <ostream>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {
// Written only by the signal handler, read by the pump: all a handler may safely touch.
volatile std::sig_atomic_t g_stopSignal = 0;

extern "C" void OnStopSignal(int lngSignal)
{
    if (g_stopSignal != 0) {
        ::_exit(clsTerminalHost::kStopExitCode);
    }
    g_stopSignal = lngSignal;
}
} // namespace

void clsTerminalHost::CatchStopSignals()
{
    struct sigaction action = {};
    action.sa_handler = OnStopSignal;
    // Both signals are held off while the handler runs, so it never interrupts itself.
    sigemptyset(&action.sa_mask);
    sigaddset(&action.sa_mask, SIGINT);
    sigaddset(&action.sa_mask, SIGTERM);
    // Interrupted reads and writes are resumed; the stop is seen at the next DoEvents.
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int clsTerminalHost::StopSignal()
{
    return static_cast<int>(g_stopSignal);
}

clsTerminalHost::clsTerminalHost(std::ostream& err)
    : m_err(err)
    , m_start(std::chrono::steady_clock::now())
{}

void clsTerminalHost::ShowMessage(MsgIcon icon, std::string_view strText,
                                  std::string_view strCaption)
{
    const char* kind = icon == MsgIcon::Error     ? "エラー"
                       : icon == MsgIcon::Warning ? "警告"
                                                  : "情報";
    m_err << kind;
    if (!strCaption.empty()) {
        m_err << " [" << strCaption << "]";
    }
    m_err << ": " << strText << '\n';
    m_err.flush();
}

bool clsTerminalHost::YesNo(std::string_view strText, std::string_view strCaption, bool blnDefault)
{
    m_err << "質問";
    if (!strCaption.empty()) {
        m_err << " [" << strCaption << "]";
    }
    m_err << ": " << strText << " -> " << (blnDefault ? "はい" : "いいえ") << '\n';
    return blnDefault;
}

AskAnswer clsTerminalHost::YesNoCancel(std::string_view strText, std::string_view strCaption,
                                       std::string_view strYes, std::string_view strNo,
                                       std::string_view strCancel, AskAnswer ansDefault)
{
    m_err << "質問";
    if (!strCaption.empty()) {
        m_err << " [" << strCaption << "]";
    }
    const std::string_view chosen = ansDefault == AskAnswer::Yes  ? strYes
                                    : ansDefault == AskAnswer::No ? strNo
                                                                  : strCancel;
    m_err << ": " << strText << " -> " << chosen << '\n';
    return ansDefault;
}

void clsTerminalHost::DoEvents()
{
    if (g_stopSignal != 0 && StopRequested) {
        StopRequested();
    }
}

std::int64_t clsTerminalHost::TickMs() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 m_start)
        .count();
}

void clsTerminalHost::SleepMs(std::int32_t lngMs)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(lngMs));
}

void clsTerminalHost::WaitForEvents(std::int32_t lngMs)
{
    constexpr std::int32_t kStepMs = 20;
    for (std::int32_t waited = 0; waited < lngMs && g_stopSignal == 0; waited += kStepMs) {
        SleepMs(std::min(kStepMs, lngMs - waited));
    }
    DoEvents();
}

bool clsTerminalHost::Open(std::string_view strFile, std::string_view strParameters)
{
    // xdg-open takes one argument; parameters travel only when there is no file.
    std::string target(strFile.empty() ? strParameters : strFile);
    std::vector<char*> argv;
    std::string prog = "xdg-open";
    argv.push_back(prog.data());
    argv.push_back(target.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, "xdg-open", nullptr, nullptr, argv.data(), environ) != 0) {
        return false;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
