#include "app/basLinks.h"

#include <gtest/gtest.h>

TEST(basLinks, ManualIsTheLowerCaseProductNameWithoutSpacesInTheManualFolder)
{
    EXPECT_EQ(basLinks::ManualUrl("http://www.example.jp", "Toto Planner X"),
              "http://www.example.jp/manual/totoplannerx.html");
    EXPECT_EQ(basLinks::ManualUrl(), "http://www.drovane.com/manual/kelvra.html");
}

TEST(basLinks, SalesScheduleIsTheOperatorsSchedulePage)
{
    EXPECT_EQ(basLinks::SalesScheduleUrl(),
              "https://store.toto-dream.com/dci/I/IPA/IPA01.do?op=inittotoSerLotSchedule");
}
