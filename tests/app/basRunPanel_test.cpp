// The run button's caption and state, and the multi page's count line, from plain state.

#include "app/basMultiPage.h"
#include "app/basRunPanel.h"

#include <gtest/gtest.h>

using basRunPanel::State;

TEST(RunPanel, CaptionFollowsThePauseOfAPausableSearchOnly)
{
    State s;
    EXPECT_EQ(basRunPanel::Caption(s), "検索開始");
    s.Running = true;
    EXPECT_EQ(basRunPanel::Caption(s), "検索開始"); // an engine that cannot pause
    s.Pausable = true;
    EXPECT_EQ(basRunPanel::Caption(s), "一時停止");
    s.Paused = true;
    EXPECT_EQ(basRunPanel::Caption(s), "検索再開");
    // A pause held for a search not yet running shows nothing of it.
    s.Running = false;
    EXPECT_EQ(basRunPanel::Caption(s), "検索開始");
}

TEST(RunPanel, TheButtonStartsOnlyWhenTheWorkIsFreeAndPausesOnlyAPausableSearch)
{
    State s;
    EXPECT_TRUE(basRunPanel::Enabled(s));
    s.WorkLock = true;
    EXPECT_FALSE(basRunPanel::Enabled(s));
    s.WorkLock = false;
    s.Batch = true;
    EXPECT_FALSE(basRunPanel::Enabled(s)); // the batch starts its own runs
    s.Running = true;
    EXPECT_FALSE(basRunPanel::Enabled(s));
    s.Pausable = true;
    EXPECT_TRUE(basRunPanel::Enabled(s)); // it may pause the batch's run
    s.Batch = false;
    EXPECT_TRUE(basRunPanel::Enabled(s));
}

TEST(MultiPage, CountTextHasThousandsSeparators)
{
    EXPECT_EQ(basMultiPage::CountText(0), "マルチ総数：0");
    EXPECT_EQ(basMultiPage::CountText(1), "マルチ総数：1");
    EXPECT_EQ(basMultiPage::CountText(1594323), "マルチ総数：1,594,323");
}

TEST(MultiPage, LiveTextSaysWhatTheConditionsKeepOrWhyNot)
{
    EXPECT_EQ(basMultiPage::LiveText(std::nullopt), "条件後：計算中…");
    clsTLiveCount::Result result;
    result.Kept = 1234567;
    EXPECT_EQ(basMultiPage::LiveText(result), "条件後：－") << "a faulty count is no count";
    result.Ok = true;
    EXPECT_EQ(basMultiPage::LiveText(result), "条件後：1,234,567口");
    result.Kept = 0;
    EXPECT_EQ(basMultiPage::LiveText(result), "条件後：0口");
}

TEST(MultiPage, SpreadCellsFitTheirCellAndNeverOverstate)
{
    EXPECT_EQ(basMultiPage::SpreadCellText(0, 100), "");
    EXPECT_EQ(basMultiPage::SpreadCellText(5, 0), "");
    EXPECT_EQ(basMultiPage::SpreadCellText(100, 100), "100");
    EXPECT_EQ(basMultiPage::SpreadCellText(1594322, 1594323), "99") << "only the whole is 100";
    EXPECT_EQ(basMultiPage::SpreadCellText(1, 3), "33");
    EXPECT_EQ(basMultiPage::SpreadCellText(1, 10), "10");
    EXPECT_EQ(basMultiPage::SpreadCellText(99, 1000), "9.9");
    EXPECT_EQ(basMultiPage::SpreadCellText(52, 1000), "5.2");
    EXPECT_EQ(basMultiPage::SpreadCellText(1, 1594323), "0.0") << "a few singles still show";
    EXPECT_EQ(basMultiPage::SpreadCellTip(4, 12345, 237500), "4個：12,345口（5.2%）");
    EXPECT_EQ(basMultiPage::SpreadCellTip(0, 0, 0), "0個：0口");
}
