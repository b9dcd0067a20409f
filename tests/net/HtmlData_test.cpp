#include "net/clsHtmlData.h"
#include "net/clsHtmlGet.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

namespace {
std::vector<std::string> TextList(const std::string& strHtml)
{
    RecordingHost host;
    clsHtmlGet get(host, host, host);
    get.SetHtml("http://127.0.0.1/", strHtml);
    std::vector<std::string> list;
    get.GetTextData(list);
    return list;
}

using List = std::vector<std::string>;
} // namespace

TEST(HtmlData, TagsTextsAndBodyRegion)
{
    clsHtmlData data;
    // A text run still open at the end of the page ("after") is dropped.
    ASSERT_EQ(data.GetHtmlData("<html><BODY class=\"a  b\">\r\n x\t y <A HREF=x>z</a></Body>"
                               "after"),
              7);
    const auto& it = data.Items();
    EXPECT_TRUE(it[1].IsTag);
    EXPECT_EQ(it[1].Name, "BODY");
    EXPECT_EQ(it[1].PartCount, 2);
    EXPECT_EQ(it[1].Parts[1], "class=\"a");
    EXPECT_FALSE(it[1].InBody);
    EXPECT_EQ(it[2].Name, "x y");
    EXPECT_FALSE(it[2].IsTag);
    EXPECT_TRUE(it[2].InBody);
    EXPECT_EQ(it[5].Name, "a");
    EXPECT_TRUE(it[5].IsEndTag);
    EXPECT_TRUE(it[6].IsEndTag);
    EXPECT_FALSE(it[6].InBody);
}

TEST(HtmlData, CleaningAndEntities)
{
    EXPECT_EQ(clsHtmlData::CleanToken("  a&amp;lt;b\r\n\r\nc&quot;&gt;&#169;&#174;&nbsp; "),
              "a&lt;b c\">(c)(r)&nbsp;");
    EXPECT_EQ(TextList("<body><p>a&amp;lt;b</p></body>"), List{"a&lt;b"});
}

TEST(HtmlData, TextThatBeginsWithAnEscapedBracketStaysText)
{
    // Once cleaned the run begins with "<"; it was taken for a tag, lost from the list, and its
    // name lost the last byte of "台" as if it were ">".
    clsHtmlData data;
    ASSERT_EQ(data.GetHtmlData("<body>&lt;\xE4\xBB\x99\xE5\x8F\xB0&gt;</body>"), 3);
    EXPECT_FALSE(data.Items()[1].IsTag);
    EXPECT_EQ(data.Items()[1].Name, "<\xE4\xBB\x99\xE5\x8F\xB0>");
    EXPECT_EQ(TextList("<body><td>&lt;\xE5\x8F\xB0</td><td>x</td></body>"),
              (List{"<\xE5\x8F\xB0", "x"}));
}

TEST(HtmlData, CommentsOneTokenAndSpanningSeveral)
{
    clsHtmlData data;
    data.GetHtmlData("<body><!-- x > y --><!-- one --><p>t</p></body>");
    const auto& it = data.Items();
    ASSERT_EQ(it.size(), 8u);
    EXPECT_TRUE(it[1].IsComment);
    EXPECT_TRUE(it[1].IsTag);
    EXPECT_EQ(it[2].Raw, "y -->");
    EXPECT_TRUE(it[2].IsComment);
    EXPECT_FALSE(it[2].IsTag);
    EXPECT_FALSE(it[2].InBody);
    EXPECT_EQ(it[3].Name, "one");
    EXPECT_TRUE(it[3].IsComment);
    EXPECT_EQ(TextList("<body><!-- x > y --><b>t</b><!-- <p>hidden</p> --><i>u</i></body>"),
              (List{"t", "u"}));
    // Text glued to a comment's end belongs to that comment token.
    EXPECT_TRUE(TextList("<body><!-- x > y -->t</body>").empty());
}

TEST(HtmlData, TextListRules)
{
    EXPECT_TRUE(TextList("<p>no body</p>").empty());
    EXPECT_EQ(TextList("<body>A</body><script>x()</script>tail"), List{"A"});
    EXPECT_EQ(TextList("<body>A<br>B<BR>C</body>"), List{"ABC"});
    EXPECT_EQ(TextList("<body>A<br><b>B</b></body>"), (List{"A", "B"}));
    EXPECT_EQ(TextList("<body><br>A<br/>B</body>"), (List{"A", "B"}));
    EXPECT_EQ(TextList("<body>2021年 1月16日<td>ab\xE3\x80\x80"
                       "c\td</td></body>"),
              (List{"2021年1月16日", "abcd"}));
    // Unfinished tokens at the end are dropped.
    EXPECT_EQ(TextList("<body>A<p"), List{"A"});
}

TEST(HtmlData, HostileInputStaysBounded)
{
    clsHtmlData data;
    EXPECT_EQ(data.GetHtmlData(""), 0);
    EXPECT_EQ(data.GetHtmlData("<"), 0);
    EXPECT_EQ(data.GetHtmlData("<>"), 1);
    EXPECT_EQ(data.Items()[0].Name, "");
    EXPECT_EQ(data.GetHtmlData("<!---->"), 1);
    EXPECT_EQ(data.GetHtmlData(std::string("<body>\0x</body>", 15)), 3);
    EXPECT_EQ(data.Items()[1].Name, "x");
}

TEST(HtmlData, LiteralNoBreakSpaceIsABlankTheEntityStaysText)
{
    const std::string nbsp = "\xC2\xA0";
    EXPECT_EQ(TextList("<body><th>投票" + nbsp + "枚数</th><td>45,670" + nbsp +
                       "(45.67%)</td><td>&nbsp;x</td></body>"),
              (List{"投票枚数", "45,670(45.67%)", "&nbsp;x"}));
}
