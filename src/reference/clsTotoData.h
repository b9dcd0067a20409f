#pragma once
// Team names and division lists from the reference files in SysData: long name (as the
// operator's pages write it) to short name by round, and a club's division in a year. Every
// user makes its own object; the files are read once, when it is made, so a new object sees
// names added since.

#include "base/clsErrorReporter.h"
#include "base/clsIniFile.h"

#include <cstdint>
#include <string>
#include <string_view>

class clsTotoData
{
public:
    // Rounds from this one on look overseas names up in TeamName2.dat instead of TeamName1.dat.
    static constexpr std::int32_t kTeamName2FirstRound = 750;

    clsTotoData(clsIMessage& message, std::string strProgramFolder);

    // Kept for the start-up call; the files carry nothing to check yet.
    void CheckVersion() {}
    // The short name of a long name in a round; "" (after a warning) when round or name is
    // unknown. An unknown name is remembered as UnknownTeamName for the add-a-name dialog.
    std::string GetShortTeamName(std::string_view strLongName, std::int32_t lngKaisaikai);
    // "J1", "J2" or "J3" when the club's short name stands in that division's list for the
    // year; "".
    std::string GetShortToJ1J2String(std::string_view strShortName, std::int32_t lngYear) const;
    // TeamName2.dat's "Version.Revision" ("." alone when it names neither).
    std::string GetTeamName2Version() const;
    // Whether TeamName.dat, TeamName2.dat or TeamName3.dat (when present) has this long name.
    bool ExistsLongTeamName(std::string_view strLongName) const;

    // The last long name no file knew. One per process, as the dialog that adds names is
    // opened from the main window long after the schedule reader met the name.
    static const std::string& UnknownTeamName();
    static void SetUnknownTeamName(std::string strName);

private:
    clsErrorReporter m_err;
    clsIniFile m_teamName;
    clsIniFile m_teamName1;
    clsIniFile m_teamName2;
    clsIniFile m_teamName3;
    clsIniFile m_j1j2;
};
