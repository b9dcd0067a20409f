#include "CliHome.h"
#include "lottery/clsTNumber.h"
#include "store/clsXmlResult.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {
using Outcomes = std::array<std::int32_t, 13>;

// A round as the test means it, graded below by hand without the program's grader.
struct Round
{
    std::int32_t Kaisaikai = 0;
    bool Stored = true;
    Outcomes Result{};
    std::vector<std::size_t> Cancelled;
    std::array<std::int64_t, 4> Prize{};
    std::array<std::int64_t, 4> Winners{};
    std::array<std::int64_t, 4> CarryOver{};
    std::vector<Outcomes> Tickets;
};

struct Home : CliHome
{
    void Store(const Round& r)
    {
        ResultRecord rec;
        rec.Kaisaikai = r.Kaisaikai;
        for (std::size_t m = 0; m < 13; ++m) {
            rec.Match[m].Outcome = static_cast<std::uint8_t>(r.Result[m]);
            rec.Match[m].Home = "ホーム";
            rec.Match[m].Away = "アウェイ";
            rec.Match[m].Stadium = "競技場";
            rec.Match[m].GameDate = DateTime::FromYmd(2026, 5, 2);
        }
        for (const std::size_t m : r.Cancelled) {
            rec.Match[m].Outcome = ResultRecord::OutcomeCancelled;
        }
        for (std::size_t g = 1; g <= 3; ++g) {
            rec.Prize[g] = Currency::FromInt(r.Prize[g]);
            rec.Winners[g] = Currency::FromInt(r.Winners[g]);
            rec.CarryOver[g] = Currency::FromInt(r.CarryOver[g]);
        }
        rec.SaleStart = rec.SaleEnd = rec.ResultDate = rec.RefundStart = rec.RefundDeadline =
            DateTime::FromYmd(2026, 5, 1);
        clsXmlResult xml(host, dir.Str());
        xml.SetRecord(rec);
        ASSERT_TRUE(xml.XmlSave(xml.GetFileName(r.Kaisaikai, "")));
    }

    std::string Save(const Round& r, const std::string& strName)
    {
        DataFileRecord rec;
        rec.Kaisaikai = r.Kaisaikai;
        for (const Outcomes& t : r.Tickets) {
            rec.Singles.push_back(clsTNumber::LongToNo(t));
        }
        rec.SingleCount = static_cast<std::int32_t>(rec.Singles.size());
        clsTFileDRD file(host.Host(), "1.00", "");
        const std::string path = (dir.Path() / strName).string();
        EXPECT_TRUE(file.Save(path, true, rec, false));
        return path;
    }
};

// The reference: mistakes counted against the result (a cancelled match is right for every
// ticket), the grade looked up in the prize table, grades 1-2 only in rounds 198 to 260.
std::int64_t ReferenceWon(const Round& r)
{
    const std::int32_t paid = r.Kaisaikai >= 198 && r.Kaisaikai <= 260 ? 2 : 3;
    std::int64_t won = 0;
    for (const Outcomes& t : r.Tickets) {
        std::int32_t mistakes = 0;
        for (std::size_t m = 0; m < 13; ++m) {
            const bool cancelled =
                std::find(r.Cancelled.begin(), r.Cancelled.end(), m) != r.Cancelled.end();
            mistakes += !cancelled && t[m] != r.Result[m] ? 1 : 0;
        }
        const std::int32_t grade = mistakes + 1;
        if (grade <= paid) {
            won += r.Prize[static_cast<std::size_t>(grade)];
        }
    }
    return won;
}

// Tickets near the result, so that every grade gets some.
std::vector<Outcomes> NearTickets(std::mt19937& rng, const Outcomes& result, std::size_t n)
{
    std::vector<Outcomes> out;
    for (std::size_t i = 0; i < n; ++i) {
        Outcomes t = result;
        const int flips = static_cast<int>(rng() % 7);
        for (int f = 0; f < flips; ++f) {
            const std::size_t m = rng() % 13;
            t[m] = static_cast<std::int32_t>((t[m] + 1 + rng() % 2) % 3);
        }
        out.push_back(t);
    }
    return out;
}

Round MakeRound(std::mt19937& rng, std::int32_t lngKaisaikai, std::size_t n)
{
    Round r;
    r.Kaisaikai = lngKaisaikai;
    for (auto& o : r.Result) {
        o = static_cast<std::int32_t>(rng() % 3);
    }
    r.Prize = {0, 1'234'567, 45'678, 3'210};
    r.Winners = {0, 2, 31, 420};
    r.Tickets = NearTickets(rng, r.Result, n);
    return r;
}
} // namespace

TEST(cmdLedger, FiguresEqualAnIndependentGradingAcrossRounds)
{
    for (const std::uint32_t seed : {1u, 2u, 3u}) {
        std::mt19937 rng(seed);
        Home h;
        std::vector<Round> rounds;
        // Three grades, nobody won the first: its pool is carried over and pays nothing.
        rounds.push_back(MakeRound(rng, 9001, 40));
        rounds.back().Prize[1] = 0;
        rounds.back().Winners[1] = 0;
        rounds.back().CarryOver = {0, 98'765'432, 0, 0};
        // Two grades: a third-grade ticket wins nothing, whatever the table holds.
        rounds.push_back(MakeRound(rng, 230, 35));
        rounds.back().Cancelled = {4};
        // Three grades with two cancelled matches.
        rounds.push_back(MakeRound(rng, 9002, 30));
        rounds.back().Cancelled = {0, 12};
        // Bought, not played yet.
        rounds.push_back(MakeRound(rng, 9003, 7));
        rounds.back().Stored = false;

        std::vector<std::string> args = {"ledger"};
        std::string expect;
        std::int64_t tickets = 0;
        std::int64_t cost = 0;
        std::int64_t won = 0;
        std::int64_t gradedCost = 0;
        for (std::size_t i = 0; i < rounds.size(); ++i) {
            const Round& r = rounds[i];
            if (r.Stored) {
                h.Store(r);
            }
            args.push_back(h.Save(r, "r" + std::to_string(i) + ".drd"));
            const std::int64_t c = 100 * static_cast<std::int64_t>(r.Tickets.size());
            tickets += static_cast<std::int64_t>(r.Tickets.size());
            cost += c;
            std::string line = std::to_string(r.Kaisaikai) + "\t" +
                               std::to_string(r.Tickets.size()) + "\t" + std::to_string(c);
            if (r.Stored) {
                const std::int64_t w = ReferenceWon(r);
                won += w;
                gradedCost += c;
                line += "\t" + std::to_string(w) + "\t" + std::to_string(w - c);
            } else {
                line += "\t-\t-";
            }
            expect += line + "\n";
        }
        const std::int64_t permille = (won * 1000 * 2 + gradedCost) / (2 * gradedCost);
        expect += "合計\t" + std::to_string(tickets) + "\t" + std::to_string(cost) + "\t" +
                  std::to_string(won) + "\t" + std::to_string(won - gradedCost) + "\t" +
                  std::to_string(permille / 10) + "." + std::to_string(permille % 10) + "%\n";

        std::string out;
        std::string err;
        ASSERT_EQ(h.Run(args, out, err), 0) << err;
        EXPECT_EQ(out, expect) << "seed " << seed;
        // Not a degenerate draw: something won and something lost.
        EXPECT_GT(won, 0) << "seed " << seed;
    }
}

TEST(cmdLedger, RateRoundsHalfUpAndIsADashWithNothingGraded)
{
    Home h;
    Round r;
    r.Kaisaikai = 9005;
    r.Result.fill(1);
    r.Prize = {0, 0, 0, 1751};
    r.Winners = {0, 0, 0, 9};
    // One third-grade ticket among 20: 1,751 / 2,000 = 87.55 %, shown 87.6 %.
    r.Tickets.assign(19, Outcomes{});
    Outcomes third;
    third.fill(1);
    third[0] = third[1] = 0;
    r.Tickets.push_back(third);
    h.Store(r);
    const std::string drd = h.Save(r, "a.drd");
    std::string out;
    std::string err;
    ASSERT_EQ(h.Run({"ledger", drd}, out, err), 0) << err;
    EXPECT_EQ(out, "9005\t20\t2000\t1751\t-249\n合計\t20\t2000\t1751\t-249\t87.6%\n");

    Round later = r;
    later.Kaisaikai = 9006;
    const std::string open = h.Save(later, "b.drd");
    ASSERT_EQ(h.Run({"ledger", open}, out, err), 0) << err;
    EXPECT_EQ(out, "9006\t20\t2000\t-\t-\n合計\t20\t2000\t0\t0\t-\n");
}

TEST(cmdLedger, OneUnreadableFileFailsTheWholeCallNamingIt)
{
    Home h;
    Round r;
    r.Kaisaikai = 9007;
    r.Tickets.assign(3, Outcomes{});
    const std::string good = h.Save(r, "good.drd");
    const std::string missing = (h.dir.Path() / "missing.drd").string();
    h.dir.Write("foreign.drd", "not a data file\r\n");
    const std::string foreign = (h.dir.Path() / "foreign.drd").string();
    for (const std::string& bad : {missing, foreign}) {
        std::string out;
        std::string err;
        EXPECT_EQ(h.Run({"ledger", good, bad, good}, out, err), 1) << bad;
        EXPECT_TRUE(out.empty()) << out;
        EXPECT_NE(err.find(bad + ": "), std::string::npos) << err;
    }

    // A damaged result in the store is no round without a result: the call fails naming it.
    r.Result.fill(1);
    h.Store(r);
    clsXmlResult xml(h.host, h.dir.Str());
    const std::string stored = xml.GetFileName(9007, "");
    h.dir.Write(stored.substr(h.dir.Str().size() + 1), "<結果><開催回>9007</開催回>");
    std::string out;
    std::string err;
    EXPECT_EQ(h.Run({"ledger", good}, out, err), 1);
    EXPECT_TRUE(out.empty()) << out;
    EXPECT_NE(err.find(stored), std::string::npos) << err;
    EXPECT_EQ(h.Run({"ledger"}, out, err), 2);
}
