#include "CliHome.h"
#include "lottery/ResultRecord.h"
#include "lottery/clsToto.h"
#include "store/clsXmlVote.h"
#include "support/GeneratedRounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <sstream>

namespace {
constexpr std::int32_t kFirst = 301;
constexpr std::int32_t kLast = 314;

// The generated store, some rounds lacking one of their three files (or all) and one with a
// cancelled match.
std::vector<GeneratedRound> MakeRounds()
{
    std::vector<GeneratedRound> rounds = GenerateRounds(kFirst, kLast, 36);
    for (GeneratedRound& r : rounds) {
        const std::int32_t i = r.Kaisaikai - kFirst;
        r.Schedule = i != 2 && i != 11;
        r.Vote = i != 4 && i != 11;
        r.Result = i != 7 && i != 11;
    }
    rounds[5].Outcome[4] = ResultRecord::OutcomeCancelled;
    return rounds;
}

void Store(CliHome& h, const GeneratedRound& r)
{
    ASSERT_TRUE(StoreRound(h.host, h.dir.Str(), r));
}

// The conditions under test: 1st-grade estimate 20,000 to 300,000,000 yen, at most two draws,
// the favourite in 5 to 10 matches, and the ○ outcomes in at most 5 matches.
constexpr std::int64_t kMinPayout = 20'000;
constexpr std::int64_t kMaxPayout = 300'000'000;

ConditionSetRecord Conditions()
{
    ConditionSetRecord c;
    c.Haitou.Flag[0] = true;
    c.Haitou.Min[0] = Currency::FromInt(kMinPayout);
    c.Haitou.Max[0] = Currency::FromInt(kMaxPayout);
    for (std::int32_t t = 3; t <= 13; ++t) {
        c.Mark[0].SetMark(t, 0, kCountDelete);
    }
    for (std::int32_t t = 0; t <= 13; ++t) {
        if (t < 5 || t > 10) {
            c.Ninki[0].SetMark(t, 0, kCountDelete);
        }
        if (t > 5) {
            c.Honmei[0].SetMark(t, 1, kCountDelete);
        }
    }
    return c;
}

// A plain reading of the rules: a single is kept when its estimated 1st-grade payout (the
// pool of 50 yen x 0.7 over the product of its outcomes' vote percentages) lies in the range,
// it has at most two draws, 5 to 10 favourites and at most 5 outcomes marked ○ (in vote
// order the middle outcome; with every outcome ◎ there are none). It wins grade 14 - right.
std::string Expected(const std::vector<GeneratedRound>& rounds, bool blnAll)
{
    std::ostringstream out;
    std::int64_t rounds_ = 0;
    std::int64_t hits = 0;
    std::int64_t cost = 0;
    std::int64_t won = 0;
    for (const GeneratedRound& r : rounds) {
        if (!r.Schedule || !r.Vote || !r.Result) {
            continue;
        }
        std::array<std::array<double, 3>, 13> rate{};
        std::array<std::array<int, 3>, 13> rank{}; // 0 most votes
        for (std::size_t m = 0; m < 13; ++m) {
            const auto& n = r.Votes[m];
            const double total = static_cast<double>(n[0] + n[1] + n[2]);
            for (std::size_t k = 0; k < 3; ++k) {
                rate[m][k] = static_cast<double>(n[k]) / total * 100.0;
                for (std::size_t o = 0; o < 3; ++o) {
                    rank[m][k] += n[o] > n[k] ? 1 : 0;
                }
            }
        }
        // Every single as a walk over the 13 matches, carrying what the conditions count.
        std::int64_t kept = 0;
        std::int64_t roundWon = 0;
        bool hit = false;
        struct Walk
        {
            std::size_t Match;
            double Product;
            int Draws;
            int Favourites;
            int Seconds;
            int Right;
        };
        const auto visit = [&](const auto& self, const Walk& w) -> void {
            if (w.Match == 13) {
                const double payout =
                    std::min(std::floor(50.0 * 0.7 * 1e26 / w.Product), 99'999'999'999.0);
                if (payout < static_cast<double>(kMinPayout) ||
                    payout > static_cast<double>(kMaxPayout) || w.Draws > 2 || w.Favourites < 5 ||
                    w.Favourites > 10 || w.Seconds > 5) {
                    return;
                }
                ++kept;
                const int grade = 14 - w.Right;
                if (grade <= 3) {
                    roundWon += r.Prize[static_cast<std::size_t>(grade)];
                    hit = hit || grade == 1;
                }
                return;
            }
            const std::size_t m = w.Match;
            for (std::size_t c = 0; c < 3; ++c) {
                self(self, Walk{m + 1, w.Product * rate[m][c], w.Draws + (c == 0 ? 1 : 0),
                                w.Favourites + (rank[m][c] == 0 ? 1 : 0),
                                w.Seconds + (!blnAll && rank[m][c] == 1 ? 1 : 0),
                                w.Right + (r.Outcome[m] == ResultRecord::OutcomeCancelled ||
                                                   r.Outcome[m] == c
                                               ? 1
                                               : 0)});
            }
        };
        visit(visit, Walk{0, 1.0, 0, 0, 0, 0});
        out << r.Kaisaikai << '\t' << kept << '\t' << (hit ? 1 : 0) << '\t' << kept * 100 << '\t'
            << roundWon << '\n';
        ++rounds_;
        hits += hit ? 1 : 0;
        cost += kept * 100;
        won += roundWon;
    }
    out << "合計\t" << rounds_ << '\t' << hits << '\t' << cost << '\t' << won << '\n';
    return out.str();
}
} // namespace

TEST(cmdBacktest, EqualsAPlainFilterAndGraderOverAGeneratedStore)
{
    CliHome h;
    const std::vector<GeneratedRound> rounds = MakeRounds();
    for (const GeneratedRound& r : rounds) {
        Store(h, r);
    }
    DataFileRecord rec;
    rec.Jouken = Conditions();
    // The file's own marks, round and vote status play no part: its votes, the first round's
    // turned around, would change every payout and popularity order.
    rec.Kaisaikai = 9001;
    for (auto& row : rec.Multi) {
        row.fill(0);
    }
    clsXmlVote own(h.host, h.dir.Str());
    ASSERT_TRUE(own.XmlLoad(own.GetFileName(kFirst, "")));
    rec.Vote = own.GetRecord();
    rec.Vote.Kaisaikai = 9001;
    for (auto& m : rec.Vote.Match) {
        std::swap(m.Votes[0], m.Votes[2]);
        std::swap(m.Rate[0], m.Rate[2]);
    }
    const std::string drd = h.SaveDrd(rec);
    for (const bool all : {false, true}) {
        SCOPED_TRACE(all ? "all" : "vote");
        const std::string expected = Expected(rounds, all);
        std::vector<std::string> words{"backtest", drd,
                                       "--from",   std::to_string(kFirst - 1),
                                       "--to",     std::to_string(kLast + 1)};
        if (all) {
            words.insert(words.end(), {"--marks", "all"});
        }
        std::string out;
        std::string err;
        EXPECT_EQ(h.Run(words, out, err), 0) << err;
        EXPECT_EQ(out, expected);
        // The generated store must make the comparison worth something: winners and misses,
        // rounds kept small and large.
        EXPECT_NE(expected.find("\t1\t"), std::string::npos) << expected;
        EXPECT_NE(expected.find("\t0\t"), std::string::npos) << expected;
    }
}

TEST(cmdBacktest, RangeAndMarksAreCheckedAndBrokenFilesAreTold)
{
    CliHome h;
    const std::string drd = h.SaveDrd(DataFileRecord{});
    std::string out;
    std::string err;
    for (const std::vector<std::string>& words : std::vector<std::vector<std::string>>{
             {"backtest", drd},
             {"backtest", drd, "--from", "5"},
             {"backtest", drd, "--from", "5", "--to", "4"},
             {"backtest", drd, "--from", "0", "--to", "4"},
             {"backtest", drd, "--from", "x", "--to", "4"},
             {"backtest", drd, "--from", "1", "--to", "4", "--marks", "some"}}) {
        EXPECT_EQ(h.Run(words, out, err), 2) << words.size();
        EXPECT_TRUE(out.empty()) << out;
        EXPECT_FALSE(err.empty());
    }
    // A store without the range's rounds tests nothing and says so in its total.
    ASSERT_EQ(h.Run({"backtest", drd, "--from", "1", "--to", "3"}, out, err), 0) << err;
    EXPECT_EQ(out, "合計\t0\t0\t0\t0\n");
    // A damaged result file is no round lacking a record: the run tells it and fails.
    GeneratedRound r = MakeRounds()[1];
    r.Kaisaikai = 2;
    Store(h, r);
    h.dir.Write("SysData/toto_Result/toto_result_002.xml", "<toto><開催回>2");
    EXPECT_EQ(h.Run({"backtest", drd, "--from", "1", "--to", "3"}, out, err), 1);
    EXPECT_EQ(out, "合計\t0\t0\t0\t0\n");
    EXPECT_NE(err.find("第2回"), std::string::npos) << err;
    // A data file that does not read is refused before anything runs.
    h.dir.Write("bad.drd", "not a data file");
    EXPECT_EQ(h.Run({"backtest", (h.dir.Path() / "bad.drd").string(), "--from", "1", "--to", "3"},
                    out, err),
              1);
    EXPECT_TRUE(out.empty()) << out;
}
