#pragma once
// Helpers the page readers share: fetching a round's page, walking its text list and reporting
// a broken one.

#include "base/clsErrorReporter.h"
#include "net/clsHtmlGet.h"
#include "net/clsHtmlToto.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace basPageList {
// Fetches a round's page under the progress text "第N回 <what>取得中 (オフィシャル)" and hands its
// list to the reader. The address is made inside the guard, so any failure on the way is the
// one runtime-error report under strOperation.
inline bool FetchAndRead(clsHtmlGet& get, const clsErrorReporter& err,
                         std::string_view strOperation, std::int32_t lngKaisaikai,
                         std::string_view strWhat, const std::function<std::string()>& pageUrl,
                         const std::function<bool(const std::vector<std::string>&)>& read)
{
    try {
        get.SetProgressDialogMessage("第" + std::to_string(lngKaisaikai) + "回 " +
                                     std::string(strWhat) + "取得中 (オフィシャル)");
        if (get.GetHttp(pageUrl(), "", 8) == 0) {
            return false;
        }
        std::vector<std::string> list;
        get.GetTextData(list);
        return read(list);
    } catch (const std::exception& e) {
        err.ReportException(strOperation, e);
        return false;
    }
}

// A read error keeps its own number and text; anything else is reported as a runtime error.
inline void ReportReadError(const clsErrorReporter& err, std::string_view strOperation,
                            const std::exception& e)
{
    if (const auto* read = dynamic_cast<const HtmlReadError*>(&e)) {
        if (read->Number() == ErrorNumber::None) {
            err.Report(strOperation, read->what());
        } else {
            err.ReportError(strOperation, read->Record());
        }
    } else {
        err.ReportException(strOperation, e);
    }
}

// The heading that proves the page is the round's: "toto<what>", or "toto-<group>組<what>"
// for a group's page.
inline std::string HeaderCheck(const std::string& strKumi, std::string_view strWhat)
{
    if (strKumi.empty()) {
        return "toto" + std::string(strWhat);
    }
    return "toto-" + strKumi + "組" + std::string(strWhat);
}

// The entry at i; a reader that runs past the end of the list has read a broken page.
inline const std::string& At(const std::vector<std::string>& list, std::size_t i)
{
    if (i >= list.size()) {
        throw HtmlReadError::PastEnd();
    }
    return list[i];
}

// A date cell in the long form (weekday in parentheses, time after it).
inline DateTime DateAt(const clsHtmlToto& toto, const std::vector<std::string>& list, std::size_t i)
{
    std::string value = At(list, i);
    return toto.StringToDateEx(value);
}

// A result-date or refund row, "label date", into its field; false for any other entry.
template <typename Record>
bool ReadPayoutDate(const clsHtmlToto& toto, const std::vector<std::string>& list, std::size_t i,
                    Record& rec)
{
    const std::string& entry = list[i];
    DateTime* field = entry == "結果発表日"   ? &rec.ResultDate
                      : entry == "払戻開始日" ? &rec.RefundStart
                      : entry == "払戻期限"   ? &rec.RefundDeadline
                                              : nullptr;
    if (field == nullptr) {
        return false;
    }
    *field = DateAt(toto, list, i + 1);
    return true;
}

// A team cell; a date, time or number there means the table is shifted or broken.
inline const std::string& TeamCell(const clsHtmlToto& toto, const std::string& strText)
{
    if (toto.LooksLikeValue(strText)) {
        throw HtmlReadError::NotATeam(strText);
    }
    return strText;
}

// What an entry before a page's heading is to the walk.
enum class Heading
{
    NotYet,
    Found,
    // The page says it cannot show the round: nothing after it is read.
    NotShown
};

// The heading of a round's page (strCheck in it gives the round number), or the page's own
// notice strNotice.
inline Heading RoundHeading(const clsHtmlToto& toto, const std::string& strEntry,
                            std::string_view strNotice, std::string_view strCheck,
                            std::int32_t& lngKaisaikai)
{
    if (strEntry == strNotice) {
        return Heading::NotShown;
    }
    return toto.GetKaisaikai(strEntry, lngKaisaikai, strCheck) ? Heading::Found : Heading::NotYet;
}

// Walks a page's list: the entries before the heading only look for it; from the heading on,
// row reads the entries at i and answers how many it took, 0 ending the walk. Whether the
// heading was found.
inline bool Walk(const std::vector<std::string>& list,
                 const std::function<Heading(const std::string&)>& heading,
                 const std::function<std::size_t(std::size_t)>& row)
{
    bool found = false;
    std::size_t i = 0;
    while (i < list.size()) {
        if (!found) {
            const Heading h = heading(list[i]);
            if (h == Heading::NotShown) {
                break;
            }
            if (h == Heading::NotYet) {
                ++i;
                continue;
            }
            found = true;
        }
        const std::size_t taken = row(i);
        if (taken == 0) {
            break;
        }
        i += taken;
    }
    return found;
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
// Throws for the first date (named) of a year before toto began; 0 (no date) and a bare
// time pass.
inline void CheckYears(std::initializer_list<std::pair<std::string, DateTime>> dates)
{
    for (const auto& [what, date] : dates) {
        if ((date.Serial() >= 1 || date.Serial() < 0) && date.Year() < clsHtmlToto::kFirstYear) {
            throw HtmlReadError::EarlyYear(what, date);
        }
    }
}

// The round's own dates and every match date, as the three records all name them.
template <typename Record> void CheckRoundYears(const Record& rec)
{
    CheckYears({{"販売開始日", rec.SaleStart},
                {"販売終了日", rec.SaleEnd},
                {"結果発表日", rec.ResultDate},
                {"払戻開始日", rec.RefundStart},
                {"払戻期限", rec.RefundDeadline}});
    for (std::size_t k = 0; k < rec.Match.size(); ++k) {
        CheckYears({{"試合" + std::to_string(k + 1) + "の開催日", rec.Match[k].GameDate}});
    }
}

// Throws for the first label row the page lacked.
template <typename Seen> void CheckAllSeen(const Seen& seen)
{
    for (const auto& [label, found] : seen) {
        if (!found) {
            throw HtmlReadError::Missing(label);
        }
    }
}
} // namespace basPageList
