#include "app/clsKelvraIni.h"
#include "base/basText.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {
const std::string kBroken = "Kelvra.iniファイルが破損しています。";

std::string Sjis(std::string_view strUtf8)
{
    return basText::ToSjis(strUtf8);
}
} // namespace

TEST(clsKelvraIni, MissingFileGivesTheDefaultsSilently)
{
    TempDir dir;
    RecordingHost host;
    clsKelvraIni ini(host, dir.Str());
    ini.Kaisaikai = 99;
    ini.DownloadMessage = false;
    ini.ResultAll = true;
    ini.Load();
    EXPECT_EQ(ini.Kaisaikai, 1);
    EXPECT_TRUE(ini.DownloadMessage);
    EXPECT_FALSE(ini.ResultAll);
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "SysData/Kelvra.ini"));
}

TEST(clsKelvraIni, SaveWritesTheFileLinesInCp932WithCrLfAndReadsBack)
{
    TempDir dir;
    RecordingHost host;
    clsKelvraIni ini(host, dir.Str());
    ini.Kaisaikai = 1234;
    ini.DownloadMessage = false;
    ini.ResultAll = true;
    // The folder is made when missing.
    ASSERT_TRUE(ini.Save());
    const std::string bytes = dir.Read("SysData/Kelvra.ini");
    const auto lines = ini.Lines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], ";Drovane Kelvra Ini File (Kelvra.ini)");
    EXPECT_EQ(lines[1].substr(0, 1), ";");
    EXPECT_EQ(lines[2], "");
    std::string expected;
    for (const auto& line : lines) {
        expected += Sjis(line) + "\r\n";
    }
    EXPECT_EQ(bytes, expected);
    EXPECT_NE(bytes.find("\r\nKaisaikai = 1234\r\nDownloadMessage = 0\r\nResultAll = 1\r\n"),
              std::string::npos);

    clsKelvraIni back(host, dir.Str());
    back.Load();
    EXPECT_EQ(back.Kaisaikai, 1234);
    EXPECT_FALSE(back.DownloadMessage);
    EXPECT_TRUE(back.ResultAll);
    EXPECT_TRUE(host.Messages.empty());
}

TEST(clsKelvraIni, EachUnreadableKeyIsReportedAndTheOthersAreStillRead)
{
    TempDir dir;
    RecordingHost host;
    dir.Write("SysData/Kelvra.ini", Sjis(";Drovane Kelvra Ini File (Kelvra.ini)\r\n"
                                         "Kaisaikai = 第十回\r\n"
                                         "DownloadMessage = ja\r\n"
                                         "ResultAll = 1\r\n"));
    clsKelvraIni ini(host, dir.Str());
    ini.Load();
    ASSERT_EQ(host.Messages.size(), 2u);
    for (const auto& m : host.Messages) {
        EXPECT_EQ(m.Icon, MsgIcon::Error);
        EXPECT_EQ(m.Text, kBroken);
    }
    EXPECT_EQ(ini.Kaisaikai, 1);
    EXPECT_TRUE(ini.DownloadMessage);
    EXPECT_TRUE(ini.ResultAll);
}

TEST(clsKelvraIni, RoundsOutsideTheRangeAreBroken)
{
    for (const char* value : {"-3", "99999999999", "12x", "1/2"}) {
        TempDir dir;
        RecordingHost host;
        dir.Write("SysData/Kelvra.ini", std::string("Kaisaikai = ") + value + "\r\n");
        clsKelvraIni ini(host, dir.Str());
        ini.Load();
        EXPECT_EQ(ini.Kaisaikai, 1) << value;
        ASSERT_EQ(host.Messages.size(), 1u) << value;
        EXPECT_EQ(host.Messages[0].Text, kBroken);
    }
}

TEST(clsKelvraIni, HandEditedValuesAreReadAsTheBooleanConversionDid)
{
    TempDir dir;
    RecordingHost host;
    // Keys without regard to case, blanks around "=", the first of two keys wins; a fraction
    // rounds halves to even.
    dir.Write("SysData/Kelvra.ini", "kaisaikai=  0056.5\r\n"
                                    "  DOWNLOADMESSAGE = False\r\n"
                                    "ResultAll = -2\r\n"
                                    "ResultAll = 0\r\n");
    clsKelvraIni ini(host, dir.Str());
    ini.Load();
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessageText();
    EXPECT_EQ(ini.Kaisaikai, 56);
    EXPECT_FALSE(ini.DownloadMessage);
    EXPECT_TRUE(ini.ResultAll);
}

TEST(clsKelvraIni, EmptyValuesKeepTheDefaultsWithoutComplaint)
{
    TempDir dir;
    RecordingHost host;
    dir.Write("SysData/Kelvra.ini", "Kaisaikai = \r\nDownloadMessage =\r\n");
    clsKelvraIni ini(host, dir.Str());
    ini.Kaisaikai = 5;
    ini.Load();
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(ini.Kaisaikai, 1);
    EXPECT_TRUE(ini.DownloadMessage);
}

TEST(clsKelvraIni, FailedSaveReportsAndReturnsFalse)
{
    TempDir dir;
    RecordingHost host;
    // SysData is a plain file here, so no folder can be made for the settings.
    dir.Write("SysData", "not a folder");
    clsKelvraIni ini(host, dir.Str());
    EXPECT_FALSE(ini.Save());
    EXPECT_FALSE(host.Messages.empty());
    EXPECT_EQ(dir.Read("SysData"), "not a folder");
}
