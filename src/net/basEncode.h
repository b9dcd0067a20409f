#pragma once
// Decoding of downloaded bytes into the program's UTF-8 strings. Whatever a server sends, the
// result is well-formed UTF-8, so nothing downstream meets a broken sequence.

#include <string>
#include <string_view>

namespace basEncode {
// UTF-8 bytes as text: a leading byte-order mark is dropped and every malformed or overlong
// sequence, surrogate or code point above U+10FFFF becomes U+FFFD.
std::string Utf8Decode(std::string_view bytBytes);
// Shift_JIS (code page 932) bytes as text; undefined bytes become U+FFFD.
std::string SjisDecode(std::string_view bytBytes);
} // namespace basEncode
