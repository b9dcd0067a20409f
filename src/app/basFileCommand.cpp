#include "app/basFileCommand.h"

#include <algorithm>
#include <cctype>

namespace basFileCommand {
std::string WithExtension(const std::string& strPath, std::string_view strExtension)
{
    if (strPath.empty()) {
        return strPath;
    }
    const std::string suffix = "." + std::string(strExtension);
    const auto lower = [](unsigned char c) { return std::tolower(c); };
    const bool has =
        strPath.size() > suffix.size() &&
        std::equal(suffix.rbegin(), suffix.rend(), strPath.rbegin(), [&](char a, char b) {
            return lower(static_cast<unsigned char>(a)) == lower(static_cast<unsigned char>(b));
        });
    return has ? strPath : strPath + suffix;
}
} // namespace basFileCommand
