#include "app/clsTGame.h"

#include "lottery/clsToto.h"

#include <algorithm>
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
    FillMatchGrid();
    FillVoteGrid();
    FillProbabilityGrid();
}

bool clsTGame::SetSchedure(const ScheduleRecord& rec)
{
    if (!m_initialized) {
        m_err.InitializeErr("Schedure");
        return false;
    }
    m_schedule = rec;
    for (int i = 0; i < clsToto::kMatchCount; ++i) {
        const ScheduleMatch& match = rec.Match[static_cast<std::size_t>(i)];
        // A match without a date is looked up in the zero date's year, which finds nothing;
        // an empty slot has no club to look up.
        m_division[static_cast<std::size_t>(i)] =
            match.Home.empty() ? std::string()
                               : m_totoData.GetShortToJ1J2String(match.Home, match.GameDate.Year());
    }
    FillMatchGrid();
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
    FillVoteGrid();
    m_matchGrid.SetText(0, kMatchColumns - 1, m_voteHeader);
    // The ratios divide by the new rates.
    FillProbabilityGrid();
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
    if (lngMatch < 0 || lngMatch >= clsToto::kMatchCount) {
        return values;
    }
    const VoteMatch& match = m_vote.Match[static_cast<std::size_t>(lngMatch)];
    for (std::size_t k = 0; k < 3; ++k) {
        values[k] = match.Votes[static_cast<std::size_t>(kColumnOutcome[k])].ToInt64();
    }
    return values;
}

std::vector<BarSegment> clsTGame::Bar(int lngMatch) const
{
    std::vector<BarSegment> bar;
    const std::array<std::int64_t, 3> values = BarValues(lngMatch);
    for (int k = 0; k < 3; ++k) {
        const Colour c = BarColour(k);
        bar.push_back(BarSegment{values[static_cast<std::size_t>(k)],
                                 GridColor::FromRgb(c.Red, c.Green, c.Blue)});
    }
    return bar;
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

namespace {
GridColor ToGrid(const clsTGame::Colour& c)
{
    return c.ButtonFace ? GridColor::ButtonFaceColor() : GridColor::FromRgb(c.Red, c.Green, c.Blue);
}

// The view's face and size, as the fixed column widths were laid out for them.
constexpr std::string_view kFontName = "ＭＳ ゴシック";
constexpr std::int32_t kFontPoints = 9;
constexpr std::int32_t kTeamWidth = 76;

void SetFont(clsGridTable& table, int lngRow, int lngColumn)
{
    GridCellData cell = table.Cell(lngRow, lngColumn);
    cell.strFontName = kFontName;
    cell.lngFontPoints = kFontPoints;
    table.SetCell(lngRow, lngColumn, std::move(cell));
}
} // namespace

void clsTGame::FillMatchGrid()
{
    for (int r = 0; r < kMatchRows; ++r) {
        m_matchGrid.SetRowBackColor(r, ToGrid(MatchRowColour(r)));
        for (int c = 0; c < kMatchColumns; ++c) {
            m_matchGrid.SetText(r, c, MatchText(r, c));
            const bool teams = r > 0 && (c == 3 || c == 4);
            m_matchGrid.SetAlign(r, c, teams ? GridAlign::Left : GridAlign::Center);
            SetFont(m_matchGrid, r, c);
        }
    }
}

void clsTGame::FillVoteGrid()
{
    for (int r = 0; r < kVoteRows; ++r) {
        m_voteGrid.SetRowBackColor(r, ToGrid(VoteRowColour(r)));
        for (int c = 0; c < kVoteColumns; ++c) {
            m_voteGrid.SetText(r, c, VoteText(r, c));
            m_voteGrid.SetAlign(r, c, GridAlign::Center);
            SetFont(m_voteGrid, r, c);
        }
    }
}

clsGridGeometry clsTGame::MatchGeometry96() const
{
    std::vector<std::int32_t> rows(kMatchRows, 21);
    rows[0] = 20;
    // The team columns hold a short name of up to six full-width characters (72 pixels of the
    // 9-point face) with its margins, wider than the other columns' 50.
    return clsGridGeometry(rows, {50, m_showDivision ? 20 : 0, 20, kTeamWidth, kTeamWidth, 203});
}

clsGridGeometry clsTGame::TeamsGeometry96()
{
    return clsGridGeometry(std::vector<std::int32_t>(kMatchRows, 21),
                           {0, 0, 20, kTeamWidth, kTeamWidth, 0});
}

clsGridGeometry clsTGame::VoteGeometry96()
{
    std::vector<std::int32_t> rows;
    for (int i = 0; i < clsToto::kMatchCount; ++i) {
        // The thin bar row is 6 high plus the grid line the match rows count in their 21, so
        // that the rates of every match stay level with its teams.
        rows.push_back(14);
        rows.push_back(7);
    }
    return clsGridGeometry(rows, {200 / 3, 200 / 3, 200 / 3});
}

clsGridGeometry clsTGame::VoteGeometry96(std::int32_t lngWidth96)
{
    clsGridGeometry geometry = VoteGeometry96();
    const std::int32_t side = std::max(0, lngWidth96) / 3;
    geometry.SetColWidth(0, side);
    geometry.SetColWidth(1, std::max(0, lngWidth96) - 2 * side);
    geometry.SetColWidth(2, side);
    return geometry;
}

GridRect clsTGame::BarRect96(int lngMatch)
{
    // Each bar fills the thin row under its match's rates, across the whole vote column.
    return GridRect{0, 21 * lngMatch + 14, 203, 7};
}

bool clsTGame::SetProbability(const std::optional<ProbabilityRecord>& prob)
{
    if (!m_initialized) {
        m_err.InitializeErr("Probability");
        return false;
    }
    m_probability = prob;
    FillProbabilityGrid();
    return true;
}

std::optional<std::int64_t> clsTGame::RatioHundredths(std::int32_t lngOwn, Currency curRate)
{
    // own / 100 (percent) over raw / Scale (percent), times 100: whole arithmetic throughout.
    const std::int64_t raw = curRate.Raw();
    if (raw <= 0 || lngOwn < 0) {
        return std::nullopt;
    }
    const std::int64_t num = std::int64_t{lngOwn} * Currency::Scale;
    return (2 * num + raw) / (2 * raw);
}

bool clsTGame::IsValue(int lngMatch, int lngColumn) const
{
    if (!m_probability || lngMatch < 0 || lngMatch >= clsToto::kMatchCount || lngColumn < 0 ||
        lngColumn > 2) {
        return false;
    }
    const std::size_t m = static_cast<std::size_t>(lngMatch);
    const std::size_t k =
        static_cast<std::size_t>(kColumnOutcome[static_cast<std::size_t>(lngColumn)]);
    const std::int64_t raw = m_vote.Match[m].Rate[k].Raw();
    // Exactly: own / 100 > raw / Scale, so a ratio that rounds to 1.00 can still be a value.
    return raw > 0 && std::int64_t{m_probability->Value[k][m]} * (Currency::Scale / 100) > raw;
}

std::string clsTGame::ProbabilityText(int lngRow, int lngColumn) const
{
    static constexpr std::array<const char*, kProbabilityColumns> kHeader{
        "予想 1", "予想 0", "予想 2", "比 1", "比 0", "比 2"};
    if (lngColumn < 0 || lngColumn >= kProbabilityColumns) {
        return {};
    }
    if (lngRow == 0) {
        return kHeader[static_cast<std::size_t>(lngColumn)];
    }
    if (!m_probability || !ValidMatchRow(lngRow)) {
        return {};
    }
    const std::size_t m = static_cast<std::size_t>(lngRow - 1);
    const std::size_t k =
        static_cast<std::size_t>(kColumnOutcome[static_cast<std::size_t>(lngColumn % 3)]);
    const std::int32_t own = m_probability->Value[k][m];
    if (lngColumn < 3) {
        return Currency::FromRaw(std::int64_t{own} * (Currency::Scale / 100))
            .FormatNumber(2, false);
    }
    const std::optional<std::int64_t> ratio = RatioHundredths(own, m_vote.Match[m].Rate[k]);
    return ratio ? Currency::FromRaw(*ratio * (Currency::Scale / 100)).FormatNumber(2, false)
                 : std::string("-");
}

clsTGame::Colour clsTGame::ValueColour()
{
    return Colour{200, 240, 200, false};
}

void clsTGame::FillProbabilityGrid()
{
    for (int r = 0; r < kMatchRows; ++r) {
        m_probabilityGrid.SetRowBackColor(r, ToGrid(MatchRowColour(r)));
        for (int c = 0; c < kProbabilityColumns; ++c) {
            m_probabilityGrid.SetText(r, c, ProbabilityText(r, c));
            m_probabilityGrid.SetAlign(r, c, r == 0 ? GridAlign::Center : GridAlign::Right);
            m_probabilityGrid.SetBold(r, c, false);
            SetFont(m_probabilityGrid, r, c);
        }
        if (r == 0) {
            continue;
        }
        for (int c = 0; c < 3; ++c) {
            if (IsValue(r - 1, c)) {
                m_probabilityGrid.SetBackColor(r, c + 3, ToGrid(ValueColour()));
                m_probabilityGrid.SetBold(r, c + 3, true);
                GridCellData cell = m_probabilityGrid.Cell(r, c + 3);
                cell.strAccessibleText = cell.strText + " 妙味あり";
                m_probabilityGrid.SetCell(r, c + 3, std::move(cell));
            }
        }
    }
}

clsGridGeometry clsTGame::ProbabilityGeometry96()
{
    // Level with the match table's rows; each column holds "100.00" of the 9-point face.
    std::vector<std::int32_t> rows(kMatchRows, 21);
    rows[0] = 20;
    return clsGridGeometry(rows, std::vector<std::int32_t>(kProbabilityColumns, 46));
}
