#pragma once
// Adding a team name the reference files lack (the user's dialog, without its window): the
// checks with their messages, and the line appended to SysData/TeamName3.dat.

#include <string>
#include <string_view>

class clsIMessage;

namespace basTeamName {
inline constexpr std::string_view kFileName = "SysData/TeamName3.dat";
inline constexpr std::string_view kHeader = ";Drovane TeamName User Data File (TeamName3.dat)";

// What the dialog shows when it opens: the narrow form of the unknown name as short name, and
// the name itself as long name.
std::string InitialShortName();
std::string InitialLongName();

// The line for a new entry: the short name padded (or cut) to six characters, " = ", the long
// name, CR LF.
std::string EntryLine(std::string_view strShort, std::string_view strLong);

// Checks and appends. False leaves the dialog open: an input error was shown (title
// "入力エラー") or the file could not be written (reported by the file helper). True: the
// name is in the file, UnknownTeamName is cleared and "チーム名(...)を追加しました。" shown.
bool AddTeamName(clsIMessage& message, const std::string& strProgramFolder,
                 std::string_view strRyakusho, std::string_view strMeisho);
} // namespace basTeamName
