#include "base/clsFileSystemObject.h"

#include <algorithm>
#include <dirent.h>
#include <filesystem>
#include <fnmatch.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {
std::string_view StripTrailingSlashes(std::string_view s)
{
    while (s.size() > 1 && s.back() == '/') {
        s.remove_suffix(1);
    }
    return s;
}

bool StatIs(const std::string& strPath, mode_t type)
{
    struct stat st
    {
    };
    return ::stat(strPath.c_str(), &st) == 0 && (st.st_mode & S_IFMT) == type;
}
} // namespace

clsFileSystemObject::clsFileSystemObject(std::string strProgramFolder)
    : m_programFolder(std::move(strProgramFolder))
{}

std::string clsFileSystemObject::GetFullPath(std::string_view strPath) const
{
    if (!strPath.empty() && strPath.front() == '/') {
        return std::string(strPath);
    }
    return BuildPath(m_programFolder, strPath);
}

std::string clsFileSystemObject::BuildPath(std::string_view strFolder, std::string_view strName)
{
    if (strFolder.empty()) {
        return std::string(strName);
    }
    std::string out(strFolder);
    if (out.back() != '/') {
        out += '/';
    }
    out += strName;
    return out;
}

bool clsFileSystemObject::FileExists(std::string_view strPath) const
{
    return StatIs(GetFullPath(strPath), S_IFREG);
}

bool clsFileSystemObject::FolderExists(std::string_view strPath) const
{
    return StatIs(GetFullPath(strPath), S_IFDIR);
}

bool clsFileSystemObject::FolderCheck(std::string_view strFolder) const
{
    const std::string full = GetFullPath(strFolder);
    if (StatIs(full, S_IFDIR)) {
        return true;
    }
    std::error_code ec;
    std::filesystem::create_directories(full, ec);
    return StatIs(full, S_IFDIR);
}

bool clsFileSystemObject::DeleteFile(std::string_view strPath) const
{
    return ::unlink(GetFullPath(strPath).c_str()) == 0;
}

std::int32_t clsFileSystemObject::GetFileList(std::string_view strFolderPattern, bool blnSort,
                                              std::vector<std::string>& strList) const
{
    strList.clear();
    const std::string full = GetFullPath(strFolderPattern);
    const std::size_t slash = full.rfind('/');
    const std::string folder = slash == 0 ? "/" : full.substr(0, slash);
    const std::string pattern = full.substr(slash + 1);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return 0;
    }
    while (const dirent* ent = ::readdir(dir)) {
        const std::string name = ent->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        if (::fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD | FNM_PERIOD) != 0) {
            continue;
        }
        if (StatIs(BuildPath(folder, name), S_IFREG)) {
            strList.push_back(name);
        }
    }
    ::closedir(dir);
    if (blnSort) {
        std::sort(strList.begin(), strList.end());
    }
    return static_cast<std::int32_t>(strList.size());
}

std::string clsFileSystemObject::GetFileName(std::string_view strPath)
{
    const std::string_view p = StripTrailingSlashes(strPath);
    if (p == "/") {
        return "";
    }
    const std::size_t slash = p.rfind('/');
    return std::string(slash == std::string_view::npos ? p : p.substr(slash + 1));
}

std::string clsFileSystemObject::GetBaseName(std::string_view strPath)
{
    const std::string name = GetFileName(strPath);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string clsFileSystemObject::GetExtensionName(std::string_view strPath)
{
    const std::string name = GetFileName(strPath);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? "" : name.substr(dot + 1);
}

std::string clsFileSystemObject::GetParentFolderName(std::string_view strPath)
{
    const std::string_view p = StripTrailingSlashes(strPath);
    const std::size_t slash = p.rfind('/');
    if (slash == std::string_view::npos || p == "/") {
        return "";
    }
    return slash == 0 ? "/" : std::string(p.substr(0, slash));
}

std::string clsFileSystemObject::GetDriveName(std::string_view)
{
    return "";
}
