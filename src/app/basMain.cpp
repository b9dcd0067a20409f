#include "app/basMain.h"

#include "app/basVersion.h"
#include "base/clsFileSystemObject.h"

#include <array>
#include <cstdio>
#include <unistd.h>

namespace basMain {
std::string VersionText(std::int32_t lngMajor, std::int32_t lngMinor, std::int32_t lngRevision)
{
    char minor[16];
    std::snprintf(minor, sizeof minor, "%02d", static_cast<int>(lngMinor));
    std::string s = std::to_string(lngMajor) + "." + minor;
    if (lngRevision > 0) {
        s += "." + std::to_string(lngRevision);
    }
    return s;
}

std::string VersionText()
{
    return VersionText(basVersion::kMajor, basVersion::kMinor, basVersion::kRevision);
}

std::string ExecutableFolder()
{
    std::array<char, 4096> buf{};
    const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    if (n <= 0) {
        return "";
    }
    return clsFileSystemObject::GetParentFolderName(
        std::string(buf.data(), static_cast<std::size_t>(n)));
}

std::string CheckDataFiles(const std::string& strProgramFolder)
{
    const clsFileSystemObject fso(strProgramFolder);
    if (!fso.FolderExists("SysData")) {
        return "システムデータフォルダ(SysData)が見つかりません";
    }
    for (const char* name : {"TeamName.dat", "TeamName1.dat", "TeamName2.dat", "J1J2.dat"}) {
        if (!fso.FileExists(clsFileSystemObject::BuildPath("SysData", name))) {
            return std::string("データファイル(") + name + ")が見つかりません";
        }
    }
    return "";
}

std::string Startup(clsIMessage& message, const std::string& strProgramFolder,
                    TotoSettings& settings)
{
    std::string failure = CheckDataFiles(strProgramFolder);
    if (!failure.empty()) {
        return failure;
    }
    settings = basTotoSettings::LoadTotoSettings(message, strProgramFolder);
    return "";
}
} // namespace basMain
