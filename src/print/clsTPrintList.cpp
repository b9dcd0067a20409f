#include "print/clsTPrintList.h"

#include "lottery/clsTMoney.h"
#include "lottery/clsTNumber.h"
#include "lottery/clsToto.h"
#include "print/clsTPrintCard.h"

#include <algorithm>

namespace {
constexpr Currency Hundredths(std::int64_t n)
{
    return Currency::FromRaw(n * 100);
}

constexpr Currency kLeft = Hundredths(1500);
constexpr Currency kRight = Hundredths(19500);
constexpr Currency kCentre = Hundredths(10500);
constexpr Currency kTitleY = Hundredths(1700);
constexpr Currency kInfoY = Hundredths(2400);
constexpr Currency kMatchY = Hundredths(3100);
constexpr Currency kMatchColumn2X = Hundredths(10500);
constexpr Currency kLinePitch = Hundredths(450);
constexpr std::int32_t kMatchesLeft = 7;
constexpr Currency kHeadY = Hundredths(6500);
constexpr Currency kHeadRuleY = Hundredths(6750);
constexpr Currency kFirstRowY = Hundredths(7150);
constexpr Currency kLastRowLimit = Hundredths(28100);
constexpr Currency kFootY = Hundredths(28800);
constexpr Currency kNoRight = Hundredths(2700);
constexpr Currency kFirstOutcomeX = Hundredths(3200);
constexpr Currency kOutcomePitch = Hundredths(500);
constexpr std::array<Currency, 3> kPayoutRight{Hundredths(12700), Hundredths(16100),
                                               Hundredths(19500)};
constexpr Currency kTitlePoints = Hundredths(1200);
constexpr Currency kPoints = Hundredths(900);
constexpr PrintColour kRuleGrey{160, 160, 160};

constexpr std::int32_t RowsFitting()
{
    return static_cast<std::int32_t>((kLastRowLimit - kFirstRowY).Raw() / kLinePitch.Raw()) + 1;
}

// Half an em of the fixed-pitch font, the width of one cell.
Currency CellWidth(Currency pointSize)
{
    return pointSize * Hundredths(2540) / 144;
}

class Page
{
public:
    void Text(Currency x, Currency y, std::string strText, Currency pointSize)
    {
        if (strText.empty()) {
            return;
        }
        PrintOp op;
        op.Kind = PrintOpKind::Text;
        op.X1 = x;
        op.Y1 = y;
        op.X2 = x;
        op.Y2 = y;
        op.Text = std::move(strText);
        op.Font = std::string(clsTPrintCard::kFont);
        op.PointSize = pointSize;
        m_ops.push_back(std::move(op));
    }
    void RightText(Currency right, Currency y, std::string strText, Currency pointSize)
    {
        const Currency width = CellWidth(pointSize) * clsTPrintCard::TextCells(strText);
        Text(right - width, y, std::move(strText), pointSize);
    }
    void CentredText(Currency centre, Currency y, std::string strText, Currency pointSize)
    {
        const Currency width = CellWidth(pointSize) * clsTPrintCard::TextCells(strText);
        Text(centre - width / 2, y, std::move(strText), pointSize);
    }
    void Rule(Currency y, const PrintColour* colour)
    {
        PrintOp op;
        op.Kind = PrintOpKind::Line;
        op.X1 = kLeft;
        op.Y1 = y;
        op.X2 = kRight;
        op.Y2 = y;
        if (colour != nullptr) {
            op.HasColour = true;
            op.Colour = *colour;
        }
        m_ops.push_back(op);
    }
    std::vector<PrintOp> Take() { return std::move(m_ops); }

private:
    std::vector<PrintOp> m_ops;
};

std::string OutcomeText(std::uint8_t code)
{
    return std::to_string(static_cast<int>(code));
}
} // namespace

const std::int32_t clsTPrintList::RowsPerPage = RowsFitting();

std::int32_t clsTPrintList::PageCount(std::int32_t lngTickets)
{
    return lngTickets <= 0 ? 1 : (lngTickets - 1) / RowsPerPage + 1;
}

clsTPrintList::Rows clsTPrintList::RowsOn(std::int32_t lngPage, std::int32_t lngTickets)
{
    if (lngPage < 1 || lngTickets <= 0) {
        return {};
    }
    const std::int64_t first = static_cast<std::int64_t>(lngPage - 1) * RowsPerPage;
    if (first >= lngTickets) {
        return {static_cast<std::size_t>(lngTickets), 0};
    }
    const std::int64_t count = std::min<std::int64_t>(RowsPerPage, lngTickets - first);
    return {static_cast<std::size_t>(first), static_cast<std::size_t>(count)};
}

Currency clsTPrintList::RowY(std::int32_t lngRow)
{
    return kFirstRowY + kLinePitch * lngRow;
}

Currency clsTPrintList::OutcomeX(std::int32_t lngMatch)
{
    return kFirstOutcomeX + kOutcomePitch * (lngMatch - 1);
}

std::string clsTPrintList::TitleLabel(std::int32_t lngKaisaikai, const std::string& strKumi)
{
    std::string s = "toto 購入一覧";
    if (lngKaisaikai > 0) {
        s += "　第" + std::to_string(lngKaisaikai) + "回";
    }
    if (!strKumi.empty()) {
        s += " " + strKumi + "組";
    }
    return s;
}

std::string clsTPrintList::MatchLabel(std::int32_t lngMatch, const std::string& strHome,
                                      const std::string& strAway)
{
    // Each name gets half of what the column leaves after the number and the dash.
    const std::int32_t column =
        clsTPrintCard::CellsIn(kMatchColumn2X - kLeft - Hundredths(200), kPoints);
    const std::int32_t name = (column - 3 - 4) / 2;
    std::string no = std::to_string(lngMatch);
    if (no.size() < 2) {
        no.insert(0, 2 - no.size(), ' ');
    }
    return no + " " + clsTPrintCard::FitCells(strHome, name) + " － " +
           clsTPrintCard::FitCells(strAway, name);
}

std::string clsTPrintList::PayoutLabel(Currency yen)
{
    return yen.FormatNumber(0, true) + "円";
}

std::string clsTPrintList::PageLabel(std::int32_t lngPage, std::int32_t lngPageCount)
{
    return std::to_string(lngPage) + " / " + std::to_string(lngPageCount);
}

std::vector<PrintOp> clsTPrintList::PageOps(const PrintListInput& input, std::int32_t lngPage)
{
    const auto count = static_cast<std::int32_t>(input.Singles.size());
    const std::int32_t pages = PageCount(count);
    Page page;
    page.Text(kLeft, kTitleY, TitleLabel(input.Kaisaikai, input.Kumi), kTitlePoints);
    const std::string tickets = "全 " + std::to_string(count) + " 口";
    page.RightText(kRight, kInfoY, tickets, kPoints);
    if (!input.FileName.empty()) {
        const std::int32_t room =
            clsTPrintCard::CellsIn(kRight - kLeft - Hundredths(300), kPoints) -
            clsTPrintCard::TextCells(tickets);
        page.Text(kLeft, kInfoY, clsTPrintCard::FitCells("ファイル：" + input.FileName, room),
                  kPoints);
    }
    for (std::int32_t m = 1; m <= clsToto::kMatchCount; ++m) {
        const bool left = m <= kMatchesLeft;
        const std::int32_t line = left ? m - 1 : m - 1 - kMatchesLeft;
        const auto i = static_cast<std::size_t>(m - 1);
        page.Text(left ? kLeft : kMatchColumn2X, kMatchY + kLinePitch * line,
                  MatchLabel(m, input.Home[i], input.Away[i]), kPoints);
    }

    page.RightText(kNoRight, kHeadY, "No.", kPoints);
    for (std::int32_t m = 1; m <= clsToto::kMatchCount; ++m) {
        page.CentredText(OutcomeX(m), kHeadY, std::to_string(m), kPoints);
    }
    for (std::size_t g = 0; g < kPayoutRight.size(); ++g) {
        page.RightText(kPayoutRight[g], kHeadY, std::to_string(g + 1) + "等予想", kPoints);
    }
    page.Rule(kHeadRuleY, nullptr);

    const bool payouts = input.Payout1.size() == input.Singles.size() &&
                         input.Payout2.size() == input.Singles.size() &&
                         input.Payout3.size() == input.Singles.size() && !input.Singles.empty();
    const Rows rows = RowsOn(lngPage, count);
    for (std::size_t r = 0; r < rows.Count; ++r) {
        const std::size_t i = rows.First + r;
        const Currency y = RowY(static_cast<std::int32_t>(r));
        page.RightText(kNoRight, y, std::to_string(i + 1), kPoints);
        clsTNumber::ByteKousei kousei{};
        clsTNumber::NoToByte(input.Singles[i], kousei);
        for (std::int32_t m = 1; m <= clsToto::kMatchCount; ++m) {
            page.CentredText(OutcomeX(m), y, OutcomeText(kousei[static_cast<std::size_t>(m - 1)]),
                             kPoints);
        }
        const std::array<const std::vector<Currency>*, 3> grades{&input.Payout1, &input.Payout2,
                                                                 &input.Payout3};
        for (std::size_t g = 0; g < grades.size(); ++g) {
            page.RightText(kPayoutRight[g], y, payouts ? PayoutLabel((*grades[g])[i]) : "－",
                           kPoints);
        }
        // A faint rule every five rows keeps the eye on its row across the page.
        if ((r + 1) % 5 == 0 && r + 1 < rows.Count) {
            page.Rule(y + kLinePitch / 2, &kRuleGrey);
        }
    }
    page.CentredText(kCentre, kFootY, PageLabel(lngPage, pages), kPoints);
    return page.Take();
}

void clsTPrintList::SetTeams(PrintListInput& input, const ScheduleRecord& schedule)
{
    for (std::size_t m = 0; m < input.Home.size(); ++m) {
        input.Home[m] = schedule.Match[m].Home;
        input.Away[m] = schedule.Match[m].Away;
    }
}

void clsTPrintList::SetTeams(PrintListInput& input, const VoteRecord& vote)
{
    for (std::size_t m = 0; m < input.Home.size(); ++m) {
        input.Home[m] = vote.Match[m].Home;
        input.Away[m] = vote.Match[m].Away;
    }
}

bool clsTPrintList::EstimatePayouts(clsIMessage& message, const VoteRecord& vote,
                                    PrintListInput& input)
{
    input.Payout1.clear();
    input.Payout2.clear();
    input.Payout3.clear();
    if (!vote.HasVotes() || input.Singles.empty()) {
        return false;
    }
    clsTMoney money(message);
    if (!money.SetVote(vote)) {
        return false;
    }
    const std::size_t n = input.Singles.size();
    std::vector<Currency> p1(n);
    std::vector<Currency> p2(n);
    std::vector<Currency> p3(n);
    if (!money.GetMoneyList(input.Singles, p1, p2, p3)) {
        return false;
    }
    input.Payout1 = std::move(p1);
    input.Payout2 = std::move(p2);
    input.Payout3 = std::move(p3);
    return true;
}
