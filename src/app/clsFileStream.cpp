#include "app/clsFileStream.h"

#include "app/basText.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The runtime-error numbers the users know from the original desktop's file errors.
ErrorRecord IoError(int intErrno, const std::string& strPath)
{
    ErrorRecord r;
    r.Source = std::string(kAppTitle);
    switch (intErrno) {
    case ENOENT:
    case ENOTDIR:
        r.Number = 76;
        r.Description = "パスが見つかりません。";
        break;
    case EACCES:
    case EPERM:
    case EROFS:
        r.Number = 70;
        r.Description = "書き込みできません。";
        break;
    case ENOSPC:
    case EDQUOT:
        r.Number = 61;
        r.Description = "ディスクの空き容量が不足しています。";
        break;
    case EISDIR:
        r.Number = 75;
        r.Description = "パス名が無効です。";
        break;
    default:
        r.Number = 57;
        r.Description = "デバイス I/O エラーです。";
        break;
    }
    r.Description += " (" + strPath + ": " + std::strerror(intErrno) + ")";
    return r;
}

// New files get the usual mode (0666 less the umask), an existing file keeps its own.
mode_t ModeFor(const std::string& strPath)
{
    struct stat st
    {
    };
    if (::stat(strPath.c_str(), &st) == 0) {
        return st.st_mode & 07777;
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}
} // namespace

clsFileStream::clsFileStream(clsIMessage& message, std::string strProgramFolder)
    : m_fso(std::move(strProgramFolder))
    , m_err(message, "clsFileStream")
{}

std::string clsFileStream::ToCrLf(std::string_view strText)
{
    std::string out;
    out.reserve(strText.size() + strText.size() / 16);
    for (std::size_t i = 0; i < strText.size(); ++i) {
        const char c = strText[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < strText.size() && strText[i + 1] == '\n') {
                ++i;
            }
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

bool clsFileStream::SaveToFile(std::string_view strFileName, std::string_view strData)
{
    try {
        return WriteBytes("SaveToFile", strFileName, basText::ToSjis(strData));
    } catch (const std::exception& e) {
        m_err.ReportException("SaveToFile", e);
        return false;
    }
}

bool clsFileStream::SaveLinesToFile(std::string_view strFileName,
                                    const std::vector<std::string>& strLines)
{
    try {
        std::string text;
        for (const auto& line : strLines) {
            text += line;
            text += "\r\n";
        }
        return WriteBytes("SaveToFile", strFileName, basText::ToSjis(text));
    } catch (const std::exception& e) {
        m_err.ReportException("SaveToFile", e);
        return false;
    }
}

bool clsFileStream::SaveToBinaryFile(std::string_view strFileName, std::string_view bytData)
{
    try {
        return WriteBytes("SaveToBinaryFile", strFileName, bytData);
    } catch (const std::exception& e) {
        m_err.ReportException("SaveToBinaryFile", e);
        return false;
    }
}

bool clsFileStream::WriteBytes(std::string_view strOperation, std::string_view strFileName,
                               std::string_view bytData)
{
    const std::string path = m_fso.GetFullPath(strFileName);
    const std::string folder = clsFileSystemObject::GetParentFolderName(path);
    if (!folder.empty() && !m_fso.FolderCheck(folder)) {
        m_err.ReportError(strOperation, IoError(errno != 0 ? errno : ENOENT, folder));
        return false;
    }
    if (m_fso.FolderExists(path)) {
        m_err.ReportError(strOperation, IoError(EISDIR, path));
        return false;
    }
    // The temporary file sits in the target's folder so that the rename cannot cross devices.
    std::string tmp = clsFileSystemObject::BuildPath(
        folder, "." + clsFileSystemObject::GetFileName(path) + ".tmpXXXXXX");
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0) {
        m_err.ReportError(strOperation, IoError(errno, path));
        return false;
    }
    int failure = 0;
    if (!WriteAll(fd, bytData) || ::fchmod(fd, ModeFor(path)) != 0 || ::fsync(fd) != 0) {
        failure = errno;
    }
    if (::close(fd) != 0 && failure == 0) {
        failure = errno;
    }
    if (failure == 0 && ::rename(tmp.c_str(), path.c_str()) != 0) {
        failure = errno;
    }
    if (failure != 0) {
        ::unlink(tmp.c_str());
        m_err.ReportError(strOperation, IoError(failure, path));
        return false;
    }
    return true;
}

bool clsFileStream::ReadBytes(std::string_view strOperation, std::string_view strFileName,
                              std::string& bytData)
{
    bytData.clear();
    const std::string path = m_fso.GetFullPath(strFileName);
    if (!m_fso.FileExists(path)) {
        if (m_errMessage) {
            m_err.Report(strOperation, "ファイルが存在しません。\r\n" + path);
        }
        return false;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        m_err.ReportError(strOperation, IoError(errno, path));
        return false;
    }
    // Read straight into one buffer of the file's size: data files of the full ticket set run
    // to tens of megabytes.
    struct stat st
    {
    };
    const std::size_t expected =
        ::fstat(fd, &st) == 0 && st.st_size > 0 ? static_cast<std::size_t>(st.st_size) : 0;
    bytData.resize(expected + 1);
    std::size_t used = 0;
    int failure = 0;
    while (true) {
        if (used == bytData.size()) {
            bytData.resize(bytData.size() * 2);
        }
        const ssize_t n = ::read(fd, bytData.data() + used, bytData.size() - used);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            failure = errno;
            break;
        }
        if (n == 0) {
            break;
        }
        used += static_cast<std::size_t>(n);
    }
    bytData.resize(used);
    ::close(fd);
    if (failure != 0) {
        bytData.clear();
        m_err.ReportError(strOperation, IoError(failure, path));
        return false;
    }
    return true;
}

bool clsFileStream::LoadFromFile(std::string_view strFileName, std::string& strData)
{
    strData.clear();
    try {
        std::string bytes;
        if (!ReadBytes("LoadFromFile", strFileName, bytes)) {
            return false;
        }
        // A NUL byte is never the second byte of a CP932 character, so the cut can come first.
        strData = basText::FromSjis(basText::CutAtNul(bytes));
        return true;
    } catch (const std::exception& e) {
        strData.clear();
        m_err.ReportException("LoadFromFile", e);
        return false;
    }
}

bool clsFileStream::LoadFromBinaryFile(std::string_view strFileName, std::string& bytData)
{
    try {
        return ReadBytes("LoadFromBinaryFile", strFileName, bytData);
    } catch (const std::exception& e) {
        bytData.clear();
        m_err.ReportException("LoadFromBinaryFile", e);
        return false;
    }
}
