#pragma once
// What tells one version of a file from another without reading it: its identity on disk, its
// size and its modification time, to the nanosecond where the file system keeps it. A save
// compares the stamp it remembered with the file's present one to notice another program's
// write in between.

#include <cstdint>
#include <optional>
#include <string>

struct FileStamp
{
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    std::int64_t Size = 0;
    std::int64_t Seconds = 0;
    std::int64_t Nanoseconds = 0;

    // None when the file is missing or cannot be looked at.
    static std::optional<FileStamp> Of(const std::string& strPath);

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
