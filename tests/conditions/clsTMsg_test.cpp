#include "base/basText.h"
#include "conditions/clsTMsg.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
struct SinkSpy : clsIMsgSink
{
    void LogCleared() override { Events.push_back("clear"); }
    void LogLine(std::int32_t lngIndex, std::string_view strText) override
    {
        Events.push_back(std::to_string(lngIndex) + ":" + std::string(strText));
    }
    void BarChanged(std::int32_t lngValue, std::int32_t lngMax) override
    {
        Events.push_back("bar " + std::to_string(lngValue) + "/" + std::to_string(lngMax));
    }
    std::vector<std::string> Events;
};

struct MsgFixture : ::testing::Test
{
    MsgFixture() { msg.Initialize(log); }
    RecordingHost host;
    clsTMsgLog log;
    clsTMsg msg{host, host};
};
} // namespace

TEST_F(MsgFixture, TimePrefixCountsWholeSecondsSinceClsOfAnyWriter)
{
    host.AdvanceMs(5000);
    msg.Cls();
    msg.Msg("a", true, true);
    host.AdvanceMs(12'345);
    clsTMsg other(host, host);
    other.Initialize(log);
    other.Msg("b", true, true);
    host.AdvanceMs(10'000'000);
    msg.Msg("c", false, true);
    ASSERT_EQ(log.Lines().size(), 3u);
    EXPECT_EQ(log.Lines()[0], "0000 a");
    EXPECT_EQ(log.Lines()[1], "0012 b");
    EXPECT_EQ(log.Lines()[2], "10012 c");

    // A second writer restarting the clock restarts it for the first one too.
    other.Cls();
    host.AdvanceMs(1'500);
    msg.Msg("d", false, true);
    EXPECT_EQ(log.Lines().back(), "0002 d");
}

TEST_F(MsgFixture, MessagesWithoutNewLineContinueTheLine)
{
    msg.Msg("ab", false, false);
    msg.Msg("cd", true, false);
    msg.Msg("ef", false, false);
    ASSERT_EQ(log.Lines().size(), 2u);
    EXPECT_EQ(log.Lines()[0], "abcd");
    EXPECT_EQ(log.Lines()[1], "ef");
    msg.Sp();
    EXPECT_EQ(log.Lines()[1], "ef" + std::string(55, '-'));
    EXPECT_EQ(log.Text(), "abcd\r\nef" + std::string(55, '-') + "\r\n");
}

TEST_F(MsgFixture, StepLineFormats)
{
    msg.CompMsg("１等当せん金", 1594323, 0, false);
    msg.CompMsg("１等当せん金", 1594323, 531441, true);
    // 12 bytes of label, then the 22 blanks of padding.
    EXPECT_EQ(log.Lines()[0],
              "0000 １等当せん金" + std::string(22, ' ') + ":1594323 →  531441 ( 33.33%)");
    msg.CompMsg("x", 0, 0, false);
    msg.CompMsg("x", 0, 0, true);
    EXPECT_EQ(log.Lines()[1], "0000 x" + std::string(22, ' ') + ":      0 →       0 (100.00%)");
    msg.CompMsg("y", 3, 2, false);
    msg.CompMsg("y", 3, 2, true);
    EXPECT_EQ(log.Lines()[2].substr(log.Lines()[2].size() - 9), "( 66.67%)");
}

TEST(MsgFormat, LabelIsCutAtFortyFourShiftJisBytes)
{
    const std::string strExact = std::string(40, 'a') + "本命"; // 44 bytes
    EXPECT_EQ(clsTMsg::StepLabel(strExact), strExact);
    const std::string strLong = strExact + "XYZ";
    EXPECT_EQ(clsTMsg::StepLabel(strLong), strExact);
    // 22 bytes or more fill exactly 44.
    const std::string strMid = "本命/全て/本命◎"; // 16 bytes
    EXPECT_EQ(basText::LenB(clsTMsg::StepLabel(strMid)), 38);
    EXPECT_EQ(basText::LenB(clsTMsg::StepLabel(strMid + "abcdef")), 44);
    EXPECT_EQ(basText::LenB(clsTMsg::StepLabel(strMid + "abcdefghij")), 44);
    // A cut through a two-byte character keeps the column at 44 bytes.
    const std::string strOdd = std::string(43, 'a') + "本";
    const std::string strCut = clsTMsg::StepLabel(strOdd);
    EXPECT_EQ(basText::LenB(strCut), 44);
    EXPECT_EQ(strCut, std::string(43, 'a') + " ");
}

TEST(MsgFormat, PercentRoundsHalfAwayAndRightAligns)
{
    EXPECT_EQ(clsTMsg::PercentText(531441, 1594323), " 33.33");
    EXPECT_EQ(clsTMsg::PercentText(0, 0), "100.00");
    EXPECT_EQ(clsTMsg::PercentText(5, 0), "100.00");
    EXPECT_EQ(clsTMsg::PercentText(0, 7), "  0.00");
    EXPECT_EQ(clsTMsg::PercentText(1, 20000), "  0.01"); // exactly 0.005
    EXPECT_EQ(clsTMsg::PercentText(1, 8), " 12.50");
    EXPECT_EQ(clsTMsg::PercentText(2, 3), " 66.67");
}

TEST_F(MsgFixture, SinkSeesEveryChange)
{
    SinkSpy spy;
    log.SetSink(&spy);
    msg.Cls();
    msg.Msg("a", true, false);
    msg.Value(40);
    EXPECT_EQ(spy.Events, (std::vector<std::string>{"clear", "0:a", "1:", "bar 40/100"}));
}

TEST(MsgUninitialized, ReportsInitializeErr)
{
    RecordingHost host;
    clsTMsg msg(host, host);
    msg.Msg("a", true, true);
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, "Initialize Err");
    EXPECT_EQ(host.Messages[0].Caption, "Kelvra / clsTMsg / Msg");
}
