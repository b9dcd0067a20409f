#include "files/clsTFileCSV.h"

#include "app/basText.h"
#include "lottery/clsTNumber.h"
#include "store/basXmlValue.h"
#include "store/clsXmlTagReader.h"

#include <filesystem>
#include <fstream>

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

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The number that starts at p: up to the first non-digit after p; 0 when that is no number or
// when the digits run to the end of the name.
std::int32_t NumberAt(const std::string& s, std::size_t p)
{
    if (p >= s.size()) {
        return 0;
    }
    std::size_t e = p + 1;
    while (e < s.size() && IsDigit(s[e])) {
        ++e;
    }
    if (e >= s.size()) {
        return 0;
    }
    const auto v = basXmlValue::ParseLong(s.substr(p, e - p));
    return v ? *v : 0;
}

// Calls onLine for every line of the stream (without its CR LF), reading it in pieces so a
// large file is never held twice; stops at the first NUL. Returns the number of lines.
template <class F> std::int32_t ForEachLine(std::istream& in, F&& onLine)
{
    std::vector<char> buf(1 << 20);
    std::string carry;
    std::int32_t count = 0;
    bool nul = false;
    const auto emit = [&](std::string_view line) {
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        ++count;
        onLine(line);
    };
    while (!nul && in) {
        in.read(buf.data(), static_cast<std::streamsize>(buf.size()));
        std::string_view chunk(buf.data(), static_cast<std::size_t>(in.gcount()));
        if (chunk.empty()) {
            break;
        }
        const std::size_t z = chunk.find('\0');
        if (z != std::string_view::npos) {
            chunk = chunk.substr(0, z);
            nul = true;
        }
        std::size_t pos = 0;
        for (;;) {
            const std::size_t eol = chunk.find('\n', pos);
            if (eol == std::string_view::npos) {
                carry.append(chunk.substr(pos));
                break;
            }
            if (carry.empty()) {
                emit(chunk.substr(pos, eol - pos));
            } else {
                carry.append(chunk.substr(pos, eol - pos));
                emit(carry);
                carry.clear();
            }
            pos = eol + 1;
        }
    }
    if (!carry.empty()) {
        emit(carry);
    }
    return count;
}

bool HasMarkPrefix(const std::string& name)
{
    const std::string prefix = std::string(clsTFileCSV::ProductMark) + "-";
    return name.size() >= prefix.size() &&
           basText::EqualsNoCase(name.substr(0, prefix.size()), prefix);
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
        for (int m = 0; m < 13; ++m) {
            *p++ = static_cast<char>('0' + v % 3);
            v /= 3;
            *p++ = m < 12 ? ',' : '\r';
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
        if (!clsXmlTagReader::SaveBytes(strFileName, text)) {
            m_err.ReportError("CsvSave_Sub", ErrorRecord{strFileName + " に書き込めません。", 75,
                                                         std::string(kAppTitle)});
            return false;
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
        std::ifstream in(strFileName, std::ios::binary);
        if (!in) {
            m_err.ReportError("CsvLoad_Sub",
                              ErrorRecord{"ファイルが見つかりません。 " + strFileName, 53,
                                          std::string(kAppTitle)});
            return false;
        }
        const std::int32_t lines = ForEachLine(in, [](std::string_view) {});
        std::vector<std::int32_t> out;
        if (lines == 0) {
            lngSCount = 0;
            lngSingle.clear();
            return true;
        }
        out.resize(static_cast<std::size_t>(lines));
        m_host.Wait.WaitShow("CSVファイルの読込中", lines);

        std::int32_t j = 0;
        std::int32_t lineNo = 0;
        std::int32_t lastUpdate = 0;
        in.clear();
        in.seekg(0);
        ForEachLine(in, [&](std::string_view line) {
            ++lineNo;
            // Only a line of exactly 13 fields is a ticket; headers and blank lines are skipped.
            std::size_t commas = 0;
            for (const char c : line) {
                commas += c == ',';
            }
            if (commas != 12) {
                return;
            }
            clsTNumber::ByteKousei k{};
            std::size_t fs = 0;
            for (int m = 0; m < 13; ++m) {
                std::size_t fe = line.find(',', fs);
                if (fe == std::string_view::npos) {
                    fe = line.size();
                }
                const std::string_view field = line.substr(fs, fe - fs);
                fs = fe + 1;
                std::uint8_t v;
                if (field.size() == 1 && IsDigit(field[0])) {
                    v = static_cast<std::uint8_t>(field[0] - '0');
                } else {
                    const auto n = basXmlValue::ParseLong(field);
                    if (!n) {
                        throw CsvError{13, "型が一致しません。"};
                    }
                    if (*n < 0 || *n > 255) {
                        throw CsvError{6, "オーバーフローしました。"};
                    }
                    v = static_cast<std::uint8_t>(*n);
                }
                if (v > 2) {
                    // Never let a digit outside the outcome codes make a ticket number beyond
                    // the numbering: the tables indexed by it would be read out of bounds.
                    throw CsvError{0, std::to_string(lineNo) + "行目の" + std::to_string(m + 1) +
                                          "試合目が 0, 1, 2 以外の値 (" + std::to_string(v) +
                                          ") です。"};
                }
                k[m] = v;
            }
            out[static_cast<std::size_t>(j++)] = clsTNumber::ByteToNo(k);
            if (lineNo - lastUpdate > 1000) {
                m_host.Wait.WaitValue(lineNo);
                m_host.Pump.DoEvents();
                lastUpdate = lineNo;
            }
        });
        m_host.Wait.WaitValue(lines);
        out.resize(static_cast<std::size_t>(j));
        lngSCount = j;
        lngSingle = std::move(out);
        return true;
    } catch (const CsvError& e) {
        if (e.Number == 0) {
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
