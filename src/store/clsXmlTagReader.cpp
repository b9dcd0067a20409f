#include "store/clsXmlTagReader.h"

#include "app/basText.h"
#include "store/basXmlValue.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {
std::string_view TrimPiece(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && blank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

bool StartsWith(std::string_view s, std::string_view p)
{
    return s.substr(0, p.size()) == p;
}
} // namespace

bool clsXmlTagReader::Read(std::string_view strText, const ValueHandler& handler,
                           const clsErrorReporter& reporter) const
{
    try {
        Stack stack;
        std::string value;
        // Every "<" starts a line and every ">" ends one, so any layout of the same tags reads
        // alike; then each line is one piece.
        std::string text;
        text.reserve(strText.size() + strText.size() / 4);
        for (const char c : strText) {
            if (c == '<') {
                text += "\n<";
            } else if (c == '>') {
                text += ">\n";
            } else {
                text += c;
            }
        }
        std::size_t ls = 0;
        while (ls < text.size()) {
            std::size_t le = text.find_first_of("\r\n", ls);
            if (le == std::string::npos) {
                le = text.size();
            }
            const std::string_view p = TrimPiece(std::string_view(text).substr(ls, le - ls));
            ls = le + 1;
            if (p.empty()) {
                continue;
            }
            if (StartsWith(p, "</")) {
                const std::string open = "<" + std::string(p.substr(2));
                if (stack.empty() || stack.back() != open) {
                    reporter.Report("XmlLoad", "XMLデータが異常です。");
                    return false;
                }
                if (stack.size() > 1) {
                    stack.pop_back(); // the root is never popped
                }
            } else if (StartsWith(p, "<?")) {
                continue;
            } else if (p.front() == '<') {
                stack.emplace_back(p);
            } else {
                if (stack.size() < 2) {
                    ThrowOutOfRange();
                }
                value = Unescape(p);
                handler(stack, value);
            }
        }
        return true;
    } catch (const XmlReadError& e) {
        reporter.ReportError("XmlLoad", ErrorRecord{e.what(), e.Number(), std::string(kAppTitle)});
    } catch (const std::exception& e) {
        reporter.ReportException("XmlLoad", e);
    }
    return false;
}

std::string clsXmlTagReader::Key(const Stack& stack, std::string_view strRecordTag)
{
    if (stack.size() < 2 || stack[0] != "<toto>" || stack[1] != strRecordTag) {
        return {};
    }
    std::string key;
    for (std::size_t i = 2; i < stack.size(); ++i) {
        key += stack[i];
    }
    return key;
}

std::string clsXmlTagReader::Escape(std::string_view strText)
{
    if (strText.find_first_of("<>&") == std::string_view::npos) {
        return std::string(strText);
    }
    std::string out;
    for (std::size_t i = 0; i < strText.size(); ++i) {
        const char c = strText[i];
        if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else if (c == '&' && (StartsWith(strText.substr(i + 1), "lt;") ||
                                StartsWith(strText.substr(i + 1), "gt;") ||
                                StartsWith(strText.substr(i + 1), "amp;"))) {
            out += "&amp;";
        } else {
            out += c;
        }
    }
    return out;
}

std::string clsXmlTagReader::Unescape(std::string_view strText)
{
    if (strText.find('&') == std::string_view::npos) {
        return std::string(strText);
    }
    std::string out;
    for (std::size_t i = 0; i < strText.size();) {
        const std::string_view rest = strText.substr(i);
        if (StartsWith(rest, "&lt;")) {
            out += '<';
            i += 4;
        } else if (StartsWith(rest, "&gt;")) {
            out += '>';
            i += 4;
        } else if (StartsWith(rest, "&amp;")) {
            out += '&';
            i += 5;
        } else {
            out += strText[i++];
        }
    }
    return out;
}

std::string clsXmlTagReader::Element(std::string_view strTag, std::string_view strValue)
{
    std::string s;
    s.reserve(strTag.size() * 2 + strValue.size() + 7);
    s += '<';
    s += strTag;
    s += '>';
    s += Escape(strValue);
    s += "</";
    s += strTag;
    s += ">\r\n";
    return s;
}

bool clsXmlTagReader::SaveText(const std::string& strFileName, std::string_view strUtf8)
{
    return SaveBytes(strFileName, basText::ToSjis(strUtf8));
}

bool clsXmlTagReader::SaveBytes(const std::string& strFileName, std::string_view bytes)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path target(strFileName);
    if (target.has_parent_path()) {
        fs::create_directories(target.parent_path(), ec);
        if (!fs::is_directory(target.parent_path(), ec)) {
            return false;
        }
    }
    fs::path temp = target;
    temp += ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            return false;
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temp, ec);
            return false;
        }
    }
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

bool clsXmlTagReader::LoadText(const std::string& strFileName, std::string& strUtf8)
{
    std::string bytes;
    if (!LoadBytes(strFileName, bytes)) {
        return false;
    }
    strUtf8 = basText::FromSjis(basText::CutAtNul(bytes));
    return true;
}

bool clsXmlTagReader::LoadBytes(const std::string& strFileName, std::string& strBytes)
{
    std::ifstream in(strFileName, std::ios::binary | std::ios::ate);
    if (!in) {
        return false;
    }
    const std::streamoff size = in.tellg();
    if (size < 0) {
        return false;
    }
    strBytes.resize(static_cast<std::size_t>(size));
    in.seekg(0);
    in.read(strBytes.data(), size);
    return static_cast<bool>(in) || in.gcount() == size;
}

bool clsXmlTagReader::SaveFile(const std::string& strFileName,
                               const std::function<std::string()>& makeText,
                               const clsErrorReporter& reporter)
{
    try {
        if (SaveText(strFileName, makeText())) {
            return true;
        }
    } catch (const std::exception&) {
        // reported below like any other write failure
    }
    reporter.Report("XmlSave", strFileName + "\r\nファイルの保存に失敗しました。");
    return false;
}

bool clsXmlTagReader::LoadFile(const std::string& strFileName, std::string& strUtf8)
{
    return FileExists(strFileName) && LoadText(strFileName, strUtf8);
}

bool clsXmlTagReader::FileExists(const std::string& strFileName)
{
    std::error_code ec;
    return !strFileName.empty() && std::filesystem::is_regular_file(strFileName, ec);
}

void clsXmlTagReader::ThrowTypeMismatch()
{
    throw XmlReadError(13, "型が一致しません。");
}

void clsXmlTagReader::ThrowOutOfRange()
{
    throw XmlReadError(9, "インデックスが有効範囲にありません。");
}

std::string clsXmlTagReader::StoreFileName(const std::string& strProgramDir,
                                           std::string_view strFolder, std::string_view strPrefix,
                                           std::int32_t lngKaisaikai, const std::string& strKumi)
{
    std::string name(strPrefix);
    name += basXmlValue::FormatRound(lngKaisaikai);
    if (!strKumi.empty()) {
        name += "_" + strKumi;
    }
    name += ".xml";
    return (std::filesystem::path(strProgramDir) / "SysData" / strFolder / name).string();
}

DateTime clsXmlTagReader::DateOf(const std::string& strValue)
{
    const auto d = basXmlValue::ParseDateTime(strValue);
    if (!d) {
        ThrowTypeMismatch();
    }
    return *d;
}

Currency clsXmlTagReader::MoneyOf(const std::string& strValue)
{
    const auto c = basXmlValue::ParseCurrency(strValue);
    if (!c) {
        ThrowTypeMismatch();
    }
    return *c;
}

std::int32_t clsXmlTagReader::LongOf(const std::string& strValue)
{
    const auto n = basXmlValue::ParseLong(strValue);
    if (!n) {
        ThrowTypeMismatch();
    }
    return *n;
}

std::uint8_t clsXmlTagReader::ByteOf(const std::string& strValue)
{
    if (!basXmlValue::ParseLong(strValue)) {
        ThrowTypeMismatch();
    }
    const auto b = basXmlValue::ParseByte(strValue);
    if (!b) {
        throw XmlReadError(6, "オーバーフローしました。");
    }
    return *b;
}
