#include "results/clsTOdds.h"

#include "base/Currency.h"
#include "lottery/clsToto.h"

#include <stdexcept>

namespace {
// A box holds only what the keys let through; anything else (or nothing) reads as 0.
std::int32_t ReadBox(std::string_view strText)
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
    m_value = lngValue;
    for (std::size_t k = 0; k < 3; ++k) {
        for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
            m_text[k][m] = std::to_string(m_value[k][m]);
        }
    }
}

std::string clsTOdds::ModeCaption(std::int32_t lngMode)
{
    return lngMode == kMode100 ? "100" : "10,000";
}

void clsTOdds::SetMode(std::int32_t lngMode)
{
    if (lngMode != kMode100 && lngMode != kMode10000) {
        throw std::invalid_argument("clsTOdds: mode");
    }
    if (lngMode == m_mode) {
        return;
    }
    for (std::size_t k = 0; k < 3; ++k) {
        for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
            std::int64_t v = m_value[k][m];
            if (lngMode == kMode100) {
                // The rounding of the original currency conversion: halves to even.
                v = (Currency::FromInt(v) / 100).ToInt64();
            } else {
                v *= 100;
            }
            m_text[k][m] = std::to_string(v);
            m_value[k][m] = ReadBox(m_text[k][m]);
        }
    }
    m_mode = lngMode;
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
    m_text[lngOutcome][lngMatch] = std::string(strText);
    m_value[lngOutcome][lngMatch] = ReadBox(strText);
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

bool clsTOdds::RowValid(std::int32_t lngMatch) const
{
    return RowTotal(lngMatch) == m_mode;
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

bool clsTOdds::AcceptKey(Key key, std::string_view strBoxText, bool blnAllSelected) const
{
    switch (key) {
    case Key::Digit:
        // A full box takes a digit only when the digit replaces the whole selected text.
        return static_cast<std::int32_t>(strBoxText.size()) < MaxChars() || blnAllSelected;
    case Key::BackSpace:
        return !strBoxText.empty();
    case Key::Point:
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
    // rates that do not add up.
    if (!OkEnabled()) {
        return false;
    }
    if (m_mode == kMode100) {
        for (auto& row : m_value) {
            for (auto& v : row) {
                v *= 100;
            }
        }
    }
    m_confirmed = true;
    return true;
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
