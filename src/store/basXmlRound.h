#pragma once
// What the schedule, vote-status and result files share: the file head, the round number, the
// thirteen numbered match blocks and the round's dates, written and read alike. Free functions
// over any of the three round records.

#include "base/DateTime.h"
#include "lottery/clsToto.h"
#include "store/basXmlValue.h"
#include "store/clsXmlTagReader.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace basXmlRound {
inline constexpr std::string_view kMatchTag = "<指定試合>";

// The declaration, the style sheet line and the opened root.
inline std::string FileHead(std::string_view strStyleSheet)
{
    return "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n"
           "<?xml-stylesheet type=\"text/xsl\" href=\"" +
           std::string(strStyleSheet) + "\"?>\r\n<toto>\r\n";
}

inline std::string DateElement(std::string_view strTag, DateTime dtmValue)
{
    return clsXmlTagReader::Element(strTag, basXmlValue::FormatDateTime(dtmValue));
}

// strInner between <strTag> and </strTag>, each on a line of its own.
inline std::string Block(std::string_view strTag, const std::string& strInner)
{
    return "<" + std::string(strTag) + ">\r\n" + strInner + "</" + std::string(strTag) + ">\r\n";
}

// 開催回, and 組 for a group's round.
template <class Record> std::string RoundNumber(const Record& r)
{
    std::string s = clsXmlTagReader::Element("開催回", std::to_string(r.Kaisaikai));
    if (!r.Kumi.empty()) {
        s += clsXmlTagReader::Element("組", r.Kumi);
    }
    return s;
}

// The thirteen match blocks, each its number and then what fields writes for the match.
template <class Record, class Fields> std::string Matches(const Record& r, Fields fields)
{
    std::string s;
    for (int n = 1; n <= clsToto::kMatchCount; ++n) {
        s += Block("指定試合", clsXmlTagReader::Element("番号", std::to_string(n)) +
                                   fields(r.Match[static_cast<std::size_t>(n - 1)]));
    }
    return s;
}

template <class Record> std::string SaleDates(const Record& r)
{
    return DateElement("販売開始日", r.SaleStart) + DateElement("販売終了日", r.SaleEnd);
}

// The result date and the refund period of a round that was held.
template <class Record> std::string PayoutDates(const Record& r)
{
    return DateElement("結果発表日", r.ResultDate) + DateElement("払戻開始日", r.RefundStart) +
           DateElement("払戻期限", r.RefundDeadline);
}

// The round number and the round's dates (older files name the result date 結果速報発表日);
// false for any other key.
template <class Record>
bool ReadRoundValue(Record& rec, const std::string& key, const std::string& v)
{
    if (key == "<開催回>") {
        rec.Kaisaikai = clsXmlTagReader::LongOf(v);
    } else if (key == "<販売開始日>") {
        rec.SaleStart = clsXmlTagReader::DateOf(v);
    } else if (key == "<販売終了日>") {
        rec.SaleEnd = clsXmlTagReader::DateOf(v);
    } else if (key == "<結果発表日>" || key == "<結果速報発表日>") {
        rec.ResultDate = clsXmlTagReader::DateOf(v);
    } else if (key == "<払戻開始日>") {
        rec.RefundStart = clsXmlTagReader::DateOf(v);
    } else if (key == "<払戻期限>") {
        rec.RefundDeadline = clsXmlTagReader::DateOf(v);
    } else {
        return false;
    }
    return true;
}

// A key inside a match block: its 番号 moves lngMatch to the block's match and gives "", any
// other gives the tags after <指定試合>. A key outside the blocks gives "".
inline std::string MatchField(const std::string& key, const std::string& v, std::int32_t& lngMatch)
{
    if (!key.starts_with(kMatchTag)) {
        return {};
    }
    std::string field = key.substr(kMatchTag.size());
    if (field == "<番号>") {
        lngMatch = clsXmlTagReader::LongOf(v);
        return {};
    }
    return field;
}

// The match a block's number named; a number outside 1..13 is the runtime's range error.
template <class Record> auto& MatchAt(Record& rec, std::int32_t lngMatch)
{
    if (lngMatch < 1 || lngMatch > clsToto::kMatchCount) {
        clsXmlTagReader::ThrowOutOfRange();
    }
    return rec.Match[static_cast<std::size_t>(lngMatch - 1)];
}
// The match fields the records share, each where the record has it: the teams, the date, the
// start time and the stadium. False for any other field; a shared field of a block whose
// number is out of range is the runtime's range error.
template <class Record>
bool ReadMatchValue(Record& rec, std::int32_t lngMatch, const std::string& field,
                    const std::string& v)
{
    using Match = typename decltype(Record::Match)::value_type;
    constexpr bool hasStart = requires(Match m)
    {
        m.StartTime;
    };
    constexpr bool hasStadium = requires(Match m)
    {
        m.Stadium;
    };
    const bool shared = field == "<ホーム>" || field == "<アウェイ>" || field == "<試合開催日>" ||
                        (hasStart && field == "<試合開始予定時間>") ||
                        (hasStadium && field == "<競技場>");
    if (!shared) {
        return false;
    }
    Match& m = MatchAt(rec, lngMatch);
    if (field == "<ホーム>") {
        m.Home = v;
    } else if (field == "<アウェイ>") {
        m.Away = v;
    } else if (field == "<試合開催日>") {
        m.GameDate = clsXmlTagReader::DateOf(v);
    } else if (field == "<試合開始予定時間>") {
        if constexpr (hasStart) {
            m.StartTime = clsXmlTagReader::DateOf(v);
        }
    } else if constexpr (hasStadium) {
        m.Stadium = v;
    }
    return true;
}
} // namespace basXmlRound
