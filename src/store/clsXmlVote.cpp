#include "store/clsXmlVote.h"

#include "store/basXmlRound.h"

#include <filesystem>
#include <functional>

namespace {
// Outcome tags by outcome code: 0 draw, 1 home win, 2 away win.
constexpr const char* kOutcomeTag[3] = {"その他", "ホーム勝ち", "ホーム負け"};

// The three sums of a status, each a total with its multi and single parts.
struct MoneyGroup
{
    const char* Tag;
    Currency VoteRecord::*Total;
    Currency VoteRecord::*Multi;
    Currency VoteRecord::*Single;
};
constexpr MoneyGroup kMoneyGroups[3] = {
    {"売上金額", &VoteRecord::SalesTotal, &VoteRecord::SalesMulti, &VoteRecord::SalesSingle},
    {"投票口数", &VoteRecord::UnitsTotal, &VoteRecord::UnitsMulti, &VoteRecord::UnitsSingle},
    {"投票枚数", &VoteRecord::TicketsTotal, &VoteRecord::TicketsMulti, &VoteRecord::TicketsSingle}};
constexpr const char* kMoneyPart[3] = {"合計", "マルチ", "シングル"};

// The member a key such as "<売上金額><合計>" names, or none.
Currency VoteRecord::*MoneyMember(const std::string& key)
{
    for (const MoneyGroup& g : kMoneyGroups) {
        Currency VoteRecord::*const parts[3] = {g.Total, g.Multi, g.Single};
        for (int k = 0; k < 3; ++k) {
            if (key == std::string("<") + g.Tag + "><" + kMoneyPart[k] + ">") {
                return parts[k];
            }
        }
    }
    return nullptr;
}
} // namespace

clsXmlVote::clsXmlVote(clsIMessage& message, std::string strProgramDir)
    : clsXmlStore(message, "clsXmlVote", std::move(strProgramDir), "toto_Vote", "toto_vote_")
{}

std::string clsXmlVote::GetXmlString(bool blnHeader) const
{
    using R = clsXmlTagReader;
    namespace X = basXmlRound;
    const VoteRecord& r = m_record;
    std::string s = blnHeader ? X::FileHead("toto_vote.xsl") : std::string();
    s += "<投票状況>\r\n" + X::RoundNumber(r) + X::DateElement("販売終了時点", r.AsOf);
    s += X::Matches(r, [](const VoteMatch& m) {
        std::string f = X::DateElement("試合開催日", m.GameDate) +
                        X::DateElement("試合開始予定時間", m.StartTime) +
                        R::Element("ホーム", m.Home) + R::Element("アウェイ", m.Away);
        for (std::size_t k = 0; k < 3; ++k) {
            f += X::Block(kOutcomeTag[k], R::Element("投票口数", m.Votes[k].ToString()) +
                                              R::Element("投票率", m.Rate[k].ToString()));
        }
        return f;
    });
    for (const MoneyGroup& g : kMoneyGroups) {
        s += X::Block(g.Tag, R::Element(kMoneyPart[0], (r.*g.Total).ToString()) +
                                 R::Element(kMoneyPart[1], (r.*g.Multi).ToString()) +
                                 R::Element(kMoneyPart[2], (r.*g.Single).ToString()));
    }
    s += X::SaleDates(r) + X::PayoutDates(r) + "</投票状況>\r\n";
    if (blnHeader) {
        s += "</toto>\r\n";
    }
    return s;
}

bool clsXmlVote::XmlSave(const std::string& strFileName)
{
    return Save(strFileName, [this] { return GetXmlString(true); });
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
    if (key.empty() || basXmlRound::ReadRoundValue(rec, key, v)) {
        return;
    }
    if (key == "<販売終了時点>") {
        rec.AsOf = clsXmlTagReader::DateOf(v);
        return;
    }
    if (const auto member = MoneyMember(key)) {
        rec.*member = clsXmlTagReader::AmountOf(v);
        return;
    }
    const std::string field = basXmlRound::MatchField(key, v, m_match);
    if (basXmlRound::ReadMatchValue(rec, m_match, field, v)) {
        return;
    }
    // The range of the block's number is checked before the value is read.
    for (std::size_t k = 0; k < 3; ++k) {
        const std::string tag = std::string("<") + kOutcomeTag[k] + ">";
        if (field == tag + "<投票口数>") {
            auto& m = basXmlRound::MatchAt(rec, m_match);
            m.Votes[k] = clsXmlTagReader::AmountOf(v);
        } else if (field == tag + "<投票率>") {
            auto& m = basXmlRound::MatchAt(rec, m_match);
            m.Rate[k] = clsXmlTagReader::MoneyOf(v);
        }
    }
}
