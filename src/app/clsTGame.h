#pragma once
// The round view without its widgets: the match table (date, division, number, teams), the
// vote table (three rates per match with a bar row under each), the header of the vote column,
// the 13 bars, the row colours and the layout at a given dpi. The main window owns two, the
// first showing the division column; each window view draws what this model says.

#include "base/clsErrorReporter.h"
#include "lottery/ScheduleRecord.h"
#include "lottery/VoteRecord.h"
#include "reference/clsTotoData.h"

#include <array>
#include <cstdint>
#include <string>

class clsTGame
{
public:
    static constexpr int kMatchRows = 14;
    static constexpr int kMatchColumns = 6;
    static constexpr int kVoteRows = 26;
    static constexpr int kVoteColumns = 3;
    static constexpr int kMatches = 13;

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

    // The bar of a match split over lngWidth pixels in proportion to its votes (home, draw,
    // away); the three widths add up to lngWidth, or are all 0 for a match without votes.
    std::array<int, 3> BarWidths(int lngMatch, int lngWidth) const;
    // Home win, draw, away win.
    static Colour BarColour(int lngColumn);

    static std::string VoteHeaderText(const VoteRecord& rec);
    // Match rows alternate white and light yellow, the header is the button face. lngRow as in
    // MatchText; a vote-table row takes the colour of its match.
    static Colour MatchRowColour(int lngRow);
    static Colour VoteRowColour(int lngRow);

    // Layout at lngDpi (lengths at 96 dpi scaled by dpi / 96, rounded).
    static int Scale(int lngLength96, int lngDpi);
    int MatchColumnWidth(int lngColumn, int lngDpi) const;
    static int MatchRowHeight(int lngRow, int lngDpi);
    static int VoteColumnWidth(int lngDpi);
    static int VoteRowHeight(int lngRow, int lngDpi);
    // The whole match table; the vote table lies over its last column below the header.
    int MatchTableWidth(int lngDpi) const;
    static int MatchTableHeight(int lngDpi);

private:
    clsErrorReporter m_err;
    clsTotoData m_totoData;
    bool m_initialized = false;
    bool m_showDivision = true;
    ScheduleRecord m_schedule;
    VoteRecord m_vote;
    std::array<std::string, kMatches> m_division{};
    std::string m_voteHeader = "投 票 率";
};
