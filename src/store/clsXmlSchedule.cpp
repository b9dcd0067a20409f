#include "store/clsXmlSchedule.h"

#include "store/basXmlValue.h"

#include <filesystem>
#include <functional>

namespace {
constexpr const char* kHeader = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n";
} // namespace

clsXmlSchedule::clsXmlSchedule(clsIMessage& message, std::string strProgramDir)
    : m_err(message, "clsXmlSchedule")
    , m_programDir(std::move(strProgramDir))
{}

std::string clsXmlSchedule::GetFileName(std::int32_t lngKaisaikai, const std::string& strKumi) const
{
    return clsXmlTagReader::StoreFileName(m_programDir, "toto_Schedule", "toto_schedule_",
                                          lngKaisaikai, strKumi);
}

std::string clsXmlSchedule::GetXmlString() const
{
    using R = clsXmlTagReader;
    const auto date = [](DateTime d) { return basXmlValue::FormatDateTime(d); };
    const ScheduleRecord& r = m_record;
    std::string s = kHeader;
    s += "<?xml-stylesheet type=\"text/xsl\" href=\"toto_schedule.xsl\"?>\r\n";
    s += "<toto>\r\n<開催>\r\n";
    s += R::Element("開催回", std::to_string(r.Kaisaikai));
    if (!r.Kumi.empty()) {
        s += R::Element("組", r.Kumi);
    }
    for (int n = 1; n <= 13; ++n) {
        const auto& m = r.Match[n - 1];
        s += "<指定試合>\r\n";
        s += R::Element("番号", std::to_string(n));
        s += R::Element("試合開催日", date(m.GameDate));
        s += R::Element("試合開始予定時間", date(m.StartTime));
        s += R::Element("競技場", m.Stadium);
        s += R::Element("状態", m.State);
        s += R::Element("ホーム", m.Home);
        s += R::Element("アウェイ", m.Away);
        s += "</指定試合>\r\n";
    }
    s += R::Element("販売開始日", date(r.SaleStart));
    s += R::Element("販売終了日", date(r.SaleEnd));
    if (r.HoldState == 2) {
        s += R::Element("開催状態", "中止");
    } else {
        s += R::Element("結果発表日", date(r.ResultDate));
        s += R::Element("払戻開始日", date(r.RefundStart));
        s += R::Element("払戻期限", date(r.RefundDeadline));
    }
    s += "</開催>\r\n</toto>\r\n";
    return s;
}

std::string clsXmlSchedule::NotHeldText(std::int32_t lngKaisaikai)
{
    std::string s = kHeader;
    s += "<?xml-stylesheet type=\"text/xsl\" href=\"style.xsl\"?>\r\n";
    s += "<toto>\r\n<開催>\r\n";
    s += clsXmlTagReader::Element("開催回", std::to_string(lngKaisaikai));
    s += "<開催状態>1</開催状態>\r\n</開催>\r\n</toto>\r\n";
    return s;
}

bool clsXmlSchedule::XmlSave(const std::string& strFileName)
{
    return clsXmlTagReader::SaveFile(
        strFileName, [this] { return GetXmlString(); }, m_err);
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
    if (key.empty()) {
        return;
    }
    if (key == "<開催回>") {
        rec.Kaisaikai = clsXmlTagReader::LongOf(v);
    } else if (key == "<組>") {
        rec.Kumi = v;
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
    } else if (key == "<開催状態>") {
        rec.HoldState = v == "中止" ? 2 : clsXmlTagReader::LongOf(v);
    } else if (key == "<指定試合><番号>") {
        m_match = clsXmlTagReader::LongOf(v);
    } else if (key.starts_with("<指定試合>")) {
        const std::string field = key.substr(std::string("<指定試合>").size());
        const bool known = field == "<ホーム>" || field == "<アウェイ>" ||
                           field == "<試合開催日>" || field == "<試合開始予定時間>" ||
                           field == "<競技場>" || field == "<状態>";
        if (!known) {
            return;
        }
        if (m_match < 1 || m_match > 13) {
            clsXmlTagReader::ThrowOutOfRange();
        }
        auto& m = rec.Match[m_match - 1];
        if (field == "<ホーム>") {
            m.Home = v;
        } else if (field == "<アウェイ>") {
            m.Away = v;
        } else if (field == "<試合開催日>") {
            m.GameDate = clsXmlTagReader::DateOf(v);
        } else if (field == "<試合開始予定時間>") {
            m.StartTime = clsXmlTagReader::DateOf(v);
        } else if (field == "<競技場>") {
            m.Stadium = v;
        } else {
            m.State = v;
        }
    }
}
