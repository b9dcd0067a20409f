#include "base/basText.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <iconv.h>

namespace basText {
namespace {
class Iconv
{
public:
    Iconv(const char* to, const char* from)
        : m_cd(iconv_open(to, from))
    {}
    ~Iconv()
    {
        if (m_cd != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(m_cd);
        }
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool Ok() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    // Converts one step; returns false on an invalid or cut sequence at *in.
    bool Convert(const char*& in, std::size_t& inLeft, std::string& out)
    {
        std::array<char, 4096> buf{};
        while (inLeft > 0) {
            char* outPtr = buf.data();
            std::size_t outLeft = buf.size();
            char* inPtr = const_cast<char*>(in); // iconv's C signature only
            const std::size_t rc = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buf.data(), buf.size() - outLeft);
            in = inPtr;
            if (rc == static_cast<std::size_t>(-1)) {
                if (errno == E2BIG) {
                    continue;
                }
                iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
                return false;
            }
        }
        return true;
    }

private:
    iconv_t m_cd;
};

// Length of the UTF-8 sequence that starts with byte c (1 for a stray byte).
std::size_t Utf8Len(unsigned char c)
{
    if (c < 0x80) {
        return 1;
    }
    if ((c & 0xE0) == 0xC0) {
        return 2;
    }
    if ((c & 0xF0) == 0xE0) {
        return 3;
    }
    if ((c & 0xF8) == 0xF0) {
        return 4;
    }
    return 1;
}

// Converts s whole with iconv. A sequence iconv refuses fails the conversion, or with replace
// becomes strReplacement; skip tells how many bytes the refused sequence takes.
template <class Skip>
bool Convert(std::string_view s, std::string& out, bool replace, const char* strTo,
             const char* strFrom, std::string_view strReplacement, Skip skip)
{
    out.clear();
    Iconv cv(strTo, strFrom);
    if (!cv.Ok()) {
        return false;
    }
    bool ok = true;
    const char* in = s.data();
    std::size_t left = s.size();
    while (left > 0) {
        if (cv.Convert(in, left, out)) {
            break;
        }
        ok = false;
        if (!replace) {
            return false;
        }
        const std::size_t n = skip(in, left);
        out += strReplacement;
        in += n;
        left -= n;
    }
    return ok;
}

bool ConvertToSjis(std::string_view s, std::string& out, bool replace)
{
    return Convert(s, out, replace, "CP932", "UTF-8", "?", [](const char* in, std::size_t left) {
        return std::min(left, Utf8Len(static_cast<unsigned char>(*in)));
    });
}

bool ConvertFromSjis(std::string_view s, std::string& out, bool replace)
{
    return Convert(s, out, replace, "UTF-8", "CP932", "\xEF\xBF\xBD",
                   [](const char* in, std::size_t left) -> std::size_t {
                       const auto c = static_cast<unsigned char>(*in);
                       // A lead byte takes its trail with it unless the trail is plain ASCII.
                       if (((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) && left >= 2 &&
                           static_cast<unsigned char>(in[1]) >= 0x40) {
                           return 2;
                       }
                       return 1;
                   });
}
} // namespace

std::string ToSjis(std::string_view strUtf8)
{
    std::string out;
    ConvertToSjis(strUtf8, out, true);
    return out;
}

bool TryToSjis(std::string_view strUtf8, std::string& strOut)
{
    return ConvertToSjis(strUtf8, strOut, false);
}

std::string FromSjis(std::string_view strBytes)
{
    std::string out;
    ConvertFromSjis(strBytes, out, true);
    return out;
}

bool TryFromSjis(std::string_view strBytes, std::string& strOut)
{
    return ConvertFromSjis(strBytes, strOut, false);
}

bool IsValidUtf8(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t n = Utf8Len(c);
        if (n == 1 && c >= 0x80) {
            return false;
        }
        if (i + n > s.size()) {
            return false;
        }
        for (std::size_t k = 1; k < n; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += n;
    }
    return true;
}

namespace {
// Strict UTF-8: no overlong forms, surrogates or code points past U+10FFFF, so that fewer
// CP932 byte pairs pass by chance.
bool IsStrictUtf8(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t n = 0;
        unsigned char lo = 0x80;
        unsigned char hi = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            n = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            n = 3;
            lo = c == 0xE0 ? 0xA0 : 0x80;
            hi = c == 0xED ? 0x9F : 0xBF;
        } else if (c >= 0xF0 && c <= 0xF4) {
            n = 4;
            lo = c == 0xF0 ? 0x90 : 0x80;
            hi = c == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + n > s.size()) {
            return false;
        }
        for (std::size_t k = 1; k < n; ++k) {
            const auto t = static_cast<unsigned char>(s[i + k]);
            if (t < (k == 1 ? lo : 0x80) || t > (k == 1 ? hi : 0xBF)) {
                return false;
            }
        }
        i += n;
    }
    return true;
}

std::int32_t LineAt(std::string_view s, std::size_t lngOffset)
{
    return 1 + static_cast<std::int32_t>(std::count(s.begin(), s.begin() + lngOffset, '\n'));
}
} // namespace

TextEncoding DetectEncoding(std::string_view strBytes, std::int32_t& lngLine, std::string* strUtf8)
{
    lngLine = 0;
    if (strBytes.starts_with("\xEF\xBB\xBF")) {
        lngLine = 1;
        return TextEncoding::Utf8Bom;
    }
    const auto wide = std::find_if(strBytes.begin(), strBytes.end(),
                                   [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (wide == strBytes.end()) {
        if (strUtf8 != nullptr) {
            strUtf8->assign(strBytes);
        }
        return TextEncoding::Ascii;
    }
    if (IsStrictUtf8(strBytes)) {
        lngLine = LineAt(strBytes, static_cast<std::size_t>(wide - strBytes.begin()));
        return TextEncoding::Utf8;
    }
    std::string text;
    if (ConvertFromSjis(strBytes, text, true)) {
        if (strUtf8 != nullptr) {
            *strUtf8 = std::move(text);
        }
        return TextEncoding::Cp932;
    }
    // Line ends survive the decoding (no CP932 trail byte is a line end), so the line of the
    // first replacement character is the line of the first bad byte.
    lngLine = LineAt(text, text.find("\xEF\xBF\xBD"));
    return TextEncoding::NotCp932;
}

std::vector<std::string> Chars(std::string_view s)
{
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t n = std::min(s.size() - i, Utf8Len(static_cast<unsigned char>(s[i])));
        out.emplace_back(s.substr(i, n));
        i += n;
    }
    return out;
}

std::int32_t Len(std::string_view s)
{
    std::int32_t n = 0;
    for (const char c : s) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++n;
        }
    }
    return n;
}

std::string Mid(std::string_view s, std::int32_t lngStart, std::int32_t lngLength)
{
    const auto chars = Chars(s);
    std::string out;
    if (lngStart < 1) {
        lngStart = 1;
    }
    for (std::size_t i = static_cast<std::size_t>(lngStart - 1); i < chars.size(); ++i) {
        if (lngLength >= 0 && static_cast<std::int32_t>(i) >= lngStart - 1 + lngLength) {
            break;
        }
        out += chars[i];
    }
    return out;
}

std::int32_t LenB(std::string_view strUtf8)
{
    return static_cast<std::int32_t>(ToSjis(strUtf8).size());
}

std::string LeftB(std::string_view strUtf8, std::int32_t lngBytes)
{
    std::string out;
    std::int32_t used = 0;
    for (const auto& ch : Chars(strUtf8)) {
        const std::int32_t w = static_cast<std::int32_t>(ToSjis(ch).size());
        if (used + w > lngBytes) {
            break;
        }
        used += w;
        out += ch;
    }
    return out;
}

std::string_view CutAtNul(std::string_view strText)
{
    const std::size_t p = strText.find('\0');
    return p == std::string_view::npos ? strText : strText.substr(0, p);
}

std::vector<std::string> SplitLines(std::string_view s)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < s.size()) {
        if (s[i] == '\r' || s[i] == '\n') {
            out.emplace_back(s.substr(start, i - start));
            if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') {
                ++i;
            }
            ++i;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < s.size()) {
        out.emplace_back(s.substr(start));
    }
    return out;
}

std::string Trim(std::string_view s)
{
    static constexpr std::string_view kIdeo = "\xE3\x80\x80";
    bool changed = true;
    while (changed && !s.empty()) {
        changed = false;
        if (s.front() == ' ' || s.front() == '\t') {
            s.remove_prefix(1);
            changed = true;
        } else if (s.substr(0, 3) == kIdeo) {
            s.remove_prefix(3);
            changed = true;
        }
        if (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
            s.remove_suffix(1);
            changed = true;
        } else if (s.size() >= 3 && s.substr(s.size() - 3) == kIdeo) {
            s.remove_suffix(3);
            changed = true;
        }
    }
    return std::string(s);
}

std::string_view TrimBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

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

std::string Replace(std::string_view s, std::string_view f, std::string_view w)
{
    if (f.empty()) {
        return std::string(s);
    }
    std::string out;
    std::size_t pos = 0;
    while (true) {
        const std::size_t hit = s.find(f, pos);
        if (hit == std::string_view::npos) {
            out.append(s.substr(pos));
            break;
        }
        out.append(s.substr(pos, hit - pos));
        out.append(w);
        pos = hit + f.size();
    }
    return out;
}

std::string UCase(std::string_view s)
{
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

std::string LCase(std::string_view s)
{
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    return UCase(a) == UCase(b);
}

std::string TabSeparated(const std::vector<std::vector<std::string>>& rows)
{
    std::string out;
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) {
                out += '\t';
            }
            for (const char ch : row[c]) {
                out += (ch == '\t' || ch == '\r' || ch == '\n') ? ' ' : ch;
            }
        }
        out += '\n';
    }
    return out;
}

// StrConvWide / StrConvNarrow live in basTextWidth.cpp.
} // namespace basText
