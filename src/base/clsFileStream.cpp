#include "base/clsFileStream.h"

#include "base/basText.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {
// The runtime-error numbers the users know from the original desktop's file errors.
ErrorRecord IoError(int intErrno, const std::string& strPath)
{
    const auto [number, text] = [intErrno]() -> std::pair<std::int32_t, const char*> {
        switch (intErrno) {
        case ENOENT:
        case ENOTDIR:
            return {ErrorNumber::PathNotFound, "パスが見つかりません。"};
        case EACCES:
        case EPERM:
        case EROFS:
            return {ErrorNumber::PermissionDenied, "書き込みできません。"};
        case ENOSPC:
        case EDQUOT:
            return {ErrorNumber::DiskFull, "ディスクの空き容量が不足しています。"};
        case EISDIR:
        case clsFileStream::NotRegularFile:
            return {ErrorNumber::PathAccess, "パス名が無効です。"};
        default:
            return {ErrorNumber::DeviceIo, "デバイス I/O エラーです。"};
        }
    }();
    return ErrorRecord{std::string(text) + " (" + strPath + ": " +
                           clsFileStream::ErrorText(intErrno) + ")",
                       number, std::string(kAppTitle)};
}

thread_local const clsFileStream::FaultScope* t_fault = nullptr;

bool Faulted(clsFileStream::SaveStep step)
{
    if (t_fault == nullptr || t_fault->Step() != step) {
        return false;
    }
    errno = t_fault->Errno();
    return true;
}

bool WriteAll(int fd, std::string_view bytes)
{
    if (Faulted(clsFileStream::SaveStep::Write)) {
        return false;
    }
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

std::string ParentOf(const std::string& strPath)
{
    const std::size_t slash = strPath.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : strPath.substr(0, slash);
}

std::string NameOf(const std::string& strPath)
{
    const std::size_t slash = strPath.rfind('/');
    return slash == std::string::npos ? strPath : strPath.substr(slash + 1);
}

// The file a path finally names, symbolic links followed (a relative link from the link's own
// folder). A missing final file is returned as the path it would be created at.
int ResolveLinks(const std::string& strPath, std::string& strTarget)
{
    std::string cur = strPath;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st
        {
        };
        if (::lstat(cur.c_str(), &st) != 0) {
            if (errno != ENOENT) {
                return errno;
            }
            strTarget = cur;
            return 0;
        }
        if (!S_ISLNK(st.st_mode)) {
            strTarget = cur;
            return 0;
        }
        std::error_code ec;
        const std::string link = std::filesystem::read_symlink(cur, ec).string();
        if (ec) {
            return ec.value();
        }
        cur = !link.empty() && link.front() == '/' ? link : ParentOf(cur) + "/" + link;
    }
    return ELOOP;
}

// Digits only, and not too many for a process id.
bool ReadPid(std::string_view s, pid_t& pid)
{
    if (s.empty() || s.size() > 9) {
        return false;
    }
    pid = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') {
            return false;
        }
        pid = pid * 10 + (c - '0');
    }
    return pid > 0;
}

// Temporary files of a save of this file whose process no longer runs: a save that was killed.
// Besides the current names, the older form NAME.tmpPID is recognised.
void RemoveStaleTemps(const std::string& strFolder, const std::string& strName)
{
    const std::string prefix = clsFileStream::TempPrefix(strName);
    const std::string legacy = strName + ".tmp";
    std::vector<std::string> stale;
    DIR* dir = ::opendir(strFolder.c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* ent = ::readdir(dir)) {
        const std::string_view e = ent->d_name;
        pid_t pid = 0;
        bool ours = false;
        if (e.starts_with(prefix)) {
            const std::string_view rest = e.substr(prefix.size());
            const std::size_t dot = rest.find('.');
            ours = dot != std::string_view::npos && ReadPid(rest.substr(0, dot), pid);
        } else if (e.starts_with(legacy)) {
            ours = ReadPid(e.substr(legacy.size()), pid);
        }
        if (ours && pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH) {
            stale.emplace_back(e);
        }
    }
    ::closedir(dir);
    for (const std::string& name : stale) {
        const std::string path = strFolder + "/" + name;
        struct stat st
        {
        };
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
            ::unlink(path.c_str());
        }
    }
}

// Opens a regular file for reading, refusing anything else before it is opened; the check is
// made again on the open file, in case the path was swapped in between.
int OpenRegular(const std::string& strPath, int& fd, std::size_t& lngSize)
{
    fd = -1;
    if (strPath.empty()) {
        return ENOENT;
    }
    struct stat st
    {
    };
    if (::stat(strPath.c_str(), &st) != 0) {
        return errno;
    }
    if (S_ISDIR(st.st_mode)) {
        return EISDIR;
    }
    if (!S_ISREG(st.st_mode)) {
        return clsFileStream::NotRegularFile;
    }
    fd = ::open(strPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return errno;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        fd = -1;
        return clsFileStream::NotRegularFile;
    }
    lngSize = st.st_size > 0 ? static_cast<std::size_t>(st.st_size) : 0;
    return 0;
}

// read() until the buffer is full or the file ends; the count read, or -1 with errno.
ssize_t ReadSome(int fd, char* buf, std::size_t lngSize)
{
    std::size_t used = 0;
    while (used < lngSize) {
        const ssize_t n = ::read(fd, buf + used, lngSize - used);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return -1;
        }
        if (n == 0) {
            break;
        }
        used += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(used);
}
} // namespace

std::string clsFileStream::TempPrefix(std::string_view strFileName)
{
    return "." + std::string(strFileName) + ".kelvra-save.";
}

std::string clsFileStream::ErrorText(int intCode)
{
    if (intCode == NotRegularFile) {
        return "通常のファイルではありません";
    }
    return std::strerror(intCode);
}

ErrorRecord clsFileStream::ReadFailure(const std::string& strPath, int intCode)
{
    if (intCode == ENOENT || intCode == ENOTDIR) {
        return ErrorRecord{"ファイルが見つかりません。 " + strPath, ErrorNumber::FileNotFound,
                           std::string(kAppTitle)};
    }
    return ErrorRecord{"ファイルを読み込めません。 (" + strPath + ": " + ErrorText(intCode) + ")",
                       intCode == NotRegularFile ? 75 : ErrorNumber::DeviceIo,
                       std::string(kAppTitle)};
}

int clsFileStream::ReadChunks(const std::string& strPath,
                              const std::function<bool(std::string_view)>& onChunk)
{
    int fd = -1;
    std::size_t size = 0;
    if (const int e = OpenRegular(strPath, fd, size)) {
        return e;
    }
    std::vector<char> buf(1 << 20);
    int failure = 0;
    while (true) {
        const ssize_t n = ReadSome(fd, buf.data(), buf.size());
        if (n < 0) {
            failure = errno;
            break;
        }
        if (n == 0 || !onChunk(std::string_view(buf.data(), static_cast<std::size_t>(n)))) {
            break;
        }
    }
    ::close(fd);
    return failure;
}

int clsFileStream::ReadWhole(const std::string& strPath, std::string& bytData)
{
    bytData.clear();
    int fd = -1;
    std::size_t size = 0;
    if (const int e = OpenRegular(strPath, fd, size)) {
        return e;
    }
    // Straight into one buffer of the file's size: data files of the full ticket set run to
    // tens of megabytes. One byte more shows whether the file grew meanwhile.
    bytData.resize(size + 1);
    std::size_t used = 0;
    int failure = 0;
    while (true) {
        const ssize_t n = ReadSome(fd, bytData.data() + used, bytData.size() - used);
        if (n < 0) {
            failure = errno;
            break;
        }
        used += static_cast<std::size_t>(n);
        if (used < bytData.size()) {
            break;
        }
        bytData.resize(bytData.size() * 2);
    }
    ::close(fd);
    bytData.resize(failure == 0 ? used : 0);
    return failure;
}

int clsFileStream::ReplaceWhole(const std::string& strPath, std::string_view bytData,
                                int* lngFolderSync)
{
    if (lngFolderSync != nullptr) {
        *lngFolderSync = 0;
    }
    std::string target;
    if (const int e = ResolveLinks(strPath, target)) {
        return e;
    }
    struct stat st
    {
    };
    bool exists = false;
    if (::stat(target.c_str(), &st) == 0) {
        exists = true;
        if (S_ISDIR(st.st_mode)) {
            return EISDIR;
        }
        if (!S_ISREG(st.st_mode)) {
            return NotRegularFile;
        }
        // A file nobody may write was made read-only on purpose; root passes access(), so the
        // mode bits are asked first.
        if ((st.st_mode & 0222) == 0 || (::access(target.c_str(), W_OK) != 0 && errno == EACCES)) {
            return EACCES;
        }
    } else if (errno != ENOENT) {
        return errno;
    }
    const std::string folder = ParentOf(target);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) {
        return ec ? ec.value() : ENOTDIR;
    }
    RemoveStaleTemps(folder, NameOf(target));
    // In the target's folder, so that the rename cannot cross devices; the process id tells a
    // later save whether this one is still running.
    std::string tmp =
        folder + "/" + TempPrefix(NameOf(target)) + std::to_string(::getpid()) + ".XXXXXX";
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0) {
        return errno;
    }
    mode_t mode = 0;
    if (exists) {
        mode = st.st_mode & 07777;
        if ((st.st_uid != ::geteuid() || st.st_gid != ::getegid()) &&
            ::fchown(fd, st.st_uid, st.st_gid) != 0) {
            // Only root may give the file back to its owner; anyone else's copy stays theirs.
        }
    } else {
        const mode_t mask = ::umask(022);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    int failure = 0;
    if (!WriteAll(fd, bytData) || ::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) {
        failure = errno;
    }
    if (::close(fd) != 0 && failure == 0) {
        failure = errno;
    }
    if (failure == 0 && ::rename(tmp.c_str(), target.c_str()) != 0) {
        failure = errno;
    }
    if (failure != 0) {
        ::unlink(tmp.c_str());
        return failure;
    }
    // The rename itself is only durable once the folder is synced. The new file is in place
    // either way, so a failure here is told, not returned.
    const int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        if ((Faulted(SaveStep::FolderSync) || ::fsync(dfd) != 0) && errno != EINVAL &&
            lngFolderSync != nullptr) {
            *lngFolderSync = errno;
        }
        ::close(dfd);
    }
    return 0;
}

clsFileStream::FaultScope::FaultScope(SaveStep step, int intErrno)
    : m_outer(t_fault)
    , m_step(step)
    , m_errno(intErrno)
{
    t_fault = this;
}

clsFileStream::FaultScope::~FaultScope()
{
    t_fault = m_outer;
}

bool clsFileStream::IsDiskFull(int intCode)
{
    return intCode == ENOSPC || intCode == EDQUOT;
}

std::string clsFileStream::FolderSyncWarning(const std::string& strPath, int intCode)
{
    return strPath + " は保存しましたが、フォルダへの書き込みを確定できませんでした。 (" +
           ErrorText(intCode) + ")";
}

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
    int folderSync = 0;
    if (const int e = ReplaceWhole(path, bytData, &folderSync)) {
        m_err.ReportError(strOperation, IoError(e, path));
        return false;
    }
    if (folderSync != 0) {
        m_err.Report(strOperation, FolderSyncWarning(path, folderSync));
    }
    return true;
}

bool clsFileStream::ReadBytes(std::string_view strOperation, std::string_view strFileName,
                              std::string& bytData)
{
    bytData.clear();
    const std::string path = m_fso.GetFullPath(strFileName);
    const int e = ReadWhole(path, bytData);
    if (e == ENOENT || e == ENOTDIR) {
        if (m_errMessage) {
            m_err.Report(strOperation, "ファイルが存在しません。\r\n" + path);
        }
        return false;
    }
    if (e != 0) {
        m_err.ReportError(strOperation, IoError(e, path));
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
