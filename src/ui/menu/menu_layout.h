#pragma once
// Sizes and places of a popup menu and its items.
//
// A menu window is the menu body surrounded by the shadow margins of the
// theme's "SysShadow.Menu" element ("margin"). Items are stacked inside the
// body: text items are a font height plus 11 pixels high, separators 3,
// hidden items take no room. The body is as wide as the widest text (or the
// minimum width, at least 50 when set) plus "left_text" on both sides and
// room for the sub-menu arrow when any item opens a sub-menu.
//
// Placement works on the body, so the shadow may hang over the work area's
// edge while the menu itself stays inside it: a menu opens right of and
// below the point, and to the left / above it where it would cross the work
// area's right / bottom edge; a sub-menu opens beside its parent, top-aligned
// with its item.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/color/color.h"
#include "base/geometry/dpi_scale.h"
#include "base/geometry/rect.h"

namespace tabulo::ui {

inline constexpr std::uint32_t kMenuItemDisabled = 1;
inline constexpr std::uint32_t kMenuItemChecked = 16;
inline constexpr std::uint32_t kMenuItemHidden = 0x8000;

inline constexpr int kMenuItemNormal = 1;
inline constexpr int kMenuItemSeparator = 2;

// The hover timer of a menu window: resting this long on an item with a
// sub-menu opens it.
inline constexpr std::uint32_t kMenuHoverTimerId = 20205;
inline constexpr int kMenuHoverDelayMs = 300;

inline constexpr int kMenuMinimumWidthFloor = 50;

struct MenuMargin {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

struct MenuItemMeasure {
  bool separator = false;
  bool opensSubMenu = false;
  std::uint32_t state = 0;
  SizeF text;  // measured with the menu font and its string format
};

struct MenuMetrics {
  float fontHeight = 0;
  int minimumWidth = 0;  // 0: none
  int leftText = 0;      // "left_text"
  int arrowRoom = 0;     // width reserved for the sub-menu arrow
  MenuMargin margin;     // "margin"
};

struct MenuLayout {
  Size window;
  std::vector<Rect> items;  // in window coordinates, one per item; empty for hidden ones
};

[[nodiscard]] MenuLayout LayOutMenu(const std::vector<MenuItemMeasure>& items, const MenuMetrics& metrics);

// A menu is laid out in 96-DPI units and placed in pixels. Its margins at a
// scale are those of the body's pixel edges inside the window's pixel size
// (each side scaled alone could be a pixel off), so the body placed at a
// point is the body the window draws.
[[nodiscard]] MenuMargin ScaledMargin(const MenuMargin& margin, Size window, const DpiScale& scale);

// Window position of a top-level menu opened at a screen point.
[[nodiscard]] Point PlaceMenu(Point at, Size window, const MenuMargin& margin, const Rect& workArea);

// Window position of a sub-menu; item is the opening item's rectangle on
// the screen.
[[nodiscard]] Point PlaceSubMenu(const Rect& parentWindow, const MenuMargin& parentMargin, const Rect& item,
                                 Size window, const MenuMargin& margin, const Rect& workArea);

// What a tick of the hover timer does.
enum class MenuHoverAction {
  None,
  KeepOpenItemHighlighted,  // the cursor went on into another window (the sub-menu)
  CloseSubMenu,             // the cursor rests on another item of this menu
  OpenSubMenu,              // the cursor rests on an item with a sub-menu
};

struct MenuHoverInput {
  bool subMenuOpen = false;
  bool cursorOverThisMenu = false;
  int itemUnderCursor = -1;  // -1: none
  int itemWithOpenSubMenu = -1;
  bool itemUnderCursorOpensSubMenu = false;
};

[[nodiscard]] MenuHoverAction HoverStep(const MenuHoverInput& in);

// A hot item is filled with a vertical gradient of the highlight colour
// from alpha 181 to 204 (its text is white on a dark highlight, black
// otherwise, by the canvas's luminance test).
struct MenuHotColours {
  Argb gradientTop = 0;
  Argb gradientBottom = 0;
};
[[nodiscard]] MenuHotColours HotItemColours(Argb highlight);

// A separator: a line in the highlight colour at alpha 102 across the item
// between "left_cutline" and "right_cutline", at mid height.
struct MenuSeparatorLine {
  Point from;
  Point to;
  Argb colour = 0;
};
[[nodiscard]] MenuSeparatorLine SeparatorLine(const Rect& item, int leftCutline, int rightCutline, Argb highlight);

// The access key of an item text: the character after the first single
// "&" ("&&" stands for a literal ampersand), ASCII letters folded to lower
// case; 0 when the text has none.
[[nodiscard]] char32_t MenuAccessKey(std::string_view utf8Text);
// Folds a typed character the same way, for comparing with MenuAccessKey.
[[nodiscard]] char32_t FoldAccessKey(char32_t typed);
// The access key as Windows' own menus report it to screen readers: the
// bare key, a letter in upper case ("A" for "关于(&A)"); "" when none.
[[nodiscard]] std::string MenuAccessKeyName(std::string_view utf8Text);
// The item text as a screen reader names the item: without the access key,
// and without the bracketed key that Chinese texts add for it ("关于(&A)"
// is "关于"), which names nothing but the key.
[[nodiscard]] std::string MenuItemName(std::string_view utf8Text);

}  // namespace tabulo::ui
