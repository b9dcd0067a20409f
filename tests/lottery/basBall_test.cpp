#include "lottery/basBall.h"
#include "lottery/clsTNumber.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

TEST(basBall, WalksTheNeighbourListsInTheirOrder)
{
    for (std::int32_t no = 0; no < basBall::kSingleCount; no += 7919) {
        for (const std::int32_t extreme : {0, 797161, 1594322}) {
            for (const std::int32_t s : {no, extreme}) {
                std::array<std::int32_t, clsTNumber::List123Size> expected;
                clsTNumber::Get123List(s, expected);
                std::array<std::int32_t, basBall::kBall3> got;
                ASSERT_EQ(basBall::WriteBall(s, 3, got.data()), basBall::kBall3);
                EXPECT_EQ(got, expected) << s;
                std::array<std::int32_t, basBall::kBall2> got2;
                ASSERT_EQ(basBall::WriteBall(s, 2, got2.data()), basBall::kBall2);
                EXPECT_TRUE(std::equal(got2.begin(), got2.end(), expected.begin())) << s;
            }
        }
    }
}

TEST(basBall, DigitWalksGiveTheSameBallsAndEachMembersDigits)
{
    for (std::int32_t no = 0; no < basBall::kSingleCount; no += 104729) {
        for (const std::int32_t s : {no, 1594322}) {
            basBall::Digits d;
            basBall::MakeDigits(s, d);
            for (const std::int32_t grade : {2, 3}) {
                std::array<std::int32_t, basBall::kBall3> expected{};
                const std::int32_t n = basBall::WriteBall(s, grade, expected.data());
                std::vector<std::int32_t> outer;
                std::vector<std::int32_t> inner;
                basBall::ForEachInBallOfDigits(s, d, grade,
                                               [&](std::int32_t x, const basBall::Digits& dx) {
                                                   outer.push_back(x);
                                                   basBall::Digits own;
                                                   basBall::MakeDigits(x, own);
                                                   EXPECT_EQ(dx, own) << x;
                                               });
                basBall::ForEachNoInBallOfDigits(s, d, grade,
                                                 [&](std::int32_t x) { inner.push_back(x); });
                const std::vector<std::int32_t> want(expected.begin(), expected.begin() + n);
                EXPECT_EQ(outer, want) << s;
                EXPECT_EQ(inner, want) << s;
            }
        }
    }
}

TEST(basBall, OffsetWalksGiveTheSameBallsAndEachMembersOwnOffsets)
{
    std::vector<std::int32_t> table(basBall::kSingleCount);
    for (std::int32_t i = 0; i < basBall::kSingleCount; ++i) {
        table[static_cast<std::size_t>(i)] = i;
    }
    const std::int32_t* base = table.data();
    for (std::int32_t no = 0; no < basBall::kSingleCount; no += 104729) {
        for (const std::int32_t s : {no, 0, 1594322}) {
            basBall::Digits d;
            basBall::MakeDigits(s, d);
            basBall::BallOffsets o;
            basBall::MakeBallOffsets(d, o);
            for (const std::int32_t grade : {2, 3}) {
                std::array<std::int32_t, basBall::kBall3> expected{};
                const std::int32_t n = basBall::WriteBall(s, grade, expected.data());
                const std::vector<std::int32_t> want(expected.begin(), expected.begin() + n);
                std::vector<std::int32_t> walked;
                std::vector<int> distance;
                basBall::ForEachOfBall(base + s, o, grade, [&](const std::int32_t* p, int k) {
                    walked.push_back(*p);
                    distance.push_back(k);
                });
                EXPECT_EQ(walked, want) << s;
                for (std::size_t i = 0; i < walked.size(); ++i) {
                    int differ = 0;
                    for (std::int32_t a = s, b = walked[i], m = 0; m < 13; ++m, a /= 3, b /= 3) {
                        differ += a % 3 != b % 3;
                    }
                    EXPECT_EQ(distance[i], differ) << s << " " << walked[i];
                }

                std::vector<std::int32_t> members;
                basBall::ForEachOfBallWithOffsets(
                    base + s, d, grade,
                    [&](const std::int32_t* p, const basBall::BallOffsets& own) {
                        members.push_back(*p);
                        basBall::Digits dx;
                        basBall::MakeDigits(*p, dx);
                        basBall::BallOffsets ox;
                        basBall::MakeBallOffsets(dx, ox);
                        EXPECT_EQ(own, ox) << *p;
                    });
                std::sort(members.begin(), members.end());
                std::vector<std::int32_t> sorted = want;
                std::sort(sorted.begin(), sorted.end());
                EXPECT_EQ(members, sorted) << s;
            }
        }
    }
}
