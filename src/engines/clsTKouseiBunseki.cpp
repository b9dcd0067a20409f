#include "engines/clsTKouseiBunseki.h"

#include "base/clsIBusy.h"
#include "conditions/clsTX1.h"

#include <exception>
#include <stdexcept>
#include <vector>

clsTKouseiBunseki::clsTKouseiBunseki(clsIMessage& message)
    : m_err(message, "clsTKouseiBunseki")
{
    m_rowColor.fill(kBlack);
}

void clsTKouseiBunseki::Initialize()
{
    m_rowColor.fill(kBlack);
    m_value = {};
    m_initialized = true;
}

void clsTKouseiBunseki::Clear()
{
    m_value = {};
}

void clsTKouseiBunseki::SetValue(const Histogram& lngValue)
{
    m_value = lngValue;
}

void clsTKouseiBunseki::ForeColorRow(std::int32_t lngRow, std::uint32_t lngColor)
{
    if (lngRow < 1 || lngRow > kRows) {
        m_err.Report("ForeColorRow", "行番号が範囲外です（" + std::to_string(lngRow) + "）。");
        return;
    }
    m_rowColor[static_cast<std::size_t>(lngRow - 1)] = lngColor;
}

void clsTKouseiBunseki::SetMarkMax(std::int32_t lngValue)
{
    if (!m_initialized) {
        m_err.InitializeErr("SetMarkMax");
        return;
    }
    for (std::int32_t i = 0; i < kRows; ++i) {
        ForeColorRow(i + 1, lngValue >= i ? kBlack : kRed);
    }
}

std::string clsTKouseiBunseki::CellText(std::int32_t lngRow, std::int32_t lngColumn) const
{
    if (lngRow < 1 || lngRow > kRows || lngColumn < 1 || lngColumn > kColumns) {
        throw std::out_of_range("clsTKouseiBunseki: cell");
    }
    if (lngRow == 1) {
        static constexpr const char* kHead[kColumns] = {"", "口数", "比率"};
        return kHead[lngColumn - 1];
    }
    const std::int32_t t = lngRow - 2;
    if (lngColumn == 1) {
        return std::to_string(t);
    }
    const std::int64_t c = m_value[static_cast<std::size_t>(t)];
    if (lngColumn == 2) {
        return std::to_string(c);
    }
    std::int64_t n = 0;
    for (const auto v : m_value) {
        n += v;
    }
    if (n == 0) {
        return "0%";
    }
    // Each share rounded on its own, halves away from zero.
    return std::to_string((c * 200 + n) / (2 * n)) + "%";
}

std::uint32_t clsTKouseiBunseki::RowColor(std::int32_t lngRow) const
{
    if (lngRow < 1 || lngRow > kRows) {
        throw std::out_of_range("clsTKouseiBunseki: row");
    }
    return m_rowColor[static_cast<std::size_t>(lngRow - 1)];
}

GridCellData clsTKouseiBunseki::Cell(std::int32_t lngRow, std::int32_t lngCol) const
{
    GridCellData cell;
    cell.strText = CellText(lngRow + 1, lngCol + 1);
    if (lngRow == 0) {
        cell.BackColor = GridColor::ButtonFaceColor();
        cell.Align = GridAlign::Center;
        return cell;
    }
    cell.Align = lngCol == 0 ? GridAlign::Left : GridAlign::Right;
    const std::uint32_t color = RowColor(lngRow + 1);
    // Black is the view's own text colour, so the grid follows the desktop's scheme.
    if (color != kBlack) {
        cell.ForeColor = GridColor{GridColor::Kind::Rgb, color};
    }
    return cell;
}

clsGridGeometry clsTKouseiBunseki::Geometry96()
{
    // 18 pixels hold a line of the 9-point face; "1594323" and "100%" fit their columns.
    return clsGridGeometry(std::vector<std::int32_t>(kRows, 18), {32, 72, 48});
}

std::string clsTKouseiBunseki::MakeTitle(JoukenKind kind, const std::string& strRowTitle)
{
    return " " + basJouken::KindName(kind) + " - " + strRowTitle;
}

std::int32_t clsTKouseiBunseki::MarkLimit(const ConditionTableEntry& entry)
{
    const std::int32_t t = entry.TargetMatchCount();
    return t >= 1 ? t + 1 : 0;
}

bool clsTKouseiBunseki::Run(clsIMessage& message, clsIBusy& busy, JoukenKind kind,
                            const ConditionTableEntry& entry, std::int32_t lngRow,
                            const MarkArray& lngMarks, const VoteRecord& vote, Analysis& result)
{
    const clsErrorReporter err(message, "clsTKouseiBunseki");
    BusyScope hourglass(busy);
    try {
        if (lngRow < 0 || lngRow >= entry.RowCount || lngRow > 5) {
            err.Report("Run", "分析する行がありません（" + std::to_string(lngRow) + "）。");
            return false;
        }
        clsTX1 worker(message);
        worker.SetValue(lngMarks);
        worker.SetVoteRecord(vote);
        Histogram hist{};
        worker.CountDistribution(kind, hist, lngRow, entry);
        const auto row = static_cast<std::size_t>(lngRow);
        const std::string title = row < entry.RowTitles.size() && !entry.RowTitles[row].empty()
                                      ? entry.RowTitles[row]
                                      : entry.RowTitleFor(kind, lngRow);
        result.Title = MakeTitle(kind, title);
        result.Counts = hist;
        result.MarkMax = MarkLimit(entry);
        return true;
    } catch (const std::exception& e) {
        err.ReportException("Run", e);
        return false;
    }
}
