#pragma once
// Skin values held as text: nine-grid rectangles given by the application
// ("gird", "x,y,w,h") and border colour lists ("crborder", RGB numbers,
// outermost ring first).
#include <optional>
#include <string_view>
#include <vector>

#include "base/color/color.h"
#include "base/geometry/rect.h"

namespace tabulo::ui {

// Exactly four numbers separated by ","; anything else (three or five
// numbers, a word) gives nothing, so the picture is drawn without a grid.
[[nodiscard]] std::optional<RectF> ParseGridText(std::string_view text);

// Each ","-separated part read as a number (TextToInt); an empty or blank
// text gives no colours, so no border is drawn.
[[nodiscard]] std::vector<Rgb> ParseBorderColours(std::string_view text);

}  // namespace tabulo::ui
