#include "app/clsDocument.h"
#include "reference/basTotoSettings.h"
#include "store/clsTMain.h"
#include "support/RecordingHost.h"
#include "support/SampleRound.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace {
// A work with the sample round's stores and the real division list, so that the J1/J2 tabs of
// round 9001 get their matches.
class DocumentJouken : public ::testing::Test
{
protected:
    DocumentJouken()
    {
        namespace fs = std::filesystem;
        const fs::path data = kelvra_test::SourceDataDir();
        CopySampleWork(dir.Path());
        for (const char* f : {"TeamName.dat", "TeamName1.dat", "TeamName2.dat", "J1J2.dat"}) {
            fs::copy_file(data / "SysData" / f, dir.Path() / "SysData" / f);
        }
        main.Initialize();
    }
    std::string Path(const std::string& name) const { return (dir.Path() / name).string(); }

    static CellFlags AllCells()
    {
        CellFlags all{};
        for (auto& row : all) {
            row.fill(true);
        }
        return all;
    }
    static CellFlags TaishoOf(const clsXJoken1& table)
    {
        CellFlags t{};
        table.GetTaisho(t);
        return t;
    }

    RecordingHost rec;
    TempDir dir;
    clsHost host = rec.Host();
    clsTMain main{host, basTotoSettings::Defaults(), dir.Str()};
    clsDocument doc{host, main, 42};
};
} // namespace

TEST_F(DocumentJouken, EditsReachTheRecordAndTheRun)
{
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, true)) << rec.AllMessageText();
    ASSERT_TRUE(doc.Search().Run());
    ASSERT_GT(doc.Tickets().SingleCount(), 0);

    std::vector<std::uint32_t> parts;
    const clsSubscription sub = doc.SubscribeChanged([&](std::uint32_t p) { parts.push_back(p); });
    // 本命◎ counted 0..13 times, all deleted: nothing can remain.
    ASSERT_TRUE(doc.Conditions().EditJouken([](clsJoukenPanels& p) {
        p.Table(JoukenKind::Honmei).CellClick(13, 0, false, true, false);
    }));
    EXPECT_EQ(parts, std::vector<std::uint32_t>{clsDocument::PartConditions});
    EXPECT_EQ(doc.GatherRecord().Jouken, doc.Conditions().JoukenPanels().Gather());
    EXPECT_EQ(doc.GatherRecord().Jouken.Honmei[0].Mark(0, 0), kCountDelete);
    ASSERT_TRUE(doc.Search().Run());
    EXPECT_EQ(doc.Tickets().SingleCount(), 0);

    // A record set as a whole shows on the panels.
    ConditionSetRecord set = doc.GatherRecord().Jouken;
    set.Honmei[0].SetRow(0, kCountBlank);
    set.MachigaiType = 1;
    set.Haitou.Min[1] = Currency::FromInt(4'000);
    ASSERT_TRUE(doc.Conditions().EditJouken([&](clsJoukenPanels& panels) { panels.Apply(set); }));
    EXPECT_EQ(doc.Conditions().JoukenPanels().MachigaiType(), 1);
    EXPECT_EQ(doc.Conditions().JoukenPanels().Haitou().MinMoney(1), Currency::FromInt(4'000));
    EXPECT_EQ(doc.Conditions().JoukenPanels().Gather(), doc.GatherRecord().Jouken);
    ASSERT_TRUE(doc.Search().Run());
    EXPECT_GT(doc.Tickets().SingleCount(), 0);
}

TEST_F(DocumentJouken, MultiTargetsFollowTheTablePageShown)
{
    ASSERT_TRUE(doc.Round().SetKaisaikai(9001));
    const auto& honmei = doc.Conditions().JoukenPanels().Table(JoukenKind::Honmei);
    ASSERT_TRUE(doc.Conditions().EditJouken([](clsJoukenPanels& p) {
        clsXJoken1& t = p.Table(JoukenKind::Honmei);
        t.ShowTab(3);
        t.ToggleMatch(0);
        t.ToggleResultRow(1); // the draw
    }));
    EXPECT_EQ(doc.Marks().Multi().Taishou(), AllCells()) << "the payout page is shown";

    std::vector<std::uint32_t> parts;
    const clsSubscription sub = doc.SubscribeChanged([&](std::uint32_t p) { parts.push_back(p); });
    ASSERT_TRUE(doc.Conditions().SetJoukenPage(1));
    EXPECT_EQ(doc.Conditions().JoukenPage(), 1);
    const CellFlags shown = TaishoOf(honmei);
    ASSERT_NE(shown, AllCells());
    EXPECT_FALSE(shown[0][0]);
    EXPECT_FALSE(shown[0][5]); // draws
    EXPECT_EQ(doc.Marks().Multi().Taishou(), shown);
    ASSERT_FALSE(parts.empty());
    EXPECT_NE(parts.back() & clsDocument::PartMulti, 0u);

    // A target-list change and a tab change of the shown table are followed.
    ASSERT_TRUE(doc.Conditions().EditJouken(
        [](clsJoukenPanels& p) { p.Table(JoukenKind::Honmei).ToggleMatch(0); }));
    EXPECT_TRUE(doc.Marks().Multi().Taishou()[1][0]);
    EXPECT_EQ(doc.Marks().Multi().Taishou(), TaishoOf(honmei));
    EXPECT_EQ(parts.back(), clsDocument::PartConditions | clsDocument::PartMulti);
    ASSERT_TRUE(doc.Conditions().EditJouken(
        [](clsJoukenPanels& p) { p.Table(JoukenKind::Honmei).ShowTab(1); }));
    const CellFlags j1 = TaishoOf(honmei);
    EXPECT_TRUE(j1[1][0]) << "鹿島 plays in J1 in 2026";
    EXPECT_NE(j1, AllCells());
    EXPECT_EQ(doc.Marks().Multi().Taishou(), j1);

    // Another table's edits leave the targets alone; its page shows its own.
    ASSERT_TRUE(doc.Conditions().EditJouken([](clsJoukenPanels& p) {
        p.Table(JoukenKind::Mark).ShowTab(4);
        p.Table(JoukenKind::Mark).SetAllMatches(false);
    }));
    EXPECT_EQ(parts.back(), clsDocument::PartConditions);
    EXPECT_EQ(doc.Marks().Multi().Taishou(), j1);
    ASSERT_TRUE(doc.Conditions().SetJoukenPage(3));
    EXPECT_EQ(doc.Marks().Multi().Taishou(), CellFlags{});
    ASSERT_TRUE(doc.Conditions().SetJoukenPage(4));
    EXPECT_EQ(doc.Marks().Multi().Taishou(), AllCells());

    EXPECT_FALSE(doc.Conditions().SetJoukenPage(5));
    EXPECT_EQ(doc.Conditions().JoukenPage(), 4);
    EXPECT_EQ(rec.Messages.size(), 1u);
}

TEST_F(DocumentJouken, RoundChangeAndNewRecomputeTheJ1J2Tabs)
{
    ASSERT_TRUE(doc.Round().SetKaisaikai(9001));
    const auto j1Count = [&] {
        return doc.Conditions()
            .JoukenPanels()
            .Table(JoukenKind::Ninki)
            .GetEntry(1)
            .TargetMatchCount();
    };
    const std::int32_t count9001 = j1Count();
    ASSERT_GT(count9001, 0);
    ASSERT_LT(count9001, 13);
    EXPECT_EQ(doc.GatherRecord().Jouken.Ninki[1].MatchFlags,
              doc.Conditions().JoukenPanels().Table(JoukenKind::Ninki).GetEntry(1).MatchFlags);
    EXPECT_EQ(doc.GatherRecord().Jouken.Mark[2].MatchFlags,
              doc.GatherRecord().Jouken.Honmei[2].MatchFlags);

    ASSERT_TRUE(doc.Conditions().EditJouken([](clsJoukenPanels& p) {
        p.Table(JoukenKind::Ninki).ShowTab(1);
        p.Haitou().SetFlag(0, true);
    }));
    ASSERT_TRUE(doc.Conditions().SetJoukenPage(2));
    ASSERT_TRUE(doc.New());
    EXPECT_EQ(j1Count(), count9001) << "a New on the same round keeps the J1 matches";
    EXPECT_FALSE(doc.Conditions().JoukenPanels().Haitou().Flag(0));
    EXPECT_EQ(doc.Conditions().JoukenPanels().Table(JoukenKind::Ninki).CurrentTab(), 0);
    EXPECT_EQ(doc.Conditions().JoukenPage(), 0);
    EXPECT_EQ(doc.Marks().Multi().Taishou(), AllCells());

    // A conditions file with J1 cleared keeps it so until the next round change.
    ConditionSetRecord none = doc.GatherRecord().Jouken;
    none.Ninki[1].MatchFlags.fill(false);
    ASSERT_TRUE(doc.Conditions().EditJouken([&](clsJoukenPanels& panels) { panels.Apply(none); }));
    ASSERT_TRUE(doc.FileSaveDRD(Path("j.drj"), false, true));
    ASSERT_TRUE(doc.New());
    ASSERT_TRUE(doc.FileLoadDRD(Path("j.drj"), false, true)) << rec.AllMessageText();
    EXPECT_EQ(j1Count(), 0);
    ASSERT_TRUE(doc.Round().SetKaisaikai(9002));
    EXPECT_GT(j1Count(), 0);
    EXPECT_EQ(doc.GatherRecord().Jouken.Ninki[1].MatchFlags,
              doc.Conditions().JoukenPanels().Table(JoukenKind::Ninki).GetEntry(1).MatchFlags);
}

TEST_F(DocumentJouken, LoadingConditionsFillsThePanelsAndAFailedLoadKeepsThem)
{
    ASSERT_TRUE(doc.Round().SetKaisaikai(9001));
    ASSERT_TRUE(doc.Conditions().EditJouken([](clsJoukenPanels& p) {
        p.Haitou().SetMaxMoney(2, Currency::FromInt(800'000));
        p.SetMachigaiType(2);
        p.Table(JoukenKind::Mark).ShowTab(6);
        p.Table(JoukenKind::Mark).CellClick(2, 1, false, false, true);
    }));
    const ConditionSetRecord saved = doc.GatherRecord().Jouken;
    ASSERT_TRUE(doc.FileSaveDRD(Path("c.drj"), false, true));

    ASSERT_TRUE(doc.Conditions().EditJouken([](clsJoukenPanels& p) { p.Clear(); }));
    ASSERT_NE(doc.Conditions().JoukenPanels().Gather(), saved);
    ASSERT_TRUE(doc.Conditions().SetJoukenPage(3));
    ASSERT_TRUE(doc.FileLoadDRD(Path("c.drj"), false, true)) << rec.AllMessageText();
    EXPECT_EQ(doc.Conditions().JoukenPanels().Gather(), saved);
    EXPECT_EQ(doc.GatherRecord().Jouken, saved);
    EXPECT_EQ(doc.Conditions().JoukenPanels().Haitou().MaxMoney(2), Currency::FromInt(800'000));
    EXPECT_EQ(doc.Conditions().JoukenPage(), 0) << "a load shows the first condition page";

    // A broken file: neither the record nor the panels move.
    ASSERT_TRUE(doc.Conditions().EditJouken([](clsJoukenPanels& p) { p.SetMachigaiType(1); }));
    const ConditionSetRecord before = doc.GatherRecord().Jouken;
    std::ifstream in(Path("c.drj"), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto at = bytes.find("MachigaiType");
    ASSERT_NE(at, std::string::npos);
    bytes.insert(at, "Honmei.3 = broken\r\n");
    std::ofstream(Path("broken.drj"), std::ios::binary) << bytes;
    EXPECT_FALSE(doc.FileLoadDRD(Path("broken.drj"), false, false));
    EXPECT_EQ(doc.GatherRecord().Jouken, before);
    EXPECT_EQ(doc.Conditions().JoukenPanels().Gather(), before);
    EXPECT_EQ(doc.Conditions().JoukenPanels().MachigaiType(), 1);
}

namespace {
// Polls as the window's timer does, until the count under way has come in.
bool AwaitLive(clsDocument& doc)
{
    for (int i = 0; i < 2000; ++i) {
        if (!doc.Conditions().PollLive()) {
            return doc.Conditions().LiveResult().has_value();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}
} // namespace

TEST_F(DocumentJouken, LiveCountKeepsWhatTheRunsExtractionKeeps)
{
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, true)) << rec.AllMessageText();
    EXPECT_FALSE(doc.Conditions().PollLive()) << "nothing is counted until a window asks";
    EXPECT_FALSE(doc.Conditions().LiveResult().has_value());

    doc.Conditions().SetLiveCount(true);
    ASSERT_TRUE(AwaitLive(doc));
    const clsTLiveCount::Result plain = *doc.Conditions().LiveResult();
    EXPECT_TRUE(plain.Ok);
    EXPECT_EQ(plain.MultiCount, doc.Marks().MultiCount());
    EXPECT_LT(plain.Kept, plain.MultiCount) << "the sample's payout limit drops singles";

    // Two quick edits: only the count for the last one is taken.
    ASSERT_TRUE(doc.Conditions().EditJouken([](clsJoukenPanels& p) {
        p.Table(JoukenKind::Mark).ShowTab(0);
        p.Table(JoukenKind::Mark).CellClick(4, 0, false, false, false);
    }));
    ASSERT_TRUE(doc.Conditions().EditJouken([](clsJoukenPanels& p) {
        p.Haitou().SetFlag(0, true);
        p.Haitou().SetMinMoney(0, Currency::FromInt(40'000'000));
    }));
    const bool modified = doc.Modified();
    ASSERT_TRUE(AwaitLive(doc));
    const clsTLiveCount::Result live = *doc.Conditions().LiveResult();
    EXPECT_GT(live.Serial, plain.Serial + 1);
    EXPECT_TRUE(live.Ok);
    EXPECT_LT(live.Kept, plain.Kept);
    EXPECT_GT(live.Kept, 0);
    EXPECT_EQ(doc.Modified(), modified) << "a count is no change of the work";

    // The spread of every row shown is the composition analysis of that row.
    std::size_t rows = 0;
    for (const JoukenKind kind : {JoukenKind::Honmei, JoukenKind::Ninki, JoukenKind::Mark}) {
        rows +=
            static_cast<std::size_t>(doc.Conditions().JoukenPanels().Table(kind).Shown().RowCount);
    }
    ASSERT_EQ(live.Rows.size(), rows);
    for (const clsTLiveCount::RowSpread& row : live.Rows) {
        EXPECT_EQ(row.Tab, doc.Conditions().JoukenPanels().Table(row.Kind).CurrentTab());
        clsTKouseiBunseki::Analysis analysis;
        ASSERT_TRUE(doc.Marks().KouseiBunseki(row.Kind, row.Tab, row.Row, analysis));
        EXPECT_EQ(row.Counts, analysis.Counts) << basJouken::KindName(row.Kind) << " " << row.Row;
    }

    // The run's extraction, with no compression, keeps as many.
    EngineSettingsRecord settings = doc.Conditions().EngineSettings();
    settings.MsEngine = 0;
    ASSERT_TRUE(doc.Conditions().EditEngineSettings(
        [&](clsEnginePanels& panels) { panels.Apply(settings); }));
    ASSERT_TRUE(doc.Search().Run());
    EXPECT_EQ(doc.Tickets().SingleCount(), live.Kept);
    // The run set aside the count its settings edit had started; one comes in after it.
    ASSERT_TRUE(AwaitLive(doc));
    EXPECT_EQ(doc.Conditions().LiveResult()->Kept, live.Kept);

    // Showing another tab asks for its rows' spread.
    ASSERT_TRUE(doc.Conditions().ShowJoukenTab(JoukenKind::Ninki, 3));
    ASSERT_TRUE(AwaitLive(doc));
    bool ninki3 = false;
    for (const clsTLiveCount::RowSpread& row : doc.Conditions().LiveResult()->Rows) {
        ninki3 = ninki3 || (row.Kind == JoukenKind::Ninki && row.Tab == 3);
    }
    EXPECT_TRUE(ninki3);
    EXPECT_EQ(doc.Conditions().LiveResult()->Kept, live.Kept);

    doc.Conditions().SetLiveCount(false);
    EXPECT_FALSE(doc.Conditions().LiveResult().has_value());
    EXPECT_FALSE(doc.Conditions().PollLive());
}
