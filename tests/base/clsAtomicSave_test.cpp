#include "base/clsAtomicSave.h"
#include "base/clsFileStream.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>

TEST(clsAtomicSave, ReplacesTheFileOrLeavesItAsItWas)
{
    TempDir dir;
    dir.Write("a.drd", "old");
    const std::string path = (dir.Path() / "a.drd").string();
    clsAtomicSave::Outcome outcome;
    ASSERT_TRUE(clsAtomicSave::SaveBytes(path, "\x81\x60new", outcome));
    EXPECT_EQ(outcome.Code, 0);
    EXPECT_EQ(outcome.FolderSync, 0);
    EXPECT_EQ(dir.Read("a.drd"), "\x81\x60new");

    {
        const clsFileStream::FaultScope fault(clsFileStream::SaveStep::Write, EIO);
        EXPECT_FALSE(clsAtomicSave::SaveBytes(path, "lost", outcome));
    }
    EXPECT_EQ(outcome.Code, EIO);
    EXPECT_EQ(dir.Read("a.drd"), "\x81\x60new");

    // A folder that cannot be synced after the rename is only a warning: the file is new.
    {
        const clsFileStream::FaultScope fault(clsFileStream::SaveStep::FolderSync, EIO);
        EXPECT_TRUE(clsAtomicSave::SaveBytes(path, "synced?", outcome));
    }
    EXPECT_EQ(outcome.Code, 0);
    EXPECT_EQ(outcome.FolderSync, EIO);
    EXPECT_EQ(dir.Read("a.drd"), "synced?");
}

TEST(clsAtomicSave, WriteErrorTellsAFullDiskFromOtherFailures)
{
    for (const int full : {ENOSPC, EDQUOT}) {
        const ErrorRecord r = clsAtomicSave::WriteError("/x/a.drd", {full, 0});
        EXPECT_EQ(r.Number, ErrorNumber::DiskFull);
        EXPECT_EQ(r.Description.rfind(
                      "/x/a.drd に書き込めません。ディスクの空き容量が不足しています。", 0),
                  0u)
            << r.Description;
    }
    for (const int other : {EACCES, EIO, clsFileStream::NotRegularFile}) {
        const ErrorRecord r = clsAtomicSave::WriteError("/x/a.drd", {other, 0});
        EXPECT_EQ(r.Number, ErrorNumber::PathAccess);
        EXPECT_EQ(r.Description,
                  "/x/a.drd に書き込めません。 (" + clsFileStream::ErrorText(other) + ")");
        EXPECT_EQ(r.Source, kAppTitle);
    }
}
