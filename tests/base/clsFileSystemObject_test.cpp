#include "base/clsFileSystemObject.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(clsFileSystemObject, RelativePathsJoinTheProgramFolder)
{
    const clsFileSystemObject fso("/opt/kelvra");
    EXPECT_EQ(fso.GetFullPath("UserData/Kelvra"), "/opt/kelvra/UserData/Kelvra");
    EXPECT_EQ(fso.GetFullPath("/work/a.drd"), "/work/a.drd");
    EXPECT_EQ(fso.GetFullPath("SysData"), "/opt/kelvra/SysData");
    const clsFileSystemObject slash("/opt/kelvra/");
    EXPECT_EQ(slash.GetFullPath("SysData"), "/opt/kelvra/SysData");
    // Windows-style drive paths are not absolute here.
    EXPECT_EQ(fso.GetFullPath("D:x"), "/opt/kelvra/D:x");
}

TEST(clsFileSystemObject, BuildPathAddsOneSlash)
{
    EXPECT_EQ(clsFileSystemObject::BuildPath("a", "b.txt"), "a/b.txt");
    EXPECT_EQ(clsFileSystemObject::BuildPath("a/", "b.txt"), "a/b.txt");
    EXPECT_EQ(clsFileSystemObject::BuildPath("/", "b"), "/b");
    EXPECT_EQ(clsFileSystemObject::BuildPath("", "b"), "b");
}

TEST(clsFileSystemObject, PathSplits)
{
    using F = clsFileSystemObject;
    EXPECT_EQ(F::GetFileName("/a/b/c.tar.gz"), "c.tar.gz");
    EXPECT_EQ(F::GetBaseName("/a/b/c.tar.gz"), "c.tar");
    EXPECT_EQ(F::GetExtensionName("/a/b/c.tar.gz"), "gz");
    EXPECT_EQ(F::GetParentFolderName("/a/b/c.tar.gz"), "/a/b");
    EXPECT_EQ(F::GetExtensionName("/a.d/noext"), "");
    EXPECT_EQ(F::GetBaseName("/a.d/noext"), "noext");
    EXPECT_EQ(F::GetFileName("a/b/"), "b");
    EXPECT_EQ(F::GetParentFolderName("a/b/"), "a");
    EXPECT_EQ(F::GetParentFolderName("/x"), "/");
    EXPECT_EQ(F::GetParentFolderName("x"), "");
    EXPECT_EQ(F::GetFileName("/"), "");
    EXPECT_EQ(F::GetDriveName("/a/b"), "");
}

TEST(clsFileSystemObject, FolderCheckCreatesEveryMissingParent)
{
    TempDir dir;
    const clsFileSystemObject fso(dir.Str());
    EXPECT_FALSE(fso.FolderExists("SysData/toto_Vote/old"));
    EXPECT_TRUE(fso.FolderCheck("SysData/toto_Vote/old"));
    EXPECT_TRUE(fso.FolderExists("SysData/toto_Vote/old"));
    EXPECT_TRUE(fso.FolderCheck("SysData/toto_Vote/old"));
    // A file in the way is not a folder.
    dir.Write("plain", "x");
    EXPECT_FALSE(fso.FolderCheck("plain"));
    EXPECT_TRUE(fso.FileExists("plain"));
    EXPECT_FALSE(fso.FolderExists("plain"));
    EXPECT_FALSE(fso.FileExists("SysData"));
    EXPECT_TRUE(fso.DeleteFile("plain"));
    EXPECT_FALSE(fso.FileExists("plain"));
}

TEST(clsFileSystemObject, FileListMatchesPatternWithoutCase)
{
    TempDir dir;
    dir.Write("S/0503.xml", "");
    dir.Write("S/0001.XML", "");
    dir.Write("S/0100.xml", "");
    dir.Write("S/note.txt", "");
    dir.Write("S/sub.xml/inner.xml", ""); // a folder is never listed
    const clsFileSystemObject fso(dir.Str());
    std::vector<std::string> list;
    EXPECT_EQ(fso.GetFileList("S/*.xml", true, list), 3);
    EXPECT_EQ(list, (std::vector<std::string>{"0001.XML", "0100.xml", "0503.xml"}));
    EXPECT_EQ(fso.GetFileList("S/01??.xml", false, list), 1);
    EXPECT_EQ(list.front(), "0100.xml");
    EXPECT_EQ(fso.GetFileList("missing/*.xml", true, list), 0);
    EXPECT_TRUE(list.empty());
}
