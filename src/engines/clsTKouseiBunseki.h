#pragma once
// Composition analysis (構成分析): how the singles of the multi spread over the counts 0..13 of
// one condition-table row, and the grid that shows it. An analysis window owns one display
// object for its lifetime; the analysis itself lives only during its request.

#include "base/clsErrorReporter.h"
#include "base/clsGridGeometry.h"
#include "base/clsIGridSource.h"
#include "conditions/ConditionTableEntry.h"
#include "lottery/VoteRecord.h"
#include "lottery/clsToto.h"

#include <array>
#include <cstdint>
#include <string>

class clsIBusy;

class clsTKouseiBunseki final : public clsIGridSource
{
public:
    static constexpr std::int32_t kRows = 15;
    static constexpr std::int32_t kColumns = 3;
    static constexpr std::uint32_t kBlack = 0x000000;
    static constexpr std::uint32_t kRed = 0xFF0000;
    using Histogram = std::array<std::int32_t, clsToto::kMatchCount + 1>;
    using MarkArray = std::array<std::array<std::int32_t, clsToto::kMatchCount>, 3>;

    // What one request produces for its window.
    struct Analysis
    {
        std::string Title;
        Histogram Counts{};
        std::int32_t MarkMax = 0;
    };

    explicit clsTKouseiBunseki(clsIMessage& message);

    void Initialize();
    void Clear();
    void SetValue(const Histogram& lngValue);
    // Row 1..15 of the grid.
    void ForeColorRow(std::int32_t lngRow, std::uint32_t lngColor);
    // Count lines above the mark limit (and every line when it is 0) turn red.
    void SetMarkMax(std::int32_t lngValue);
    const std::string& Title() const { return m_title; }
    void SetTitle(const std::string& strTitle) { m_title = strTitle; }

    // Row 1..15, column 1..3.
    std::string CellText(std::int32_t lngRow, std::int32_t lngColumn) const;
    std::uint32_t RowColor(std::int32_t lngRow) const;
    const Histogram& Value() const { return m_value; }

    // The grid as a view draws it: rows and columns from 0, the heading row on the button
    // face, counts left-aligned, numbers and shares right-aligned, each row in its colour.
    std::int32_t Rows() const override { return kRows; }
    std::int32_t Cols() const override { return kColumns; }
    GridCellData Cell(std::int32_t lngRow, std::int32_t lngCol) const override;
    // Lengths at 96 dpi; the middle column is the widest.
    static clsGridGeometry Geometry96();

    // Runs the analysis of row lngRow of an entry (the tab as shown, titles filled in) for the
    // given marks and vote status. False after a report when it cannot run.
    static bool Run(clsIMessage& message, clsIBusy& busy, JoukenKind kind,
                    const ConditionTableEntry& entry, std::int32_t lngRow,
                    const MarkArray& lngMarks, const VoteRecord& vote, Analysis& result);
    // " 本命 - 本命◎"
    static std::string MakeTitle(JoukenKind kind, const std::string& strRowTitle);
    // Target matches + 1, or 0 for a tab without target matches.
    static std::int32_t MarkLimit(const ConditionTableEntry& entry);

private:
    clsErrorReporter m_err;
    bool m_initialized = false;
    Histogram m_value{};
    std::array<std::uint32_t, kRows> m_rowColor{};
    std::string m_title;
};
