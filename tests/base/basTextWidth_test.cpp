#include "base/basText.h"

#include <gtest/gtest.h>

using basText::StrConvNarrow;
using basText::StrConvWide;

TEST(StrConvWide, AsciiAndSpaceBecomeFullWidth)
{
    EXPECT_EQ(StrConvWide("Az09 !"), "Ａｚ０９\u3000！");
    EXPECT_EQ(StrConvWide("(1)/:"), "（１）／：");
    // Code page 932 writes these four differently from Unicode's wide forms.
    EXPECT_EQ(StrConvWide("\\~'\""), "￥￣’”");
    EXPECT_EQ(StrConvWide("漢字あア"), "漢字あア");
}

TEST(StrConvWide, VoicedMarksJoinTheirKana)
{
    EXPECT_EQ(StrConvWide("ｶﾞﾝﾊﾞ ｵｵｻｶ"), "ガンバ\u3000オオサカ");
    EXPECT_EQ(StrConvWide("ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ"), "パピプペポ");
    EXPECT_EQ(StrConvWide("ｳﾞｨｯｾﾙ"), "ヴィッセル");
    EXPECT_EQ(StrConvWide("ﾂﾞﾄﾞﾁﾞ"), "ヅドヂ");
    // A mark that cannot join stays a separate full-width mark.
    EXPECT_EQ(StrConvWide("ｱﾞｶﾟﾞ"), "ア゛カ゜゛");
    EXPECT_EQ(StrConvWide("ﾞ"), "゛");
    EXPECT_EQ(StrConvWide("ｯﾞ"), "ッ゛");
}

TEST(StrConvWide, KanaPunctuation)
{
    EXPECT_EQ(StrConvWide("｡｢｣､･ｰｦ"), "。「」、・ーヲ");
}

TEST(StrConvNarrow, FullWidthBecomesHalfWidth)
{
    EXPECT_EQ(StrConvNarrow("２０２１年１月１６日（土）１３：５０"), "2021年1月16日(土)13:50");
    EXPECT_EQ(StrConvNarrow("Ｊ１\u3000ｆｃ"), "J1 fc");
    EXPECT_EQ(StrConvNarrow("￥￣’”＼"), "\\~'\"\\");
    // The wave dash and hiragana have no narrow form.
    EXPECT_EQ(StrConvNarrow("～ひらがな"), "～ひらがな");
}

TEST(StrConvNarrow, VoicedKanaSplitIntoKanaAndMark)
{
    EXPECT_EQ(StrConvNarrow("ガンバオオサカ"), "ｶﾞﾝﾊﾞｵｵｻｶ");
    EXPECT_EQ(StrConvNarrow("パピプペポ"), "ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ");
    EXPECT_EQ(StrConvNarrow("ヴィッセル神戸"), "ｳﾞｨｯｾﾙ神戸");
    EXPECT_EQ(StrConvNarrow("ヂヅデド"), "ﾁﾞﾂﾞﾃﾞﾄﾞ");
    EXPECT_EQ(StrConvNarrow("。「」、・ー゛゜"), "｡｢｣､･ｰﾞﾟ");
    // Kana without a half-width form stay full-width.
    EXPECT_EQ(StrConvNarrow("ヵヶヮヰヱヾ"), "ヵヶヮヰヱヾ");
}

TEST(StrConv, EveryHalfWidthKanaRoundTrips)
{
    std::string all;
    for (const char* k : {"ｱ", "ｶ", "ｶﾞ", "ｻﾞ", "ﾀﾞ", "ﾊﾞ", "ﾊﾟ", "ﾎﾟ", "ﾏ", "ﾔ", "ﾗ", "ﾜ",
                          "ﾝ", "ｦ", "ｧ",  "ｯ",  "ｬ",  "ｰ",  "ｳﾞ", "A",  "z", "5", " "}) {
        all += k;
        EXPECT_EQ(StrConvNarrow(StrConvWide(k)), k) << k;
    }
    EXPECT_EQ(StrConvNarrow(StrConvWide(all)), all);
    EXPECT_EQ(StrConvWide(StrConvNarrow("ガンバ大阪")), "ガンバ大阪");
}

TEST(StrConv, MalformedBytesPassThrough)
{
    EXPECT_EQ(StrConvWide("a\xFF"
                          "b"),
              "ａ\xFF"
              "ｂ");
    EXPECT_EQ(StrConvNarrow("\xE3\x81"), "\xE3\x81");
}
