#include "lottery/clsTNumber.h"
#include "results/clsTResult.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace {
// Every outcome of the result: match m (0-based) ends with code (m % 3).
ResultRecord Official(std::int32_t lngKaisaikai)
{
    ResultRecord r;
    r.Kaisaikai = lngKaisaikai;
    for (std::size_t m = 0; m < 13; ++m) {
        r.Match[m].Outcome = static_cast<std::uint8_t>(m % 3);
    }
    r.Prize = {Currency(), Currency::FromInt(1000000), Currency::FromInt(20000),
               Currency::FromInt(1000)};
    r.Winners = {Currency(), Currency::FromInt(2), Currency::FromInt(50), Currency::FromInt(900)};
    return r;
}

std::int32_t WithCodes(std::array<std::int32_t, 13> codes)
{
    return clsTNumber::LongToNo(codes);
}

std::array<std::int32_t, 13> ResultCodes()
{
    std::array<std::int32_t, 13> c{};
    for (std::size_t m = 0; m < 13; ++m) {
        c[m] = static_cast<std::int32_t>(m % 3);
    }
    return c;
}

// The single that is right everywhere except in the listed matches (there it takes the next code).
std::int32_t Missing(std::initializer_list<std::size_t> matches)
{
    auto c = ResultCodes();
    for (const auto m : matches) {
        c[m] = (c[m] + 1) % 3;
    }
    return WithCodes(c);
}

struct Fixture
{
    RecordingHost host;
    TempDir dir;
    clsTResult result{host, host, host, host, dir.Str()};
    Fixture() { result.Initialize(); }
};
} // namespace

TEST(clsTResult, WithoutMarksEverySingleIsGradeOneAndNoPrizesShow)
{
    Fixture f;
    const std::vector<std::int32_t> s = {0, 797161, 1594322, 12345};
    ASSERT_TRUE(f.result.SetSingle(s));
    for (std::int32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(f.result.GradeValue(i), 1);
    }
    EXPECT_EQ(f.result.Tally()[0], 4);
    EXPECT_TRUE(f.result.Kakutei().Empty());
    EXPECT_EQ(f.result.GradeTable().CountText(0), "4");
    EXPECT_EQ(f.result.HitValue(1, 0), 4);
    EXPECT_EQ(f.result.Grid().CellColor(1, 0), ResultColor::White);
}

TEST(clsTResult, TallyIsUndecidedUntilAMatchHasAResult)
{
    Fixture f;
    const std::vector<std::int32_t> s = {Missing({}), Missing({0}), Missing({5})};
    ASSERT_TRUE(f.result.SetSingle(s));
    f.result.SetResultData(300, "", Official(300), false);
    EXPECT_FALSE(f.result.GradeTable().Decided());
    EXPECT_EQ(f.result.GradeTable().ValueText(0, 0), "－");
    EXPECT_EQ(f.result.GradeTable().ValueText(0, 1), "－");
    f.result.SetNextData();
    EXPECT_TRUE(f.result.GradeTable().Decided());
    EXPECT_EQ(f.result.GradeTable().ValueText(0, 0), "2");
    EXPECT_EQ(f.result.GradeTable().ValueText(1, 1), "33%");
    // A new round's result starts undecided again.
    f.result.SetResultData(301, "", Official(301), false);
    EXPECT_FALSE(f.result.GradeTable().Decided());
    // A hand entry is a result the player knows.
    f.result.Entry().LeftClick(0, 4);
    EXPECT_TRUE(f.result.GradeTable().Decided());
    // A cancelled match too.
    f.result.Entry().LeftClick(0, 4);
    EXPECT_FALSE(f.result.GradeTable().Decided());
    f.result.Entry().LeftClick(1, 6);
    f.result.SetPopup(0);
    EXPECT_TRUE(f.result.GradeTable().Decided());
}

TEST(clsTResult, RevealingMatchOneMovesOnlyItsLosersToGradeTwo)
{
    Fixture f;
    const std::vector<std::int32_t> s = {Missing({}), Missing({0}), Missing({5}), Missing({0, 5})};
    f.result.SetSingle(s);
    f.result.SetResultData(300, "", Official(300), false);
    EXPECT_EQ(f.result.Revealed(), 0);
    EXPECT_FALSE(f.result.FullResult());
    f.result.SetNextData();
    EXPECT_EQ(f.result.Revealed(), 1);
    EXPECT_EQ(f.result.Entry().CellText(0, 0), "◎");
    EXPECT_EQ(f.result.GradeValue(0), 1);
    EXPECT_EQ(f.result.GradeValue(1), 2);
    EXPECT_EQ(f.result.GradeValue(2), 1);
    EXPECT_EQ(f.result.GradeValue(3), 2);
    EXPECT_TRUE(f.result.Kakutei().Empty());
    // Column of single 1: match 1 wrong (red), the rest open (white), grade value 2.
    EXPECT_EQ(f.result.Grid().CellColor(1, 1), ResultColor::Wrong);
    EXPECT_EQ(f.result.Grid().CellColor(1, 0), ResultColor::Right);
    EXPECT_EQ(f.result.Grid().CellColor(2, 1), ResultColor::White);
    EXPECT_EQ(f.result.Grid().CellText(14, 1), "2");
}

TEST(clsTResult, AllRevealedFillsThePrizeTableAndHandEntryClearsIt)
{
    Fixture f;
    const std::vector<std::int32_t> s = {Missing({}), Missing({3}), Missing({3, 4}),
                                         Missing({1, 2, 3})};
    f.result.SetSingle(s);
    f.result.SetResultData(300, "", Official(300), true);
    ASSERT_TRUE(f.result.FullResult());
    EXPECT_EQ(f.result.Tally()[0], 1);
    EXPECT_EQ(f.result.Tally()[1], 1);
    EXPECT_EQ(f.result.Tally()[2], 1);
    EXPECT_EQ(f.result.Tally()[3], 1);
    ASSERT_FALSE(f.result.Kakutei().Empty());
    EXPECT_EQ(f.result.Kakutei().Amount(0, 4), Currency::FromInt(1000000));
    EXPECT_EQ(f.result.Kakutei().Amount(3, 4), Currency::FromInt(1021000));

    // Match 2's official result is code 1; the user clicks code 2 instead.
    f.result.Entry().LeftClick(2, 1);
    EXPECT_EQ(f.result.Entry().CellText(2, 1), "○");
    EXPECT_EQ(f.result.Entry().CellText(1, 1), "");
    EXPECT_TRUE(f.result.Kakutei().Empty());
    EXPECT_EQ(f.result.GradeValue(0), 2);
    // No file for a round that has its official result.
    EXPECT_FALSE(std::filesystem::exists(f.result.TempFileName(300, "")));

    // Clicking the official outcome again marks it official and the prizes come back.
    f.result.Entry().LeftClick(1, 1);
    EXPECT_EQ(f.result.Entry().CellText(1, 1), "◎");
    EXPECT_FALSE(f.result.Kakutei().Empty());
}

TEST(clsTResult, CancelledMatchCountsRightForEverySingle)
{
    Fixture f;
    ResultRecord r = Official(300);
    r.Match[4].Outcome = ResultRecord::OutcomeCancelled;
    const std::vector<std::int32_t> s = {Missing({}), Missing({4}), Missing({4, 6})};
    f.result.SetSingle(s);
    f.result.SetResultData(300, "", r, true);
    EXPECT_EQ(f.result.GradeValue(0), 1);
    EXPECT_EQ(f.result.GradeValue(1), 1);
    EXPECT_EQ(f.result.GradeValue(2), 2);
    EXPECT_EQ(f.result.Entry().CellText(0, 4), "－");
    EXPECT_EQ(f.result.HitValue(2, 4), 3);
    EXPECT_EQ(f.result.Grid().CellColor(5, 1), ResultColor::Cancelled);
    // A cancelled match is decided: the prizes show.
    EXPECT_FALSE(f.result.Kakutei().Empty());
}

TEST(clsTResult, PopupCancelsTheRightClickedMatch)
{
    Fixture f;
    f.result.SetSingle(std::vector<std::int32_t>{Missing({7})});
    f.result.SetResultData(300, "", Official(300), true);
    EXPECT_EQ(f.result.GradeValue(0), 2);
    f.result.Entry().RightClick(7);
    f.result.SetPopup(0);
    EXPECT_EQ(f.result.Entry().Value(1, 7), 3);
    EXPECT_EQ(f.result.GradeValue(0), 1);
}

TEST(clsTResult, HandEntriesAreKeptPerRoundAndDroppedWithTheOfficialResult)
{
    RecordingHost host;
    TempDir dir;
    std::string path;
    {
        clsTResult result(host, host, host, host, dir.Str());
        result.Initialize();
        result.SetSingle(std::vector<std::int32_t>{0, 1});
        result.SetResultData(512, "A", ResultRecord{}, false);
        path = result.TempFileName(512, "A");
        EXPECT_EQ(std::filesystem::path(path).filename(), "Kelvra_Result_512_A.dat");
        result.Entry().LeftClick(1, 0);
        result.Entry().RightClick(12);
        result.SetPopup(0);
        EXPECT_EQ(result.GradeValue(0), 2);
        EXPECT_EQ(result.GradeValue(1), 1);
    }
    EXPECT_EQ(dir.Read("SysData/Temp/Kelvra_Result_512_A.dat"),
              "0,2,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n"
              "0,0,0\r\n0,0,0\r\n0,0,0\r\n3,3,3\r\n");

    clsTResult again(host, host, host, host, dir.Str());
    again.Initialize();
    again.SetResultData(512, "A", ResultRecord{}, true);
    EXPECT_EQ(again.Entry().CellText(1, 0), "○");
    EXPECT_EQ(again.Entry().Value(2, 12), 3);
    // Another group of the same round has no entries.
    again.SetResultData(512, "B", ResultRecord{}, true);
    EXPECT_EQ(again.Entry().Value(1, 0), 0);

    ResultRecord official = Official(512);
    official.Kumi = "A";
    again.SetResultData(512, "A", official, false);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(again.Entry().Value(1, 0), 0);
    EXPECT_TRUE(host.Messages.empty());
}

TEST(clsTResult, NoFileIsWrittenWithoutARound)
{
    Fixture f;
    f.result.SetResultData(0, "", ResultRecord{}, false);
    f.result.Entry().LeftClick(0, 0);
    EXPECT_FALSE(std::filesystem::exists(f.dir.Path() / "SysData" / "Temp"));
}

TEST(clsTResult, DamagedHandEntryFileIsReportedAndReadUpToTheDamage)
{
    Fixture f;
    f.dir.Write("SysData/Temp/Kelvra_Result_077.dat", "0,2,0\r\n0,0,9\r\n");
    f.result.SetResultData(77, "", ResultRecord{}, false);
    ASSERT_EQ(f.host.Messages.size(), 1u);
    EXPECT_EQ(f.host.Messages[0].Caption, "Kelvra / clsTResult / LoadResultTemp");
    EXPECT_NE(f.host.Messages[0].Text.find("2 行目"), std::string::npos);
    EXPECT_EQ(f.result.Entry().Value(1, 0), 2);
    EXPECT_EQ(f.result.Entry().Value(2, 1), 0);
}

TEST(clsTResult, GradeSortChecksTheSizeAndPutsMostHitsFirst)
{
    Fixture f;
    std::vector<std::int32_t> s = {Missing({1, 2}), Missing({}), Missing({3}), Missing({}),
                                   Missing({1, 2, 3})};
    f.result.SetSingle(s);
    f.result.SetResultData(300, "", Official(300), true);

    std::vector<std::int32_t> shorter(s.begin(), s.end() - 1);
    const auto before = shorter;
    EXPECT_FALSE(f.result.GradeSort(shorter, true));
    EXPECT_EQ(shorter, before);
    ASSERT_EQ(f.host.Messages.size(), 1u);
    EXPECT_EQ(f.host.Messages[0].Text, "シングル数が一致しません");
    EXPECT_EQ(f.host.Messages[0].Caption, "Kelvra / clsTResult / GradeSort_Sub");

    std::vector<std::int32_t> asc = s;
    ASSERT_TRUE(f.result.GradeSort(asc, true));
    EXPECT_EQ(asc, (std::vector<std::int32_t>{s[1], s[3], s[2], s[0], s[4]}));
    std::vector<std::int32_t> desc = s;
    ASSERT_TRUE(f.result.GradeSort(desc, false));
    EXPECT_EQ(desc, (std::vector<std::int32_t>{s[4], s[0], s[2], s[1], s[3]}));

    // Equal grades are not kept in place: the index sort exchanges a pair of equals.
    std::vector<std::int32_t> two = {Missing({5}), Missing({6})};
    f.result.SetSingle(two);
    const auto original = two;
    ASSERT_TRUE(f.result.GradeSort(two, true));
    EXPECT_EQ(two, (std::vector<std::int32_t>{original[1], original[0]}));
}

TEST(clsTResult, PagesOfTenWithLabelsAndButtons)
{
    Fixture f;
    f.result.SetSingle(std::vector<std::int32_t>{});
    EXPECT_EQ(f.result.PageLabel(), "1／1");
    EXPECT_FALSE(f.result.PreviousEnabled());
    EXPECT_FALSE(f.result.NextEnabled());
    EXPECT_EQ(f.result.Grid().CellText(1, 0), "");

    std::vector<std::int32_t> ten(10, 5);
    f.result.SetSingle(ten);
    EXPECT_EQ(f.result.PageLabel(), "1／1");
    std::vector<std::int32_t> eleven(11, 5);
    eleven[10] = 1594322;
    f.result.SetSingle(eleven);
    EXPECT_EQ(f.result.PageLabel(), "1／2");
    EXPECT_TRUE(f.result.NextEnabled());
    f.result.MoveNext();
    f.result.MoveNext();
    EXPECT_EQ(f.result.PageLabel(), "2／2");
    EXPECT_TRUE(f.result.PreviousEnabled());
    EXPECT_FALSE(f.result.NextEnabled());
    EXPECT_EQ(f.result.Grid().CellText(1, 0), "2");
    EXPECT_EQ(f.result.Grid().CellText(1, 1), "");
    f.result.MovePrevious();
    f.result.MovePrevious();
    EXPECT_EQ(f.result.Page(), 0);
    EXPECT_EQ(f.result.SingleCountLabel(), "11");
}

TEST(clsTResult, BadTicketNumberIsRefusedAndTheSetKept)
{
    Fixture f;
    f.result.SetSingle(std::vector<std::int32_t>{1, 2});
    EXPECT_FALSE(f.result.SetSingle(std::vector<std::int32_t>{3, 1594323}));
    EXPECT_EQ(f.result.SingleCount(), 2);
    EXPECT_EQ(f.result.SingleCountLabel(), "2");
    ASSERT_EQ(f.host.Messages.size(), 1u);
    EXPECT_EQ(f.host.Messages[0].Caption, "Kelvra / clsTResult / SetSingle_Sub");
}

TEST(clsTResult, LargeSetsShowTheWaitDialog)
{
    Fixture f;
    std::vector<std::int32_t> s(20000);
    for (std::size_t i = 0; i < s.size(); ++i) {
        s[i] = static_cast<std::int32_t>(i * 79);
    }
    f.result.SetSingle(s);
    ASSERT_FALSE(f.host.WaitLog.empty());
    EXPECT_EQ(f.host.WaitLog.front(), "show:シングル構成の解析中:19999");
    EXPECT_EQ(f.host.WaitLog.back(), "close");
    EXPECT_EQ(f.result.SingleCountLabel(), "20,000");
    EXPECT_GT(f.host.DoEventsCount, 0);
    EXPECT_EQ(f.host.BusyDepth, 0);
}

TEST(clsTResult, RegradingAgreesWithCountingMatchByMatch)
{
    Fixture f;
    std::mt19937 rng(7);
    std::uniform_int_distribution<std::int32_t> any(0, 1594322);
    std::vector<std::int32_t> s(3000);
    for (auto& v : s) {
        v = any(rng);
    }
    f.result.SetSingle(s);
    f.result.SetResultData(300, "", Official(300), true);
    std::uniform_int_distribution<std::int32_t> cell(0, 38);
    for (int click = 0; click < 40; ++click) {
        const std::int32_t c = cell(rng);
        if (click % 7 == 0) {
            f.result.Entry().RightClick(c / 3);
            f.result.SetPopup(0);
        } else {
            f.result.Entry().LeftClick(c % 3, c / 3);
        }
        const ResultMarks marks = f.result.Entry().GetValue();
        GradeTally tally{};
        for (std::size_t i = 0; i < s.size(); ++i) {
            clsTNumber::ByteKousei k{};
            clsTNumber::NoToByte(s[i], k);
            int hits = 0;
            for (std::size_t m = 0; m < 13; ++m) {
                const bool open = marks[0][m] == 0 && marks[1][m] == 0 && marks[2][m] == 0;
                hits += (open || marks[k[m]][m] != 0) ? 1 : 0;
            }
            ASSERT_EQ(f.result.GradeValue(static_cast<std::int32_t>(i)), 14 - hits);
            ++tally[static_cast<std::size_t>(13 - hits)];
        }
        ASSERT_EQ(f.result.Tally(), tally);
    }
}

TEST(clsTResult, TwoGradeRoundHighlightsTwoRows)
{
    Fixture f;
    f.result.SetSingle(std::vector<std::int32_t>{Missing({1, 2})});
    f.result.SetResultData(200, "", Official(200), true);
    EXPECT_TRUE(f.result.GradeTable().Highlighted(1));
    EXPECT_FALSE(f.result.GradeTable().Highlighted(2));
    EXPECT_EQ(f.result.Grid().CellColor(14, 0), ResultColor::White);
    EXPECT_FALSE(f.result.Kakutei().Highlighted(2, 3));
    f.result.SetResultData(300, "", Official(300), true);
    EXPECT_EQ(f.result.Grid().CellColor(14, 0), ResultColor::Prize);
}

TEST(clsTResult, NewRoundWithTheSameMarksStillReplacesThePrizes)
{
    Fixture f;
    f.result.SetSingle(std::vector<std::int32_t>{Missing({})});
    f.result.SetResultData(300, "", Official(300), true);
    ASSERT_EQ(f.result.Kakutei().Amount(0, 0), Currency::FromInt(1000000));
    ResultRecord next = Official(301);
    next.Prize[1] = Currency::FromInt(777);
    f.result.SetResultData(301, "", next, true);
    EXPECT_EQ(f.result.Kakutei().Amount(0, 0), Currency::FromInt(777));
    // Taking a round without revealing anything must not keep the old round's prizes.
    f.result.SetResultData(302, "", Official(302), false);
    EXPECT_TRUE(f.result.Kakutei().Empty());
}

TEST(clsTResult, ResultBeforeInitializeIsReported)
{
    RecordingHost host;
    TempDir dir;
    clsTResult result(host, host, host, host, dir.Str());
    result.SetResultData(300, "", Official(300), true);
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, "Initialize Err");
    EXPECT_EQ(host.Messages[0].Caption, "Kelvra / clsTResult / SetResultData");
}

TEST(clsTMultiResult, ChangeOnlyWhenTheMarksDiffer)
{
    clsTMultiResult grid;
    std::vector<bool> clicks;
    grid.Change = [&](bool b) { clicks.push_back(b); };
    ResultMarks marks{};
    grid.SetValue(marks);
    EXPECT_TRUE(clicks.empty());
    marks[1][3] = 1;
    grid.SetValue(marks);
    grid.SetValue(marks);
    EXPECT_EQ(clicks, (std::vector<bool>{false}));
    // Clicking a marked cell clears the match; clicking it again marks it as a hand entry.
    grid.LeftClick(1, 3);
    EXPECT_EQ(grid.Value(1, 3), 0);
    grid.LeftClick(1, 3);
    EXPECT_EQ(grid.Value(1, 3), 2);
    EXPECT_EQ(clicks, (std::vector<bool>{false, true, true}));
    // Cancelling twice reports once; the pop-up does nothing before any row was clicked.
    clsTMultiResult fresh;
    int n = 0;
    fresh.Change = [&](bool) { ++n; };
    fresh.SetPopup(0);
    EXPECT_EQ(n, 0);
    fresh.RightClick(5);
    fresh.SetPopup(0);
    fresh.SetPopup(0);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(fresh.CellText(2, 5), "－");
    EXPECT_EQ(clsTMultiResult::ColumnOutcome(0), 1);
    EXPECT_EQ(clsTMultiResult::ColumnOutcome(1), 0);
}

TEST(clsTResult, CountGridTakesTheFrameAndColoursTheResult)
{
    Fixture f;
    int refreshed = 0;
    f.result.Refreshed = [&] { ++refreshed; };
    std::array<std::array<std::int32_t, 13>, 3> frame{};
    frame[1][0] = 4;
    ResultFlags cells{};
    cells[1][0] = true;
    f.result.SetSingleFrame(frame, cells);
    EXPECT_EQ(f.result.CountFrame()[1][0], 4);
    EXPECT_TRUE(f.result.CountCells()[1][0]);
    f.result.SetResultData(300, "", Official(300), true);
    EXPECT_TRUE(f.result.CountColor()[0][0]);
    EXPECT_FALSE(f.result.CountColor()[1][0]);
    EXPECT_GT(refreshed, 0);
    f.result.SetPercent(true);
    f.result.CountClick();
    EXPECT_TRUE(f.result.CountVisible());
    f.result.SetPercent(false);
    f.result.CountClick();
    EXPECT_FALSE(f.result.CountVisible());
}

TEST(clsTResult, OneEditedSingleIsRegradedInPlace)
{
    Fixture f;
    const std::vector<std::int32_t> s = {Missing({}), Missing({3}), Missing({3, 4})};
    f.result.SetSingle(s);
    f.result.SetResultData(300, "", Official(300), true);
    f.result.MoveNext(); // stays on the only page
    ASSERT_EQ(f.result.Tally()[0], 1);
    ASSERT_TRUE(f.result.SetValue(2, Missing({})));
    EXPECT_EQ(f.result.GradeValue(2), 1);
    EXPECT_EQ(f.result.Tally()[0], 2);
    EXPECT_EQ(f.result.Tally()[2], 0);
    EXPECT_EQ(f.result.Grid().CellText(14, 2), "1");
    EXPECT_EQ(f.result.Kakutei().Amount(0, 3), Currency::FromInt(2));

    EXPECT_FALSE(f.result.SetValue(3, 0));
    EXPECT_FALSE(f.result.SetValue(0, clsTNumber::SingleCount));
    EXPECT_EQ(f.result.Tally()[0], 2);
    EXPECT_EQ(f.host.Messages.size(), 2u);
}
