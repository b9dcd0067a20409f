#pragma once
// The files the user opened or saved last, most recent first, as the File menu's
// 最近使ったファイル lists them. Owned by the file commands; the window keeps it between runs.

#include <cstddef>
#include <string>
#include <vector>

class clsRecentFiles
{
public:
    static constexpr std::size_t kMax = 8;

    // Moves the file to the front (once only); the oldest beyond kMax drop off. A name with a
    // line break cannot be kept in the session file and is not taken.
    void Add(const std::string& strFileName);
    // False when the file was not listed.
    bool Remove(const std::string& strFileName);
    // A list read back from the session file, cleaned as Add would have left it.
    void Assign(const std::vector<std::string>& files);
    const std::vector<std::string>& Files() const { return m_files; }

private:
    std::vector<std::string> m_files;
};
