#include "app/clsTGame.h"

#include <cmath>

namespace {
constexpr std::array<const char*, clsTGame::kMatchColumns> kMatchHeader{
    "開催日", "Jx", "No", "ホーム", "アウェイ", "投 票 率"};
// Outcome codes in the column order of every view: home win, draw, away win.
constexpr std::array<int, 3> kColumnOutcome{1, 0, 2};

bool ValidMatchRow(int lngRow)
{
    return lngRow >= 1 && lngRow < clsTGame::kMatchRows;
}
} // namespace

clsTGame::clsTGame(clsIMessage& message, std::string strProgramFolder)
    : m_err(message, "clsTGame")
    , m_totoData(message, std::move(strProgramFolder))
{}

void clsTGame::Initialize(bool blnType)
{
    m_showDivision = blnType;
    m_initialized = true;
}

bool clsTGame::SetSchedure(const ScheduleRecord& rec)
{
    if (!m_initialized) {
        m_err.InitializeErr("Schedure");
        return false;
    }
    m_schedule = rec;
    for (int i = 0; i < kMatches; ++i) {
        const ScheduleMatch& match = rec.Match[static_cast<std::size_t>(i)];
        // A match without a date is looked up in the zero date's year, which finds nothing;
        // an empty slot has no club to look up.
        m_division[static_cast<std::size_t>(i)] =
            match.Home.empty() ? std::string()
                               : m_totoData.GetShortToJ1J2String(match.Home, match.GameDate.Year());
    }
    return true;
}

bool clsTGame::SetVote(const VoteRecord& rec)
{
    if (!m_initialized) {
        m_err.InitializeErr("Vote");
        return false;
    }
    m_vote = rec;
    m_voteHeader = VoteHeaderText(rec);
    return true;
}

std::string clsTGame::MatchText(int lngRow, int lngColumn) const
{
    if (lngColumn < 0 || lngColumn >= kMatchColumns) {
        return {};
    }
    if (lngRow == 0) {
        return lngColumn == kMatchColumns - 1 ? m_voteHeader
                                              : kMatchHeader[static_cast<std::size_t>(lngColumn)];
    }
    if (!ValidMatchRow(lngRow)) {
        return {};
    }
    const std::size_t i = static_cast<std::size_t>(lngRow - 1);
    const ScheduleMatch& match = m_schedule.Match[i];
    switch (lngColumn) {
    case 0:
        return match.GameDate.IsZero() ? std::string() : match.GameDate.Format("mm/dd");
    case 1:
        return m_division[i];
    case 2:
        return std::to_string(lngRow);
    case 3:
        return match.Home;
    case 4:
        return match.Away;
    default:
        return {};
    }
}

std::string clsTGame::VoteText(int lngRow, int lngColumn) const
{
    if (lngRow < 0 || lngRow >= kVoteRows || lngColumn < 0 || lngColumn >= kVoteColumns ||
        lngRow % 2 != 0) {
        return {};
    }
    const VoteMatch& match = m_vote.Match[static_cast<std::size_t>(lngRow / 2)];
    return match.Rate[static_cast<std::size_t>(kColumnOutcome[static_cast<std::size_t>(lngColumn)])]
        .FormatNumber(2, false);
}

std::array<std::int64_t, 3> clsTGame::BarValues(int lngMatch) const
{
    std::array<std::int64_t, 3> values{};
    if (lngMatch < 0 || lngMatch >= kMatches) {
        return values;
    }
    const VoteMatch& match = m_vote.Match[static_cast<std::size_t>(lngMatch)];
    for (std::size_t k = 0; k < 3; ++k) {
        values[k] = match.Votes[static_cast<std::size_t>(kColumnOutcome[k])].ToInt64();
    }
    return values;
}

std::array<int, 3> clsTGame::BarWidths(int lngMatch, int lngWidth) const
{
    std::array<int, 3> widths{};
    const std::array<std::int64_t, 3> votes = BarValues(lngMatch);
    std::int64_t total = 0;
    for (const std::int64_t v : votes) {
        total += v > 0 ? v : 0;
    }
    if (total <= 0 || lngWidth <= 0) {
        return widths;
    }
    // Cumulative rounding, so that the three parts always fill the bar exactly.
    std::int64_t sum = 0;
    int used = 0;
    for (std::size_t k = 0; k < 3; ++k) {
        sum += votes[k] > 0 ? votes[k] : 0;
        const int edge = static_cast<int>(
            std::llround(static_cast<double>(sum) * lngWidth / static_cast<double>(total)));
        widths[k] = edge - used;
        used = edge;
    }
    return widths;
}

clsTGame::Colour clsTGame::BarColour(int lngColumn)
{
    switch (lngColumn) {
    case 0:
        return Colour{220, 60, 60, false};
    case 1:
        return Colour{90, 170, 90, false};
    default:
        return Colour{60, 100, 210, false};
    }
}

std::string clsTGame::VoteHeaderText(const VoteRecord& rec)
{
    if (!rec.AsOf.IsZero()) {
        std::string s = "投票率 " + rec.AsOf.Format("yyyy/mm/dd hh:nn") + " ";
        if (rec.SaleEnd == rec.AsOf) {
            s += "[最終]";
        }
        return s;
    }
    std::string s = "投 票 率";
    if (rec.Kaisaikai > 0) {
        s += " (ユーザー定義)";
    }
    return s;
}

clsTGame::Colour clsTGame::MatchRowColour(int lngRow)
{
    if (lngRow <= 0) {
        return Colour{240, 240, 240, true};
    }
    return lngRow % 2 == 1 ? Colour{255, 255, 255, false} : Colour{255, 255, 224, false};
}

clsTGame::Colour clsTGame::VoteRowColour(int lngRow)
{
    return MatchRowColour(lngRow / 2 + 1);
}

int clsTGame::Scale(int lngLength96, int lngDpi)
{
    return static_cast<int>(std::lround(static_cast<double>(lngLength96) * lngDpi / 96.0));
}

int clsTGame::MatchColumnWidth(int lngColumn, int lngDpi) const
{
    switch (lngColumn) {
    case 1:
        return m_showDivision ? Scale(20, lngDpi) : 0;
    case 2:
        return Scale(20, lngDpi);
    case 5:
        return Scale(203, lngDpi);
    default:
        return lngColumn >= 0 && lngColumn < kMatchColumns ? Scale(50, lngDpi) : 0;
    }
}

int clsTGame::MatchRowHeight(int lngRow, int lngDpi)
{
    return lngRow == 0 ? Scale(20, lngDpi) : Scale(21, lngDpi);
}

int clsTGame::VoteColumnWidth(int lngDpi)
{
    return Scale(200 / 3, lngDpi);
}

int clsTGame::VoteRowHeight(int lngRow, int lngDpi)
{
    return lngRow % 2 == 0 ? Scale(14, lngDpi) : Scale(6, lngDpi);
}

int clsTGame::MatchTableWidth(int lngDpi) const
{
    int width = 0;
    for (int c = 0; c < kMatchColumns; ++c) {
        width += MatchColumnWidth(c, lngDpi);
    }
    return width;
}

int clsTGame::MatchTableHeight(int lngDpi)
{
    int height = 0;
    for (int r = 0; r < kMatchRows; ++r) {
        height += MatchRowHeight(r, lngDpi);
    }
    return height;
}
