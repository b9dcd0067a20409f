#include "app/basFileCommand.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

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

FileKind KindOf(std::string_view strPath)
{
    if (WithExtension(std::string(strPath), kJoukenExtension) == strPath) {
        return FileKind::Jouken;
    }
    if (WithExtension(std::string(strPath), kCsvExtension) == strPath) {
        return FileKind::Csv;
    }
    return FileKind::Data;
}

std::string DataProposedName(std::int32_t lngKaisaikai, std::string_view strKumi)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", static_cast<int>(lngKaisaikai));
    return std::string(kProductMark) + "-" + digits + std::string(strKumi) + "." +
           std::string(kDataExtension);
}
} // namespace basFileCommand
