#pragma once
// MenuItem: the control of one visible item in a menu window. It paints the
// item (separator line, hot gradient, check mark or icon, text with its
// access key underlined, sub-menu arrow) and reports mouse entry, exit and
// clicks to its MenuWindow, which keeps the menu's behaviour.
#include "base/color/color.h"
#include "ui/control/ui_control.h"

namespace tabulo::ui {

class MenuWindow;

inline constexpr char kMenuItemControlName[] = "MenuItem";

class MenuItem : public UiControl {
 public:
  // index: the item's place in the menu's item list (from 0).
  MenuItem(MenuWindow& window, int index) : window_(window), index_(index) {}

  [[nodiscard]] bool Create(HWND host, const Rect& rect, bool disabled);
  [[nodiscard]] int Index() const { return index_; }

  // A menu item to screen readers: its text without the access-key mark,
  // the key, checked, opening a sub-menu, highlighted; a separator is one.
  [[nodiscard]] AccessibleInfo Accessible() const override;

 protected:
  LRESULT ClassHandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();
  void PaintSeparator(Gdiplus::Graphics& graphics);
  void PaintIcon(Gdiplus::Graphics& graphics);
  void PaintArrow(Gdiplus::Graphics& graphics, Argb colour);

  MenuWindow& window_;
  int index_;
};

}  // namespace tabulo::ui
