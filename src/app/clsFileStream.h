#pragma once
// Whole-file text and byte I/O for every file the program reads or writes: CP932 on disk, UTF-8
// in memory. Writers never leave a half-written file: the bytes go to a temporary file in the
// same folder, which then replaces the target in one rename. Made where needed, short-lived.

#include "app/clsErrorReporter.h"
#include "app/clsFileSystemObject.h"

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

private:
    bool WriteBytes(std::string_view strOperation, std::string_view strFileName,
                    std::string_view bytData);
    bool ReadBytes(std::string_view strOperation, std::string_view strFileName,
                   std::string& bytData);

    clsFileSystemObject m_fso;
    clsErrorReporter m_err;
    bool m_errMessage = true;
};
