#pragma once
// Helpers the page readers share for walking a page's text list.

#include "net/clsHtmlToto.h"

#include <cstdint>
#include <string>
#include <vector>

namespace basPageList {
// The entry at i; a reader that runs past the end of the list has read a broken page.
inline const std::string& At(const std::vector<std::string>& list, std::size_t i)
{
    if (i >= list.size()) {
        throw HtmlReadError::PastEnd();
    }
    return list[i];
}

// n when the entry is exactly one of "1" … "lngMax", else 0.
inline std::int32_t RowNumber(const std::string& strEntry, std::int32_t lngMax)
{
    if (strEntry.empty() || strEntry.size() > 2 || strEntry[0] == '0') {
        return 0;
    }
    std::int32_t n = 0;
    for (char c : strEntry) {
        if (c < '0' || c > '9') {
            return 0;
        }
        n = n * 10 + (c - '0');
    }
    return n <= lngMax ? n : 0;
}

// The round as the page addresses want it: at least four digits.
inline std::string Format0000(std::int32_t lngValue)
{
    std::string digits = std::to_string(lngValue < 0 ? -static_cast<std::int64_t>(lngValue)
                                                     : static_cast<std::int64_t>(lngValue));
    if (digits.size() < 4) {
        digits.insert(0, 4 - digits.size(), '0');
    }
    return lngValue < 0 ? "-" + digits : digits;
}

// A month/day entry dated in strYear; an entry that writes its own year keeps it.
inline DateTime DateInYear(const clsHtmlToto& toto, int intYear, const std::string& strEntry)
{
    const std::string withYear = std::to_string(intYear) + "/" + strEntry;
    if (toto.IsDate(withYear)) {
        return toto.ToDate(withYear);
    }
    return toto.ToDate(strEntry);
}
} // namespace basPageList
