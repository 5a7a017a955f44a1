#pragma once
// The text the bar's clock label is given: the clock text broken into the
// lines that fit the label (clock_lines.h), measured in the label's own
// font, so no line ends inside a number on Windows or under Wine.
#include <string>
#include <string_view>

#include "ui/controls/label.h"

namespace tabulo::app {

// The clock label's font size; the label wraps its text.
inline constexpr float kClockFontSize = 13;

[[nodiscard]] std::string ClockLabelText(const ui::Label& label, std::string_view clockText);

}  // namespace tabulo::app
