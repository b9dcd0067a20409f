#include "store/clsXmlResult.h"

#include "lottery/clsToto.h"
#include "store/basXmlValue.h"

#include <filesystem>
#include <functional>

namespace {
// Grade names by grade 1..6; only grades up to the round's highest are ever written.
constexpr const char* kGradeTag[6] = {"一等", "二等", "三等", "四等", "五等", "六等"};
} // namespace

clsXmlResult::clsXmlResult(clsIMessage& message, std::string strProgramDir)
    : m_err(message, "clsXmlResult")
    , m_programDir(std::move(strProgramDir))
{}

std::string clsXmlResult::GetFileName(std::int32_t lngKaisaikai, const std::string& strKumi) const
{
    return clsXmlTagReader::StoreFileName(m_programDir, "toto_Result", "toto_result_", lngKaisaikai,
                                          strKumi);
}

std::string clsXmlResult::GetXmlString() const
{
    using R = clsXmlTagReader;
    const auto date = [](DateTime d) { return basXmlValue::FormatDateTime(d); };
    const ResultRecord& r = m_record;
    std::string s = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n";
    s += "<?xml-stylesheet type=\"text/xsl\" href=\"toto_result.xsl\"?>\r\n";
    s += "<toto>\r\n<結果>\r\n";
    s += R::Element("開催回", std::to_string(r.Kaisaikai));
    if (!r.Kumi.empty()) {
        s += R::Element("組", r.Kumi);
    }
    for (int n = 1; n <= 13; ++n) {
        const auto& m = r.Match[n - 1];
        s += "<指定試合>\r\n";
        s += R::Element("番号", std::to_string(n));
        s += R::Element("試合開催日", date(m.GameDate));
        s += R::Element("競技場", m.Stadium);
        s += R::Element("くじ結果", std::to_string(m.Outcome));
        s += R::Element("ホーム", m.Home);
        s += R::Element("アウェイ", m.Away);
        s += R::Element("ホーム得点", std::to_string(m.HomeScore));
        s += R::Element("アウェイ得点", std::to_string(m.AwayScore));
        s += "</指定試合>\r\n";
    }
    if (!r.Cancelled) {
        const int grades = clsToto::GetMaxGrade(r.Kaisaikai);
        const auto group = [&](const char* tag, const auto& values) {
            s += std::string("<") + tag + ">\r\n";
            for (int g = 1; g <= grades; ++g) {
                s += R::Element(kGradeTag[g - 1], values[g].ToString());
            }
            s += std::string("</") + tag + ">\r\n";
        };
        group("当せん金", r.Prize);
        group("当せん口数", r.Winners);
        group("次回への繰越金", r.CarryOver);
        s += R::Element("販売開始日", date(r.SaleStart));
        s += R::Element("販売終了日", date(r.SaleEnd));
        s += R::Element("結果発表日", date(r.ResultDate));
        s += R::Element("払戻開始日", date(r.RefundStart));
        s += R::Element("払戻期限", date(r.RefundDeadline));
    } else {
        s += R::Element("開催状態", "中止");
        s += R::Element("返還確定日", date(r.ResultDate));
        s += R::Element("返還開始日", date(r.RefundStart));
        s += R::Element("返還期限", date(r.RefundDeadline));
    }
    s += "</結果>\r\n</toto>\r\n";
    return s;
}

bool clsXmlResult::XmlSave(const std::string& strFileName)
{
    return clsXmlTagReader::SaveFile(
        strFileName, [this] { return GetXmlString(); }, m_err);
}

bool clsXmlResult::XmlLoad(const std::string& strFileName)
{
    return m_reader.LoadRecord(strFileName, m_record, std::bind_front(&clsXmlResult::OnValue, this),
                               m_err);
}

void clsXmlResult::OnValue(ResultRecord& rec, const clsXmlTagReader::Stack& stack,
                           const std::string& v)
{
    const std::string key = clsXmlTagReader::Key(stack, "<結果>");
    if (key.empty()) {
        return;
    }
    for (int g = 1; g <= 3; ++g) {
        const std::string grade = std::string("<") + kGradeTag[g - 1] + ">";
        if (key == "<当せん金>" + grade) {
            rec.Prize[g] = clsXmlTagReader::MoneyOf(v);
            return;
        }
        if (key == "<当せん口数>" + grade) {
            rec.Winners[g] = clsXmlTagReader::MoneyOf(v);
            return;
        }
        if (key == "<次回への繰越金>" + grade) {
            rec.CarryOver[g] = clsXmlTagReader::MoneyOf(v);
            return;
        }
    }
    if (key == "<開催回>") {
        const auto n = basXmlValue::ParseLong(v);
        if (!n) {
            clsXmlTagReader::ThrowTypeMismatch();
        }
        rec.Kaisaikai = *n;
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
        rec.Cancelled = v == "中止";
    } else if (key == "<指定試合><番号>") {
        const auto n = basXmlValue::ParseLong(v);
        if (!n) {
            clsXmlTagReader::ThrowTypeMismatch();
        }
        m_match = *n;
    } else if (key.starts_with("<指定試合>")) {
        const std::string field = key.substr(std::string("<指定試合>").size());
        const bool known = field == "<くじ結果>" || field == "<競技場>" || field == "<ホーム>" ||
                           field == "<アウェイ>" || field == "<ホーム得点>" ||
                           field == "<アウェイ得点>" || field == "<試合開催日>";
        if (!known) {
            return;
        }
        if (m_match < 1 || m_match > 13) {
            clsXmlTagReader::ThrowOutOfRange();
        }
        auto& m = rec.Match[m_match - 1];
        if (field == "<くじ結果>") {
            // 0, 1, 2 or 3 (cancelled): any other value would grade the match as open.
            m.Outcome = static_cast<std::uint8_t>(
                clsXmlTagReader::RangeOf(v, 0, ResultRecord::OutcomeCancelled));
        } else if (field == "<競技場>") {
            m.Stadium = v;
        } else if (field == "<ホーム>") {
            m.Home = v;
        } else if (field == "<アウェイ>") {
            m.Away = v;
        } else if (field == "<ホーム得点>") {
            m.HomeScore = clsXmlTagReader::ByteOf(v);
        } else if (field == "<アウェイ得点>") {
            m.AwayScore = clsXmlTagReader::ByteOf(v);
        } else {
            m.GameDate = clsXmlTagReader::DateOf(v);
        }
    }
}
