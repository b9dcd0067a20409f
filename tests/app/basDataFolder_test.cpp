#include "app/basDataFolder.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {
bool NeverWritable(const std::string&)
{
    return false;
}

std::string TeamName2(int version, int revision, const std::string& strEntry)
{
    return ";TeamName2\r\nVersion = " + std::to_string(version) +
           "\r\nRevision = " + std::to_string(revision) + "\r\n\r\n" + strEntry + "\r\n[End]\r\n";
}

// An installed tree: prefix/bin (the executables' folder) and prefix/share/kelvra.
struct Installed
{
    TempDir Prefix;
    TempDir User;

    Installed()
    {
        for (const char* name : {"TeamName.dat", "TeamName1.dat", "J1J2.dat"}) {
            Ship(std::string("SysData/") + name, std::string(";") + name + "\r\nA = B\r\n");
        }
        Ship("SysData/TeamName2.dat", TeamName2(1, 0, "X = Y"));
        Ship("SysData/toto_Schedule/toto_schedule_9001.xml", "<schedule/>");
        Ship("SysData/toto_Vote/toto_vote_9001.xml", "<vote/>");
        Ship("UserData/Kelvra/sample.drd", "[Drovane]\r\n");
        fs::create_directories(Prefix.Path() / "bin");
    }
    void Ship(const std::string& strRelative, const std::string& strBytes) const
    {
        Prefix.Write("share/kelvra/" + strRelative, strBytes);
    }
    std::string Bin() const { return (Prefix.Path() / "bin").string(); }
    std::string Home() const { return (User.Path() / "kelvra").string(); }
    std::string Copy(const std::string& strRelative) const
    {
        return User.Read("kelvra/" + strRelative);
    }
    std::string Start(RecordingHost& host) const
    {
        return basDataFolder::Prepare(host, basDataFolder::Locate(Bin(), Home()));
    }
};

// Every copy in progress left anywhere under the folder.
std::vector<std::string> Partials(const fs::path& folder)
{
    std::vector<std::string> found;
    for (const auto& e : fs::recursive_directory_iterator(folder)) {
        if (e.path().filename().string().find(".kelvra-new") != std::string::npos) {
            found.push_back(e.path().string());
        }
    }
    return found;
}

// The exit status of each of lngCount processes that start at once on inst; 0 is a start
// that succeeded. They wait on one pipe, so their copies overlap.
std::vector<int> StartAtOnce(const Installed& inst, int lngCount)
{
    int gate[2];
    if (::pipe(gate) != 0) {
        return {};
    }
    std::vector<pid_t> children;
    for (int i = 0; i < lngCount; ++i) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(gate[1]);
            char c = 0;
            const bool released = ::read(gate[0], &c, 1) == 0;
            RecordingHost host;
            ::_exit(released && inst.Start(host).empty() ? 0 : 1);
        }
        children.push_back(pid);
    }
    ::close(gate[0]);
    ::close(gate[1]);
    std::vector<int> status;
    for (const pid_t pid : children) {
        int s = -1;
        ::waitpid(pid, &s, 0);
        status.push_back(WIFEXITED(s) ? WEXITSTATUS(s) : -1);
    }
    return status;
}

void SetAge(const fs::path& p, std::chrono::hours age)
{
    fs::last_write_time(p, fs::file_time_type::clock::now() - age);
}
} // namespace

TEST(basDataFolder, UserFolderFollowsXdgDataHomeThenHome)
{
    EXPECT_EQ(basDataFolder::UserFolder("/x/data", "/home/u"), "/x/data/kelvra");
    EXPECT_EQ(basDataFolder::UserFolder("/x/data/", "/home/u"), "/x/data/kelvra");
    // A relative XDG_DATA_HOME is invalid and ignored.
    EXPECT_EQ(basDataFolder::UserFolder("rel/data", "/home/u"), "/home/u/.local/share/kelvra");
    EXPECT_EQ(basDataFolder::UserFolder("", "/home/u"), "/home/u/.local/share/kelvra");
    EXPECT_EQ(basDataFolder::UserFolder("", ""), "");
    EXPECT_EQ(basDataFolder::UserFolder("", "relative"), "");
}

TEST(basDataFolder, LocateKeepsAWritableProgramFolderAndSendsTheRestToTheUserFolder)
{
    TempDir portable;
    portable.Write("SysData/TeamName.dat", "");
    // A build folder: its own writable SysData is the data folder, nothing to seed.
    auto loc = basDataFolder::Locate(portable.Str(), "/u/kelvra");
    EXPECT_EQ(loc.Home, portable.Str());
    EXPECT_EQ(loc.Shipped, "");
    // The same folder where it may not be written: seeded from it into the user folder.
    loc = basDataFolder::Locate(portable.Str(), "/u/kelvra", &NeverWritable);
    EXPECT_EQ(loc.Home, "/u/kelvra");
    EXPECT_EQ(loc.Shipped, portable.Str());

    // Installed: the user folder even though this test (as root in CI) could write the prefix.
    const Installed inst;
    loc = basDataFolder::Locate(inst.Bin(), "/u/kelvra");
    EXPECT_EQ(loc.Home, "/u/kelvra");
    EXPECT_EQ(loc.Shipped, (inst.Prefix.Path() / "share/kelvra").string());

    // No data anywhere: the program folder, so the start-up check names the missing SysData.
    TempDir empty;
    loc = basDataFolder::Locate(empty.Str(), "/u/kelvra");
    EXPECT_EQ(loc.Home, empty.Str());
    EXPECT_EQ(loc.Shipped, "");
}

TEST(basDataFolder, FirstStartSeedsReferenceFilesRoundsAndUserData)
{
    const Installed inst;
    RecordingHost host;
    ASSERT_EQ(inst.Start(host), "");
    for (const char* name : {"TeamName.dat", "TeamName1.dat", "TeamName2.dat", "J1J2.dat"}) {
        const std::string rel = std::string("SysData/") + name;
        EXPECT_EQ(inst.Copy(rel), inst.Prefix.Read("share/kelvra/" + rel)) << name;
    }
    EXPECT_EQ(inst.Copy("SysData/toto_Schedule/toto_schedule_9001.xml"), "<schedule/>");
    EXPECT_EQ(inst.Copy("SysData/toto_Vote/toto_vote_9001.xml"), "<vote/>");
    EXPECT_EQ(inst.Copy("UserData/Kelvra/sample.drd"), "[Drovane]\r\n");
    EXPECT_TRUE(host.Messages.empty());
    // No copy in progress is left behind.
    for (const auto& e : fs::recursive_directory_iterator(inst.Home())) {
        EXPECT_EQ(e.path().string().find(".kelvra-new"), std::string::npos) << e.path();
    }
}

TEST(basDataFolder, CopiesOfReadOnlyShippedFilesCanBeUpdatedByTheirOwner)
{
    const Installed inst;
    const fs::path shipped = inst.Prefix.Path() / "share/kelvra/SysData/TeamName2.dat";
    fs::permissions(shipped,
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    RecordingHost host;
    ASSERT_EQ(inst.Start(host), "");
    const auto perms = fs::status(fs::path(inst.Home()) / "SysData/TeamName2.dat").permissions();
    EXPECT_NE(perms & fs::perms::owner_write, fs::perms::none);
}

TEST(basDataFolder, LaterStartsReplaceOnlyNewerShippedReferenceFiles)
{
    const Installed inst;
    RecordingHost host;
    ASSERT_EQ(inst.Start(host), "");
    const fs::path sys = fs::path(inst.Home()) / "SysData";
    // What the user and the program wrote since.
    inst.User.Write("kelvra/SysData/TeamName3.dat", ";user\r\nU = V\r\n");
    inst.User.Write("kelvra/SysData/totoSettings.ini", "Version = 1\r\nmine\r\n");
    inst.User.Write("kelvra/SysData/Kelvra.ini", "k");
    inst.User.Write("kelvra/SysData/Printer.ini", "p");
    inst.User.Write("kelvra/SysData/toto_Schedule/toto_schedule_9001.xml", "<mine/>");
    inst.User.Write("kelvra/UserData/Kelvra/sample.drd", "my work");
    fs::remove(sys / "toto_Vote/toto_vote_9001.xml");

    // A newer shipped TeamName2.dat (and newer user-side files everywhere else).
    inst.Ship("SysData/TeamName2.dat", TeamName2(1, 1, "X = Z"));
    inst.Ship("SysData/toto_Schedule/toto_schedule_9001.xml", "<newer/>");
    inst.Ship("UserData/Kelvra/sample.drd", "newer sample");
    inst.Ship("SysData/TeamName3.dat", "shipped by mistake");
    ASSERT_EQ(inst.Start(host), "");
    EXPECT_EQ(inst.Copy("SysData/TeamName2.dat"), TeamName2(1, 1, "X = Z"));
    EXPECT_EQ(inst.Copy("SysData/TeamName3.dat"), ";user\r\nU = V\r\n");
    EXPECT_EQ(inst.Copy("SysData/totoSettings.ini"), "Version = 1\r\nmine\r\n");
    EXPECT_EQ(inst.Copy("SysData/Kelvra.ini"), "k");
    EXPECT_EQ(inst.Copy("SysData/Printer.ini"), "p");
    EXPECT_EQ(inst.Copy("SysData/toto_Schedule/toto_schedule_9001.xml"), "<mine/>");
    EXPECT_EQ(inst.Copy("UserData/Kelvra/sample.drd"), "my work");
    // A round the user deleted stays deleted.
    EXPECT_FALSE(fs::exists(sys / "toto_Vote/toto_vote_9001.xml"));
}

TEST(basDataFolder, VersionedFilesCompareByVersionNotByTimeOrText)
{
    const Installed inst;
    RecordingHost host;
    ASSERT_EQ(inst.Start(host), "");
    const fs::path copy = fs::path(inst.Home()) / "SysData/TeamName2.dat";
    const fs::path shipped = inst.Prefix.Path() / "share/kelvra/SysData/TeamName2.dat";

    // The program's own update brought 1.10; an older 1.9 shipped later (by time) stays out.
    inst.User.Write("kelvra/SysData/TeamName2.dat", TeamName2(1, 10, "X = updated"));
    SetAge(copy, std::chrono::hours(48));
    inst.Ship("SysData/TeamName2.dat", TeamName2(1, 9, "X = old"));
    ASSERT_EQ(inst.Start(host), "");
    EXPECT_EQ(inst.Copy("SysData/TeamName2.dat"), TeamName2(1, 10, "X = updated"));

    // The same version with other text is not newer either.
    inst.Ship("SysData/TeamName2.dat", TeamName2(1, 10, "X = other"));
    ASSERT_EQ(inst.Start(host), "");
    EXPECT_EQ(inst.Copy("SysData/TeamName2.dat"), TeamName2(1, 10, "X = updated"));

    // 2.0 is newer than 1.10, even when the copy's file time is later.
    inst.Ship("SysData/TeamName2.dat", TeamName2(2, 0, "X = two"));
    SetAge(shipped, std::chrono::hours(96));
    ASSERT_EQ(inst.Start(host), "");
    EXPECT_EQ(inst.Copy("SysData/TeamName2.dat"), TeamName2(2, 0, "X = two"));

    // A copy without a readable version gives way to a versioned shipped file.
    inst.User.Write("kelvra/SysData/TeamName2.dat", "Version = x\r\n");
    ASSERT_EQ(inst.Start(host), "");
    EXPECT_EQ(inst.Copy("SysData/TeamName2.dat"), TeamName2(2, 0, "X = two"));
}

TEST(basDataFolder, UnversionedFilesCompareByTimeAndMissingOnesComeBack)
{
    const Installed inst;
    RecordingHost host;
    ASSERT_EQ(inst.Start(host), "");
    const fs::path sys = fs::path(inst.Home()) / "SysData";
    const fs::path shipped = inst.Prefix.Path() / "share/kelvra/SysData";

    // Seeded copies carry the shipped time, so an unchanged install replaces nothing.
    inst.User.Write("kelvra/SysData/J1J2.dat", "edited by hand");
    ASSERT_EQ(inst.Start(host), "");
    EXPECT_EQ(inst.Copy("SysData/J1J2.dat"), "edited by hand");

    // A newer shipped J1J2.dat (the next season) replaces the copy.
    inst.Ship("SysData/J1J2.dat", "2027J1 = A\r\n");
    SetAge(sys / "J1J2.dat", std::chrono::hours(24));
    ASSERT_EQ(inst.Start(host), "");
    EXPECT_EQ(inst.Copy("SysData/J1J2.dat"), "2027J1 = A\r\n");

    // An older shipped one does not.
    inst.User.Write("kelvra/SysData/TeamName.dat", "newer copy");
    SetAge(shipped / "TeamName.dat", std::chrono::hours(24));
    inst.Ship("SysData/TeamName.dat", "older shipped");
    SetAge(shipped / "TeamName.dat", std::chrono::hours(24));
    ASSERT_EQ(inst.Start(host), "");
    EXPECT_EQ(inst.Copy("SysData/TeamName.dat"), "newer copy");

    // A reference file the user removed is restored, so start-up does not stop.
    fs::remove(sys / "TeamName1.dat");
    ASSERT_EQ(inst.Start(host), "");
    EXPECT_EQ(inst.Copy("SysData/TeamName1.dat"),
              inst.Prefix.Read("share/kelvra/SysData/TeamName1.dat"));
}

TEST(basDataFolder, AnInterruptedFirstStartIsRedoneWhole)
{
    const Installed inst;
    // What a start that broke off while seeding leaves: a partial tree beside the target.
    inst.User.Write("kelvra/SysData.kelvra-new/TeamName.dat", "half");
    RecordingHost host;
    ASSERT_EQ(inst.Start(host), "");
    EXPECT_FALSE(fs::exists(fs::path(inst.Home()) / "SysData.kelvra-new"));
    EXPECT_EQ(inst.Copy("SysData/TeamName.dat"),
              inst.Prefix.Read("share/kelvra/SysData/TeamName.dat"));
    EXPECT_EQ(inst.Copy("SysData/toto_Vote/toto_vote_9001.xml"), "<vote/>");
}

TEST(basDataFolder, ConcurrentFirstStartsAllSucceedWithOneWholeFolder)
{
    // Several starts at once on a fresh user folder, as a file manager opening a few files
    // does; the store folders are large enough for the copies to overlap.
    for (int round = 0; round < 4; ++round) {
        const Installed inst;
        for (int i = 0; i < 150; ++i) {
            inst.Ship("SysData/toto_Result/toto_result_" + std::to_string(9000 + i) + ".xml",
                      std::string(2000, 'r'));
        }
        const std::vector<int> status = StartAtOnce(inst, 6);
        EXPECT_EQ(status, std::vector<int>(6, 0)) << "round " << round;
        const fs::path shipped = inst.Prefix.Path() / "share/kelvra";
        for (const auto& e : fs::recursive_directory_iterator(shipped)) {
            if (e.is_regular_file()) {
                const fs::path rel = fs::relative(e.path(), shipped);
                EXPECT_TRUE(fs::is_regular_file(fs::path(inst.Home()) / rel)) << rel;
            }
        }
        EXPECT_EQ(Partials(inst.Home()), std::vector<std::string>()) << "round " << round;
    }
}

TEST(basDataFolder, AHalfSeededFolderIsCompletedAndDeadStartsLeftoversGo)
{
    const Installed inst;
    // An older start that lost a race: SysData with its reference files but no store folders.
    inst.User.Write("kelvra/SysData/TeamName.dat", "mine");
    inst.User.Write("kelvra/SysData/toto_Vote/toto_vote_9001.xml", "<kept/>");
    // A copy of a start that was killed, and one of a start still running.
    const pid_t dead = ::fork();
    if (dead == 0) {
        ::_exit(0);
    }
    ::waitpid(dead, nullptr, 0);
    const std::string deadCopy = "kelvra/SysData.kelvra-new-" + std::to_string(dead) + "-abcdef";
    const std::string liveCopy =
        "kelvra/UserData.kelvra-new-" + std::to_string(::getppid()) + "-abcdef";
    inst.User.Write(deadCopy + "/TeamName.dat", "half");
    inst.User.Write(liveCopy + "/Kelvra/sample.drd", "half");
    RecordingHost host;
    ASSERT_EQ(inst.Start(host), "");
    EXPECT_EQ(inst.Copy("SysData/toto_Schedule/toto_schedule_9001.xml"), "<schedule/>");
    // What was there stays as it was.
    EXPECT_EQ(inst.Copy("SysData/toto_Vote/toto_vote_9001.xml"), "<kept/>");
    EXPECT_EQ(inst.Copy("SysData/TeamName.dat"), "mine");
    EXPECT_FALSE(fs::exists(inst.User.Path() / deadCopy));
    EXPECT_TRUE(fs::exists(inst.User.Path() / liveCopy));
}

TEST(basDataFolder, AFolderThatCannotBeMadeGivesAMessage)
{
    const Installed inst;
    inst.User.Write("blocked", "a file where the folder should be");
    RecordingHost host;
    const std::string home = (inst.User.Path() / "blocked/kelvra").string();
    const auto loc = basDataFolder::Locate(inst.Bin(), home);
    const std::string failure = basDataFolder::Prepare(host, loc);
    EXPECT_TRUE(failure.starts_with("ユーザーデータフォルダ(" + home + ")を用意できません。"))
        << failure;
    EXPECT_NE(basDataFolder::Prepare(host, basDataFolder::Locate(inst.Bin(), "")), "");
}

TEST(basDataFolder, FileVersionReadsWholeNumbers)
{
    TempDir dir;
    RecordingHost host;
    const auto version = [&](const std::string& strText) {
        dir.Write("f.dat", strText);
        return basDataFolder::FileVersion(host, (dir.Path() / "f.dat").string());
    };
    EXPECT_EQ(version("Version = 3\r\nRevision = 12\r\n"),
              (std::pair<std::int64_t, std::int64_t>{3, 12}));
    EXPECT_EQ(version("version=3\r\n"), (std::pair<std::int64_t, std::int64_t>{3, 0}));
    EXPECT_EQ(version(";Version = 3\r\n"), std::nullopt);
    EXPECT_EQ(version("Version = 3a\r\n"), std::nullopt);
    EXPECT_EQ(version("Version = 3\r\nRevision = -\r\n"), std::nullopt);
    EXPECT_EQ(basDataFolder::FileVersion(host, (dir.Path() / "missing.dat").string()),
              std::nullopt);
    EXPECT_TRUE(host.Messages.empty());
}
