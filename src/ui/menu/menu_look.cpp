#include "ui/menu/menu_look.h"

#include "base/text/text_to_int.h"
#include "ui/skin/theme_table.h"

namespace tabulo::ui {
namespace {

int NumberOr(const ThemeTable& table, std::string_view name, int fallback) {
  const auto text = table.Text(kMenuElement, name);
  return text ? TextToInt(*text) : fallback;
}

}  // namespace

MenuLook ReadMenuLook(const ThemeTable* table) {
  MenuLook look;
  if (!table) return look;
  if (const auto margin = table->IntRect(kMenuElement, "margin")) {
    look.margin = {margin->x, margin->y, margin->width, margin->height};
  }
  look.background = static_cast<Rgb>(NumberOr(*table, "crbackground", static_cast<int>(look.background)));
  look.highlight = static_cast<Rgb>(NumberOr(*table, "crhighlight", static_cast<int>(look.highlight)));
  look.text = static_cast<Rgb>(NumberOr(*table, "crtext", static_cast<int>(look.text)));
  look.leftIcon = NumberOr(*table, "left_icon", look.leftIcon);
  look.leftText = NumberOr(*table, "left_text", look.leftText);
  look.leftCutline = NumberOr(*table, "left_cutline", look.leftCutline);
  look.rightCutline = NumberOr(*table, "right_cutline", look.rightCutline);
  return look;
}

}  // namespace tabulo::ui
