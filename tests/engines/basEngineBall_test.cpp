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
