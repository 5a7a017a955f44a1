#include "ui/skin/window_skin_values.h"

#include <algorithm>

#include "base/text/text_to_int.h"
#include "ui/skin/skin_text.h"
#include "ui/skin/theme_table.h"

namespace tabulo::ui {
namespace {

constexpr std::string_view kCaptionButtons = "SysButton";

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
    values.margins = {margin->x, margin->y, margin->width, margin->height};
  }
  values.cornerRadius = NumberOr(*table, element, "rectround", -1);
  if (const auto border = table->Text(element, "crborder")) values.borderColours = ParseBorderColours(*border);
  values.captionHeight = NumberOr(*table, element, "cycaption", 0);
  values.captionButtonsOffsetRight = NumberOr(*table, kCaptionButtons, "offsetright", 0);
  values.captionButtonsTop = NumberOr(*table, kCaptionButtons, "top", 0);
  return values;
}

Rect ContentRect(Size window, const Margins& m) {
  return {m.left, m.top, window.width - m.left - m.right, window.height - m.top - m.bottom};
}

Rect MaximisedWindowRect(const Rect& workArea, const Margins& m) {
  return {workArea.x - m.left - 1, workArea.y - m.top - 1, workArea.width + m.left + m.right + 2,
          workArea.height + m.top + m.bottom + 2};
}

int CaptionIconOffset(int captionHeight) { return (std::max(16, captionHeight) - 16) / 2; }

}  // namespace tabulo::ui
