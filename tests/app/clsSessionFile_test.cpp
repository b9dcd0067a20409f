#include "app/clsSessionFile.h"
#include "support/ReadOnlyFolder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(SessionFile, WhatWasSavedComesBack)
{
    TempDir dir;
    clsSessionFile session;
    session.Recent = {"/home/u/ラウンド 1.drd", "/home/u/条件.drj"};
    session.Bought = {"/home/u/ラウンド 1.drd", "/home/u/第2回.drd"};
    session.LastFolder = "/home/u/toto";
    session.Geometry = "AdnQywADAAA=";
    session.WindowState = "AAAA/wAAAAD9";
    const std::string file = (dir.Path() / "kelvra" / clsSessionFile::kFileName).string();
    std::string error;
    ASSERT_TRUE(session.Save(file, error)) << error;

    clsSessionFile back;
    ASSERT_TRUE(back.Load(file));
    EXPECT_EQ(back.Recent, session.Recent);
    EXPECT_EQ(back.Bought, session.Bought);
    EXPECT_EQ(back.LastFolder, session.LastFolder);
    EXPECT_EQ(back.Geometry, session.Geometry);
    EXPECT_EQ(back.WindowState, session.WindowState);
}

TEST(SessionFile, AMissingOrDamagedFileCostsOnlyWhatItHeld)
{
    TempDir dir;
    clsSessionFile session;
    session.LastFolder = "/stale";
    EXPECT_TRUE(session.Load((dir.Path() / "none.conf").string()));
    EXPECT_TRUE(session.LastFolder.empty());

    dir.Write("s.conf", "garbage\r\nRecent=/a.drd\r\nFuture=1\r\n=\r\nLastFolder=/f\r\n\x01\x02");
    ASSERT_TRUE(session.Load((dir.Path() / "s.conf").string()));
    EXPECT_EQ(session.Recent, std::vector<std::string>{"/a.drd"});
    EXPECT_EQ(session.LastFolder, "/f");
    EXPECT_TRUE(session.Geometry.empty());
}

TEST(SessionFile, AFailedSaveKeepsTheOldFileAndSaysWhy)
{
    TempDir dir;
    clsSessionFile session;
    session.Recent = {"/a.drd"};
    const std::string file = (dir.Path() / "kelvra" / "s.conf").string();
    std::string error;
    ASSERT_TRUE(session.Save(file, error));
    const std::string before = dir.Read("kelvra/s.conf");

    session.Recent = {"/b.drd"};
    {
        ReadOnlyFolder locked(dir.Path() / "kelvra");
        ASSERT_EQ(locked.Failure(), "");
        EXPECT_FALSE(session.Save(file, error));
    }
    EXPECT_NE(error.find("s.conf"), std::string::npos) << error;
    EXPECT_EQ(dir.Read("kelvra/s.conf"), before);
}
