#pragma once
// What a popup menu takes from its theme element "SysShadow.Menu": the
// shadow margins, the colours of its body, hot item and text, where the
// icon column ends and the texts start, the ends of separator lines, and
// the pictures of the check mark and the sub-menu arrow (looked up by the
// drawing code under kMenuCheckPicture / kMenuArrowPicture).
//
// A theme without the element (or no theme) gives a plain look: no shadow,
// white body, a blue highlight and black text, with the same columns the
// default theme uses, so a menu stays readable.
#include <string_view>

#include "base/color/color.h"
#include "ui/menu/menu_layout.h"
#include "ui/skin/window_skin_values.h"

namespace tabulo::ui {

class ThemeTable;

inline constexpr std::string_view kMenuElement = kMenuShadow;
inline constexpr std::string_view kMenuCheckPicture = "checkrect";
inline constexpr std::string_view kMenuArrowPicture = "arrow";
// The hot item's background picture ("highlight"), when the theme has one.
inline constexpr std::string_view kMenuItemElement = "MenuItem";

struct MenuLook {
  MenuMargin margin;            // "margin"
  Rgb background = 0xFFFFFF;    // "crbackground"
  Rgb highlight = 0xFF9933;     // "crhighlight": hot items and separators
  Rgb text = 0x000000;          // "crtext": item text unless an item has its own colour
  int leftIcon = 24;            // "left_icon": width of the icon column
  int leftText = 30;            // "left_text": where texts start
  int leftCutline = 28;         // "left_cutline"
  int rightCutline = 6;         // "right_cutline"
};

[[nodiscard]] MenuLook ReadMenuLook(const ThemeTable* table);

}  // namespace tabulo::ui
