#include "base/basText.h"

#include <gtest/gtest.h>

#include <string>

using namespace basText;

TEST(basText, Cp932RoundTripsOfTheCharactersWindowsMapsDifferently)
{
    struct Case
    {
        const char* Utf8;
        const char* Bytes;
    };
    const Case cases[] = {
        {"～", "\x81\x60"},
        {"―", "\x81\x5C"},
        {"－", "\x81\x7C"},
        {"￢", "\x81\xCA"},
        {"∥", "\x81\x61"},
        {"ｷｬﾝｾﾙ", "\xB7\xAC\xDD\xBE\xD9"},
        {"\u3000", "\x81\x40"},
        {"髙", "\xFB\xFC"},
        {"①", "\x87\x40"},
        {"\\~", "\\~"},
        {"◎○▲△×☆", "\x81\x9D\x81\x9B\x81\xA3\x81\xA2\x81\x7E\x81\x99"},
    };
    for (const auto& c : cases) {
        std::string bytes;
        ASSERT_TRUE(TryToSjis(c.Utf8, bytes)) << c.Utf8;
        EXPECT_EQ(bytes, c.Bytes) << c.Utf8;
        std::string back;
        ASSERT_TRUE(TryFromSjis(bytes, back)) << c.Utf8;
        EXPECT_EQ(back, c.Utf8);
    }
}

TEST(basText, UnencodableAndUndecodableTextIsMarkedNotDropped)
{
    std::string out;
    EXPECT_FALSE(TryToSjis("aéb", out));
    EXPECT_EQ(ToSjis("aéb"), "a?b");
    EXPECT_EQ(ToSjis("x😀y"), "x?y");
    EXPECT_FALSE(TryFromSjis("a\x85\x40z", out));
    EXPECT_EQ(FromSjis("a\x85\x40z"), "a\uFFFDz");
    // A lead byte cut off at the end of a file.
    EXPECT_EQ(FromSjis("ab\x82"), "ab\uFFFD");
    // A bad lead byte followed by ASCII keeps the ASCII.
    EXPECT_EQ(FromSjis("\x85\x0Dz"), "\uFFFD\rz");
}

TEST(basText, ByteWidthsCountFullWidthAsTwo)
{
    EXPECT_EQ(LenB(""), 0);
    EXPECT_EQ(LenB("abc"), 3);
    EXPECT_EQ(LenB("あいう"), 6);
    EXPECT_EQ(LenB("ｶﾞ"), 2);
    EXPECT_EQ(LenB("～\u3000x"), 5);
    EXPECT_EQ(Len("あaｶﾞ"), 4);
}

TEST(basText, LeftBNeverSplitsADoubleByteCharacter)
{
    EXPECT_EQ(LeftB("aあい", 0), "");
    EXPECT_EQ(LeftB("aあい", 1), "a");
    EXPECT_EQ(LeftB("aあい", 2), "a");
    EXPECT_EQ(LeftB("aあい", 3), "aあ");
    EXPECT_EQ(LeftB("aあい", 4), "aあ");
    EXPECT_EQ(LeftB("aあい", 5), "aあい");
    EXPECT_EQ(LeftB("aあい", 50), "aあい");
    EXPECT_EQ(LeftB("ｱｲｳ", 2), "ｱｲ");
    EXPECT_EQ(LeftB("～～", 3), "～");
    EXPECT_EQ(LeftB("abc", -1), "");
}

TEST(basText, MidAndChars)
{
    EXPECT_EQ(Mid("あいうえお", 2, 2), "いう");
    EXPECT_EQ(Mid("あいうえお", 4), "えお");
    EXPECT_EQ(Mid("abc", 5, 2), "");
    EXPECT_EQ(Mid("abc", 0, 2), "ab");
    ASSERT_EQ(Chars("aあｶ").size(), 3u);
    EXPECT_EQ(Chars("aあｶ")[1], "あ");
}

TEST(basText, LinesTrimAndNul)
{
    const auto lines = SplitLines("a\r\nb\nc\rd\r\n");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2], "c");
    EXPECT_EQ(lines[3], "d");
    const auto blank = SplitLines("a\r\n\r\nb");
    ASSERT_EQ(blank.size(), 3u);
    EXPECT_EQ(blank[1], "");
    EXPECT_TRUE(SplitLines("").empty());
    EXPECT_EQ(Trim(" \t\u3000あ い\u3000 "), "あ い");
    EXPECT_EQ(Trim("\u3000"), "");
    EXPECT_EQ(TrimBlanks(" \t\u3000あ い\u3000 \t"), "\u3000あ い\u3000");
    EXPECT_EQ(TrimBlanks(" \t "), "");
    EXPECT_EQ(TrimSpaces("  \t\u3000あ い\u3000\t  "), "\t\u3000あ い\u3000\t");
    EXPECT_EQ(TrimSpaces("   "), "");
    EXPECT_EQ(TrimSpaces(""), "");
    EXPECT_EQ(CutAtNul(std::string_view("ab\0cd", 5)), "ab");
    EXPECT_EQ(CutAtNul("abc"), "abc");
}

TEST(basText, CaseAndReplaceTouchOnlyAscii)
{
    EXPECT_TRUE(IsDigit('0') && IsDigit('9'));
    EXPECT_FALSE(IsDigit('/') || IsDigit(':') || IsDigit(' '));
    // The lead and trail bytes of multi-byte text are no digits, whatever the char's sign.
    for (const char c : std::string("０１あ")) {
        EXPECT_FALSE(IsDigit(c));
    }
    EXPECT_EQ(UCase("abcＡａz"), "ABCＡａZ");
    EXPECT_EQ(LCase("ABC漢"), "abc漢");
    EXPECT_TRUE(EqualsNoCase("TotoOfficialVoteUrl", "TOTOOFFICIALVOTEURL"));
    EXPECT_FALSE(EqualsNoCase("ａ", "Ａ"));
    EXPECT_EQ(Replace("a--b--", "--", "="), "a=b=");
    EXPECT_EQ(Replace("abc", "", "x"), "abc");
    EXPECT_TRUE(IsValidUtf8("あ"));
    EXPECT_FALSE(IsValidUtf8("\xE3\x81"));
    EXPECT_FALSE(IsValidUtf8("\x82\xA0"));
}

TEST(basText, EncodingOfFileBytes)
{
    std::int32_t line = -1;
    EXPECT_EQ(DetectEncoding("a = 1\r\nb = 2\r\n", line), TextEncoding::Ascii);
    EXPECT_EQ(line, 0);
    const std::string sjis = ToSjis("a\r\n<投票状況>\r\nｷｬﾝｾﾙ 髙 ①\r\n");
    std::string text;
    EXPECT_EQ(DetectEncoding(sjis, line, &text), TextEncoding::Cp932);
    EXPECT_EQ(line, 0);
    EXPECT_EQ(text, "a\r\n<投票状況>\r\nｷｬﾝｾﾙ 髙 ①\r\n");
    EXPECT_EQ(DetectEncoding("x=1", line, &text), TextEncoding::Ascii);
    EXPECT_EQ(text, "x=1");
    // The same text as UTF-8, with and without its byte-order mark.
    EXPECT_EQ(DetectEncoding("a\r\n<投票状況>\r\n", line), TextEncoding::Utf8);
    EXPECT_EQ(line, 2);
    EXPECT_EQ(DetectEncoding("\xEF\xBB\xBF;a\r\n", line), TextEncoding::Utf8Bom);
    EXPECT_EQ(line, 1);
    // An overlong form is no UTF-8, and 0xC0 0x80 is no CP932 either.
    EXPECT_EQ(DetectEncoding("a\n\xC0\x80\n", line), TextEncoding::NotCp932);
    EXPECT_EQ(line, 2);
    EXPECT_EQ(DetectEncoding(sjis + "x\n\x85\x40\n", line), TextEncoding::NotCp932);
    EXPECT_EQ(line, 5);
    // A lead byte cut off at the very end.
    EXPECT_EQ(DetectEncoding(sjis + "\x82", line), TextEncoding::NotCp932);
    EXPECT_EQ(line, 4);
}

TEST(basText, TabSeparatedCellsCannotShiftTheOnesAfterThem)
{
    EXPECT_EQ(basText::TabSeparated({}), "");
    EXPECT_EQ(basText::TabSeparated({{"シングル", " 13"}, {"", "x"}}), "シングル\t 13\n\tx\n");
    // A cell's own tab or line break would open a new cell or row when pasted.
    EXPECT_EQ(basText::TabSeparated({{"a\tb", "c\r\nd"}, {"e"}}), "a b\tc  d\ne\n");
}
