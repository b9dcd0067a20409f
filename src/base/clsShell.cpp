#include "base/clsShell.h"

#include "base/basText.h"
#include "base/clsIOpener.h"
#include "base/clsIPump.h"

#include <array>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

clsShell::clsShell(clsIOpener& opener, clsIPump& pump, clsIMessage& message,
                   std::string strProgramFolder)
    : m_opener(opener)
    , m_pump(pump)
    , m_fso(std::move(strProgramFolder))
    , m_err(message, "clsShell")
{}

clsShell::~clsShell()
{
    m_stop = true;
}

std::pair<std::string, std::string>
clsShell::SplitCommandLine(std::string_view strCommandLine) const
{
    std::size_t blank = strCommandLine.find(' ');
    // A blank in the first position leaves an empty prefix, which names no file.
    while (blank != std::string_view::npos && blank > 0) {
        const std::string_view prefix = strCommandLine.substr(0, blank);
        if (m_fso.FileExists(prefix)) {
            return {std::string(prefix), std::string(strCommandLine.substr(blank + 1))};
        }
        blank = strCommandLine.find(' ', blank + 1);
    }
    return {std::string(strCommandLine), std::string()};
}

bool clsShell::ShellX(std::string_view strCommandLine, int intWindowStyle, bool blnWait)
{
    (void)intWindowStyle;
    try {
        auto [file, parameters] = SplitCommandLine(strCommandLine);
        if (m_opener.Open(file, parameters)) {
            return true;
        }
        return StartAndWait(file, parameters, blnWait);
    } catch (const std::exception& e) {
        m_err.ReportException("ShellX", e);
        return false;
    }
}

bool clsShell::StartAndWait(const std::string& strFile, const std::string& strParameters,
                            bool blnWait)
{
    // Only a file that exists and may be executed is started; a command line is never handed
    // to a shell, so text from pages or files cannot run commands.
    const std::string full = m_fso.GetFullPath(strFile);
    if (!m_fso.FileExists(full) || ::access(full.c_str(), X_OK) != 0) {
        return false;
    }
    std::string prog = full;
    std::string param = strParameters;
    std::vector<char*> argv{prog.data()};
    if (!param.empty()) {
        argv.push_back(param.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, prog.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        return false;
    }
    int status = 0;
    if (!blnWait) {
        // Reap it now if it already ended; otherwise it is left to run on its own.
        ::waitpid(pid, &status, WNOHANG);
        return true;
    }
    while (!m_stop) {
        const pid_t r = ::waitpid(pid, &status, WNOHANG);
        if (r == pid || r < 0) {
            break;
        }
        m_pump.DoEvents();
        m_pump.SleepMs(100);
    }
    return true;
}

bool clsShell::IsUserAdmin() const
{
    const std::string sysData = m_fso.GetFullPath("SysData");
    if (m_fso.FolderExists(sysData)) {
        return ::access(sysData.c_str(), W_OK | X_OK) == 0;
    }
    return ::access(m_fso.ProgramFolder().c_str(), W_OK | X_OK) == 0;
}

bool clsShell::IsVirtualstore() const
{
    static constexpr std::array<std::string_view, 4> kProtected = {
        "C:\\Program Files", "C:\\Program Files (x86)", "C:\\ProgramData", "C:\\Windows"};
    const std::string folder = basText::UCase(m_fso.ProgramFolder());
    for (const auto prefix : kProtected) {
        if (folder.compare(0, prefix.size(), basText::UCase(prefix)) == 0) {
            return true;
        }
    }
    return false;
}

bool clsShell::CheckVirtualstoreAdmin()
{
    try {
        // Only writability matters here: a folder outside the protected list may still be
        // read-only, and a download into it would fail half-way.
        if (IsUserAdmin()) {
            return true;
        }
        m_err.Message().ShowMessage(MsgIcon::Warning,
                                    "Virtualstore対象フォルダでは一般権限で実行できません。\r\n"
                                    "アプリケーションを終了させ管理者として実行して下さい。",
                                    "管理権限不足エラー");
        return false;
    } catch (const std::exception& e) {
        m_err.ReportException("CheckVirtualstoreAdmin", e);
        return false;
    }
}
