#pragma once
// Text helpers: Shift_JIS (code page 932, through iconv "CP932"), byte widths and cuts as the
// stored files and fixed-width fields measure them, and line-end handling of the text files.
// Strings in the program are UTF-8; bytes of files are CP932.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace basText {
// UTF-8 -> CP932. A character without a CP932 code becomes "?" (false from the Try form).
std::string ToSjis(std::string_view strUtf8);
bool TryToSjis(std::string_view strUtf8, std::string& strOut);
// CP932 -> UTF-8. An undefined or cut byte sequence becomes U+FFFD (false from the Try form).
std::string FromSjis(std::string_view strBytes);
bool TryFromSjis(std::string_view strBytes, std::string& strOut);
// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view strText);

// What a file's bytes are as text. Genuine CP932 Japanese text almost never forms valid UTF-8
// multi-byte sequences throughout, so bytes that do are taken for UTF-8.
enum class TextEncoding
{
    Ascii,
    Cp932,
    Utf8,
    Utf8Bom,
    NotCp932, // neither UTF-8 nor decodable as CP932
};
// lngLine (1-based): the line of the first byte that is not ASCII (Utf8) or not CP932
// (NotCp932); 1 for Utf8Bom, 0 otherwise. strUtf8, when given, gets the text of an Ascii or
// Cp932 file, decoded once.
TextEncoding DetectEncoding(std::string_view strBytes, std::int32_t& lngLine,
                            std::string* strUtf8 = nullptr);

// Width in CP932 bytes: full-width characters count 2, half-width 1.
std::int32_t LenB(std::string_view strUtf8);
// The longest prefix of at most lngBytes CP932 bytes; never splits a character.
std::string LeftB(std::string_view strUtf8, std::int32_t lngBytes);
// Number of Unicode characters.
std::int32_t Len(std::string_view strUtf8);
// Characters lngStart (1-based) .. lngStart+lngLength-1, like Mid$.
std::string Mid(std::string_view strUtf8, std::int32_t lngStart, std::int32_t lngLength = -1);
// Splits UTF-8 into its characters.
std::vector<std::string> Chars(std::string_view strUtf8);

// Full-width <-> half-width as the Windows wide/narrow conversion does: ASCII, the space,
// katakana (voiced marks joined on widening, split on narrowing) and the kana punctuation.
std::string StrConvWide(std::string_view strUtf8);
std::string StrConvNarrow(std::string_view strUtf8);

// Everything before the first NUL character (readers stop there).
std::string_view CutAtNul(std::string_view strText);
// Lines split at CR LF, lone LF or lone CR; a final line end yields no empty last line.
std::vector<std::string> SplitLines(std::string_view strText);
// Blanks (space, tab, ideographic space U+3000) removed from both ends.
std::string Trim(std::string_view strText);
// Spaces and tabs removed from both ends; an ideographic space is text (the settings and store
// files were always read so).
std::string_view TrimBlanks(std::string_view strText);
// Only ASCII spaces removed from both ends: the data files and the operator's pages pad with
// them, and a tab or an ideographic space there is part of the value.
std::string_view TrimSpaces(std::string_view strText);
// '0' to '9' only: std::isdigit depends on the locale and is undefined for the negative chars
// that multi-byte text holds.
constexpr bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}
std::string Replace(std::string_view strText, std::string_view strFind, std::string_view strWith);
// ASCII upper/lower case; other characters unchanged.
std::string UCase(std::string_view strText);
std::string LCase(std::string_view strText);
bool EqualsNoCase(std::string_view a, std::string_view b);

// Cells as a spreadsheet pastes them: tabs between cells, a line end after each row. A tab or
// line break inside a cell becomes a space, so it cannot shift the cells after it.
std::string TabSeparated(const std::vector<std::vector<std::string>>& rows);
} // namespace basText
