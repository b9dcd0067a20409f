#include "files/clsTFileDRD.h"

#include "base/basText.h"
#include "base/clsFileStream.h"
#include "files/basValueLimitKeys.h"
#include "store/basXmlValue.h"
#include "store/clsXmlTagReader.h"
#include "store/clsXmlVote.h"

#include <algorithm>
#include <cerrno>
#include <span>

namespace {
constexpr std::int32_t kMaxTicketNo = 1594322;

std::string_view TrimSpaces(std::string_view s)
{
    while (!s.empty() && s.front() == ' ') {
        s.remove_prefix(1);
    }
    while (!s.empty() && s.back() == ' ') {
        s.remove_suffix(1);
    }
    return s;
}

void AppendHex(std::string& out, std::int32_t v)
{
    char buf[8];
    int n = 0;
    auto u = static_cast<std::uint32_t>(v);
    do {
        const unsigned d = u & 0xF;
        buf[n++] = static_cast<char>(d < 10 ? '0' + d : 'A' + d - 10);
        u >>= 4;
    } while (u != 0);
    while (n > 0) {
        out += buf[--n];
    }
}

// "&H" + text as a 32-bit value, as the files were always read.
std::int32_t ParseHex(std::string_view s)
{
    s = TrimSpaces(s);
    if (s.empty() || s.size() > 8) {
        clsXmlTagReader::ThrowTypeMismatch();
    }
    std::uint32_t v = 0;
    for (const char c : s) {
        unsigned d;
        if (c >= '0' && c <= '9') {
            d = static_cast<unsigned>(c - '0');
        } else if (c >= 'A' && c <= 'F') {
            d = static_cast<unsigned>(c - 'A' + 10);
        } else if (c >= 'a' && c <= 'f') {
            d = static_cast<unsigned>(c - 'a' + 10);
        } else {
            clsXmlTagReader::ThrowTypeMismatch();
        }
        v = v * 16 + d;
    }
    return static_cast<std::int32_t>(v);
}

std::int32_t LongOf(std::string_view s)
{
    const auto v = basXmlValue::ParseLong(s);
    if (!v) {
        clsXmlTagReader::ThrowTypeMismatch();
    }
    return *v;
}

void Require(bool blnOk)
{
    if (!blnOk) {
        clsXmlTagReader::ThrowTypeMismatch();
    }
}

// Unlike the other frames, the probabilities are read whole or not at all: three groups of
// thirteen whole numbers that pass the record's check, or the file is refused.
ProbabilityRecord ParseProbability(std::string_view v)
{
    ProbabilityRecord rec;
    std::size_t row = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = v.find(',', start);
        const std::string_view group =
            v.substr(start, comma == std::string_view::npos ? v.size() - start : comma - start);
        if (row >= 3) {
            throw XmlReadError(13, "型が一致しません。 (確率の組が 3 つより多くあります)");
        }
        std::size_t col = 0;
        std::size_t from = 0;
        for (;;) {
            const std::size_t colon = group.find(':', from);
            const std::string_view piece = group.substr(
                from, colon == std::string_view::npos ? group.size() - from : colon - from);
            if (col >= 13) {
                throw XmlReadError(13, "型が一致しません。 (確率の組 " + std::to_string(row + 1) +
                                           " に 13 より多くの値があります)");
            }
            rec.Value[row][col++] = LongOf(piece);
            if (colon == std::string_view::npos) {
                break;
            }
            from = colon + 1;
        }
        if (col != 13) {
            throw XmlReadError(13, "型が一致しません。 (確率の組 " + std::to_string(row + 1) +
                                       " の値が " + std::to_string(col) + " 個しかありません)");
        }
        ++row;
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    if (row != 3) {
        throw XmlReadError(13, "型が一致しません。 (確率の組が " + std::to_string(row) +
                                   " つしかありません)");
    }
    const std::string fault = rec.Check();
    if (!fault.empty()) {
        throw XmlReadError(13, "型が一致しません。 (" + fault + ")");
    }
    return rec;
}

// One line of the file text; lines end at CR LF (a lone LF also ends one).
class LineReader
{
public:
    explicit LineReader(std::string_view text)
        : m_text(text)
    {}
    bool Next(std::string_view& line)
    {
        if (m_pos >= m_text.size()) {
            return false;
        }
        std::size_t eol = m_text.find('\n', m_pos);
        if (eol == std::string_view::npos) {
            eol = m_text.size();
        }
        line = m_text.substr(m_pos, eol - m_pos);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        m_pos = eol + 1;
        ++m_number;
        return true;
    }
    std::int32_t Number() const { return m_number; }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
    std::int32_t m_number = 0;
};

// The runtime error of a file that cannot be read: not found (53), or the system's reason.
ErrorRecord ReadFailure(const std::string& strFileName, int intCode)
{
    if (intCode == ENOENT || intCode == ENOTDIR) {
        return ErrorRecord{"ファイルが見つかりません。 " + strFileName, 53, std::string(kAppTitle)};
    }
    return ErrorRecord{"ファイルを読み込めません。 (" + strFileName + ": " +
                           clsFileStream::ErrorText(intCode) + ")",
                       intCode == clsFileStream::NotRegularFile ? 75 : 57, std::string(kAppTitle)};
}

// Payout limits are compared with estimates of at most 99,999,999,999 yen; anything beyond
// the read limit is damage, not a limit.
void RequireAmounts(std::span<const Currency> values)
{
    for (const Currency c : values) {
        if (!c.WithinReadLimit()) {
            throw XmlReadError(6, "オーバーフローしました。 (" + c.ToString() + ")");
        }
    }
}
} // namespace

clsTFileDRD::clsTFileDRD(const clsHost& host, std::string strVersionText, std::string strLegal)
    : m_host(host)
    , m_err(host.Message, "clsTFileDRD")
    , m_version(std::move(strVersionText))
    , m_legal(std::move(strLegal))
{}

std::string clsTFileDRD::EntryToString(const ConditionTableEntry& entry) const
{
    const clsStringConvert& cv = m_convert;
    std::string s = cv.BooleanToString(entry.Enabled);
    s += '|';
    s += cv.BooleanToString(entry.Applied);
    s += '|' + std::to_string(entry.RowCount) + '|' + std::to_string(entry.CategoryCount) + '|';
    s += cv.Boolean1ToString(entry.MatchFlags) + '|';
    s += cv.Boolean1ToString(entry.ResultFlags);
    for (std::int32_t r = 0; r < entry.RowCount; ++r) {
        s += '|';
        if (static_cast<std::size_t>(r) < entry.RowCategories.size()) {
            s += cv.Boolean1ToString(entry.RowCategories[static_cast<std::size_t>(r)]);
        }
    }
    s += '|' + cv.Byte2ToString(entry.CountMarks);
    s += '|' + cv.String1ToString(entry.RowCaptions);
    return s;
}

void clsTFileDRD::StringToEntry(std::string_view strValue, ConditionTableEntry& entry) const
{
    const auto parts = clsStringConvert::Split(strValue, '|');
    if (parts.size() < 4) {
        clsXmlTagReader::ThrowOutOfRange();
    }
    const std::int32_t n = LongOf(parts[2]);
    const std::int32_t m = LongOf(parts[3]);
    if (n < 1 || m < 1 || n > 1000 || m > 1000) {
        throw XmlReadError(9, "インデックスが有効範囲にありません。 (行数 " + std::to_string(n) +
                                  ", 列数 " + std::to_string(m) + ")");
    }
    if (parts.size() < static_cast<std::size_t>(n) + 8) {
        clsXmlTagReader::ThrowOutOfRange();
    }
    entry.Enabled = m_convert.StringToBoolean(parts[0]);
    entry.Applied = m_convert.StringToBoolean(parts[1]);
    entry.Resize(n, m);
    m_convert.StringToBoolean1(parts[4], entry.MatchFlags);
    m_convert.StringToBoolean1(parts[5], entry.ResultFlags);
    for (std::int32_t r = 0; r < n; ++r) {
        m_convert.StringToBoolean1(parts[static_cast<std::size_t>(6 + r)],
                                   entry.RowCategories[static_cast<std::size_t>(r)]);
    }
    Require(m_convert.StringToByte2(parts[static_cast<std::size_t>(6 + n)], entry.CountMarks));
    m_convert.StringToString1(parts[static_cast<std::size_t>(7 + n)], entry.RowCaptions);
}

std::string clsTFileDRD::BuildText(bool blnDataFlag, const DataFileRecord& rec,
                                   const std::function<void(std::int32_t)>& lngProgress) const
{
    const clsStringConvert& cv = m_convert;
    const auto key = [](std::string& s, std::string_view k, std::string_view v) {
        s += k;
        s += " = ";
        s += v;
        s += "\r\n";
    };
    std::string s;
    s.reserve(4096 + (blnDataFlag ? static_cast<std::size_t>(rec.SingleCount) * 7 : 0));
    s += blnDataFlag ? ";Drovane Data File (.drd)\r\n" : ";Drovane Jouken File (.drj)\r\n";
    s += ";" + m_legal + "\r\n\r\n";
    s += "Software    = Kelvra\r\n";
    s += "SoftVersion = " + m_version + "\r\n";
    s += blnDataFlag ? "DataType    = toto\r\n" : "DataType    = toto Jouken\r\n";
    s += "DataVersion = " + std::to_string(CurrentDataVersion) + "\r\n\r\n";
    if (blnDataFlag) {
        key(s, "Kaisaikai", std::to_string(rec.Kaisaikai));
        s += "\r\n";
        key(s, "Multi", cv.Long2ToString(rec.Multi));
        // Only when there are any: a file without the line reads as having none.
        if (rec.Probability) {
            key(s, "Probability", cv.Long2ToString(rec.Probability->Value));
        }
        s += "\r\n";
    }
    const ConditionSetRecord& j = rec.Jouken;
    key(s, "Haitou.Enabled", cv.Boolean1ToString(j.Haitou.Enabled));
    key(s, "Haitou.Flag", cv.Boolean1ToString(j.Haitou.Flag));
    key(s, "Haitou.Min", cv.Currency1ToString(j.Haitou.Min));
    key(s, "Haitou.Max", cv.Currency1ToString(j.Haitou.Max));
    s += "\r\n";
    const std::pair<const char*, const std::array<ConditionTableEntry, kJoukenTabs>*> tables[] = {
        {"Honmei.", &j.Honmei}, {"Ninki.", &j.Ninki}, {"Mark.", &j.Mark}};
    for (const auto& [name, table] : tables) {
        for (std::size_t k = 0; k < table->size(); ++k) {
            key(s, std::string(name) + std::to_string(k), EntryToString((*table)[k]));
        }
        s += "\r\n";
    }
    key(s, "MachigaiType", std::to_string(j.MachigaiType));
    key(s, "MachigaiList", cv.Boolean1ToString(j.MachigaiList));
    s += "\r\n";
    basValueLimitKeys::Write(s, j.Value);
    if (!blnDataFlag) {
        return s;
    }
    const EngineSettingsRecord& e = rec.Engine;
    key(s, "MsEngine", std::to_string(e.MsEngine));
    s += "\r\n";
    key(s, "BeginCount", std::to_string(e.BeginCount));
    key(s, "EndCount", std::to_string(e.EndCount));
    key(s, "EndTime", std::to_string(e.EndTime));
    key(s, "ExGrade2", cv.BooleanToString(e.ExGrade2));
    key(s, "ExGrade3", cv.BooleanToString(e.ExGrade3));
    s += "\r\n";
    key(s, "SeBeginCount", std::to_string(e.SeBeginCount));
    key(s, "SeEndTime", std::to_string(e.SeEndTime));
    s += "\r\n";
    key(s, "ChushutsuFlag", cv.BooleanToString(e.ChushutsuFlag));
    key(s, "ChushutsuCount", std::to_string(e.ChushutsuCount));
    key(s, "ChushutsuType", std::to_string(e.ChushutsuType));
    s += "\r\n";
    key(s, "MsSingleCount", std::to_string(rec.MsSingleCount));
    key(s, "MsSingleFrame", cv.Long2ToString(rec.MsSingleFrame));
    key(s, "MsTousen", cv.Long1ToString(rec.MsTousen));
    s += "\r\n";
    key(s, "SingleCount", std::to_string(rec.SingleCount));
    key(s, "SingleFrame", cv.Long2ToString(rec.SingleFrame));
    s += "\r\n<SingleData>\r\n";
    std::int32_t lastUpdate = 0;
    for (std::int32_t i = 0; i < rec.SingleCount; ++i) {
        AppendHex(s, rec.Singles[static_cast<std::size_t>(i)]);
        s += "\r\n";
        if (lngProgress && i - lastUpdate > 1000) {
            lastUpdate = i;
            lngProgress(i);
        }
    }
    s += "</SingleData>\r\n\r\n<SakugenMessage>\r\n";
    s += rec.SakugenMessage;
    s += "\r\n</SakugenMessage>\r\n\r\n";
    clsXmlVote vote(m_host.Message, "");
    vote.SetRecord(rec.Vote);
    s += vote.GetXmlString(false);
    return s;
}

bool clsTFileDRD::Save(const std::string& strFileName, bool blnDataFlag, const DataFileRecord& rec,
                       bool blnDialog)
{
    BusyScope busy(m_host.Busy);
    try {
        const std::int32_t count = blnDataFlag ? rec.SingleCount : 0;
        if (count < 0 || static_cast<std::size_t>(count) > rec.Singles.size()) {
            throw std::out_of_range("SingleCount " + std::to_string(count));
        }
        WaitScope wait(m_host.Wait, blnDataFlag ? "DRDファイルに保存中" : "DRJファイルに保存中",
                       count);
        // The whole text is built before the file is touched, so a failure leaves it as it was.
        const std::string text = BuildText(blnDataFlag, rec, [&](std::int32_t i) {
            wait.Value(i);
            m_host.Pump.DoEvents();
        });
        std::string reason;
        if (!clsXmlTagReader::SaveBytes(strFileName, basText::ToSjis(text), &reason)) {
            if (blnDialog) {
                m_err.ReportError("Save",
                                  ErrorRecord{strFileName + " に書き込めません。 (" + reason + ")",
                                              75, std::string(kAppTitle)});
            }
            return false;
        }
        wait.Value(count);
        return true;
    } catch (const std::exception& e) {
        if (blnDialog) {
            m_err.ReportException("Save", e);
        }
    }
    return false;
}

bool clsTFileDRD::Load(const std::string& strFileName, DataFileRecord& rec)
{
    BusyScope busy(m_host.Busy);
    try {
        std::string bytes;
        if (const int e = clsFileStream::ReadWhole(strFileName, bytes)) {
            m_err.ReportError("Load", ReadFailure(strFileName, e));
            return false;
        }
        return ParseText(strFileName, basText::FromSjis(basText::CutAtNul(bytes)), rec);
    } catch (const XmlReadError& e) {
        m_err.ReportError("Load", ErrorRecord{e.what(), e.Number(), std::string(kAppTitle)});
    } catch (const std::exception& e) {
        m_err.ReportException("Load", e);
    }
    return false;
}

bool clsTFileDRD::ParseText(const std::string& strFileName, std::string_view strText,
                            DataFileRecord& rec)
{
    WaitScope wait(m_host.Wait, "DRDファイルの読込中", 1);
    LineReader reader(strText);
    std::string_view line;
    std::string currentKey;
    // The count of the last SingleCount line, until a singles block has matched it; -1 when
    // there is none. A block must hold exactly that many singles: a missing one would load as
    // ticket 0.
    std::int64_t expected = -1;
    try {
        while (reader.Next(line)) {
            if (!line.empty() && line.front() == ';') {
                continue;
            }
            const std::size_t eq = line.find('=');
            if (eq == std::string_view::npos) {
                if (line == "<SingleData>") {
                    currentKey = "SingleData";
                    const std::int64_t count = expected < 0 ? 0 : expected;
                    std::vector<std::int32_t> singles;
                    // Reserved by the count only as far as a full ticket set goes: a damaged
                    // count must not allocate gigabytes before the block proves it wrong.
                    singles.reserve(
                        static_cast<std::size_t>(std::min<std::int64_t>(count, 1 << 22)));
                    std::int32_t lastUpdate = 0;
                    bool closed = false;
                    while (reader.Next(line)) {
                        if (line == "</SingleData>") {
                            closed = true;
                            break;
                        }
                        if (static_cast<std::int64_t>(singles.size()) >= count) {
                            throw XmlReadError(9, "インデックスが有効範囲にありません。 "
                                                  "(SingleCount " +
                                                      std::to_string(count) + " より多いシングル)");
                        }
                        const std::int32_t no = ParseHex(line);
                        if (no < 0 || no > kMaxTicketNo) {
                            // A number beyond the ticket numbering would index past every
                            // table that is sized by it.
                            throw XmlReadError(6, "オーバーフローしました。 (シングル " +
                                                      std::string(line) + ")");
                        }
                        singles.push_back(no);
                        const auto j = static_cast<std::int32_t>(singles.size());
                        if (j - lastUpdate > 1000) {
                            lastUpdate = j;
                            wait.Value(lastUpdate);
                            m_host.Pump.DoEvents();
                        }
                    }
                    if (!closed) {
                        throw XmlReadError(62, "ファイルにこれ以上データがありません。 "
                                               "(</SingleData> がありません)");
                    }
                    if (static_cast<std::int64_t>(singles.size()) != count) {
                        throw XmlReadError(62, "ファイルにこれ以上データがありません。 "
                                               "(シングルが " +
                                                   std::to_string(singles.size()) +
                                                   " 件しかありません。SingleCount は " +
                                                   std::to_string(count) + ")");
                    }
                    if (count > 0) {
                        rec.Singles = std::move(singles);
                    }
                    expected = -1;
                    wait.Value(rec.SingleCount);
                } else if (line == "<SakugenMessage>") {
                    currentKey = "SakugenMessage";
                    std::string msg;
                    bool closed = false;
                    while (reader.Next(line)) {
                        if (line == "</SakugenMessage>") {
                            closed = true;
                            break;
                        }
                        if (!TrimSpaces(line).empty()) {
                            msg += line;
                            msg += "\r\n";
                        }
                    }
                    if (!closed) {
                        throw XmlReadError(62, "ファイルにこれ以上データがありません。 "
                                               "(</SakugenMessage> がありません)");
                    }
                    rec.SakugenMessage = msg;
                } else if (line == "<投票状況>") {
                    currentKey = "投票状況";
                    const std::int32_t first = reader.Number();
                    std::string xml(line);
                    xml += "\r\n";
                    bool closed = false;
                    while (reader.Next(line)) {
                        if (line == "</投票状況>") {
                            xml += line;
                            closed = true;
                            break;
                        }
                        // Blank lines read as nothing; kept empty, they keep the line numbers
                        // of the reports right.
                        if (!TrimSpaces(line).empty()) {
                            xml += line;
                        }
                        xml += "\r\n";
                    }
                    if (!closed) {
                        throw XmlReadError(62, "ファイルにこれ以上データがありません。 "
                                               "(</投票状況> がありません)");
                    }
                    clsXmlVote vote(m_host.Message, "");
                    if (!vote.SetXmlString(xml, false, strFileName, first)) {
                        return false; // the vote reader has said why
                    }
                    rec.Vote = vote.GetRecord();
                }
                continue;
            }
            const std::string k(TrimSpaces(line.substr(0, eq)));
            const std::string_view v = TrimSpaces(line.substr(eq + 1));
            currentKey = k;
            ConditionSetRecord& j = rec.Jouken;
            EngineSettingsRecord& e = rec.Engine;
            const auto tableEntry = [&](std::string_view prefix,
                                        std::array<ConditionTableEntry, kJoukenTabs>& table) {
                const std::int32_t idx = LongOf(std::string_view(k).substr(prefix.size()));
                if (idx >= 0 && idx < kJoukenTabs) {
                    StringToEntry(v, table[static_cast<std::size_t>(idx)]);
                }
            };
            if (k.starts_with("Honmei.")) {
                tableEntry("Honmei.", j.Honmei);
            } else if (k.starts_with("Ninki.")) {
                tableEntry("Ninki.", j.Ninki);
            } else if (k.starts_with("Mark.")) {
                tableEntry("Mark.", j.Mark);
            } else if (k.size() == 9 && k.starts_with("Shouhai.") && k[8] >= '0' && k[8] <= '9') {
                StringToEntry(v, j.Mark[static_cast<std::size_t>(k[8] - '0')]);
            } else if (basValueLimitKeys::Read(k, v, j.Value)) {
                continue;
            } else if (k == "Kaisaikai") {
                rec.Kaisaikai = LongOf(v);
            } else if (k == "MachigaiType") {
                j.MachigaiType = LongOf(v);
            } else if (k == "MsEngine") {
                e.MsEngine = LongOf(v);
            } else if (k == "BeginCount") {
                e.BeginCount = LongOf(v);
            } else if (k == "EndCount") {
                e.EndCount = LongOf(v);
            } else if (k == "EndTime") {
                e.EndTime = LongOf(v);
            } else if (k == "SeBeginCount") {
                e.SeBeginCount = LongOf(v);
            } else if (k == "SeEndTime") {
                e.SeEndTime = LongOf(v);
            } else if (k == "ChushutsuCount") {
                e.ChushutsuCount = LongOf(v);
            } else if (k == "ChushutsuType") {
                e.ChushutsuType = LongOf(v);
            } else if (k == "MsSingleCount") {
                rec.MsSingleCount = LongOf(v);
            } else if (k == "Kumi") {
                rec.Kumi = v;
            } else if (k == "VoteTime") {
                Require(m_convert.StringToDate(v, rec.VoteTime));
            } else if (k == "Multi") {
                Require(m_convert.StringToLong2(v, rec.Multi));
            } else if (k == "Probability") {
                rec.Probability = ParseProbability(v);
            } else if (k == "MsSingleFrame") {
                Require(m_convert.StringToLong2(v, rec.MsSingleFrame));
            } else if (k == "SingleFrame") {
                Require(m_convert.StringToLong2(v, rec.SingleFrame));
            } else if (k == "MsTousen") {
                Require(m_convert.StringToLong1(v, rec.MsTousen));
            } else if (k == "Haitou.Enabled") {
                m_convert.StringToBoolean1(v, j.Haitou.Enabled);
            } else if (k == "Haitou.Flag") {
                m_convert.StringToBoolean1(v, j.Haitou.Flag);
            } else if (k == "MachigaiList") {
                m_convert.StringToBoolean1(v, j.MachigaiList);
            } else if (k == "Haitou.Min") {
                Require(m_convert.StringToCurrency1(v, j.Haitou.Min));
                RequireAmounts(j.Haitou.Min);
            } else if (k == "Haitou.Max") {
                Require(m_convert.StringToCurrency1(v, j.Haitou.Max));
                RequireAmounts(j.Haitou.Max);
            } else if (k == "ExGrade2") {
                e.ExGrade2 = m_convert.StringToBoolean(v);
            } else if (k == "ExGrade3") {
                e.ExGrade3 = m_convert.StringToBoolean(v);
            } else if (k == "ChushutsuFlag") {
                e.ChushutsuFlag = m_convert.StringToBoolean(v);
            } else if (k == "SingleCount") {
                const std::int32_t n = LongOf(v);
                if (n < 0) {
                    throw XmlReadError(9, "インデックスが有効範囲にありません。 (SingleCount " +
                                              std::to_string(n) + ")");
                }
                rec.SingleCount = n;
                m_host.Wait.WaitShow("DRDファイルの読込中", n);
                expected = n;
            }
        }
        if (expected > 0) {
            throw XmlReadError(62, "ファイルにこれ以上データがありません。 (SingleCount " +
                                       std::to_string(expected) +
                                       " のシングルがありません: <SingleData> がありません)");
        }
    } catch (const XmlReadError& e) {
        throw XmlReadError(e.Number(), std::string(e.what()) + " (" + strFileName + " " +
                                           std::to_string(reader.Number()) + "行目: " + currentKey +
                                           ")");
    }
    return true;
}

bool clsTFileDRD::DataTypeCheck(const std::string& strFileName, bool blnDataFlag,
                                std::int32_t& lngDataVersion)
{
    try {
        // Only the head is needed: read until eight line ends are in, not the whole set.
        std::string head;
        std::size_t ends = 0;
        const int failure = clsFileStream::ReadChunks(strFileName, [&](std::string_view chunk) {
            head += chunk;
            ends += static_cast<std::size_t>(std::count(chunk.begin(), chunk.end(), '\n'));
            return ends < 8;
        });
        if (failure != 0) {
            m_err.ReportError("DataTypeCheck", ReadFailure(strFileName, failure));
            return false;
        }
        std::string software;
        std::string type;
        int lines = 0;
        std::size_t pos = 0;
        // Lines as getline gives them: a last piece without its line end still counts.
        for (; lines < 8 && pos < head.size(); ++lines) {
            std::size_t eol = head.find('\n', pos);
            if (eol == std::string::npos) {
                eol = head.size();
            }
            std::string raw = head.substr(pos, eol - pos);
            pos = eol + 1;
            if (!raw.empty() && raw.back() == '\r') {
                raw.pop_back();
            }
            const std::string line = basText::FromSjis(basText::CutAtNul(raw));
            const std::size_t eq = line.find('=');
            if ((!line.empty() && line.front() == ';') || eq == std::string::npos) {
                continue;
            }
            const std::string_view k = TrimSpaces(std::string_view(line).substr(0, eq));
            const std::string_view v = TrimSpaces(std::string_view(line).substr(eq + 1));
            if (k == "Software") {
                software = v;
            } else if (k == "DataType") {
                type = v;
            } else if (k == "DataVersion") {
                lngDataVersion = LongOf(v);
            }
        }
        if (lines < 8) {
            m_err.ReportError("DataTypeCheck",
                              ErrorRecord{"ファイルにこれ以上データがありません。 (" + strFileName +
                                              ": " + std::to_string(lines) + " 行しかありません)",
                                          62, std::string(kAppTitle)});
            return false;
        }
        return software == "Kelvra" && type == (blnDataFlag ? "toto" : "toto Jouken");
    } catch (const XmlReadError& e) {
        m_err.ReportError("DataTypeCheck",
                          ErrorRecord{e.what(), e.Number(), std::string(kAppTitle)});
    } catch (const std::exception& e) {
        m_err.ReportException("DataTypeCheck", e);
    }
    return false;
}
