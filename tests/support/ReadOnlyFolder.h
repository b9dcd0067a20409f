#pragma once
// Makes a folder unwritable for this thread until scope end, root included. An ordinary user
// loses the folder's write bits; root ignores those, so for root the folder is bind-mounted
// read-only in a private mount namespace, which the rest of the machine never sees.

#include <filesystem>
#include <string>

class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(std::filesystem::path path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    // Empty once the folder is read-only; otherwise what failed, with the system's reason.
    const std::string& Failure() const { return m_failure; }

private:
    std::filesystem::path m_path;
    std::string m_failure;
    bool m_mounted = false;
    bool m_chmodded = false;
};
