#include "results/clsTProbabilityEntry.h"

#include "base/basText.h"
#include "lottery/clsToto.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace {
void CheckIndex(std::int32_t lngOutcome, std::int32_t lngMatch)
{
    if (lngOutcome < 0 || lngOutcome > 2 || lngMatch < 0 || lngMatch >= clsToto::kMatchCount) {
        throw std::out_of_range("clsTProbabilityEntry: outcome or match");
    }
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
} // namespace

void clsTProbabilityEntry::Open(const std::optional<ProbabilityRecord>& prob,
                                const TeamNames& strTeams)
{
    m_teams = strTeams;
    m_oddsMode = false;
    m_confirmed = false;
    m_odds.Open(prob ? prob->Value : clsTOdds::Values{}, strTeams);
}

std::string clsTProbabilityEntry::ModeCaption(std::int32_t lngMode)
{
    return lngMode == kModeOdds ? "オッズ" : clsTOdds::ModeCaption(lngMode);
}

std::optional<double> clsTProbabilityEntry::ReadOdds(std::string_view strText)
{
    bool digit = false;
    bool point = false;
    for (const char c : strText) {
        if (basText::IsDigit(c)) {
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

clsTOdds::Values clsTProbabilityEntry::OddsToValues() const
{
    // Rows that are not valid odds get neutral odds for the conversion and are zeroed after,
    // so that one unfinished match does not lose the others.
    OutcomeTable<double> odds{};
    std::array<bool, clsToto::kMatchCount> valid{};
    for (std::int32_t m = 0; m < clsToto::kMatchCount; ++m) {
        valid[static_cast<std::size_t>(m)] = RowValid(m);
        for (std::size_t k = 0; k < 3; ++k) {
            odds[k][static_cast<std::size_t>(m)] =
                valid[static_cast<std::size_t>(m)]
                    ? *ReadOdds(m_oddsText[k][static_cast<std::size_t>(m)])
                    : 3.0;
        }
    }
    std::string why;
    const std::optional<ProbabilityRecord> rec = ProbabilityRecord::FromOdds(odds, why);
    clsTOdds::Values v{};
    if (!rec) {
        return v;
    }
    for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
        const bool edited = m_oddsText[0][m] != m_oddsShown[0][m] ||
                            m_oddsText[1][m] != m_oddsShown[1][m] ||
                            m_oddsText[2][m] != m_oddsShown[2][m];
        for (std::size_t k = 0; k < 3; ++k) {
            v[k][m] = !edited ? m_oddsFrom[k][m] : valid[m] ? rec->Value[k][m] : 0;
        }
    }
    return v;
}

void clsTProbabilityEntry::ShowValues(const clsTOdds::Values& lngValue, std::int32_t lngMode)
{
    if (lngMode == kModeOdds) {
        for (std::size_t k = 0; k < 3; ++k) {
            for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
                m_oddsText[k][m] = FairOdds(lngValue[k][m]);
            }
        }
        m_oddsFrom = lngValue;
        m_oddsShown = m_oddsText;
        m_oddsMode = true;
        return;
    }
    m_odds.Open(lngValue, m_teams);
    m_odds.SetMode(lngMode);
    m_oddsMode = false;
}

void clsTProbabilityEntry::SetMode(std::int32_t lngMode)
{
    if (lngMode != kModeOdds && lngMode != kMode100 && lngMode != kMode10000) {
        throw std::invalid_argument("clsTProbabilityEntry: mode");
    }
    if (lngMode == Mode()) {
        return;
    }
    if (m_oddsMode) {
        ShowValues(OddsToValues(), lngMode);
    } else if (lngMode == kModeOdds) {
        // From whole percent the values are first brought back to hundredths.
        m_odds.SetMode(kMode10000);
        ShowValues(m_odds.GetValues(), kModeOdds);
    } else {
        m_odds.SetMode(lngMode);
    }
}

const std::string& clsTProbabilityEntry::Text(std::int32_t lngOutcome, std::int32_t lngMatch) const
{
    CheckIndex(lngOutcome, lngMatch);
    return m_oddsMode ? m_oddsText[lngOutcome][lngMatch] : m_odds.Text(lngOutcome, lngMatch);
}

void clsTProbabilityEntry::SetText(std::int32_t lngOutcome, std::int32_t lngMatch,
                                   std::string_view strText)
{
    CheckIndex(lngOutcome, lngMatch);
    if (m_oddsMode) {
        m_oddsText[lngOutcome][lngMatch] = std::string(strText);
    } else {
        m_odds.SetText(lngOutcome, lngMatch, strText);
    }
}

bool clsTProbabilityEntry::RowValid(std::int32_t lngMatch) const
{
    CheckIndex(0, lngMatch);
    if (!m_oddsMode) {
        return m_odds.RowValid(lngMatch);
    }
    for (std::size_t k = 0; k < 3; ++k) {
        const std::optional<double> o = ReadOdds(m_oddsText[k][lngMatch]);
        if (!o || !std::isfinite(*o) || *o < 1.0) {
            return false;
        }
    }
    return true;
}

bool clsTProbabilityEntry::OkEnabled() const
{
    for (std::int32_t m = 0; m < clsToto::kMatchCount; ++m) {
        if (!RowValid(m)) {
            return false;
        }
    }
    return true;
}

bool clsTProbabilityEntry::AcceptKey(Key key, std::string_view strBoxText,
                                     bool blnAllSelected) const
{
    if (!m_oddsMode) {
        return m_odds.AcceptKey(key, strBoxText, blnAllSelected);
    }
    const bool room = static_cast<std::int32_t>(strBoxText.size()) < kOddsMaxChars;
    switch (key) {
    case Key::Digit:
        return room || blnAllSelected;
    case Key::Point:
        // A selected text is replaced, so its point does not count.
        return blnAllSelected || (room && strBoxText.find('.') == std::string_view::npos);
    case Key::BackSpace:
        return !strBoxText.empty();
    case Key::Enter:
    case Key::Other:
        break;
    }
    return false;
}

bool clsTProbabilityEntry::FillFromVote(const VoteRecord& vote, std::string& strReason)
{
    const std::optional<ProbabilityRecord> rec = ProbabilityRecord::FromVoteRates(vote, strReason);
    if (!rec) {
        return false;
    }
    ShowValues(rec->Value, Mode());
    return true;
}

bool clsTProbabilityEntry::Ok()
{
    if (!OkEnabled()) {
        return false;
    }
    if (m_oddsMode) {
        m_result.Value = OddsToValues();
    } else {
        if (!m_odds.Ok()) {
            return false;
        }
        m_result.Value = m_odds.GetValues();
    }
    m_confirmed = true;
    return true;
}
