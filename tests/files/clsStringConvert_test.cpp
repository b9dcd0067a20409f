#include "files/clsStringConvert.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace {
using Long2 = std::array<std::array<std::int32_t, 2>, 2>;

TEST(StringConvert, DatesUseNothingForZero)
{
    clsStringConvert cv;
    EXPECT_EQ(cv.DateToString(DateTime()), "Nothing");
    EXPECT_EQ(cv.DateToString(DateTime::FromYmdHms(2021, 1, 16, 13, 0, 0)), "2021/01/16");
    DateTime d = DateTime::FromYmd(2000, 1, 1);
    ASSERT_TRUE(cv.StringToDate("Nothing", d));
    EXPECT_TRUE(d.IsZero());
    d = DateTime::FromYmd(2000, 1, 1);
    ASSERT_TRUE(cv.StringToDate("", d));
    EXPECT_TRUE(d.IsZero());
    ASSERT_TRUE(cv.StringToDate("2021/03/04 10:30:00", d));
    EXPECT_EQ(d, DateTime::FromYmdHms(2021, 3, 4, 10, 30, 0));
    EXPECT_FALSE(cv.StringToDate("tomorrow", d));
    EXPECT_FALSE(cv.StringToDate("2021/02/30", d));
}

TEST(StringConvert, BooleanOnlyExactOne)
{
    clsStringConvert cv;
    EXPECT_TRUE(cv.StringToBoolean("1"));
    for (const char* t : {"", "-1", "true", "2", " 1"}) {
        EXPECT_FALSE(cv.StringToBoolean(t)) << t;
    }
}

TEST(StringConvert, Boolean1ShortTextClearsTheRest)
{
    clsStringConvert cv;
    std::array<bool, 4> a{true, true, true, true};
    cv.StringToBoolean1("10", a);
    EXPECT_EQ(a, (std::array<bool, 4>{true, false, false, false}));
    cv.StringToBoolean1("0111111", a); // surplus ignored
    EXPECT_EQ(a, (std::array<bool, 4>{false, true, true, true}));
    EXPECT_EQ(cv.Boolean1ToString(a), "0111");
}

TEST(StringConvert, Boolean2RowsAndEmptyText)
{
    clsStringConvert cv;
    std::array<std::array<bool, 3>, 2> a{{{true, false, true}, {false, false, true}}};
    EXPECT_EQ(cv.Boolean2ToString(a), "101,001");
    std::array<std::array<bool, 3>, 2> b{{{true, true, true}, {true, true, true}}};
    cv.StringToBoolean2("", b); // no rows: nothing changes
    EXPECT_TRUE(b[1][2]);
    cv.StringToBoolean2("1", b); // a short row clears its remaining columns only
    EXPECT_EQ(b[0], (std::array<bool, 3>{true, false, false}));
    EXPECT_EQ(b[1], (std::array<bool, 3>{true, true, true}));
}

TEST(StringConvert, Long1PartialFill)
{
    clsStringConvert cv;
    std::array<std::int32_t, 3> a{1, 2, 3};
    ASSERT_TRUE(cv.StringToLong1("7", a));
    EXPECT_EQ(a, (std::array<std::int32_t, 3>{7, 2, 3}));
    ASSERT_TRUE(cv.StringToLong1("", a));
    EXPECT_EQ(a, (std::array<std::int32_t, 3>{7, 2, 3}));
    ASSERT_TRUE(cv.StringToLong1("4,5,6,99", a)); // surplus pieces ignored
    EXPECT_EQ(a, (std::array<std::int32_t, 3>{4, 5, 6}));
    EXPECT_FALSE(cv.StringToLong1("8,x,9", a));
    EXPECT_EQ(a[0], 8); // written before the failure, stays
    EXPECT_EQ(a[2], 6);
    std::array<std::int32_t, 3> neg{-5, 0, 2147483647};
    EXPECT_EQ(cv.Long1ToString(neg), "-5,0,2147483647");
    EXPECT_FALSE(cv.StringToLong1("2147483648", neg));
}

TEST(StringConvert, Long2FormAndPartialFill)
{
    clsStringConvert cv;
    std::array<std::array<std::int32_t, 2>, 3> a{{{1, 2}, {3, 4}, {5, 6}}};
    EXPECT_EQ(cv.Long2ToString(a), "1:2,3:4,5:6");
    Long2 b{{{0, 0}, {0, 99}}};
    ASSERT_TRUE(cv.StringToLong2("1:2,3", b));
    EXPECT_EQ(b[0][0], 1);
    EXPECT_EQ(b[0][1], 2);
    EXPECT_EQ(b[1][0], 3);
    EXPECT_EQ(b[1][1], 99);
    EXPECT_FALSE(cv.StringToLong2("1:2,3:a", b));
}

TEST(StringConvert, Byte2FailsOnShortRowAfterFillingTheFirst)
{
    clsStringConvert cv;
    std::array<std::array<std::uint8_t, 2>, 2> a{{{9, 9}, {9, 9}}};
    EXPECT_FALSE(cv.StringToByte2("12,3", a));
    EXPECT_EQ(a[0][0], 1);
    EXPECT_EQ(a[0][1], 2);
    EXPECT_FALSE(cv.StringToByte2("1x,34", a));
    ASSERT_TRUE(cv.StringToByte2("05,34", a));
    EXPECT_EQ(cv.Byte2ToString(a), "05,34");
}

TEST(StringConvert, CurrencyShortestForm)
{
    clsStringConvert cv;
    std::array<Currency, 3> a{Currency::FromInt(1000), Currency(), *Currency::Parse("2500.5")};
    EXPECT_EQ(cv.Currency1ToString(a), "1000,0,2500.5");
    std::array<Currency, 3> b{};
    ASSERT_TRUE(cv.StringToCurrency1("1234.5,-0.25", b));
    EXPECT_EQ(b[0], *Currency::Parse("1234.5"));
    EXPECT_EQ(b[1], *Currency::Parse("-0.25"));
    EXPECT_FALSE(cv.StringToCurrency1("1e5", b));
    std::array<std::array<Currency, 2>, 1> c{};
    ASSERT_TRUE(cv.StringToCurrency2("1.5:2", c));
    EXPECT_EQ(cv.Currency2ToString(c), "1.5:2");
}

TEST(StringConvert, StringsAreNotProtected)
{
    clsStringConvert cv;
    std::array<std::string, 2> a{"a,b", "c"};
    const std::string text = cv.String1ToString(a);
    EXPECT_EQ(text, "a,b,c");
    std::array<std::string, 3> b{};
    cv.StringToString1(text, b);
    EXPECT_EQ(b, (std::array<std::string, 3>{"a", "b", "c"}));
    std::vector<std::vector<std::string>> two{{"x", "y"}, {"z", "w"}};
    EXPECT_EQ(cv.String2ToString(two), "x:y,z:w");
    std::vector<std::vector<std::string>> back(2, std::vector<std::string>(2, "-"));
    cv.StringToString2("p:q,r", back);
    EXPECT_EQ(back[1][0], "r");
    EXPECT_EQ(back[1][1], "-");
}

TEST(StringConvert, ListNeedsLineEnds)
{
    clsStringConvert cv;
    std::vector<std::string> list{"old"};
    std::int32_t sel = 0;
    cv.StringtoListbox("x\r\ny\r\n", list, sel);
    EXPECT_EQ(list, (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(sel, 1);
    cv.StringtoListbox("x\r\ny", list, sel);
    EXPECT_EQ(list, (std::vector<std::string>{"x"}));
    cv.StringtoListbox("", list, sel);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(sel, -1);
    EXPECT_EQ(cv.ListboxToString({"x", "y"}), "x\r\ny");
    EXPECT_EQ(cv.ListboxToString({}), "");
}
} // namespace
