#pragma once
// The rules of the user vote-rate dialog (投票率（ユーザー定義）) without its widgets: the 39
// box texts, the two modes, row validation, typing and OK. One per opening of the dialog.

#include "lottery/MarkArray.h"
#include "lottery/VoteRecord.h"
#include "lottery/clsToto.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class clsTOdds
{
public:
    // (outcome code, match index); hundredths of a percent on entry and after OK.
    using Values = OutcomeTable<std::int32_t>;
    // Home and away team of each match, for orientation only.
    using TeamNames = std::array<std::array<std::string, 2>, clsToto::kMatchCount>;

    static constexpr std::int32_t kMode10000 = 10000;
    static constexpr std::int32_t kMode100 = 100;

    enum class Key
    {
        Digit,
        // A decimal point: only the decimal-odds entry of the probability dialog takes it.
        Point,
        BackSpace,
        Enter,
        Other
    };

    // Opening: mode 10,000, each value into its box, rows validated.
    void Open(const Values& lngValue, const TeamNames& strTeams);

    std::int32_t Mode() const { return m_mode; }
    // The option captions "10,000" and "100".
    static std::string ModeCaption(std::int32_t lngMode);
    // Converts every shown value to the other unit; the same mode changes nothing.
    void SetMode(std::int32_t lngMode);

    const std::string& Text(std::int32_t lngOutcome, std::int32_t lngMatch) const;
    std::int32_t Value(std::int32_t lngOutcome, std::int32_t lngMatch) const;
    // A box's text changed: non-numeric text (an emptied box) counts as 0.
    void SetText(std::int32_t lngOutcome, std::int32_t lngMatch, std::string_view strText);
    const std::string& TeamName(std::int32_t lngMatch, std::int32_t lngSide) const;

    std::int32_t RowTotal(std::int32_t lngMatch) const;
    // Drawn in the normal colour when true, in red otherwise.
    bool RowValid(std::int32_t lngMatch) const;
    bool OkEnabled() const;

    // Box length limit of the mode: 5 characters for 10,000, 3 for 100.
    std::int32_t MaxChars() const { return m_mode == kMode100 ? 3 : 5; }
    // Whether a key reaches the box; Enter never does (it moves the focus instead).
    bool AcceptKey(Key key, std::string_view strBoxText, bool blnAllSelected) const;
    // Tab order runs match by match through the columns "1", "0", "2", wrapping at the end.
    // Boxes are numbered match × 3 + column (column 0 = outcome 1, 1 = outcome 0, 2 = outcome 2).
    static std::int32_t NextBox(std::int32_t lngBox);
    static std::int32_t BoxOutcome(std::int32_t lngBox);
    static std::int32_t BoxMatch(std::int32_t lngBox) { return lngBox / 3; }

    // OK: refused while a row does not add up; otherwise the values go back in hundredths of a
    // percent whatever the mode, and the dialog counts as confirmed.
    bool Ok();
    bool Confirmed() const { return m_confirmed; }
    // Written back to the caller in either case; the caller uses them only when confirmed.
    const Values& GetValues() const { return m_value; }

    // The document's vote rates × 100, whole numbers (halves to even).
    static Values FromVoteRecord(const VoteRecord& vote);
    static TeamNames TeamsFromVoteRecord(const VoteRecord& vote);
    // The user-defined vote record: votes = the value, rate = value ÷ 100, the round and group
    // given, everything else empty.
    static VoteRecord ToVoteRecord(const Values& lngValue, std::int32_t lngKaisaikai,
                                   const std::string& strKumi);

private:
    static void CheckIndex(std::int32_t lngOutcome, std::int32_t lngMatch);

    Values m_value{};
    OutcomeTable<std::string> m_text{};
    TeamNames m_teams{};
    std::int32_t m_mode = kMode10000;
    bool m_confirmed = false;
};
