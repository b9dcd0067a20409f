#include "app/basFileCommand.h"

#include <gtest/gtest.h>

TEST(FileCommand, ExtensionAddedOnlyWhenMissing)
{
    using basFileCommand::WithExtension;
    EXPECT_EQ(WithExtension("/u/条件", "drj"), "/u/条件.drj");
    EXPECT_EQ(WithExtension("/u/a.drj", "drj"), "/u/a.drj");
    EXPECT_EQ(WithExtension("/u/a.DRJ", "drj"), "/u/a.DRJ");
    EXPECT_EQ(WithExtension("/u/a.drd", "drj"), "/u/a.drd.drj");
    EXPECT_EQ(WithExtension("/u/adrj", "drj"), "/u/adrj.drj");
    EXPECT_EQ(WithExtension("/u.drj/a", "drj"), "/u.drj/a.drj");
    EXPECT_EQ(WithExtension("", "drj"), "");
}

TEST(FileCommand, DataNameHasTheRoundAsThreeDigitsAndTheGroup)
{
    using basFileCommand::DataProposedName;
    EXPECT_EQ(DataProposedName(5, "A"), "KV-005A.drd");
    EXPECT_EQ(DataProposedName(0, ""), "KV-000.drd");
    EXPECT_EQ(DataProposedName(87, "B"), "KV-087B.drd");
    EXPECT_EQ(DataProposedName(1234, ""), "KV-1234.drd");
}
