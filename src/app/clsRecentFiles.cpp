#include "app/clsRecentFiles.h"

#include <algorithm>

void clsRecentFiles::Add(const std::string& strFileName)
{
    if (strFileName.empty() || strFileName.find_first_of("\r\n") != std::string::npos) {
        return;
    }
    Remove(strFileName);
    m_files.insert(m_files.begin(), strFileName);
    if (m_files.size() > kMax) {
        m_files.resize(kMax);
    }
}

bool clsRecentFiles::Remove(const std::string& strFileName)
{
    const auto it = std::find(m_files.begin(), m_files.end(), strFileName);
    if (it == m_files.end()) {
        return false;
    }
    m_files.erase(it);
    return true;
}

void clsRecentFiles::Assign(const std::vector<std::string>& files)
{
    m_files.clear();
    // Oldest first, so that the first of the list ends up in front.
    for (auto it = files.rbegin(); it != files.rend(); ++it) {
        Add(*it);
    }
}
