#include "results/clsTProbabilityEntry.h"

#include <gtest/gtest.h>

namespace {
using Entry = clsTProbabilityEntry;

// Every match of the odds table typed as home win, draw, away win.
void TypeOdds(Entry& entry, const char* strHome, const char* strDraw, const char* strAway)
{
    for (int m = 0; m < 13; ++m) {
        entry.SetText(1, m, strHome);
        entry.SetText(0, m, strDraw);
        entry.SetText(2, m, strAway);
    }
}
} // namespace

TEST(clsTProbabilityEntry, OddsAreConvertedWithTheMarginTakenOutToExactly10000)
{
    Entry entry;
    entry.Open(std::nullopt, {});
    EXPECT_FALSE(entry.OkEnabled()); // nothing entered yet
    entry.SetMode(Entry::kModeOdds);
    EXPECT_EQ(entry.Text(1, 0), ""); // no probability, no fair odds
    TypeOdds(entry, "2.0", "4", "4.00");
    EXPECT_TRUE(entry.OkEnabled());
    // 1.9 / 3.4 / 4.1: 1/o add up to 1.06434, so the shares are 49.450, 27.634 and 22.916 %;
    // rounded down they miss one unit, which goes to the largest remainder.
    entry.SetText(1, 5, "1.9");
    entry.SetText(0, 5, "3.4");
    entry.SetText(2, 5, "4.1");
    ASSERT_TRUE(entry.Ok());
    const ProbabilityRecord r = entry.Result();
    EXPECT_EQ(r.Value[1][0], 5000);
    EXPECT_EQ(r.Value[0][0], 2500);
    EXPECT_EQ(r.Value[2][0], 2500);
    EXPECT_EQ(r.Value[1][5] + r.Value[0][5] + r.Value[2][5], 10000);
    EXPECT_EQ(r.Value[1][5], 4945);
    EXPECT_EQ(r.Value[0][5], 2763);
    EXPECT_EQ(r.Value[2][5], 2292);
    EXPECT_TRUE(r.Check().empty()) << r.Check();
}

TEST(clsTProbabilityEntry, BadOddsKeepOkDisabledAndTheirMatchItsLastValues)
{
    Entry entry;
    entry.Open(std::nullopt, {});
    entry.SetMode(Entry::kModeOdds);
    TypeOdds(entry, "2.5", "3.2", "2.8");
    ASSERT_TRUE(entry.OkEnabled());
    const clsTOdds::Values converted = entry.Values();
    for (const char* bad : {"0.9", "", ".", "1..2", "abc"}) {
        entry.SetText(0, 3, bad);
        EXPECT_FALSE(entry.RowValid(3)) << bad;
        EXPECT_NE(entry.RowFault(3).find("4試合目の「0」のオッズ"), std::string::npos) << bad;
        EXPECT_FALSE(entry.OkEnabled()) << bad;
        EXPECT_FALSE(entry.Ok()) << bad;
        EXPECT_EQ(entry.Values(), converted) << bad;
    }
    EXPECT_FALSE(entry.Confirmed());
    // Back to percent: the unfinished odds are dropped, the match keeps what it held.
    entry.SetMode(Entry::kMode10000);
    EXPECT_EQ(entry.Values(), converted);
    EXPECT_EQ(entry.Text(0, 3), std::to_string(converted[0][3]));
    EXPECT_TRUE(entry.RowValid(3));
    EXPECT_TRUE(entry.OkEnabled());
}

namespace {
ProbabilityRecord Uneven()
{
    ProbabilityRecord p;
    const std::int32_t kRows[][3] = {{3333, 3333, 3334}, {4567, 2211, 3222}, {0, 5000, 5000},
                                     {1, 9998, 1},       {3250, 3350, 3400}, {10000, 0, 0},
                                     {2857, 4286, 2857}};
    for (std::size_t m = 0; m < 13; ++m) {
        for (std::size_t k = 0; k < 3; ++k) {
            p.Value[k][m] = kRows[m % 7][k];
        }
    }
    return p;
}
} // namespace

TEST(clsTProbabilityEntry, EveryModeRoundTripKeepsTheExactValues)
{
    const ProbabilityRecord p = Uneven();
    ASSERT_EQ(p.Check(), "");
    const std::int32_t kPath[] = {Entry::kMode100,  Entry::kModeOdds, Entry::kMode10000,
                                  Entry::kModeOdds, Entry::kMode100,  Entry::kMode10000,
                                  Entry::kMode100,  Entry::kModeOdds};
    Entry entry;
    entry.Open(p, {});
    for (const std::int32_t mode : kPath) {
        entry.SetMode(mode);
        EXPECT_TRUE(entry.OkEnabled()) << mode;
    }
    entry.SetMode(Entry::kMode10000);
    EXPECT_EQ(entry.Text(0, 0), "3333");
    EXPECT_EQ(entry.Text(1, 1), "2211");
    ASSERT_TRUE(entry.Ok());
    EXPECT_EQ(entry.Result(), p);
}

TEST(clsTProbabilityEntry, ARowThatDoesNotAddUpStaysRefusedInTheOddsMode)
{
    Entry entry;
    entry.Open(Uneven(), {});
    entry.SetMode(Entry::kMode100);
    entry.SetText(1, 10, "34");
    entry.SetText(0, 10, "33");
    entry.SetText(2, 10, "34");
    EXPECT_FALSE(entry.OkEnabled());
    // Fair odds are shown for every box, but the match still adds up to 101 %.
    entry.SetMode(Entry::kModeOdds);
    EXPECT_EQ(entry.Text(1, 10), "2.94");
    EXPECT_FALSE(entry.RowValid(10));
    EXPECT_FALSE(entry.OkEnabled());
    EXPECT_FALSE(entry.Ok());
    EXPECT_FALSE(entry.Confirmed());
    // Odds typed into the match convert it with the margin taken out: now it adds up.
    entry.SetText(1, 10, "2.94");
    EXPECT_TRUE(entry.RowValid(10));
    ASSERT_TRUE(entry.Ok());
    EXPECT_EQ(entry.Result().Check(), "");
}

TEST(clsTProbabilityEntry, TypedOddsAreConvertedOnceTheUntypedBoxesWeighingTheirValues)
{
    ProbabilityRecord p = Uneven();
    p.Value[1][4] = 4000;
    p.Value[0][4] = 3000;
    p.Value[2][4] = 3000;
    Entry entry;
    entry.Open(p, {});
    entry.SetMode(Entry::kModeOdds);
    // Weights 1/2.0, 0.30, 0.30: shares 45.4545 / 27.2727 / 27.2727 %, rounded down 9,999,
    // the unit left to the largest remainder.
    entry.SetText(1, 4, "2.0");
    EXPECT_EQ(entry.Values()[1][4], 4546);
    EXPECT_EQ(entry.Values()[0][4], 2727);
    EXPECT_EQ(entry.Values()[2][4], 2727);
    // The other box typed: its weight 1/3.0 beside 0.5 and the away win's own 0.30 (not the
    // 0.2727 of the first conversion): 44.1176 / 29.4118 / 26.4706 %.
    entry.SetText(0, 4, "3.0");
    EXPECT_EQ(entry.Values()[1][4], 4412);
    EXPECT_EQ(entry.Values()[0][4], 2941);
    EXPECT_EQ(entry.Values()[2][4], 2647);
    const clsTOdds::Values typed = entry.Values();
    // From now on only the display changes.
    entry.SetMode(Entry::kMode100);
    EXPECT_EQ(entry.Text(1, 4), "44.12");
    entry.SetMode(Entry::kModeOdds);
    EXPECT_EQ(entry.Text(1, 4), "2.27");
    entry.SetMode(Entry::kMode10000);
    EXPECT_EQ(entry.Values(), typed);
    // Untouched matches are exactly as opened.
    EXPECT_EQ(entry.Values()[0][0], 3333);
}

TEST(clsTProbabilityEntry, OkIsEnabledExactlyWhenTheDocumentTakesTheRecord)
{
    const std::int32_t kRows[][3] = {{3333, 3333, 3334}, {3400, 3300, 3400}, {5000, 3000, 1999},
                                     {0, 0, 0},          {10001, 0, 0},      {10000, 0, 0}};
    for (const auto& row : kRows) {
        ProbabilityRecord p = Uneven();
        for (std::size_t k = 0; k < 3; ++k) {
            p.Value[k][10] = row[k];
        }
        const std::string fault = p.Check();
        for (const std::int32_t mode : {Entry::kMode10000, Entry::kMode100, Entry::kModeOdds}) {
            Entry entry;
            entry.Open(p, {});
            entry.SetMode(mode);
            EXPECT_EQ(entry.OkEnabled(), fault.empty()) << row[0] << " " << mode;
            EXPECT_EQ(entry.RowFault(10), fault) << row[0] << " " << mode;
        }
    }
}

TEST(clsTProbabilityEntry, PercentModesShowFairOddsAndComeBackUnchanged)
{
    ProbabilityRecord p;
    for (std::size_t m = 0; m < 13; ++m) {
        p.Value[1][m] = 5000;
        p.Value[0][m] = 2500;
        p.Value[2][m] = 2500;
    }
    p.Value[1][7] = 4000;
    p.Value[0][7] = 3500;
    p.Value[2][7] = 2500;
    Entry entry;
    entry.Open(p, {});
    EXPECT_TRUE(entry.OkEnabled());
    entry.SetMode(Entry::kMode100);
    EXPECT_EQ(entry.Text(0, 7), "35");
    EXPECT_EQ(entry.MaxChars(), 3);
    entry.SetMode(Entry::kModeOdds);
    EXPECT_EQ(entry.MaxChars(), Entry::kOddsMaxChars);
    EXPECT_EQ(entry.Text(1, 7), "2.50");
    EXPECT_EQ(entry.Text(0, 7), "2.86");
    EXPECT_EQ(entry.Text(2, 7), "4.00");
    entry.SetMode(Entry::kMode10000);
    EXPECT_EQ(entry.Text(1, 7), "4000");
    EXPECT_EQ(entry.Text(0, 7), "3500");
    EXPECT_EQ(entry.Text(2, 7), "2500");
    ASSERT_TRUE(entry.Ok());
    EXPECT_EQ(entry.Result(), p);
}

TEST(clsTProbabilityEntry, OddsBoxesTakeOnePointAndTheLengthLimit)
{
    Entry entry;
    entry.Open(std::nullopt, {});
    // The percent modes keep the vote-rate rules: no point at all.
    EXPECT_FALSE(entry.AcceptKey(Entry::Key::Point, "12", false));
    entry.SetMode(Entry::kModeOdds);
    EXPECT_TRUE(entry.AcceptKey(Entry::Key::Point, "12", false));
    EXPECT_FALSE(entry.AcceptKey(Entry::Key::Point, "1.2", false));
    EXPECT_TRUE(entry.AcceptKey(Entry::Key::Point, "1.2", true));
    EXPECT_TRUE(entry.AcceptKey(Entry::Key::Digit, "12.34", false));
    EXPECT_FALSE(entry.AcceptKey(Entry::Key::Digit, "123.45", false));
    EXPECT_TRUE(entry.AcceptKey(Entry::Key::Digit, "123.45", true));
    EXPECT_FALSE(entry.AcceptKey(Entry::Key::BackSpace, "", false));
    EXPECT_FALSE(entry.AcceptKey(Entry::Key::Other, "1", false));
    EXPECT_FALSE(entry.AcceptKey(Entry::Key::Enter, "1", false));
}

TEST(clsTProbabilityEntry, VoteRatesStartTheEntryInTheModeShown)
{
    VoteRecord vote;
    for (auto& m : vote.Match) {
        m.Rate[1] = Currency::FromRaw(450000); // 45.00
        m.Rate[0] = Currency::FromRaw(300000);
        m.Rate[2] = Currency::FromRaw(250100); // adds up to 100.01: scaled back to 100
    }
    Entry entry;
    entry.Open(std::nullopt, {});
    std::string why;
    ASSERT_TRUE(entry.FillFromVote(vote, why)) << why;
    EXPECT_TRUE(entry.OkEnabled());
    EXPECT_EQ(std::stoi(entry.Text(1, 0)) + std::stoi(entry.Text(0, 0)) +
                  std::stoi(entry.Text(2, 0)),
              10000);
    entry.SetMode(Entry::kModeOdds);
    ASSERT_TRUE(entry.FillFromVote(vote, why)) << why;
    EXPECT_EQ(entry.Mode(), Entry::kModeOdds);
    EXPECT_EQ(entry.Text(1, 0), "2.22"); // 1 / 0.45
    // No rates: refused with a reason, the boxes as they were.
    ASSERT_FALSE(entry.FillFromVote(VoteRecord{}, why));
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(entry.Text(1, 0), "2.22");
}
