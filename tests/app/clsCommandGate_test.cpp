#include "app/clsCommandGate.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

using Cmd = clsCommandGate::Command;

namespace {
const std::string kWarning = "現在検索処理を実行中です。検索処理を終了させて下さい。";

class Gate : public ::testing::Test
{
protected:
    RecordingHost host;
    bool running = false;
    clsEditContext ctx{host, [this] { return running; }};
    clsCommandGate gate{ctx};
};
} // namespace

TEST_F(Gate, IdleLetsEverythingThroughSilently)
{
    for (const Cmd c : {Cmd::Close, Cmd::Download, Cmd::Search, Cmd::PageChange, Cmd::Menu}) {
        EXPECT_TRUE(gate.MayRun(c));
    }
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(Gate, ARunRefusesCloseDownloadAndSearchWithTheWarning)
{
    running = true;
    for (const Cmd c : {Cmd::Close, Cmd::Download, Cmd::Search}) {
        host.Messages.clear();
        EXPECT_FALSE(gate.MayRun(c));
        ASSERT_EQ(host.Messages.size(), 1u);
        EXPECT_EQ(host.Messages[0].Text, kWarning);
        EXPECT_EQ(host.Messages[0].Icon, MsgIcon::Warning);
    }
    host.Messages.clear();
    EXPECT_FALSE(gate.MayRun(Cmd::PageChange));
    EXPECT_FALSE(gate.MayRun(Cmd::Menu));
    EXPECT_TRUE(host.Messages.empty());
    // The state is asked each time: the run's end opens the gate again.
    running = false;
    EXPECT_TRUE(gate.MayRun(Cmd::Close));
}

TEST_F(Gate, ABatchRefusesLikeARun)
{
    gate.SetBatch(true);
    EXPECT_FALSE(gate.MayRun(Cmd::Close));
    EXPECT_FALSE(gate.MayRun(Cmd::PageChange));
    EXPECT_EQ(host.Messages.size(), 1u);
    gate.SetBatch(false);
    EXPECT_TRUE(gate.MayRun(Cmd::Close));
}

TEST_F(Gate, TheWorkLockRefusesSilently)
{
    const clsEditContext::LockScope lock(ctx);
    for (const Cmd c : {Cmd::Close, Cmd::Download, Cmd::Search, Cmd::PageChange, Cmd::Menu}) {
        EXPECT_FALSE(gate.MayRun(c));
    }
    EXPECT_TRUE(host.Messages.empty());
}
