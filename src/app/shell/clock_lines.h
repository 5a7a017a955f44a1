#pragma once
// The bar's clock text broken into lines that fit its label. Windows breaks
// Chinese text between any two characters but never inside a number;
// Wine's GDI+ breaks wherever the line is full, so "2026年12月6日10时…"
// came out as "2026年12月6日1" over "0时…". Breaking the text ourselves, at
// the last place before the line is full that is not inside a number, gives
// the lines Windows would give, and leaves GDI+ nothing to break.
#include <functional>
#include <string>
#include <string_view>

namespace tabulo::app {

// The width a line of text takes in the label's font.
using LineWidth = std::function<float(std::string_view line)>;

// The text with "\n" between its lines: each line as long as fits in
// `width`, broken only before or after a run of digits or between two other
// characters. A number wider than the whole line stays whole on a line of
// its own.
[[nodiscard]] std::string BreakClockLines(std::string_view text, float width, const LineWidth& widthOf);

}  // namespace tabulo::app
