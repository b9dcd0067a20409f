#include "files/basCsvRecord.h"

#include <gtest/gtest.h>

namespace {
using Fields = std::vector<std::string>;

TEST(basCsvRecord, QuotedFieldsKeepCommasAndDoubledQuotes)
{
    EXPECT_EQ(basCsvRecord::SplitFields("1,0,2"), (Fields{"1", "0", "2"}));
    EXPECT_EQ(basCsvRecord::SplitFields(R"("1","0",2)"), (Fields{"1", "0", "2"}));
    EXPECT_EQ(basCsvRecord::SplitFields(R"(a,"b,c","say ""hi""",,"")"),
              (Fields{"a", "b,c", R"(say "hi")", "", ""}));
    // A quote inside an unquoted field is text; text after a closing quote stays in the field.
    EXPECT_EQ(basCsvRecord::SplitFields(R"(5"x,"y"z)"), (Fields{R"(5"x)", "yz"}));
    EXPECT_EQ(basCsvRecord::SplitFields(""), (Fields{""}));
}

TEST(basCsvRecord, OpenQuotesCarryTheRecordOverTheLineEnd)
{
    EXPECT_FALSE(basCsvRecord::IsOpen(R"(1,"a,b",2)"));
    EXPECT_TRUE(basCsvRecord::IsOpen(R"(1,"a)"));
    EXPECT_TRUE(basCsvRecord::IsOpen(R"("a"")")); // the doubled quote is text
    EXPECT_FALSE(basCsvRecord::IsOpen(R"(a"b)")); // not a quoted field
    EXPECT_FALSE(basCsvRecord::IsOpen(R"(b",1)", true));
    EXPECT_TRUE(basCsvRecord::IsOpen(R"(b"",1)", true));
    EXPECT_TRUE(basCsvRecord::IsOpen("", true));
}

TEST(basCsvRecord, ByteOrderMarkOnlyAtTheStart)
{
    EXPECT_EQ(basCsvRecord::WithoutBom("\xEF\xBB\xBF"
                                       "1,2"),
              "1,2");
    EXPECT_EQ(basCsvRecord::WithoutBom("1,2\xEF\xBB\xBF"), "1,2\xEF\xBB\xBF");
    EXPECT_EQ(basCsvRecord::WithoutBom("\xEF\xBB"), "\xEF\xBB");
}
} // namespace
