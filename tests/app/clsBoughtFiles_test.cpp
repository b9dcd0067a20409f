#include "app/clsBoughtFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(clsBoughtFiles, OneFileByTwoPathsIsOneEntryKeptAbsolute)
{
    clsBoughtFiles bought;
    const std::filesystem::path cwd = std::filesystem::current_path();
    EXPECT_TRUE(bought.Set("round.drd", true));
    EXPECT_FALSE(bought.Set((cwd / "x" / ".." / "round.drd").string(), true));
    ASSERT_EQ(bought.Files().size(), 1u);
    EXPECT_EQ(bought.Files()[0], (cwd / "round.drd").string());
    EXPECT_TRUE(bought.Contains("./round.drd"));
    EXPECT_FALSE(bought.Contains("other.drd"));
    EXPECT_FALSE(bought.Contains(""));

    EXPECT_TRUE(bought.Set("./round.drd", false));
    EXPECT_FALSE(bought.Set("round.drd", false));
    EXPECT_TRUE(bought.Files().empty());
}

TEST(clsBoughtFiles, NamesTheSessionFileCannotHoldAreRefusedAndAListIsCleaned)
{
    clsBoughtFiles bought;
    EXPECT_FALSE(bought.Set("/a\nb.drd", true));
    EXPECT_FALSE(bought.Set("", true));
    bought.Assign({"/b.drd", "/a.drd", "/b.drd", "/c\r.drd", "/x/../a.drd"});
    EXPECT_EQ(bought.Files(), (std::vector<std::string>{"/b.drd", "/a.drd"}));
}
