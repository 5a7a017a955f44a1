#include "base/text/line_breaks.h"

namespace tabulo {

std::wstring OneLineFeedPerBreak(std::wstring_view text) {
  std::wstring lines;
  lines.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != L'\r') {
      lines += text[i];
      continue;
    }
    lines += L'\n';
    if (i + 1 < text.size() && text[i + 1] == L'\n') ++i;
  }
  return lines;
}

}  // namespace tabulo
