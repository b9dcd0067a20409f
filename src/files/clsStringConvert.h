#pragma once
// Line forms of single values and fixed-size arrays in the work files (the "key = value" right
// sides). Stateless; every user makes its own. Decoders fill in place and never resize; a
// conversion failure returns false and leaves the elements already written as they are.

#include "base/Currency.h"
#include "base/DateTime.h"
#include "store/basXmlValue.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class clsStringConvert
{
public:
    std::string DateToString(DateTime dtmValue) const;
    // "Nothing" and "" give the zero date; any other text must be a date.
    bool StringToDate(std::string_view strText, DateTime& dtmValue) const;

    std::string BooleanToString(bool blnValue) const { return blnValue ? "1" : "0"; }
    // Only the exact text "1" is true.
    bool StringToBoolean(std::string_view strText) const { return strText == "1"; }

    template <class A> std::string Boolean1ToString(const A& a) const
    {
        std::string s;
        s.reserve(a.size());
        for (std::size_t i = 0; i < a.size(); ++i) {
            s += a[i] ? '1' : '0';
        }
        return s;
    }
    // Every element is written: a short text clears the rest, surplus characters are ignored.
    template <class A> void StringToBoolean1(std::string_view strText, A& a) const
    {
        for (std::size_t i = 0; i < a.size(); ++i) {
            a[i] = i < strText.size() && strText[i] == '1';
        }
    }

    template <class A> std::string Boolean2ToString(const A& a) const
    {
        return Join2(a, [this](const auto& row) { return Boolean1ToString(row); });
    }
    template <class A> void StringToBoolean2(std::string_view strText, A& a) const
    {
        const auto rows = Split(strText, ',');
        for (std::size_t r = 0; r < a.size() && r < rows.size(); ++r) {
            StringToBoolean1(rows[r], a[r]);
        }
    }

    template <class A> std::string Byte2ToString(const A& a) const
    {
        return Join2(a, [](const auto& row) {
            std::string s;
            for (std::size_t c = 0; c < row.size(); ++c) {
                s += std::to_string(static_cast<int>(row[c]));
            }
            return s;
        });
    }
    // Each character is one number; a short row or a non-digit fails.
    template <class A> bool StringToByte2(std::string_view strText, A& a) const
    {
        const auto rows = Split(strText, ',');
        for (std::size_t r = 0; r < a.size() && r < rows.size(); ++r) {
            auto& row = a[r];
            for (std::size_t c = 0; c < row.size(); ++c) {
                if (c >= rows[r].size() || rows[r][c] < '0' || rows[r][c] > '9') {
                    return false;
                }
                row[c] = static_cast<std::uint8_t>(rows[r][c] - '0');
            }
        }
        return true;
    }

    template <class A> std::string Long1ToString(const A& a) const
    {
        return Join1(a, ',', [](std::int32_t v) { return std::to_string(v); });
    }
    template <class A> bool StringToLong1(std::string_view strText, A& a) const
    {
        return Fill1(Split(strText, ','), a, [](std::string_view p, auto& e) {
            const auto v = basXmlValue::ParseLong(p);
            if (v) {
                e = *v;
            }
            return v.has_value();
        });
    }

    template <class A> std::string Long2ToString(const A& a) const
    {
        return Join2(a, [](const auto& row) {
            return Join1(row, ':', [](std::int32_t v) { return std::to_string(v); });
        });
    }
    template <class A> bool StringToLong2(std::string_view strText, A& a) const
    {
        const auto rows = Split(strText, ',');
        for (std::size_t r = 0; r < a.size() && r < rows.size(); ++r) {
            if (!Fill1(Split(rows[r], ':'), a[r], [](std::string_view p, auto& e) {
                    const auto v = basXmlValue::ParseLong(p);
                    if (v) {
                        e = *v;
                    }
                    return v.has_value();
                })) {
                return false;
            }
        }
        return true;
    }

    template <class A> std::string Currency1ToString(const A& a) const
    {
        return Join1(a, ',', [](Currency v) { return v.ToString(); });
    }
    template <class A> bool StringToCurrency1(std::string_view strText, A& a) const
    {
        return Fill1(Split(strText, ','), a, ParseCurrencyInto);
    }
    template <class A> std::string Currency2ToString(const A& a) const
    {
        return Join2(a, [](const auto& row) {
            return Join1(row, ':', [](Currency v) { return v.ToString(); });
        });
    }
    template <class A> bool StringToCurrency2(std::string_view strText, A& a) const
    {
        const auto rows = Split(strText, ',');
        for (std::size_t r = 0; r < a.size() && r < rows.size(); ++r) {
            if (!Fill1(Split(rows[r], ':'), a[r], ParseCurrencyInto)) {
                return false;
            }
        }
        return true;
    }

    template <class A> std::string String1ToString(const A& a) const
    {
        return Join1(a, ',', [](const std::string& v) { return v; });
    }
    template <class A> void StringToString1(std::string_view strText, A& a) const
    {
        Fill1(Split(strText, ','), a, StringInto);
    }
    template <class A> std::string String2ToString(const A& a) const
    {
        return Join2(a, [](const auto& row) {
            return Join1(row, ':', [](const std::string& v) { return v; });
        });
    }
    template <class A> void StringToString2(std::string_view strText, A& a) const
    {
        const auto rows = Split(strText, ',');
        for (std::size_t r = 0; r < a.size() && r < rows.size(); ++r) {
            Fill1(Split(rows[r], ':'), a[r], StringInto);
        }
    }

    // The lines of a list joined by CR LF, none after the last.
    std::string ListboxToString(const std::vector<std::string>& lstLines) const;
    // Lines each ended by CR LF; the piece after the last CR LF is dropped. The last line
    // becomes the selected one (-1 for an empty list).
    void StringtoListbox(std::string_view strText, std::vector<std::string>& lstLines,
                         std::int32_t& lngSelected) const;

    // Pieces between separators; the empty text has no pieces (not one empty piece).
    static std::vector<std::string_view> Split(std::string_view strText, char chrSep);

private:
    static bool ParseCurrencyInto(std::string_view p, Currency& e);
    static bool StringInto(std::string_view p, std::string& e)
    {
        e = p;
        return true;
    }

    template <class A, class F> static std::string Join1(const A& a, char sep, F&& fmt)
    {
        std::string s;
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (i > 0) {
                s += sep;
            }
            s += fmt(a[i]);
        }
        return s;
    }
    template <class A, class F> static std::string Join2(const A& a, F&& fmtRow)
    {
        std::string s;
        for (std::size_t r = 0; r < a.size(); ++r) {
            if (r > 0) {
                s += ',';
            }
            s += fmtRow(a[r]);
        }
        return s;
    }
    template <class A, class F>
    static bool Fill1(const std::vector<std::string_view>& pieces, A& a, F&& parse)
    {
        for (std::size_t i = 0; i < a.size() && i < pieces.size(); ++i) {
            if (!parse(pieces[i], a[i])) {
                return false;
            }
        }
        return true;
    }
};
