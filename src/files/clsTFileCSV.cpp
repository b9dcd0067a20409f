#include "files/clsTFileCSV.h"

#include "base/basText.h"
#include "base/clsAtomicSave.h"
#include "base/clsFileStream.h"
#include "files/basCsvRecord.h"
#include "lottery/clsTNumber.h"
#include "lottery/clsToto.h"
#include "store/basXmlValue.h"

#include <algorithm>
#include <filesystem>

namespace {
// A failed line of a CSV file: either a runtime error (number + text) or a plain message.
struct CsvError
{
    std::int32_t Number;
    std::string Text;
};

std::string NameOnly(const std::string& strPath)
{
    return std::filesystem::path(strPath).filename().string();
}

// The number that starts at p: up to the first non-digit after p; 0 when that is no number or
// when the digits run to the end of the name.
std::int32_t NumberAt(const std::string& s, std::size_t p)
{
    if (p >= s.size()) {
        return 0;
    }
    std::size_t e = p + 1;
    while (e < s.size() && basText::IsDigit(s[e])) {
        ++e;
    }
    if (e >= s.size()) {
        return 0;
    }
    const auto v = basXmlValue::ParseLong(s.substr(p, e - p));
    return v ? *v : 0;
}

// Cuts a file read in pieces into lines ended by CR LF, LF or a lone CR (files from older
// Macintosh tools), so a large file is never held twice; nothing after the first NUL counts.
class LineSplitter
{
public:
    // False once a NUL has ended the text.
    template <class F> bool Feed(std::string_view chunk, F& onLine)
    {
        if (m_nul) {
            return false;
        }
        const std::size_t z = chunk.find('\0');
        if (z != std::string_view::npos) {
            chunk = chunk.substr(0, z);
            m_nul = true;
        }
        std::size_t pos = 0;
        if (m_afterCr && !chunk.empty() && chunk.front() == '\n') {
            pos = 1; // the LF of a CR LF split between two pieces
        }
        m_afterCr = false;
        for (;;) {
            const std::size_t eol = chunk.find_first_of("\r\n", pos);
            if (eol == std::string_view::npos) {
                m_carry.append(chunk.substr(pos));
                break;
            }
            if (m_carry.empty()) {
                Emit(chunk.substr(pos, eol - pos), onLine);
            } else {
                m_carry.append(chunk.substr(pos, eol - pos));
                Emit(m_carry, onLine);
                m_carry.clear();
            }
            pos = eol + 1;
            if (chunk[eol] == '\r') {
                if (pos < chunk.size()) {
                    pos += chunk[pos] == '\n' ? 1 : 0;
                } else {
                    m_afterCr = true;
                }
            }
        }
        return !m_nul;
    }
    // The last line, when it has no line end.
    template <class F> void Finish(F& onLine)
    {
        if (!m_carry.empty()) {
            Emit(m_carry, onLine);
            m_carry.clear();
        }
    }
    std::int32_t Count() const { return m_count; }

private:
    template <class F> void Emit(std::string_view line, F& onLine)
    {
        ++m_count;
        onLine(line);
    }

    std::string m_carry;
    std::int32_t m_count = 0;
    bool m_afterCr = false;
    bool m_nul = false;
};

// Every line of the file through onLine; 0 or the read failure's code.
template <class F> int ForEachLine(const std::string& strFileName, F&& onLine)
{
    LineSplitter split;
    const int e = clsFileStream::ReadChunks(
        strFileName, [&](std::string_view chunk) { return split.Feed(chunk, onLine); });
    if (e == 0) {
        split.Finish(onLine);
    }
    return e;
}

std::size_t CountFields(std::string_view line)
{
    return static_cast<std::size_t>(std::count(line.begin(), line.end(), ',')) + 1;
}

bool HasMarkPrefix(const std::string& name)
{
    const std::string prefix = std::string(clsTFileCSV::ProductMark) + "-";
    return name.size() >= prefix.size() &&
           basText::EqualsNoCase(name.substr(0, prefix.size()), prefix);
}

// The outcome code of match m (0-based) of a ticket line in any form a number may take;
// lineNo and strFileName name the place in a refusal.
std::uint8_t ParseCode(std::string_view field, int m, std::int32_t lineNo,
                       const std::string& strFileName)
{
    std::uint8_t v;
    if (field.size() == 1 && basText::IsDigit(field[0])) {
        v = static_cast<std::uint8_t>(field[0] - '0');
    } else {
        const auto n = basXmlValue::ParseLong(field);
        if (!n) {
            throw CsvError{ErrorNumber::TypeMismatch, "型が一致しません。 (" + strFileName + " " +
                                                          std::to_string(lineNo) + "行目の" +
                                                          std::to_string(m + 1) + "試合目)"};
        }
        if (*n < 0 || *n > 255) {
            throw CsvError{ErrorNumber::Overflow, "オーバーフローしました。 (" + strFileName + " " +
                                                      std::to_string(lineNo) + "行目の" +
                                                      std::to_string(m + 1) + "試合目)"};
        }
        v = static_cast<std::uint8_t>(*n);
    }
    if (v > 2) {
        // Never let a digit outside the outcome codes make a ticket number beyond the
        // numbering: the tables indexed by it would be read out of bounds.
        throw CsvError{ErrorNumber::None,
                       std::to_string(lineNo) + "行目の" + std::to_string(m + 1) +
                           "試合目が 0, 1, 2 以外の値 (" + std::to_string(v) + ") です。"};
    }
    return v;
}

// The ticket number of a line of exactly 13 fields.
std::int32_t ParseTicket(std::string_view line, std::int32_t lineNo, const std::string& strFileName)
{
    clsTNumber::ByteKousei k{};
    std::size_t fs = 0;
    for (int m = 0; m < clsToto::kMatchCount; ++m) {
        std::size_t fe = line.find(',', fs);
        if (fe == std::string_view::npos) {
            fe = line.size();
        }
        const std::string_view field = line.substr(fs, fe - fs);
        // The usual field, one code digit, without the call.
        k[m] = field.size() == 1 && field[0] >= '0' && field[0] <= '2'
                   ? static_cast<std::uint8_t>(field[0] - '0')
                   : ParseCode(field, m, lineNo, strFileName);
        fs = fe + 1;
    }
    return clsTNumber::ByteToNo(k);
}

// The ticket number of a record of exactly 13 fields taken out of quotes.
std::int32_t ParseTicket(const std::vector<std::string>& fields, std::int32_t lineNo,
                         const std::string& strFileName)
{
    clsTNumber::ByteKousei k{};
    for (int m = 0; m < clsToto::kMatchCount; ++m) {
        k[m] = ParseCode(fields[static_cast<std::size_t>(m)], m, lineNo, strFileName);
    }
    return clsTNumber::ByteToNo(k);
}

// Why a file of lines without a ticket line is refused, with the first other line's width.
std::string NoTicketText(std::int32_t lines, std::int32_t firstOther, std::size_t firstOtherFields)
{
    std::string why = "チケットの行（各試合の 1, 0, 2 を 13 項目カンマで区切った行）が 1 行も"
                      "ありません（" +
                      std::to_string(lines) + " 行";
    if (firstOther > 0) {
        why += "。" + std::to_string(firstOther) + "行目の項目数は " +
               std::to_string(firstOtherFields);
    }
    return why + "）。";
}
} // namespace

clsTFileCSV::clsTFileCSV(const clsHost& host)
    : m_host(host)
    , m_err(host.Message, "clsTFileCSV")
{}

std::string clsTFileCSV::ToCsvText(std::span<const std::int32_t> lngSingle)
{
    std::string out;
    out.resize(lngSingle.size() * 27);
    char* p = out.data();
    for (const std::int32_t no : lngSingle) {
        std::int32_t v = no;
        for (int m = 0; m < clsToto::kMatchCount; ++m) {
            *p++ = static_cast<char>('0' + v % 3);
            v /= 3;
            *p++ = m + 1 < clsToto::kMatchCount ? ',' : '\r';
        }
        *p++ = '\n';
    }
    return out;
}

bool clsTFileCSV::CsvSave(const std::string& strFileName, std::int32_t lngSCount,
                          std::span<const std::int32_t> lngSingle)
{
    BusyScope busy(m_host.Busy);
    try {
        if (lngSCount < 0 || static_cast<std::size_t>(lngSCount) > lngSingle.size()) {
            throw std::out_of_range("");
        }
        for (std::int32_t i = 0; i < lngSCount; ++i) {
            if (!clsTNumber::IsValidNo(lngSingle[i])) {
                throw std::out_of_range(std::to_string(lngSingle[i]));
            }
        }
        WaitScope wait(m_host.Wait, "CSVファイルに保存中", lngSCount - 1);
        // Digits only, so the text is the same in CP932; building it whole keeps the write one
        // piece and lets the file be replaced only once everything is there.
        std::string text;
        text.reserve(static_cast<std::size_t>(lngSCount) * 27);
        std::int32_t last = 0;
        for (std::int32_t i = 0; i < lngSCount; i += 1000) {
            const std::int32_t end = std::min(lngSCount, i + 1000);
            text += ToCsvText(lngSingle.subspan(i, end - i));
            if (end - last > 1000 || end == lngSCount) {
                wait.Value(end - 1);
                m_host.Pump.DoEvents();
                last = end;
            }
        }
        clsAtomicSave::Outcome outcome;
        if (!clsAtomicSave::SaveBytes(strFileName, text, outcome)) {
            m_err.ReportError("CsvSave_Sub", clsAtomicSave::WriteError(strFileName, outcome));
            return false;
        }
        if (outcome.FolderSync != 0) {
            m_err.Report("CsvSave_Sub",
                         clsFileStream::FolderSyncWarning(strFileName, outcome.FolderSync));
        }
        wait.Value(lngSCount - 1);
        return true;
    } catch (const std::exception& e) {
        m_err.ReportException("CsvSave_Sub", e);
    }
    return false;
}

bool clsTFileCSV::CsvLoad(const std::string& strFileName, std::int32_t& lngSCount,
                          std::vector<std::int32_t>& lngSingle)
{
    BusyScope busy(m_host.Busy);
    try {
        WaitScope wait(m_host.Wait, "CSVデータ数の取得中", 1);
        std::int32_t lines = 0;
        const auto count = [&](std::string_view) { ++lines; };
        if (const int e = ForEachLine(strFileName, count)) {
            m_err.ReportError("CsvLoad_Sub", clsFileStream::ReadFailure(strFileName, e));
            return false;
        }
        // A file without a single ticket is refused rather than read as an empty set: taken
        // as one, it would replace the user's whole set with nothing.
        if (lines == 0) {
            throw CsvError{ErrorNumber::None, "ファイルが空です。"};
        }
        std::vector<std::int32_t> out(static_cast<std::size_t>(lines));
        m_host.Wait.WaitShow("CSVファイルの読込中", lines);

        std::int32_t j = 0;
        std::int32_t lineNo = 0;
        std::int32_t lastUpdate = 0;
        std::int32_t firstOther = 0;
        std::size_t firstOtherFields = 0;
        // A record that begins on line recordLine; only one of exactly 13 fields is a ticket,
        // headers and blank lines are skipped.
        const auto take = [&](std::string_view record, std::int32_t recordLine) {
            std::size_t fields = 0;
            std::vector<std::string> unquoted;
            if (record.find('"') == std::string_view::npos) {
                fields = CountFields(record);
            } else {
                unquoted = basCsvRecord::SplitFields(record);
                fields = unquoted.size();
            }
            if (fields != clsToto::kMatchCount) {
                if (firstOther == 0 && !record.empty()) {
                    firstOther = recordLine;
                    firstOtherFields = fields;
                }
                return;
            }
            out[static_cast<std::size_t>(j++)] =
                unquoted.empty() ? ParseTicket(record, recordLine, strFileName)
                                 : ParseTicket(unquoted, recordLine, strFileName);
        };
        // A record whose quoted field runs on past a line end, and the line it began on.
        std::string pending;
        std::int32_t pendingLine = 0;
        const auto parse = [&](std::string_view line) {
            ++lineNo;
            if (lineNo > lines) {
                throw CsvError{ErrorNumber::None, "読み込み中にファイルが変わりました。"};
            }
            // Tools that write UTF-8 often begin with a byte-order mark; the digits are the
            // same in every code page the file may be in.
            if (lineNo == 1) {
                line = basCsvRecord::WithoutBom(line);
            }
            if (pendingLine != 0) {
                pending += '\n';
                pending.append(line);
                if (!basCsvRecord::IsOpen(line, true)) {
                    take(pending, pendingLine);
                    pending.clear();
                    pendingLine = 0;
                }
            } else if (line.find('"') != std::string_view::npos && basCsvRecord::IsOpen(line)) {
                pending.assign(line);
                pendingLine = lineNo;
            } else {
                take(line, lineNo);
            }
            if (lineNo - lastUpdate > 1000) {
                m_host.Wait.WaitValue(lineNo);
                m_host.Pump.DoEvents();
                lastUpdate = lineNo;
            }
        };
        if (const int e = ForEachLine(strFileName, parse)) {
            m_err.ReportError("CsvLoad_Sub",
                              ErrorRecord{"ファイルを読み込めません。 (" + strFileName + ": " +
                                              clsFileStream::ErrorText(e) + ")",
                                          ErrorNumber::DeviceIo, std::string(kAppTitle)});
            return false;
        }
        if (pendingLine != 0) {
            throw CsvError{ErrorNumber::None, std::to_string(pendingLine) +
                                                  "行目の引用符 (\") が閉じられていません。"};
        }
        if (j == 0) {
            throw CsvError{ErrorNumber::None, NoTicketText(lines, firstOther, firstOtherFields)};
        }
        m_host.Wait.WaitValue(lines);
        out.resize(static_cast<std::size_t>(j));
        lngSCount = j;
        lngSingle = std::move(out);
        return true;
    } catch (const CsvError& e) {
        if (e.Number == ErrorNumber::None) {
            m_err.Report("CsvLoad_Sub",
                         strFileName + "\r\n" + e.Text + "\r\nCSVファイルを読み込めませんでした。");
        } else {
            m_err.ReportError("CsvLoad_Sub", ErrorRecord{e.Text, e.Number, std::string(kAppTitle)});
        }
    } catch (const std::exception& e) {
        m_err.ReportException("CsvLoad_Sub", e);
    }
    return false;
}

bool clsTFileCSV::CsvAdd(const std::string& strFileName, std::int32_t& lngSCount,
                         std::vector<std::int32_t>& lngSingle)
{
    BusyScope busy(m_host.Busy);
    std::int32_t m = 0;
    std::vector<std::int32_t> loaded;
    if (!CsvLoad(strFileName, m, loaded)) {
        return false;
    }
    if (m > 0) {
        lngSingle.resize(static_cast<std::size_t>(lngSCount));
        lngSingle.insert(lngSingle.end(), loaded.begin(), loaded.begin() + m);
        lngSCount += m;
    }
    return true;
}

bool clsTFileCSV::CsvDel(const std::string& strFileName, std::int32_t& lngSCount,
                         std::vector<std::int32_t>& lngSingle)
{
    BusyScope busy(m_host.Busy);
    if (lngSCount <= 0) {
        lngSCount = 0;
        lngSingle.clear();
        return true;
    }
    std::int32_t m = 0;
    std::vector<std::int32_t> loaded;
    if (!CsvLoad(strFileName, m, loaded)) {
        return false;
    }
    std::vector<bool> marked(clsTNumber::SingleCount, false);
    for (std::int32_t i = 0; i < m; ++i) {
        marked[static_cast<std::size_t>(loaded[i])] = true;
    }
    std::vector<std::int32_t> kept;
    kept.reserve(static_cast<std::size_t>(lngSCount));
    for (std::int32_t i = 0; i < lngSCount; ++i) {
        const std::int32_t no = lngSingle[static_cast<std::size_t>(i)];
        if (!clsTNumber::IsValidNo(no) || !marked[static_cast<std::size_t>(no)]) {
            kept.push_back(no);
        }
    }
    lngSCount = static_cast<std::int32_t>(kept.size());
    lngSingle = std::move(kept);
    return true;
}

std::string clsTFileCSV::GetCsvFileName(std::int32_t lngValue, const std::string& Kumi)
{
    return std::string(ProductMark) + "-" + basXmlValue::FormatRound(lngValue) + Kumi + ".csv";
}

std::string clsTFileCSV::GetDrdFileName(std::int32_t lngValue, const std::string& Kumi)
{
    return std::string(ProductMark) + "-" + basXmlValue::FormatRound(lngValue) + Kumi + ".drd";
}

std::int32_t clsTFileCSV::GetKaisaikai(const std::string& strFileName)
{
    const std::string name = NameOnly(strFileName);
    std::int32_t v = 0;
    if (HasMarkPrefix(name)) {
        v = NumberAt(name, ProductMark.size() + 1);
    }
    if (v == 0) {
        const bool markLetter =
            !name.empty() && (name[0] == ProductMark[0] || name[0] == ProductMark[0] - 'A' + 'a');
        v = NumberAt(name, markLetter ? 1 : 0);
    }
    return v;
}

std::string clsTFileCSV::GetKumi(const std::string& strFileName)
{
    const std::string name = NameOnly(strFileName);
    if (!HasMarkPrefix(name)) {
        return "";
    }
    const std::size_t p = ProductMark.size() + 1 + 3;
    if (p >= name.size()) {
        return "";
    }
    const char c =
        static_cast<char>(name[p] >= 'a' && name[p] <= 'z' ? name[p] - 'a' + 'A' : name[p]);
    return c == 'A' || c == 'B' ? std::string(1, c) : "";
}
