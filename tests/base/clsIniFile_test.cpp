#include "base/basText.h"
#include "base/clsIniFile.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {
clsIniFile FromText(RecordingHost& host, std::string_view text)
{
    clsIniFile ini(host, "/nonexistent");
    ini.InitializeText(text);
    return ini;
}
} // namespace

TEST(clsIniFile, LinesAreTrimmedAndSplitAtTheFirstEquals)
{
    RecordingHost host;
    const auto ini = FromText(host, "  totoOfficialVoteUrl=abc  \r\n"
                                    "a = b=c\r\n"
                                    "x = \r\n"
                                    " = y\r\n"
                                    "[End]\r\n"
                                    "   ; comment = 1\r\n"
                                    "  // comment = 2\r\n"
                                    "\r\n"
                                    "\tt\t=\tv w\t\r\n");
    ASSERT_EQ(ini.Entries().size(), 3u);
    EXPECT_EQ(ini.GetItem("totoOfficialVoteUrl", "d"), "abc");
    EXPECT_EQ(ini.GetItem("a", ""), "b=c");
    EXPECT_EQ(ini.GetItem("x", "default"), "default");
    EXPECT_FALSE(ini.ItemExists("x"));
    EXPECT_FALSE(ini.ItemExists("[End]"));
    EXPECT_FALSE(ini.ItemExists("; comment"));
    EXPECT_FALSE(ini.ItemExists("comment"));
    EXPECT_EQ(ini.GetItem("t", ""), "v w");
    EXPECT_TRUE(host.Messages.empty());
}

TEST(clsIniFile, KeysAndValuesCompareWithoutCaseAndFirstWins)
{
    RecordingHost host;
    const auto ini = FromText(host, "Key = First\nKEY = second\nOther = first\n");
    EXPECT_EQ(ini.GetItem("key", ""), "First");
    EXPECT_TRUE(ini.ItemExists("kEy"));
    EXPECT_EQ(ini.GetKey("FIRST"), "Key");
    EXPECT_TRUE(ini.KeyExists("SECOND"));
    EXPECT_EQ(ini.GetKey("none"), "");
    EXPECT_FALSE(ini.KeyExists(""));
    EXPECT_EQ(ini.GetItem("", "dflt"), "dflt");
}

TEST(clsIniFile, FullWidthSpaceIsTextNotABlank)
{
    RecordingHost host;
    const auto ini = FromText(host, "ｶ = ガンバ\u3000大阪\u3000\n");
    EXPECT_EQ(ini.GetItem("ｶ", ""), "ガンバ\u3000大阪\u3000");
}

TEST(clsIniFile, ReadsCp932FilesUpToTheFirstNul)
{
    TempDir dir;
    dir.Write("SysData/t.dat",
              basText::ToSjis("G大阪 = ガンバ大阪\r\n") + std::string("\0x = y", 6));
    RecordingHost host;
    clsIniFile ini(host, dir.Str());
    ASSERT_TRUE(ini.Initialize("SysData/t.dat"));
    EXPECT_TRUE(ini.Enabled());
    EXPECT_EQ(ini.GetKey("ガンバ大阪"), "G大阪");
    EXPECT_FALSE(ini.ItemExists("x"));
}

TEST(clsIniFile, MissingFileIsSilentButLookupsReportInitializeErr)
{
    TempDir dir;
    RecordingHost host;
    clsIniFile ini(host, dir.Str());
    EXPECT_FALSE(ini.Initialize("SysData/none.dat"));
    EXPECT_FALSE(ini.Enabled());
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(ini.GetItem("a", "default"), "");
    EXPECT_FALSE(ini.ItemExists("a"));
    EXPECT_EQ(ini.GetKey("a"), "");
    EXPECT_FALSE(ini.KeyExists("a"));
    ASSERT_EQ(host.Messages.size(), 4u);
    EXPECT_EQ(host.Messages[0].Text, "Initialize Err");
    EXPECT_EQ(host.Messages[0].Caption, "Kelvra / clsIniFile / GetItem");
    EXPECT_EQ(host.Messages[3].Caption, "Kelvra / clsIniFile / KeyExists");
}
