// Full-width <-> half-width conversion as the Japanese Windows wide/narrow conversion does it.
// That conversion runs through code page 932, so the ASCII characters that JIS writes
// differently widen to their JIS forms: "\" to "￥", "~" to "￣", "'" to "’", '"' to "”".
// "～" is the wave dash in Japanese text, not a wide tilde, and stays as it is.

#include "base/basText.h"

#include <cstdint>
#include <string>

namespace basText {
namespace {
// Full-width katakana of the half-width block U+FF61..U+FF9F, in code order.
constexpr char32_t kWideKana[] = {
    U'。', U'「', U'」', U'、', U'・', U'ヲ', U'ァ', U'ィ', U'ゥ', U'ェ', U'ォ', U'ャ', U'ュ',
    U'ョ', U'ッ', U'ー', U'ア', U'イ', U'ウ', U'エ', U'オ', U'カ', U'キ', U'ク', U'ケ', U'コ',
    U'サ', U'シ', U'ス', U'セ', U'ソ', U'タ', U'チ', U'ツ', U'テ', U'ト', U'ナ', U'ニ', U'ヌ',
    U'ネ', U'ノ', U'ハ', U'ヒ', U'フ', U'ヘ', U'ホ', U'マ', U'ミ', U'ム', U'メ', U'モ', U'ヤ',
    U'ユ', U'ヨ', U'ラ', U'リ', U'ル', U'レ', U'ロ', U'ワ', U'ン', U'゛', U'゜'};
constexpr char32_t kNarrowFirst = 0xFF61;
constexpr char32_t kNarrowLast = 0xFF9F;
constexpr char32_t kVoiced = 0xFF9E;     // ﾞ
constexpr char32_t kSemiVoiced = 0xFF9F; // ﾟ

std::u32string Decode(std::string_view s)
{
    std::u32string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t n = 1;
        char32_t cp = c;
        if (c >= 0xF0 && c < 0xF8) {
            n = 4;
            cp = c & 0x07;
        } else if (c >= 0xE0) {
            n = 3;
            cp = c & 0x0F;
        } else if (c >= 0xC0) {
            n = 2;
            cp = c & 0x1F;
        }
        if (n == 1 || i + n > s.size()) {
            // Stray bytes pass through untouched (U+DC00 + byte keeps them recoverable).
            out += c < 0x80 ? char32_t(c) : char32_t(0xDC00 + c);
            ++i;
            continue;
        }
        for (std::size_t k = 1; k < n; ++k) {
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        }
        out += cp;
        i += n;
    }
    return out;
}

std::string Encode(const std::u32string& s)
{
    std::string out;
    out.reserve(s.size() * 3);
    for (const char32_t cp : s) {
        if (cp >= 0xDC80 && cp <= 0xDCFF) {
            out += static_cast<char>(cp - 0xDC00);
        } else if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

// Kana that take the voiced mark: カ..ト and ハ..ホ, each one code below its voiced form, and
// ウ, whose voiced form ヴ lies elsewhere.
bool TakesVoiced(char32_t k)
{
    switch (k) {
    case U'カ':
    case U'キ':
    case U'ク':
    case U'ケ':
    case U'コ':
    case U'サ':
    case U'シ':
    case U'ス':
    case U'セ':
    case U'ソ':
    case U'タ':
    case U'チ':
    case U'ツ':
    case U'テ':
    case U'ト':
    case U'ハ':
    case U'ヒ':
    case U'フ':
    case U'ヘ':
    case U'ホ':
    case U'ウ':
        return true;
    default:
        return false;
    }
}

char32_t VoicedOf(char32_t k)
{
    return k == U'ウ' ? U'ヴ' : k + 1;
}

bool IsHaRow(char32_t k)
{
    return k == U'ハ' || k == U'ヒ' || k == U'フ' || k == U'ヘ' || k == U'ホ';
}

char32_t WideAscii(char32_t c)
{
    switch (c) {
    case U' ':
        return 0x3000;
    case U'\\':
        return U'￥';
    case U'~':
        return U'￣';
    case U'\'':
        return U'’';
    case U'"':
        return U'”';
    default:
        return c >= 0x21 && c <= 0x7E ? c + 0xFEE0 : c;
    }
}

// Half-width form of a full-width katakana or kana punctuation; 0 when it has none.
char32_t NarrowKana(char32_t c)
{
    for (char32_t i = 0; i < std::size(kWideKana); ++i) {
        if (kWideKana[i] == c) {
            return kNarrowFirst + i;
        }
    }
    return 0;
}
} // namespace

std::string StrConvWide(std::string_view strUtf8)
{
    const std::u32string in = Decode(strUtf8);
    std::u32string out;
    out.reserve(in.size());
    for (std::size_t i = 0; i < in.size(); ++i) {
        const char32_t c = in[i];
        if (c >= kNarrowFirst && c <= kNarrowLast) {
            const char32_t k = kWideKana[c - kNarrowFirst];
            const char32_t next = i + 1 < in.size() ? in[i + 1] : 0;
            if (next == kVoiced && TakesVoiced(k)) {
                out += VoicedOf(k);
                ++i;
            } else if (next == kSemiVoiced && IsHaRow(k)) {
                out += k + 2;
                ++i;
            } else {
                out += k;
            }
        } else {
            out += WideAscii(c);
        }
    }
    return Encode(out);
}

std::string StrConvNarrow(std::string_view strUtf8)
{
    const std::u32string in = Decode(strUtf8);
    std::u32string out;
    out.reserve(in.size() * 2);
    for (const char32_t c : in) {
        if (c >= 0xFF01 && c <= 0xFF5D) {
            out += c - 0xFEE0;
        } else if (c == 0x3000) {
            out += U' ';
        } else if (c == U'￥') {
            out += U'\\';
        } else if (c == U'￣') {
            out += U'~';
        } else if (c == U'’') {
            out += U'\'';
        } else if (c == U'”') {
            out += U'"';
        } else if (c == U'ヴ') {
            out += U'ｳ';
            out += kVoiced;
        } else if (const char32_t n = NarrowKana(c); n != 0) {
            out += n;
        } else if (const char32_t p = NarrowKana(c - 1); p != 0 && TakesVoiced(c - 1)) {
            out += p;
            out += kVoiced;
        } else if (const char32_t q = NarrowKana(c - 2); q != 0 && IsHaRow(c - 2)) {
            out += q;
            out += kSemiVoiced;
        } else {
            out += c;
        }
    }
    return Encode(out);
}
} // namespace basText
