#include "store/clsXmlVote.h"

#include "store/basXmlValue.h"

#include <filesystem>
#include <functional>

namespace {
// Outcome tags by outcome code: 0 draw, 1 home win, 2 away win.
constexpr const char* kOutcomeTag[3] = {"その他", "ホーム勝ち", "ホーム負け"};
} // namespace

clsXmlVote::clsXmlVote(clsIMessage& message, std::string strProgramDir)
    : m_err(message, "clsXmlVote")
    , m_programDir(std::move(strProgramDir))
{}

std::string clsXmlVote::GetFileName(std::int32_t lngKaisaikai, const std::string& strKumi) const
{
    return clsXmlTagReader::StoreFileName(m_programDir, "toto_Vote", "toto_vote_", lngKaisaikai,
                                          strKumi);
}

std::string clsXmlVote::GetXmlString(bool blnHeader) const
{
    using R = clsXmlTagReader;
    const auto date = [](DateTime d) { return basXmlValue::FormatDateTime(d); };
    const VoteRecord& r = m_record;
    std::string s;
    if (blnHeader) {
        s += "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n";
        s += "<?xml-stylesheet type=\"text/xsl\" href=\"toto_vote.xsl\"?>\r\n";
        s += "<toto>\r\n";
    }
    s += "<投票状況>\r\n";
    s += R::Element("開催回", std::to_string(r.Kaisaikai));
    if (!r.Kumi.empty()) {
        s += R::Element("組", r.Kumi);
    }
    s += R::Element("販売終了時点", date(r.AsOf));
    for (int n = 1; n <= 13; ++n) {
        const auto& m = r.Match[n - 1];
        s += "<指定試合>\r\n";
        s += R::Element("番号", std::to_string(n));
        s += R::Element("試合開催日", date(m.GameDate));
        s += R::Element("試合開始予定時間", date(m.StartTime));
        s += R::Element("ホーム", m.Home);
        s += R::Element("アウェイ", m.Away);
        for (int k = 0; k < 3; ++k) {
            s += std::string("<") + kOutcomeTag[k] + ">\r\n";
            s += R::Element("投票口数", m.Votes[k].ToString());
            s += R::Element("投票率", m.Rate[k].ToString());
            s += std::string("</") + kOutcomeTag[k] + ">\r\n";
        }
        s += "</指定試合>\r\n";
    }
    const auto group = [&](const char* tag, Currency total, Currency multi, Currency single) {
        s += std::string("<") + tag + ">\r\n";
        s += R::Element("合計", total.ToString());
        s += R::Element("マルチ", multi.ToString());
        s += R::Element("シングル", single.ToString());
        s += std::string("</") + tag + ">\r\n";
    };
    group("売上金額", r.SalesTotal, r.SalesMulti, r.SalesSingle);
    group("投票口数", r.UnitsTotal, r.UnitsMulti, r.UnitsSingle);
    group("投票枚数", r.TicketsTotal, r.TicketsMulti, r.TicketsSingle);
    s += R::Element("販売開始日", date(r.SaleStart));
    s += R::Element("販売終了日", date(r.SaleEnd));
    s += R::Element("結果発表日", date(r.ResultDate));
    s += R::Element("払戻開始日", date(r.RefundStart));
    s += R::Element("払戻期限", date(r.RefundDeadline));
    s += "</投票状況>\r\n";
    if (blnHeader) {
        s += "</toto>\r\n";
    }
    return s;
}

bool clsXmlVote::XmlSave(const std::string& strFileName)
{
    return clsXmlTagReader::SaveFile(
        strFileName, [this] { return GetXmlString(true); }, m_err);
}

bool clsXmlVote::XmlLoad(const std::string& strFileName)
{
    std::string text;
    return clsXmlTagReader::LoadFile(strFileName, text, m_err) &&
           SetXmlString(text, true, strFileName);
}

bool clsXmlVote::SetXmlString(const std::string& strXML, bool blnHeader, std::string_view strSource,
                              std::int32_t lngFirstLine)
{
    // The wrapper's own first line comes before the block's.
    const std::string text = blnHeader ? strXML : "<toto>\r\n" + strXML + "\r\n</toto>";
    return m_reader.ReadRecord(text, m_record, std::bind_front(&clsXmlVote::OnValue, this), m_err,
                               strSource, blnHeader ? lngFirstLine : lngFirstLine - 1);
}

void clsXmlVote::OnValue(VoteRecord& rec, const clsXmlTagReader::Stack& stack, const std::string& v)
{
    const std::string key = clsXmlTagReader::Key(stack, "<投票状況>");
    if (key.empty()) {
        return;
    }
    if (key == "<開催回>") {
        const auto n = basXmlValue::ParseLong(v);
        if (!n) {
            clsXmlTagReader::ThrowTypeMismatch();
        }
        rec.Kaisaikai = *n;
    } else if (key == "<販売終了時点>") {
        rec.AsOf = clsXmlTagReader::DateOf(v);
    } else if (key == "<売上金額><合計>") {
        rec.SalesTotal = clsXmlTagReader::MoneyOf(v);
    } else if (key == "<売上金額><マルチ>") {
        rec.SalesMulti = clsXmlTagReader::MoneyOf(v);
    } else if (key == "<売上金額><シングル>") {
        rec.SalesSingle = clsXmlTagReader::MoneyOf(v);
    } else if (key == "<投票口数><合計>") {
        rec.UnitsTotal = clsXmlTagReader::MoneyOf(v);
    } else if (key == "<投票口数><マルチ>") {
        rec.UnitsMulti = clsXmlTagReader::MoneyOf(v);
    } else if (key == "<投票口数><シングル>") {
        rec.UnitsSingle = clsXmlTagReader::MoneyOf(v);
    } else if (key == "<投票枚数><合計>") {
        rec.TicketsTotal = clsXmlTagReader::MoneyOf(v);
    } else if (key == "<投票枚数><マルチ>") {
        rec.TicketsMulti = clsXmlTagReader::MoneyOf(v);
    } else if (key == "<投票枚数><シングル>") {
        rec.TicketsSingle = clsXmlTagReader::MoneyOf(v);
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
    } else if (key == "<指定試合><番号>") {
        const auto n = basXmlValue::ParseLong(v);
        if (!n) {
            clsXmlTagReader::ThrowTypeMismatch();
        }
        m_match = *n;
    } else if (key.starts_with("<指定試合>")) {
        const std::string field = key.substr(std::string("<指定試合>").size());
        int outcome = -1;
        bool isRate = false;
        for (int k = 0; k < 3; ++k) {
            const std::string tag = std::string("<") + kOutcomeTag[k] + ">";
            if (field == tag + "<投票口数>") {
                outcome = k;
            } else if (field == tag + "<投票率>") {
                outcome = k;
                isRate = true;
            }
        }
        const bool known = outcome >= 0 || field == "<試合開催日>" ||
                           field == "<試合開始予定時間>" || field == "<ホーム>" ||
                           field == "<アウェイ>";
        if (!known) {
            return;
        }
        if (m_match < 1 || m_match > 13) {
            clsXmlTagReader::ThrowOutOfRange();
        }
        auto& m = rec.Match[m_match - 1];
        if (outcome >= 0) {
            (isRate ? m.Rate[outcome] : m.Votes[outcome]) = clsXmlTagReader::MoneyOf(v);
        } else if (field == "<試合開催日>") {
            m.GameDate = clsXmlTagReader::DateOf(v);
        } else if (field == "<試合開始予定時間>") {
            m.StartTime = clsXmlTagReader::DateOf(v);
        } else if (field == "<ホーム>") {
            m.Home = v;
        } else {
            m.Away = v;
        }
    }
}
