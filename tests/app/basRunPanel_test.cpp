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
