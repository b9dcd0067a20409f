#pragma once
// Reader of the program's key-value files (settings, team names, division lists, the maker's
// version list): "key = value" lines, comments after ";" or "//", no sections. Each user makes
// its own and keeps it; the file is read once, in Initialize.

#include "base/clsErrorReporter.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class clsIniFile
{
public:
    clsIniFile(clsIMessage& message, std::string strProgramFolder);

    // Reads the file (CP932); a missing file gives false without a message.
    bool Initialize(std::string_view strFileName);
    // The same grammar over a text already in memory (a downloaded list).
    void InitializeText(std::string_view strText);

    // Searches by key; strDefault when no entry has it or strKey is empty.
    std::string GetItem(std::string_view strKey, std::string_view strDefault) const;
    bool ItemExists(std::string_view strKey) const;
    // Searches by value: the key of the first entry whose value is strItem.
    std::string GetKey(std::string_view strItem) const;
    bool KeyExists(std::string_view strItem) const;
    bool Enabled() const { return m_enabled; }
    // A switch as the settings files write it ("True"/"False", any case) or a number as the
    // boolean conversion reads it (any number but 0 is true); nullopt for anything else.
    static std::optional<bool> ReadSwitch(std::string_view strValue);

    const std::string& FileName() const { return m_fileName; }
    const std::vector<std::pair<std::string, std::string>>& Entries() const { return m_entries; }

private:
    const std::pair<std::string, std::string>* FindKey(std::string_view strKey) const;
    const std::pair<std::string, std::string>* FindValue(std::string_view strItem) const;

    clsErrorReporter m_err;
    std::string m_programFolder;
    std::string m_fileName;
    bool m_enabled = false;
    std::vector<std::pair<std::string, std::string>> m_entries;
};
