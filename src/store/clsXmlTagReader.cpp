#include "store/clsXmlTagReader.h"

#include "base/basText.h"
#include "base/clsAtomicSave.h"
#include "base/clsFileStream.h"
#include "lottery/basAmountCheck.h"
#include "store/basXmlValue.h"

#include <cerrno>
#include <filesystem>

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
} // namespace

namespace {
// The next piece of the text from i: a tag, or a text run up to the next tag or line end,
// trimmed. Every "<" starts a piece and every ">" ends one, and so does every line end, so any
// layout of the same tags reads alike. line counts the line ends passed (CR LF as one); empty
// at the end of the text.
std::string_view NextPiece(std::string_view strText, std::size_t& i, std::int32_t& line)
{
    const std::size_t n = strText.size();
    while (i < n) {
        const char c = strText[i];
        if (c == '\n' || c == '\r') {
            if (c == '\n' || i + 1 == n || strText[i + 1] != '\n') {
                ++line;
            }
            ++i;
            continue;
        }
        std::size_t e = c == '<' ? i + 1 : i;
        while (e < n) {
            const char d = strText[e];
            if (d == '<' || d == '\r' || d == '\n') {
                break;
            }
            ++e;
            if (d == '>') {
                break;
            }
        }
        const std::string_view p = TrimPiece(strText.substr(i, e - i));
        i = e;
        if (!p.empty()) {
            return p;
        }
    }
    return {};
}

// An exception thrown while reading, with where it happened: the line, the open tags and the
// value being handled.
ErrorRecord ReadFault(const std::exception& e, const std::string& strWhere,
                      const clsXmlTagReader::Stack& stack, const std::string& strValue)
{
    ErrorRecord err = clsErrorReporter::FromException(e);
    if (const auto* x = dynamic_cast<const XmlReadError*>(&e)) {
        err.Number = x->Number();
        err.Description = x->what();
    }
    std::string path;
    for (const std::string& tag : stack) {
        path += tag;
    }
    err.Description += " (" + strWhere + " " + path;
    if (!strValue.empty()) {
        err.Description += " の値 \"" + strValue + "\"";
    }
    err.Description += ")";
    return err;
}
} // namespace

bool clsXmlTagReader::Read(std::string_view strText, const ValueHandler& handler,
                           const clsErrorReporter& reporter, std::string_view strSource,
                           std::int32_t lngFirstLine) const
{
    std::int32_t line = lngFirstLine;
    Stack stack;
    std::string value;
    const auto where = [&] {
        std::string w;
        if (!strSource.empty()) {
            w += strSource;
            w += ' ';
        }
        return w + std::to_string(line) + "行目";
    };
    const auto broken = [&](const std::string& strWhat) {
        reporter.Report("XmlLoad", "XMLデータが異常です。\r\n" + where() + ": " + strWhat);
        return false;
    };
    try {
        bool rootClosed = false;
        std::size_t i = 0;
        for (std::string_view p = NextPiece(strText, i, line); !p.empty();
             p = NextPiece(strText, i, line)) {
            if (rootClosed) {
                return broken("ルート要素 </" + stack.front().substr(1) +
                              " の後にデータがあります。");
            }
            if (p.starts_with("</")) {
                const std::string open = "<" + std::string(p.substr(2));
                if (stack.empty()) {
                    return broken(std::string(p) + " に対応する開始タグがありません。");
                }
                if (stack.back() != open) {
                    return broken(std::string(p) + " が開いている " + stack.back() +
                                  " と対応しません。");
                }
                if (stack.size() > 1) {
                    stack.pop_back();
                } else {
                    rootClosed = true; // the root stays on the stack
                }
            } else if (p.starts_with("<?")) {
                continue;
            } else if (p.front() == '<') {
                stack.emplace_back(p);
            } else {
                value = Unescape(p);
                if (stack.size() < 2) {
                    ThrowOutOfRange();
                }
                handler(stack, value);
                value.clear();
            }
        }
        if (stack.empty()) {
            return broken("要素がありません。");
        }
        if (!rootClosed) {
            return broken("ルート要素 " + stack.front() + " が閉じていません（" + stack.back() +
                          " の途中で終わっています）。");
        }
        return true;
    } catch (const std::exception& e) {
        reporter.ReportError("XmlLoad", ReadFault(e, where(), stack, value));
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
        } else if (c == '&' && (strText.substr(i + 1).starts_with("lt;") ||
                                strText.substr(i + 1).starts_with("gt;") ||
                                strText.substr(i + 1).starts_with("amp;"))) {
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
        if (rest.starts_with("&lt;")) {
            out += '<';
            i += 4;
        } else if (rest.starts_with("&gt;")) {
            out += '>';
            i += 4;
        } else if (rest.starts_with("&amp;")) {
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

bool clsXmlTagReader::LoadText(const std::string& strFileName, std::string& strUtf8,
                               std::string* strError)
{
    std::string bytes;
    if (!LoadBytes(strFileName, bytes, strError)) {
        return false;
    }
    strUtf8 = basText::FromSjis(basText::CutAtNul(bytes));
    return true;
}

bool clsXmlTagReader::LoadBytes(const std::string& strFileName, std::string& strBytes,
                                std::string* strError)
{
    const int e = clsFileStream::ReadWhole(strFileName, strBytes);
    if (e != 0 && strError != nullptr) {
        *strError = clsFileStream::ErrorText(e);
    }
    return e == 0;
}

bool clsXmlTagReader::SaveFile(const std::string& strFileName,
                               const std::function<std::string()>& makeText,
                               const clsErrorReporter& reporter)
{
    std::string reason;
    try {
        clsAtomicSave::Outcome outcome;
        if (clsAtomicSave::SaveBytes(strFileName, basText::ToSjis(makeText()), outcome)) {
            if (outcome.FolderSync != 0) {
                reporter.Report("XmlSave",
                                clsFileStream::FolderSyncWarning(strFileName, outcome.FolderSync));
            }
            return true;
        }
        if (clsFileStream::IsDiskFull(outcome.Code)) {
            reporter.ReportError("XmlSave",
                                 ErrorRecord{strFileName +
                                                 "\r\nファイルの保存に失敗しました。"
                                                 "ディスクの空き容量が不足しています。\r\n(" +
                                                 clsFileStream::ErrorText(outcome.Code) + ")",
                                             ErrorNumber::DiskFull, std::string(kAppTitle)});
            return false;
        }
        reason = clsFileStream::ErrorText(outcome.Code);
    } catch (const std::exception& e) {
        reason = clsErrorReporter::FromException(e).Description;
    }
    reporter.Report("XmlSave", strFileName + "\r\nファイルの保存に失敗しました。" +
                                   (reason.empty() ? "" : "\r\n(" + reason + ")"));
    return false;
}

bool clsXmlTagReader::LoadFile(const std::string& strFileName, std::string& strUtf8,
                               const clsErrorReporter& reporter)
{
    if (strFileName.empty()) {
        return false;
    }
    std::string bytes;
    const int e = clsFileStream::ReadWhole(strFileName, bytes);
    if (e == ENOENT || e == ENOTDIR) {
        return false;
    }
    if (e != 0) {
        reporter.ReportError("XmlLoad", ErrorRecord{"ファイルを読み込めません。 (" + strFileName +
                                                        ": " + clsFileStream::ErrorText(e) + ")",
                                                    e == clsFileStream::NotRegularFile
                                                        ? ErrorNumber::PathAccess
                                                        : ErrorNumber::DeviceIo,
                                                    std::string(kAppTitle)});
        return false;
    }
    const std::size_t nul = bytes.find('\0');
    if (nul != std::string::npos) {
        std::int32_t line = 1;
        for (std::size_t k = 0; k < nul; ++k) {
            line += bytes[k] == '\n' ? 1 : 0;
        }
        reporter.Report("XmlLoad", "XMLデータが異常です。\r\n" + strFileName + " " +
                                       std::to_string(line) + "行目: NUL 文字があります（" +
                                       std::to_string(nul + 1) + " バイト目）。");
        return false;
    }
    strUtf8 = basText::FromSjis(bytes);
    return true;
}

bool clsXmlTagReader::FileExists(const std::string& strFileName)
{
    std::error_code ec;
    return !strFileName.empty() && std::filesystem::is_regular_file(strFileName, ec);
}

void clsXmlTagReader::ThrowTypeMismatch()
{
    throw XmlReadError(ErrorNumber::TypeMismatch, "型が一致しません。");
}

void clsXmlTagReader::ThrowOutOfRange()
{
    throw XmlReadError(ErrorNumber::OutOfRange, "インデックスが有効範囲にありません。");
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
    if (!c->WithinReadLimit()) {
        throw XmlReadError(ErrorNumber::Overflow,
                           "オーバーフローしました。 (金額と口数は ±" +
                               Currency::FromInt(Currency::ReadLimit).FormatNumber(0, true) +
                               " まで)");
    }
    return *c;
}

Currency clsXmlTagReader::AmountOf(const std::string& strValue)
{
    const Currency c = MoneyOf(strValue);
    if (const auto why = basAmountCheck::Fault(c)) {
        throw XmlReadError(ErrorNumber::InvalidCall, "金額と口数は 0 以上の整数です。" + *why);
    }
    return c;
}

std::int32_t clsXmlTagReader::RangeOf(const std::string& strValue, std::int32_t lngMin,
                                      std::int32_t lngMax)
{
    const std::int32_t v = LongOf(strValue);
    if (v < lngMin || v > lngMax) {
        throw XmlReadError(ErrorNumber::Overflow, "オーバーフローしました。 (" +
                                                      std::to_string(lngMin) + "～" +
                                                      std::to_string(lngMax) + " の値)");
    }
    return v;
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
        throw XmlReadError(ErrorNumber::Overflow, "オーバーフローしました。");
    }
    return *b;
}
