#include "files/clsStringConvert.h"

std::string clsStringConvert::DateToString(DateTime dtmValue) const
{
    if (dtmValue.IsZero()) {
        return "Nothing";
    }
    return dtmValue.Format("yyyy/mm/dd");
}

bool clsStringConvert::StringToDate(std::string_view strText, DateTime& dtmValue) const
{
    if (strText.empty() || strText == "Nothing") {
        dtmValue = DateTime();
        return true;
    }
    const auto d = basXmlValue::ParseDateTime(strText);
    if (!d) {
        return false;
    }
    dtmValue = *d;
    return true;
}

std::string clsStringConvert::ListboxToString(const std::vector<std::string>& lstLines) const
{
    std::string s;
    for (std::size_t i = 0; i < lstLines.size(); ++i) {
        if (i > 0) {
            s += "\r\n";
        }
        s += lstLines[i];
    }
    return s;
}

void clsStringConvert::StringtoListbox(std::string_view strText, std::vector<std::string>& lstLines,
                                       std::int32_t& lngSelected) const
{
    lstLines.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t pos = strText.find("\r\n", start);
        if (pos == std::string_view::npos) {
            break; // the piece after the last CR LF is not a line
        }
        lstLines.emplace_back(strText.substr(start, pos - start));
        start = pos + 2;
    }
    lngSelected = static_cast<std::int32_t>(lstLines.size()) - 1;
}

std::vector<std::string_view> clsStringConvert::Split(std::string_view strText, char chrSep)
{
    std::vector<std::string_view> out;
    if (strText.empty()) {
        return out;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t pos = strText.find(chrSep, start);
        if (pos == std::string_view::npos) {
            out.push_back(strText.substr(start));
            return out;
        }
        out.push_back(strText.substr(start, pos - start));
        start = pos + 1;
    }
}

bool clsStringConvert::ParseCurrencyInto(std::string_view p, Currency& e)
{
    // A "," inside a number would have been split off already; reject anything but a plain number.
    const auto v = basXmlValue::ParseCurrency(p);
    if (v) {
        e = *v;
    }
    return v.has_value();
}
