#include "lottery/clsMoneyText.h"

#include "base/basText.h"

#include <algorithm>

namespace {

// The largest whole amount the money type holds.
constexpr std::string_view kMaxDigits = "922337203685477";

} // namespace

clsMoneyText::clsMoneyText(clsIMessage& message, clsIClipboard& clipboard)
    : m_err(message, "clsMoneyText")
    , m_clipboard(clipboard)
{}

void clsMoneyText::Initialize()
{
    m_text = "0";
    m_selStart = 1;
    m_selLength = 0;
    if (Change) {
        Change();
    }
}

std::string clsMoneyText::Digits(std::string_view strText)
{
    std::string d;
    for (char c : strText) {
        if (basText::IsDigit(c) && !(d.empty() && c == '0')) {
            d += c;
        }
    }
    return d.empty() ? "0" : d;
}

std::string clsMoneyText::FormatAmount(Currency cur) const
{
    if (cur < m_min) {
        cur = m_min;
    }
    if (cur > m_max) {
        cur = m_max;
    }
    return cur.FormatNumber(0, true);
}

std::string clsMoneyText::GetCNumber(std::string_view strText) const
{
    try {
        std::string d = Digits(strText);
        if (d.size() > kMaxDigits.size() ||
            (d.size() == kMaxDigits.size() && std::string_view(d) > kMaxDigits)) {
            d = kMaxDigits;
        }
        return FormatAmount(Currency::FromInt(std::stoll(d)));
    } catch (const std::exception& e) {
        m_err.ReportException("GetCNumber", e);
        return FormatAmount(Currency());
    }
}

Currency clsMoneyText::Value() const
{
    std::string d = Digits(m_text);
    if (d.size() > kMaxDigits.size() ||
        (d.size() == kMaxDigits.size() && std::string_view(d) > kMaxDigits)) {
        d = kMaxDigits;
    }
    return Currency::FromInt(std::stoll(d));
}

void clsMoneyText::SetValue(Currency curValue)
{
    m_text = FormatAmount(curValue);
    m_selStart = static_cast<std::int32_t>(m_text.size());
    m_selLength = 0;
    if (Change) {
        Change();
    }
}

void clsMoneyText::SetSelection(std::int32_t lngStart, std::int32_t lngLength)
{
    const auto len = static_cast<std::int32_t>(m_text.size());
    // A backward selection is kept as its start and a positive length.
    if (lngLength < 0) {
        lngStart += lngLength;
        lngLength = -lngLength;
    }
    m_selStart = std::clamp(lngStart, 0, len);
    m_selLength = std::clamp(lngLength, 0, len - m_selStart);
}

void clsMoneyText::Apply(const std::string& strEdited, std::int32_t lngCaret)
{
    const auto fromEnd = static_cast<std::int32_t>(strEdited.size()) - lngCaret;
    m_text = GetCNumber(strEdited);
    m_selStart = std::max(0, static_cast<std::int32_t>(m_text.size()) - fromEnd);
    m_selLength = 0;
    if (Change) {
        Change();
    }
}

void clsMoneyText::DeleteSelection(std::string& s, std::int32_t& caret) const
{
    s.erase(static_cast<std::size_t>(m_selStart), static_cast<std::size_t>(m_selLength));
    caret = m_selStart;
}

void clsMoneyText::EditText(std::string_view strText, std::int32_t lngCaret)
{
    const auto len = static_cast<std::int32_t>(strText.size());
    Apply(std::string(strText), std::clamp(lngCaret, 0, len));
}

bool clsMoneyText::KeyChar(char32_t chKey)
{
    std::string s = m_text;
    std::int32_t caret = m_selStart;
    if (chKey >= U'0' && chKey <= U'9') {
        if (m_selLength > 0) {
            DeleteSelection(s, caret);
        }
        s.insert(s.begin() + caret, static_cast<char>(chKey));
        ++caret;
    } else if (chKey == U'\b') {
        if (m_selLength > 0) {
            DeleteSelection(s, caret);
        } else {
            // The last digit left of the caret; separators are stepped over.
            std::int32_t p = caret - 1;
            while (p >= 0 && !basText::IsDigit(s[static_cast<std::size_t>(p)])) {
                --p;
            }
            if (p < 0) {
                return true;
            }
            s.erase(static_cast<std::size_t>(p), 1);
            caret = p;
        }
    } else {
        return true; // other characters never reach the text
    }
    Apply(s, caret);
    return true;
}

void clsMoneyText::DeleteForward()
{
    const auto len = static_cast<std::int32_t>(m_text.size());
    std::string s = m_text;
    std::int32_t caret = m_selStart;
    if (m_selLength > 0) {
        DeleteSelection(s, caret);
    } else {
        std::int32_t p = caret;
        while (p < len && !basText::IsDigit(m_text[static_cast<std::size_t>(p)])) {
            ++p;
        }
        if (p >= len) {
            return;
        }
        s.erase(static_cast<std::size_t>(p), 1);
    }
    Apply(s, caret);
}

void clsMoneyText::MoveCaret(bool blnLeft)
{
    if (m_selLength > 0) {
        SetSelection(blnLeft ? m_selStart : m_selStart + m_selLength, 0);
        return;
    }
    // Each press crosses exactly one digit, taking a separator beside it along, so the caret
    // never stops where the next press would only cross a ",".
    const auto len = static_cast<std::int32_t>(m_text.size());
    std::int32_t c = m_selStart;
    if (blnLeft) {
        if (c > 0 && m_text[static_cast<std::size_t>(c - 1)] == ',') {
            --c;
        }
        c = std::max(0, c - 1);
        if (c > 0 && m_text[static_cast<std::size_t>(c - 1)] == ',') {
            --c;
        }
    } else {
        if (c < len && m_text[static_cast<std::size_t>(c)] == ',') {
            ++c;
        }
        c = std::min(len, c + 1);
        if (c < len && m_text[static_cast<std::size_t>(c)] == ',') {
            ++c;
        }
    }
    SetSelection(c, 0);
}

void clsMoneyText::Paste()
{
    std::string t = m_clipboard.GetText();
    // A yen sign in front is part of a number as a user writes it.
    for (std::string_view sign : {"￥", "¥", "\\"}) {
        const auto p = t.find_first_not_of(" \t");
        if (p != std::string::npos && t.compare(p, sign.size(), sign) == 0) {
            t.erase(p, sign.size());
        }
    }
    if (const auto v = Currency::Parse(t)) {
        SetValue(*v);
    }
}

bool clsMoneyText::KeyDown(Key key, bool blnShift, bool blnCtrl)
{
    switch (key) {
    case Key::Delete:
        DeleteForward();
        return true;
    case Key::Left:
    case Key::Right:
        if (blnShift || blnCtrl) {
            return false;
        }
        MoveCaret(key == Key::Left);
        return true;
    case Key::A:
        if (!blnCtrl) {
            return false;
        }
        SetSelection(0, static_cast<std::int32_t>(m_text.size()));
        return true;
    case Key::C:
        if (!blnCtrl) {
            return false;
        }
        m_clipboard.SetText(std::to_string(Value().Truncate()));
        return true;
    case Key::V:
        if (!blnCtrl) {
            return false;
        }
        Paste();
        return true;
    }
    return false;
}
