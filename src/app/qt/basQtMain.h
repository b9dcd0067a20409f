#pragma once
// Start-up of the window front end, after the application object exists: the data checks
// (first failure only, as a bare error box), the settings, the loading window and the main
// window. main() owns what it returns for the whole run.

#include "base/clsHost.h"
#include "reference/basTotoSettings.h"

#include <memory>
#include <string>

class frmMain;

namespace basQtMain {
// What the desktop knows the program by: its name, its desktop entry (which matches the window
// to its menu entry) and the window icon. Once, right after the application object exists.
void SetIdentity();
// The main window, shown; null when a check failed (its message has been shown and nothing
// was written). settings receives the loaded settings, which live as long as the program.
// strOpenFile: a data file to open once the window stands (empty for none); one that cannot
// be opened gets the usual message and the window stays open.
std::unique_ptr<frmMain> Start(clsHost host, const std::string& strProgramFolder,
                               TotoSettings& settings, const std::string& strOpenFile = {});
} // namespace basQtMain
