#pragma once
// Whole-file text and byte I/O for every file the program reads or writes: CP932 on disk, UTF-8
// in memory. Writers never leave a half-written file: the bytes go to a temporary file in the
// same folder, which then replaces the target in one rename. Made where needed, short-lived.
// The static forms below are the one place where files are opened; the other readers and
// writers of the program (data, CSV and store files) use them too.

#include "base/clsErrorReporter.h"
#include "base/clsFileSystemObject.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class clsFileStream
{
public:
    clsFileStream(clsIMessage& message, std::string strProgramFolder);

    // The warning for a missing file in LoadFromFile; on by default. Readers of optional
    // files switch it off.
    bool ErrMessage() const { return m_errMessage; }
    void SetErrMessage(bool blnOn) { m_errMessage = blnOn; }

    // Writes the text as CP932 (no byte-order mark, line ends as given), creating the folder.
    bool SaveToFile(std::string_view strFileName, std::string_view strData);
    // Each line followed by CR LF.
    bool SaveLinesToFile(std::string_view strFileName, const std::vector<std::string>& strLines);
    bool SaveToBinaryFile(std::string_view strFileName, std::string_view bytData);
    // Reads the whole file, decodes CP932 and cuts at the first NUL. A missing file gives false
    // (and, with ErrMessage on, the warning "ファイルが存在しません。" with the path).
    bool LoadFromFile(std::string_view strFileName, std::string& strData);
    bool LoadFromBinaryFile(std::string_view strFileName, std::string& bytData);

    // Every line end (CR LF, lone LF, lone CR) made CR LF.
    static std::string ToCrLf(std::string_view strText);

    const clsFileSystemObject& Fso() const { return m_fso; }

    // Results of the static forms: 0, an errno value, or NotRegularFile.
    static constexpr int NotRegularFile = -1;
    // Anything but a regular file (a FIFO, a device) is refused before it is opened: reading
    // one would block or never end. Symbolic links to a regular file are followed.
    static int ReadWhole(const std::string& strPath, std::string& bytData);
    // The file in successive pieces, until onChunk returns false or the file ends.
    static int ReadChunks(const std::string& strPath,
                          const std::function<bool(std::string_view)>& onChunk);
    // Replaces the file whole, durably: the temporary file is synced before the rename and the
    // folder after it. A symbolic link is written through (the link stays, its target gets the
    // bytes); the replaced file keeps its mode and owner. A file without any write permission
    // is refused (EACCES), as is one that is not a regular file. Temporary files an earlier,
    // killed save of the same file left behind are removed. Missing folders are created.
    // A folder sync that fails after the rename is no failure (the file is the new one): it
    // goes to lngFolderSync, when given, as its errno value.
    static int ReplaceWhole(const std::string& strPath, std::string_view bytData,
                            int* lngFolderSync = nullptr);
    // The system's description of a result code.
    static std::string ErrorText(int intCode);
    // ENOSPC or EDQUOT: the runtime reports these as its disk-full error (61).
    static bool IsDiskFull(int intCode);
    // The warning for a file that was saved, but whose folder could not be synced.
    static std::string FolderSyncWarning(const std::string& strPath, int intCode);

    // Test seam: while one lives, the saves of its thread fail at its step with its errno, as
    // a full disk or a failing folder sync would make them; nothing else makes those happen on
    // demand.
    enum class SaveStep
    {
        Write,
        FolderSync,
    };
    class FaultScope
    {
    public:
        FaultScope(SaveStep step, int intErrno);
        ~FaultScope();
        FaultScope(const FaultScope&) = delete;
        FaultScope& operator=(const FaultScope&) = delete;
        SaveStep Step() const { return m_step; }
        int Errno() const { return m_errno; }

    private:
        const FaultScope* m_outer;
        SaveStep m_step;
        int m_errno;
    };
    // The runtime error of a file a static form could not read: not found (53), not a regular
    // file (75), or the system's reason (57).
    static ErrorRecord ReadFailure(const std::string& strPath, int intCode);
    // The temporary file name prefix of a save of strFileName (a name, not a path).
    static std::string TempPrefix(std::string_view strFileName);

private:
    bool WriteBytes(std::string_view strOperation, std::string_view strFileName,
                    std::string_view bytData);
    bool ReadBytes(std::string_view strOperation, std::string_view strFileName,
                   std::string& bytData);

    clsFileSystemObject m_fso;
    clsErrorReporter m_err;
    bool m_errMessage = true;
};
