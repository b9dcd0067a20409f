#include "app/clsBoughtFiles.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

std::string clsBoughtFiles::Key(const std::string& strFileName)
{
    if (strFileName.empty()) {
        return {};
    }
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(strFileName, ec);
    return (ec ? std::filesystem::path(strFileName) : full).lexically_normal().string();
}

bool clsBoughtFiles::Contains(const std::string& strFileName) const
{
    const std::string key = Key(strFileName);
    return !key.empty() && std::find(m_files.begin(), m_files.end(), key) != m_files.end();
}

bool clsBoughtFiles::Set(const std::string& strFileName, bool blnBought)
{
    const std::string key = Key(strFileName);
    if (key.empty() || key.find_first_of("\r\n") != std::string::npos) {
        return false;
    }
    const auto it = std::find(m_files.begin(), m_files.end(), key);
    if (blnBought == (it != m_files.end())) {
        return false;
    }
    if (blnBought) {
        m_files.push_back(key);
    } else {
        m_files.erase(it);
    }
    return true;
}

void clsBoughtFiles::Assign(const std::vector<std::string>& files)
{
    m_files.clear();
    for (const std::string& f : files) {
        Set(f, true);
    }
}
