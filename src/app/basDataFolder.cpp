#include "app/basDataFolder.h"

#include "base/clsFileSystemObject.h"
#include "base/clsIniFile.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <pwd.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace basDataFolder {
namespace {
constexpr std::array<const char*, 4> kReferenceFiles = {"TeamName.dat", "TeamName1.dat",
                                                        "TeamName2.dat", "J1J2.dat"};
// Where the install rules put the shipped data, seen from the installed executables.
constexpr const char* kInstalledData = "../share/kelvra";
// Suffix of a copy in progress; it is renamed over its target only when complete. Each start
// adds its process id and a random part, so concurrent first starts never share one.
constexpr std::string_view kPartial = ".kelvra-new";

struct Failure
{
    fs::path Path;
    std::string Reason;
};

std::string FailureText(const fs::path& home, const Failure& f)
{
    return "ユーザーデータフォルダ(" + home.string() + ")を用意できません。\n" + f.Path.string() +
           ": " + f.Reason;
}

std::optional<std::int64_t> WholeNumber(const std::string& strText)
{
    std::int64_t value = 0;
    const char* end = strText.data() + strText.size();
    const auto [ptr, ec] = std::from_chars(strText.data(), end, value);
    if (ec != std::errc() || ptr != end || strText.empty()) {
        return std::nullopt;
    }
    return value;
}

bool SameBytes(const fs::path& a, const fs::path& b)
{
    std::ifstream fa(a, std::ios::binary);
    std::ifstream fb(b, std::ios::binary);
    if (!fa || !fb) {
        return false;
    }
    const std::string ta((std::istreambuf_iterator<char>(fa)), std::istreambuf_iterator<char>());
    const std::string tb((std::istreambuf_iterator<char>(fb)), std::istreambuf_iterator<char>());
    return ta == tb;
}

// The copy keeps the shipped file's time, so an unversioned file compares equal until a newer
// one is shipped; it is always writable by its owner, whatever the shipped file's mode.
std::optional<Failure> CopyOne(const fs::path& from, const fs::path& to)
{
    std::error_code ec;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        return Failure{to, ec.message()};
    }
    fs::last_write_time(to, fs::last_write_time(from, ec), ec);
    fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
    return std::nullopt;
}

// The private name of this start's copy of target: TARGET.kelvra-new-PID-XXXXXX.
std::string PartialTemplate(const fs::path& target)
{
    return target.string() + std::string(kPartial) + "-" + std::to_string(::getpid()) + "-XXXXXX";
}

// Copies left by starts that were killed part-way: the older shared name always (no start makes
// it any more), a private one once its process has gone.
void RemoveStalePartials(const fs::path& folder)
{
    std::error_code ec;
    std::vector<fs::path> stale;
    for (auto it = fs::directory_iterator(folder, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const std::size_t at = name.rfind(kPartial);
        if (at == std::string::npos || at == 0) {
            continue;
        }
        const std::string_view rest = std::string_view(name).substr(at + kPartial.size());
        if (rest.empty()) {
            stale.push_back(it->path());
            continue;
        }
        long pid = 0;
        const char* first = rest.data() + 1;
        const auto [ptr, err] = std::from_chars(first, rest.data() + rest.size(), pid);
        if (rest.front() == '-' && err == std::errc() && ptr != first && *ptr == '-' && pid > 0 &&
            pid != ::getpid() && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
            stale.push_back(it->path());
        }
    }
    for (const fs::path& p : stale) {
        fs::remove_all(p, ec);
    }
}

std::optional<Failure> ReplaceFile(const fs::path& from, const fs::path& to)
{
    std::string partial = PartialTemplate(to);
    const int fd = ::mkstemp(partial.data());
    if (fd < 0) {
        return Failure{to, std::generic_category().message(errno)};
    }
    ::close(fd);
    if (auto f = CopyOne(from, partial)) {
        std::error_code ignored;
        fs::remove(partial, ignored);
        return f;
    }
    std::error_code ec;
    fs::rename(partial, to, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(partial, ignored);
        return Failure{to, ec.message()};
    }
    return std::nullopt;
}

// Copies a shipped tree into a private folder beside the target and renames it into place, so
// the target either is absent or complete. When another start put its copy there first, that
// one is kept and this one thrown away: both came from the same shipped tree.
std::optional<Failure> SeedTree(const fs::path& from, const fs::path& to)
{
    std::string name = PartialTemplate(to);
    if (::mkdtemp(name.data()) == nullptr) {
        return Failure{to, std::generic_category().message(errno)};
    }
    const fs::path partial(name);
    // mkdtemp makes it private; the folder in place gets the mode any new folder would.
    const mode_t mask = ::umask(022);
    ::umask(mask);
    ::chmod(name.c_str(), 0777 & ~mask);
    std::error_code ec;
    const auto copy = [&]() -> std::optional<Failure> {
        for (auto it = fs::recursive_directory_iterator(from, ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
            const fs::path target = partial / fs::relative(it->path(), from);
            if (it->is_directory()) {
                fs::create_directories(target, ec);
                if (ec) {
                    return Failure{target, ec.message()};
                }
            } else if (it->is_regular_file()) {
                if (auto f = CopyOne(it->path(), target)) {
                    return f;
                }
            }
        }
        if (ec) {
            return Failure{from, ec.message()};
        }
        return std::nullopt;
    };
    std::optional<Failure> failure = copy();
    std::error_code ignored;
    if (!failure) {
        // rename() also replaces an empty folder; a complete copy of another start is never one.
        fs::rename(partial, to, ec);
        if (ec && !fs::is_directory(to, ignored)) {
            failure = Failure{to, ec.message()};
        }
    }
    fs::remove_all(partial, ignored);
    return failure;
}

bool ShippedIsNewer(clsIMessage& message, const fs::path& shipped, const fs::path& copy)
{
    if (SameBytes(shipped, copy)) {
        return false;
    }
    if (const auto vs = FileVersion(message, shipped.string())) {
        // A copy whose version cannot be read is no better than none.
        const auto vc = FileVersion(message, copy.string());
        return !vc || *vc < *vs;
    }
    std::error_code ec1;
    std::error_code ec2;
    const auto ts = fs::last_write_time(shipped, ec1);
    const auto tc = fs::last_write_time(copy, ec2);
    return !ec1 && !ec2 && ts > tc;
}
} // namespace

std::string UserFolder(std::string_view strXdgDataHome, std::string_view strHome)
{
    if (!strXdgDataHome.empty() && strXdgDataHome.front() == '/') {
        return clsFileSystemObject::BuildPath(strXdgDataHome, "kelvra");
    }
    if (!strHome.empty() && strHome.front() == '/') {
        return clsFileSystemObject::BuildPath(strHome, ".local/share/kelvra");
    }
    return "";
}

std::string UserFolderFromEnvironment()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    std::string homeText = home != nullptr ? home : "";
    if (homeText.empty()) {
        std::vector<char> buf(16384);
        passwd pw{};
        passwd* found = nullptr;
        if (::getpwuid_r(::geteuid(), &pw, buf.data(), buf.size(), &found) == 0 &&
            found != nullptr && found->pw_dir != nullptr) {
            homeText = found->pw_dir;
        }
    }
    return UserFolder(xdg != nullptr ? xdg : "", homeText);
}

bool IsWritableFolder(const std::string& strFolder)
{
    return ::access(strFolder.c_str(), W_OK | X_OK) == 0;
}

Location Locate(const std::string& strExecutableFolder, const std::string& strUserFolder,
                bool (*blnWritable)(const std::string&))
{
    if (strExecutableFolder.empty()) {
        return Location{strExecutableFolder, ""};
    }
    std::error_code ec;
    const fs::path exe(strExecutableFolder);
    if (fs::is_directory(exe / "SysData", ec)) {
        if (blnWritable((exe / "SysData").string())) {
            return Location{strExecutableFolder, ""};
        }
        return Location{strUserFolder, strExecutableFolder};
    }
    const fs::path installed = (exe / kInstalledData).lexically_normal();
    if (fs::is_directory(installed / "SysData", ec)) {
        return Location{strUserFolder, installed.string()};
    }
    // No data anywhere: the start-up check names the missing SysData beside the program.
    return Location{strExecutableFolder, ""};
}

std::string Prepare(clsIMessage& message, const Location& location)
{
    if (location.Shipped.empty()) {
        return "";
    }
    if (location.Home.empty()) {
        return "ユーザーデータフォルダが決められません。HOME を設定して下さい。";
    }
    const fs::path home(location.Home);
    const fs::path shipped(location.Shipped);
    try {
        std::error_code ec;
        fs::create_directories(home, ec);
        if (ec) {
            return FailureText(home, Failure{home, ec.message()});
        }
        RemoveStalePartials(home);
        if (!fs::exists(home / "SysData", ec)) {
            if (!fs::exists(home / "UserData", ec) && fs::is_directory(shipped / "UserData", ec)) {
                if (auto f = SeedTree(shipped / "UserData", home / "UserData")) {
                    return FailureText(home, *f);
                }
            }
            if (auto f = SeedTree(shipped / "SysData", home / "SysData")) {
                return FailureText(home, *f);
            }
        }
        RemoveStalePartials(home / "SysData");
        // A store folder missing as a whole was never seeded (an older start broke off or raced
        // another one); each is seeded like the first start. Single rounds the user deleted are
        // not brought back.
        for (auto it = fs::directory_iterator(shipped / "SysData", ec);
             !ec && it != fs::directory_iterator(); it.increment(ec)) {
            const fs::path to = home / "SysData" / it->path().filename();
            std::error_code missing;
            if (it->is_directory() && !fs::exists(to, missing) && !missing) {
                if (auto f = SeedTree(it->path(), to)) {
                    return FailureText(home, *f);
                }
            }
        }
        for (const char* name : kReferenceFiles) {
            const fs::path from = shipped / "SysData" / name;
            const fs::path to = home / "SysData" / name;
            if (!fs::is_regular_file(from, ec)) {
                continue;
            }
            if (!fs::exists(to, ec) || ShippedIsNewer(message, from, to)) {
                if (auto f = ReplaceFile(from, to)) {
                    return FailureText(home, *f);
                }
            }
        }
        return "";
    } catch (const std::exception& e) {
        return FailureText(home, Failure{home, e.what()});
    }
}

std::string PrepareHome(clsIMessage& message, const std::string& strExecutableFolder,
                        std::string& strHome)
{
    const Location location = Locate(strExecutableFolder, UserFolderFromEnvironment());
    strHome = location.Home;
    return Prepare(message, location);
}

std::optional<std::pair<std::int64_t, std::int64_t>> FileVersion(clsIMessage& message,
                                                                 const std::string& strPath)
{
    clsIniFile ini(message, "/");
    if (!ini.Initialize(strPath) || !ini.ItemExists("Version")) {
        return std::nullopt;
    }
    const auto version = WholeNumber(ini.GetItem("Version", ""));
    const auto revision = ini.ItemExists("Revision") ? WholeNumber(ini.GetItem("Revision", ""))
                                                     : std::optional<std::int64_t>(0);
    if (!version || !revision) {
        return std::nullopt;
    }
    return std::pair{*version, *revision};
}
} // namespace basDataFolder
