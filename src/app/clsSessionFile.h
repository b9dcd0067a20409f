#pragma once
// What the window remembers of the last session for the user: recent files, the data files
// marked as bought, the folder the file dialogs last used, and the window's geometry and layout
// (opaque text the window made).
// A small UTF-8 "Key=Value" file in the user's configuration folder, apart from the program's
// own settings; a value object, read at start and written when the window closes.

#include <string>
#include <vector>

class clsSessionFile
{
public:
    static constexpr const char* kFileName = "session.conf";

    std::vector<std::string> Recent;
    std::vector<std::string> Bought;
    std::string LastFolder;
    std::string Geometry;
    std::string WindowState;

    // A missing file is an empty session; unknown keys and malformed lines are skipped, so a
    // newer or damaged file costs at most what it remembered. False only when the file exists
    // and cannot be read.
    bool Load(const std::string& strFileName);
    // Written whole through a temporary file: a failed save leaves the old session intact.
    // strError receives the reason when it fails.
    bool Save(const std::string& strFileName, std::string& strError) const;

    std::string ToText() const;
    void FromText(const std::string& strText);
};
