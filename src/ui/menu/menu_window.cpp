// MenuWindow and MenuChain: the windows of an open menu, their loop and
// their mouse, keyboard and hover behaviour.
#include "ui/menu/menu_window.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "base/text/utf8.h"
#include "base/win/dpi.h"
#include "base/win/geometry_win.h"
#include "base/win/wide_text.h"
#include "ui/accessibility/window_accessible.h"
#include "ui/canvas/drawing.h"
#include "ui/control/accessible_events.h"
#include "ui/engine/engine_state.h"
#include "ui/menu/menu_item.h"
#include "ui/skin/resource_package.h"
#include "ui/skin/skin_image.h"
#include "ui/skin/window_skin_values.h"

namespace tabulo::ui {
namespace {

// The part of the monitor under a point that windows may cover; the
// primary's when the system says nothing.
Rect WorkAreaAt(Point point) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(MonitorFromPoint(ToPOINT(point), MONITOR_DEFAULTTONEAREST), &info)) return WorkArea();
  return FromRECT(info.rcWork);
}

// Room for the sub-menu arrow at the right of every item of a menu that
// has a sub-menu.
constexpr int kArrowRoom = 16;

bool IsButtonPress(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
      return true;
    default:
      return false;
  }
}

HANDLE AsProperty(const void* value) { return reinterpret_cast<HANDLE>(const_cast<void*>(value)); }

void RemoveChainProperties(HWND window) {
  for (const wchar_t* name : {kMenuFlagsProperty, kMenuHostProperty, kMenuEventProperty, kMenuSubProperty,
                              kMenuActProperty}) {
    RemovePropW(window, name);
  }
}

GdiplusPtr<Gdiplus::StringFormat> MenuTextFormat() {
  auto format = MakeGdiplus<Gdiplus::StringFormat>(Gdiplus::StringFormatFlagsNoClip);
  if (!format) return format;
  format->SetAlignment(Gdiplus::StringAlignmentNear);
  format->SetLineAlignment(Gdiplus::StringAlignmentCenter);
  format->SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
  format->SetHotkeyPrefix(Gdiplus::HotkeyPrefixShow);
  return format;
}

}  // namespace

// --- MenuChain ---------------------------------------------------------------------

MenuChain::MenuChain(HWND owner, UiControl* eventControl) : owner_(owner), eventControl_(eventControl) {
  if (eventControl_) eventHost_ = eventControl_->HostWindowHandle();
}

HWND MenuChain::Top() const { return top_ ? top_->Handle() : nullptr; }

MenuWindow* MenuChain::Innermost() const {
  MenuWindow* window = top_;
  while (window && window->OpenSubMenu() && window->OpenSubMenu()->Handle()) window = window->OpenSubMenu();
  return window && window->Handle() ? window : nullptr;
}

bool MenuChain::Contains(HWND window) const {
  if (!window) return false;
  for (MenuWindow* w = top_; w; w = w->OpenSubMenu()) {
    if (w->Handle() && (w->Handle() == window || IsChild(w->Handle(), window))) return true;
  }
  return false;
}

void MenuChain::Choose(MenuChoice choice) {
  choice_ = std::move(choice);
  for (MenuWindow* w = top_; w; w = w->OpenSubMenu()) {
    if (w->Handle()) ShowWindow(w->Handle(), SW_HIDE);
  }
  if (HWND top = Top()) PostMessageW(top, WM_CLOSE, 0, 0);
}

void MenuChain::CloseAll() {
  if (top_) top_->Close();
}

void MenuChain::Retire(std::unique_ptr<MenuWindow> window) {
  if (window) retired_.push_back(std::move(window));
}

void MenuChain::Bury() {
  // Destroying one may retire others (its own sub-menus): take them out first.
  while (!retired_.empty()) {
    std::vector<std::unique_ptr<MenuWindow>> now;
    now.swap(retired_);
    now.clear();
  }
}

bool MenuChain::Intercept(MSG& msg) {
  MenuWindow* innermost = Innermost();
  if (!innermost) return false;
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      TranslateMessage(&msg);  // for the access keys' WM_CHAR
      innermost->HandleKey(msg.wParam);
      return true;
    case WM_CHAR:
    case WM_SYSCHAR:
      innermost->HandleChar(msg.wParam);
      return true;
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_DEADCHAR:
    case WM_SYSDEADCHAR:
      return true;
    default:
      break;
  }
  if (IsButtonPress(msg.message) && !Contains(msg.hwnd)) {
    // A press anywhere else in the program dismisses the menu, and only
    // does that: the window under it does not act on it.
    CloseAll();
    return true;
  }
  return false;
}

void MenuChain::DeliverChoice() {
  if (!choice_) return;
  const MenuChoice choice = std::move(*choice_);
  choice_.reset();
  if (!choice.sendsCommand) {
    if (choice.callback) choice.callback();
    return;
  }
  if (eventControl_) {
    // The control may have gone while the menu was open.
    UiWindow* host = UiWindow::FromHandle(eventHost_);
    if (host && host->OwnsControl(eventControl_)) {
      eventControl_->HandleMessage(WM_COMMAND, static_cast<WPARAM>(choice.command), 0);
    }
    return;
  }
  if (IsWindow(owner_)) SendMessageW(owner_, WM_COMMAND, static_cast<WPARAM>(choice.command), 0);
}

// --- MenuWindow: opening and closing ----------------------------------------------

MenuWindow::MenuWindow(UiMenu& menu, MenuChain& chain, MenuWindow* parent)
    : menu_(menu), chain_(chain), parent_(parent) {}

MenuWindow::~MenuWindow() { Close(); }

bool MenuWindow::Open(std::shared_ptr<const ResourcePackage> package, std::optional<Point> at,
                      std::optional<Rect> parentItem, bool selectFirst) {
  TakeItems(std::move(package));
  if (parent_) {
    scale_ = parent_->scale_;
  } else {
    if (!at) at = CursorPosition();
    scale_ = ScaleAt(*at);
  }
  const std::optional<MenuLayout> layout = LayOut();
  if (!layout) return false;
  // A sub-menu opens beside its item and is owned by its parent menu.
  HWND owner = parentItem && parent_ ? parent_->Handle() : chain_.Owner();
  HWND window = CreateMenuWindow(Place(layout->window, at, parentItem), owner);
  if (!window || !BindEngine(window)) return false;
  if (!parent_) chain_.SetTop(this);
  SetProperties();
  CreateItems(layout->items);
  menu_.open_ = true;
  marksMenuOpen_ = true;
  if (selectFirst) MoveSelection(1);
  if (menu_.shown_) menu_.shown_(menu_, window);
  // The application's handler may have closed the menu.
  if (!Handle()) return false;
  ShowWithoutActivation();
  if (!Handle()) return false;
  NotifyWinEvent(EVENT_SYSTEM_MENUPOPUPSTART, Handle(), OBJID_CLIENT, CHILDID_SELF);
  return true;
}

void MenuWindow::TakeItems(std::shared_ptr<const ResourcePackage> package) {
  package_ = std::move(package);
  look_ = ReadMenuLook(package_ ? &package_->Table() : nullptr);
  items_ = menu_.items_;
  format_ = MenuTextFormat();
  icons_.clear();
  for (const UiMenu::Item& item : items_) icons_.push_back(LoadBitmapFromBytes(item.icon));
}

Point MenuWindow::CursorPosition() {
  POINT cursor{};
  GetCursorPos(&cursor);
  return {cursor.x, cursor.y};
}

DpiScale MenuWindow::ScaleAt(Point at) const {
  // The owner's scale where the menu opens on the owner's monitor (it may
  // draw at a scale of its own choosing); elsewhere the monitor's.
  HMONITOR monitor = MonitorFromPoint(ToPOINT(at), MONITOR_DEFAULTTONEAREST);
  HWND owner = chain_.Owner();
  const UiWindow* window = UiWindow::FromHandle(owner);
  if (window && MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST) == monitor) return window->Scale();
  return DpiScale(MonitorDpi(monitor));
}

std::optional<MenuLayout> MenuWindow::LayOut() {
  const Gdiplus::Font* font = menu_.Font();
  if (!font || !format_) return std::nullopt;
  arrowRoom_ = kArrowRoom;
  // Measured in units under the menu's scale, so the text is measured at
  // the size it is drawn (GDI+ lays a scaled font out a little wider).
  Gdiplus::Bitmap scratch(1, 1, PixelFormat32bppPARGB);
  Gdiplus::Graphics graphics(&scratch);
  if (!scale_.IsIdentity()) graphics.ScaleTransform(scale_.Factor(), scale_.Factor());
  MenuMetrics metrics;
  metrics.fontHeight = FontHeight(font, &graphics);
  metrics.minimumWidth = menu_.MinimumWidth();
  metrics.leftText = look_.leftText;
  metrics.arrowRoom = arrowRoom_;
  metrics.margin = look_.margin;
  return LayOutMenu(Measure(graphics, font), metrics);
}

Rect MenuWindow::Place(Size window, std::optional<Point> at, std::optional<Rect> parentItem) const {
  // Laid out in units, placed in the screen's pixels.
  const Size pixels = scale_.ToPixels(window);
  const MenuMargin margin = ScaledMargin(look_.margin, window, scale_);
  Point position;
  if (parentItem && parent_) {
    const Rect parentWindow = WindowRectOf(parent_->Handle());
    const MenuMargin parentMargin =
        ScaledMargin(parent_->look_.margin, parent_->ui_.ClientSize(), parent_->scale_);
    position = PlaceSubMenu(parentWindow, parentMargin, *parentItem, pixels, margin,
                            WorkAreaAt({parentItem->x, parentItem->y}));
  } else {
    const Point point = at.value_or(CursorPosition());
    position = PlaceMenu(point, pixels, margin, WorkAreaAt(point));
  }
  return {position.x, position.y, pixels.width, pixels.height};
}

HWND MenuWindow::CreateMenuWindow(const Rect& placed, HWND owner) {
  return CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kDefaultWindowClass, L"", WS_POPUP, placed.x, placed.y,
                         placed.width, placed.height, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
}

bool MenuWindow::BindEngine(HWND window) {
  BindOptions options;
  options.dpi = scale_.dpi();
  options.captionButtons = kNoCaptionButtons;
  options.alpha = 255;
  options.dragAnywhere = false;
  options.sizeBox = false;
  options.backgroundColour = look_.background;
  options.shadowElement = kMenuElement;
  if (!ui_.Bind(window, options)) {
    DestroyWindow(window);
    return false;
  }
  ui_.ApplySkin({}, {}, package_, true);
  SetClientRole(window, AccessibleRole::kMenuPopup);
  ui_.SetMessageHook([this](HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    return Hook(message, wParam, lParam);
  });
  return true;
}

void MenuWindow::CreateItems(const std::vector<Rect>& places) {
  controls_.clear();
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].state & kMenuItemHidden) continue;
    auto control = std::make_unique<MenuItem>(*this, static_cast<int>(i));
    if (!control->Create(Handle(), places[i], (items_[i].state & kMenuItemDisabled) != 0)) continue;
    controls_.push_back(std::move(control));
  }
}

// Shown without taking the activation, like the system's menus: the owner
// keeps the keyboard focus (the loop hands the keys to the menu), and
// destroying an active window makes Wine wait for the X server.
void MenuWindow::ShowWithoutActivation() {
  ui_.ComposeAll(false);
  ui_.ApplyShape();
  ShowWindow(Handle(), SW_SHOWNA);
}

std::vector<MenuItemMeasure> MenuWindow::Measure(Gdiplus::Graphics& graphics, const Gdiplus::Font* font) const {
  graphics.SetTextRenderingHint(Engine().defaultTextRenderingHint);
  std::vector<MenuItemMeasure> measures;
  measures.reserve(items_.size());
  for (const UiMenu::Item& item : items_) {
    MenuItemMeasure m;
    m.separator = item.separator;
    m.opensSubMenu = item.subMenu != nullptr;
    m.state = item.state;
    if (!item.separator && !item.text.empty()) {
      const RectF box = MeasureText(&graphics, Wide(item.text), font, {0, 0, 4096, 256}, format_.get());
      m.text = {box.width, box.height};
    }
    measures.push_back(m);
  }
  return measures;
}

void MenuWindow::SetProperties() {
  HWND window = Handle();
  SetPropW(window, kMenuFlagsProperty, AsProperty(reinterpret_cast<void*>(1)));
  SetPropW(window, kMenuHostProperty, AsProperty(chain_.Top()));
  if (!parent_ && chain_.EventControl()) SetPropW(window, kMenuEventProperty, AsProperty(chain_.EventControl()));
  if (parent_ && parent_->Handle()) SetPropW(parent_->Handle(), kMenuSubProperty, AsProperty(window));
}

void MenuWindow::Close() {
  if (sub_) {
    sub_->Close();
    chain_.Retire(std::move(sub_));
  }
  act_ = nullptr;
  current_ = nullptr;
  pressed_ = nullptr;
  if (marksMenuOpen_) {
    marksMenuOpen_ = false;
    menu_.open_ = false;
  }
  HWND window = Handle();
  if (!window) return;
  KillHoverTimer();
  NotifyWinEvent(EVENT_SYSTEM_MENUPOPUPEND, window, OBJID_CLIENT, CHILDID_SELF);
  RemoveChainProperties(window);
  SetClientRole(window, std::nullopt);
  DestroyWindow(window);
}

void MenuWindow::CloseSubMenu() {
  if (!sub_) return;
  MenuItem* act = act_;
  sub_->Close();
  chain_.Retire(std::move(sub_));
  act_ = nullptr;
  if (HWND window = Handle()) {
    RemovePropW(window, kMenuSubProperty);
    RemovePropW(window, kMenuActProperty);
  }
  if (act && act != current_) act->Invalidate();
}

void MenuWindow::RunLoop() {
  MSG msg{};
  while (Handle()) {
    chain_.Bury();
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      // The program is ending: close the menu and leave the quit to the
      // outer loops.
      chain_.CloseAll();
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got < 0) break;
    if (chain_.Intercept(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  chain_.Bury();
}

std::optional<LRESULT> MenuWindow::Hook(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    // Presses are handled here rather than by the engine's routing, which
    // would focus (and so activate) the menu window: an item is chosen
    // when the button is let go over the item it went down on.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = ItemAtClient({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_LBUTTONUP: {
      MenuItem* item = ItemAtClient({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      MenuItem* pressed = std::exchange(pressed_, nullptr);
      if (item && item == pressed) OnItemClicked(*item);
      return 0;
    }
    case WM_CLOSE:
      // Closing the top window closes the whole chain; closing a sub-menu
      // closes that sub-menu (and what hangs below it).
      if (!parent_) {
        chain_.CloseAll();
      } else {
        parent_->CloseSubMenu();
      }
      return 0;
    case WM_ACTIVATEAPP:
      if (!wParam) chain_.CloseAll();
      return std::nullopt;
    case WM_TIMER:
      if (wParam != kMenuHoverTimerId) return std::nullopt;
      HoverStep();
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    default:
      return std::nullopt;
  }
}

// --- MenuWindow: items -------------------------------------------------------------

void MenuWindow::SetCurrent(MenuItem* item) {
  if (current_ == item) return;
  MenuItem* old = current_;
  current_ = item;
  if (old) old->Invalidate();
  if (!item) return;
  item->Invalidate();
  // The highlight is where a screen reader follows the menu.
  AnnounceFocus(*item);
}

bool MenuWindow::Selectable(const MenuItem& item) const {
  return !item.Disabled() && !items_[item.Index()].separator;
}

void MenuWindow::OnItemEntered(MenuItem& item) {
  if (!Selectable(item)) return;
  SetCurrent(&item);
  RestartHoverTimer();
}

void MenuWindow::OnItemLeft(MenuItem& item) {
  if (!sub_ && current_ == &item) current_ = nullptr;
  item.Invalidate();
}

void MenuWindow::OnItemClicked(MenuItem& item) { Activate(item, false); }

void MenuWindow::Activate(MenuItem& item, bool byKeyboard) {
  if (!Selectable(item)) return;
  const UiMenu::Item& data = items_[item.Index()];
  if (data.subMenu) {
    if (sub_ && act_ == &item) {
      if (byKeyboard) sub_->MoveSelection(1);
      return;
    }
    CloseSubMenu();
    KillHoverTimer();
    SetCurrent(&item);
    OpenSubMenuOf(item, byKeyboard);
    return;
  }
  chain_.Choose({data.sendsCommand, data.command, data.callback});
}

void MenuWindow::OpenSubMenuOf(MenuItem& item, bool selectFirst) {
  UiMenu* menu = items_[item.Index()].subMenu;
  // A menu already on screen (a sub-menu that contains its own ancestor)
  // is not opened a second time.
  if (!menu || menu->IsOpen() || sub_) return;
  const Rect abs = scale_.ToPixels(item.AbsoluteRect());
  const Rect window = WindowRectOf(Handle());
  auto sub = std::make_unique<MenuWindow>(*menu, chain_, this);
  act_ = &item;
  SetPropW(Handle(), kMenuActProperty, AsProperty(&item));
  MenuWindow* opening = sub.get();
  sub_ = std::move(sub);
  if (!opening->Open(package_, std::nullopt, Rect{window.x + abs.x, window.y + abs.y, abs.width, abs.height},
                     selectFirst)) {
    CloseSubMenu();
  }
}

void MenuWindow::RestartHoverTimer() {
  if (!Handle()) return;
  hoverTimer_ = ::SetTimer(Handle(), kMenuHoverTimerId, kMenuHoverDelayMs, nullptr) != 0;
}

void MenuWindow::KillHoverTimer() {
  if (!hoverTimer_) return;
  hoverTimer_ = false;
  if (Handle()) ::KillTimer(Handle(), kMenuHoverTimerId);
}

MenuItem* MenuWindow::ItemAtScreen(POINT cursor) const {
  ScreenToClient(Handle(), &cursor);
  return ItemAtClient(scale_.ToUnits(FromPOINT(cursor)));
}

MenuItem* MenuWindow::ItemAtClient(Point point) const {
  const UiControl* control = ui_.ControlAt(point);
  for (const auto& item : controls_) {
    if (item.get() == control) return item.get();
  }
  return nullptr;
}

void MenuWindow::HoverStep() {
  POINT cursor{};
  GetCursorPos(&cursor);
  const bool over = WindowFromPoint(cursor) == Handle();
  MenuItem* item = over ? ItemAtScreen(cursor) : nullptr;
  MenuHoverInput in;
  in.subMenuOpen = sub_ != nullptr;
  in.cursorOverThisMenu = over;
  in.itemUnderCursor = item ? item->Index() : -1;
  in.itemWithOpenSubMenu = act_ ? act_->Index() : -1;
  in.itemUnderCursorOpensSubMenu = item && Selectable(*item) && items_[item->Index()].subMenu != nullptr;
  switch (ui::HoverStep(in)) {
    case MenuHoverAction::KeepOpenItemHighlighted:
      SetCurrent(act_);
      break;
    case MenuHoverAction::CloseSubMenu:
      CloseSubMenu();
      break;
    case MenuHoverAction::OpenSubMenu:
      KillHoverTimer();
      SetCurrent(item);
      OpenSubMenuOf(*item, false);
      break;
    case MenuHoverAction::None:
      if (!sub_) KillHoverTimer();
      break;
  }
}

// --- MenuWindow: keyboard ------------------------------------------------------------

void MenuWindow::MoveSelection(int direction) {
  if (controls_.empty()) return;
  const int n = static_cast<int>(controls_.size());
  int at = -1;
  for (int i = 0; i < n; ++i) {
    if (controls_[i].get() == current_) at = i;
  }
  if (at < 0 && direction < 0) at = 0;
  for (int step = 1; step <= n; ++step) {
    MenuItem& candidate = *controls_[((at + direction * step) % n + n) % n];
    if (Selectable(candidate)) {
      SetCurrent(&candidate);
      return;
    }
  }
}

void MenuWindow::HandleKey(WPARAM key) {
  switch (key) {
    case VK_UP:
      MoveSelection(-1);
      break;
    case VK_DOWN:
      MoveSelection(1);
      break;
    case VK_RIGHT:
      if (current_ && items_[current_->Index()].subMenu) Activate(*current_, true);
      break;
    case VK_LEFT:
      if (parent_) parent_->CloseSubMenu();
      break;
    case VK_ESCAPE:
      if (parent_) {
        parent_->CloseSubMenu();
      } else {
        chain_.CloseAll();
      }
      break;
    case VK_RETURN:
    case VK_SPACE:
      if (current_) Activate(*current_, true);
      break;
    default:
      break;
  }
}

void MenuWindow::HandleChar(WPARAM character) {
  const char32_t typed = FoldAccessKey(static_cast<char32_t>(character));
  if (typed == 0) return;
  for (const auto& item : controls_) {
    if (!Selectable(*item) || MenuAccessKey(items_[item->Index()].text) != typed) continue;
    SetCurrent(item.get());
    Activate(*item, true);
    return;
  }
}

}  // namespace tabulo::ui
