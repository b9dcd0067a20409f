#pragma once
// The data files the player marked as bought (購入済み), which the ledger lists. A choice of the
// user's, not part of the work: kept in the session file, never in the data file. Owned by the
// main window for its lifetime.

#include <string>
#include <vector>

class clsBoughtFiles
{
public:
    // The file as the list keeps it: absolute and without "." or ".." steps, so that one file
    // opened by two paths is one entry.
    static std::string Key(const std::string& strFileName);

    bool Contains(const std::string& strFileName) const;
    // True when the list changed. A name with a line break cannot be kept in the session file
    // and is not taken.
    bool Set(const std::string& strFileName, bool blnBought);
    // A list read back from the session file, cleaned as Set would have left it.
    void Assign(const std::vector<std::string>& files);
    // In the order they were marked.
    const std::vector<std::string>& Files() const { return m_files; }

private:
    std::vector<std::string> m_files;
};
