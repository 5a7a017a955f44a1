#pragma once
// The windows of an open popup menu. One MenuWindow is one menu on screen:
// a frameless, layered, top-most popup window bound to the engine, with
// one MenuItem control per visible item. The windows of one popup (the
// menu and the sub-menus opened from it) form a MenuChain.
//
// Only the top menu runs a modal loop (in UiMenu::Popup); a sub-menu is a
// MenuWindow owned by its parent, opened and closed inside that loop, so
// switching between sub-menus never nests loops. A closed sub-menu's object
// is handed to the chain and freed between two messages of the loop, never
// while one of its own handlers is still running.
//
// The loop filters the messages: keys go to the innermost menu, a button
// press on any window of the program outside the chain closes the whole
// chain (and is swallowed), and so does the program losing the foreground.
//
// The window properties of the chain ("Orb_Wnd_Flags", "Orb_DirectUI_Host",
// "Orb_DirectUI_Event", "Orb_DirectUI_Sub", "Orb_DirectUI_Act") are kept on
// the windows for whoever looks at them from outside; the engine itself
// works from the objects.
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "base/geometry/rect.h"
#include "base/win/unique_handle.h"
#include "ui/menu/menu_layout.h"
#include "ui/menu/menu_look.h"
#include "ui/menu/ui_menu.h"
#include "ui/window/ui_window.h"

namespace tabulo::ui {

class MenuItem;
class MenuWindow;
class ResourcePackage;

inline constexpr wchar_t kMenuFlagsProperty[] = L"Orb_Wnd_Flags";
inline constexpr wchar_t kMenuHostProperty[] = L"Orb_DirectUI_Host";
inline constexpr wchar_t kMenuEventProperty[] = L"Orb_DirectUI_Event";
inline constexpr wchar_t kMenuSubProperty[] = L"Orb_DirectUI_Sub";
inline constexpr wchar_t kMenuActProperty[] = L"Orb_DirectUI_Act";

// What a chosen item does, kept until the chain has closed.
struct MenuChoice {
  bool sendsCommand = true;
  int command = 0;
  std::function<void()> callback;
};

class MenuChain {
 public:
  MenuChain(HWND owner, UiControl* eventControl);
  MenuChain(const MenuChain&) = delete;
  MenuChain& operator=(const MenuChain&) = delete;

  [[nodiscard]] HWND Owner() const { return owner_; }
  [[nodiscard]] UiControl* EventControl() const { return eventControl_; }
  [[nodiscard]] HWND Top() const;
  [[nodiscard]] MenuWindow* Innermost() const;
  [[nodiscard]] bool Contains(HWND window) const;

  void SetTop(MenuWindow* top) { top_ = top; }

  // Remembers the choice, hides the chain and asks its top window to close.
  void Choose(MenuChoice choice);
  // Destroys every window of the chain, innermost first.
  void CloseAll();
  // A closed sub-menu, freed at the next Bury.
  void Retire(std::unique_ptr<MenuWindow> window);
  void Bury();

  // The loop's message filter; true when the message was consumed.
  bool Intercept(MSG& msg);

  // After the chain has closed: sends the command or calls the callback.
  void DeliverChoice();

 private:
  HWND owner_;
  UiControl* eventControl_;
  HWND eventHost_ = nullptr;  // to check the event control is still alive
  MenuWindow* top_ = nullptr;
  std::optional<MenuChoice> choice_;
  std::vector<std::unique_ptr<MenuWindow>> retired_;  // last: freed first
};

class MenuWindow {
 public:
  MenuWindow(UiMenu& menu, MenuChain& chain, MenuWindow* parent);
  MenuWindow(const MenuWindow&) = delete;
  MenuWindow& operator=(const MenuWindow&) = delete;
  ~MenuWindow();

  // Builds the window at a screen point (top-level) or beside an item of
  // the parent (screen rectangle), and shows it. False when it could not be
  // made.
  [[nodiscard]] bool Open(std::shared_ptr<const ResourcePackage> package, std::optional<Point> at,
                          std::optional<Rect> parentItem, bool selectFirst);
  // Runs the modal loop until the window is gone (top menu only).
  void RunLoop();
  // Destroys the open sub-menus and this window.
  void Close();

  [[nodiscard]] HWND Handle() const { return ui_.WindowHandle(); }
  [[nodiscard]] UiMenu& Menu() { return menu_; }
  [[nodiscard]] MenuWindow* Parent() const { return parent_; }
  [[nodiscard]] MenuWindow* OpenSubMenu() const { return sub_.get(); }

  // --- what the items ask ---------------------------------------------------
  [[nodiscard]] const UiMenu::Item& ItemData(int index) const { return items_[index]; }
  [[nodiscard]] const MenuLook& Look() const { return look_; }
  [[nodiscard]] const ResourcePackage* Package() const { return package_.get(); }
  [[nodiscard]] const Gdiplus::Font* Font() const { return menu_.Font(); }
  [[nodiscard]] const Gdiplus::StringFormat* TextFormat() const { return format_.get(); }
  [[nodiscard]] Gdiplus::Bitmap* Icon(int index) const { return icons_[index].get(); }
  [[nodiscard]] int ArrowRoom() const { return arrowRoom_; }
  [[nodiscard]] bool IsHot(const MenuItem& item) const { return current_ == &item || act_ == &item; }

  // --- what the items report --------------------------------------------------
  void OnItemEntered(MenuItem& item);
  void OnItemLeft(MenuItem& item);
  void OnItemClicked(MenuItem& item);

  // Keys reaching the menu (the innermost one of its chain).
  void HandleKey(WPARAM key);
  void HandleChar(WPARAM character);

  // Closes the open sub-menu, if any.
  void CloseSubMenu();

 private:
  // The steps of Open: take the menu's items and the look of the package,
  // measure and lay them out, place and create the window, bind it to the
  // engine, create one control per visible item and show the window.
  void TakeItems(std::shared_ptr<const ResourcePackage> package);
  [[nodiscard]] static Point CursorPosition();
  [[nodiscard]] DpiScale ScaleAt(Point at) const;
  [[nodiscard]] std::optional<MenuLayout> LayOut();
  [[nodiscard]] std::vector<MenuItemMeasure> Measure(Gdiplus::Graphics& graphics, const Gdiplus::Font* font) const;
  [[nodiscard]] Rect Place(Size window, std::optional<Point> at, std::optional<Rect> parentItem) const;
  [[nodiscard]] static HWND CreateMenuWindow(const Rect& placed, HWND owner);
  [[nodiscard]] bool BindEngine(HWND window);
  void CreateItems(const std::vector<Rect>& places);
  void ShowWithoutActivation();
  void SetProperties();
  void SetCurrent(MenuItem* item);
  void Activate(MenuItem& item, bool byKeyboard);
  void OpenSubMenuOf(MenuItem& item, bool selectFirst);
  void RestartHoverTimer();
  void KillHoverTimer();
  void HoverStep();
  void MoveSelection(int direction);
  [[nodiscard]] bool Selectable(const MenuItem& item) const;
  [[nodiscard]] MenuItem* ItemAtScreen(POINT cursor) const;
  [[nodiscard]] MenuItem* ItemAtClient(Point point) const;
  [[nodiscard]] std::optional<LRESULT> Hook(UINT message, WPARAM wParam, LPARAM lParam);

  UiMenu& menu_;
  MenuChain& chain_;
  MenuWindow* parent_;
  UiWindow ui_;
  // The scale the menu is drawn at: the owner's, or the monitor's where it
  // opens; a sub-menu takes its parent's. Laid out in units, placed in
  // pixels.
  DpiScale scale_;
  std::shared_ptr<const ResourcePackage> package_;
  MenuLook look_;
  std::vector<UiMenu::Item> items_;                        // a copy taken at opening
  std::vector<std::unique_ptr<Gdiplus::Bitmap>> icons_;    // per item, null when none
  std::vector<std::unique_ptr<MenuItem>> controls_;        // per visible item
  GdiplusPtr<Gdiplus::StringFormat> format_;
  int arrowRoom_ = 0;
  MenuItem* current_ = nullptr;  // hot by mouse or keyboard
  MenuItem* act_ = nullptr;      // the item whose sub-menu is open
  MenuItem* pressed_ = nullptr;  // where the left button went down
  std::unique_ptr<MenuWindow> sub_;
  bool hoverTimer_ = false;
  bool marksMenuOpen_ = false;  // this window set the menu's open flag
};

}  // namespace tabulo::ui
