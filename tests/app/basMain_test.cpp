#include "app/basMain.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {
void WriteReferenceFiles(const TempDir& dir)
{
    for (const char* name : {"TeamName.dat", "TeamName1.dat", "TeamName2.dat", "J1J2.dat"}) {
        dir.Write(std::string("SysData/") + name, "");
    }
}
} // namespace

TEST(basMain, VersionTextPadsTheMinorAndShowsOnlyARealRevision)
{
    EXPECT_EQ(basMain::VersionText(3, 5, 0), "3.05");
    EXPECT_EQ(basMain::VersionText(3, 5, 2), "3.05.2");
    EXPECT_EQ(basMain::VersionText(1, 12, 0), "1.12");
    EXPECT_EQ(basMain::VersionText(1, 0, -1), "1.00");
}

TEST(basMain, MissingPiecesReportOnlyTheFirstInOrder)
{
    TempDir dir;
    EXPECT_EQ(basMain::CheckDataFiles(dir.Str()),
              "システムデータフォルダ(SysData)が見つかりません");
    WriteReferenceFiles(dir);
    EXPECT_EQ(basMain::CheckDataFiles(dir.Str()), "");
    std::filesystem::remove(dir.Path() / "SysData/TeamName1.dat");
    std::filesystem::remove(dir.Path() / "SysData/J1J2.dat");
    EXPECT_EQ(basMain::CheckDataFiles(dir.Str()), "データファイル(TeamName1.dat)が見つかりません");
    WriteReferenceFiles(dir);
    for (const char* name : {"TeamName.dat", "TeamName2.dat", "J1J2.dat"}) {
        TempDir one;
        WriteReferenceFiles(one);
        std::filesystem::remove(one.Path() / "SysData" / name);
        EXPECT_EQ(basMain::CheckDataFiles(one.Str()),
                  std::string("データファイル(") + name + ")が見つかりません");
    }
    // A folder with the file's name is not the file.
    std::filesystem::remove(dir.Path() / "SysData/TeamName.dat");
    std::filesystem::create_directory(dir.Path() / "SysData/TeamName.dat");
    EXPECT_EQ(basMain::CheckDataFiles(dir.Str()), "データファイル(TeamName.dat)が見つかりません");
}

TEST(basMain, StartupWritesMissingSettingsAndWritesNothingOnFailure)
{
    TempDir dir;
    dir.Write("SysData/TeamName.dat", "");
    RecordingHost host;
    TotoSettings settings;
    settings.Version = 0;
    EXPECT_EQ(basMain::Startup(host, dir.Str(), settings),
              "データファイル(TeamName1.dat)が見つかりません");
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "SysData/totoSettings.ini"));
    EXPECT_EQ(settings.Version, 0);

    WriteReferenceFiles(dir);
    EXPECT_EQ(basMain::Startup(host, dir.Str(), settings), "");
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "SysData/totoSettings.ini"));
    EXPECT_EQ(settings, basTotoSettings::Defaults());
    EXPECT_TRUE(host.Messages.empty());
}
