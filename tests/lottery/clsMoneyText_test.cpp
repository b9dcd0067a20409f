#include "lottery/clsMoneyText.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

namespace {

using K = clsMoneyText::Key;

struct MoneyTextTest : ::testing::Test
{
    RecordingHost host;
    clsMoneyText box{host, host};
    int changes = 0;

    void SetUp() override
    {
        box.Change = [this] { ++changes; };
        box.Initialize();
    }
    void Type(std::string_view s)
    {
        for (char c : s) {
            box.KeyChar(static_cast<char32_t>(c));
        }
    }
};

TEST_F(MoneyTextTest, TypingGroupsThousandsAndKeepsTheCaretAtTheEnd)
{
    EXPECT_EQ("0", box.Text());
    EXPECT_EQ(1, box.SelStart());
    Type("1234567");
    EXPECT_EQ("1,234,567", box.Text());
    EXPECT_EQ(9, box.SelStart());
    EXPECT_EQ(Currency::FromInt(1234567), box.Value());
    // Letters, signs and points never reach the text.
    EXPECT_TRUE(box.KeyChar(U'a'));
    EXPECT_TRUE(box.KeyChar(U'-'));
    EXPECT_TRUE(box.KeyChar(U'.'));
    EXPECT_EQ("1,234,567", box.Text());
    EXPECT_EQ(8, changes);
}

TEST_F(MoneyTextTest, CaretKeepsItsDistanceFromTheEnd)
{
    box.SetValue(Currency::FromInt(1234));
    box.SetSelection(1, 0); // between "1" and ","
    Type("9");
    EXPECT_EQ("19,234", box.Text());
    EXPECT_EQ(2, box.SelStart());
    // A new group shifts the text, not the caret's distance from the end.
    box.SetValue(Currency::FromInt(999));
    box.SetSelection(0, 0);
    Type("5");
    EXPECT_EQ("5,999", box.Text());
    EXPECT_EQ(2, box.SelStart());
    // Removing a group: the caret never goes before the start.
    box.SetValue(Currency::FromInt(1000));
    box.SetSelection(1, 0);
    box.KeyChar(U'\b');
    EXPECT_EQ("0", box.Text()); // "000" loses its leading zeros
    EXPECT_EQ(0, box.SelStart());
}

TEST_F(MoneyTextTest, BackSpaceAndDeleteStepOverSeparators)
{
    box.SetValue(Currency::FromInt(1234567));
    box.SetSelection(2, 0); // just after the first ","
    box.KeyChar(U'\b');     // removes the "1"
    EXPECT_EQ("234,567", box.Text());
    EXPECT_EQ(0, box.SelStart());
    box.SetSelection(3, 0); // just before ","
    box.KeyDown(K::Delete, false, false);
    EXPECT_EQ("23,467", box.Text());
    EXPECT_EQ(3, box.SelStart());
    box.SetSelection(6, 0);
    box.KeyDown(K::Delete, false, false); // nothing to the right
    EXPECT_EQ("23,467", box.Text());
    box.SetSelection(0, 0);
    box.KeyChar(U'\b'); // nothing to the left
    EXPECT_EQ("23,467", box.Text());
}

TEST_F(MoneyTextTest, SelectionIsReplacedOrRemoved)
{
    box.SetValue(Currency::FromInt(1234567));
    box.SetSelection(2, 5); // "234,5"
    Type("8");
    EXPECT_EQ("1,867", box.Text());
    EXPECT_EQ(Currency::FromInt(1867), box.Value());
    box.KeyDown(K::A, false, true);
    EXPECT_EQ(0, box.SelStart());
    EXPECT_EQ(5, box.SelLength());
    box.KeyDown(K::Delete, false, false);
    EXPECT_EQ("0", box.Text());
    box.SetValue(Currency::FromInt(5555));
    box.SetSelection(5, -3); // dragged backwards
    EXPECT_EQ(2, box.SelStart());
    EXPECT_EQ(3, box.SelLength());
    box.KeyChar(U'\b');
    EXPECT_EQ("5", box.Text()); // "5,555" without "555"
}

TEST_F(MoneyTextTest, ClampingToMinAndMax)
{
    box.SetMin(Currency::FromInt(100));
    box.SetMax(Currency::FromInt(9999999999));
    EXPECT_EQ("0", box.Text()); // limits act at the next edit
    Type("5");
    EXPECT_EQ("100", box.Text());
    box.SetValue(Currency::FromInt(123456789012));
    EXPECT_EQ("9,999,999,999", box.Text());
    box.SetValue(Currency::FromInt(-5));
    EXPECT_EQ("100", box.Text());
    // Digits beyond the amount type end at Max.
    box.SetMax(Currency::FromInt(922337203685477));
    box.EditText("99999999999999999999999", 23);
    EXPECT_EQ("922,337,203,685,477", box.Text());
    EXPECT_EQ(19, box.SelStart());
    box.EditText("922337203685478", 15);
    EXPECT_EQ("922,337,203,685,477", box.Text());
    EXPECT_EQ(Currency::FromInt(922337203685477), box.Value());
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(MoneyTextTest, ArrowsCrossOneDigitAndTheSeparatorWithIt)
{
    box.SetValue(Currency::FromInt(1234)); // "1,234"
    std::vector<std::int32_t> seen;
    for (int i = 0; i < 6; ++i) {
        box.KeyDown(K::Left, false, false);
        seen.push_back(box.SelStart());
    }
    EXPECT_EQ((std::vector<std::int32_t>{4, 3, 1, 0, 0, 0}), seen);
    seen.clear();
    for (int i = 0; i < 5; ++i) {
        box.KeyDown(K::Right, false, false);
        seen.push_back(box.SelStart());
    }
    EXPECT_EQ((std::vector<std::int32_t>{2, 3, 4, 5, 5}), seen);
    // With Shift the view extends the selection itself.
    EXPECT_FALSE(box.KeyDown(K::Left, true, false));
    // A selection collapses to the side of the arrow.
    box.SetSelection(1, 3);
    box.KeyDown(K::Right, false, false);
    EXPECT_EQ(4, box.SelStart());
    EXPECT_EQ(0, box.SelLength());
}

TEST_F(MoneyTextTest, ClipboardCopiesDigitsAndPastesNumbers)
{
    box.SetValue(Currency::FromInt(1234567));
    box.KeyDown(K::C, false, true);
    EXPECT_EQ("1234567", host.Clipboard);
    host.Clipboard = " 2,500 ";
    box.KeyDown(K::V, false, true);
    EXPECT_EQ("2,500", box.Text());
    EXPECT_EQ(5, box.SelStart());
    host.Clipboard = "￥3,000";
    box.KeyDown(K::V, false, true);
    EXPECT_EQ("3,000", box.Text());
    host.Clipboard = "12.6";
    box.KeyDown(K::V, false, true);
    EXPECT_EQ("13", box.Text());
    host.Clipboard = "-40";
    box.KeyDown(K::V, false, true);
    EXPECT_EQ("0", box.Text());
    host.Clipboard = "abc";
    box.KeyDown(K::V, false, true);
    EXPECT_EQ("0", box.Text());
    host.Clipboard = "12abc";
    box.SetValue(Currency::FromInt(7));
    box.KeyDown(K::V, false, true);
    EXPECT_EQ("7", box.Text());
    // Without Ctrl the letters are the view's.
    EXPECT_FALSE(box.KeyDown(K::V, false, false));
}

TEST(clsMoneyTextDigits, TakesDigitsOnlyWithoutLeadingZeros)
{
    EXPECT_EQ("0", clsMoneyText::Digits(""));
    EXPECT_EQ("0", clsMoneyText::Digits("0,000"));
    EXPECT_EQ("1020", clsMoneyText::Digits("a0-1,02x0"));
}

} // namespace
