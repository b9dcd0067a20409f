#include "app/clsRecentFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {
using Files = std::vector<std::string>;
}

TEST(RecentFiles, NewestFirstOnceEachAndNoMoreThanEight)
{
    clsRecentFiles recent;
    for (int i = 0; i < 10; ++i) {
        recent.Add("/w/" + std::to_string(i) + ".drd");
    }
    ASSERT_EQ(recent.Files().size(), clsRecentFiles::kMax);
    EXPECT_EQ(recent.Files().front(), "/w/9.drd");
    EXPECT_EQ(recent.Files().back(), "/w/2.drd");

    // Used again: to the front, not twice.
    recent.Add("/w/5.drd");
    EXPECT_EQ(recent.Files().size(), clsRecentFiles::kMax);
    EXPECT_EQ(recent.Files()[0], "/w/5.drd");
    EXPECT_EQ(recent.Files()[1], "/w/9.drd");
    EXPECT_EQ(std::count(recent.Files().begin(), recent.Files().end(), "/w/5.drd"), 1);

    EXPECT_TRUE(recent.Remove("/w/9.drd"));
    EXPECT_FALSE(recent.Remove("/w/9.drd"));
    EXPECT_EQ(recent.Files()[1], "/w/8.drd");
}

TEST(RecentFiles, NamesTheSessionFileCannotHoldAreNotTaken)
{
    clsRecentFiles recent;
    recent.Add("");
    recent.Add("/w/a\nb.drd");
    recent.Add("/w/a\rb.drd");
    EXPECT_TRUE(recent.Files().empty());
}

TEST(RecentFiles, AssignKeepsTheOrderAndCleansTheList)
{
    clsRecentFiles recent;
    recent.Add("/old.drd");
    recent.Assign({"/a.drd", "/b.drj", "/a.drd", "", "/c.csv", "/4", "/5", "/6", "/7", "/8", "/9"});
    EXPECT_EQ(recent.Files(), (Files{"/a.drd", "/b.drj", "/c.csv", "/4", "/5", "/6", "/7", "/8"}));
}
