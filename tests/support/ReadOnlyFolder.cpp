#include "support/ReadOnlyFolder.h"

#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {
std::string Reason(const std::string& strWhat)
{
    return strWhat + ": " + std::strerror(errno);
}

// Once per thread: a mount namespace of its own whose mounts do not propagate back.
bool PrivateMountNamespace(std::string& strFailure)
{
    thread_local bool done = false;
    if (done) {
        return true;
    }
    if (::unshare(CLONE_NEWNS) != 0) {
        strFailure = Reason("unshare(CLONE_NEWNS)");
        return false;
    }
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        strFailure = Reason("mount --make-rprivate /");
        return false;
    }
    done = true;
    return true;
}
} // namespace

ReadOnlyFolder::ReadOnlyFolder(std::filesystem::path path)
    : m_path(std::move(path))
{
    if (::geteuid() != 0) {
        if (::chmod(m_path.c_str(), 0555) != 0) {
            m_failure = Reason("chmod " + m_path.string());
            return;
        }
        m_chmodded = true;
        return;
    }
    if (!PrivateMountNamespace(m_failure)) {
        return;
    }
    if (::mount(m_path.c_str(), m_path.c_str(), nullptr, MS_BIND, nullptr) != 0) {
        m_failure = Reason("bind mount " + m_path.string());
        return;
    }
    m_mounted = true;
    if (::mount(nullptr, m_path.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
        m_failure = Reason("read-only remount " + m_path.string());
    }
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (m_mounted) {
        ::umount2(m_path.c_str(), MNT_DETACH);
    }
    if (m_chmodded) {
        ::chmod(m_path.c_str(), 0755);
    }
}
