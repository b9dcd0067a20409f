#include "store/clsXmlResult.h"

#include "lottery/clsToto.h"
#include "store/basXmlRound.h"

#include <filesystem>
#include <functional>

namespace {
// Grade names by grade 1..6; only grades up to the round's highest are ever written.
constexpr const char* kGradeTag[6] = {"一等", "二等", "三等", "四等", "五等", "六等"};

// The amounts paid per grade, in the order the file writes them.
struct GradeGroup
{
    const char* Tag;
    std::array<Currency, 4> ResultRecord::*Values;
};
constexpr GradeGroup kGradeGroups[3] = {{"当せん金", &ResultRecord::Prize},
                                        {"当せん口数", &ResultRecord::Winners},
                                        {"次回への繰越金", &ResultRecord::CarryOver}};
} // namespace

clsXmlResult::clsXmlResult(clsIMessage& message, std::string strProgramDir)
    : clsXmlStore(message, "clsXmlResult", std::move(strProgramDir), "toto_Result", "toto_result_")
{}

std::string clsXmlResult::GetXmlString() const
{
    using R = clsXmlTagReader;
    namespace X = basXmlRound;
    const ResultRecord& r = m_record;
    std::string s = X::FileHead("toto_result.xsl") + "<結果>\r\n" + X::RoundNumber(r);
    s += X::Matches(r, [](const ResultMatch& m) {
        return X::DateElement("試合開催日", m.GameDate) + R::Element("競技場", m.Stadium) +
               R::Element("くじ結果", std::to_string(m.Outcome)) + R::Element("ホーム", m.Home) +
               R::Element("アウェイ", m.Away) +
               R::Element("ホーム得点", std::to_string(m.HomeScore)) +
               R::Element("アウェイ得点", std::to_string(m.AwayScore));
    });
    if (!r.Cancelled) {
        const int grades = clsToto::GetMaxGrade(r.Kaisaikai);
        for (const GradeGroup& group : kGradeGroups) {
            std::string inner;
            for (int g = 1; g <= grades; ++g) {
                inner += R::Element(kGradeTag[g - 1], (r.*group.Values)[g].ToString());
            }
            s += X::Block(group.Tag, inner);
        }
        s += X::SaleDates(r) + X::PayoutDates(r);
    } else {
        s += R::Element("開催状態", "中止");
        s += X::DateElement("返還確定日", r.ResultDate);
        s += X::DateElement("返還開始日", r.RefundStart);
        s += X::DateElement("返還期限", r.RefundDeadline);
    }
    s += "</結果>\r\n</toto>\r\n";
    return s;
}

bool clsXmlResult::XmlSave(const std::string& strFileName)
{
    return Save(strFileName, [this] { return GetXmlString(); });
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
    if (key.empty() || basXmlRound::ReadRoundValue(rec, key, v)) {
        return;
    }
    // Files name grades 1 to 3 only: the record holds no more.
    for (const GradeGroup& group : kGradeGroups) {
        for (std::size_t g = 1; g <= 3; ++g) {
            if (key == std::string("<") + group.Tag + "><" + kGradeTag[g - 1] + ">") {
                (rec.*group.Values)[g] = clsXmlTagReader::AmountOf(v);
                return;
            }
        }
    }
    if (key == "<開催状態>") {
        rec.Cancelled = v == "中止";
        return;
    }
    const std::string field = basXmlRound::MatchField(key, v, m_match);
    if (basXmlRound::ReadMatchValue(rec, m_match, field, v)) {
        return;
    }
    // The range of the block's number is checked before the value is read.
    const bool known =
        field == "<くじ結果>" || field == "<ホーム得点>" || field == "<アウェイ得点>";
    if (!known) {
        return;
    }
    auto& m = basXmlRound::MatchAt(rec, m_match);
    if (field == "<くじ結果>") {
        // 0, 1, 2 or 3 (cancelled): any other value would grade the match as open.
        m.Outcome = static_cast<std::uint8_t>(
            clsXmlTagReader::RangeOf(v, 0, ResultRecord::OutcomeCancelled));
    } else if (field == "<ホーム得点>") {
        m.HomeScore = clsXmlTagReader::ByteOf(v);
    } else {
        m.AwayScore = clsXmlTagReader::ByteOf(v);
    }
}
