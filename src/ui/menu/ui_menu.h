#pragma once
// UiMenu: a popup menu of the engine. It holds a list of items (texts with
// an "&" access key, icons given as picture file bytes, checked, disabled
// and hidden states, separators, sub-menus) and shows them in skinned,
// layered, top-most popup windows that take their look from the
// "SysShadow.Menu" element of the owner window's theme.
//
// Popup is modal: it returns when the menu has closed. A chosen item either
// sends WM_COMMAND with its command id to the control or window that opened
// the menu, or calls its callback; either happens only after every window
// of the menu chain (the menu and its open sub-menus) is gone, so the
// command's handler may open windows or the menu again.
//
// The chain closes when an item is chosen, on Esc in the top menu (Esc in a
// sub-menu and the left arrow close only that sub-menu), on a click outside
// every window of the chain, and when the program loses the foreground.
// Arrows move between items, the right arrow or Enter opens a sub-menu,
// Enter or an item's access key chooses it. Resting the mouse 300 ms on an
// item with a sub-menu opens it.
//
// Items are numbered from 1; operations with another index do nothing and
// return empty values. While a menu is open its windows work on a copy of
// its items: changes show at the next Popup.
//
// A command reaches a window as the window-level event WM_COMMAND (wParam:
// the id), a control through its own WM_COMMAND handling. A tray menu, for
// example:
//
//   UiMenu menu;                                   // lives as long as the bar
//   UiMenu::Item about{.text = "关于(&A)", .icon = aboutPng};
//   about.callback = [&] { OpenAbout(); };
//   about.sendsCommand = false;
//   menu.AddItem(std::move(about));
//   menu.AddCallback("退出(&E)", [&] { Exit(); });
//   bar.Bind(kMsgTrayNotify, [&](const EventArgs& e) {
//     if (e.lParam == WM_RBUTTONUP) menu.Popup(bar);  // at the cursor
//     return true;
//   });
//
// Menu windows never take the activation: the owner keeps the keyboard
// focus and the menu's loop hands the keys to the innermost menu.
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/color/color.h"
#include "base/geometry/rect.h"
#include "base/win/unique_handle.h"
#include "ui/menu/menu_layout.h"

namespace tabulo::ui {

class UiControl;
class UiWindow;

class UiMenu {
 public:
  struct Item {
    std::string text;                  // UTF-8; "&" marks the access key
    std::vector<std::uint8_t> icon;    // picture file bytes (any format GDI+ reads); empty: none
    std::uint32_t state = 0;           // kMenuItemDisabled | kMenuItemChecked | kMenuItemHidden
    bool separator = false;
    UiMenu* subMenu = nullptr;         // the item opens this menu (not owned)
    bool sendsCommand = true;          // true: WM_COMMAND with command; false: callback
    int command = 0;
    std::function<void()> callback;
    std::optional<Argb> textColour;    // none: the theme's text colour
  };

  UiMenu();
  UiMenu(const UiMenu&) = delete;
  UiMenu& operator=(const UiMenu&) = delete;
  ~UiMenu();

  // --- items ----------------------------------------------------------------
  // Appends an item; returns its index.
  int AddItem(Item item);
  int AddCommand(std::string_view text, int command, std::uint32_t state = 0);
  int AddCallback(std::string_view text, std::function<void()> callback, std::uint32_t state = 0);
  int AddSeparator();
  int AddSubMenu(std::string_view text, UiMenu& subMenu, std::uint32_t state = 0);
  bool RemoveItem(int index);
  void Clear();
  [[nodiscard]] int Count() const { return static_cast<int>(items_.size()); }
  [[nodiscard]] bool IndexValid(int index) const { return index >= 1 && index <= Count(); }
  [[nodiscard]] const Item* ItemAt(int index) const { return IndexValid(index) ? &items_[index - 1] : nullptr; }

  [[nodiscard]] std::uint32_t ItemState(int index) const;  // 0 for a bad index
  bool SetItemState(int index, std::uint32_t state);
  [[nodiscard]] std::string ItemText(int index) const;
  bool SetItemText(int index, std::string_view text);
  [[nodiscard]] std::span<const std::uint8_t> ItemIcon(int index) const;
  bool SetItemIcon(int index, std::vector<std::uint8_t> icon);
  // What choosing the item does: a command, a callback, a sub-menu or
  // nothing (a separator).
  bool SetItemCommand(int index, int command);
  bool SetItemCallback(int index, std::function<void()> callback);
  bool SetItemSubMenu(int index, UiMenu* subMenu);
  bool SetItemSeparator(int index);

  // --- look -----------------------------------------------------------------
  // 0 = none; a width below 50 counts as 50.
  void SetMinimumWidth(int width) { minimumWidth_ = width; }
  [[nodiscard]] int MinimumWidth() const { return minimumWidth_; }
  // The face at the default font's size and style; false (keeping the
  // current font) when the face is not installed.
  bool SetFont(std::string_view face);
  // The menu's font, or the engine's default font.
  [[nodiscard]] const Gdiplus::Font* Font() const;

  // --- callbacks --------------------------------------------------------------
  // Runs when the menu's window is ready, just before it is shown.
  void SetShownCallback(std::function<void(UiMenu&, HWND menuWindow)> callback) { shown_ = std::move(callback); }
  // Runs when the menu's window has closed, before a chosen command is delivered.
  void SetClosedCallback(std::function<void(UiMenu&)> callback) { closed_ = std::move(callback); }

  // --- showing ----------------------------------------------------------------
  // Shows the menu at a screen point (none: the cursor) for a bound window or
  // for a control, and returns when it has closed. Nothing happens when the
  // owner is not a bound window or when the menu is already open.
  void Popup(UiWindow& owner, std::optional<Point> at = std::nullopt);
  void Popup(UiControl& control, std::optional<Point> at = std::nullopt);
  [[nodiscard]] bool IsOpen() const { return open_; }

 private:
  friend class MenuWindow;

  void PopupFor(HWND owner, UiControl* eventControl, std::optional<Point> at);
  Item* MutableItem(int index) { return IndexValid(index) ? &items_[index - 1] : nullptr; }

  std::vector<Item> items_;
  int minimumWidth_ = 0;
  GdiplusPtr<Gdiplus::Font> font_;
  std::function<void(UiMenu&, HWND)> shown_;
  std::function<void(UiMenu&)> closed_;
  bool open_ = false;
};

}  // namespace tabulo::ui
