#include "ui/skin/skin_text.h"

#include <charconv>

#include "base/text/text_to_int.h"

namespace tabulo::ui {
namespace {

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r\n");
  return s.substr(first, last - first + 1);
}

template <typename Fn>
void ForEachPart(std::string_view text, Fn&& fn) {
  while (true) {
    const auto comma = text.find(',');
    fn(Trim(text.substr(0, comma)));
    if (comma == std::string_view::npos) return;
    text.remove_prefix(comma + 1);
  }
}

std::optional<float> ReadNumber(std::string_view part) {
  float value = 0;
  const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
  if (part.empty() || ec != std::errc{} || end != part.data() + part.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<RectF> ParseGridText(std::string_view text) {
  float values[4] = {};
  int count = 0;
  bool valid = true;
  ForEachPart(text, [&](std::string_view part) {
    const auto number = ReadNumber(part);
    if (!number || count == 4) {
      valid = false;
      return;
    }
    values[count++] = *number;
  });
  if (!valid || count != 4) return std::nullopt;
  return RectF{values[0], values[1], values[2], values[3]};
}

std::vector<Rgb> ParseBorderColours(std::string_view text) {
  std::vector<Rgb> colours;
  ForEachPart(text, [&](std::string_view part) {
    // A blank part (a trailing ",") is no ring, not a black one.
    if (!part.empty()) colours.push_back(static_cast<Rgb>(TextToInt(part)));
  });
  return colours;
}

}  // namespace tabulo::ui
