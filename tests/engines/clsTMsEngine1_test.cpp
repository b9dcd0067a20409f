#include "EngineTestSupport.h"
#include "engines/clsTMsEngine1.h"
#include "lottery/clsTNumber.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace enginetest;

namespace {

struct FastRun
{
    RecordingHost host;
    clsTMsgLog log;
    clsTMsEngine1 engine{host, host};
    FastRun() { engine.Initialize(log); }
    std::vector<std::int32_t> Start(const std::vector<std::int32_t>& set, int grade)
    {
        EXPECT_TRUE(engine.EngineStart(set, grade));
        return engine.SingleData();
    }
};

std::vector<std::int32_t> NaiveBall(std::int32_t s, int grade)
{
    std::vector<std::int32_t> v;
    const auto d = Digits(s);
    v.push_back(s);
    for (int i = 0; i < 13; ++i) {
        for (int a = 0; a < 3; ++a) {
            if (a == d[i]) {
                continue;
            }
            auto e = d;
            e[i] = a;
            v.push_back(No(e));
            if (grade < 3) {
                continue;
            }
            for (int j = i + 1; j < 13; ++j) {
                for (int b = 0; b < 3; ++b) {
                    if (b != d[j]) {
                        auto f = e;
                        f[j] = b;
                        v.push_back(No(f));
                    }
                }
            }
        }
    }
    return v;
}

// The choice rules written out as plainly as possible: scores recounted every time, rejected
// flags, a tie list taken in order, full passes when it runs dry.
std::vector<std::int32_t> NaiveGreedy(const std::vector<std::int32_t>& set, int grade)
{
    const int full = grade == 3 ? 339 : 27;
    std::map<std::int32_t, int> coverage;
    std::set<std::int32_t> rejected;
    std::vector<std::int32_t> candidates = set;
    std::vector<std::int32_t> result;
    std::vector<std::int32_t> ties;
    std::size_t nextTie = 0;
    int best = 0;
    bool firstPhase = true;
    auto score = [&](std::int32_t s) {
        int n = 0;
        for (const auto x : NaiveBall(s, grade)) {
            n += coverage[x] == 0;
        }
        return n;
    };
    while (!candidates.empty()) {
        std::int32_t chosen = -1;
        if (firstPhase) {
            for (const auto c : candidates) {
                if (rejected.count(c) != 0) {
                    continue;
                }
                if (score(c) == full) {
                    chosen = c;
                    break;
                }
                rejected.insert(c);
            }
            if (chosen < 0) {
                firstPhase = false;
            }
        }
        for (int round = 0; chosen < 0 && round < 2; ++round) {
            for (; nextTie < ties.size(); ++nextTie) {
                if (score(ties[nextTie]) == best) {
                    chosen = ties[nextTie++];
                    break;
                }
            }
            if (chosen >= 0) {
                break;
            }
            best = 0;
            ties.clear();
            for (const auto c : candidates) {
                const int sc = score(c);
                if (sc > best) {
                    best = sc;
                    ties.assign(1, c);
                } else if (sc == best) {
                    ties.push_back(c);
                }
            }
            nextTie = 0;
        }
        result.push_back(chosen);
        for (const auto x : NaiveBall(chosen, grade)) {
            ++coverage[x];
        }
        std::erase_if(candidates, [&](std::int32_t c) { return coverage[c] > 0; });
    }
    return result;
}

// The same rules with the scores kept up to date from the neighbour lists, for sets too large
// to recount: the first phase with its rejected flags and restarts, then full passes and ties.
std::vector<std::int32_t> ListGreedy(const std::vector<std::int32_t>& set, int grade)
{
    const int full = grade == 3 ? 339 : 27;
    std::vector<int> score(clsTNumber::SingleCount, full);
    std::vector<char> covered(clsTNumber::SingleCount, 0);
    std::vector<char> inSet(clsTNumber::SingleCount, 0);
    std::vector<char> rejected(clsTNumber::SingleCount, 0);
    std::size_t left = 0;
    for (const auto s : set) {
        left += inSet[s] == 0;
        inSet[s] = 1;
    }
    auto ball = [grade](std::int32_t s) {
        std::array<std::int32_t, clsTNumber::List123Size> l{};
        clsTNumber::Get123List(s, l);
        return std::vector<std::int32_t>(l.begin(), l.begin() + (grade == 3 ? 339 : 27));
    };
    std::vector<std::int32_t> result;
    auto choose = [&](std::int32_t s) {
        result.push_back(s);
        for (const auto x : ball(s)) {
            if (covered[x] == 0) {
                covered[x] = 1;
                left -= inSet[x];
                for (const auto y : ball(x)) {
                    --score[y];
                }
            }
        }
    };
    for (bool found = true; found && left > 0;) {
        found = false;
        for (const auto s : set) {
            if (covered[s] != 0 || rejected[s] != 0) {
                continue;
            }
            if (score[s] == full) {
                choose(s);
                found = true;
                break;
            }
            rejected[s] = 1;
        }
    }
    while (left > 0) {
        int best = 0;
        std::vector<std::int32_t> ties;
        for (const auto s : set) {
            if (covered[s] != 0) {
                continue;
            }
            if (score[s] > best) {
                best = score[s];
                ties.assign(1, s);
            } else if (score[s] == best) {
                ties.push_back(s);
            }
        }
        for (const auto t : ties) {
            if (score[t] == best) {
                choose(t);
            }
        }
    }
    return result;
}

std::int32_t Base()
{
    return No({0, 0, 1, 2, 1, 0, 2, 2, 1, 0, 1, 1, 2});
}

} // namespace

TEST(clsTMsEngine1, OneSingleIsItsOwnCover)
{
    for (const int grade : {2, 3}) {
        FastRun r;
        EXPECT_EQ(r.Start({Base()}, grade), std::vector<std::int32_t>{Base()});
    }
}

TEST(clsTMsEngine1, SinglesAllWithinOneBallGiveTheFirstOfTheList)
{
    const std::int32_t b = Base(); // matches 1 and 2 are draws
    {
        FastRun r;
        EXPECT_EQ(r.Start({b + 2, b, b + 1}, 2), std::vector<std::int32_t>{b + 2});
    }
    std::vector<std::int32_t> nine;
    for (const int m2 : {2, 0, 1}) {
        for (const int m1 : {1, 2, 0}) {
            nine.push_back(b + m1 + 3 * m2);
        }
    }
    FastRun r;
    EXPECT_EQ(r.Start(nine, 3), std::vector<std::int32_t>{nine.front()});
}

TEST(clsTMsEngine1, SecondSingleAtDistanceTwoIsChosenWithScore25)
{
    const std::int32_t a = Base();
    const std::int32_t b = a + 1 + 3; // matches 1 and 2 changed
    FastRun r;
    EXPECT_EQ(r.Start({a, b}, 2), (std::vector<std::int32_t>{a, b}));
    const auto& lines = r.log.Lines();
    const bool found = std::any_of(lines.begin(), lines.end(), [](const std::string& s) {
        return s.size() > 2 && s.ends_with("候補の検索中...25");
    });
    EXPECT_TRUE(found) << r.log.Text();
}

TEST(clsTMsEngine1, ChoosesExactlyWhatThePlainRulesChoose)
{
    // Mixed multis, shuffled subsets: ties, covered ties and out-of-set ball entries all occur.
    const std::array<int, 13> wide{3, 3, 3, 3, 2, 2, 1, 1, 1, 1, 1, 1, 1};
    const std::array<int, 13> deep{3, 3, 3, 3, 3, 3, 1, 1, 1, 1, 1, 1, 1};
    for (unsigned seed = 1; seed <= 4; ++seed) {
        for (const int grade : {2, 3}) {
            const auto set = RandomSubset(seed % 2 ? wide : deep, 0.6, seed * 7 + grade);
            FastRun r;
            const auto got = r.Start(set, grade);
            EXPECT_EQ(got, NaiveGreedy(set, grade)) << "seed " << seed << " grade " << grade;
            EXPECT_EQ(UncoveredCount(set, got, grade - 1), 0);
        }
    }
}

TEST(clsTMsEngine1, LargeShuffledSetsGetExactlyThePlainRulesChoice)
{
    // Thousands of candidates in input order unlike ticket order, so the choice has to keep
    // the order of the list across many scans.
    const std::array<int, 13> triples{3, 3, 3, 3, 3, 3, 3, 3, 3, 1, 1, 1, 1};
    const std::array<int, 13> mixed{3, 3, 3, 3, 3, 3, 2, 2, 2, 2, 2, 1, 1};
    for (const int grade : {2, 3}) {
        for (const auto& width : {triples, mixed}) {
            const auto set = RandomSubset(width, 0.6, 40u + static_cast<unsigned>(grade));
            FastRun r;
            const auto got = r.Start(set, grade);
            EXPECT_EQ(got, ListGreedy(set, grade)) << "grade " << grade;
        }
    }
}

TEST(clsTMsEngine1, FullSpaceCountsMatchTheKnownGreedyCovers)
{
    std::vector<std::int32_t> all(1594323);
    for (std::int32_t i = 0; i < 1594323; ++i) {
        all[i] = i;
    }
    FastRun r2;
    EXPECT_EQ(r2.Start(all, 2).size(), 139925u);
    FastRun r3;
    EXPECT_EQ(r3.Start(all, 3).size(), 16553u);
}

TEST(clsTMsEngine1, ResultIsASubsetThatKeepsTheGuarantee)
{
    const std::array<int, 13> multi{3, 3, 3, 3, 3, 2, 2, 2, 1, 1, 1, 1, 1};
    for (unsigned seed = 11; seed <= 14; ++seed) {
        const auto set = RandomSubset(multi, 0.3, seed);
        const std::set<std::int32_t> members(set.begin(), set.end());
        for (const int grade : {2, 3}) {
            FastRun r;
            const auto got = r.Start(set, grade);
            ASSERT_FALSE(got.empty());
            EXPECT_LE(got.size(), set.size());
            EXPECT_EQ(UncoveredCount(set, got, grade - 1), 0);
            for (const auto s : got) {
                EXPECT_TRUE(members.count(s) == 1);
            }
        }
    }
}

TEST(clsTMsEngine1, StopGivesAnEmptyResult)
{
    const auto set = MultiSingles({3, 3, 3, 3, 3, 3, 1, 1, 1, 1, 1, 1, 1});
    for (const int when : {1, 5, 40}) {
        FastRun r;
        r.host.OnDoEvents = [&](std::int64_t n) {
            if (n == when) {
                r.engine.EngineStop();
            }
        };
        EXPECT_TRUE(r.engine.EngineStart(set, 3));
        EXPECT_EQ(r.engine.SingleCount(), 0) << "stop at event " << when;
        EXPECT_TRUE(r.engine.SingleData().empty());
    }
}

TEST(clsTMsEngine1, BadInputFailsWithoutAResult)
{
    FastRun r;
    EXPECT_FALSE(r.engine.EngineStart(std::vector<std::int32_t>{5}, 4));
    EXPECT_FALSE(r.engine.LastError().Description.empty());
    EXPECT_FALSE(r.engine.EngineStart(std::vector<std::int32_t>{5, 1594323}, 2));
    EXPECT_EQ(r.engine.LastError().Number, 9);
    EXPECT_EQ(r.engine.SingleCount(), 0);

    RecordingHost host;
    clsTMsEngine1 uninitialised(host, host);
    EXPECT_FALSE(uninitialised.EngineStart(std::vector<std::int32_t>{5}, 2));
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, "Initialize Err");
}
