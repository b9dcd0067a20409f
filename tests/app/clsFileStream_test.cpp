#include "app/clsFileStream.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
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
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may write into a read-only folder";
    }
    TempDir dir;
    RecordingHost host;
    clsFileStream stream(host, dir.Str());
    dir.Write("ro/a.txt", "old");
    ::chmod((dir.Path() / "ro").c_str(), 0555);
    EXPECT_FALSE(stream.SaveToFile("ro/a.txt", "new"));
    ::chmod((dir.Path() / "ro").c_str(), 0755);
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
