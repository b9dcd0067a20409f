#include "results/clsTOdds.h"

#include "base/Currency.h"
#include "lottery/ProbabilityRecord.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {
// A box holds only what the keys let through; anything else (or nothing) reads as 0.
std::int32_t ReadWhole(std::string_view strText)
{
    if (strText.empty() || strText.size() > 9) {
        return 0;
    }
    std::int32_t v = 0;
    for (const char c : strText) {
        if (c < '0' || c > '9') {
            return 0;
        }
        v = v * 10 + (c - '0');
    }
    return v;
}

// Percent with at most two decimals, in hundredths; the decimals only come from a shown
// value being edited, so anything finer is no number of this box and reads as 0.
std::int32_t ReadPercent(std::string_view strText)
{
    const std::size_t point = strText.find('.');
    if (point == std::string_view::npos) {
        return strText.size() > 7 ? 0 : ReadWhole(strText) * 100;
    }
    const std::string_view whole = strText.substr(0, point);
    std::string fraction(strText.substr(point + 1));
    if (whole.size() > 6 || fraction.size() > 2 ||
        fraction.find_first_not_of("0123456789") != std::string::npos) {
        return 0;
    }
    fraction.resize(2, '0');
    return ReadWhole(whole) * 100 + ReadWhole(fraction);
}

// The odds at which a probability would be a fair bet, as the box shows them.
std::string FairOdds(std::int32_t lngValue)
{
    if (lngValue <= 0) {
        return {};
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f",
                  static_cast<double>(ProbabilityRecord::Total) / lngValue);
    return buf;
}

bool UsableOdds(std::string_view strText)
{
    const std::optional<double> o = clsTOdds::ReadOdds(strText);
    return o && std::isfinite(*o) && *o >= 1.0;
}
} // namespace

void clsTOdds::CheckIndex(std::int32_t lngOutcome, std::int32_t lngMatch)
{
    if (lngOutcome < 0 || lngOutcome > 2 || lngMatch < 0 || lngMatch >= clsToto::kMatchCount) {
        throw std::out_of_range("clsTOdds: outcome or match");
    }
}

void clsTOdds::Open(const Values& lngValue, const TeamNames& strTeams)
{
    m_mode = kMode10000;
    m_confirmed = false;
    m_teams = strTeams;
    SetValues(lngValue);
}

void clsTOdds::SetValues(const Values& lngValue)
{
    m_value = lngValue;
    ShowAll();
}

std::string clsTOdds::ModeCaption(std::int32_t lngMode)
{
    switch (lngMode) {
    case kModeOdds:
        return "オッズ";
    case kMode100:
        return "100";
    default:
        return "10,000";
    }
}

void clsTOdds::SetMode(std::int32_t lngMode)
{
    if (lngMode != kMode100 && lngMode != kMode10000 &&
        (lngMode != kModeOdds || m_kind != Kind::Probability)) {
        throw std::invalid_argument("clsTOdds: mode");
    }
    if (lngMode == m_mode) {
        return;
    }
    m_mode = lngMode;
    ShowAll();
}

std::string clsTOdds::ShownText(std::int32_t lngValue) const
{
    if (m_mode == kModeOdds) {
        return FairOdds(lngValue);
    }
    if (m_mode == kMode10000 || lngValue % 100 == 0) {
        return std::to_string(m_mode == kMode10000 ? lngValue : lngValue / 100);
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%d.%02d", lngValue < 0 ? "-" : "", std::abs(lngValue / 100),
                  std::abs(lngValue % 100));
    return buf;
}

void clsTOdds::ShowAll()
{
    for (std::size_t k = 0; k < 3; ++k) {
        for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
            m_text[k][m] = ShownText(m_value[k][m]);
        }
    }
    m_typed = {};
    m_unfinished = {};
    m_oddsFrom = m_value;
}

const std::string& clsTOdds::Text(std::int32_t lngOutcome, std::int32_t lngMatch) const
{
    CheckIndex(lngOutcome, lngMatch);
    return m_text[lngOutcome][lngMatch];
}

std::int32_t clsTOdds::Value(std::int32_t lngOutcome, std::int32_t lngMatch) const
{
    CheckIndex(lngOutcome, lngMatch);
    return m_value[lngOutcome][lngMatch];
}

void clsTOdds::SetText(std::int32_t lngOutcome, std::int32_t lngMatch, std::string_view strText)
{
    CheckIndex(lngOutcome, lngMatch);
    const auto k = static_cast<std::size_t>(lngOutcome);
    const auto m = static_cast<std::size_t>(lngMatch);
    m_text[k][m] = std::string(strText);
    switch (m_mode) {
    case kModeOdds:
        m_typed[k][m] = true;
        ConvertOdds(m);
        break;
    case kMode100:
        m_value[k][m] = ReadPercent(strText);
        break;
    default:
        m_value[k][m] = ReadWhole(strText);
        break;
    }
}

void clsTOdds::ConvertOdds(std::size_t lngMatch)
{
    std::array<double, 3> weight{};
    for (std::size_t k = 0; k < 3; ++k) {
        if (!m_typed[k][lngMatch]) {
            weight[k] = std::max(m_oddsFrom[k][lngMatch], 0) /
                        static_cast<double>(ProbabilityRecord::Total);
        } else if (UsableOdds(m_text[k][lngMatch])) {
            weight[k] = 1.0 / *ReadOdds(m_text[k][lngMatch]);
        } else {
            m_unfinished[lngMatch] = true;
            return;
        }
    }
    // A typed box weighs more than nothing, so the sum is never 0.
    const std::array<std::int32_t, 3> share = ProbabilityRecord::Shares(weight);
    for (std::size_t k = 0; k < 3; ++k) {
        m_value[k][lngMatch] = share[k];
    }
    m_unfinished[lngMatch] = false;
}

const std::string& clsTOdds::TeamName(std::int32_t lngMatch, std::int32_t lngSide) const
{
    CheckIndex(lngSide, lngMatch);
    return m_teams.at(static_cast<std::size_t>(lngMatch)).at(static_cast<std::size_t>(lngSide));
}

std::int32_t clsTOdds::RowTotal(std::int32_t lngMatch) const
{
    CheckIndex(0, lngMatch);
    std::int64_t s = 0;
    for (std::size_t k = 0; k < 3; ++k) {
        s += m_value[k][lngMatch];
    }
    return static_cast<std::int32_t>(s);
}

std::string clsTOdds::RowFault(std::int32_t lngMatch) const
{
    CheckIndex(0, lngMatch);
    const auto m = static_cast<std::size_t>(lngMatch);
    if (m_unfinished[m]) {
        for (std::size_t k = 0; k < 3; ++k) {
            if (m_typed[k][m] && !UsableOdds(m_text[k][m])) {
                return std::to_string(lngMatch + 1) + "試合目の「" + std::to_string(k) +
                       "」のオッズが正しくありません（1 以上の小数オッズを入力して下さい）。";
            }
        }
    }
    return m_kind == Kind::Probability ? ProbabilityRecord::CheckMatch(m_value, lngMatch)
                                       : CheckVoteMatch(m_value, lngMatch);
}

bool clsTOdds::OkEnabled() const
{
    for (std::int32_t m = 0; m < clsToto::kMatchCount; ++m) {
        if (!RowValid(m)) {
            return false;
        }
    }
    return true;
}

std::int32_t clsTOdds::MaxChars() const
{
    switch (m_mode) {
    case kModeOdds:
        return kOddsMaxChars;
    case kMode100:
        return 3;
    default:
        return 5;
    }
}

bool clsTOdds::AcceptKey(Key key, std::string_view strBoxText, bool blnAllSelected) const
{
    const bool room = static_cast<std::int32_t>(strBoxText.size()) < MaxChars();
    switch (key) {
    case Key::Digit:
        // A full box takes a digit only when the digit replaces the whole selected text.
        return room || blnAllSelected;
    case Key::Point:
        // A selected text is replaced, so its point does not count.
        return m_mode == kModeOdds &&
               (blnAllSelected || (room && strBoxText.find('.') == std::string_view::npos));
    case Key::BackSpace:
        return !strBoxText.empty();
    case Key::Enter:
    case Key::Other:
        break;
    }
    return false;
}

std::int32_t clsTOdds::NextBox(std::int32_t lngBox)
{
    return (lngBox + 1) % 39;
}

std::int32_t clsTOdds::BoxOutcome(std::int32_t lngBox)
{
    static constexpr std::int32_t kColumnCode[3] = {1, 0, 2};
    return kColumnCode[((lngBox % 3) + 3) % 3];
}

bool clsTOdds::Ok()
{
    // The button is disabled in that state; a caller pressing it anyway must not confirm
    // values the document would refuse.
    if (!OkEnabled()) {
        return false;
    }
    m_confirmed = true;
    return true;
}

std::string clsTOdds::CheckVoteMatch(const Values& lngValue, std::int32_t lngMatch)
{
    CheckIndex(0, lngMatch);
    const auto m = static_cast<std::size_t>(lngMatch);
    std::int64_t total = 0;
    for (std::size_t k = 0; k < 3; ++k) {
        if (lngValue[k][m] < 0) {
            total = -1;
            break;
        }
        total += lngValue[k][m];
    }
    if (total != kMode10000) {
        return std::to_string(lngMatch + 1) + " 試合目の投票率の合計が 100.00% になりません。";
    }
    return {};
}

std::string clsTOdds::CheckVoteValues(const Values& lngValue)
{
    for (std::int32_t m = 0; m < clsToto::kMatchCount; ++m) {
        std::string fault = CheckVoteMatch(lngValue, m);
        if (!fault.empty()) {
            return fault;
        }
    }
    return {};
}

std::optional<double> clsTOdds::ReadOdds(std::string_view strText)
{
    bool digit = false;
    bool point = false;
    for (const char c : strText) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digit) {
        return std::nullopt;
    }
    double v = 0.0;
    // "2." and ".5" are odds as typed; from_chars wants the digits on both sides.
    std::string s(strText);
    if (s.front() == '.') {
        s.insert(s.begin(), '0');
    }
    if (s.back() == '.') {
        s.pop_back();
    }
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size()) {
        return std::nullopt;
    }
    return v;
}

clsTOdds::Values clsTOdds::FromVoteRecord(const VoteRecord& vote)
{
    Values v{};
    for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
        for (std::size_t k = 0; k < 3; ++k) {
            v[k][m] = static_cast<std::int32_t>((vote.Match[m].Rate[k] * 100).ToInt64());
        }
    }
    return v;
}

clsTOdds::TeamNames clsTOdds::TeamsFromVoteRecord(const VoteRecord& vote)
{
    TeamNames t; // not "t{}": clang 14 crashes evaluating that as a constant
    for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
        t[m][0] = vote.Match[m].Home;
        t[m][1] = vote.Match[m].Away;
    }
    return t;
}

VoteRecord clsTOdds::ToVoteRecord(const Values& lngValue, std::int32_t lngKaisaikai,
                                  const std::string& strKumi)
{
    VoteRecord r{};
    r.Kaisaikai = lngKaisaikai;
    r.Kumi = strKumi;
    for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
        for (std::size_t k = 0; k < 3; ++k) {
            r.Match[m].Votes[k] = Currency::FromInt(lngValue[k][m]);
            r.Match[m].Rate[k] = Currency::FromInt(lngValue[k][m]) / 100;
        }
    }
    return r;
}
