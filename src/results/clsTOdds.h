#pragma once
// The rules of the user vote-rate (投票率（ユーザー定義）) and own-probability (予想確率
// （ユーザー定義）) dialogs without their widgets: one exact value per box in hundredths of a
// percent, the unit both records keep. The modes only choose how a value is shown and typed
// (10,000: hundredths; 100: percent; オッズ: decimal odds, probabilities only), so switching
// back and forth changes no value; a typed text is converted once, when it is typed. Each
// match is judged by the check of the record the values become. One per opening of a dialog.

#include "lottery/MarkArray.h"
#include "lottery/VoteRecord.h"
#include "lottery/clsToto.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class clsTOdds
{
public:
    // (outcome code, match index), hundredths of a percent.
    using Values = OutcomeTable<std::int32_t>;
    // Home and away team of each match, for orientation only.
    using TeamNames = std::array<std::array<std::string, 2>, clsToto::kMatchCount>;

    static constexpr std::int32_t kMode10000 = 10000;
    static constexpr std::int32_t kMode100 = 100;
    // The boxes hold decimal odds ("2.35"): the own-probability dialog only.
    static constexpr std::int32_t kModeOdds = 1;
    // "999.99": longer odds mean nothing to the rounding to hundredths of a percent.
    static constexpr std::int32_t kOddsMaxChars = 6;

    // The record the values become, whose check decides each match.
    enum class Kind
    {
        VoteRates,   // the user-defined vote status (clsDocument::SetUserVote)
        Probability, // the player's own probabilities (ProbabilityRecord::Check)
    };

    enum class Key
    {
        Digit,
        // A decimal point: only the odds mode takes it.
        Point,
        BackSpace,
        Enter,
        Other
    };

    explicit clsTOdds(Kind kind = Kind::VoteRates)
        : m_kind(kind)
    {}

    // Opening: mode 10,000, each value into its box.
    void Open(const Values& lngValue, const TeamNames& strTeams);
    // Every value replaced (a start from the vote rates), shown in the current mode.
    void SetValues(const Values& lngValue);

    std::int32_t Mode() const { return m_mode; }
    // The option captions "10,000", "100" and "オッズ".
    static std::string ModeCaption(std::int32_t lngMode);
    // Shows every value in that mode; no value changes. Odds unfinished in a match are
    // dropped: the match keeps the values it last had.
    void SetMode(std::int32_t lngMode);

    const std::string& Text(std::int32_t lngOutcome, std::int32_t lngMatch) const;
    std::int32_t Value(std::int32_t lngOutcome, std::int32_t lngMatch) const;
    // A box's text changed. 10,000: the whole number (non-numeric or empty text: 0). 100: the
    // percent × 100, two decimals kept (a shown "33.33" edited stays exact). オッズ: once all
    // three boxes of the match hold odds of at least 1, the match becomes their shares with
    // the bookmaker's margin taken out (ProbabilityRecord::Shares: rounded down, the missing
    // units to the largest remainders), a box not typed in weighing its value as it was; until
    // then the match keeps its values and is unfinished.
    void SetText(std::int32_t lngOutcome, std::int32_t lngMatch, std::string_view strText);
    const std::string& TeamName(std::int32_t lngMatch, std::int32_t lngSide) const;

    // In hundredths, whatever the mode.
    std::int32_t RowTotal(std::int32_t lngMatch) const;
    // Empty when the record's check passes the match and no odds in it are unfinished;
    // otherwise what is wrong, in the document's words.
    std::string RowFault(std::int32_t lngMatch) const;
    // Drawn in the normal colour when true, in red otherwise.
    bool RowValid(std::int32_t lngMatch) const { return RowFault(lngMatch).empty(); }
    // Exactly when the document takes the values.
    bool OkEnabled() const;

    // Box length limit of the mode: 5 characters for 10,000, 3 for 100, 6 for odds.
    std::int32_t MaxChars() const;
    // Whether a key reaches the box; Enter never does (it moves the focus instead).
    bool AcceptKey(Key key, std::string_view strBoxText, bool blnAllSelected) const;
    // Tab order runs match by match through the columns "1", "0", "2", wrapping at the end.
    // Boxes are numbered match × 3 + column (column 0 = outcome 1, 1 = outcome 0, 2 = outcome 2).
    static std::int32_t NextBox(std::int32_t lngBox);
    static std::int32_t BoxOutcome(std::int32_t lngBox);
    static std::int32_t BoxMatch(std::int32_t lngBox) { return lngBox / 3; }

    // OK: refused unless OkEnabled; otherwise the dialog counts as confirmed.
    bool Ok();
    bool Confirmed() const { return m_confirmed; }
    // Hundredths of a percent in every mode.
    const Values& GetValues() const { return m_value; }

    // The document's check of user vote rates: empty when every match's three values are not
    // negative and add up to 10,000, otherwise the first fault.
    static std::string CheckVoteValues(const Values& lngValue);
    static std::string CheckVoteMatch(const Values& lngValue, std::int32_t lngMatch);
    // Decimal odds as typed: digits with at most one point and at least one digit.
    static std::optional<double> ReadOdds(std::string_view strText);

    // The document's vote rates × 100, whole numbers (halves to even).
    static Values FromVoteRecord(const VoteRecord& vote);
    static TeamNames TeamsFromVoteRecord(const VoteRecord& vote);
    // The user-defined vote record: votes = the value, rate = value ÷ 100, the round and group
    // given, everything else empty.
    static VoteRecord ToVoteRecord(const Values& lngValue, std::int32_t lngKaisaikai,
                                   const std::string& strKumi);

private:
    static void CheckIndex(std::int32_t lngOutcome, std::int32_t lngMatch);
    std::string ShownText(std::int32_t lngValue) const;
    void ShowAll();
    void ConvertOdds(std::size_t lngMatch);

    Kind m_kind;
    Values m_value{};
    OutcomeTable<std::string> m_text{};
    TeamNames m_teams{};
    std::int32_t m_mode = kMode10000;
    // Odds mode: the boxes typed in since it was chosen, and the values then, which weigh the
    // boxes not typed in.
    OutcomeTable<bool> m_typed{};
    Values m_oddsFrom{};
    std::array<bool, clsToto::kMatchCount> m_unfinished{};
    bool m_confirmed = false;
};
