#include "store/clsXmlSchedule.h"

#include "store/basXmlRound.h"

#include <filesystem>
#include <functional>

clsXmlSchedule::clsXmlSchedule(clsIMessage& message, std::string strProgramDir)
    : clsXmlStore(message, "clsXmlSchedule", std::move(strProgramDir), "toto_Schedule",
                  "toto_schedule_")
{}

std::string clsXmlSchedule::GetXmlString() const
{
    using R = clsXmlTagReader;
    namespace X = basXmlRound;
    const ScheduleRecord& r = m_record;
    std::string s = X::FileHead("toto_schedule.xsl") + "<開催>\r\n" + X::RoundNumber(r);
    s += X::Matches(r, [](const ScheduleMatch& m) {
        return X::DateElement("試合開催日", m.GameDate) +
               X::DateElement("試合開始予定時間", m.StartTime) + R::Element("競技場", m.Stadium) +
               R::Element("状態", m.State) + R::Element("ホーム", m.Home) +
               R::Element("アウェイ", m.Away);
    });
    s += X::SaleDates(r);
    s += r.HoldState == 2 ? R::Element("開催状態", "中止") : X::PayoutDates(r);
    s += "</開催>\r\n</toto>\r\n";
    return s;
}

std::string clsXmlSchedule::NotHeldText(std::int32_t lngKaisaikai)
{
    std::string s = basXmlRound::FileHead("style.xsl") + "<開催>\r\n";
    s += clsXmlTagReader::Element("開催回", std::to_string(lngKaisaikai));
    s += "<開催状態>1</開催状態>\r\n</開催>\r\n</toto>\r\n";
    return s;
}

bool clsXmlSchedule::XmlSave(const std::string& strFileName)
{
    return Save(strFileName, [this] { return GetXmlString(); });
}

bool clsXmlSchedule::XmlLoad(const std::string& strFileName)
{
    return m_reader.LoadRecord(strFileName, m_record,
                               std::bind_front(&clsXmlSchedule::OnValue, this), m_err);
}

void clsXmlSchedule::OnValue(ScheduleRecord& rec, const clsXmlTagReader::Stack& stack,
                             const std::string& v)
{
    const std::string key = clsXmlTagReader::Key(stack, "<開催>");
    if (key.empty() || basXmlRound::ReadRoundValue(rec, key, v)) {
        return;
    }
    if (key == "<組>") {
        rec.Kumi = v;
        return;
    }
    if (key == "<開催状態>") {
        rec.HoldState = v == "中止" ? 2 : clsXmlTagReader::LongOf(v);
        return;
    }
    const std::string field = basXmlRound::MatchField(key, v, m_match);
    if (!basXmlRound::ReadMatchValue(rec, m_match, field, v) && field == "<状態>") {
        basXmlRound::MatchAt(rec, m_match).State = v;
    }
}
