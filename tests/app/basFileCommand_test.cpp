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

TEST(FileCommand, KindByExtensionInAnyCaseElseAWorkFile)
{
    using basFileCommand::FileKind;
    using basFileCommand::KindOf;
    EXPECT_EQ(KindOf("/u/条件.drj"), FileKind::Jouken);
    EXPECT_EQ(KindOf("/u/A.DRJ"), FileKind::Jouken);
    EXPECT_EQ(KindOf("/u/t.csv"), FileKind::Csv);
    EXPECT_EQ(KindOf("/u/T.Csv"), FileKind::Csv);
    EXPECT_EQ(KindOf("/u/w.drd"), FileKind::Data);
    // Unknown or no extension: the work file's own check speaks.
    EXPECT_EQ(KindOf("/u/notes.txt"), FileKind::Data);
    EXPECT_EQ(KindOf("/u.drj/work"), FileKind::Data);
    EXPECT_EQ(KindOf("/u/drj"), FileKind::Data);
}
