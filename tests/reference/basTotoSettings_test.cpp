#include "base/basText.h"
#include "base/clsIniFile.h"
#include "reference/basTotoSettings.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {
constexpr const char* kFile = "SysData/totoSettings.ini";

void WriteIni(const TempDir& dir, const std::string& text)
{
    dir.Write(kFile, basText::ToSjis(text));
}
} // namespace

TEST(basTotoSettings, DefaultAddressesAreTheOperatorsHttpsPages)
{
    const TotoSettings s = basTotoSettings::Defaults();
    EXPECT_EQ(s.Version, 1);
    for (const auto* url :
         {&s.totoOfficialScheduleUrl, &s.totoOfficialVoteUrl, &s.totoOfficialResultUrl}) {
        EXPECT_TRUE(url->starts_with("https://store.toto-dream.com/dcs/subos/screen/")) << *url;
        EXPECT_TRUE(url->ends_with(".form?holdCntId=")) << *url;
    }
    EXPECT_NE(s.totoOfficialVoteUrl.find("/pi09/spin003/PGSPIN00301InitVoteRate.form"),
              std::string::npos);
    EXPECT_EQ(s.totoOfficialTotoUrl, "&commodityId=01");
    EXPECT_EQ(s.totoOfficialMiniTotoBUrl, "&commodityId=07");
}

TEST(basTotoSettings, MissingFileIsWrittenWithDefaultsSilently)
{
    TempDir dir;
    dir.Write("SysData/keep", "");
    RecordingHost host;
    const TotoSettings s = basTotoSettings::LoadTotoSettings(host, dir.Str());
    EXPECT_EQ(s, basTotoSettings::Defaults());
    EXPECT_TRUE(host.Messages.empty());
    const std::string bytes = dir.Read(kFile);
    EXPECT_EQ(bytes, basText::ToSjis(basTotoSettings::SettingsText(s)));
    const std::string text = basText::FromSjis(bytes);
    EXPECT_TRUE(text.starts_with(";Drovane Toto Settings Ini File (totoSettings.ini)\r\n;"));
    EXPECT_NE(text.find("\r\n\r\nVersion = 1\r\n\r\n;totoオフィシャル開催情報URL\r\n"
                        "totoOfficialScheduleUrl = https://"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with(";totoオフィシャルURL(mini toto-B組)\r\n"
                               "totoOfficialMiniTotoBUrl = &commodityId=07\r\n"));
    // What was written reads back to the same settings.
    RecordingHost again;
    EXPECT_EQ(basTotoSettings::LoadTotoSettings(again, dir.Str()), s);
    EXPECT_TRUE(again.Messages.empty());
}

TEST(basTotoSettings, ValuesAreTakenByKeyWithoutCaseAndEmptyValuesKeepDefaults)
{
    TempDir dir;
    WriteIni(dir, "Version = 3\r\nTOTOOFFICIALVOTEURL = abc\r\ntotoOfficialResultUrl = \r\n"
                  "totoOfficialTotoUrl = a=b\r\n");
    RecordingHost host;
    const TotoSettings s = basTotoSettings::LoadTotoSettings(host, dir.Str());
    EXPECT_EQ(s.Version, 3);
    EXPECT_EQ(s.totoOfficialVoteUrl, "abc");
    EXPECT_EQ(s.totoOfficialResultUrl, basTotoSettings::Defaults().totoOfficialResultUrl);
    EXPECT_EQ(s.totoOfficialTotoUrl, "a=b");
    EXPECT_TRUE(host.Messages.empty());
    // A valid file is never rewritten.
    EXPECT_EQ(basText::FromSjis(dir.Read(kFile)).substr(0, 11), "Version = 3");
}

TEST(basTotoSettings, VersionBelowOneOrMissingRestoresDefaults)
{
    for (const char* version : {"Version = 0\r\n", "Version = -2\r\n", ""}) {
        TempDir dir;
        WriteIni(dir, std::string(version) + "totoOfficialVoteUrl = abc\r\n");
        RecordingHost host;
        const TotoSettings s = basTotoSettings::LoadTotoSettings(host, dir.Str());
        EXPECT_EQ(s, basTotoSettings::Defaults()) << version;
        EXPECT_TRUE(host.Messages.empty()) << version;
        RecordingHost again;
        clsIniFile ini(again, dir.Str());
        ASSERT_TRUE(ini.Initialize(kFile));
        EXPECT_EQ(ini.GetItem("Version", ""), "1") << version;
        EXPECT_EQ(ini.GetItem("totoOfficialVoteUrl", ""),
                  basTotoSettings::Defaults().totoOfficialVoteUrl);
    }
}

TEST(basTotoSettings, UnreadableVersionReportsBrokenFileAndKeepsTheRest)
{
    TempDir dir;
    WriteIni(dir, "Version = abc\r\ntotoOfficialVoteUrl = xyz\r\n");
    RecordingHost host;
    const TotoSettings s = basTotoSettings::LoadTotoSettings(host, dir.Str());
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Icon, MsgIcon::Error);
    EXPECT_EQ(host.Messages[0].Text, "totoSettings.iniファイルが破損しています。");
    EXPECT_EQ(s.Version, 1);
    EXPECT_EQ(s.totoOfficialVoteUrl, "xyz");
}

TEST(basTotoSettings, VersionPastThirtyTwoBitsIsBroken)
{
    TempDir dir;
    WriteIni(dir, "Version = 99999999999\r\n");
    RecordingHost host;
    const TotoSettings s = basTotoSettings::LoadTotoSettings(host, dir.Str());
    EXPECT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(s.Version, 1);
}

TEST(basTotoSettings, FolderInTheWayOfTheSettingsFileKeepsDefaultsAndHarmsNothing)
{
    TempDir dir;
    dir.Write("SysData/totoSettings.ini/inner", "x"); // a folder where the file should be
    RecordingHost host;
    const TotoSettings s = basTotoSettings::LoadTotoSettings(host, dir.Str());
    EXPECT_EQ(s, basTotoSettings::Defaults());
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Caption, "Kelvra / clsFileStream / SaveToFile");
    EXPECT_EQ(dir.Read("SysData/totoSettings.ini/inner"), "x");
}
