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

TEST(clsTProbabilityEntry, BadOddsKeepOkDisabledAndLeaveOnlyTheirMatchEmpty)
{
    Entry entry;
    entry.Open(std::nullopt, {});
    entry.SetMode(Entry::kModeOdds);
    TypeOdds(entry, "2.5", "3.2", "2.8");
    for (const char* bad : {"0.9", "", ".", "1..2", "abc"}) {
        entry.SetText(0, 3, bad);
        EXPECT_FALSE(entry.RowValid(3)) << bad;
        EXPECT_FALSE(entry.OkEnabled()) << bad;
        EXPECT_FALSE(entry.Ok()) << bad;
    }
    EXPECT_FALSE(entry.Confirmed());
    // Back to percent: the unfinished match reads 0 / 0 / 0, the others are converted.
    entry.SetMode(Entry::kMode10000);
    EXPECT_EQ(entry.Text(0, 3), "0");
    EXPECT_EQ(entry.Text(1, 3), "0");
    EXPECT_FALSE(entry.RowValid(3));
    EXPECT_TRUE(entry.RowValid(2));
    EXPECT_EQ(std::stoi(entry.Text(1, 2)) + std::stoi(entry.Text(0, 2)) +
                  std::stoi(entry.Text(2, 2)),
              10000);
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
