#pragma once
// Where the data lives (the folder every relative path is joined to: SysData/, UserData/).
//
// A program run from a folder that holds a writable SysData of its own (the build folder, an
// unpacked copy) keeps its data there, as it always did. Otherwise the data lives in the user's
// $XDG_DATA_HOME/kelvra (default ~/.local/share/kelvra), seeded from the shipped data:
// - an installed program (bin/kelvra with the shipped data in ../share/kelvra) always uses the
//   per-user folder, whether or not the installed folder could be written. Writability cannot
//   decide it: root may write /usr, yet those files belong to the package manager (an upgrade
//   would overwrite them, and they would be one data set shared by every user);
// - a copied program folder that holds SysData but may not be written seeds from that folder.
// --home bypasses all of this: the given folder is used as it is.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

class clsIMessage;

namespace basDataFolder {
struct Location
{
    // The data folder handed to every part of the program as its program folder.
    std::string Home;
    // The shipped data to seed Home from; empty when Home is the shipped folder itself.
    std::string Shipped;
};

// $XDG_DATA_HOME/kelvra when that is an absolute path (the XDG rule: a relative one is
// ignored), else $HOME/.local/share/kelvra; "" when neither is known.
std::string UserFolder(std::string_view strXdgDataHome, std::string_view strHome);
// The same from this process's environment (the password entry when HOME is unset).
std::string UserFolderFromEnvironment();

bool IsWritableFolder(const std::string& strFolder);

// The decision described above, from the running program's folder. blnWritable is asked only
// about a SysData beside the program.
Location Locate(const std::string& strExecutableFolder, const std::string& strUserFolder,
                bool (*blnWritable)(const std::string&) = &IsWritableFolder);

// Seeds or refreshes Home from Shipped (nothing when Shipped is empty):
// - first start (Home has no SysData): the shipped SysData (reference files, sample rounds) and
//   UserData are copied whole; a start that breaks off half-way leaves no half-seeded SysData,
//   and starts running at once all succeed with one complete copy (each copies under a private
//   name and renames; a loser keeps the winner's);
// - every start: a shipped store folder missing as a whole is seeded, and copies left by
//   starts that were killed are removed;
// - every start: each shipped reference file replaces its copy when it is newer (by the file's
//   own Version/Revision lines when the shipped file has them, else by modification time), and
//   a missing copy is restored. Nothing else is touched: settings, TeamName3.dat, stored rounds
//   and UserData are the user's and the program's.
// Returns "" or the message to show before stopping.
std::string Prepare(clsIMessage& message, const Location& location);

// For a start without --home: Locate and Prepare for the executable's folder; strHome gets the
// data folder. Returns "" or the failure message. Window and command line both come here.
std::string PrepareHome(clsIMessage& message, const std::string& strExecutableFolder,
                        std::string& strHome);

// The Version and Revision lines of a reference file (Revision 0 when missing); nothing when
// the file cannot be read or has no whole-number Version.
std::optional<std::pair<std::int64_t, std::int64_t>> FileVersion(clsIMessage& message,
                                                                 const std::string& strPath);
} // namespace basDataFolder
