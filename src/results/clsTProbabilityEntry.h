#pragma once
// The rules of the own-probability dialog (予想確率（ユーザー定義）) without its widgets: the
// boxes, modes and checks of clsTOdds judged as probabilities, with the decimal-odds mode, a
// start from the vote rates and the record OK gives. One per opening of the dialog.

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
    static constexpr std::int32_t kModeOdds = clsTOdds::kModeOdds;
    static constexpr std::int32_t kOddsMaxChars = clsTOdds::kOddsMaxChars;

    // Opening: mode 10,000 with the probabilities (none: every box 0, so OK waits for input).
    void Open(const std::optional<ProbabilityRecord>& prob, const TeamNames& strTeams);

    std::int32_t Mode() const { return m_odds.Mode(); }
    // "10,000", "100", "オッズ".
    static std::string ModeCaption(std::int32_t lngMode) { return clsTOdds::ModeCaption(lngMode); }
    // Only the way the values are shown and typed changes (clsTOdds::SetMode); an odds box
    // shows the fair odds of its value (10,000 ÷ value, empty for 0).
    void SetMode(std::int32_t lngMode) { m_odds.SetMode(lngMode); }

    const std::string& Text(std::int32_t lngOutcome, std::int32_t lngMatch) const
    {
        return m_odds.Text(lngOutcome, lngMatch);
    }
    // Converted once, as clsTOdds::SetText says.
    void SetText(std::int32_t lngOutcome, std::int32_t lngMatch, std::string_view strText)
    {
        m_odds.SetText(lngOutcome, lngMatch, strText);
    }
    const std::string& TeamName(std::int32_t lngMatch, std::int32_t lngSide) const
    {
        return m_odds.TeamName(lngMatch, lngSide);
    }
    // The hundredths of a percent the boxes hold, in every mode.
    const clsTOdds::Values& Values() const { return m_odds.GetValues(); }

    // ProbabilityRecord::CheckMatch of the match, or its unfinished odds.
    std::string RowFault(std::int32_t lngMatch) const { return m_odds.RowFault(lngMatch); }
    bool RowValid(std::int32_t lngMatch) const { return m_odds.RowValid(lngMatch); }
    // Exactly when the document takes the probabilities.
    bool OkEnabled() const { return m_odds.OkEnabled(); }
    std::int32_t MaxChars() const { return m_odds.MaxChars(); }
    bool AcceptKey(Key key, std::string_view strBoxText, bool blnAllSelected) const
    {
        return m_odds.AcceptKey(key, strBoxText, blnAllSelected);
    }

    // The vote rates as a start, scaled to 100 % per match, shown in the current mode. False,
    // the boxes unchanged and the reason in strReason, without usable rates.
    bool FillFromVote(const VoteRecord& vote, std::string& strReason);

    // Refused while a row is not valid; otherwise the probabilities are final.
    bool Ok();
    bool Confirmed() const { return m_confirmed; }
    ProbabilityRecord Result() const { return m_result; }

    // Decimal odds as typed: digits with at most one point and at least one digit.
    static std::optional<double> ReadOdds(std::string_view strText)
    {
        return clsTOdds::ReadOdds(strText);
    }

private:
    clsTOdds m_odds{clsTOdds::Kind::Probability};
    bool m_confirmed = false;
    ProbabilityRecord m_result;
};
