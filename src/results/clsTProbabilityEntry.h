#pragma once
// The rules of the own-probability dialog (予想確率（ユーザー定義）) without its widgets: the
// vote-rate dialog's boxes, modes and checks (clsTOdds) in hundredths of a percent, plus a
// decimal-odds mode converted with the bookmaker's margin taken out, and a start from the
// vote rates. One per opening of the dialog.

#include "lottery/ProbabilityRecord.h"
#include "lottery/VoteRecord.h"
#include "results/clsTOdds.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class clsTProbabilityEntry
{
public:
    using Key = clsTOdds::Key;
    using TeamNames = clsTOdds::TeamNames;

    static constexpr std::int32_t kMode10000 = clsTOdds::kMode10000;
    static constexpr std::int32_t kMode100 = clsTOdds::kMode100;
    // The boxes hold decimal odds ("2.35") instead of percentages.
    static constexpr std::int32_t kModeOdds = 1;
    // "999.99": longer odds mean nothing to the rounding to hundredths of a percent.
    static constexpr std::int32_t kOddsMaxChars = 6;

    // Opening: mode 10,000 with the probabilities (none: every box 0, so OK waits for input).
    void Open(const std::optional<ProbabilityRecord>& prob, const TeamNames& strTeams);

    std::int32_t Mode() const { return m_oddsMode ? kModeOdds : m_odds.Mode(); }
    // "10,000", "100", "オッズ".
    static std::string ModeCaption(std::int32_t lngMode);
    // Into odds every value becomes its fair odds (10,000 ÷ value, empty for 0); out of odds
    // every match with valid odds is converted (an unedited one keeps its values) and any
    // other match reads 0 / 0 / 0.
    void SetMode(std::int32_t lngMode);

    const std::string& Text(std::int32_t lngOutcome, std::int32_t lngMatch) const;
    void SetText(std::int32_t lngOutcome, std::int32_t lngMatch, std::string_view strText);
    const std::string& TeamName(std::int32_t lngMatch, std::int32_t lngSide) const
    {
        return m_odds.TeamName(lngMatch, lngSide);
    }

    // Percent modes: the match adds up to the mode's total; odds: all three are odds of at
    // least 1.
    bool RowValid(std::int32_t lngMatch) const;
    bool OkEnabled() const;
    std::int32_t MaxChars() const { return m_oddsMode ? kOddsMaxChars : m_odds.MaxChars(); }
    // As the vote-rate boxes; in the odds mode a box also takes one decimal point.
    bool AcceptKey(Key key, std::string_view strBoxText, bool blnAllSelected) const;

    // The vote rates as a start, scaled to 100 % per match, in the mode shown (odds as fair
    // odds). False, the boxes unchanged and the reason in strReason, without usable rates.
    bool FillFromVote(const VoteRecord& vote, std::string& strReason);

    // Refused while a row is not valid; otherwise the probabilities are final.
    bool Ok();
    bool Confirmed() const { return m_confirmed; }
    ProbabilityRecord Result() const { return m_result; }

    // Decimal odds as typed: digits with at most one point and at least one digit.
    static std::optional<double> ReadOdds(std::string_view strText);

private:
    // The values of the boxes in hundredths of a percent, odds rows converted (invalid: 0).
    clsTOdds::Values OddsToValues() const;
    void ShowValues(const clsTOdds::Values& lngValue, std::int32_t lngMode);

    clsTOdds m_odds;
    OutcomeTable<std::string> m_oddsText{};
    // What the odds mode started from: a match whose odds were not edited goes back to these
    // values exactly, not through its rounded fair odds.
    clsTOdds::Values m_oddsFrom{};
    OutcomeTable<std::string> m_oddsShown{};
    TeamNames m_teams{};
    bool m_oddsMode = false;
    bool m_confirmed = false;
    ProbabilityRecord m_result;
};
