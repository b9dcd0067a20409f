#pragma once
// Path helpers over the program folder: every relative path the program uses is joined to it.
// A value object; each user makes one from the program folder it was given (tests point it at
// a temporary folder) and keeps it as long as it likes.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class clsFileSystemObject
{
public:
    explicit clsFileSystemObject(std::string strProgramFolder);

    const std::string& ProgramFolder() const { return m_programFolder; }

    // Absolute when it starts with "/", otherwise joined to the program folder. No "." or ".."
    // handling: the stored files never carry them.
    std::string GetFullPath(std::string_view strPath) const;
    // strFolder + "/" + strName, without doubling a "/" the folder already ends with.
    static std::string BuildPath(std::string_view strFolder, std::string_view strName);

    bool FileExists(std::string_view strPath) const;
    bool FolderExists(std::string_view strPath) const;
    // Creates the folder with every missing parent; true when it exists afterwards.
    bool FolderCheck(std::string_view strFolder) const;
    bool DeleteFile(std::string_view strPath) const;
    // Names (not paths) of the regular files matching a pattern such as "SysData/toto_Vote/*.xml"
    // ("*" and "?" in the last part, matched without regard to case, as the original desktop
    // did). Directory order, or sorted by name when blnSort. Returns the count.
    std::int32_t GetFileList(std::string_view strFolderPattern, bool blnSort,
                             std::vector<std::string>& strList) const;

    // Splits at the last "/" and the last ".": "a/b/c.txt" gives file name "c.txt", base name
    // "c", extension "txt", parent "a/b". A trailing "/" is not a name of its own.
    static std::string GetFileName(std::string_view strPath);
    static std::string GetBaseName(std::string_view strPath);
    static std::string GetExtensionName(std::string_view strPath);
    static std::string GetParentFolderName(std::string_view strPath);
    // There are no drive letters here: always "".
    static std::string GetDriveName(std::string_view strPath);

private:
    std::string m_programFolder;
};
