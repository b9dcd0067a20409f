#include "base/basText.h"
#include "print/clsTPrintCard.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
Currency Mm(std::string_view strValue)
{
    return *Currency::Parse(strValue);
}

// Centres of the marks among the operations.
std::vector<std::pair<Currency, Currency>> Centres(const std::vector<PrintOp>& ops,
                                                   PrintOpKind kind)
{
    std::vector<std::pair<Currency, Currency>> out;
    for (const auto& op : ops) {
        if (op.Kind == kind) {
            out.emplace_back((op.X1 + op.X2) / 2, (op.Y1 + op.Y2) / 2);
        }
    }
    return out;
}

clsTPrintCard PrintCard(bool blnLandscape = false)
{
    return clsTPrintCard(Currency(), Currency(), blnLandscape, clsTPrintCard::DrawMode::Print);
}

// The composition as a ticket number: match 1 is the lowest base-3 digit.
std::int32_t Ticket(const std::array<int, 13>& codes)
{
    std::int32_t n = 0;
    for (int m = 12; m >= 0; --m) {
        n = n * 3 + codes[static_cast<std::size_t>(m)];
    }
    return n;
}
} // namespace

TEST(clsTPrintCard, TicketMarksSitInTheOutcomeColumnOfTheirSlotAndMatch)
{
    auto card = PrintCard();
    // Home win, draw, away win, then draws.
    card.TicketMarks(1, Ticket({1, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2}));
    card.TicketMarks(10, Ticket({2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
    const auto& ops = card.Ops();
    ASSERT_EQ(ops.size(), 26U);
    for (const auto& op : ops) {
        EXPECT_EQ(op.Kind, PrintOpKind::FillRect);
        EXPECT_EQ(op.X2 - op.X1, Mm("1"));
        EXPECT_EQ(op.Y2 - op.Y1, Mm("3.5"));
        EXPECT_FALSE(op.HasColour);
    }
    const auto c = Centres(ops, PrintOpKind::FillRect);
    EXPECT_EQ(c[0], std::make_pair(Mm("72.5"), Mm("4.75")));
    EXPECT_EQ(c[1], std::make_pair(Mm("76"), Mm("9.75")));
    EXPECT_EQ(c[2], std::make_pair(Mm("79.5"), Mm("14.75")));
    EXPECT_EQ(c[12], std::make_pair(Mm("79.5"), Mm("64.75")));
    EXPECT_EQ(c[13], std::make_pair(Mm("174"), Mm("4.75")));
    EXPECT_EQ(c[14], std::make_pair(Mm("167"), Mm("9.75")));
    EXPECT_EQ(c[15], std::make_pair(Mm("170.5"), Mm("14.75")));
    EXPECT_EQ(c[25], std::make_pair(Mm("167"), Mm("64.75")));
}

TEST(clsTPrintCard, RoundMarksTakeTheLastTwoDigits)
{
    const auto marks = [](std::int32_t n) {
        auto card = PrintCard();
        card.RoundMarks(n);
        return Centres(card.Ops(), PrintOpKind::FillRect);
    };
    using P = std::vector<std::pair<Currency, Currency>>;
    EXPECT_EQ(marks(1234), (P{{Mm("30.5"), Mm("34.75")}, {Mm("34"), Mm("39.75")}}));
    EXPECT_EQ(marks(7), (P{{Mm("30.5"), Mm("19.75")}, {Mm("34"), Mm("54.75")}}));
    EXPECT_EQ(marks(100), (P{{Mm("30.5"), Mm("19.75")}, {Mm("34"), Mm("19.75")}}));
    EXPECT_TRUE(marks(0).empty());
}

TEST(clsTPrintCard, GroupMarkBoxes)
{
    const auto mark = [](std::string_view strKumi) {
        auto card = PrintCard();
        card.GroupMark(strKumi);
        return Centres(card.Ops(), PrintOpKind::FillRect);
    };
    using P = std::vector<std::pair<Currency, Currency>>;
    EXPECT_EQ(mark("A"), (P{{Mm("44.5"), Mm("34.75")}}));
    EXPECT_EQ(mark("B"), (P{{Mm("48"), Mm("34.75")}}));
    EXPECT_TRUE(mark("").empty());
}

TEST(clsTPrintCard, MarginTexts)
{
    EXPECT_EQ(clsTPrintCard::PageLabel(1, 3), "      1/3");
    EXPECT_EQ(clsTPrintCard::PageLabel(9999, 9999), "9999/9999");
    EXPECT_EQ(clsTPrintCard::PageLabel(12345, 99999), "345/99999");
    EXPECT_EQ(clsTPrintCard::FileNameLabel("abcdefghijkl", 12), "abcdefghijkl");
    EXPECT_EQ(clsTPrintCard::FileNameLabel("abcdefghijkl", 11), "abcdefghi…");
    EXPECT_EQ(clsTPrintCard::FileNameLabel("あいうえおかき", 14), "あいうえおかき");
    EXPECT_EQ(clsTPrintCard::FileNameLabel("あいうえおかき", 13), "あいうえお…");
    // A character that does not fit whole is left out whole.
    EXPECT_EQ(clsTPrintCard::FileNameLabel("abcdefghiあ.drd", 12), "abcdefghi…");
    EXPECT_EQ(clsTPrintCard::FileNameLabel("", 10), "");

    auto card = PrintCard();
    card.PageText(3, 3);
    card.FileNameText("sample.drd");
    ASSERT_EQ(card.Ops().size(), 2U);
    const PrintOp& page = card.Ops()[0];
    EXPECT_EQ(page.Kind, PrintOpKind::Text);
    EXPECT_EQ(page.Text, "      3/3");
    EXPECT_EQ(page.X1, Mm("3"));
    EXPECT_EQ(page.Y1, Mm("9.75"));
    EXPECT_EQ(page.PointSize, Mm("9"));
    EXPECT_EQ(page.Font, "ＭＳ ゴシック");
    EXPECT_EQ(card.Ops()[1].Text, "sample.drd");
    EXPECT_EQ(card.Ops()[1].Y1, Mm("14.75"));
}

TEST(clsTPrintCard, ALongJapaneseFileNameIsWholeWhereTheMarginHoldsIt)
{
    const std::string name = "第1234回　本命と穴狙いの組み合わせ.drd";
    EXPECT_EQ(clsTPrintCard::TextCells(name), 38);
    // The margin measured in the font's cells never reaches what follows on the line.
    const Currency cell = Mm("9") * Mm("25.4") / 144;
    for (const bool matchLines : {false, true}) {
        const std::int32_t cells = clsTPrintCard::FileNameCells(matchLines);
        const Currency end = matchLines ? Mm("37.5") : clsTPrintCard::TicketX(1, 0) - Mm("0.5");
        EXPECT_LE(Mm("3") + cell * cells, end) << matchLines;
        EXPECT_GT(Mm("3") + cell * (cells + 2), end - Mm("1")) << matchLines;
    }

    auto card = PrintCard();
    card.FileNameText(name);
    ASSERT_EQ(card.Ops().size(), 1U);
    EXPECT_EQ(card.Ops()[0].Text, name);

    // Beside the match lines it is shortened, at a whole character, and marked as shortened.
    auto beside = PrintCard();
    beside.FileNameText(name, true);
    const std::string shown = beside.Ops()[0].Text;
    ASSERT_GE(shown.size(), std::string("…").size());
    EXPECT_EQ(shown.substr(shown.size() - 3), "…");
    const std::string head = shown.substr(0, shown.size() - 3);
    EXPECT_EQ(name.substr(0, head.size()), head);
    EXPECT_TRUE(basText::IsValidUtf8(head));
    EXPECT_LE(clsTPrintCard::TextCells(shown), clsTPrintCard::FileNameCells(true));
    EXPECT_GT(clsTPrintCard::TextCells(shown) + 2, clsTPrintCard::FileNameCells(true));
}

TEST(clsTPrintCard, FittingNeverSplitsACharacterFromItsMarks)
{
    // か + combining voiced mark is one character on paper.
    const std::string ga = "か\xE3\x82\x99";
    EXPECT_EQ(clsTPrintCard::TextCells("ab" + ga + "cdef"), 8);
    EXPECT_EQ(clsTPrintCard::FitCells("ab" + ga + "cdef", 8), "ab" + ga + "cdef");
    EXPECT_EQ(clsTPrintCard::FitCells("ab" + ga + "cdef", 6), "ab" + ga + "…");
    EXPECT_EQ(clsTPrintCard::FitCells("ab" + ga + "cdef", 5), "ab…");
    EXPECT_EQ(clsTPrintCard::TextCells("ｶﾀｶﾅ"), 4);
    EXPECT_EQ(clsTPrintCard::FitCells("abc", 1), "");
}

TEST(clsTPrintCard, MatchLinesPadAndCutTeamNames)
{
    ScheduleRecord rec;
    rec.Match[0].GameDate = DateTime::FromYmd(2026, 5, 16);
    rec.Match[0].Home = "ＡＢ";
    rec.Match[0].Away = "ＣＤＥＦ";
    rec.Match[12].GameDate = DateTime::FromYmd(2026, 11, 3);
    rec.Match[12].Home = "鹿島アントラーズ";
    rec.Match[12].Away = "";
    EXPECT_EQ(clsTPrintCard::MatchLabel(rec.Match[0]), "05/16 ＡＢ　 ＣＤＥ");
    EXPECT_EQ(clsTPrintCard::MatchLabel(rec.Match[12]), "11/03 鹿島ア 　　　");

    auto card = PrintCard();
    card.MatchCardTexts(rec);
    ASSERT_EQ(card.Ops().size(), 13U);
    for (std::size_t m = 0; m < 13; ++m) {
        const PrintOp& op = card.Ops()[m];
        EXPECT_EQ(op.X1, Mm("37.5"));
        EXPECT_EQ(op.Y1, Mm("4.75") + Mm("5") * static_cast<std::int64_t>(m));
        EXPECT_EQ(op.PointSize, Mm("6"));
    }
}

TEST(clsTPrintCard, TestSheetHasGridOutlineCornerAndEveryMark)
{
    clsTPrintCard card(Currency(), Currency(), false, clsTPrintCard::DrawMode::Test);
    card.TestSheet(true, true, true, "A");
    const auto& ops = card.Ops();
    const auto coloured = [&](PrintColour c) {
        return std::count_if(ops.begin(), ops.end(), [&](const PrintOp& op) {
            return op.Kind == PrintOpKind::Line && op.HasColour && op.Colour == c;
        });
    };
    EXPECT_EQ(coloured(PrintColour{200, 200, 255}), 204 + 83);
    EXPECT_EQ(coloured(PrintColour{0, 0, 255}), 21 + 9);
    const auto outline = std::find_if(ops.begin(), ops.end(), [](const PrintOp& op) {
        return op.Kind == PrintOpKind::Rect && op.HasColour;
    });
    ASSERT_NE(outline, ops.end());
    EXPECT_EQ(outline->Colour, (PrintColour{255, 0, 0}));
    EXPECT_EQ(outline->X2 - outline->X1, Mm("203"));
    EXPECT_EQ(outline->Y2 - outline->Y1, Mm("82.5"));

    // Test marks: an outline and both diagonals each; 390 ticket positions, 20 round digits
    // and two group boxes.
    const auto marks = Centres(ops, PrintOpKind::Rect);
    EXPECT_EQ(marks.size(), 1U + 390U + 20U + 2U);
    EXPECT_EQ(std::count_if(ops.begin(), ops.end(),
                            [](const PrintOp& op) { return op.Kind == PrintOpKind::Text; }),
              2 + 13);
    for (std::int32_t s = 1; s <= 10; ++s) {
        for (std::int32_t col = 0; col <= 2; ++col) {
            for (std::int32_t m = 1; m <= 13; ++m) {
                const auto at =
                    std::make_pair(clsTPrintCard::TicketX(s, col), clsTPrintCard::TicketY(m));
                EXPECT_EQ(std::count(marks.begin(), marks.end(), at), 1);
            }
        }
    }
    for (int d = 0; d <= 9; ++d) {
        const Currency y = Mm("19.75") + Mm("5") * d;
        EXPECT_EQ(std::count(marks.begin(), marks.end(), std::make_pair(Mm("30.5"), y)), 1);
        EXPECT_EQ(std::count(marks.begin(), marks.end(), std::make_pair(Mm("34"), y)), 1);
    }
    // Without a group neither group box is drawn.
    clsTPrintCard plain(Currency(), Currency(), false, clsTPrintCard::DrawMode::Test);
    plain.TestSheet(false, false, false, "");
    EXPECT_EQ(Centres(plain.Ops(), PrintOpKind::Rect).size(), 1U + 390U + 20U);
}

// Every placed operation moves by exactly the shift (and 127.5 mm down on a landscape sheet);
// the test print's black reference corner stays where the sheet starts.
TEST(clsTPrintCard, ShiftsAndLandscapeMoveEveryPlacedOperationExactly)
{
    const auto build = [](Currency adjX, Currency adjY, bool blnLandscape,
                          clsTPrintCard::DrawMode mode) {
        clsTPrintCard card(adjX, adjY, blnLandscape, mode);
        if (mode == clsTPrintCard::DrawMode::Test) {
            card.TestSheet(true, true, true, "B");
        } else {
            card.TicketMarks(3, 1234567);
            card.RoundMarks(1234);
            card.GroupMark("B");
            card.PageText(1, 2);
            card.FileNameText("x.drd");
            card.MatchCardTexts(ScheduleRecord{});
        }
        return card.Ops();
    };
    struct Case
    {
        const char* X;
        const char* Y;
        bool Landscape;
    };
    for (const auto mode : {clsTPrintCard::DrawMode::Print, clsTPrintCard::DrawMode::Test}) {
        const auto base = build(Currency(), Currency(), false, mode);
        for (const Case& c : {Case{"-2", "1.5", false}, Case{"1.5", "-1.5", false},
                              Case{"-1.5", "1.5", true}, Case{"0", "0", true}}) {
            const Currency dx = Mm(c.X);
            const Currency dy = Mm(c.Y) + (c.Landscape ? Mm("127.5") : Currency());
            const auto moved = build(Mm(c.X), Mm(c.Y), c.Landscape, mode);
            ASSERT_EQ(moved.size(), base.size());
            std::size_t fixed = 0;
            for (std::size_t i = 0; i < base.size(); ++i) {
                PrintOp expect = base[i];
                const bool corner = expect.Kind == PrintOpKind::Line && !expect.HasColour &&
                                    mode == clsTPrintCard::DrawMode::Test &&
                                    expect.X2 <= Mm("10") && expect.Y2 <= Mm("10") &&
                                    (expect.X1 == expect.X2 || expect.Y1 == expect.Y2);
                if (corner) {
                    ++fixed;
                    if (c.Landscape) {
                        expect.Y1 += Mm("200");
                        expect.Y2 += Mm("200");
                    }
                } else {
                    expect.X1 += dx;
                    expect.X2 += dx;
                    expect.Y1 += dy;
                    expect.Y2 += dy;
                }
                EXPECT_EQ(moved[i], expect) << "operation " << i;
            }
            EXPECT_EQ(fixed, mode == clsTPrintCard::DrawMode::Test ? 22U : 0U);
        }
    }
}
