// The edit context: one answer for the work's own commands, the user's edits and the window's
// commands, and a work lock that nests.

#include "app/clsEditContext.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

namespace {
class EditContext : public ::testing::Test
{
protected:
    RecordingHost host;
    bool running = false;
    int announced = 0;
    clsEditContext ctx{host, [this] { return running; }, [this] { ++announced; }};
};
} // namespace

TEST_F(EditContext, ABatchRefusesTheUsersEditsButNotTheWorksOwnCommands)
{
    EXPECT_TRUE(ctx.MayEdit());
    ctx.SetBatch(true);
    // The batch drives the work through its own commands: they must still run.
    EXPECT_TRUE(ctx.CanEdit());
    EXPECT_FALSE(ctx.MayEdit());
    EXPECT_TRUE(ctx.Busy());
    EXPECT_FALSE(ctx.MayRun(clsEditContext::Command::Menu));
    ctx.SetBatch(false);
    EXPECT_TRUE(ctx.MayEdit());
    EXPECT_FALSE(ctx.Busy());
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(EditContext, ARunOrTheLockRefusesEveryEdit)
{
    running = true;
    EXPECT_FALSE(ctx.CanEdit());
    EXPECT_FALSE(ctx.MayEdit());
    running = false;
    {
        const clsEditContext::LockScope lock(ctx);
        EXPECT_FALSE(ctx.CanEdit());
        EXPECT_FALSE(ctx.MayEdit());
        EXPECT_TRUE(ctx.Busy());
    }
    EXPECT_TRUE(ctx.CanEdit());
}

TEST_F(EditContext, ALockTakenInsideAnotherLeavesTheOuterOneInForce)
{
    {
        const clsEditContext::LockScope outer(ctx);
        {
            const clsEditContext::LockScope inner(ctx, false);
        }
        EXPECT_TRUE(ctx.WorkLock());
        {
            const clsEditContext::LockScope inner(ctx);
        }
        EXPECT_TRUE(ctx.WorkLock());
    }
    EXPECT_FALSE(ctx.WorkLock());
}

TEST_F(EditContext, TheStartAndEndOfTheLockAndTheBatchAreToldOnce)
{
    {
        const clsEditContext::LockScope outer(ctx);
        EXPECT_EQ(announced, 1);
        const clsEditContext::LockScope inner(ctx);
        EXPECT_EQ(announced, 1);
    }
    EXPECT_EQ(announced, 2);
    {
        const clsEditContext::LockScope silent(ctx, false);
    }
    EXPECT_EQ(announced, 2);
    ctx.SetBatch(true);
    ctx.SetBatch(true);
    EXPECT_EQ(announced, 3);
    ctx.SetBatch(false);
    EXPECT_EQ(announced, 4);
}
