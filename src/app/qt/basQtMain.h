#pragma once
// Start-up of the window front end, after the application object exists: the data checks
// (first failure only, as a bare error box), the settings, the loading window and the main
// window. main() owns what it returns for the whole run.

#include "base/clsHost.h"
#include "reference/basTotoSettings.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class clsInstanceServer;
class frmMain;

namespace basQtMain {
// What the desktop knows the program by: its name, its desktop entry (which matches the window
// to its menu entry) and the window icon. Once, right after the application object exists.
void SetIdentity();
// The main window, shown; null when a check failed (its message has been shown and nothing
// was written). settings receives the loaded settings, which live as long as the program.
// files: to open once the window stands, each as its kind says (a work, conditions, a CSV
// ticket set); one that cannot be opened gets the usual message and the window stays open.
// strSessionFolder: where the window remembers the user's session (empty: nowhere).
// lngSeed: a fixed seed for the runs (a benchmark's window and command line then search alike).
std::unique_ptr<frmMain> Start(clsHost host, const std::string& strProgramFolder,
                               TotoSettings& settings, const std::vector<std::string>& files = {},
                               const std::string& strSessionFolder = {},
                               std::optional<std::uint64_t> lngSeed = std::nullopt);
// The user's session folder: kelvra below the desktop's configuration folder
// ($XDG_CONFIG_HOME, else ~/.config).
std::string SessionFolder();
// Hands the files a second start names to the window.
void Serve(clsInstanceServer& server, frmMain& window);
} // namespace basQtMain
