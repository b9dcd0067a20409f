#pragma once
// The main window's state between sessions, kept in SysData/Kelvra.ini: the last round and
// the two "ask before download" / "always show all results" switches. Owned by the main
// window: read once when it starts, written when it closes.

#include "base/clsIMessage.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class clsKelvraIni
{
public:
    static constexpr std::string_view kFileName = "SysData/Kelvra.ini";

    clsKelvraIni(clsIMessage& message, std::string strProgramFolder);

    // Defaults first, then every key the file holds. A missing file is no error; a value that
    // cannot be read keeps its default after the "broken file" box, and reading goes on.
    void Load();
    // Replaces the file as a whole; false (with the file helper's report) when it failed,
    // in which case the previous file is untouched.
    bool Save() const;
    // The file's lines, without line ends.
    std::vector<std::string> Lines() const;

    std::int32_t Kaisaikai = 1;
    bool DownloadMessage = true;
    bool ResultAll = false;

private:
    void ReportBroken() const;

    clsIMessage& m_message;
    std::string m_programFolder;
};
