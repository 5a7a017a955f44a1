#include "base/text/text_to_int.h"

#include <limits>

#include "base/text/utf8.h"

namespace tabulo {
namespace {

// Full-width ASCII variants (U+FF01..U+FF5E) and the ideographic space.
char32_t ToHalfWidth(char32_t c) {
  if (c >= 0xFF01 && c <= 0xFF5E) return c - 0xFF01 + 0x21;
  if (c == 0x3000) return U' ';
  return c;
}

bool IsBlank(char32_t c) { return c == U' ' || c == U'\t' || c == U'\r' || c == U'\n' || c == U'\v' || c == U'\f'; }

}  // namespace

std::int32_t TextToInt(std::string_view utf8) {
  std::size_t i = 0;
  char32_t c = 0;
  auto next = [&]() -> bool {
    if (i >= utf8.size()) return false;
    const DecodedCodePoint d = DecodeUtf8(utf8, i);
    i += d.length;
    c = ToHalfWidth(d.value);
    return true;
  };
  bool have = next();
  while (have && IsBlank(c)) have = next();
  bool negative = false;
  if (have && (c == U'+' || c == U'-')) {
    negative = c == U'-';
    have = next();
  }
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int64_t kLimit = kMax + 1;  // magnitude of INT32_MIN
  std::int64_t magnitude = 0;
  while (have && c >= U'0' && c <= U'9') {
    magnitude = magnitude * 10 + (c - U'0');
    if (magnitude > kLimit) magnitude = kLimit;  // clamp, keep scanning
    have = next();
  }
  if (negative) return static_cast<std::int32_t>(-magnitude);
  return static_cast<std::int32_t>(magnitude > kMax ? kMax : magnitude);
}

}  // namespace tabulo
