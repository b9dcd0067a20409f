#include "base/FileStamp.h"

#include <sys/stat.h>

std::optional<FileStamp> FileStamp::Of(const std::string& strPath)
{
    struct stat st
    {
    };
    if (strPath.empty() || ::stat(strPath.c_str(), &st) != 0) {
        return std::nullopt;
    }
    FileStamp s;
    s.Device = static_cast<std::uint64_t>(st.st_dev);
    s.Inode = static_cast<std::uint64_t>(st.st_ino);
    s.Size = static_cast<std::int64_t>(st.st_size);
    s.Seconds = static_cast<std::int64_t>(st.st_mtim.tv_sec);
    s.Nanoseconds = static_cast<std::int64_t>(st.st_mtim.tv_nsec);
    return s;
}
