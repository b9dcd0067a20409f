#include "base/clsFileStream.h"
#include "support/ReadOnlyFolder.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <future>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(clsFileStream, SaveWritesCp932AndCreatesTheFolder)
{
    TempDir dir;
    RecordingHost host;
    clsFileStream stream(host, dir.Str());
    ASSERT_TRUE(stream.SaveToFile("SysData/new/a.txt", "～ｶﾞ\r\nx"));
    EXPECT_EQ(dir.Read("SysData/new/a.txt"), "\x81\x60\xB6\xDE\r\nx");
    // No temporary file is left beside it.
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.Path() / "SysData/new")) {
        ++entries;
    }
    EXPECT_EQ(entries, 1);
    EXPECT_TRUE(host.Messages.empty());
}

TEST(clsFileStream, SaveReplacesAnExistingFileWhole)
{
    TempDir dir;
    RecordingHost host;
    clsFileStream stream(host, dir.Str());
    dir.Write("a.txt", std::string(10000, 'z'));
    ASSERT_TRUE(stream.SaveToFile(dir.Str() + "/a.txt", "short"));
    EXPECT_EQ(dir.Read("a.txt"), "short");
}

TEST(clsFileStream, FailedWriteKeepsTheOldFileAndReports)
{
    TempDir dir;
    RecordingHost host;
    clsFileStream stream(host, dir.Str());
    dir.Write("ro/a.txt", "old");
    bool ok = true;
    {
        const ReadOnlyFolder readOnly(dir.Path() / "ro");
        ASSERT_EQ(readOnly.Failure(), "");
        ok = stream.SaveToFile("ro/a.txt", "new");
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(dir.Read("ro/a.txt"), "old");
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Icon, MsgIcon::Error);
    EXPECT_EQ(host.Messages[0].Caption, "Kelvra / clsFileStream / SaveToFile");
    EXPECT_NE(host.Messages[0].Text.find("( 70 )"), std::string::npos);
}

// A write that fails half-way (here: the file-size limit) must leave the old file as it was and
// no temporary file behind. Works for root too, unlike a read-only folder.
TEST(clsFileStream, WriteFailingHalfWayLeavesOldFileIntact)
{
    TempDir dir;
    RecordingHost host;
    clsFileStream stream(host, dir.Str());
    dir.Write("a.txt", "old content");
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool ok = stream.SaveToFile("a.txt", std::string(100000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(ok);
    EXPECT_EQ(dir.Read("a.txt"), "old content");
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.Path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1);
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Icon, MsgIcon::Error);
}

TEST(clsFileStream, WritingOverAFolderFailsWithoutHarm)
{
    TempDir dir;
    RecordingHost host;
    clsFileStream stream(host, dir.Str());
    dir.Write("d/keep.txt", "k");
    EXPECT_FALSE(stream.SaveToFile("d", "x"));
    EXPECT_EQ(dir.Read("d/keep.txt"), "k");
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Icon, MsgIcon::Error);
}

TEST(clsFileStream, NewFilesGetTheUsualMode)
{
    TempDir dir;
    RecordingHost host;
    clsFileStream stream(host, dir.Str());
    const mode_t old = ::umask(022);
    ASSERT_TRUE(stream.SaveToFile("m.txt", "x"));
    ::umask(old);
    struct stat st
    {
    };
    ASSERT_EQ(::stat((dir.Path() / "m.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
}

TEST(clsFileStream, LoadDecodesAndCutsAtNul)
{
    TempDir dir;
    RecordingHost host;
    clsFileStream stream(host, dir.Str());
    dir.Write("a.txt", std::string("\x83\x4B\x83\x93\x83\x6F\r\nA\0tail", 12));
    std::string text;
    ASSERT_TRUE(stream.LoadFromFile("a.txt", text));
    EXPECT_EQ(text, "ガンバ\r\nA");
    std::string bytes;
    ASSERT_TRUE(stream.LoadFromBinaryFile("a.txt", bytes));
    EXPECT_EQ(bytes.size(), 12u);
}

TEST(clsFileStream, MissingFileMessageFollowsTheSwitch)
{
    TempDir dir;
    RecordingHost host;
    clsFileStream stream(host, dir.Str());
    std::string text = "stale";
    EXPECT_FALSE(stream.LoadFromFile("none.txt", text));
    EXPECT_EQ(text, "");
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Icon, MsgIcon::Warning);
    EXPECT_EQ(host.Messages[0].Text, "ファイルが存在しません。\r\n" + dir.Str() + "/none.txt");
    EXPECT_EQ(host.Messages[0].Caption, "Kelvra / clsFileStream / LoadFromFile");
    stream.SetErrMessage(false);
    EXPECT_FALSE(stream.LoadFromFile("none.txt", text));
    EXPECT_EQ(host.Messages.size(), 1u);
}

TEST(clsFileStream, BinaryAndLineWritersKeepBytes)
{
    TempDir dir;
    RecordingHost host;
    clsFileStream stream(host, dir.Str());
    const std::string raw("\x00\xFF\r\n\x81", 5);
    ASSERT_TRUE(stream.SaveToBinaryFile("b.bin", raw));
    EXPECT_EQ(dir.Read("b.bin"), raw);
    ASSERT_TRUE(stream.SaveLinesToFile("l.txt", {"あ", "", "b"}));
    EXPECT_EQ(dir.Read("l.txt"), "\x82\xA0\r\n\r\nb\r\n");
    EXPECT_EQ(clsFileStream::ToCrLf("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd");
}

namespace {
struct stat StatOf(const fs::path& p)
{
    struct stat st
    {
    };
    EXPECT_EQ(::lstat(p.c_str(), &st), 0) << p;
    return st;
}

// A process id that no longer runs: a child that has exited and been reaped.
pid_t DeadPid()
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return pid;
}

int Entries(const fs::path& folder)
{
    int n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder)) {
        ++n;
    }
    return n;
}
} // namespace

// The replaced file is the user's: its permissions stay, and a file nobody may write is not
// replaced at all (root passes access(), so the mode bits decide).
TEST(clsFileStream, SaveKeepsTheModeAndRefusesAFileWithoutWriteBits)
{
    TempDir dir;
    RecordingHost host;
    clsFileStream stream(host, dir.Str());
    dir.Write("p.txt", "old");
    ::chmod((dir.Path() / "p.txt").c_str(), 0600);
    ASSERT_TRUE(stream.SaveToFile("p.txt", "new"));
    EXPECT_EQ(StatOf(dir.Path() / "p.txt").st_mode & 07777, 0600u);
    EXPECT_EQ(dir.Read("p.txt"), "new");

    dir.Write("ro.txt", "keep me");
    ::chmod((dir.Path() / "ro.txt").c_str(), 0444);
    EXPECT_FALSE(stream.SaveToFile("ro.txt", "lost"));
    EXPECT_EQ(dir.Read("ro.txt"), "keep me");
    EXPECT_EQ(StatOf(dir.Path() / "ro.txt").st_mode & 07777, 0444u);
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text,
              "書き込みできません。 (" + dir.Str() + "/ro.txt: Permission denied) ( 70 )");
    EXPECT_EQ(Entries(dir.Path()), 2); // no temporary file left
}

TEST(clsFileStream, SaveWritesThroughASymbolicLink)
{
    TempDir dir;
    RecordingHost host;
    clsFileStream stream(host, dir.Str());
    dir.Write("real/target.txt", "old");
    fs::create_directories(dir.Path() / "links");
    fs::create_symlink("../real/target.txt", dir.Path() / "links" / "link.txt");
    ASSERT_TRUE(stream.SaveToFile("links/link.txt", "through"));
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "links" / "link.txt"));
    EXPECT_EQ(dir.Read("real/target.txt"), "through");
    EXPECT_EQ(Entries(dir.Path() / "links"), 1);
    EXPECT_EQ(Entries(dir.Path() / "real"), 1);
    std::string text;
    ASSERT_TRUE(stream.LoadFromFile("links/link.txt", text));
    EXPECT_EQ(text, "through");
}

// What a killed save left behind is removed by the next save of the same file; the temporary
// files of a save still running, and of other files, stay.
TEST(clsFileStream, SaveRemovesStaleTemporaryFilesOfTheSameFile)
{
    TempDir dir;
    RecordingHost host;
    clsFileStream stream(host, dir.Str());
    const std::string dead = std::to_string(DeadPid());
    const std::string live = std::to_string(::getppid());
    const std::string prefix = clsFileStream::TempPrefix("a.drd");
    dir.Write(prefix + dead + ".Ab12Cd", std::string(4096, 'x'));
    dir.Write("a.drd.tmp" + dead, "older form");
    dir.Write(prefix + live + ".Zz99Yy", "running");
    dir.Write(clsFileStream::TempPrefix("b.drd") + dead + ".Ab12Cd", "another file");
    dir.Write("a.drd.tmpnotapid", "not ours");
    ASSERT_TRUE(stream.SaveToFile("a.drd", "saved"));
    EXPECT_EQ(dir.Read("a.drd"), "saved");
    EXPECT_FALSE(fs::exists(dir.Path() / (prefix + dead + ".Ab12Cd")));
    EXPECT_FALSE(fs::exists(dir.Path() / ("a.drd.tmp" + dead)));
    EXPECT_TRUE(fs::exists(dir.Path() / (prefix + live + ".Zz99Yy")));
    EXPECT_TRUE(fs::exists(dir.Path() / (clsFileStream::TempPrefix("b.drd") + dead + ".Ab12Cd")));
    EXPECT_TRUE(fs::exists(dir.Path() / "a.drd.tmpnotapid"));
}

// A FIFO in place of a file used to block the reader for good; now it is refused before it is
// opened, for reading and for replacing.
TEST(clsFileStream, FifoIsRefusedWithoutBlocking)
{
    TempDir dir;
    RecordingHost host;
    clsFileStream stream(host, dir.Str());
    const fs::path fifo = dir.Path() / "f.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    auto read = std::async(std::launch::async, [&] {
        std::string text;
        return stream.LoadFromFile("f.txt", text);
    });
    if (read.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        // Release the blocked reader so that the test can end.
        const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        ::close(fd);
        read.wait();
        FAIL() << "reading a FIFO blocked";
    }
    EXPECT_FALSE(read.get());
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Icon, MsgIcon::Error);
    EXPECT_NE(host.Messages[0].Text.find(fifo.string() + ": 通常のファイルではありません"),
              std::string::npos)
        << host.Messages[0].Text;
    EXPECT_FALSE(stream.SaveToFile("f.txt", "x"));
    EXPECT_TRUE(S_ISFIFO(StatOf(fifo).st_mode));
    std::string bytes;
    EXPECT_EQ(clsFileStream::ReadWhole(fifo.string(), bytes), clsFileStream::NotRegularFile);
    EXPECT_EQ(clsFileStream::ReadWhole((dir.Path() / "none").string(), bytes), ENOENT);
}

TEST(clsFileStream, ReadFailureNamesTheFileAndTheKindOfFailure)
{
    const TempDir dir;
    const std::string missing = (dir.Path() / "none.drd").string();
    std::string bytes;
    const ErrorRecord notFound =
        clsFileStream::ReadFailure(missing, clsFileStream::ReadWhole(missing, bytes));
    EXPECT_EQ(notFound.Number, 53);
    EXPECT_EQ(notFound.Description, "ファイルが見つかりません。 " + missing);

    const std::string folder = dir.Path().string();
    const ErrorRecord notRegular =
        clsFileStream::ReadFailure(folder, clsFileStream::NotRegularFile);
    EXPECT_EQ(notRegular.Number, 75);
    EXPECT_NE(notRegular.Description.find(folder + ": 通常のファイルではありません)"),
              std::string::npos);

    const ErrorRecord other = clsFileStream::ReadFailure(folder, EIO);
    EXPECT_EQ(other.Number, 57);
    EXPECT_EQ(other.Description,
              "ファイルを読み込めません。 (" + folder + ": " + clsFileStream::ErrorText(EIO) + ")");
}

// Once the rename is done the file is the new one: a folder that cannot be synced after it is
// told as a warning, and the save succeeds.
TEST(clsFileStream, FailedFolderSyncAfterTheRenameIsAWarning)
{
    TempDir dir;
    RecordingHost host;
    clsFileStream stream(host, dir.Str());
    dir.Write("a.txt", "old");
    bool ok = false;
    {
        const clsFileStream::FaultScope fault(clsFileStream::SaveStep::FolderSync, EIO);
        ok = stream.SaveToFile("a.txt", "new");
    }
    EXPECT_TRUE(ok);
    EXPECT_EQ(dir.Read("a.txt"), "new");
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Icon, MsgIcon::Warning);
    EXPECT_NE(host.Messages[0].Text.find("は保存しましたが"), std::string::npos);
    int folderSync = -1;
    EXPECT_EQ(clsFileStream::ReplaceWhole(dir.Str() + "/a.txt", "again", &folderSync), 0);
    EXPECT_EQ(folderSync, 0);
}

TEST(clsFileStream, FullDiskIsErrorSixtyOne)
{
    TempDir dir;
    RecordingHost host;
    clsFileStream stream(host, dir.Str());
    dir.Write("a.txt", "old");
    for (const int e : {ENOSPC, EDQUOT}) {
        host.Messages.clear();
        const clsFileStream::FaultScope fault(clsFileStream::SaveStep::Write, e);
        EXPECT_FALSE(stream.SaveToFile("a.txt", "new"));
        EXPECT_EQ(dir.Read("a.txt"), "old");
        ASSERT_EQ(host.Messages.size(), 1u);
        EXPECT_NE(host.Messages[0].Text.find("ディスクの空き容量が不足しています。"),
                  std::string::npos);
        EXPECT_NE(host.Messages[0].Text.find("( 61 )"), std::string::npos);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
}
