#include "files/clsTFileDRD.h"

#include "base/basText.h"
#include "base/clsAtomicSave.h"
#include "base/clsFileStream.h"
#include "files/basValueLimitKeys.h"
#include "lottery/clsTNumber.h"
#include "lottery/clsToto.h"
#include "store/basXmlValue.h"
#include "store/clsTMain.h"
#include "store/clsXmlTagReader.h"
#include "store/clsXmlVote.h"

#include <algorithm>
#include <optional>
#include <span>

namespace {
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
    s = basText::TrimSpaces(s);
    if (s.empty() || s.size() > 8) {
        clsXmlTagReader::ThrowTypeMismatch();
    }
    std::uint32_t v = 0;
    for (const char c : s) {
        unsigned d;
        if (basText::IsDigit(c)) {
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
            throw XmlReadError(ErrorNumber::TypeMismatch,
                               "型が一致しません。 (確率の組が 3 つより多くあります)");
        }
        std::size_t col = 0;
        std::size_t from = 0;
        for (;;) {
            const std::size_t colon = group.find(':', from);
            const std::string_view piece = group.substr(
                from, colon == std::string_view::npos ? group.size() - from : colon - from);
            if (col >= clsToto::kMatchCount) {
                throw XmlReadError(ErrorNumber::TypeMismatch, "型が一致しません。 (確率の組 " +
                                                                  std::to_string(row + 1) +
                                                                  " に 13 より多くの値があります)");
            }
            rec.Value[row][col++] = LongOf(piece);
            if (colon == std::string_view::npos) {
                break;
            }
            from = colon + 1;
        }
        if (col != clsToto::kMatchCount) {
            throw XmlReadError(ErrorNumber::TypeMismatch,
                               "型が一致しません。 (確率の組 " + std::to_string(row + 1) +
                                   " の値が " + std::to_string(col) + " 個しかありません)");
        }
        ++row;
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    if (row != 3) {
        throw XmlReadError(ErrorNumber::TypeMismatch, "型が一致しません。 (確率の組が " +
                                                          std::to_string(row) +
                                                          " つしかありません)");
    }
    const std::string fault = rec.Check();
    if (!fault.empty()) {
        throw XmlReadError(ErrorNumber::TypeMismatch, "型が一致しません。 (" + fault + ")");
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
    bool AtEnd() const { return m_pos >= m_text.size(); }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
    std::int32_t m_number = 0;
};

// Payout limits are compared with estimates of at most 99,999,999,999 yen; anything beyond
// the read limit is damage, not a limit.
void RequireAmounts(std::span<const Currency> values)
{
    for (const Currency c : values) {
        if (!c.WithinReadLimit()) {
            throw XmlReadError(ErrorNumber::Overflow,
                               "オーバーフローしました。 (" + c.ToString() + ")");
        }
    }
}

constexpr std::string_view kBlockTags[] = {"SingleData", "SakugenMessage", "投票状況"};

// Calls onLine for every line up to the closing tag </strTag>; a file that ends first is refused.
// A block opener inside is refused too: it is what a block moved or cut in the middle of
// another one looks like, and read as lines it would swallow the rest of the file.
template <class Fn> void ReadBlock(LineReader& reader, std::string_view strTag, Fn onLine)
{
    const std::string close = "</" + std::string(strTag) + ">";
    std::string_view line;
    while (reader.Next(line)) {
        if (line == close) {
            return;
        }
        for (const std::string_view tag : kBlockTags) {
            if (line.size() == tag.size() + 2 && line.front() == '<' && line.back() == '>' &&
                line.substr(1, tag.size()) == tag) {
                throw XmlReadError(ErrorNumber::InvalidCall,
                                   "ファイルの形式が正しくありません。 (<" + std::string(strTag) +
                                       "> の中に " + std::string(line) + " があります)");
            }
        }
        onLine(line);
    }
    throw XmlReadError(ErrorNumber::PastEnd,
                       "ファイルにこれ以上データがありません。 (" + close + " がありません)");
}

// The singles block, which must hold exactly count singles: a missing one would load as
// ticket 0. An empty block leaves the record's singles as they were.
void ReadSingles(LineReader& reader, std::int64_t count, WaitScope& wait, clsIPump& pump,
                 DataFileRecord& rec)
{
    std::vector<std::int32_t> singles;
    // Reserved by the count only as far as a full ticket set goes: a damaged count must not
    // allocate gigabytes before the block proves it wrong.
    singles.reserve(static_cast<std::size_t>(std::min<std::int64_t>(count, 1 << 22)));
    std::int32_t lastUpdate = 0;
    ReadBlock(reader, "SingleData", [&](std::string_view line) {
        if (static_cast<std::int64_t>(singles.size()) >= count) {
            throw XmlReadError(ErrorNumber::OutOfRange,
                               "インデックスが有効範囲にありません。 (SingleCount " +
                                   std::to_string(count) + " より多いシングル)");
        }
        const std::int32_t no = ParseHex(line);
        if (!clsTNumber::IsValidNo(no)) {
            // A number beyond the ticket numbering would index past every table that is
            // sized by it.
            throw XmlReadError(ErrorNumber::Overflow,
                               "オーバーフローしました。 (シングル " + std::string(line) + ")");
        }
        singles.push_back(no);
        const auto j = static_cast<std::int32_t>(singles.size());
        if (j - lastUpdate > 1000) {
            lastUpdate = j;
            wait.Value(lastUpdate);
            pump.DoEvents();
        }
    });
    if (static_cast<std::int64_t>(singles.size()) != count) {
        throw XmlReadError(ErrorNumber::PastEnd,
                           "ファイルにこれ以上データがありません。 (シングルが " +
                               std::to_string(singles.size()) +
                               " 件しかありません。SingleCount は " + std::to_string(count) + ")");
    }
    if (count > 0) {
        rec.Singles = std::move(singles);
    }
}

std::string ReadMessage(LineReader& reader)
{
    std::string msg;
    ReadBlock(reader, "SakugenMessage", [&](std::string_view line) {
        if (!basText::TrimSpaces(line).empty()) {
            msg += line;
            msg += "\r\n";
        }
    });
    return msg;
}

// False when the vote reader refused the block (it has said why).
bool ReadVote(LineReader& reader, clsIMessage& message, const std::string& strFileName,
              VoteRecord& vote)
{
    const std::int32_t first = reader.Number();
    std::string xml = "<投票状況>\r\n";
    ReadBlock(reader, "投票状況", [&](std::string_view line) {
        // Blank lines read as nothing; kept empty, they keep the line numbers of the reports
        // right.
        if (!basText::TrimSpaces(line).empty()) {
            xml += line;
        }
        xml += "\r\n";
    });
    xml += "</投票状況>";
    clsXmlVote xmlVote(message, "");
    if (!xmlVote.SetXmlString(xml, false, strFileName, first)) {
        return false;
    }
    vote = xmlVote.GetRecord();
    return true;
}

// What the first eight lines of a file say: the type check reads them, and the load takes
// from them whether the file is a data file and of which version.
struct FileHead
{
    std::string Software;
    std::string Type;
    std::optional<std::string> Version; // as written
    int Lines = 0;
};

// Lines as getline gives them: a last piece without its line end still counts; each line is
// read up to its own NUL.
FileHead ReadHead(std::string_view bytes)
{
    FileHead head;
    std::size_t pos = 0;
    for (; head.Lines < 8 && pos < bytes.size(); ++head.Lines) {
        std::size_t eol = bytes.find('\n', pos);
        if (eol == std::string_view::npos) {
            eol = bytes.size();
        }
        std::string_view raw = bytes.substr(pos, eol - pos);
        pos = eol + 1;
        if (!raw.empty() && raw.back() == '\r') {
            raw.remove_suffix(1);
        }
        const std::string line = basText::FromSjis(basText::CutAtNul(raw));
        const std::size_t eq = line.find('=');
        if ((!line.empty() && line.front() == ';') || eq == std::string::npos) {
            continue;
        }
        const std::string_view k = basText::TrimSpaces(std::string_view(line).substr(0, eq));
        const std::string_view v = basText::TrimSpaces(std::string_view(line).substr(eq + 1));
        if (k == "Software") {
            head.Software = v;
        } else if (k == "DataType") {
            head.Type = v;
        } else if (k == "DataVersion") {
            head.Version = v;
        }
    }
    return head;
}

std::int32_t LineOf(std::string_view bytes, std::size_t lngOffset)
{
    return 1 + static_cast<std::int32_t>(std::count(
                   bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(lngOffset), '\n'));
}

// Text in another encoding would be read with its Japanese turned into replacement
// characters, and the vote block, whose tags are Japanese, silently passed over.
// Returns the text decoded.
std::string RequireCp932(const std::string& strFileName, std::string_view bytes)
{
    std::int32_t line = 0;
    std::string text;
    std::string what;
    switch (basText::DetectEncoding(bytes, line, &text)) {
    case basText::TextEncoding::Ascii:
    case basText::TextEncoding::Cp932:
        return text;
    case basText::TextEncoding::Utf8Bom:
        what = "文字コードが UTF-8 (BOM 付き) です。";
        break;
    case basText::TextEncoding::Utf8:
        what = "文字コードが UTF-8 です。";
        break;
    case basText::TextEncoding::NotCp932:
        what = "Shift_JIS (CP932) として読めないバイトがあります。";
        break;
    }
    throw XmlReadError(ErrorNumber::InvalidCall,
                       what + "Shift_JIS (CP932) のファイルしか読み込めません。 (" + strFileName +
                           " " + std::to_string(line) + "行目)");
}

// A "key = value" line, read and written by one pair of functions so that the two agree.
struct FieldKey
{
    std::string_view Name;
    void (*Read)(const clsStringConvert& cv, std::string_view v, DataFileRecord& rec);
    std::string (*Write)(const clsStringConvert& cv, const DataFileRecord& rec);
};

// The field a path of members leads to from the record.
template <auto... Path> auto& FieldOf(auto& rec)
{
    return (rec.*....*Path);
}

// The value forms of the lines, by the type of the field.
struct LongText
{
    static void Read(const clsStringConvert&, std::string_view v, std::int32_t& x)
    {
        x = LongOf(v);
    }
    static std::string Write(const clsStringConvert&, std::int32_t x) { return std::to_string(x); }
};
// The program never holds a round outside 0..9999 (0: none chosen yet, which a new work saved
// before choosing one writes); anything else is damage that would index the round tables.
struct RoundText
{
    static void Read(const clsStringConvert&, std::string_view v, std::int32_t& x)
    {
        const std::int32_t n = LongOf(v);
        if (n < 0 || n > clsTMain::kMaxKaisaikai) {
            throw XmlReadError(ErrorNumber::Overflow, "オーバーフローしました。 (開催回 " +
                                                          std::to_string(n) + " は 0～" +
                                                          std::to_string(clsTMain::kMaxKaisaikai) +
                                                          " の範囲にありません)");
        }
        x = n;
    }
    static std::string Write(const clsStringConvert&, std::int32_t x) { return std::to_string(x); }
};
struct FlagText
{
    static void Read(const clsStringConvert& cv, std::string_view v, bool& x)
    {
        x = cv.StringToBoolean(v);
    }
    static std::string Write(const clsStringConvert& cv, bool x) { return cv.BooleanToString(x); }
};
struct FlagsText
{
    template <class A> static void Read(const clsStringConvert& cv, std::string_view v, A& x)
    {
        cv.StringToBoolean1(v, x);
    }
    template <class A> static std::string Write(const clsStringConvert& cv, const A& x)
    {
        return cv.Boolean1ToString(x);
    }
};
struct LongsText
{
    template <class A> static void Read(const clsStringConvert& cv, std::string_view v, A& x)
    {
        Require(cv.StringToLong1(v, x));
    }
    template <class A> static std::string Write(const clsStringConvert& cv, const A& x)
    {
        return cv.Long1ToString(x);
    }
};
struct FrameText
{
    static void Read(const clsStringConvert& cv, std::string_view v, MarkArray& x)
    {
        Require(cv.StringToLong2(v, x));
    }
    static std::string Write(const clsStringConvert& cv, const MarkArray& x)
    {
        return cv.Long2ToString(x);
    }
};
struct AmountsText
{
    template <class A> static void Read(const clsStringConvert& cv, std::string_view v, A& x)
    {
        Require(cv.StringToCurrency1(v, x));
        RequireAmounts(x);
    }
    template <class A> static std::string Write(const clsStringConvert& cv, const A& x)
    {
        return cv.Currency1ToString(x);
    }
};
struct DateText
{
    static void Read(const clsStringConvert& cv, std::string_view v, DateTime& x)
    {
        Require(cv.StringToDate(v, x));
    }
    static std::string Write(const clsStringConvert& cv, DateTime x) { return cv.DateToString(x); }
};
struct PlainText
{
    static void Read(const clsStringConvert&, std::string_view v, std::string& x) { x = v; }
    static std::string Write(const clsStringConvert&, const std::string& x) { return x; }
};

template <class Form, auto... Path> constexpr FieldKey Key(std::string_view name)
{
    return {name,
            [](const clsStringConvert& cv, std::string_view v, DataFileRecord& rec) {
                Form::Read(cv, v, FieldOf<Path...>(rec));
            },
            [](const clsStringConvert& cv, const DataFileRecord& rec) {
                return Form::Write(cv, FieldOf<Path...>(rec));
            }};
}

using D = DataFileRecord;
using E = EngineSettingsRecord;
using J = ConditionSetRecord;
using H = HaitouLimits;

// The keys in the order they are written, a group to a paragraph.
constexpr FieldKey kRoundKeys[] = {Key<RoundText, &D::Kaisaikai>("Kaisaikai")};
constexpr FieldKey kMultiKey = Key<FrameText, &D::Multi>("Multi");
constexpr FieldKey kHaitouKeys[] = {
    Key<FlagsText, &D::Jouken, &J::Haitou, &H::Enabled>("Haitou.Enabled"),
    Key<FlagsText, &D::Jouken, &J::Haitou, &H::Flag>("Haitou.Flag"),
    Key<AmountsText, &D::Jouken, &J::Haitou, &H::Min>("Haitou.Min"),
    Key<AmountsText, &D::Jouken, &J::Haitou, &H::Max>("Haitou.Max")};
constexpr FieldKey kMachigaiKeys[] = {Key<LongText, &D::Jouken, &J::MachigaiType>("MachigaiType"),
                                      Key<FlagsText, &D::Jouken, &J::MachigaiList>("MachigaiList")};
constexpr FieldKey kEngineKeys[] = {Key<LongText, &D::Engine, &E::MsEngine>("MsEngine")};
constexpr FieldKey kTrialKeys[] = {Key<LongText, &D::Engine, &E::BeginCount>("BeginCount"),
                                   Key<LongText, &D::Engine, &E::EndCount>("EndCount"),
                                   Key<LongText, &D::Engine, &E::EndTime>("EndTime"),
                                   Key<FlagText, &D::Engine, &E::ExGrade2>("ExGrade2"),
                                   Key<FlagText, &D::Engine, &E::ExGrade3>("ExGrade3")};
constexpr FieldKey kSearchKeys[] = {Key<LongText, &D::Engine, &E::SeBeginCount>("SeBeginCount"),
                                    Key<LongText, &D::Engine, &E::SeEndTime>("SeEndTime")};
// Written only when not 2, so the files of every other setting stay as they were.
constexpr FieldKey kSeGradeKey = Key<LongText, &D::Engine, &E::SeGrade>("SeGrade");
constexpr FieldKey kChushutsuKeys[] = {
    Key<FlagText, &D::Engine, &E::ChushutsuFlag>("ChushutsuFlag"),
    Key<LongText, &D::Engine, &E::ChushutsuCount>("ChushutsuCount"),
    Key<LongText, &D::Engine, &E::ChushutsuType>("ChushutsuType")};
constexpr FieldKey kTrialResultKeys[] = {Key<LongText, &D::MsSingleCount>("MsSingleCount"),
                                         Key<FrameText, &D::MsSingleFrame>("MsSingleFrame"),
                                         Key<LongsText, &D::MsTousen>("MsTousen")};
constexpr std::span<const FieldKey> kSettingGroups[] = {kEngineKeys, kTrialKeys, kSearchKeys,
                                                        kChushutsuKeys, kTrialResultKeys};
constexpr FieldKey kSingleFrameKey = Key<FrameText, &D::SingleFrame>("SingleFrame");
// Read from old files, never written.
constexpr FieldKey kOldKeys[] = {Key<PlainText, &D::Kumi>("Kumi"),
                                 Key<DateText, &D::VoteTime>("VoteTime")};
constexpr FieldKey kLoneKeys[] = {kMultiKey, kSingleFrameKey, kSeGradeKey};
constexpr std::span<const FieldKey> kReadGroups[] = {
    kRoundKeys,  kHaitouKeys,    kMachigaiKeys,    kEngineKeys, kTrialKeys,
    kSearchKeys, kChushutsuKeys, kTrialResultKeys, kLoneKeys,   kOldKeys};

// The three condition tables, a line per tab: "Honmei.0" ...
struct TableKey
{
    std::string_view Prefix;
    std::array<ConditionTableEntry, kJoukenTabs> ConditionSetRecord::*Table;
};
constexpr TableKey kTableKeys[] = {
    {"Honmei.", &J::Honmei}, {"Ninki.", &J::Ninki}, {"Mark.", &J::Mark}};

void AppendLine(std::string& s, std::string_view k, std::string_view v)
{
    s += k;
    s += " = ";
    s += v;
    s += "\r\n";
}

void AppendKey(std::string& s, const clsStringConvert& cv, const FieldKey& key,
               const DataFileRecord& rec)
{
    AppendLine(s, key.Name, key.Write(cv, rec));
}

// A group of keys and the blank line after it.
void AppendGroup(std::string& s, const clsStringConvert& cv, std::span<const FieldKey> keys,
                 const DataFileRecord& rec)
{
    for (const FieldKey& key : keys) {
        AppendKey(s, cv, key, rec);
    }
    s += "\r\n";
}

void AppendSingles(std::string& s, const DataFileRecord& rec,
                   const std::function<void(std::int32_t)>& lngProgress)
{
    std::int32_t lastUpdate = 0;
    for (std::int32_t i = 0; i < rec.SingleCount; ++i) {
        AppendHex(s, rec.Singles[static_cast<std::size_t>(i)]);
        s += "\r\n";
        if (lngProgress && i - lastUpdate > 1000) {
            lastUpdate = i;
            lngProgress(i);
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
        throw XmlReadError(ErrorNumber::OutOfRange, "インデックスが有効範囲にありません。 (行数 " +
                                                        std::to_string(n) + ", 列数 " +
                                                        std::to_string(m) + ")");
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
    std::string s;
    s.reserve(4096 + (blnDataFlag ? static_cast<std::size_t>(rec.SingleCount) * 7 : 0));
    s += blnDataFlag ? ";Drovane Data File (.drd)\r\n" : ";Drovane Jouken File (.drj)\r\n";
    s += ";" + m_legal + "\r\n\r\n";
    s += "Software    = Kelvra\r\n";
    s += "SoftVersion = " + m_version + "\r\n";
    s += blnDataFlag ? "DataType    = toto\r\n" : "DataType    = toto Jouken\r\n";
    s += "DataVersion = " + std::to_string(CurrentDataVersion) + "\r\n\r\n";
    if (blnDataFlag) {
        AppendGroup(s, cv, kRoundKeys, rec);
        AppendKey(s, cv, kMultiKey, rec);
        // Only when there are any: a file without the line reads as having none.
        if (rec.Probability) {
            AppendLine(s, "Probability", cv.Long2ToString(rec.Probability->Value));
        }
        s += "\r\n";
    }
    AppendGroup(s, cv, kHaitouKeys, rec);
    for (const auto& [prefix, table] : kTableKeys) {
        for (std::size_t k = 0; k < kJoukenTabs; ++k) {
            AppendLine(s, std::string(prefix) + std::to_string(k),
                       EntryToString((rec.Jouken.*table)[k]));
        }
        s += "\r\n";
    }
    AppendGroup(s, cv, kMachigaiKeys, rec);
    basValueLimitKeys::Write(s, rec.Jouken.Value);
    if (!blnDataFlag) {
        return s;
    }
    for (const auto group : kSettingGroups) {
        if (group.data() == std::data(kSearchKeys) && rec.Engine.SeGrade != 2) {
            for (const FieldKey& key : group) {
                AppendKey(s, cv, key, rec);
            }
            AppendGroup(s, cv, std::span<const FieldKey>(&kSeGradeKey, 1), rec);
            continue;
        }
        AppendGroup(s, cv, group, rec);
    }
    AppendLine(s, "SingleCount", std::to_string(rec.SingleCount));
    AppendKey(s, cv, kSingleFrameKey, rec);
    s += "\r\n<SingleData>\r\n";
    AppendSingles(s, rec, lngProgress);
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
        clsAtomicSave::Outcome outcome;
        if (!clsAtomicSave::SaveBytes(strFileName, basText::ToSjis(text), outcome)) {
            if (blnDialog) {
                m_err.ReportError("Save", clsAtomicSave::WriteError(strFileName, outcome));
            }
            return false;
        }
        if (outcome.FolderSync != 0 && blnDialog) {
            m_err.Report("Save", clsFileStream::FolderSyncWarning(strFileName, outcome.FolderSync));
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
            m_err.ReportError("Load", clsFileStream::ReadFailure(strFileName, e));
            return false;
        }
        const std::string_view text = basText::CutAtNul(bytes);
        const std::string decoded = RequireCp932(strFileName, text);
        const FileHead head = ReadHead(bytes);
        Layout layout = Layout::Free;
        if (head.Software == "Kelvra" && head.Type == "toto") {
            const auto version = basXmlValue::ParseLong(head.Version.value_or(""));
            layout = version && *version > 4 ? Layout::Data : Layout::OldData;
        }
        const std::int32_t nulLine = text.size() < bytes.size() ? LineOf(bytes, text.size()) : 0;
        return ParseText(strFileName, decoded, rec, layout, nulLine);
    } catch (const XmlReadError& e) {
        m_err.ReportError("Load", e.Record());
    } catch (const std::exception& e) {
        m_err.ReportException("Load", e);
    }
    return false;
}

void clsTFileDRD::ReadKey(std::string_view k, std::string_view v, DataFileRecord& rec) const
{
    for (const auto& [prefix, table] : kTableKeys) {
        if (k.starts_with(prefix)) {
            const std::int32_t idx = LongOf(k.substr(prefix.size()));
            if (idx >= 0 && idx < kJoukenTabs) {
                StringToEntry(v, (rec.Jouken.*table)[static_cast<std::size_t>(idx)]);
            }
            return;
        }
    }
    // The old name of the mark tables.
    if (k.size() == 9 && k.starts_with("Shouhai.") && k[8] >= '0' && k[8] <= '9') {
        StringToEntry(v, rec.Jouken.Mark[static_cast<std::size_t>(k[8] - '0')]);
        return;
    }
    if (basValueLimitKeys::Read(k, v, rec.Jouken.Value)) {
        return;
    }
    if (k == "Probability") {
        rec.Probability = ParseProbability(v);
        return;
    }
    for (const auto group : kReadGroups) {
        for (const FieldKey& key : group) {
            if (k == key.Name) {
                key.Read(m_convert, v, rec);
                return;
            }
        }
    }
}

bool clsTFileDRD::ParseText(const std::string& strFileName, std::string_view strText,
                            DataFileRecord& rec, Layout layout, std::int32_t lngNulLine)
{
    WaitScope wait(m_host.Wait, "DRDファイルの読込中", 1);
    LineReader reader(strText);
    std::string currentKey;
    // The count of the last SingleCount line, until a singles block has matched it; -1 when
    // there is none.
    std::int64_t expected = -1;
    // A data file of the current layout is read whole or refused: its count, then the singles,
    // the run log and the vote status, each once and in this order, nothing after them but
    // the vote status. What breaks the order is a block moved or damaged, whose lines would
    // otherwise be read as something else.
    const bool strict = layout == Layout::Data;
    bool counted = false;
    bool singlesRead = false;
    std::string_view lastBlock; // of kBlockTags, the last one read
    // The first key line after the run log or the vote status, where the run log of a file
    // whose tags were moved would have swallowed it.
    std::int32_t lateKeyLine = 0;
    std::string lateKey;
    std::string_view lateBlock;
    const auto place = [&](std::string_view tag) {
        if (!strict) {
            return;
        }
        const auto order = [](std::string_view t) {
            return t.empty() ? -1
                             : static_cast<int>(
                                   std::find(std::begin(kBlockTags), std::end(kBlockTags), t) -
                                   std::begin(kBlockTags));
        };
        if (tag == kBlockTags[0] && !counted) {
            throw XmlReadError(ErrorNumber::InvalidCall,
                               "ファイルの形式が正しくありません。 (<SingleData> の前に "
                               "SingleCount がありません)");
        }
        if (order(tag) <= order(lastBlock) || (tag != kBlockTags[0] && lastBlock.empty())) {
            throw XmlReadError(ErrorNumber::InvalidCall, "ファイルの形式が正しくありません。 (<" +
                                                             std::string(tag) +
                                                             "> の位置が正しくありません)");
        }
        lastBlock = tag;
    };
    std::int32_t errorLine = 0;
    try {
        std::string_view line;
        while (reader.Next(line)) {
            if (!line.empty() && line.front() == ';') {
                continue;
            }
            const std::size_t eq = line.find('=');
            if (eq == std::string_view::npos) {
                if (line == "<SingleData>") {
                    currentKey = "SingleData";
                    place(kBlockTags[0]);
                    ReadSingles(reader, expected < 0 ? 0 : expected, wait, m_host.Pump, rec);
                    expected = -1;
                    singlesRead = true;
                    wait.Value(rec.SingleCount);
                } else if (line == "<SakugenMessage>") {
                    currentKey = "SakugenMessage";
                    place(kBlockTags[1]);
                    rec.SakugenMessage = ReadMessage(reader);
                } else if (line == "<投票状況>") {
                    currentKey = "投票状況";
                    place(kBlockTags[2]);
                    if (!ReadVote(reader, m_host.Message, strFileName, rec.Vote)) {
                        return false; // the vote reader has said why
                    }
                }
                continue;
            }
            currentKey = basText::TrimSpaces(line.substr(0, eq));
            if (strict && lateKeyLine == 0 &&
                (lastBlock == kBlockTags[1] || lastBlock == kBlockTags[2])) {
                // Told once the whole file is read, so that a count after the singles keeps
                // its own message.
                lateKeyLine = reader.Number();
                lateKey = currentKey;
                lateBlock = lastBlock;
            }
            const std::string_view v = basText::TrimSpaces(line.substr(eq + 1));
            if (currentKey != "SingleCount") {
                ReadKey(currentKey, v, rec);
                continue;
            }
            const std::int32_t n = LongOf(v);
            if (n < 0) {
                throw XmlReadError(ErrorNumber::OutOfRange,
                                   "インデックスが有効範囲にありません。 (SingleCount " +
                                       std::to_string(n) + ")");
            }
            rec.SingleCount = n;
            m_host.Wait.WaitShow("DRDファイルの読込中", n);
            expected = n;
            counted = true;
        }
        if (expected > 0) {
            throw XmlReadError(ErrorNumber::PastEnd,
                               "ファイルにこれ以上データがありません。 (SingleCount " +
                                   std::to_string(expected) +
                                   " のシングルがありません: <SingleData> がありません)");
        }
        if (lateKeyLine > 0) {
            currentKey = lateKey;
            errorLine = lateKeyLine;
            throw XmlReadError(ErrorNumber::InvalidCall, "ファイルの形式が正しくありません。 (<" +
                                                             std::string(lateBlock) +
                                                             "> の後にキーがあります)");
        }
        // Readers stop at a NUL; in a data file of any version one before the singles is
        // damage (it may stand in the head, where it hides the version).
        if (layout == Layout::OldData && lngNulLine > 0 && !singlesRead) {
            throw XmlReadError(
                ErrorNumber::PastEnd,
                "ファイルにこれ以上データがありません。 (<SingleData> がありません)");
        }
        if (strict) {
            // A file cut short: what is missing would load as an empty set, or as the vote
            // status of the work open before.
            std::string missing;
            if (!counted) {
                missing = "SingleCount";
            } else if (lastBlock.empty()) {
                missing = "<SingleData>";
            } else if (lastBlock != kBlockTags[2]) {
                missing = "<投票状況>";
            }
            if (!missing.empty()) {
                throw XmlReadError(ErrorNumber::PastEnd,
                                   "ファイルにこれ以上データがありません。 (" + missing +
                                       " がありません)");
            }
        }
    } catch (const XmlReadError& e) {
        std::string what = e.what();
        if (lngNulLine > 0 && layout != Layout::Free && reader.AtEnd()) {
            what += " (" + std::to_string(lngNulLine) + "行目の NUL 文字で読込が止まりました)";
        }
        throw XmlReadError(e.Number(),
                           what + " (" + strFileName + " " +
                               std::to_string(errorLine > 0 ? errorLine : reader.Number()) +
                               "行目: " + currentKey + ")");
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
            m_err.ReportError("DataTypeCheck", clsFileStream::ReadFailure(strFileName, failure));
            return false;
        }
        const FileHead fileHead = ReadHead(head);
        const int lines = fileHead.Lines;
        if (fileHead.Version) {
            lngDataVersion = LongOf(*fileHead.Version);
        }
        if (lines < 8) {
            m_err.ReportError("DataTypeCheck",
                              ErrorRecord{"ファイルにこれ以上データがありません。 (" + strFileName +
                                              ": " + std::to_string(lines) + " 行しかありません)",
                                          ErrorNumber::PastEnd, std::string(kAppTitle)});
            return false;
        }
        return fileHead.Software == "Kelvra" &&
               fileHead.Type == (blnDataFlag ? "toto" : "toto Jouken");
    } catch (const XmlReadError& e) {
        m_err.ReportError("DataTypeCheck", e.Record());
    } catch (const std::exception& e) {
        m_err.ReportException("DataTypeCheck", e);
    }
    return false;
}
