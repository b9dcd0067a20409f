#include "base/clsShell.h"
#include "support/ReadOnlyFolder.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

TEST(clsShell, CommandLineSplitsAfterTheFirstPrefixThatIsAFile)
{
    TempDir dir;
    dir.Write("Program Files/Viewer/view", "#!/bin/sh\n");
    RecordingHost host;
    clsShell shell(host, host, host, dir.Str());
    // "<dir>/Program" does not exist, the viewer does: the blank after it separates.
    const std::string line = dir.Str() + "/Program Files/Viewer/view /c/a b.txt";
    const auto [file, params] = shell.SplitCommandLine(line);
    EXPECT_EQ(file, dir.Str() + "/Program Files/Viewer/view");
    EXPECT_EQ(params, "/c/a b.txt");
    const auto [url, none] = shell.SplitCommandLine("https://example.jp/a b");
    EXPECT_EQ(url, "https://example.jp/a b");
    EXPECT_EQ(none, "");
    const auto [lead, p2] = shell.SplitCommandLine(" x");
    EXPECT_EQ(lead, " x");
    EXPECT_EQ(p2, "");
}

TEST(clsShell, ShellXHandsTheFileToTheDesktopHandler)
{
    TempDir dir;
    RecordingHost host;
    clsShell shell(host, host, host, dir.Str());
    EXPECT_TRUE(shell.ShellX("https://www.toto-dream.com/", 1, false));
    ASSERT_EQ(host.Opened.size(), 1u);
    EXPECT_EQ(host.Opened[0], "https://www.toto-dream.com/");
    // No handler and nothing that could be started: false, and nothing runs.
    host.OpenResult = false;
    EXPECT_FALSE(shell.ShellX("no-such-program --flag", 1, true));
}

TEST(clsShell, StartsAnExecutableAndWaitsForIt)
{
    TempDir dir;
    dir.Write("run.sh", "#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/out.txt\"\n");
    ::chmod((dir.Path() / "run.sh").c_str(), 0755);
    RecordingHost host;
    host.OpenResult = false;
    clsShell shell(host, host, host, dir.Str());
    ASSERT_TRUE(shell.ShellX(dir.Str() + "/run.sh hello world", 1, true));
    EXPECT_EQ(dir.Read("out.txt"), "hello world\n");
}

TEST(clsShell, WritableSysDataIsEnoughForReferenceDownloads)
{
    TempDir dir;
    dir.Write("SysData/TeamName.dat", "");
    RecordingHost host;
    clsShell shell(host, host, host, dir.Str());
    EXPECT_FALSE(shell.IsVirtualstore());
    EXPECT_TRUE(shell.CheckVirtualstoreAdmin());
    EXPECT_TRUE(host.Messages.empty());
}

TEST(clsShell, ReadOnlySysDataIsRefusedWithTheWarning)
{
    TempDir dir;
    dir.Write("SysData/TeamName.dat", "");
    RecordingHost host;
    clsShell shell(host, host, host, dir.Str());
    bool ok = true;
    {
        const ReadOnlyFolder readOnly(dir.Path() / "SysData");
        ASSERT_EQ(readOnly.Failure(), "");
        ok = shell.CheckVirtualstoreAdmin();
    }
    EXPECT_FALSE(ok);
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Icon, MsgIcon::Warning);
    EXPECT_EQ(host.Messages[0].Caption, "管理権限不足エラー");
    EXPECT_EQ(host.Messages[0].Text, "Virtualstore対象フォルダでは一般権限で実行できません。\r\n"
                                     "アプリケーションを終了させ管理者として実行して下さい。");
}

TEST(clsShell, ProtectedPrefixesMatchWithoutCase)
{
    RecordingHost host;
    clsShell shell(host, host, host, "c:\\program files (x86)\\app");
    EXPECT_TRUE(shell.IsVirtualstore());
    clsShell other(host, host, host, "/home/user/Program Files");
    EXPECT_FALSE(other.IsVirtualstore());
}
