#include "tickets/clsTSingleDraw.h"

#include "lottery/clsTNumber.h"
#include "lottery/clsToto.h"

#include <algorithm>

namespace {
constexpr std::int32_t kSlotWidth = 53;
// Ten slots and two pixels more, for the right border to lie beside the last slot's cells.
constexpr std::int32_t kSheetWidth = 532;
constexpr std::int32_t kBand = 21;
constexpr std::int32_t kBandLine = 2;
constexpr std::int32_t kBorder = 3;
constexpr std::int32_t kRowHeight = 26;
constexpr std::int32_t kFirstRow = 24;
constexpr std::int32_t kCellStep = 16;
constexpr std::int32_t kCellLeft = 6;
// The pictures' size: they fit between the separators and the match lines at every dpi.
constexpr std::int32_t kCellWidth = 14;
constexpr std::int32_t kCellHeight = 22;
constexpr std::int32_t kNoLeft = 2;
constexpr std::int32_t kNoTop = 3;
constexpr std::int32_t kNoWidth = 50;
constexpr std::int32_t kNoHeight = 16;
// The sheet's height at 96 dpi without the gaps: the band and its line, 13 rows.
constexpr std::int32_t kBodyHeight = 23 + clsToto::kMatchCount * kRowHeight;

// Card column of an outcome code: 1, 0, 2 from the left.
std::int32_t CardColumn(std::int32_t lngCode)
{
    return lngCode == 1 ? 0 : (lngCode == 0 ? 1 : 2);
}

bool Inside(const GridRect& r, std::int32_t x, std::int32_t y)
{
    return x >= r.lngLeft && x < r.lngLeft + r.lngWidth && y >= r.lngTop &&
           y < r.lngTop + r.lngHeight;
}

const std::string kEmpty;
} // namespace

clsTSingleDraw::clsTSingleDraw(clsIMessage& message, std::int32_t lngDpi)
    : m_err(message, "clsTSingleDraw")
{
    SetDpi(lngDpi);
    for (auto& row : m_shown) {
        row.fill(kNoMark);
    }
    for (std::int32_t i = 0; i < kSlots; ++i) {
        m_noText[static_cast<std::size_t>(i)] = std::to_string(i + 1);
    }
}

void clsTSingleDraw::SetDpi(std::int32_t lngDpi)
{
    m_dpi = lngDpi < 1 ? clsGridGeometry::kBaseDpi : lngDpi;
}

std::int32_t clsTSingleDraw::GetSy(std::int32_t lngValue) const
{
    return static_cast<std::int32_t>(static_cast<std::int64_t>(lngValue) * m_dpi /
                                     clsGridGeometry::kBaseDpi);
}

std::int32_t clsTSingleDraw::LineWidth(std::int32_t lng96) const
{
    return std::max(1, GetSx(lng96));
}

std::int32_t clsTSingleDraw::Width() const
{
    return GetSx(kSheetWidth);
}

std::int32_t clsTSingleDraw::Height() const
{
    return GetSy(kBodyHeight) + clsToto::kMatchCount;
}

std::int32_t clsTSingleDraw::RowTop(std::int32_t lngMatch) const
{
    return GetSy(kFirstRow + lngMatch * kRowHeight) + lngMatch;
}

GridRect clsTSingleDraw::SlotRect(std::int32_t lngSlot) const
{
    if (!ValidSlot(lngSlot)) {
        return {};
    }
    const std::int32_t left = GetSx(lngSlot * kSlotWidth);
    return {left, 0, GetSx((lngSlot + 1) * kSlotWidth) - left, Height()};
}

GridRect clsTSingleDraw::SlotBackground(std::int32_t lngSlot) const
{
    GridRect r = SlotRect(lngSlot);
    if (r.lngWidth == 0) {
        return r;
    }
    r.lngTop = GetSy(kBand);
    r.lngHeight = Height() - r.lngTop;
    return r;
}

clsTSingleDraw::Rgb clsTSingleDraw::SlotColor(std::int32_t lngSlot)
{
    return lngSlot % 2 == 0 ? kEvenSlotColor : kWhite;
}

GridRect clsTSingleDraw::NumberRect(std::int32_t lngSlot) const
{
    if (!ValidSlot(lngSlot)) {
        return {};
    }
    return {GetSx(lngSlot * kSlotWidth + kNoLeft), GetSy(kNoTop), GetSx(kNoWidth),
            GetSy(kNoHeight)};
}

GridRect clsTSingleDraw::CellRect(std::int32_t lngSlot, std::int32_t lngCode,
                                  std::int32_t lngMatch) const
{
    if (!ValidSlot(lngSlot) || lngCode < 0 || lngCode > 2 || lngMatch < 0 ||
        lngMatch >= clsToto::kMatchCount) {
        return {};
    }
    return {GetSx(lngSlot * kSlotWidth + kCellStep * CardColumn(lngCode) + kCellLeft),
            RowTop(lngMatch), GetSx(kCellWidth), GetSy(kCellHeight)};
}

std::vector<GridRect> clsTSingleDraw::Lines() const
{
    const std::int32_t w = Width();
    const std::int32_t h = Height();
    const std::int32_t border = LineWidth(kBorder);
    std::vector<GridRect> lines{
        {0, 0, w, border},
        {0, h - border, w, border},
        {0, 0, border, h},
        {w - border, 0, border, h},
        {0, GetSy(kBand), w, LineWidth(kBandLine)},
    };
    for (std::int32_t j = 1; j < kSlots; ++j) {
        lines.push_back({GetSx(j * kSlotWidth), 0, LineWidth(1), h});
    }
    for (const std::int32_t k : {3, 6, 9}) {
        // In the gap above match row k, which is never scaled.
        lines.push_back({0, GetSy(kBand + k * kRowHeight) + k, w, 1});
    }
    return lines;
}

std::vector<std::int32_t> clsTSingleDraw::RowHeights96() const
{
    // The sheet's edges: the top, the one-pixel gap above each match row, the bottom.
    std::vector<std::int32_t> edges{0};
    for (std::int32_t m = 0; m < clsToto::kMatchCount; ++m) {
        edges.push_back(RowTop(m) - 1);
    }
    edges.push_back(Height());
    std::vector<std::int32_t> heights;
    std::int32_t previous = 0;
    for (std::size_t i = 1; i < edges.size(); ++i) {
        const std::int32_t at96 = static_cast<std::int32_t>(
            (static_cast<std::int64_t>(edges[i]) * clsGridGeometry::kBaseDpi + m_dpi / 2) / m_dpi);
        heights.push_back(at96 - previous);
        previous = at96;
    }
    return heights;
}

std::optional<clsTSingleDraw::Hit> clsTSingleDraw::HitTest(std::int32_t lngX,
                                                           std::int32_t lngY) const
{
    for (std::int32_t i = 0; i < kSlots; ++i) {
        const GridRect slot = SlotRect(i);
        if (lngX < slot.lngLeft || lngX >= slot.lngLeft + slot.lngWidth) {
            continue;
        }
        if (Inside(NumberRect(i), lngX, lngY)) {
            return Hit{Hit::Kind::Number, i, 0, 0};
        }
        for (std::int32_t m = 0; m < clsToto::kMatchCount; ++m) {
            for (std::int32_t c = 0; c < 3; ++c) {
                if (Inside(CellRect(i, c, m), lngX, lngY)) {
                    return Hit{Hit::Kind::Cell, i, c, m};
                }
            }
        }
        return std::nullopt;
    }
    return std::nullopt;
}

void clsTSingleDraw::SetNo(std::int32_t Index, std::int32_t lngValue, bool blnSelect)
{
    if (!ValidSlot(Index)) {
        m_err.Report("SetNo_Sub", "スロット番号が範囲外です（" + std::to_string(Index) + "）。");
        return;
    }
    const auto i = static_cast<std::size_t>(Index);
    m_noText[i] = lngValue < 0 ? std::string() : std::to_string(lngValue);
    m_noSelected[i] = blnSelect;
}

const std::string& clsTSingleDraw::NoText(std::int32_t lngSlot) const
{
    return ValidSlot(lngSlot) ? m_noText[static_cast<std::size_t>(lngSlot)] : kEmpty;
}

bool clsTSingleDraw::NoSelected(std::int32_t lngSlot) const
{
    return ValidSlot(lngSlot) && m_noSelected[static_cast<std::size_t>(lngSlot)];
}

std::vector<std::int32_t> clsTSingleDraw::SetMark(std::int32_t Index, std::int32_t lngValue)
{
    std::vector<std::int32_t> changed;
    if (!ValidSlot(Index)) {
        m_err.Report("SetMark", "スロット番号が範囲外です（" + std::to_string(Index) + "）。");
        return changed;
    }
    if (lngValue >= 0 && !clsTNumber::IsValidNo(lngValue)) {
        m_err.Report("SetMark", "シングル番号が範囲外です（" + std::to_string(lngValue) + "）。");
        return changed;
    }
    clsTNumber::LongKousei k{};
    if (lngValue >= 0) {
        clsTNumber::NoToLong(lngValue, k);
    }
    const auto slot = static_cast<std::size_t>(Index);
    for (std::int32_t m = 0; m < clsToto::kMatchCount; ++m) {
        auto& shown = m_shown[static_cast<std::size_t>(m)][slot];
        const std::uint8_t code =
            lngValue < 0 ? kNoMark : static_cast<std::uint8_t>(k[static_cast<std::size_t>(m)]);
        if (shown == code) {
            continue;
        }
        if (shown != kNoMark) {
            changed.push_back(CellId(Index, shown, m));
        }
        if (code != kNoMark) {
            changed.push_back(CellId(Index, code, m));
        }
        shown = code;
    }
    return changed;
}

std::uint8_t clsTSingleDraw::ShownMark(std::int32_t lngMatch, std::int32_t lngSlot) const
{
    if (lngMatch < 0 || lngMatch >= clsToto::kMatchCount || !ValidSlot(lngSlot)) {
        return kNoMark;
    }
    return m_shown[static_cast<std::size_t>(lngMatch)][static_cast<std::size_t>(lngSlot)];
}

bool clsTSingleDraw::Marked(std::int32_t lngSlot, std::int32_t lngCode, std::int32_t lngMatch) const
{
    return lngCode >= 0 && lngCode <= 2 && ShownMark(lngMatch, lngSlot) == lngCode;
}
