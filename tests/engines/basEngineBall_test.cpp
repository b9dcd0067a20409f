#include "engines/basEngineBall.h"
#include "lottery/clsTNumber.h"

#include <gtest/gtest.h>

#include <array>

TEST(basEngineBall, WalksTheNeighbourListsInTheirOrder)
{
    for (std::int32_t no = 0; no < basEngineBall::kSingleCount; no += 7919) {
        for (const std::int32_t extreme : {0, 797161, 1594322}) {
            for (const std::int32_t s : {no, extreme}) {
                std::array<std::int32_t, clsTNumber::List123Size> expected;
                clsTNumber::Get123List(s, expected);
                std::array<std::int32_t, basEngineBall::kBall3> got;
                ASSERT_EQ(basEngineBall::WriteBall(s, 3, got.data()), basEngineBall::kBall3);
                EXPECT_EQ(got, expected) << s;
                std::array<std::int32_t, basEngineBall::kBall2> got2;
                ASSERT_EQ(basEngineBall::WriteBall(s, 2, got2.data()), basEngineBall::kBall2);
                EXPECT_TRUE(std::equal(got2.begin(), got2.end(), expected.begin())) << s;
            }
        }
    }
}

TEST(basEngineBall, DigitWalksGiveTheSameBallsAndEachMembersDigits)
{
    for (std::int32_t no = 0; no < basEngineBall::kSingleCount; no += 104729) {
        for (const std::int32_t s : {no, 1594322}) {
            basEngineBall::Digits d;
            basEngineBall::MakeDigits(s, d);
            for (const std::int32_t grade : {2, 3}) {
                std::array<std::int32_t, basEngineBall::kBall3> expected{};
                const std::int32_t n = basEngineBall::WriteBall(s, grade, expected.data());
                std::vector<std::int32_t> outer;
                std::vector<std::int32_t> inner;
                basEngineBall::ForEachInBallOfDigits(
                    s, d, grade, [&](std::int32_t x, const basEngineBall::Digits& dx) {
                        outer.push_back(x);
                        basEngineBall::Digits own;
                        basEngineBall::MakeDigits(x, own);
                        EXPECT_EQ(dx, own) << x;
                    });
                basEngineBall::ForEachNoInBallOfDigits(s, d, grade,
                                                       [&](std::int32_t x) { inner.push_back(x); });
                const std::vector<std::int32_t> want(expected.begin(), expected.begin() + n);
                EXPECT_EQ(outer, want) << s;
                EXPECT_EQ(inner, want) << s;
            }
        }
    }
}
