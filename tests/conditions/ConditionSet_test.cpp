#include "base/basText.h"
#include "conditions/ConditionSetRecord.h"
#include "conditions/clsTDeme.h"
#include "conditions/clsXJoken1.h"
#include "lottery/ScheduleRecord.h"
#include "reference/clsTotoData.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {
clsTNumber::ByteKousei Kousei(std::initializer_list<int> codes)
{
    clsTNumber::ByteKousei k{};
    std::size_t i = 0;
    for (int c : codes) {
        k[i++] = static_cast<std::uint8_t>(c);
    }
    return k;
}
} // namespace

TEST(ConditionSet, ClearedRecord)
{
    ConditionSetRecord rec;
    rec.Haitou.Enabled[2] = false;
    rec.Haitou.Flag[0] = true;
    rec.Haitou.Max[1] = Currency::FromInt(5);
    rec.Honmei[4].SetMark(3, 2, kCountDelete);
    rec.MachigaiType = 2;
    rec.MachigaiList[0] = false;
    rec.Clear();
    EXPECT_FALSE(rec.Haitou.Enabled[2]) << "clearing keeps what a conditions file switched off";
    EXPECT_FALSE(rec.Haitou.Flag[0]);
    EXPECT_EQ(rec.Haitou.Max[1], Currency::FromInt(9'999'999'999));
    EXPECT_EQ(rec.Haitou.Min[1], Currency());
    EXPECT_EQ(rec.MachigaiType, 0);
    EXPECT_TRUE(rec.MachigaiList[0]);
    for (std::size_t b = 1; b < 12; ++b) {
        EXPECT_FALSE(rec.MachigaiList[b]);
    }
    EXPECT_EQ(rec.Honmei[0].RowCount, 6);
    EXPECT_EQ(rec.Ninki[0].RowCount, 3);
    EXPECT_EQ(rec.Mark[28].CategoryCount, 3);
    EXPECT_EQ(rec.Honmei[4].CountRowMarks(2), 0);
    EXPECT_TRUE(rec.Honmei[0].MatchFlags[12]);
    EXPECT_FALSE(rec.Honmei[1].MatchFlags[0]) << "J1 waits for a schedule";
    EXPECT_FALSE(rec.Mark[2].MatchFlags[5]);
    EXPECT_TRUE(rec.Mark[3].MatchFlags[5]);
    EXPECT_TRUE(rec.Ninki[3].Applied);
    // Row i counts category i alone.
    EXPECT_TRUE(rec.Honmei[0].RowCategories[5][5]);
    EXPECT_FALSE(rec.Honmei[0].RowCategories[5][4]);
}

TEST(ConditionSet, TitlesAndTabNames)
{
    auto e = ConditionTableEntry::Cleared(JoukenKind::Ninki, 0);
    EXPECT_EQ(e.BuildRowTitle(JoukenKind::Ninki, 0), "1番人気");
    e.RowCategories[0] = {false, true, true};
    EXPECT_EQ(e.BuildRowTitle(JoukenKind::Ninki, 0), "2番+3番");
    auto h = ConditionTableEntry::Cleared(JoukenKind::Honmei, 0);
    EXPECT_EQ(h.BuildRowTitle(JoukenKind::Honmei, 2), "穴　▲");
    h.RowCategories[2] = {true, false, false, false, false, true};
    EXPECT_EQ(h.BuildRowTitle(JoukenKind::Honmei, 2), "◎+☆");
    EXPECT_EQ(basJouken::TabName(0), "全て");
    EXPECT_EQ(basJouken::TabName(2), "J2");
    EXPECT_EQ(basJouken::TabName(3), "A");
    EXPECT_EQ(basJouken::TabName(28), "Z");
    EXPECT_EQ(basJouken::LongTitle(JoukenKind::Mark, 2), "アウェイ");
    // A row from a file carries no stored title; the run still names it.
    EXPECT_EQ(h.RowTitleFor(JoukenKind::Honmei, 0), "本命◎");
}

TEST(ConditionSet, CountTableEditing)
{
    auto e = ConditionTableEntry::Cleared(JoukenKind::Mark, 5);
    e.ToggleCell(4, 1);
    EXPECT_EQ(e.Mark(4, 1), kCountDelete);
    e.SetMark(4, 1, kCountTolerate);
    e.ToggleCell(4, 1);
    EXPECT_EQ(e.Mark(4, 1), kCountBlank) << "a click on △ blanks it";
    e.MarkRange(3, 0, true, kCountDelete);
    e.MarkRange(11, 0, false, kCountTolerate);
    EXPECT_EQ(e.CountRowMarks(0), 4 + 3);
    EXPECT_EQ(e.Mark(3, 0), kCountDelete);
    EXPECT_EQ(e.Mark(4, 0), kCountBlank);
    EXPECT_EQ(e.Mark(13, 0), kCountTolerate);
    EXPECT_EQ(e.CountRowMarks(1), 0);
    e.SetRow(0, kCountBlank);
    EXPECT_EQ(e.CountRowMarks(0), 0);
    e.SetAll(kCountTolerate);
    EXPECT_EQ(e.CountRowMarks(2), 14);
    // Out-of-range cells are ignored, not written past the table.
    e.SetMark(14, 0, kCountDelete);
    e.SetMark(0, 3, kCountDelete);
    EXPECT_EQ(e.Mark(14, 0), kCountBlank);

    e.MatchFlags.fill(false);
    e.MatchFlags[0] = e.MatchFlags[7] = true;
    EXPECT_FALSE(e.IsRedColumn(2));
    EXPECT_TRUE(e.IsRedColumn(3));
    e.MatchFlags.fill(false);
    EXPECT_TRUE(e.IsRedColumn(0)) << "without target matches every column is red";
}

TEST(ConditionSet, PanelClicksMenusAndFlagLists)
{
    RecordingHost host;
    clsXJoken1 panel(host);
    int changed = 0;
    int taisho = 0;
    std::vector<int> tabs;
    std::pair<int, int> bunseki{-1, -1};
    panel.Changed = [&] { ++changed; };
    panel.TaishoChange = [&] { ++taisho; };
    panel.TabClick = [&](int t) { tabs.push_back(t); };
    panel.KoseiBunseki = [&](int t, int r) { bunseki = {t, r}; };
    panel.Initialize(JoukenKind::Ninki);
    EXPECT_EQ(tabs, std::vector<int>{0});

    EXPECT_TRUE(panel.CellClick(5, 1, false, true, false)); // Shift+left
    EXPECT_EQ(panel.Shown().CountRowMarks(1), 6);
    EXPECT_TRUE(panel.CellClick(12, 1, true, false, true)); // Ctrl+right
    EXPECT_EQ(panel.CellText(13, 1), "△");
    EXPECT_FALSE(panel.CellClick(2, 2, true, false, false)) << "plain right click opens the menu";
    panel.CellMenu(2, 2, clsXJoken1::CellAction::Tolerate);
    EXPECT_EQ(panel.CellText(2, 2), "△");
    panel.CellMenu(2, 1, clsXJoken1::CellAction::EraseRow);
    EXPECT_EQ(panel.Shown().CountRowMarks(1), 0);
    panel.HeadMenu(clsXJoken1::HeadAction::DeleteAll);
    EXPECT_EQ(panel.Shown().CountRowMarks(0), 14);

    // Tabs 0..2 keep their target lists; lettered tabs let the user choose.
    EXPECT_FALSE(panel.ToggleMatch(0));
    panel.ShowTab(3);
    EXPECT_TRUE(panel.ToggleMatch(0));
    EXPECT_TRUE(panel.ToggleResultRow(0)); // row 0 is the home win
    std::array<std::array<bool, 13>, 3> taishoCells{};
    panel.GetTaisho(taishoCells);
    EXPECT_FALSE(taishoCells[1][5]);
    EXPECT_FALSE(taishoCells[0][0]);
    EXPECT_TRUE(taishoCells[0][1]);
    EXPECT_EQ(taisho, 2);
    EXPECT_TRUE(panel.SetAllMatches(false));
    EXPECT_TRUE(panel.IsRedColumn(0));

    panel.RequestKouseiBunseki(2);
    EXPECT_EQ(bunseki, std::make_pair(3, 2));

    // The applied box follows the shown tab and is locked when the tab is disabled.
    auto e = panel.GetEntry(4);
    e.Enabled = false;
    panel.SetEntry(4, e);
    panel.ShowTab(4);
    EXPECT_FALSE(panel.AppliedEnabled());
    panel.SetApplied(false);
    EXPECT_TRUE(panel.AppliedChecked());
    panel.ShowTab(0);
    EXPECT_GT(changed, 0);
}

TEST(ConditionSet, CompoundRowDialog)
{
    RecordingHost host;
    clsXJoken1 panel(host);
    panel.Initialize(JoukenKind::Mark);
    ASSERT_TRUE(panel.CompoundOpen(0));
    EXPECT_TRUE(panel.ClickCancel());
    EXPECT_FALSE(panel.CellClick(0, 0, false, false, false)) << "clicks are ignored while open";
    EXPECT_TRUE(panel.CompoundOkEnabled());
    panel.CompoundToggle(1);
    panel.CompoundToggle(2);
    EXPECT_FALSE(panel.CompoundOkEnabled()) << "all categories ticked";
    EXPECT_FALSE(panel.CompoundOk());
    panel.CompoundToggle(0);
    panel.CompoundToggle(1);
    panel.CompoundToggle(2);
    EXPECT_FALSE(panel.CompoundOkEnabled()) << "no category ticked";
    panel.CompoundToggle(2);
    panel.CompoundToggle(1);
    ASSERT_TRUE(panel.CompoundOk());
    EXPECT_FALSE(panel.ClickCancel());
    EXPECT_EQ(panel.RowTitle(0), "[1]+[2]");
    EXPECT_EQ(panel.GetEntry(0).RowTitles[0], "[1]+[2]");
    EXPECT_EQ(panel.GetEntry(0).RowTitles[1], "ホーム");

    ASSERT_TRUE(panel.CompoundOpen(1));
    panel.CompoundToggle(0);
    panel.CompoundCancel();
    EXPECT_EQ(panel.RowTitle(1), "ホーム");
}

TEST(ConditionSet, JOneJTwoTabsFollowTheSchedule)
{
    RecordingHost host;
    clsXJoken1 panel(host);
    panel.Initialize(JoukenKind::Honmei);
    std::array<bool, 13> j1{};
    std::array<bool, 13> j2{};
    j1[0] = j1[4] = true;
    j2[1] = true;
    panel.SetJ1J2Flags(j1, j2);
    EXPECT_EQ(panel.GetEntry(1).MatchFlags, j1);
    EXPECT_EQ(panel.GetEntry(2).MatchFlags, j2);
    panel.Clear();
    EXPECT_EQ(panel.GetEntry(1).TargetMatchCount(), 0);
}

TEST(Deme, CountsPerKind)
{
    clsTDeme deme;
    clsTDeme::MarkArray marks{};
    for (auto& row : marks) {
        row.fill(0);
    }
    for (std::size_t m = 0; m < 13; ++m) {
        marks[1][m] = 1; // ◎ on every home win
        marks[0][m] = 2; // ○ on every draw
    }
    deme.SetMulti(marks);
    std::array<bool, 13> all{};
    all.fill(true);
    deme.SetGameFlg(all);
    deme.SetMarkFlg({true, true, true});
    deme.SetPlusFlg({true, false, false, false, false, false});
    const auto s = Kousei({1, 1, 1, 0, 0, 2, 2, 1, 0, 0, 0, 0, 0});
    EXPECT_EQ(deme.GetHonmei(s), 4);
    deme.SetPlusFlg({true, true, false, false, false, false});
    EXPECT_EQ(deme.GetHonmei(s), 11) << "the two away wins are not marked";

    // 人気 without a vote status: every outcome ranks first.
    deme.SetPlusFlg({true, false, false});
    EXPECT_EQ(deme.GetNinki(s), 13);
    deme.SetPlusFlg({false, true, true});
    EXPECT_EQ(deme.GetNinki(s), 0);

    // 勝敗 with only draws targeted, among matches 1..6.
    std::array<bool, 13> six{};
    for (std::size_t m = 0; m < 6; ++m) {
        six[m] = true;
    }
    deme.SetGameFlg(six);
    deme.SetMarkFlg({true, false, false});
    deme.SetPlusFlg({true, false, false});
    EXPECT_EQ(deme.GetMark(s), 2);
    deme.SetPlusFlg({false, true, true});
    EXPECT_EQ(deme.GetMark(s), 0) << "target outcomes restrict even a row of other categories";
}

TEST(Deme, TablesAgreeWithDirectCountEverywhere)
{
    clsTDeme deme;
    clsTDeme::MarkArray marks{};
    clsTDeme::MarkArray ranks{};
    for (std::size_t m = 0; m < 13; ++m) {
        for (std::size_t c = 0; c < 3; ++c) {
            marks[c][m] = static_cast<std::int32_t>((m * 3 + c * 5) % 7);
            ranks[c][m] = static_cast<std::int32_t>((m + c) % 3);
        }
    }
    deme.SetMulti(marks);
    deme.SetNinkiRanks(ranks);
    std::array<bool, 13> game{};
    for (std::size_t m = 0; m < 13; ++m) {
        game[m] = m % 4 != 1;
    }
    deme.SetGameFlg(game);
    deme.SetMarkFlg({true, false, true});
    deme.SetPlusFlg({true, false, true, true, false, true});
    for (JoukenKind kind : {JoukenKind::Honmei, JoukenKind::Ninki, JoukenKind::Mark}) {
        const clsTDeme::CountTable table = deme.BuildTable(kind);
        clsTNumber::ByteKousei k{};
        int bad = 0;
        for (std::int32_t n = 0; n < clsTNumber::SingleCount; n += 7) {
            clsTNumber::NoToByte(n, k);
            bad += table.Count(n) != deme.GetCount(kind, k) ? 1 : 0;
        }
        clsTNumber::NoToByte(clsTNumber::SingleCount - 1, k);
        bad += table.Count(clsTNumber::SingleCount - 1) != deme.GetCount(kind, k) ? 1 : 0;
        EXPECT_EQ(bad, 0) << static_cast<int>(kind);
    }
}

TEST(Deme, PopularityRanksFollowTheVotesAndTheSortsTieOrder)
{
    RecordingHost host;
    VoteRecord v;
    EXPECT_EQ(clsTDeme::NinkiRanks(v, host), clsTDeme::MarkArray{}) << "no round: all first";
    v.Kaisaikai = 500;
    for (auto& m : v.Match) {
        m.Votes = {Currency::FromInt(7), Currency::FromInt(7), Currency::FromInt(7)};
    }
    v.Match[3].Votes = {Currency::FromInt(10), Currency::FromInt(30), Currency::FromInt(20)};
    const auto r = clsTDeme::NinkiRanks(v, host);
    EXPECT_EQ(r[2][0], 0); // three equal counts: away, draw, home
    EXPECT_EQ(r[0][0], 1);
    EXPECT_EQ(r[1][0], 2);
    EXPECT_EQ(r[1][3], 0);
    EXPECT_EQ(r[2][3], 1);
    EXPECT_EQ(r[0][3], 2);

    clsTDeme deme;
    deme.SetVoteRecord(v, host);
    std::array<bool, 13> all{};
    all.fill(true);
    deme.SetGameFlg(all);
    deme.SetMarkFlg({true, true, true});
    deme.SetPlusFlg({true, false, false});
    // Away everywhere: first in twelve matches, second in match 4.
    EXPECT_EQ(deme.GetNinki(Kousei({2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2})), 12);
    EXPECT_TRUE(host.Messages.empty());
}

TEST(ConditionSet, ScheduleSetsTheJOneJTwoTabsByTheMatchYear)
{
    TempDir dir;
    for (const char* f : {"TeamName.dat", "TeamName1.dat", "TeamName2.dat"}) {
        dir.Write(std::string("SysData/") + f, "");
    }
    dir.Write("SysData/J1J2.dat", basText::ToSjis("2021J1 = 鹿島,浦和\r\n2021J2 = 甲府\r\n"
                                                  "2022J1 = 甲府\r\n"));
    RecordingHost host;
    clsTotoData toto(host, dir.Str());
    ScheduleRecord s;
    for (auto& m : s.Match) {
        m.Home = "横浜";
        m.GameDate = DateTime::FromYmd(2021, 5, 1);
    }
    s.Match[0].Home = "浦和";
    s.Match[1].Home = "甲府";
    s.Match[2].Home = "甲府";
    s.Match[2].GameDate = DateTime::FromYmd(2022, 3, 1);
    clsXJoken1 panel(host);
    panel.Initialize(JoukenKind::Mark);
    int taisho = 0;
    panel.TaishoChange = [&] { ++taisho; };
    panel.ShowTab(1);
    panel.SetScheduleRecord(s, toto);
    std::array<bool, 13> j1{};
    std::array<bool, 13> j2{};
    j1[0] = j1[2] = true;
    j2[1] = true;
    EXPECT_EQ(panel.GetEntry(1).MatchFlags, j1);
    EXPECT_EQ(panel.GetEntry(2).MatchFlags, j2);
    EXPECT_EQ(taisho, 1) << "the shown J1 tab changed its targets";
}
