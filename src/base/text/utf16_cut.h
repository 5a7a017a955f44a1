#pragma once
// Cutting UTF-16 text to a fixed number of units for the fixed-size text
// fields of Win32 records (a tray tip, a font face name). A cut never keeps
// the first half of a surrogate pair without its second half.
#include <cstddef>
#include <string>

namespace tabulo {

[[nodiscard]] inline std::u16string CutUtf16(std::u16string text, std::size_t maxUnits) {
  if (text.size() <= maxUnits) return text;
  std::size_t keep = maxUnits;
  const char16_t last = keep > 0 ? text[keep - 1] : u'\0';
  const char16_t next = text[keep];
  if (last >= 0xD800 && last <= 0xDBFF && next >= 0xDC00 && next <= 0xDFFF) --keep;
  text.resize(keep);
  return text;
}

}  // namespace tabulo
