#pragma once
// Start-up shared by the window and the command line: the program folder, the checks of the
// data folder and reference files (first failure only), the settings, and the version text.
// Front ends call Startup once and keep the settings it returns for the whole run.

#include "reference/basTotoSettings.h"

#include <cstdint>
#include <string>

class clsIMessage;

namespace basMain {
// "3.05", "3.05.2": minor with two digits, the revision only when above 0.
std::string VersionText(std::int32_t lngMajor, std::int32_t lngMinor, std::int32_t lngRevision);
// The program's own version.
std::string VersionText();

// The folder of the running executable (the default program folder); "" if unknown.
std::string ExecutableFolder();

// The first missing piece's message ("システムデータフォルダ(SysData)が見つかりません",
// "データファイル(TeamName.dat)が見つかりません", ...), or "" when SysData and the four
// reference files are all there.
std::string CheckDataFiles(const std::string& strProgramFolder);

// The checks, then the settings (read, or written with defaults when missing). Returns the
// failure message ("" on success); the front end shows it as an error box and stops.
std::string Startup(clsIMessage& message, const std::string& strProgramFolder,
                    TotoSettings& settings);
} // namespace basMain
