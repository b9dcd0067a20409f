#include "engines/clsEnginePanels.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

namespace {

struct Panels
{
    RecordingHost host;
    clsEnginePanels panels{host, host};
};

TEST(clsEnginePanels, EveryFieldSurvivesApplyAndGather)
{
    // Each field differs from its cleared value, so a field that is lost or crossed shows.
    EngineSettingsRecord s;
    s.MsEngine = 7;
    s.BeginCount = 321;
    s.EndCount = 4;
    s.EndTime = 9;
    s.ExGrade2 = true;
    s.ExGrade3 = true;
    s.SeBeginCount = 55;
    s.SeEndTime = 12;
    s.SeGrade = 3;
    s.ChushutsuFlag = true;
    s.ChushutsuCount = 66;
    s.ChushutsuType = 3;
    Panels p;
    p.panels.Apply(s);
    EXPECT_EQ(p.panels.Gather(), s);
    EXPECT_EQ(p.panels.Sakugen().Field(0)->Text(), "321");
    EXPECT_EQ(p.panels.Sakugen().Field(3)->Text(), "66");
    p.panels.Clear();
    EXPECT_EQ(p.panels.Gather(), EngineSettingsRecord{});
    EXPECT_TRUE(p.host.Messages.empty()) << p.host.AllMessageText();
}

TEST(clsEnginePanels, BoxesClampWhatTheGroupsKeep)
{
    EngineSettingsRecord s;
    s.MsEngine = 11; // no such option: kept, so it is saved back as read
    s.BeginCount = 0;
    s.EndCount = 12345;
    s.EndTime = -1;
    s.SeEndTime = 0;
    s.ChushutsuCount = 0;
    s.ChushutsuType = 8;
    Panels p;
    p.panels.Apply(s);
    const EngineSettingsRecord g = p.panels.Gather();
    EXPECT_EQ(g.MsEngine, 11);
    EXPECT_EQ(g.BeginCount, 1);
    EXPECT_EQ(g.EndCount, 9999);
    EXPECT_EQ(p.panels.Sakugen().Field(1)->Text(), "9,999");
    EXPECT_EQ(g.EndTime, 0);
    EXPECT_EQ(g.SeEndTime, 0);
    EXPECT_EQ(g.ChushutsuCount, 1);
    EXPECT_EQ(g.ChushutsuType, 8);
    EXPECT_EQ(g, ClampedToBoxes(s));
}

TEST(clsEnginePanels, OptionPanelsAndEnabledControlsFollowTheEngine)
{
    using P = clsEnginePanels::OptionPanel;
    const P want[clsEnginePanels::kEngines] = {P::Fast,  P::Fast,  P::Trial,
                                               P::Fast,  P::Trial, P::Optimisation,
                                               P::Trial, P::Trial, P::Budget};
    for (std::int32_t e = 0; e < clsEnginePanels::kEngines; ++e) {
        EXPECT_EQ(clsEnginePanels::PanelFor(e), want[e]) << e;
        EXPECT_EQ(clsEnginePanels::ExGrade2Enabled(e), want[e] == P::Trial) << e;
        EXPECT_EQ(clsEnginePanels::ExGrade3Enabled(e), e == 4 || e == 7) << e;
        EXPECT_FALSE(clsEnginePanels::EngineCaption(e).empty());
    }
    EXPECT_EQ(clsEnginePanels::PanelFor(-1), P::Fast);
    EXPECT_TRUE(clsEnginePanels::EngineCaption(9).empty());
    EXPECT_EQ(clsEnginePanels::EngineCaption(8), "予算　的中確率最大エンジン");
    EXPECT_EQ(clsEnginePanels::EngineCaption(5), "保証無し　口数最適化エンジン");
    Panels p;
    p.panels.SetMsEngine(5);
    EXPECT_EQ(p.panels.Panel(), P::Optimisation);
    for (std::int32_t t = 0; t < 4; ++t) {
        EXPECT_TRUE(clsEnginePanels::ChushutsuTypeEnabled(t, false)) << t;
    }
    EXPECT_FALSE(clsEnginePanels::ChushutsuTypeEnabled(4, false));
    EXPECT_TRUE(clsEnginePanels::ChushutsuTypeEnabled(4, true));
    EXPECT_FALSE(clsEnginePanels::ChushutsuTypeEnabled(5, true));
}

} // namespace

TEST(clsEnginePanels, MinimumCountLimitKeepsAStoredLimitAndReadsZeroAsTheDefault)
{
    // A work's cleared time box holds 0, as every work saved before held.
    Panels p;
    p.panels.SetMsEngine(6);
    EngineSettingsRecord s = p.panels.Gather();
    EXPECT_EQ(s.EndTime, 0);
    EXPECT_EQ(MinimumCountSeconds(s), kMinimumCountSeconds);
    // A limit the work already holds is the whole run's, and is kept as it is.
    for (const std::int32_t seconds : {1, 12, 9999}) {
        s.EndTime = seconds;
        p.panels.Apply(s);
        EXPECT_EQ(p.panels.Gather().EndTime, seconds);
        EXPECT_EQ(MinimumCountSeconds(p.panels.Gather()), seconds);
    }
    EXPECT_TRUE(IsMinimumCountEngine(6));
    EXPECT_TRUE(IsMinimumCountEngine(7));
    for (const std::int32_t other : {0, 1, 2, 4, 5, 8, -1}) {
        EXPECT_FALSE(IsMinimumCountEngine(other)) << other;
    }
}
