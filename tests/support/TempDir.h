#pragma once
// A fresh folder under the system temp folder, removed with everything in it at scope end.

#include <filesystem>
#include <string>

class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return m_path; }
    std::string Str() const { return m_path.string(); }
    // Writes raw bytes to a file below the folder (parents created).
    void Write(const std::string& strRelative, const std::string& strBytes) const;
    std::string Read(const std::string& strRelative) const;

private:
    std::filesystem::path m_path;
};
