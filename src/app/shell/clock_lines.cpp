#include "app/shell/clock_lines.h"

#include <vector>

namespace tabulo::app {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the UTF-8 sequence a lead byte starts; 1 for a stray byte.
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

// The pieces no line break may fall inside: a run of digits, or one character.
std::vector<std::string_view> Unbreakable(std::string_view text) {
  std::vector<std::string_view> pieces;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = at;
    if (IsDigit(text[at])) {
      while (end < text.size() && IsDigit(text[end])) ++end;
    } else {
      end = std::min(text.size(), at + SequenceLength(static_cast<unsigned char>(text[at])));
    }
    pieces.push_back(text.substr(at, end - at));
    at = end;
  }
  return pieces;
}

}  // namespace

std::string BreakClockLines(std::string_view text, float width, const LineWidth& widthOf) {
  std::string lines;
  std::string line;
  for (const std::string_view piece : Unbreakable(text)) {
    std::string longer = line + std::string(piece);
    if (!line.empty() && widthOf(longer) > width) {
      lines += line + "\n";
      longer = std::string(piece);
    }
    line = std::move(longer);
  }
  return lines + line;
}

}  // namespace tabulo::app
