#pragma once
// The settings of totoSettings.ini (the operator's page addresses), loaded once at start-up
// and handed by value to the page readers. The file is rewritten with defaults when it is
// missing or carries no valid version.

#include <cstdint>
#include <string>
#include <string_view>

class clsIMessage;

struct TotoSettings
{
    std::int32_t Version = 1;
    std::string totoOfficialScheduleUrl;
    std::string totoOfficialVoteUrl;
    std::string totoOfficialResultUrl;
    std::string totoOfficialTotoUrl;
    std::string totoOfficialTotoGoal3Url;
    std::string totoOfficialTotoGoal2Url;
    std::string totoOfficialMiniTotoAUrl;
    std::string totoOfficialMiniTotoBUrl;

    friend bool operator==(const TotoSettings&, const TotoSettings&) = default;
};

namespace basTotoSettings {
inline constexpr std::string_view kFileName = "SysData/totoSettings.ini";

TotoSettings Defaults();
// The whole file text, CR LF after every line.
std::string SettingsText(const TotoSettings& settings);
// Reads SysData/totoSettings.ini below the program folder, or writes it with the defaults when
// it is missing; messages go to the given sink. Never fails: what cannot be read keeps its
// default.
TotoSettings LoadTotoSettings(clsIMessage& message, const std::string& strProgramFolder);
bool WriteTotoSettings(const TotoSettings& settings, clsIMessage& message,
                       const std::string& strProgramFolder);
} // namespace basTotoSettings
