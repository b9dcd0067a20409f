#include "print/clsTPrintCard.h"

#include "base/basText.h"
#include "lottery/clsTNumber.h"
#include "lottery/clsToto.h"

#include <cstdint>

namespace {
constexpr Currency Hundredths(std::int64_t n)
{
    return Currency::FromRaw(n * 100);
}

constexpr Currency kTicketX = Hundredths(7250);
constexpr Currency kTicketY = Hundredths(475);
constexpr Currency kColumn = Hundredths(350);
constexpr Currency kRow = Hundredths(500);
constexpr Currency kRoundTensX = Hundredths(3050);
constexpr Currency kRoundOnesX = Hundredths(3400);
constexpr Currency kRoundY = Hundredths(1975);
constexpr Currency kGroupAX = Hundredths(4450);
constexpr Currency kGroupBX = Hundredths(4800);
constexpr Currency kGroupY = Hundredths(3475);
constexpr Currency kMatchTextX = Hundredths(3750);
constexpr Currency kMarginTextX = Hundredths(300);
// Space kept between the file name and whatever follows it on its line.
constexpr Currency kMarginGap = Hundredths(100);
constexpr Currency kHalfMarkWidth = Hundredths(50);
constexpr Currency kHalfMarkHeight = Hundredths(175);
constexpr Currency kLandscapeDrop = Hundredths(12750);
constexpr Currency kOutlineWidth = Hundredths(20300);
constexpr Currency kOutlineHeight = Hundredths(8250);
constexpr Currency kMarginPoints = Hundredths(900);
constexpr Currency kMatchPoints = Hundredths(600);

constexpr PrintColour kGridColour{200, 200, 255};
constexpr PrintColour kBlue{0, 0, 255};
constexpr PrintColour kRed{255, 0, 0};

// The code point of one UTF-8 character (as basText::Chars splits them).
std::uint32_t CodePoint(std::string_view ch)
{
    const auto b = [&](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(ch[i]));
    };
    if (ch.empty()) {
        return 0;
    }
    const std::uint32_t lead = b(0);
    if (lead < 0x80 || ch.size() < 2) {
        return lead;
    }
    if (lead < 0xE0) {
        return ((lead & 0x1F) << 6) | (b(1) & 0x3F);
    }
    if (lead < 0xF0 || ch.size() < 4) {
        return ch.size() < 3 ? 0xFFFD
                             : ((lead & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
    }
    return ((lead & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
}

// Marks drawn over the character before them: cutting between the two would change that one.
bool IsCombining(std::uint32_t cp)
{
    return (cp >= 0x0300 && cp <= 0x036F) || cp == 0x3099 || cp == 0x309A || cp == 0x200D ||
           (cp >= 0xFE00 && cp <= 0xFE0F) || (cp >= 0xE0100 && cp <= 0xE01EF);
}

std::int32_t CellsOf(std::uint32_t cp)
{
    if (IsCombining(cp)) {
        return 0;
    }
    return cp < 0x80 || (cp >= 0xFF61 && cp <= 0xFF9F) ? 1 : 2;
}

// A team name as wide as three full-width characters: padded with ideographic spaces, cut.
std::string NameCell(std::string_view strName)
{
    std::string s(strName);
    s += "　　　";
    return basText::Mid(s, 1, 3);
}
} // namespace

clsTPrintCard::clsTPrintCard(Currency adjX, Currency adjY, bool blnLandscape, DrawMode mode)
    : m_adjX(adjX)
    , m_adjY(adjY)
    , m_landscape(blnLandscape)
    , m_mode(mode)
{}

Currency clsTPrintCard::PlaceX(Currency x) const
{
    return x + m_adjX;
}

Currency clsTPrintCard::PlaceY(Currency y) const
{
    return m_landscape ? y + m_adjY + kLandscapeDrop : y + m_adjY;
}

Currency clsTPrintCard::TicketX(std::int32_t lngSlot, std::int32_t lngColumn)
{
    return kTicketX + kColumn * (3 * (lngSlot - 1) + lngColumn);
}

Currency clsTPrintCard::TicketY(std::int32_t lngMatch)
{
    return kTicketY + kRow * (lngMatch - 1);
}

void clsTPrintCard::Mark(Currency x, Currency y)
{
    const Currency cx = PlaceX(x);
    const Currency cy = PlaceY(y);
    PrintOp op;
    op.X1 = cx - kHalfMarkWidth;
    op.Y1 = cy - kHalfMarkHeight;
    op.X2 = cx + kHalfMarkWidth;
    op.Y2 = cy + kHalfMarkHeight;
    if (m_mode == DrawMode::Print) {
        op.Kind = PrintOpKind::FillRect;
        m_ops.push_back(op);
        return;
    }
    op.Kind = PrintOpKind::Rect;
    m_ops.push_back(op);
    PrintOp cross = op;
    cross.Kind = PrintOpKind::Line;
    m_ops.push_back(cross);
    cross.Y1 = op.Y2;
    cross.Y2 = op.Y1;
    m_ops.push_back(cross);
}

void clsTPrintCard::Line(Currency x1, Currency y1, Currency x2, Currency y2,
                         const PrintColour* colour)
{
    PrintOp op;
    op.Kind = PrintOpKind::Line;
    op.X1 = x1;
    op.Y1 = y1;
    op.X2 = x2;
    op.Y2 = y2;
    if (colour != nullptr) {
        op.HasColour = true;
        op.Colour = *colour;
    }
    m_ops.push_back(op);
}

void clsTPrintCard::Text(Currency x, Currency y, std::string strText, Currency pointSize)
{
    PrintOp op;
    op.Kind = PrintOpKind::Text;
    op.X1 = PlaceX(x);
    op.Y1 = PlaceY(y);
    op.X2 = op.X1;
    op.Y2 = op.Y1;
    op.Text = std::move(strText);
    op.Font = std::string(kFont);
    op.PointSize = pointSize;
    m_ops.push_back(op);
}

void clsTPrintCard::TicketMarks(std::int32_t lngSlot, std::int32_t lngNo)
{
    clsTNumber::ByteKousei kousei{};
    clsTNumber::NoToByte(lngNo, kousei);
    for (std::int32_t m = 1; m <= clsToto::kMatchCount; ++m) {
        Mark(TicketX(lngSlot, ColumnOf(kousei[m - 1])), TicketY(m));
    }
}

void clsTPrintCard::RoundMarks(std::int32_t lngKaisaikai)
{
    if (lngKaisaikai == 0) {
        return;
    }
    const std::int32_t tens = (lngKaisaikai % 100) / 10;
    const std::int32_t ones = lngKaisaikai % 10;
    Mark(kRoundTensX, kRoundY + kRow * tens);
    Mark(kRoundOnesX, kRoundY + kRow * ones);
}

void clsTPrintCard::GroupMark(std::string_view strKumi)
{
    if (strKumi.empty()) {
        return;
    }
    Mark(strKumi == "B" ? kGroupBX : kGroupAX, kGroupY);
}

std::string clsTPrintCard::PageLabel(std::int32_t lngPage, std::int32_t lngPageCount)
{
    std::string s = "         " + std::to_string(lngPage) + "/" + std::to_string(lngPageCount);
    return s.substr(s.size() - 9);
}

std::int32_t clsTPrintCard::TextCells(std::string_view strText)
{
    std::int32_t cells = 0;
    for (const auto& ch : basText::Chars(strText)) {
        cells += CellsOf(CodePoint(ch));
    }
    return cells;
}

std::string clsTPrintCard::FitCells(std::string_view strText, std::int32_t lngCells)
{
    if (TextCells(strText) <= lngCells) {
        return std::string(strText);
    }
    static constexpr std::string_view kEllipsis = "…";
    const std::int32_t room = lngCells - TextCells(kEllipsis);
    if (room < 0) {
        return {};
    }
    const auto chars = basText::Chars(strText);
    std::string head;
    std::int32_t used = 0;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        // A character goes with the marks that follow it, or not at all.
        std::string unit = chars[i];
        while (i + 1 < chars.size() && IsCombining(CodePoint(chars[i + 1]))) {
            unit += chars[++i];
        }
        const std::int32_t w = TextCells(unit);
        if (used + w > room) {
            break;
        }
        used += w;
        head += unit;
    }
    return head + std::string(kEllipsis);
}

std::int32_t clsTPrintCard::CellsIn(Currency widthMm, Currency pointSize)
{
    // A cell is half an em; an em is pointSize / 72 inch of 25.4 mm.
    if (pointSize <= Currency() || widthMm <= Currency()) {
        return 0;
    }
    return static_cast<std::int32_t>((widthMm.Raw() * 144 * 10) / (pointSize.Raw() * 254));
}

std::int32_t clsTPrintCard::FileNameCells(bool blnMatchLines)
{
    const Currency end = blnMatchLines ? kMatchTextX : TicketX(1, 0) - kHalfMarkWidth;
    return CellsIn(end - kMarginGap - kMarginTextX, kMarginPoints);
}

std::string clsTPrintCard::FileNameLabel(std::string_view strFileName, std::int32_t lngCells)
{
    return FitCells(strFileName, lngCells);
}

std::string clsTPrintCard::MatchLabel(const ScheduleMatch& match)
{
    return match.GameDate.Format("mm/dd") + " " + NameCell(match.Home) + " " + NameCell(match.Away);
}

void clsTPrintCard::PageText(std::int32_t lngPage, std::int32_t lngPageCount)
{
    Text(kMarginTextX, kTicketY + kRow, PageLabel(lngPage, lngPageCount), kMarginPoints);
}

void clsTPrintCard::FileNameText(std::string_view strFileName, bool blnMatchLines)
{
    Text(kMarginTextX, kTicketY + kRow * 2,
         FileNameLabel(strFileName, FileNameCells(blnMatchLines)), kMarginPoints);
}

void clsTPrintCard::MatchCardTexts(const ScheduleRecord& schedule)
{
    for (std::int32_t m = 1; m <= clsToto::kMatchCount; ++m) {
        Text(kMatchTextX, TicketY(m), MatchLabel(schedule.Match[m - 1]), kMatchPoints);
    }
}

void clsTPrintCard::Grid(std::int32_t lngStep, PrintColour colour)
{
    for (std::int32_t x = 0; x <= 203; x += lngStep) {
        const Currency cx = PlaceX(Currency::FromInt(x));
        Line(cx, PlaceY(Currency()), cx, PlaceY(kOutlineHeight), &colour);
    }
    for (std::int32_t y = 0; y <= 82; y += lngStep) {
        const Currency cy = PlaceY(Currency::FromInt(y));
        Line(PlaceX(Currency()), cy, PlaceX(kOutlineWidth), cy, &colour);
    }
}

void clsTPrintCard::TestSheet(bool blnPageText, bool blnFileText, bool blnMatchText,
                              std::string_view strKumi)
{
    Grid(1, kGridColour);
    Grid(10, kBlue);
    PrintOp outline;
    outline.Kind = PrintOpKind::Rect;
    outline.X1 = PlaceX(Currency());
    outline.Y1 = PlaceY(Currency());
    outline.X2 = PlaceX(kOutlineWidth);
    outline.Y2 = PlaceY(kOutlineHeight);
    outline.HasColour = true;
    outline.Colour = kRed;
    m_ops.push_back(outline);

    // The reference corner shows where the sheet itself starts, so it is never moved.
    const std::int32_t top = m_landscape ? 200 : 0;
    for (std::int32_t i = 0; i <= 10; ++i) {
        const Currency at = Currency::FromInt(i);
        Line(at, Currency::FromInt(top), at, Currency::FromInt(top + 10), nullptr);
        Line(Currency(), Currency::FromInt(top + i), Currency::FromInt(10),
             Currency::FromInt(top + i), nullptr);
    }

    if (blnPageText) {
        PageText(9999, 9999);
    }
    if (blnFileText) {
        FileNameText("XXXXXXXXXX");
    }
    if (blnMatchText) {
        for (std::int32_t m = 1; m <= clsToto::kMatchCount; ++m) {
            Text(kMatchTextX, TicketY(m), "XX/XX ＸＸＸ ＸＸＸ", kMatchPoints);
        }
    }
    for (std::int32_t n = 11; n <= 99; n += 11) {
        RoundMarks(n);
    }
    RoundMarks(100);
    if (!strKumi.empty()) {
        GroupMark("A");
        GroupMark("B");
    }
    for (std::int32_t s = 1; s <= 10; ++s) {
        for (std::int32_t c = 0; c <= 2; ++c) {
            for (std::int32_t m = 1; m <= clsToto::kMatchCount; ++m) {
                Mark(TicketX(s, c), TicketY(m));
            }
        }
    }
}
