#include "base/FileStamp.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

namespace {
void SetTimes(const std::string& path, std::int64_t lngSeconds, long lngNanoseconds)
{
    const timespec times[2] = {{static_cast<time_t>(lngSeconds), 0},
                               {static_cast<time_t>(lngSeconds), lngNanoseconds}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}
} // namespace

// Two writes within one second, of the same size, differ only in the nanoseconds; a file
// replaced by another of the same size and time differs in its identity.
TEST(FileStamp, TellsVersionsApartByTimeSizeAndIdentity)
{
    TempDir dir;
    dir.Write("f.drd", "abc");
    const std::string path = (dir.Path() / "f.drd").string();
    SetTimes(path, 1'700'000'000, 100);
    const auto first = FileStamp::Of(path);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->Size, 3);
    EXPECT_EQ(first->Seconds, 1'700'000'000);
    EXPECT_EQ(first->Nanoseconds, 100);
    EXPECT_EQ(FileStamp::Of(path), first);

    SetTimes(path, 1'700'000'000, 200);
    EXPECT_NE(FileStamp::Of(path), first);

    dir.Write("f.drd", "abcd");
    SetTimes(path, 1'700'000'000, 100);
    EXPECT_NE(FileStamp::Of(path), first);

    dir.Write("f.drd", "abc");
    SetTimes(path, 1'700'000'000, 100);
    const auto same = FileStamp::Of(path);
    dir.Write("g.drd", "xyz");
    const std::string other = (dir.Path() / "g.drd").string();
    SetTimes(other, 1'700'000'000, 100);
    ASSERT_EQ(std::rename(other.c_str(), path.c_str()), 0);
    EXPECT_NE(FileStamp::Of(path), same);

    EXPECT_FALSE(FileStamp::Of((dir.Path() / "none.drd").string()).has_value());
    EXPECT_FALSE(FileStamp::Of("").has_value());
}
