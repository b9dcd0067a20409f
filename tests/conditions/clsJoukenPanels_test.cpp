#include "base/basText.h"
#include "conditions/clsJoukenPanels.h"
#include "lottery/ScheduleRecord.h"
#include "reference/clsTotoData.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
constexpr std::array<JoukenKind, 3> kKinds{JoukenKind::Honmei, JoukenKind::Ninki, JoukenKind::Mark};

// Every field away from its cleared value, different per kind and tab, so that a field dropped
// or taken from the wrong tab or table shows.
ConditionSetRecord EveryFieldSet()
{
    ConditionSetRecord rec;
    rec.Haitou.Enabled = {false, true, false};
    rec.Haitou.Flag = {true, false, true};
    rec.Haitou.Min = {Currency::FromInt(1'000), Currency::FromInt(20'000), Currency::FromInt(300)};
    rec.Haitou.Max = {Currency::FromInt(5'000'000), Currency::FromInt(123'456'789),
                      Currency::FromInt(99)};
    rec.Value.EVFlag = true;
    rec.Value.EVMin = Currency::FromInt(50);
    rec.Value.EVMax = Currency::FromInt(2'000);
    rec.Value.PFlag = true;
    rec.Value.PMin = 1e-7;
    rec.Value.PMax = 0.25;
    for (JoukenKind kind : kKinds) {
        const int k = static_cast<int>(kind);
        for (int t = 0; t < kJoukenTabs; ++t) {
            ConditionTableEntry& e = rec.Table(kind)[static_cast<std::size_t>(t)];
            e.Enabled = (t + k) % 3 != 0;
            e.Applied = (t + k) % 2 == 0;
            for (std::size_t m = 0; m < 13; ++m) {
                e.MatchFlags[m] = (m + static_cast<std::size_t>(t * k)) % 3 != 1;
            }
            e.ResultFlags = {t % 2 == 0, t % 3 == 0, true};
            for (int r = 0; r < e.RowCount; ++r) {
                auto& cats = e.RowCategories[static_cast<std::size_t>(r)];
                cats.assign(cats.size(), false);
                cats[static_cast<std::size_t>(r)] = true;
                cats[static_cast<std::size_t>((r + t) % e.CategoryCount)] = true;
                e.RowCaptions[static_cast<std::size_t>(r)] =
                    "行" + std::to_string(r) + "-" + std::to_string(t);
                for (int c = 0; c < kCountColumns; ++c) {
                    e.SetMark(c, r, static_cast<std::uint8_t>((c + r + t + k) % 3));
                }
            }
            // What Gather fills in: the titles as shown.
            e.RowTitles.clear();
            for (int r = 0; r < e.RowCount; ++r) {
                e.RowTitles.push_back(e.BuildRowTitle(kind, r));
            }
        }
    }
    rec.MachigaiType = 2;
    rec.MachigaiList = {false, true, false, true, true,  false,
                        false, true, false, true, false, true};
    return rec;
}

class JoukenPanels : public ::testing::Test
{
protected:
    RecordingHost host;
    clsJoukenPanels panels{host, host};
};
} // namespace

TEST_F(JoukenPanels, EveryFieldRoundTrips)
{
    const ConditionSetRecord rec = EveryFieldSet();
    ASSERT_NE(rec, panels.Gather());

    // Record to panels: the models show it.
    panels.Apply(rec);
    EXPECT_EQ(panels.Gather(), rec);
    EXPECT_EQ(panels.MachigaiType(), 2);
    EXPECT_EQ(panels.Haitou().MinMoney(1), Currency::FromInt(20'000));
    EXPECT_EQ(panels.Haitou().MaxMoney(2), Currency::FromInt(99));
    EXPECT_FALSE(panels.Haitou().Enabled(0));
    EXPECT_TRUE(panels.Haitou().Flag(2));
    EXPECT_EQ(panels.Table(JoukenKind::Ninki).GetEntry(7), rec.Ninki[7]);

    // Panels to record to other panels: the same in every field.
    clsJoukenPanels other(host, host);
    other.Apply(panels.Gather());
    EXPECT_EQ(other.Gather(), rec);
    for (JoukenKind kind : kKinds) {
        for (int t = 0; t < kJoukenTabs; ++t) {
            EXPECT_EQ(other.Table(kind).GetEntry(t), panels.Table(kind).GetEntry(t))
                << basJouken::KindName(kind) << " tab " << t;
        }
    }
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessageText();
}

TEST_F(JoukenPanels, EditsMadeOnTheModelsAreGathered)
{
    clsXJoken1& ninki = panels.Table(JoukenKind::Ninki);
    ninki.ShowTab(5);
    ASSERT_TRUE(ninki.ToggleMatch(4));
    ASSERT_TRUE(ninki.ToggleResultRow(0)); // the first row is outcome 1
    ASSERT_TRUE(ninki.CellClick(3, 1, false, true, false));
    ASSERT_TRUE(ninki.CompoundOpen(1));
    ninki.CompoundToggle(2);
    ASSERT_TRUE(ninki.CompoundOk());
    panels.Haitou().SetMinMoney(0, Currency::FromInt(7'000));
    panels.Haitou().SetFlag(0, true);
    panels.Haitou().ToggleMachigai(3);
    panels.SetMachigaiType(1);

    const ConditionSetRecord rec = panels.Gather();
    const ConditionTableEntry& e = rec.Ninki[5];
    EXPECT_FALSE(e.MatchFlags[4]);
    EXPECT_FALSE(e.ResultFlags[1]);
    for (int c = 0; c <= 3; ++c) {
        EXPECT_EQ(e.Mark(c, 1), kCountDelete) << c;
    }
    EXPECT_EQ(e.Mark(4, 1), kCountBlank);
    ASSERT_EQ(e.RowTitles.size(), 3u);
    EXPECT_EQ(e.RowTitles[0], "1番人気");
    EXPECT_EQ(e.RowTitles[1], "2番+3番");
    EXPECT_EQ(rec.Ninki[4], ninki.GetEntry(4)) << "an untouched tab stays as it was";
    EXPECT_EQ(rec.Haitou.Min[0], Currency::FromInt(7'000));
    EXPECT_TRUE(rec.Haitou.Flag[0]);
    EXPECT_TRUE(rec.MachigaiList[3]);
    EXPECT_EQ(rec.MachigaiType, 1);

    // Out of range: reported, nothing changes.
    panels.SetMachigaiType(3);
    EXPECT_EQ(panels.MachigaiType(), 1);
    EXPECT_EQ(host.Messages.size(), 1u);
}

TEST_F(JoukenPanels, ApplyingAClearedRecordIsClearing)
{
    panels.Apply(EveryFieldSet());
    panels.Table(JoukenKind::Mark).ShowTab(9);
    panels.Apply(ConditionSetRecord{});
    EXPECT_EQ(panels.Table(JoukenKind::Mark).CurrentTab(), 9) << "applying keeps the tab shown";
    const ConditionSetRecord applied = panels.Gather();

    clsJoukenPanels cleared(host, host);
    ConditionSetRecord allEnabled = EveryFieldSet();
    allEnabled.Haitou.Enabled = {true, true, true}; // clearing keeps what the file switched off
    cleared.Apply(allEnabled);
    cleared.Clear();
    EXPECT_EQ(cleared.Table(JoukenKind::Mark).CurrentTab(), 0);
    EXPECT_EQ(applied, cleared.Gather());
    ConditionSetRecord expected;
    for (JoukenKind kind : kKinds) {
        for (int t = 0; t < kJoukenTabs; ++t) {
            expected.Table(kind)[static_cast<std::size_t>(t)] =
                cleared.Table(kind).GetEntry(t); // with its row titles
        }
    }
    EXPECT_EQ(applied, expected);

    // Clearing keeps a switched-off grade switched off.
    panels.Apply(EveryFieldSet());
    panels.Clear();
    EXPECT_FALSE(panels.Haitou().Enabled(0));
    EXPECT_FALSE(panels.Haitou().Flag(0));
    EXPECT_EQ(panels.Haitou().MaxMoney(0), kHaitouNoLimit);
    EXPECT_EQ(panels.Gather().Value, ValueLimits{});
}

TEST_F(JoukenPanels, ScheduleSetsTheJ1AndJ2TabsOfEveryTable)
{
    TempDir dir;
    for (const char* f : {"TeamName.dat", "TeamName1.dat", "TeamName2.dat"}) {
        dir.Write(std::string("SysData/") + f, "");
    }
    dir.Write("SysData/J1J2.dat", basText::ToSjis("2021J1 = 鹿島,浦和\r\n2021J2 = 甲府\r\n"));
    clsTotoData toto(host, dir.Str());
    ScheduleRecord schedule;
    schedule.Kaisaikai = 1200;
    schedule.Match[0].Home = "鹿島";
    schedule.Match[1].Home = "甲府";
    schedule.Match[2].Home = "浦和";
    for (auto& m : schedule.Match) {
        m.GameDate = DateTime::FromYmd(2021, 5, 1);
    }
    panels.SetScheduleRecord(schedule, toto);
    for (JoukenKind kind : kKinds) {
        const ConditionTableEntry j1 = panels.Table(kind).GetEntry(1);
        const ConditionTableEntry j2 = panels.Table(kind).GetEntry(2);
        EXPECT_TRUE(j1.MatchFlags[0] && j1.MatchFlags[2] && !j1.MatchFlags[1])
            << basJouken::KindName(kind);
        EXPECT_TRUE(j2.MatchFlags[1] && !j2.MatchFlags[0]) << basJouken::KindName(kind);
        EXPECT_EQ(j1.TargetMatchCount(), 2);
        EXPECT_EQ(j2.TargetMatchCount(), 1);
    }
}

TEST_F(JoukenPanels, ValueLimitsAreEditedAndCheckedOnThePanels)
{
    ValueLimits limits;
    limits.EVFlag = true;
    limits.EVMin = Currency::FromInt(80);
    limits.PFlag = true;
    limits.PMin = 2.5e-7;
    ASSERT_TRUE(panels.SetValueLimits(limits));
    EXPECT_EQ(panels.Gather().Value, limits);

    // Out of range or not a number: reported, the limits stay.
    for (const double bad : {-0.1, 1.5, std::nan("")}) {
        ValueLimits p = limits;
        p.PMax = bad;
        EXPECT_FALSE(panels.SetValueLimits(p)) << bad;
    }
    ValueLimits ev = limits;
    ev.EVMin = Currency::FromInt(-1);
    EXPECT_FALSE(panels.SetValueLimits(ev));
    EXPECT_EQ(panels.Value(), limits);
    EXPECT_EQ(host.Messages.size(), 4u);

    panels.Clear();
    EXPECT_EQ(panels.Value(), ValueLimits{});
}
