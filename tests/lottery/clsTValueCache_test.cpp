#include "lottery/clsTNumber.h"
#include "lottery/clsTValueCache.h"
#include "support/ProbabilityFixture.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

ProbabilityRecord DrawFavoured()
{
    return SameInEveryMatch(3000, 5000, 2000);
}

VoteRecord Votes(std::int32_t lngKaisaikai, std::int64_t lngHome)
{
    VoteRecord v;
    v.Kaisaikai = lngKaisaikai;
    for (auto& m : v.Match) {
        m.Votes = {Currency::FromInt(lngHome), Currency::FromInt(20000), Currency::FromInt(30000)};
    }
    return v;
}

} // namespace

// The tables are built once per change, with events on the way, and a question asked from
// one of those events is turned away (the object is half-built) and told afterwards.
TEST(clsTValueCache, BuildsOnceAndTurnsAwayQuestionsFromItsOwnEvents)
{
    RecordingHost rec;
    clsTValueCache cache(rec.Host().Message, rec.Host().Pump);
    const ProbabilityRecord p = DrawFavoured();
    const VoteRecord v = Votes(1200, 40000);
    int inner = 0;
    bool innerRefusedTold = true;
    rec.OnDoEvents = [&](std::int64_t) {
        ++inner;
        EXPECT_EQ(cache.Value(p, v), nullptr);
        innerRefusedTold = innerRefusedTold && cache.TakeRefused();
    };
    clsTValue* value = cache.Value(p, v);
    ASSERT_NE(value, nullptr);
    EXPECT_TRUE(value->Prepared());
    EXPECT_GE(inner, 9); // one call per 3^11 results at least
    EXPECT_FALSE(innerRefusedTold) << "an asker inside the build must not be told to ask again";
    EXPECT_TRUE(cache.TakeRefused());
    EXPECT_FALSE(cache.TakeRefused());

    rec.OnDoEvents = nullptr;
    const auto before = rec.DoEventsCount;
    EXPECT_EQ(cache.Value(p, v), value);
    EXPECT_EQ(rec.DoEventsCount, before) << "tables rebuilt without a change";
    const double ev = value->GetEV(4242);
    EXPECT_NE(cache.Value(p, Votes(1200, 90000)), nullptr);
    EXPECT_GT(rec.DoEventsCount, before) << "new votes must rebuild";
    EXPECT_NE(value->GetEV(4242), ev);
    EXPECT_TRUE(rec.Messages.empty()) << rec.AllMessageText();
}

TEST(clsTValueCache, SetValueIsKeptUntilTheSetOrTheInputsChange)
{
    RecordingHost rec;
    clsTValueCache cache(rec.Host().Message, rec.Host().Pump);
    const ProbabilityRecord p = DrawFavoured();
    const VoteRecord v = Votes(230, 40000); // two grades
    std::vector<std::int32_t> set = {0, 1, 500000, clsTNumber::SingleCount - 1};
    clsTValue::SetValue first;
    ASSERT_TRUE(cache.SetValue(p, v, set, first));

    clsTValue direct(rec.Host().Message);
    ASSERT_TRUE(direct.SetProbability(p));
    ASSERT_TRUE(direct.SetVote(v));
    clsTValue::SetValue expect;
    ASSERT_TRUE(direct.GetSetValue(set, expect));
    EXPECT_EQ(first.Grade1, expect.Grade1);
    EXPECT_EQ(first.Grade3, expect.Grade3);
    EXPECT_EQ(first.EV, expect.EV);
    EXPECT_EQ(first.Cost, Currency::FromInt(400));

    const auto before = rec.DoEventsCount;
    clsTValue::SetValue again;
    ASSERT_TRUE(cache.SetValue(p, v, set, again));
    EXPECT_EQ(rec.DoEventsCount, before) << "the same set was summed again";
    EXPECT_EQ(again.EV, first.EV);

    set.pop_back();
    clsTValue::SetValue smaller;
    ASSERT_TRUE(cache.SetValue(p, v, set, smaller));
    EXPECT_EQ(smaller.Cost, Currency::FromInt(300));
    EXPECT_LT(smaller.Grade1, first.Grade1);

    ProbabilityRecord q = p;
    q.Value[0][0] = 6000;
    q.Value[2][0] = 1000;
    clsTValue::SetValue other;
    ASSERT_TRUE(cache.SetValue(q, v, set, other));
    EXPECT_GT(other.Grade1, smaller.Grade1) << "new probabilities must not give the old sum";

    // Out of the numbering: refused, reported, nothing kept.
    std::vector<std::int32_t> bad = {3, -1};
    clsTValue::SetValue none;
    none.EV = 7.0;
    EXPECT_FALSE(cache.SetValue(q, v, bad, none));
    EXPECT_EQ(none.EV, 7.0);
    EXPECT_EQ(rec.Messages.size(), 1u);
}

// A record that fails its check is said once, however often a page asks.
TEST(clsTValueCache, BadProbabilitiesAreReportedOnce)
{
    RecordingHost rec;
    clsTValueCache cache(rec.Host().Message, rec.Host().Pump);
    ProbabilityRecord bad = DrawFavoured();
    bad.Value[1][5] += 1;
    const VoteRecord v = Votes(1200, 40000);
    EXPECT_EQ(cache.Value(bad, v), nullptr);
    EXPECT_EQ(cache.Value(bad, v), nullptr);
    clsTValue::SetValue sv;
    EXPECT_FALSE(cache.SetValue(bad, v, std::vector<std::int32_t>{1}, sv));
    EXPECT_EQ(rec.Messages.size(), 1u) << rec.AllMessageText();
    EXPECT_NE(cache.Value(DrawFavoured(), v), nullptr);
    EXPECT_EQ(cache.Value(bad, v), nullptr);
    EXPECT_EQ(rec.Messages.size(), 2u) << "a bad record after a good one is news again";
}
