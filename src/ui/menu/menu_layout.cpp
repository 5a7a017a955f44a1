#include "ui/menu/menu_layout.h"

#include <algorithm>
#include <cmath>

#include "base/text/utf8.h"
#include "ui/control/accessible_info.h"

namespace tabulo::ui {
namespace {

constexpr int kSeparatorHeight = 3;
constexpr int kItemPadding = 11;

int BodyWidth(Size window, const MenuMargin& m) { return window.width - m.left - m.right; }
int BodyHeight(Size window, const MenuMargin& m) { return window.height - m.top - m.bottom; }

// Moves a body start back into [low, high - length] where it crosses an
// edge, the low edge winning when the body is larger than the area.
int KeepInside(int start, int length, int low, int high) {
  if (start + length > high) start = high - length;
  return std::max(start, low);
}

Argb WithAlpha(Argb colour, std::uint8_t alpha) { return (colour & 0x00FFFFFFu) | (Argb{alpha} << 24); }

}  // namespace

MenuLayout LayOutMenu(const std::vector<MenuItemMeasure>& items, const MenuMetrics& metrics) {
  const int itemHeight = static_cast<int>(metrics.fontHeight + kItemPadding);
  int textWidth = metrics.minimumWidth > 0 ? std::max(metrics.minimumWidth, kMenuMinimumWidthFloor) : 0;
  bool anySubMenu = false;
  for (const MenuItemMeasure& item : items) {
    if (item.state & kMenuItemHidden) continue;
    // Rounded up: a text cut short by a fraction of a pixel would be trimmed.
    if (!item.separator) textWidth = std::max(textWidth, static_cast<int>(std::ceil(item.text.width)));
    anySubMenu = anySubMenu || item.opensSubMenu;
  }
  const MenuMargin& m = metrics.margin;
  const int bodyWidth = textWidth + 2 * metrics.leftText + (anySubMenu ? metrics.arrowRoom : 0);

  MenuLayout layout;
  int y = m.top;
  for (const MenuItemMeasure& item : items) {
    if (item.state & kMenuItemHidden) {
      layout.items.push_back({m.left, y, 0, 0});
      continue;
    }
    const int height = item.separator ? kSeparatorHeight : itemHeight;
    layout.items.push_back({m.left, y, bodyWidth, height});
    y += height;
  }
  layout.window = {m.left + bodyWidth + m.right, y + m.bottom};
  return layout;
}

MenuMargin ScaledMargin(const MenuMargin& margin, Size window, const DpiScale& scale) {
  const Size pixels = scale.ToPixels(window);
  const Rect body = scale.ToPixels(Rect{margin.left, margin.top, BodyWidth(window, margin), BodyHeight(window, margin)});
  return {body.x, body.y, pixels.width - body.right(), pixels.height - body.bottom()};
}

Point PlaceMenu(Point at, Size window, const MenuMargin& margin, const Rect& workArea) {
  const int width = BodyWidth(window, margin), height = BodyHeight(window, margin);
  int x = at.x, y = at.y;
  if (x + width > workArea.right()) x -= width;
  if (y + height > workArea.bottom()) y -= height;
  x = std::max(x, workArea.x);
  y = std::max(y, workArea.y);
  return {x - margin.left, y - margin.top};
}

Point PlaceSubMenu(const Rect& parentWindow, const MenuMargin& parentMargin, const Rect& item, Size window,
                   const MenuMargin& margin, const Rect& workArea) {
  const int width = BodyWidth(window, margin), height = BodyHeight(window, margin);
  int x = parentWindow.right() - parentMargin.right;
  if (x + width > workArea.right()) x = parentWindow.x + parentMargin.left - width;
  x = std::max(x, workArea.x);
  const int y = KeepInside(item.y, height, workArea.y, workArea.bottom());
  return {x - margin.left, y - margin.top};
}

MenuHoverAction HoverStep(const MenuHoverInput& in) {
  if (in.subMenuOpen) {
    if (!in.cursorOverThisMenu) return MenuHoverAction::KeepOpenItemHighlighted;
    if (in.itemUnderCursor >= 0 && in.itemUnderCursor != in.itemWithOpenSubMenu) return MenuHoverAction::CloseSubMenu;
    return MenuHoverAction::None;
  }
  if (in.cursorOverThisMenu && in.itemUnderCursor >= 0 && in.itemUnderCursorOpensSubMenu) {
    return MenuHoverAction::OpenSubMenu;
  }
  return MenuHoverAction::None;
}

MenuHotColours HotItemColours(Argb highlight) {
  return {WithAlpha(highlight, 181), WithAlpha(highlight, 204)};
}

MenuSeparatorLine SeparatorLine(const Rect& item, int leftCutline, int rightCutline, Argb highlight) {
  const int y = item.y + item.height / 2;
  return {{item.x + leftCutline, y}, {item.x + item.width - rightCutline, y}, WithAlpha(highlight, 102)};
}

char32_t FoldAccessKey(char32_t typed) { return typed >= U'A' && typed <= U'Z' ? typed - U'A' + U'a' : typed; }

char32_t MenuAccessKey(std::string_view text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;  // a literal ampersand
      continue;
    }
    return FoldAccessKey(DecodeUtf8(text, i + 1).value);
  }
  return 0;
}

std::string MenuItemName(std::string_view text) {
  std::string name(text);
  for (const std::string_view open : {"(&", "（&"}) {
    const std::size_t at = name.find(open);
    if (at == std::string::npos || at + open.size() >= name.size()) continue;
    const std::size_t key = at + open.size();
    const std::size_t keyEnd = key + DecodeUtf8(name, key).length;
    for (const std::string_view close : {")", "）"}) {
      if (name.compare(keyEnd, close.size(), close) == 0) {
        name.erase(at, keyEnd + close.size() - at);
        return WithoutAccessKeyMarks(name);
      }
    }
  }
  return WithoutAccessKeyMarks(name);
}

std::string MenuAccessKeyName(std::string_view text) {
  char32_t key = MenuAccessKey(text);
  if (key >= U'a' && key <= U'z') key = key - U'a' + U'A';
  std::string name;
  if (key != 0) AppendUtf8(name, key);
  return name;
}

}  // namespace tabulo::ui
