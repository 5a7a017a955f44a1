#pragma once
// UTF-8, the program's internal text, one code point at a time, and UTF-16
// for pure code that must count or hand over UTF-16 units.
//
// Surrogate code points (U+D800..U+DFFF) are accepted and produced as plain
// 3-byte sequences, unlike strict UTF-8: the GBK decoder stores bytes it
// cannot decode as U+DC81..U+DCFE (see gbk.h), and those must survive every
// conversion here unchanged.
#include <cstddef>
#include <string>
#include <string_view>

namespace tabulo {

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

struct DecodedCodePoint {
  char32_t value;
  std::size_t length;  // bytes consumed, at least 1
};

// Decodes the sequence starting at text[pos] (pos < text.size()). A malformed
// or truncated sequence, an overlong form or a value beyond U+10FFFF gives
// U+FFFD and consumes one byte.
[[nodiscard]] DecodedCodePoint DecodeUtf8(std::string_view text, std::size_t pos);

void AppendUtf8(std::string& out, char32_t codePoint);

// Malformed UTF-8 becomes U+FFFD; code points above U+FFFF become pairs.
[[nodiscard]] std::u16string Utf8ToUtf16(std::string_view utf8);
// Pairs become one code point; a lone surrogate is kept as it is.
[[nodiscard]] std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace tabulo
