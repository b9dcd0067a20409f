#pragma once
// The round view without its widgets: the match table (date, division, number, teams), the
// vote table (three rates per match with a bar row under each), the header of the vote column,
// the 13 bars, the row colours and the layout at a given dpi. The main window owns two, the
// first showing the division column; each window view draws what this model says.

#include "base/basBarLayout.h"
#include "base/clsErrorReporter.h"
#include "base/clsGridGeometry.h"
#include "base/clsGridTable.h"
#include "lottery/ProbabilityRecord.h"
#include "lottery/ScheduleRecord.h"
#include "lottery/VoteRecord.h"
#include "lottery/clsToto.h"
#include "reference/clsTotoData.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class clsTGame
{
public:
    static constexpr int kMatchRows = clsToto::kMatchCount + 1;
    static constexpr int kMatchColumns = 6;
    static constexpr int kVoteRows = 26;
    static constexpr int kVoteColumns = 3;

    struct Colour
    {
        std::uint8_t Red = 255;
        std::uint8_t Green = 255;
        std::uint8_t Blue = 255;
        // The desktop's button face, which only the window knows.
        bool ButtonFace = false;
        friend bool operator==(const Colour&, const Colour&) = default;
    };

    clsTGame(clsIMessage& message, std::string strProgramFolder);

    // blnType: show the division column (the home page's view; the check page's hides it).
    void Initialize(bool blnType);
    bool Initialized() const { return m_initialized; }
    bool ShowDivision() const { return m_showDivision; }

    // Before Initialize both report "Initialize Err" and change nothing (false).
    bool SetSchedure(const ScheduleRecord& rec);
    bool SetVote(const VoteRecord& rec);

    // Row 0 is the header, rows 1..13 the matches; columns 0..5.
    std::string MatchText(int lngRow, int lngColumn) const;
    // Rows 0..25: 2(i-1) the rates of match i, the row after it its bar; columns home, draw,
    // away.
    std::string VoteText(int lngRow, int lngColumn) const;
    const std::string& VoteHeader() const { return m_voteHeader; }
    // Whole votes of home win, draw and away win for match 0..12.
    std::array<std::int64_t, 3> BarValues(int lngMatch) const;

    // The bar of match 0..12: home win, draw and away win votes in their colours.
    std::vector<BarSegment> Bar(int lngMatch) const;
    // Home win, draw, away win.
    static Colour BarColour(int lngColumn);

    static std::string VoteHeaderText(const VoteRecord& rec);
    // Match rows alternate white and light yellow, the header is the button face. lngRow as in
    // MatchText; a vote-table row takes the colour of its match.
    static Colour MatchRowColour(int lngRow);
    static Colour VoteRowColour(int lngRow);

    // The two tables as the grid widgets draw them: every cell's text, colour and alignment.
    const clsIGridSource& MatchGrid() const { return m_matchGrid; }
    const clsIGridSource& VoteGrid() const { return m_voteGrid; }
    // Layout at 96 dpi (the grid widget scales it): the match table, the vote table that lies
    // over the match table's last column below its header, and bar i inside the vote table.
    clsGridGeometry MatchGeometry96() const;
    static clsGridGeometry VoteGeometry96();
    // The same rows over a vote column lngWidth96 wide: the three rate columns share it, the
    // middle one taking what does not divide, so that the table covers the column exactly.
    static clsGridGeometry VoteGeometry96(std::int32_t lngWidth96);
    // The match table cut down to the number and the two teams, every row 21 high so that it
    // lies level with the multi grid beside it.
    static clsGridGeometry TeamsGeometry96();
    static GridRect BarRect96(int lngMatch);

    // The player's own probabilities beside the vote rates: a table level with the match
    // rows, the own percentages of home win, draw and away win (columns 0..2) and their ratio
    // to the public rate (columns 3..5), a ratio above 1 marked as a value. None hides it.
    static constexpr int kProbabilityColumns = 6;
    bool SetProbability(const std::optional<ProbabilityRecord>& prob);
    bool HasProbability() const { return m_probability.has_value(); }
    // Row 0 is the header, rows 1..13 the matches.
    std::string ProbabilityText(int lngRow, int lngColumn) const;
    // own ÷ public in hundredths, rounded half up; none without a public rate to divide by.
    // lngOwn in hundredths of a percent, the rate in percent.
    static std::optional<std::int64_t> RatioHundredths(std::int32_t lngOwn, Currency curRate);
    // Whether column 0..2 (home win, draw, away win) of match 0..12 is a value: own above
    // public.
    bool IsValue(int lngMatch, int lngColumn) const;
    static Colour ValueColour();
    const clsIGridSource& ProbabilityGrid() const { return m_probabilityGrid; }
    static clsGridGeometry ProbabilityGeometry96();

private:
    clsErrorReporter m_err;
    clsTotoData m_totoData;
    bool m_initialized = false;
    bool m_showDivision = true;
    ScheduleRecord m_schedule;
    VoteRecord m_vote;
    std::array<std::string, clsToto::kMatchCount> m_division{};
    std::string m_voteHeader = "投 票 率";
    clsGridTable m_matchGrid{kMatchRows, kMatchColumns};
    clsGridTable m_voteGrid{kVoteRows, kVoteColumns};
    std::optional<ProbabilityRecord> m_probability;
    clsGridTable m_probabilityGrid{kMatchRows, kProbabilityColumns};

    void FillMatchGrid();
    void FillVoteGrid();
    void FillProbabilityGrid();
};
