#include "conditions/ConditionTableEntry.h"

namespace {
constexpr std::array<std::string_view, 6> kHonmeiShort = {"◎", "○", "▲", "△", "×", "☆"};
constexpr std::array<std::string_view, 6> kHonmeiLong = {"本命◎", "対抗○", "穴　▲",
                                                         "大穴△", "注意×", "特注☆"};
constexpr std::array<std::string_view, 3> kNinkiShort = {"1番", "2番", "3番"};
constexpr std::array<std::string_view, 3> kNinkiLong = {"1番人気", "2番人気", "3番人気"};
constexpr std::array<std::string_view, 3> kMarkShort = {"[0]", "[1]", "[2]"};
constexpr std::array<std::string_view, 3> kMarkLong = {"その他", "ホーム", "アウェイ"};

template <std::size_t N> std::string Pick(const std::array<std::string_view, N>& a, std::int32_t i)
{
    if (i < 0 || static_cast<std::size_t>(i) >= N) {
        return {};
    }
    return std::string(a[static_cast<std::size_t>(i)]);
}

std::string Title(JoukenKind kind, std::int32_t lngCategory, bool blnLong)
{
    switch (kind) {
    case JoukenKind::Honmei:
        return Pick(blnLong ? kHonmeiLong : kHonmeiShort, lngCategory);
    case JoukenKind::Ninki:
        return Pick(blnLong ? kNinkiLong : kNinkiShort, lngCategory);
    case JoukenKind::Mark:
        return Pick(blnLong ? kMarkLong : kMarkShort, lngCategory);
    }
    return {};
}
} // namespace

namespace basJouken {
std::int32_t CategoryCount(JoukenKind kind)
{
    return kind == JoukenKind::Honmei ? 6 : 3;
}

std::string ShortTitle(JoukenKind kind, std::int32_t lngCategory)
{
    return Title(kind, lngCategory, false);
}

std::string LongTitle(JoukenKind kind, std::int32_t lngCategory)
{
    return Title(kind, lngCategory, true);
}

std::string TabName(std::int32_t lngTab)
{
    if (lngTab == 0) {
        return "全て";
    }
    if (lngTab == 1) {
        return "J1";
    }
    if (lngTab == 2) {
        return "J2";
    }
    if (lngTab >= 3 && lngTab < kJoukenTabs) {
        return std::string(1, static_cast<char>('A' + (lngTab - 3)));
    }
    return {};
}

std::string KindName(JoukenKind kind)
{
    switch (kind) {
    case JoukenKind::Honmei:
        return "本命";
    case JoukenKind::Ninki:
        return "人気";
    case JoukenKind::Mark:
        return "勝敗";
    }
    return {};
}
} // namespace basJouken

ConditionTableEntry ConditionTableEntry::Cleared(JoukenKind kind, std::int32_t lngTab)
{
    ConditionTableEntry e;
    const std::int32_t m = basJouken::CategoryCount(kind);
    e.Resize(m, m);
    e.MatchFlags.fill(lngTab != 1 && lngTab != 2);
    e.ResultFlags.fill(true);
    for (std::int32_t r = 0; r < m; ++r) {
        e.RowCategories[static_cast<std::size_t>(r)][static_cast<std::size_t>(r)] = true;
    }
    return e;
}

void ConditionTableEntry::Resize(std::int32_t lngRows, std::int32_t lngCategories)
{
    RowCount = lngRows < 0 ? 0 : lngRows;
    CategoryCount = lngCategories < 0 ? 0 : lngCategories;
    const auto n = static_cast<std::size_t>(RowCount);
    RowCategories.assign(n, std::vector<bool>(static_cast<std::size_t>(CategoryCount), false));
    for (auto& col : CountMarks) {
        col.assign(n, kCountBlank);
    }
    RowCaptions.assign(n, std::string());
    RowTitles.clear();
}

bool ConditionTableEntry::IsValidCell(std::int32_t lngCount, std::int32_t lngRow) const
{
    return lngCount >= 0 && lngCount < kCountColumns && lngRow >= 0 &&
           static_cast<std::size_t>(lngRow) < CountMarks[static_cast<std::size_t>(lngCount)].size();
}

std::uint8_t ConditionTableEntry::Mark(std::int32_t lngCount, std::int32_t lngRow) const
{
    if (!IsValidCell(lngCount, lngRow)) {
        return kCountBlank;
    }
    return CountMarks[static_cast<std::size_t>(lngCount)][static_cast<std::size_t>(lngRow)];
}

void ConditionTableEntry::SetMark(std::int32_t lngCount, std::int32_t lngRow, std::uint8_t bytMark)
{
    if (IsValidCell(lngCount, lngRow)) {
        CountMarks[static_cast<std::size_t>(lngCount)][static_cast<std::size_t>(lngRow)] = bytMark;
    }
}

std::int32_t ConditionTableEntry::CountRowMarks(std::int32_t lngRow) const
{
    std::int32_t n = 0;
    for (std::int32_t t = 0; t < kCountColumns; ++t) {
        if (Mark(t, lngRow) != kCountBlank) {
            ++n;
        }
    }
    return n;
}

std::int32_t ConditionTableEntry::TargetMatchCount() const
{
    std::int32_t n = 0;
    for (bool b : MatchFlags) {
        n += b ? 1 : 0;
    }
    return n;
}

bool ConditionTableEntry::IsRedColumn(std::int32_t lngCount) const
{
    const std::int32_t lngTargets = TargetMatchCount();
    return lngTargets == 0 || lngCount > lngTargets;
}

std::string ConditionTableEntry::BuildRowTitle(JoukenKind kind, std::int32_t lngRow) const
{
    if (lngRow < 0 || lngRow >= static_cast<std::int32_t>(RowCategories.size())) {
        return {};
    }
    const auto& cats = RowCategories[static_cast<std::size_t>(lngRow)];
    std::vector<std::int32_t> picked;
    for (std::size_t c = 0; c < cats.size(); ++c) {
        if (cats[c]) {
            picked.push_back(static_cast<std::int32_t>(c));
        }
    }
    if (picked.size() == 1) {
        return basJouken::LongTitle(kind, picked[0]);
    }
    std::string s;
    for (std::size_t i = 0; i < picked.size(); ++i) {
        if (i > 0) {
            s += "+";
        }
        s += basJouken::ShortTitle(kind, picked[i]);
    }
    return s;
}

std::string ConditionTableEntry::RowTitleFor(JoukenKind kind, std::int32_t lngRow) const
{
    if (lngRow >= 0 && static_cast<std::size_t>(lngRow) < RowTitles.size() &&
        !RowTitles[static_cast<std::size_t>(lngRow)].empty()) {
        return RowTitles[static_cast<std::size_t>(lngRow)];
    }
    return BuildRowTitle(kind, lngRow);
}

void ConditionTableEntry::ToggleCell(std::int32_t lngCount, std::int32_t lngRow)
{
    SetMark(lngCount, lngRow, Mark(lngCount, lngRow) == kCountBlank ? kCountDelete : kCountBlank);
}

void ConditionTableEntry::MarkRange(std::int32_t lngCount, std::int32_t lngRow, bool blnLeft,
                                    std::uint8_t bytMark)
{
    if (!IsValidCell(lngCount, lngRow)) {
        return;
    }
    const std::int32_t lngFrom = blnLeft ? 0 : lngCount;
    const std::int32_t lngTo = blnLeft ? lngCount : kCountColumns - 1;
    for (std::int32_t t = lngFrom; t <= lngTo; ++t) {
        SetMark(t, lngRow, bytMark);
    }
}

void ConditionTableEntry::SetRow(std::int32_t lngRow, std::uint8_t bytMark)
{
    for (std::int32_t t = 0; t < kCountColumns; ++t) {
        SetMark(t, lngRow, bytMark);
    }
}

void ConditionTableEntry::SetAll(std::uint8_t bytMark)
{
    for (auto& col : CountMarks) {
        for (auto& b : col) {
            b = bytMark;
        }
    }
}
