#include "RecordingPrintDevice.h"
#include "lottery/clsTMoney.h"
#include "lottery/clsTNumber.h"
#include "print/clsTPrint.h"
#include "print/clsTPrintCard.h"
#include "print/clsTPrintList.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace {
Currency Mm(std::string_view strValue)
{
    return *Currency::Parse(strValue);
}

// Tickets from the whole numbering, so that every outcome shows up somewhere.
PrintListInput Tickets(std::int32_t lngCount)
{
    PrintListInput in;
    in.Kaisaikai = 1234;
    in.Kumi = "A";
    std::mt19937 gen(7);
    std::uniform_int_distribution<std::int32_t> no(0, clsTNumber::P[13] - 1);
    for (std::int32_t i = 0; i < lngCount; ++i) {
        in.Singles.push_back(no(gen));
    }
    return in;
}

VoteRecord Votes()
{
    VoteRecord v;
    v.Kaisaikai = 1234;
    for (std::int64_t m = 0; m < 13; ++m) {
        v.Match[static_cast<std::size_t>(m)].Votes = {Currency::FromInt(1000 + 37 * m),
                                                      Currency::FromInt(2500 - 90 * m),
                                                      Currency::FromInt(1800 + 11 * m)};
        v.Match[static_cast<std::size_t>(m)].Home = "ホーム" + std::to_string(m + 1);
        v.Match[static_cast<std::size_t>(m)].Away = "アウェイ" + std::to_string(m + 1);
    }
    return v;
}

// The rows of a page as the ticket numbers (from 1) in its No. column, each with the outcomes
// printed in its row.
std::map<std::int32_t, std::string> RowsOf(const std::vector<PrintOp>& ops)
{
    std::map<Currency, std::int32_t> noAt;
    for (const auto& op : ops) {
        if (op.Kind == PrintOpKind::Text && op.Y1 >= clsTPrintList::RowY(0) &&
            op.X1 < clsTPrintList::OutcomeX(1) - Mm("2")) {
            noAt[op.Y1] = std::stoi(op.Text);
        }
    }
    std::map<std::int32_t, std::string> rows;
    for (const auto& [y, no] : noAt) {
        std::string& outcomes = rows[no];
        for (std::int32_t m = 1; m <= 13; ++m) {
            for (const auto& op : ops) {
                if (op.Kind == PrintOpKind::Text && op.Y1 == y &&
                    op.X1 > clsTPrintList::OutcomeX(m) - Mm("2.5") &&
                    op.X1 < clsTPrintList::OutcomeX(m)) {
                    outcomes += op.Text;
                }
            }
        }
    }
    return rows;
}

std::string Outcomes(std::int32_t lngNo)
{
    clsTNumber::ByteKousei k{};
    clsTNumber::NoToByte(lngNo, k);
    std::string s;
    for (const auto c : k) {
        s += std::to_string(static_cast<int>(c));
    }
    return s;
}

std::vector<std::string> Texts(const std::vector<PrintOp>& ops)
{
    std::vector<std::string> v;
    for (const auto& op : ops) {
        if (op.Kind == PrintOpKind::Text) {
            v.push_back(op.Text);
        }
    }
    return v;
}

bool Has(const std::vector<std::string>& texts, const std::string& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}
} // namespace

TEST(clsTPrintList, PagesHoldEveryTicketOnceInListOrder)
{
    const std::int32_t rows = clsTPrintList::RowsPerPage;
    // Many tickets a page, and a full page still leaves room for the foot.
    EXPECT_GE(rows, 40);
    EXPECT_LT(clsTPrintList::RowY(rows - 1), Mm("283"));
    EXPECT_EQ(clsTPrintList::PageCount(0), 1);
    for (const std::int32_t n : {1, rows - 1, rows, rows + 1, 2 * rows, 2 * rows + 7}) {
        SCOPED_TRACE(n);
        const PrintListInput in = Tickets(n);
        const std::int32_t pages = clsTPrintList::PageCount(n);
        EXPECT_EQ(pages, (n + rows - 1) / rows);
        std::int32_t next = 1;
        for (std::int32_t p = 1; p <= pages; ++p) {
            const auto ops = clsTPrintList::PageOps(in, p);
            const auto found = RowsOf(ops);
            EXPECT_EQ(found.size(), p < pages ? static_cast<std::size_t>(rows)
                                              : static_cast<std::size_t>(n - (pages - 1) * rows));
            for (const auto& [no, outcomes] : found) {
                ASSERT_EQ(no, next);
                EXPECT_EQ(outcomes, Outcomes(in.Singles[static_cast<std::size_t>(no - 1)]));
                ++next;
            }
            EXPECT_TRUE(Has(Texts(ops), std::to_string(p) + " / " + std::to_string(pages)));
        }
        EXPECT_EQ(next, n + 1);
        EXPECT_EQ(clsTPrintList::RowsOn(pages + 1, n).Count, 0U);
    }
}

TEST(clsTPrintList, HeadShowsRoundMatchesAndEstimatedPayouts)
{
    RecordingHost host;
    PrintListInput in = Tickets(3);
    in.FileName = "本命.drd";
    const VoteRecord vote = Votes();
    clsTPrintList::SetTeams(in, vote);
    ASSERT_TRUE(clsTPrintList::EstimatePayouts(host, vote, in));
    const auto texts = Texts(clsTPrintList::PageOps(in, 1));
    EXPECT_TRUE(Has(texts, "toto 購入一覧　第1234回 A組"));
    EXPECT_TRUE(Has(texts, "ファイル：本命.drd"));
    EXPECT_TRUE(Has(texts, "全 3 口"));
    EXPECT_TRUE(Has(texts, " 1 ホーム1 － アウェイ1"));
    EXPECT_TRUE(Has(texts, "13 ホーム13 － アウェイ13"));

    clsTMoney money(host);
    ASSERT_TRUE(money.SetVote(vote));
    for (std::size_t i = 0; i < in.Singles.size(); ++i) {
        clsTNumber::LongKousei k{};
        clsTNumber::ByteKousei b{};
        clsTNumber::NoToByte(in.Singles[i], b);
        std::copy(b.begin(), b.end(), k.begin());
        const Currency first = money.GetMoney1(k);
        EXPECT_EQ(in.Payout1[i], first);
        EXPECT_EQ(in.Payout3[i], money.GetMoney3(k));
        EXPECT_GT(first, Currency());
        EXPECT_TRUE(Has(texts, clsTPrintList::PayoutLabel(first)));
    }
    EXPECT_EQ(clsTPrintList::PayoutLabel(Currency::FromInt(12345678)), "12,345,678円");
    EXPECT_TRUE(host.Messages.empty());

    // Without a vote status nothing is estimated, and the columns say so.
    PrintListInput none = Tickets(2);
    EXPECT_FALSE(clsTPrintList::EstimatePayouts(host, VoteRecord{}, none));
    EXPECT_TRUE(none.Payout1.empty());
    const auto plain = Texts(clsTPrintList::PageOps(none, 1));
    EXPECT_EQ(std::count(plain.begin(), plain.end(), "－"), 6);
}

TEST(clsTPrintList, LongNamesAndLargestPayoutsStayOnTheSheet)
{
    PrintListInput in = Tickets(clsTPrintList::RowsPerPage);
    in.FileName = "第1234回　本命と穴狙いの組み合わせ（最終版）その二.drd";
    for (std::size_t m = 0; m < 13; ++m) {
        in.Home[m] = "ヴァンフォーレ甲府ヴァンフォーレ甲府";
        in.Away[m] = "ＦＣ町田ゼルビアＦＣ町田ゼルビア";
    }
    in.Payout1.assign(in.Singles.size(), Currency::FromInt(clsTMoney::MaxYen));
    in.Payout2 = in.Payout1;
    in.Payout3 = in.Payout1;
    const auto ops = clsTPrintList::PageOps(in, 1);
    for (const auto& op : ops) {
        if (op.Kind != PrintOpKind::Text) {
            continue;
        }
        const Currency width = op.PointSize * Mm("25.4") / 144 * clsTPrintCard::TextCells(op.Text);
        EXPECT_GE(op.X1, Mm("15")) << op.Text;
        EXPECT_LE(op.X1 + width, Mm("195")) << op.Text;
        EXPECT_LE(op.Y1, Mm("290")) << op.Text;
    }
    // Both match columns keep apart: a left line ends before the right column starts.
    const auto texts = Texts(ops);
    const auto line = std::find_if(texts.begin(), texts.end(),
                                   [](const std::string& s) { return s.rfind(" 1 ", 0) == 0; });
    ASSERT_NE(line, texts.end());
    EXPECT_NE(line->find("…"), std::string::npos);
    EXPECT_LE(Mm("15") + Mm("9") * Mm("25.4") / 144 * clsTPrintCard::TextCells(*line), Mm("104"));
}

TEST(clsTPrint, TheListPrintsItsRangeInOneJobPortrait)
{
    RecordingHost host;
    clsTPrint print(host);
    const PrintListInput in = Tickets(2 * clsTPrintList::RowsPerPage + 1);
    PrintSettings s;
    s.Orientation = PrintSettings::kLandscape;
    RecordingPrintDevice device;
    EXPECT_EQ(print.PrintList(device, in, s), 3);
    EXPECT_EQ(device.Jobs, 1);
    ASSERT_EQ(device.Pages.size(), 3U);
    EXPECT_EQ(device.Pages[2].Ops, clsTPrintList::PageOps(in, 3));
    EXPECT_EQ(std::count(device.Calls.begin(), device.Calls.end(), "landscape"), 3);
    EXPECT_EQ(device.Calls[device.Calls.size() - 2], "page 3");
    // Set last each time: portrait, whatever the cards use.
    const auto last = std::find(device.Calls.rbegin(), device.Calls.rend(), "page 3");
    EXPECT_EQ(*(last + 1), "portrait");

    s.AllPages = false;
    s.StartPage = 2;
    s.EndPage = 9;
    RecordingPrintDevice part;
    EXPECT_EQ(print.PrintList(part, in, s), 2);
    EXPECT_EQ(part.Pages.front().Number, 2);
    EXPECT_TRUE(host.Messages.empty());

    s.StartPage = 4;
    RecordingPrintDevice none;
    EXPECT_EQ(print.PrintList(none, in, s), 0);
    EXPECT_EQ(none.Jobs, 0);
    EXPECT_EQ(host.Messages.size(), 1U);
}
