#include "app/basValueReport.h"

#include <gtest/gtest.h>

TEST(basValueReport, ChanceAndWorthTexts)
{
    EXPECT_EQ(basValueReport::PText(0.0), "0");
    EXPECT_EQ(basValueReport::PText(0.5), "1/2");
    EXPECT_EQ(basValueReport::PText(1.0 / 8192), "1/8192");
    EXPECT_EQ(basValueReport::PText(1.0 / 1594323), "1/159万");
    EXPECT_EQ(basValueReport::PText(1.0 / 25000), "1/2.5万");
    EXPECT_EQ(basValueReport::PText(1e-9), "1/10億");
    EXPECT_EQ(basValueReport::EVText(72.5), "73円");
    EXPECT_EQ(basValueReport::EVText(0.2), "0円");

    clsTValue::SetValue sv;
    sv.Grade1 = 0.00012345678912;
    sv.Grade2 = 0.25;
    sv.Grade3 = 1.0;
    sv.EV = 1234.5;
    sv.Cost = Currency::FromInt(2700);
    const auto lines = basValueReport::SetValueLines(sv);
    const std::array<std::pair<const char*, const char*>, 5> want{{{"1等以上", "0.0001234568"},
                                                                   {"2等以上", "0.2500000000"},
                                                                   {"3等以上", "1.0000000000"},
                                                                   {"期待値", "1235"},
                                                                   {"購入金額", "2700"}}};
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(lines[i].Label, want[i].first) << i;
        EXPECT_EQ(lines[i].Text, want[i].second) << i;
    }
}
