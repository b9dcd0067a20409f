#include "net/clsHtmlToto.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

namespace {
class HtmlTotoTest : public ::testing::Test
{
protected:
    HtmlTotoTest() { toto.SetToday(DateTime::FromYmd(2021, 6, 1)); }
    RecordingHost host;
    clsHtmlToto toto{host};
};

DateTime At(int y, int mo, int d, int h = 0, int mi = 0)
{
    return DateTime::FromYmdHms(y, mo, d, h, mi, 0);
}
} // namespace

TEST_F(HtmlTotoTest, RoundNumbers)
{
    std::int32_t round = 7;
    EXPECT_TRUE(toto.Kaisaikai("第1234回totoくじ情報", round));
    EXPECT_EQ(round, 1234);
    EXPECT_FALSE(toto.Kaisaikai("1234回", round));
    EXPECT_FALSE(toto.Kaisaikai("第1234", round));
    EXPECT_EQ(round, 1234);
    EXPECT_THROW(toto.Kaisaikai("第一回", round), HtmlReadError);
    EXPECT_THROW(toto.Kaisaikai("第回", round), HtmlReadError);
    EXPECT_THROW(toto.Kaisaikai("第99999999999回", round), HtmlReadError);
    EXPECT_FALSE(toto.GetKaisaikai("第5回minitotoくじ情報", round, "totoくじ結果"));
    EXPECT_TRUE(toto.GetKaisaikai("第5回minitotoくじ情報", round, "totoくじ情報"));
    EXPECT_EQ(round, 5);
}

TEST(HtmlReadError, KeepsItsNumberAndTextAsTheStoreReadErrorDoes)
{
    // The page and store readers raise one kind of read error, so one handler reports both.
    const auto record = [](const ReadError& e) { return e.Record(); };
    const ErrorRecord mismatch = record(HtmlReadError::TypeMismatch("x1"));
    EXPECT_EQ(mismatch.Number, ErrorNumber::TypeMismatch);
    EXPECT_EQ(mismatch.Description, "型が一致しません。 (x1)");
    EXPECT_EQ(mismatch.Source, kAppTitle);
    EXPECT_EQ(record(HtmlReadError::Overflow("9")).Number, ErrorNumber::Overflow);
    EXPECT_EQ(record(HtmlReadError::PastEnd()).Number, ErrorNumber::OutOfRange);
    const ErrorRecord missing = record(HtmlReadError::Missing("払戻金"));
    EXPECT_EQ(missing.Number, ErrorNumber::None);
    EXPECT_EQ(missing.Description, "ページに「払戻金」の行がありません。");
}

TEST_F(HtmlTotoTest, CurrencyAndCountWithRate)
{
    EXPECT_EQ(toto.StringToCurrency("1,234,567円"), Currency::FromInt(1234567));
    EXPECT_EQ(toto.StringToCurrency("-5"), Currency::FromInt(5));
    EXPECT_EQ(toto.StringToCurrency("45.67%"), *Currency::Parse("45.67"));
    EXPECT_EQ(toto.StringToCurrency("1.2.3"), Currency());
    EXPECT_EQ(toto.StringToCurrency("---"), Currency());
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(toto.StringToCurrency("99999999999999999999"), Currency());
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Caption, "Kelvra / clsHtmlToto / StringToCurrency");

    Currency count, rate;
    EXPECT_TRUE(toto.GetValue2("1,234,567(45.67%)", count, rate));
    EXPECT_EQ(count, Currency::FromInt(1234567));
    EXPECT_EQ(rate, *Currency::Parse("45.67"));
    EXPECT_TRUE(toto.GetValue2("１２，３４５（４５．６７％）", count, rate));
    EXPECT_EQ(count, Currency::FromInt(12345));
    EXPECT_EQ(rate, *Currency::Parse("45.67"));
    EXPECT_FALSE(toto.GetValue2("12,345", count, rate));
}

TEST_F(HtmlTotoTest, PlainDateForms)
{
    EXPECT_EQ(toto.StringToDate("2021/01/16"), At(2021, 1, 16));
    EXPECT_EQ(toto.StringToDate("2021/1/16 9:05"), At(2021, 1, 16, 9, 5));
    EXPECT_EQ(toto.StringToDate("2021年1月16日"), At(2021, 1, 16));
    EXPECT_EQ(toto.StringToDate("2021年1月16日13:50"), At(2021, 1, 16, 13, 50));
    EXPECT_EQ(toto.StringToDate("1月16日 13:50"), At(2021, 1, 16, 13, 50));
    EXPECT_EQ(toto.StringToDate("01/16"), At(2021, 1, 16));
    EXPECT_EQ(toto.StringToDate("13:00"), DateTime::FromHms(13, 0, 0));
    for (const char* bad : {"", "1", "13", "2021/02/30", "2021/13/01", "25:00", "1-0", "abc",
                            "2021/01/1613:00", "第1回"}) {
        EXPECT_TRUE(toto.StringToDate(bad).IsZero()) << bad;
    }
    EXPECT_TRUE(toto.IsDate("01/16"));
    EXPECT_FALSE(toto.IsDate("13:00"));
    EXPECT_THROW(toto.ToTime("01/16"), HtmlReadError);
    EXPECT_THROW(toto.ToDate("x"), HtmlReadError);
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(HtmlTotoTest, DatesWithWeekdayTimeAndPeriods)
{
    std::string text = "２０２１年１月１６日（土）１３：５０まで";
    EXPECT_EQ(toto.StringToDateEx(text), At(2021, 1, 16, 13, 50));
    EXPECT_EQ(text, "2021年1月16日(土)13:50まで");
    std::string plain = "2021/01/16";
    EXPECT_EQ(toto.StringToDateEx(plain), At(2021, 1, 16));

    EXPECT_EQ(toto.StringToDateEx2("1月16日13:00～15:00"), At(2021, 1, 16, 15, 0));
    EXPECT_EQ(toto.StringToDateEx2("2021年1月16日(土)9:50"), At(2021, 1, 16, 9, 50));
    EXPECT_EQ(toto.StringToDateEx2("2021年1月16日(土)"), At(2021, 1, 16));
    EXPECT_TRUE(toto.StringToDateEx2("13:00").IsZero());

    DateTime a = At(2000, 1, 1), b = At(2000, 1, 2);
    toto.DateString2("2021年1月9日(土)～2021年1月16日(土)13:50まで", a, b);
    EXPECT_EQ(a, At(2021, 1, 9));
    EXPECT_EQ(b, At(2021, 1, 16, 13, 50));
    DateTime c = At(2000, 1, 1), d = At(2000, 1, 2);
    toto.DateString2("2021年1月9日", c, d);
    EXPECT_EQ(c, At(2000, 1, 1));
    EXPECT_EQ(d, At(2000, 1, 2));
}

TEST_F(HtmlTotoTest, VoteTimeStamps)
{
    DateTime asOf;
    bool final = false;
    EXPECT_TRUE(toto.GetStringToDateNow("(2021年1月16日(土)13:50販売終了時点)", asOf, final));
    EXPECT_TRUE(final);
    EXPECT_EQ(asOf, At(2021, 1, 16, 13, 50));
    EXPECT_TRUE(toto.GetStringToDateNow("(1月15日(金)18:00時点)", asOf, final));
    EXPECT_FALSE(final);
    EXPECT_EQ(asOf, At(2021, 1, 15, 18, 0));
    EXPECT_FALSE(toto.GetStringToDateNow("1月15日18:00時点)", asOf, final));
    EXPECT_FALSE(toto.GetStringToDateNow("(1月15日18:00)", asOf, final));
}

TEST_F(HtmlTotoTest, CompetitionCells)
{
    const std::vector<std::string> list = {"j1", "天皇杯", "J3"};
    std::int32_t pos = 0;
    EXPECT_EQ(toto.GetGameType(list, pos), "J1");
    EXPECT_EQ(pos, 1);
    EXPECT_EQ(toto.GetGameType(list, pos), "天皇杯");
    EXPECT_EQ(pos, 2);
    EXPECT_EQ(toto.GetGameType(list, pos), "");
    EXPECT_EQ(pos, 2);
    pos = 3;
    EXPECT_EQ(toto.GetGameType(list, pos), "");
    EXPECT_EQ(pos, 3);
}

TEST_F(HtmlTotoTest, PeriodEndReadsWithOrWithoutOneBlankAfterTheWave)
{
    const std::string start = "2021年1月9日(土)～";
    const std::string end = "2021年1月16日(土)13:50まで";
    // Plain, space, ideographic space, no-break space, tab; the full-width digit form too.
    for (const std::string blank : {"", " ", "\xE3\x80\x80", "\xC2\xA0", "\t"}) {
        DateTime a, b;
        toto.DateString2(start + blank + end, a, b);
        EXPECT_EQ(a, At(2021, 1, 9)) << "[" << blank << "]";
        EXPECT_EQ(b, At(2021, 1, 16, 13, 50)) << "[" << blank << "]";
    }
    DateTime a, b;
    toto.DateString2("2021年1月9日～２０２１年１月１６日", a, b);
    EXPECT_EQ(b, At(2021, 1, 16));
    // The character after "～" is never dropped unless it is a blank.
    toto.DateString2("1月9日～1月16日", a, b);
    EXPECT_EQ(a, At(2021, 1, 9));
    EXPECT_EQ(b, At(2021, 1, 16));
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(HtmlTotoTest, NoBreakSpacesInDatesAndCounts)
{
    const std::string nbsp = "\xC2\xA0";
    std::string text = "2021年1月16日" + nbsp + "(土)" + nbsp + "13:50" + nbsp;
    EXPECT_EQ(toto.StringToDateEx(text), At(2021, 1, 16, 13, 50));
    EXPECT_EQ(toto.StringToDate(nbsp + "2021年1月16日" + nbsp + "13:50"), At(2021, 1, 16, 13, 50));
    EXPECT_EQ(toto.StringToDateEx2("2021年1月16日(土)" + nbsp + "13:50まで"),
              At(2021, 1, 16, 13, 50));
    EXPECT_TRUE(toto.IsDate("01/17" + nbsp));
    EXPECT_EQ(toto.StringToCurrency("1,234" + nbsp + "円"), Currency::FromInt(1234));
    Currency count, rate;
    ASSERT_TRUE(toto.GetValue2("45,670" + nbsp + "(45.67%)" + nbsp, count, rate));
    EXPECT_EQ(count, Currency::FromInt(45670));
    EXPECT_EQ(rate, *Currency::Parse("45.67"));
    DateTime asOf;
    bool final = false;
    EXPECT_TRUE(toto.GetStringToDateNow("(1月15日(金)18:00" + nbsp + "時点)", asOf, final));
    EXPECT_EQ(asOf, At(2021, 1, 15, 18, 0));
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(HtmlTotoTest, AmountsAreReadWholeOrNotAtAll)
{
    EXPECT_EQ(toto.ToAmount("999,999,999,999円"), Currency::FromInt(999'999'999'999));
    EXPECT_EQ(toto.ToAmount("00001,234"), Currency::FromInt(1234));
    EXPECT_EQ(toto.ToAmount("45.67%"), *Currency::Parse("45.67"));
    // No digits at all is 0, as StringToCurrency reads it.
    EXPECT_EQ(toto.ToAmount("-"), Currency());
    EXPECT_EQ(toto.ToAmount(""), Currency());
    for (const char* bad : {"1,000,000,000,000円", "99999999999999999999", "1.2.3"}) {
        EXPECT_FALSE(toto.ToAmount(bad).has_value()) << bad;
    }
    EXPECT_TRUE(host.Messages.empty());
}

// A point with no digits on one side; two points are no number, even when one of them would
// be dropped as a trailing point.
TEST_F(HtmlTotoTest, PointsAtTheEdgesOfANumber)
{
    EXPECT_EQ(toto.StringToCurrency(".5円"), *Currency::Parse("0.5"));
    EXPECT_EQ(toto.StringToCurrency("12.円"), Currency::FromInt(12));
    EXPECT_EQ(toto.StringToCurrency("."), Currency());
    EXPECT_EQ(toto.StringToCurrency(".."), Currency());
    EXPECT_EQ(toto.StringToCurrency("1.."), Currency());
    EXPECT_EQ(toto.ToAmount(".5%"), *Currency::Parse("0.5"));
    EXPECT_EQ(toto.ToAmount("12.円"), Currency::FromInt(12));
    EXPECT_EQ(toto.ToAmount("."), Currency());
    EXPECT_FALSE(toto.ToAmount("..").has_value());
    EXPECT_FALSE(toto.ToAmount("1..").has_value());
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(HtmlTotoTest, TeamCellsThatHoldValues)
{
    for (const char* value :
         {"01/16", "2021年1月16日", "13:00", "1,234", "45.67%", "2-1", "(30%)", "１２"}) {
        EXPECT_TRUE(toto.LooksLikeValue(value)) << value;
    }
    for (const char* name :
         {"FC東京", "京都サンガF.C.", "V・ファーレン長崎", "1.FCケルン", "", "横浜F・マリノス"}) {
        EXPECT_FALSE(toto.LooksLikeValue(name)) << name;
    }
}
