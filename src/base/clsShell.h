#pragma once
// Opens documents and addresses with the desktop's default handler, and tells whether the
// program may write reference data into its SysData folder: that of the data folder it is given,
// which for an installed program is the per-user one (app/basDataFolder.h). The main window owns
// one (its help and link commands, the check before a team-name update); Stop() or destruction
// ends a wait for a started program.

#include "base/clsErrorReporter.h"
#include "base/clsFileSystemObject.h"

#include <string>
#include <string_view>
#include <utility>

class clsIOpener;
class clsIPump;

class clsShell
{
public:
    clsShell(clsIOpener& opener, clsIPump& pump, clsIMessage& message,
             std::string strProgramFolder);
    ~clsShell();
    clsShell(const clsShell&) = delete;
    clsShell& operator=(const clsShell&) = delete;

    // Opens the file of the command line with its parameters; when no handler takes it, starts
    // it as a program, and with blnWait waits (pumping events) until that program ends.
    // intWindowStyle is kept for the callers' sake; the desktop decides how windows appear.
    bool ShellX(std::string_view strCommandLine, int intWindowStyle, bool blnWait);
    // True when SysData may be written (created when missing, or writable).
    bool IsUserAdmin() const;
    // The original desktop's protected folders; a POSIX program folder never lies in them.
    bool IsVirtualstore() const;
    // True exactly when reference data may be written into SysData; otherwise the warning.
    bool CheckVirtualstoreAdmin();
    void Stop() { m_stop = true; }

    // The command line split into the file and its parameters: the shortest prefix ending
    // before a blank that names an existing file, or the whole line.
    std::pair<std::string, std::string> SplitCommandLine(std::string_view strCommandLine) const;

private:
    bool StartAndWait(const std::string& strFile, const std::string& strParameters, bool blnWait);

    clsIOpener& m_opener;
    clsIPump& m_pump;
    clsFileSystemObject m_fso;
    clsErrorReporter m_err;
    bool m_stop = false;
};
