#include "ui/skin/window_skin_values.h"

#include <algorithm>
#include <cstdint>

#include "base/number/saturating_int.h"
#include "base/text/text_to_int.h"
#include "ui/skin/skin_text.h"
#include "ui/skin/theme_table.h"

namespace tabulo::ui {
namespace {

constexpr std::string_view kCaptionButtons = "SysButton";

// A shadow band is a few dozen pixels wide. Wider bands, or negative ones,
// come from a damaged theme: they would make the window's surfaces huge or
// its arithmetic overflow, so the window keeps its plain look instead.
constexpr int kMaxShadowMargin = 256;

bool Plausible(const Margins& m) {
  for (int side : {m.left, m.top, m.right, m.bottom}) {
    if (side < 0 || side > kMaxShadowMargin) return false;
  }
  return true;
}

int NumberOr(const ThemeTable& table, std::string_view element, std::string_view name, int fallback) {
  const auto text = table.Text(element, name);
  return text ? TextToInt(*text) : fallback;
}

}  // namespace

std::string_view ShadowElement(bool hasParentWindow) {
  return hasParentWindow ? kSubWindowShadow : kHostWindowShadow;
}

WindowSkinValues ReadWindowSkin(const ThemeTable* table, bool hasParentWindow) {
  return ReadWindowSkinFrom(table, ShadowElement(hasParentWindow));
}

WindowSkinValues ReadWindowSkinFrom(const ThemeTable* table, std::string_view element) {
  WindowSkinValues values;
  if (!table) return values;
  if (const auto margin = table->IntRect(element, "margin")) {
    const Margins read{margin->x, margin->y, margin->width, margin->height};
    if (Plausible(read)) values.margins = read;
  }
  values.cornerRadius = NumberOr(*table, element, "rectround", -1);
  if (const auto border = table->Text(element, "crborder")) values.borderColours = ParseBorderColours(*border);
  values.captionHeight = NumberOr(*table, element, "cycaption", 0);
  values.captionButtonsOffsetRight = NumberOr(*table, kCaptionButtons, "offsetright", 0);
  values.captionButtonsTop = NumberOr(*table, kCaptionButtons, "top", 0);
  return values;
}

Rect ContentRect(Size window, const Margins& m) {
  return {m.left, m.top, ClampToInt(std::int64_t{window.width} - m.left - m.right),
          ClampToInt(std::int64_t{window.height} - m.top - m.bottom)};
}

Rect MaximisedWindowRect(const Rect& workArea, const Margins& m) {
  return {ClampToInt(std::int64_t{workArea.x} - m.left - 1), ClampToInt(std::int64_t{workArea.y} - m.top - 1),
          ClampToInt(std::int64_t{workArea.width} + m.left + m.right + 2),
          ClampToInt(std::int64_t{workArea.height} + m.top + m.bottom + 2)};
}

int CaptionIconOffset(int captionHeight) { return (std::max(16, captionHeight) - 16) / 2; }

}  // namespace tabulo::ui
