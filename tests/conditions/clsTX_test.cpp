#include "conditions/clsTLiveCount.h"
#include "conditions/clsTX.h"
#include "lottery/clsTMoney.h"
#include "lottery/clsTNumber.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <regex>
#include <sstream>

namespace {
using Marks = clsTX::MarkArray;

// Matches 1..lngWide carry all three outcomes (home ◎, draw ○, away ▲); the others only the
// home win with ◎.
Marks WideMarks(int lngWide)
{
    Marks m{};
    for (int i = 0; i < 13; ++i) {
        m[1][static_cast<std::size_t>(i)] = 1;
        if (i < lngWide) {
            m[0][static_cast<std::size_t>(i)] = 2;
            m[2][static_cast<std::size_t>(i)] = 3;
        }
    }
    return m;
}

// Home 50, draw 30, away 20 in every match, so popularity ranks home 0, draw 1, away 2;
// match 2 has draw 60, home 30, away 10, so its second favourite is the home win.
VoteRecord SampleVote()
{
    VoteRecord v;
    v.Kaisaikai = 300;
    for (std::size_t m = 0; m < 13; ++m) {
        v.Match[m].Votes = {Currency::FromInt(30), Currency::FromInt(50), Currency::FromInt(20)};
    }
    v.Match[1].Votes = {Currency::FromInt(60), Currency::FromInt(30), Currency::FromInt(10)};
    return v;
}

// The expansion in ascending order, straight from the definition of a ticket number.
std::vector<std::int32_t> Expand(const Marks& marks)
{
    std::vector<std::int32_t> out;
    for (std::int32_t n = 0; n < clsTNumber::SingleCount; ++n) {
        std::int32_t r = n;
        bool ok = true;
        for (std::size_t m = 0; m < 13 && ok; ++m) {
            ok = marks[static_cast<std::size_t>(r % 3)][m] != 0;
            r /= 3;
        }
        if (ok) {
            out.push_back(n);
        }
    }
    return out;
}

clsTNumber::ByteKousei Digits(std::int32_t n)
{
    clsTNumber::ByteKousei k{};
    clsTNumber::NoToByte(n, k);
    return k;
}

std::string Mask(const std::string& s)
{
    return std::regex_replace(s, std::regex("(^|\r\n)[0-9]{4,} "), "$1TTTT ");
}

std::string Step(const std::string& strLabel, std::int32_t lngPre, std::int32_t lngAfter)
{
    return "TTTT " + clsTMsg::StepLabel(strLabel) + ":" +
           clsTMsg::RightAlign(std::to_string(lngPre), 7) + " → " +
           clsTMsg::RightAlign(std::to_string(lngAfter), 7) + " (" +
           clsTMsg::PercentText(lngAfter, lngPre) + "%)\r\n";
}

const std::string kSep = std::string(55, '-') + "\r\n";

struct RunFixture : ::testing::Test
{
    RunFixture()
    {
        tx.Initialize(log, "1.00");
        tx.SetVoteRecord(SampleVote());
        money.SetVote(SampleVote());
    }

    std::vector<std::int32_t> Run(const ConditionSetRecord& rec, const Marks& marks)
    {
        std::int32_t n = -1;
        std::vector<std::int32_t> v{-1};
        tx.RunExtraction(rec, marks, n, v);
        EXPECT_EQ(static_cast<std::size_t>(n), v.size());
        EXPECT_FALSE(tx.Run());
        return v;
    }

    Currency Money1(std::int32_t n)
    {
        clsTNumber::LongKousei k{};
        clsTNumber::NoToLong(n, k);
        return money.GetMoney1(k);
    }

    RecordingHost host;
    clsTMsgLog log;
    clsTX tx{host, host};
    clsTMoney money{host};
};

// The rows every run test uses, with what they delete stated independently below.
ConditionSetRecord SampleConditions(Currency curMin)
{
    ConditionSetRecord rec;
    rec.Haitou.Flag[0] = true;
    rec.Haitou.Min[0] = curMin;
    // 本命◎ counted 10 times means no home win among the three open matches: ×.
    rec.Honmei[0].SetMark(10, 0, kCountDelete);
    // 2番人気 (the draw, but the home win in match 2) three or more times: △.
    rec.Ninki[0].MarkRange(3, 1, false, kCountTolerate);
    // Tab A: away wins among matches 1..3 only; two or more: ×.
    auto& a = rec.Mark[3];
    a.MatchFlags.fill(false);
    a.MatchFlags[0] = a.MatchFlags[1] = a.MatchFlags[2] = true;
    a.ResultFlags = {false, false, true};
    a.MarkRange(2, 2, false, kCountDelete);
    // Applied, but only blank cells: never a pass.
    rec.Mark[4].Applied = true;
    return rec;
}

struct Verdict
{
    bool Money;
    bool Honmei;
    bool Ninki;
    bool Shouhai;
};

Verdict Judge(std::int32_t n, Currency curMoney, Currency curMin)
{
    const auto k = Digits(n);
    int home = 0;
    int away = 0;
    int second = 0;
    for (std::size_t m = 0; m < 3; ++m) {
        home += k[m] == 1;
        away += k[m] == 2;
    }
    for (std::size_t m = 0; m < 13; ++m) {
        second += k[m] == (m == 1 ? 1 : 0);
    }
    return Verdict{curMoney >= curMin, home > 0, second < 3, away < 2};
}
} // namespace

TEST_F(RunFixture, WholeLogOfARunWithEveryKindOfPass)
{
    const Marks marks = WideMarks(3);
    const auto all = Expand(marks);
    ASSERT_EQ(all.size(), 27u);
    // The minimum is the median estimate, so the payout pass drops about half.
    std::vector<Currency> pays;
    for (auto n : all) {
        pays.push_back(Money1(n));
    }
    auto sorted = pays;
    std::sort(sorted.begin(), sorted.end());
    const Currency curMin = sorted[13];
    const ConditionSetRecord rec = SampleConditions(curMin);

    std::vector<std::int32_t> l1, l2, l3, l4;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Verdict v = Judge(all[i], pays[i], curMin);
        if (!v.Money)
            continue;
        l1.push_back(all[i]);
        if (!v.Honmei)
            continue;
        l2.push_back(all[i]);
        if (!v.Ninki)
            continue;
        l3.push_back(all[i]);
        if (!v.Shouhai)
            continue;
        l4.push_back(all[i]);
    }
    ASSERT_FALSE(l4.empty());
    ASSERT_LT(l4.size(), l3.size()) << "the sample must make every pass delete something";
    ASSERT_LT(l3.size(), l2.size());
    ASSERT_LT(l2.size(), l1.size());

    host.AdvanceMs(3600 * 1000);
    host.TickPerDoEvents = 700;
    EXPECT_EQ(Run(rec, marks), l4);

    const auto N = [](const std::vector<std::int32_t>& v) {
        return static_cast<std::int32_t>(v.size());
    };
    const std::string expected =
        "Kelvra  Version 1.00\r\n" + kSep + "マルチ総数：27\r\n" + kSep +
        Step("１等当せん金", 27, N(l1)) + Step("本命/全て/本命◎", N(l1), N(l2)) +
        Step("人気/全て/2番人気", N(l2), N(l3)) + Step("勝敗/A/アウェイ", N(l3), N(l4));
    EXPECT_EQ(Mask(log.Text()), expected);

    // Correction: the same rows, now counting errors; only one error allowed.
    ConditionSetRecord corr = rec;
    corr.MachigaiType = 1;
    corr.MachigaiList = {};
    corr.MachigaiList[1] = true;
    std::array<std::int64_t, 12> hist{};
    std::vector<std::int32_t> keep;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Verdict v = Judge(all[i], pays[i], curMin);
        const int errors = !v.Money + !v.Honmei + !v.Ninki + !v.Shouhai;
        ++hist[static_cast<std::size_t>(errors)];
        if (errors == 1) {
            keep.push_back(all[i]);
        }
    }
    ASSERT_FALSE(keep.empty());
    EXPECT_EQ(Run(corr, marks), keep);
    std::string histText;
    for (int b = 0; b <= 11; ++b) {
        histText +=
            "TTTT 条件間違い分布 " +
            (b <= 10 ? clsTMsg::RightAlign(std::to_string(b), 2) : std::string("→")) + " : " +
            clsTMsg::RightAlign(std::to_string(hist[static_cast<std::size_t>(b)]), 10) + "\r\n";
    }
    const std::string expectedCorr =
        "Kelvra  Version 1.00\r\n" + kSep + "マルチ総数：27\r\n" + kSep +
        Step("１等当せん金", 27, 27) + Step("本命/全て/本命◎", 27, 27) +
        Step("人気/全て/2番人気", 27, 27) + Step("勝敗/A/アウェイ", 27, 27) + kSep + histText +
        kSep + Step("条件間違い補正", 27, N(keep));
    EXPECT_EQ(Mask(log.Text()), expectedCorr);
}

TEST_F(RunFixture, CorrectionModeTwoDropsPayoutErrorsAndKeepsOnlyToleratedOnes)
{
    const Marks marks = WideMarks(3);
    const auto all = Expand(marks);
    std::vector<Currency> pays;
    for (auto n : all) {
        pays.push_back(Money1(n));
    }
    auto sorted = pays;
    std::sort(sorted.begin(), sorted.end());
    const Currency curMin = sorted[5];
    ConditionSetRecord rec = SampleConditions(curMin);
    rec.MachigaiType = 2;
    rec.MachigaiList.fill(true);
    std::vector<std::int32_t> keep;
    bool sawPayoutError = false;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Verdict v = Judge(all[i], pays[i], curMin);
        sawPayoutError |= !v.Money;
        // Only the 人気 row is a △ row: any other error drops the single.
        if (v.Money && v.Honmei && v.Shouhai) {
            keep.push_back(all[i]);
        }
    }
    ASSERT_TRUE(sawPayoutError);
    EXPECT_EQ(Run(rec, marks), keep);
}

TEST_F(RunFixture, CorrectionModeOneKeepsExactlyTheAllowedClasses)
{
    const Marks marks = WideMarks(4);
    ConditionSetRecord rec;
    rec.MachigaiType = 1;
    rec.MachigaiList = {};
    rec.MachigaiList[1] = true;
    // Six × rows, each deleting one count of draws among all 13 matches.
    for (int t = 0; t < 3; ++t) {
        rec.Mark[0].SetMark(t, 0, kCountDelete);
        rec.Mark[0].SetMark(t + 1, 0, kCountDelete);
    }
    rec.Mark[0].SetMark(0, 1, kCountDelete);
    std::vector<std::int32_t> keep;
    for (auto n : Expand(marks)) {
        const auto k = Digits(n);
        int draws = 0;
        int homes = 0;
        for (auto d : k) {
            draws += d == 0;
            homes += d == 1;
        }
        const int errors = (draws <= 3) + (homes == 0);
        if (errors == 1) {
            keep.push_back(n);
        }
    }
    EXPECT_EQ(Run(rec, marks), keep);
    EXPECT_NE(log.Text().find("条件間違い分布  0 :"), std::string::npos);
}

TEST_F(RunFixture, AListEmptiedBySecondConditionEndsThePasses)
{
    ConditionSetRecord rec;
    rec.Honmei[0].SetMark(12, 0, kCountDelete);         // two home wins among the open matches
    rec.Honmei[3].MarkRange(0, 0, false, kCountDelete); // every single
    rec.Ninki[0].SetMark(0, 0, kCountDelete);
    rec.Mark[0].SetMark(0, 0, kCountDelete);
    EXPECT_TRUE(Run(rec, WideMarks(3)).empty());
    const std::string text = log.Text();
    EXPECT_NE(text.find("本命/全て/本命◎"), std::string::npos);
    EXPECT_NE(text.find("本命/A/本命◎"), std::string::npos);
    EXPECT_EQ(text.find("人気"), std::string::npos);
    EXPECT_EQ(text.find("勝敗"), std::string::npos);
    EXPECT_EQ(text.find("キャンセル"), std::string::npos);
}

TEST_F(RunFixture, NoConditionsGiveTheWholeExpansionAndAShortLog)
{
    const Marks marks = WideMarks(5);
    EXPECT_EQ(Run(ConditionSetRecord(), marks), Expand(marks));
    EXPECT_EQ(log.Text(), "Kelvra  Version 1.00\r\n" + kSep + "マルチ総数：243\r\n");
    // A ticked grade whose box is disabled is not applied.
    ConditionSetRecord rec;
    rec.Haitou.Enabled[1] = false;
    rec.Haitou.Flag[1] = true;
    rec.Haitou.Min[1] = Currency::FromInt(99'999'999'999);
    EXPECT_EQ(Run(rec, marks).size(), 243u);
}

TEST_F(RunFixture, UnmarkedMatchGivesAnEmptyMultiWithoutPasses)
{
    Marks marks = WideMarks(3);
    marks[1][7] = 0;
    ConditionSetRecord rec;
    rec.Haitou.Flag[0] = true;
    EXPECT_TRUE(Run(rec, marks).empty());
    EXPECT_EQ(log.Text(), "Kelvra  Version 1.00\r\n" + kSep + "マルチ総数：0\r\n");
}

TEST_F(RunFixture, PayoutLimitsIncludeBothEndsAndTheNoLimitValue)
{
    // Away wins get 1 vote in 100,000: singles with many of them are capped at 99,999,999,999.
    VoteRecord v = SampleVote();
    for (auto& m : v.Match) {
        m.Votes = {Currency::FromInt(50'000), Currency::FromInt(49'999), Currency::FromInt(1)};
    }
    tx.SetVoteRecord(v);
    money.SetVote(v);
    const Marks marks = WideMarks(6);
    const auto all = Expand(marks);
    std::size_t above = 0;
    for (auto n : all) {
        above += Money1(n) > Currency::FromInt(9'999'999'999);
    }
    ASSERT_GT(above, 0u);
    ASSERT_LT(above, all.size());
    ConditionSetRecord rec;
    rec.Haitou.Flag[0] = true;
    EXPECT_EQ(Run(rec, marks).size(), all.size());
    rec.Haitou.Max[0] = Currency::FromInt(9'999'999'998);
    EXPECT_EQ(Run(rec, marks).size(), all.size() - above);

    // Both ends are inclusive.
    const Currency one = Money1(all[7]);
    rec.Haitou.Min[0] = one;
    rec.Haitou.Max[0] = one;
    const auto kept = Run(rec, marks);
    ASSERT_FALSE(kept.empty());
    for (auto n : kept) {
        EXPECT_EQ(Money1(n), one);
    }
    // A negative minimum leaves the list as it is.
    rec.Haitou.Min[0] = Currency::FromInt(-1);
    rec.Haitou.Max[0] = Currency::FromInt(0);
    EXPECT_EQ(Run(rec, marks).size(), all.size());
}

TEST_F(RunFixture, CancelDuringTheFirstPassEndsWithAnEmptyResult)
{
    const Marks marks = WideMarks(10); // 59,049 singles: a step of 591
    ConditionSetRecord rec;
    rec.Haitou.Flag[0] = true;
    rec.Honmei[0].SetMark(0, 0, kCountDelete);
    // Events are passed once after the multi's expansion, then at each step of the pass.
    host.OnDoEvents = [&](std::int64_t n) {
        if (n == 2) {
            tx.Cancel();
        }
    };
    EXPECT_TRUE(Run(rec, marks).empty());
    EXPECT_EQ(host.DoEventsCount, 2) << "the pass stops at its next step";
    ASSERT_GE(log.Lines().size(), 2u);
    const std::string& last = log.Lines()[log.Lines().size() - 2];
    EXPECT_NE(last.find("１等当せん金"), std::string::npos);
    EXPECT_EQ(last.substr(last.size() - std::string("  59049 → 実行がキャンセルされました").size()),
              "  59049 → 実行がキャンセルされました");
    EXPECT_EQ(log.Text().find("本命/"), std::string::npos);

    // The next run starts uncancelled.
    host.OnDoEvents = nullptr;
    EXPECT_FALSE(Run(rec, marks).empty());
}

TEST_F(RunFixture, ProgressComesInAboutAHundredSteps)
{
    const Marks marks = WideMarks(10);
    ConditionSetRecord rec;
    rec.Honmei[0].SetMark(0, 0, kCountDelete);
    std::vector<std::int32_t> values;
    struct BarSpy : clsIMsgSink
    {
        void LogCleared() override {}
        void LogLine(std::int32_t, std::string_view) override {}
        void BarChanged(std::int32_t v, std::int32_t) override { Values->push_back(v); }
        std::vector<std::int32_t>* Values;
    } spy;
    spy.Values = &values;
    log.SetSink(&spy);
    Run(rec, marks);
    log.SetSink(nullptr);
    // 59,049 singles in full steps of 591, after one pass of events once the multi stands.
    EXPECT_EQ(host.DoEventsCount, 1 + 99);
    ASSERT_FALSE(values.empty());
    EXPECT_EQ(values.back(), 0);
    EXPECT_EQ(*std::max_element(values.begin(), values.end()), 99);
}

TEST_F(RunFixture, EndMsgAndBreakdown)
{
    clsTMsg& msg = tx.Msg();
    msg.Cls();
    tx.EndMsg(0);
    tx.EndMsg(1234567);
    EXPECT_EQ(Mask(log.Text()), kSep + "TTTT 該当するパターンは存在しません" + kSep +
                                    "TTTT 該当するパターンは 1,234,567 存在します");
    tx.UpdateMeisai(WideMarks(2), 0, {1, 1, 1, 1, 1, 1});
    EXPECT_EQ(tx.Meisai().SingleCount(), 0);
    tx.UpdateMeisai(WideMarks(2), 9, {4, 1, 2, 3, 4, 4});
    EXPECT_EQ(tx.Meisai().ValueText(4), " 2");
    EXPECT_EQ(tx.Meisai().ValueText(12), "  75.00%");
}

TEST(Worker, CountDistributionCoversTheExpansion)
{
    RecordingHost host;
    clsTX1 worker(host);
    worker.SetValue(WideMarks(4));
    auto e = ConditionTableEntry::Cleared(JoukenKind::Mark, 0);
    std::array<std::int32_t, 14> hist{};
    worker.CountDistribution(JoukenKind::Mark, hist, 0, e); // draws among 13 matches
    // Draws can only come from the four open matches: C(4, t) * 2^(4 - t).
    const std::array<std::int32_t, 5> expected{16, 32, 24, 8, 1};
    for (std::size_t t = 0; t < 14; ++t) {
        EXPECT_EQ(hist[t], t < 5 ? expected[t] : 0) << t;
    }
}

TEST(Worker, ManyErrorsDoNotWrapAround)
{
    RecordingHost host;
    clsTX1 worker(host);
    worker.SetValue(WideMarks(0));
    std::int32_t n = 1;
    std::vector<std::int32_t> list{clsTNumber::P[13] / 2}; // all home wins
    std::vector<clsTX1::MachigaiCounter> errors{0};
    std::vector<clsTX1::MachigaiCounter> tolerated{0};
    auto e = ConditionTableEntry::Cleared(JoukenKind::Mark, 0);
    e.SetMark(13, 1, kCountTolerate);
    for (int i = 0; i < 300; ++i) {
        worker.JoukenSakugen(JoukenKind::Mark, n, list, 1, e, true, errors, tolerated);
    }
    EXPECT_EQ(n, 1);
    EXPECT_EQ(errors[0], 300u);
    EXPECT_EQ(tolerated[0], 300u);
}

TEST_F(RunFixture, ThreePayoutPassesAgreeWithTheEstimatorSingleBySingle)
{
    const Marks marks = WideMarks(6);
    const auto all = Expand(marks);
    std::array<std::vector<Currency>, 3> pays;
    for (auto n : all) {
        clsTNumber::LongKousei k{};
        clsTNumber::NoToLong(n, k);
        pays[0].push_back(money.GetMoney1(k));
        pays[1].push_back(money.GetMoney2(k));
        pays[2].push_back(money.GetMoney3(k));
    }
    ConditionSetRecord rec;
    for (std::size_t g = 0; g < 3; ++g) {
        auto sorted = pays[g];
        std::sort(sorted.begin(), sorted.end());
        rec.Haitou.Flag[g] = true;
        rec.Haitou.Min[g] = sorted[sorted.size() / 5];
        rec.Haitou.Max[g] = sorted[sorted.size() * 9 / 10];
    }
    std::vector<std::int32_t> keep;
    for (std::size_t i = 0; i < all.size(); ++i) {
        bool ok = true;
        for (std::size_t g = 0; g < 3; ++g) {
            ok = ok && rec.Haitou.Min[g] <= pays[g][i] && pays[g][i] <= rec.Haitou.Max[g];
        }
        if (ok) {
            keep.push_back(all[i]);
        }
    }
    ASSERT_FALSE(keep.empty());
    EXPECT_EQ(Run(rec, marks), keep);
}

TEST(Worker, PayoutPassesNeverReuseStaleEstimates)
{
    RecordingHost host;
    clsTX1 worker(host);
    worker.SetValue(WideMarks(5));
    worker.SetVoteRecord(SampleVote());
    clsTMoney money(host);
    money.SetVote(SampleVote());
    std::int32_t n = 0;
    std::vector<std::int32_t> list;
    worker.GetMulti(n, list);
    const auto all = list;
    std::vector<clsTX1::MachigaiCounter> none;
    auto pay1 = [&](std::int32_t no) {
        clsTNumber::LongKousei k{};
        clsTNumber::NoToLong(no, k);
        return money.GetMoney1(k);
    };
    std::vector<Currency> p;
    for (auto no : all) {
        p.push_back(pay1(no));
    }
    std::sort(p.begin(), p.end());
    // The same grade twice: the second pass must see its own singles' estimates.
    worker.MoneySakugen(n, list, 0, p[p.size() / 4], kHaitouNoLimit, false, none);
    worker.MoneySakugen(n, list, 0, Currency(), p[p.size() / 2], false, none);
    ASSERT_FALSE(list.empty());
    for (auto no : list) {
        EXPECT_GE(pay1(no), p[p.size() / 4]);
        EXPECT_LE(pay1(no), p[p.size() / 2]);
    }
    // A new vote status changes every estimate.
    VoteRecord other = SampleVote();
    for (auto& m : other.Match) {
        m.Votes = {Currency::FromInt(10), Currency::FromInt(10), Currency::FromInt(80)};
    }
    worker.SetVoteRecord(other);
    money.SetVote(other);
    list = all;
    n = static_cast<std::int32_t>(list.size());
    const Currency lim = pay1(all[0]);
    worker.MoneySakugen(n, list, 0, lim, lim, false, none);
    for (auto no : list) {
        EXPECT_EQ(pay1(no), lim);
    }
}

// The limits on expected value and 1st-grade chance, against the definitions: P(s) as the
// product of the own probabilities, EV(t) summed over the results t wins a grade on, payouts
// from the estimator one result at a time.
namespace {

ProbabilityRecord OwnProbabilities(std::mt19937& gen)
{
    ProbabilityRecord p;
    std::uniform_int_distribution<std::int32_t> cut(0, 10000);
    for (std::size_t m = 0; m < 13; ++m) {
        std::int32_t a = cut(gen);
        std::int32_t b = cut(gen);
        if (a > b) {
            std::swap(a, b);
        }
        if (m == 2) {
            a = 0; // the draw of match 3 cannot happen
        }
        p.Value[0][m] = a;
        p.Value[1][m] = b - a;
        p.Value[2][m] = 10000 - b;
    }
    return p;
}

struct ValueOracle
{
    const ProbabilityRecord& prob;
    const clsTMoney& money;

    double P(const clsTNumber::LongKousei& c) const
    {
        double p = 1.0;
        for (std::size_t m = 0; m < 13; ++m) {
            p *= prob.Value[static_cast<std::size_t>(c[m])][m] / 10000.0;
        }
        return p;
    }
    double P(std::int32_t n) const
    {
        clsTNumber::LongKousei c{};
        clsTNumber::NoToLong(n, c);
        return P(c);
    }
    // The results one and two matches away, enumerated by changing those matches.
    double EV(std::int32_t t) const
    {
        clsTNumber::LongKousei c{};
        clsTNumber::NoToLong(t, c);
        double ev = P(c) * money.GetMoney1(c).ToDouble();
        for (std::size_t i = 0; i < 13; ++i) {
            for (std::int32_t a = 1; a < 3; ++a) {
                auto s = c;
                s[i] = (s[i] + a) % 3;
                ev += P(s) * money.GetMoney2(s).ToDouble();
                for (std::size_t j = i + 1; j < 13; ++j) {
                    for (std::int32_t b = 1; b < 3; ++b) {
                        auto u = s;
                        u[j] = (u[j] + b) % 3;
                        ev += P(u) * money.GetMoney3(u).ToDouble();
                    }
                }
            }
        }
        return ev;
    }
};

// Two cuts between neighbouring distinct values, near the first and the third quarter, so that
// the rounding of a different summation order cannot move a single across.
std::pair<double, double> Cuts(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const auto cutNear = [&](std::size_t i) {
        for (; i + 1 < v.size(); ++i) {
            if (v[i + 1] - v[i] > 1e-9 * std::max(1e-300, v[i + 1])) {
                return (v[i] + v[i + 1]) / 2;
            }
        }
        ADD_FAILURE() << "no gap to cut at";
        return v.back();
    };
    return {cutNear(v.size() / 4), cutNear(3 * v.size() / 4)};
}

// Random marks: matches 1..6 all three outcomes (the draw of match 3 among them), the others
// one at random; 729 singles.
Marks RandomMarks(std::mt19937& gen)
{
    Marks m{};
    for (std::size_t i = 0; i < 13; ++i) {
        const std::uint32_t pick = i < 6 ? 7 : 1U << (gen() % 3);
        for (std::size_t k = 0; k < 3; ++k) {
            m[k][i] = (pick >> k) & 1U ? 1 : 0;
        }
    }
    return m;
}

struct ValueFixture : RunFixture
{
    std::mt19937 gen{20261209};
    Marks marks = RandomMarks(gen);
    ProbabilityRecord prob = OwnProbabilities(gen);
    std::vector<std::int32_t> all = Expand(marks);
    ValueOracle oracle{prob, money};
};

} // namespace

TEST_F(ValueFixture, ExpectedValueLimitKeepsTheSinglesInItsRange)
{
    ASSERT_GT(all.size(), 100u);
    tx.SetProbability(prob);
    std::vector<double> ev;
    for (const auto n : all) {
        ev.push_back(oracle.EV(n));
    }
    const auto [lo, hi] = Cuts(ev);
    ConditionSetRecord rec;
    rec.Value.EVFlag = true;
    rec.Value.EVMin = Currency::FromDouble(lo);
    rec.Value.EVMax = Currency::FromDouble(hi);
    std::vector<std::int32_t> keep;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (rec.Value.EVMin.ToDouble() <= ev[i] && ev[i] <= rec.Value.EVMax.ToDouble()) {
            keep.push_back(all[i]);
        }
    }
    ASSERT_FALSE(keep.empty());
    ASSERT_LT(keep.size(), all.size());
    EXPECT_EQ(Run(rec, marks), keep);
    const auto n = static_cast<std::int32_t>(all.size());
    EXPECT_EQ(Mask(log.Text()), "Kelvra  Version 1.00\r\n" + kSep + "マルチ総数：" +
                                    Currency::FromInt(n).FormatNumber(0, true) + "\r\n" + kSep +
                                    Step("期待値", n, static_cast<std::int32_t>(keep.size())));

    // The payout boxes' no-limit value is no limit here too.
    rec.Value.EVMax = kHaitouNoLimit;
    const std::size_t above = static_cast<std::size_t>(std::count_if(
        ev.begin(), ev.end(), [&](double v) { return v >= rec.Value.EVMin.ToDouble(); }));
    EXPECT_EQ(Run(rec, marks).size(), above);
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessageText();
}

TEST_F(ValueFixture, ChanceLimitKeepsTheSinglesInItsRangeAfterThePayoutPasses)
{
    tx.SetProbability(prob);
    std::vector<double> p;
    for (const auto n : all) {
        p.push_back(oracle.P(n));
    }
    const auto [lo, hi] = Cuts(p);
    ConditionSetRecord rec;
    rec.Haitou.Flag[1] = true; // a payout pass that keeps everything: the order shows
    rec.Value.PFlag = true;
    rec.Value.PMin = lo;
    rec.Value.PMax = hi;
    std::vector<std::int32_t> keep;
    bool sawImpossible = false;
    for (std::size_t i = 0; i < all.size(); ++i) {
        sawImpossible |= p[i] == 0.0;
        if (lo <= p[i] && p[i] <= hi) {
            keep.push_back(all[i]);
        }
    }
    ASSERT_TRUE(sawImpossible);
    ASSERT_FALSE(keep.empty());
    EXPECT_EQ(Run(rec, marks), keep);
    const auto n = static_cast<std::int32_t>(all.size());
    const std::string text = Mask(log.Text());
    EXPECT_NE(text.find(Step("２等当せん金", n, n) +
                        Step("１等確率", n, static_cast<std::int32_t>(keep.size()))),
              std::string::npos)
        << text;

    // A minimum above 0 drops every single with an impossible outcome.
    rec.Value.PMin = 1e-300;
    rec.Value.PMax = 1.0;
    for (const auto s : Run(rec, marks)) {
        EXPECT_GT(oracle.P(s), 0.0) << s;
    }
}

TEST_F(ValueFixture, CorrectionModeCountsAValueLimitAsOneError)
{
    tx.SetProbability(prob);
    std::vector<double> p;
    for (const auto n : all) {
        p.push_back(oracle.P(n));
    }
    const auto [lo, hi] = Cuts(p);
    ConditionSetRecord rec;
    rec.Value.PFlag = true;
    rec.Value.PMin = lo;
    rec.Value.PMax = hi;
    rec.MachigaiType = 1;
    rec.MachigaiList = {};
    rec.MachigaiList[1] = true;
    std::vector<std::int32_t> outside;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (!(lo <= p[i] && p[i] <= hi)) {
            outside.push_back(all[i]);
        }
    }
    EXPECT_EQ(Run(rec, marks), outside);
    // The pass itself keeps the list whole.
    const auto n = static_cast<std::int32_t>(all.size());
    EXPECT_NE(Mask(log.Text()).find(Step("１等確率", n, n)), std::string::npos);
}

TEST_F(ValueFixture, WithoutOwnProbabilitiesTheLimitIsNotAppliedAndTheLogSaysWhy)
{
    ConditionSetRecord rec;
    rec.Value.EVFlag = true;
    rec.Value.EVMin = Currency::FromInt(1'000'000);
    rec.Value.PFlag = true;
    rec.Value.PMin = 0.5;
    EXPECT_EQ(Run(rec, marks), all);
    const std::string text = Mask(log.Text());
    EXPECT_NE(text.find("期待値：自分の確率がないため、この条件は使いません"), std::string::npos);
    EXPECT_NE(text.find("１等確率：自分の確率がないため、この条件は使いません"), std::string::npos);

    // Probabilities that fail their check are refused, reported, and leave the passes off.
    ProbabilityRecord bad = prob;
    bad.Value[0][0] += 1;
    tx.SetProbability(bad);
    EXPECT_FALSE(host.Messages.empty());
    EXPECT_EQ(Run(rec, marks), all);

    // Given, then taken away again.
    tx.SetProbability(prob);
    EXPECT_LT(Run(rec, marks).size(), all.size());
    tx.SetProbability(std::nullopt);
    EXPECT_EQ(Run(rec, marks), all);
}

// A count abandoned for a newer one never comes in; a stopped one neither, and a counter can
// be dropped in the middle of the full multi.
TEST(LiveCount, OnlyTheNewestRequestIsAnsweredAndAStopEndsTheSweep)
{
    clsTLiveCount::Request full;
    for (auto& outcome : full.Marks) {
        outcome.fill(1);
    }
    clsTLiveCount::Request one = full;
    for (std::size_t m = 0; m < 13; ++m) {
        one.Marks[0][m] = 0;
        one.Marks[2][m] = 0;
    }
    clsTLiveCount live;
    EXPECT_FALSE(live.Pending());
    EXPECT_FALSE(live.Take().has_value());
    const std::uint64_t first = live.Start(full);
    const std::uint64_t second = live.Start(one);
    EXPECT_GT(second, first);
    live.Wait();
    std::optional<clsTLiveCount::Result> result = live.Take();
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->Serial, second);
    EXPECT_TRUE(result->Ok);
    EXPECT_EQ(result->MultiCount, 1);
    EXPECT_EQ(result->Kept, 1);
    EXPECT_FALSE(live.Take().has_value()) << "taken once";
    EXPECT_FALSE(live.Pending());

    live.Start(full);
    live.Stop();
    EXPECT_FALSE(live.Pending());
    EXPECT_FALSE(live.Take().has_value());
    {
        clsTLiveCount dropped;
        dropped.Start(full);
    }
}
