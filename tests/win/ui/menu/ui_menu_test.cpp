// Popup menus as real windows: choosing by keyboard and by mouse, the
// command or callback arriving only after every menu window has gone,
// dismissal by a click outside and by Esc, sub-menus opened by hovering,
// placement at the bottom-right corner of the work area, and the menu as a
// screen reader reads and uses it.
//
// Popup is modal, so each test drives the open menu from inside: the
// menu-shown callback posts input to the menu window, or starts a script of
// timed steps that run on thread timers inside the menu's loop.
#include <windows.h>
#include <oleacc.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <vector>

#include "base/win/com_ptr.h"
#include "base/win/geometry_win.h"
#include "base/win/wide_text.h"
#include "support/solid_bmp.h"
#include "ui/accessibility/spoken_language.h"
#include "ui/menu/menu_item.h"
#include "ui/menu/menu_window.h"
#include "ui/menu/ui_menu.h"
#include "win/ui/accessibility/accessibility_probe.h"
#include "win/ui/engine_fixture.h"
#include "win/ui/window_at_dpi.h"

namespace tabulo::ui::testing {
namespace {

// Menu windows of this thread still on screen or not yet destroyed.
int OpenMenuWindows() {
  int count = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM counter) {
        if (GetPropW(window, kMenuFlagsProperty)) ++*reinterpret_cast<int*>(counter);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

// The MenuItem controls of a menu window, top to bottom.
std::vector<UiControl*> Items(HWND menuWindow) {
  UiWindow* window = UiWindow::FromHandle(menuWindow);
  if (!window) return {};
  return window->Children();
}

// An item's rectangle in the menu window's client pixels.
Rect PixelsOf(HWND menuWindow, int item) {
  const UiWindow* window = UiWindow::FromHandle(menuWindow);
  return window->Scale().ToPixels(Items(menuWindow).at(item)->AbsoluteRect());
}

POINT Centre(HWND menuWindow, int item) {
  const Rect r = PixelsOf(menuWindow, item);
  return {r.x + r.width / 2, r.y + r.height / 2};
}

void PostKey(HWND window, WPARAM key) {
  PostMessageW(window, WM_KEYDOWN, key, 1);
  PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

// Moves the real cursor over an item (the hover timer reads it) and tells
// the window, as the mouse would.
void HoverItem(HWND menuWindow, int item) {
  POINT p = Centre(menuWindow, item);
  POINT screen = p;
  ClientToScreen(menuWindow, &screen);
  SetCursorPos(screen.x, screen.y);
  PostMessageW(menuWindow, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
}

void ClickItem(HWND menuWindow, int item) {
  HoverItem(menuWindow, item);
  const POINT p = Centre(menuWindow, item);
  PostMessageW(menuWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  PostMessageW(menuWindow, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
}

// Timed steps run by thread timers: they fire inside whatever loop runs.
// Steps of every live script share one table, keyed by timer id.
class Script {
 public:
  Script() = default;
  Script(const Script&) = delete;
  Script& operator=(const Script&) = delete;
  ~Script() {
    for (UINT_PTR id : timers_) {
      KillTimer(nullptr, id);
      Steps().erase(id);
    }
  }
  void After(UINT ms, std::function<void()> step) {
    const UINT_PTR id = SetTimer(nullptr, 0, ms, &Script::Fire);
    timers_.push_back(id);
    Steps()[id] = std::move(step);
  }

 private:
  static std::map<UINT_PTR, std::function<void()>>& Steps() {
    static std::map<UINT_PTR, std::function<void()>> steps;
    return steps;
  }
  static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    const auto it = Steps().find(id);
    if (it == Steps().end() || !it->second) return;
    const std::function<void()> run = std::move(it->second);
    it->second = nullptr;
    run();
  }
  std::vector<UINT_PTR> timers_;
};

class UiMenuTest : public BoundWindowTest {
 protected:
  void SetUp() override {
    BoundWindowTest::SetUp();
    Bind({}, 300, 200);
    ShowWindow(hwnd, SW_SHOWNA);
    window.Bind(WM_COMMAND, [this](const EventArgs& e) {
      commands.push_back(static_cast<int>(e.wParam));
      menuWindowsAtCommand = OpenMenuWindows();
      return true;
    });
  }
  void TearDown() override {
    EXPECT_EQ(OpenMenuWindows(), 0) << "a menu window outlived its Popup";
    BoundWindowTest::TearDown();
  }

  // A safety net: a menu the test failed to close is closed after a while,
  // so a broken test fails instead of hanging.
  void Popup(UiMenu& menu, std::optional<Point> at = Point{150, 150}) { PopupFor(window, menu, at); }
  void PopupFor(UiWindow& owner, UiMenu& menu, std::optional<Point> at) {
    Script guard;
    guard.After(8000, [] {
      EnumThreadWindows(
          GetCurrentThreadId(),
          [](HWND w, LPARAM) {
            if (GetPropW(w, kMenuHostProperty) == w) PostMessageW(w, WM_CLOSE, 0, 0);  // the top menu
            return TRUE;
          },
          0);
    });
    menu.Popup(owner, at);
  }

  std::vector<int> commands;
  int menuWindowsAtCommand = -1;
};

TEST_F(UiMenuTest, KeyboardChoiceSkipsSeparatorsAndDisabledItemsAndArrivesAfterTheMenuClosed) {
  UiMenu menu;
  menu.AddCommand("&One", 11);
  menu.AddSeparator();
  menu.AddCommand("Two", 12, kMenuItemDisabled);
  menu.AddCommand("Hidden", 14, kMenuItemHidden);
  menu.AddCommand("Th&ree", 13);
  HWND shown = nullptr;
  menu.SetShownCallback([&](UiMenu&, HWND menuWindow) {
    shown = menuWindow;
    EXPECT_EQ(Items(menuWindow).size(), 4u) << "the hidden item has no control";
    PostKey(menuWindow, VK_DOWN);  // One
    PostKey(menuWindow, VK_DOWN);  // Three
    PostKey(menuWindow, VK_RETURN);
  });
  Popup(menu);
  ASSERT_NE(shown, nullptr);
  EXPECT_FALSE(IsWindow(shown));
  EXPECT_EQ(commands, (std::vector<int>{13}));
  EXPECT_EQ(menuWindowsAtCommand, 0);
}

TEST_F(UiMenuTest, AccessKeyChoosesItsItem) {
  UiMenu menu;
  menu.AddCommand("&One", 11);
  menu.AddCommand("Th&ree", 13);
  menu.SetShownCallback([&](UiMenu&, HWND menuWindow) { PostMessageW(menuWindow, WM_CHAR, 'R', 1); });
  Popup(menu);
  EXPECT_EQ(commands, (std::vector<int>{13}));
}

TEST_F(UiMenuTest, MouseClickRunsTheCallbackAfterTheMenuClosed) {
  UiMenu menu;
  int calls = 0;
  int windowsAtCall = -1;
  menu.AddCommand("First", 1);
  menu.AddCallback("Second", [&] {
    ++calls;
    windowsAtCall = OpenMenuWindows();
  });
  menu.SetShownCallback([&](UiMenu&, HWND menuWindow) { ClickItem(menuWindow, 1); });
  Popup(menu);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(windowsAtCall, 0);
  EXPECT_TRUE(commands.empty());
}

TEST_F(UiMenuTest, AClickOutsideOrEscClosesWithoutChoosing) {
  int ownerPresses = 0;
  window.Bind(WM_LBUTTONDOWN, [&](const EventArgs&) {
    ++ownerPresses;
    return true;
  });
  struct Case {
    const char* name;
    std::function<void(HWND owner, HWND menu)> dismiss;
  };
  const Case kCases[] = {
      {"click on the owner", [](HWND owner, HWND) { PostMessageW(owner, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5)); }},
      {"right click on the owner", [](HWND owner, HWND) { PostMessageW(owner, WM_RBUTTONDOWN, MK_RBUTTON, At(5, 5)); }},
      {"Esc", [](HWND, HWND menu) { PostKey(menu, VK_ESCAPE); }},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    UiMenu menu;
    menu.AddCommand("One", 11);
    bool closed = false;
    menu.SetClosedCallback([&](UiMenu&) { closed = true; });
    menu.SetShownCallback([&](UiMenu&, HWND menuWindow) {
      PostKey(menuWindow, VK_DOWN);  // something is selected: closing must still choose nothing
      c.dismiss(hwnd, menuWindow);
    });
    const DWORD start = GetTickCount();
    Popup(menu);
    EXPECT_LT(GetTickCount() - start, 4000u) << "closed by the test, not by the safety net";
    EXPECT_TRUE(closed);
  }
  EXPECT_TRUE(commands.empty());
  EXPECT_EQ(ownerPresses, 0) << "the dismissing click is not passed on";
}

TEST_F(UiMenuTest, HoveringOpensASubMenuAfterTheDelayAndItsChoiceClosesTheWholeChain) {
  UiMenu sub;
  sub.AddCommand("Inner", 21);
  UiMenu menu;
  menu.AddCommand("Plain", 11);
  menu.AddSubMenu("More", sub);
  HWND top = nullptr;
  DWORD hoverStart = 0, subOpened = 0;
  menu.SetShownCallback([&](UiMenu&, HWND menuWindow) {
    top = menuWindow;
    hoverStart = GetTickCount();
    HoverItem(menuWindow, 1);
  });
  sub.SetShownCallback([&](UiMenu&, HWND subWindow) {
    subOpened = GetTickCount();
    // The chain's window properties tie the two together.
    EXPECT_EQ(GetPropW(subWindow, kMenuHostProperty), top);
    EXPECT_EQ(GetPropW(subWindow, kMenuFlagsProperty), reinterpret_cast<HANDLE>(1));
    EXPECT_EQ(GetPropW(top, kMenuSubProperty), subWindow);
    EXPECT_EQ(GetPropW(top, kMenuActProperty), reinterpret_cast<HANDLE>(Items(top).at(1)));
    RECT t{}, s{};
    GetWindowRect(top, &t);
    GetWindowRect(subWindow, &s);
    EXPECT_GT(s.left, t.left) << "opens to the right of its parent";
    ClickItem(subWindow, 0);
  });
  Popup(menu);
  ASSERT_NE(subOpened, 0u);
  EXPECT_GE(subOpened - hoverStart, 250u);
  EXPECT_EQ(commands, (std::vector<int>{21}));
  EXPECT_EQ(menuWindowsAtCommand, 0);
}

TEST_F(UiMenuTest, MovingOnBeforeTheDelayOpensNoSubMenu) {
  UiMenu sub;
  sub.AddCommand("Inner", 21);
  UiMenu menu;
  menu.AddSubMenu("More", sub);
  menu.AddCommand("Plain", 11);
  bool subShown = false;
  sub.SetShownCallback([&](UiMenu&, HWND) { subShown = true; });
  Script script;
  menu.SetShownCallback([&](UiMenu&, HWND menuWindow) {
    HoverItem(menuWindow, 0);
    script.After(120, [=] { HoverItem(menuWindow, 1); });
    script.After(900, [=] { PostKey(menuWindow, VK_ESCAPE); });
  });
  Popup(menu);
  EXPECT_FALSE(subShown);
}

TEST_F(UiMenuTest, KeyboardOpensAndLeavesASubMenu) {
  UiMenu sub;
  sub.AddCommand("Inner one", 21);
  sub.AddCommand("Inner two", 22);
  UiMenu menu;
  menu.AddSubMenu("More", sub);
  menu.AddCommand("Plain", 11);
  Script script;
  HWND top = nullptr;
  menu.SetShownCallback([&](UiMenu&, HWND menuWindow) {
    top = menuWindow;
    PostKey(menuWindow, VK_DOWN);
    PostKey(menuWindow, VK_RIGHT);  // opens with its first item selected
  });
  int subOpenings = 0;
  sub.SetShownCallback([&](UiMenu&, HWND subWindow) {
    if (++subOpenings == 1) {
      // Keys go to the innermost menu whichever window they were sent to;
      // these go to the top window, which outlives the sub-menu.
      PostKey(top, VK_LEFT);    // back to the top menu, which stays open
      PostKey(top, VK_RETURN);  // opens the sub-menu again
    } else {
      PostKey(subWindow, VK_DOWN);
      PostKey(subWindow, VK_RETURN);
    }
  });
  Popup(menu);
  EXPECT_EQ(subOpenings, 2);
  EXPECT_EQ(commands, (std::vector<int>{22}));
}

TEST_F(UiMenuTest, OpensUpAndLeftOfAPointNearTheWorkAreasBottomRightCorner) {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const Point at{work.right - 4, work.bottom - 3};
  UiMenu menu;
  menu.AddCommand("One", 1);
  menu.AddCommand("Two", 2, kMenuItemHidden);
  menu.AddCommand("Three", 3);
  RECT placed{};
  Rect body;
  menu.SetShownCallback([&](UiMenu&, HWND menuWindow) {
    GetWindowRect(menuWindow, &placed);
    const std::vector<UiControl*> items = Items(menuWindow);
    body = items.front()->AbsoluteRect();
    body.height = items.back()->AbsoluteRect().bottom() - body.y;
    EXPECT_EQ(items.back()->AbsoluteRect().y, items.front()->AbsoluteRect().bottom()) << "no gap for the hidden item";
    PostKey(menuWindow, VK_ESCAPE);
  });
  Popup(menu, at);
  EXPECT_EQ(placed.left + body.right(), at.x);
  EXPECT_EQ(placed.top + body.bottom(), at.y);
}

// The menu of an owner at 144 DPI is laid out in units and shown in pixels:
// its window is the 96-DPI menu's size scaled (the height exactly; the width
// within what measuring text at the larger size adds), the body's corner
// meets the point it opens at near the work area's corner, and resting on an
// item at its pixel centre opens that item's sub-menu beside it, its body's
// top on the item's top.
TEST_F(UiMenuTest, AtAScaleTheMenuIsItsLayoutInPixels) {
  UiMenu sub;
  sub.AddCommand("Inner", 21);
  UiMenu menu;
  menu.AddCommand("Plain", 11);
  menu.AddSubMenu("More", sub);
  menu.AddCommand("After", 12);
  menu.AddCommand("Last", 13);
  const auto sizeOf = [](HWND menuWindow) {
    RECT r{};
    GetWindowRect(menuWindow, &r);
    return Size{r.right - r.left, r.bottom - r.top};
  };
  Size at96;
  menu.SetShownCallback([&](UiMenu&, HWND menuWindow) {
    at96 = sizeOf(menuWindow);
    PostKey(menuWindow, VK_ESCAPE);
  });
  Popup(menu);
  ASSERT_GT(at96.height, 0);

  WindowAtDpi owner(144);
  ASSERT_TRUE(owner.Bound());
  ShowWindow(owner.Handle(), SW_SHOWNA);
  owner.Window().Bind(WM_COMMAND, [this](const EventArgs& e) {
    commands.push_back(static_cast<int>(e.wParam));
    return true;
  });
  const DpiScale scale(144);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const Point corner{work.right - 4, work.bottom - 3};
  Size at144;
  Rect placed, body;
  menu.SetShownCallback([&](UiMenu&, HWND menuWindow) {
    at144 = sizeOf(menuWindow);
    placed = WindowRectOf(menuWindow);
    body = PixelsOf(menuWindow, 0);
    body.height = PixelsOf(menuWindow, 3).bottom() - body.y;
    PostKey(menuWindow, VK_ESCAPE);
  });
  PopupFor(owner.Window(), menu, corner);
  EXPECT_EQ(at144.height, scale.Length(at96.height));
  EXPECT_NEAR(at144.width, scale.Length(at96.width), 4);
  EXPECT_EQ(placed.x + body.right(), corner.x);
  EXPECT_EQ(placed.y + body.bottom(), corner.y);

  Rect item, subBody;
  menu.SetShownCallback([&](UiMenu&, HWND menuWindow) {
    item = PixelsOf(menuWindow, 1).offset(WindowRectOf(menuWindow).x, WindowRectOf(menuWindow).y);
    HoverItem(menuWindow, 1);
  });
  sub.SetShownCallback([&](UiMenu&, HWND subWindow) {
    subBody = PixelsOf(subWindow, 0).offset(WindowRectOf(subWindow).x, WindowRectOf(subWindow).y);
    PostKey(subWindow, VK_DOWN);
    PostKey(subWindow, VK_RETURN);
  });
  PopupFor(owner.Window(), menu, Point{150, 150});
  ASSERT_FALSE(subBody.empty()) << "the sub-menu opened";
  EXPECT_EQ(subBody.y, item.y) << "the sub-menu's body starts at its item's top";
  EXPECT_GE(subBody.x, item.right()) << "beside the menu";
  EXPECT_EQ(commands, (std::vector<int>{21}));
}

std::uint32_t MenuPixel(HWND menuWindow, int x, int y) {
  const Canvas& canvas = UiWindow::FromHandle(menuWindow)->WindowCanvas();
  canvas.Flush();
  return canvas.Pixel(x, y) & 0x00FFFFFFu;
}

TEST_F(UiMenuTest, TheIconColumnShowsTheCheckMarkOrTheItemsIcon) {
  UiMenu menu;
  UiMenu::Item withIcon;
  withIcon.text = "Icon";
  withIcon.icon = test::SolidBmp(16, 255, 0, 0);
  menu.AddItem(withIcon);
  menu.AddCommand("Checked", 2, kMenuItemChecked);
  menu.AddCommand("Plain", 3);
  std::uint32_t icon = 0, checked = 0, plain = 0, background = 0;
  menu.SetShownCallback([&](UiMenu&, HWND menuWindow) {
    const std::vector<UiControl*> items = Items(menuWindow);
    // The darkest pixel across the middle of an item's icon column: the
    // check mark, or the background when the column is empty.
    auto darkest = [&](int item) {
      const Rect r = items.at(item)->AbsoluteRect();
      auto brightness = [](std::uint32_t p) { return (p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF); };
      std::uint32_t found = 0xFFFFFF;
      for (int x = r.x; x < r.x + 24; ++x) {
        const std::uint32_t p = MenuPixel(menuWindow, x, r.y + r.height / 2);
        if (brightness(p) < brightness(found)) found = p;
      }
      return found;
    };
    const Rect first = items.at(0)->AbsoluteRect();
    icon = MenuPixel(menuWindow, first.x + 12, first.y + first.height / 2);
    checked = darkest(1);
    plain = darkest(2);
    background = MenuPixel(menuWindow, first.x + first.width - 3, first.y + 2);
    PostKey(menuWindow, VK_ESCAPE);
  });
  Popup(menu);
  EXPECT_EQ(icon, 0xFF0000u);
  EXPECT_EQ(plain, background) << "nothing in a plain item's icon column";
  EXPECT_NE(checked, background);
}

// At 144 DPI an item's 16-pixel icon covers whole device pixels: every
// pixel of its column is the icon's red or untouched, none a blend of the
// two, and the red is the icon's 16 units scaled, 24 x 24.
TEST_F(UiMenuTest, AtAScaleAnItemsIconLandsOnWholePixels) {
  WindowAtDpi owner(144);
  ASSERT_TRUE(owner.Bound());
  ShowWindow(owner.Handle(), SW_SHOWNA);
  UiMenu menu;
  UiMenu::Item withIcon;
  withIcon.text = "Icon";
  withIcon.icon = test::SolidBmp(16, 255, 0, 0);
  menu.AddItem(withIcon);
  int red = 0, blended = 0;
  menu.SetShownCallback([&](UiMenu&, HWND menuWindow) {
    const Rect item = PixelsOf(menuWindow, 0);
    for (int y = item.y; y < item.bottom(); ++y) {
      for (int x = item.x; x < item.x + item.height; ++x) {
        const std::uint32_t p = MenuPixel(menuWindow, x, y);
        const std::uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF;
        red += p == 0xFF0000u;
        blended += p != 0xFF0000u && r > g + 40;  // reddish, but not the icon's red
      }
    }
    PostKey(menuWindow, VK_ESCAPE);
  });
  PopupFor(owner.Window(), menu, Point{150, 150});
  EXPECT_EQ(red, 24 * 24);
  EXPECT_EQ(blended, 0);
}

TEST_F(UiMenuTest, TakesItsShadowAndColoursFromTheOwnersTheme) {
  std::ifstream in(std::filesystem::path(TABULO_DIST_DIR) / "User Interface.ext", std::ios::binary);
  const std::vector<std::uint8_t> theme{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_FALSE(theme.empty());
  UiWindow themed;
  HWND owner = CreateWindowExW(WS_EX_TOOLWINDOW, kDefaultWindowClass, L"themed", WS_POPUP, 50, 50, 200, 100, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  BindOptions options;
  options.theme = theme;
  options.captionButtons = kNoCaptionButtons;
  ASSERT_TRUE(themed.Bind(owner, options));
  UiMenu menu;
  menu.AddCommand("One", 1);
  Margins margins;
  std::uint32_t shadow = 0, body = 0;
  menu.SetShownCallback([&](UiMenu&, HWND menuWindow) {
    UiWindow* window = UiWindow::FromHandle(menuWindow);
    margins = window->SkinValues().margins;
    window->WindowCanvas().Flush();
    shadow = window->WindowCanvas().Pixel(1, window->ClientSize().height / 2);
    const Rect item = Items(menuWindow).at(0)->AbsoluteRect();
    body = window->WindowCanvas().Pixel(item.right() - 3, item.y + 2);
    PostKey(menuWindow, VK_ESCAPE);
  });
  menu.Popup(themed, Point{120, 120});
  DestroyWindow(owner);
  EXPECT_EQ(margins, (Margins{6, 6, 6, 6})) << "the margins of \"SysShadow.Menu\"";
  EXPECT_GT(shadow >> 24, 0u);
  EXPECT_LT(shadow >> 24, 255u) << "a soft shadow in the band";
  EXPECT_EQ(body, 0xFFFFFFFFu) << "\"crbackground\", opaque";
}

// --- read by a screen reader -------------------------------------------------------

std::string Taken(BSTR text) {
  std::string out = text ? Narrow(std::wstring(text, SysStringLen(text))) : std::string();
  SysFreeString(text);
  return out;
}

// One object of the tree as a screen reader hears it.
struct Heard {
  std::string name;
  long role = 0;
  long state = 0;
  std::string shortcut;
  std::string action;
};

Heard Hear(IAccessible& object) {
  const VARIANT self = ChildId(CHILDID_SELF);
  Heard heard;
  BSTR text = nullptr;
  object.get_accName(self, &text);
  heard.name = Taken(text);
  VARIANT v;
  VariantInit(&v);
  if (SUCCEEDED(object.get_accRole(self, &v)) && v.vt == VT_I4) heard.role = v.lVal;
  VariantInit(&v);
  if (SUCCEEDED(object.get_accState(self, &v)) && v.vt == VT_I4) heard.state = v.lVal;
  text = nullptr;
  object.get_accKeyboardShortcut(self, &text);
  heard.shortcut = Taken(text);
  text = nullptr;
  object.get_accDefaultAction(self, &text);
  heard.action = Taken(text);
  return heard;
}

ComPtr<IAccessible> ChildObject(IAccessible& parent, long index) {
  IDispatch* dispatch = nullptr;
  ComPtr<IAccessible> child;
  if (SUCCEEDED(parent.get_accChild(ChildId(index), &dispatch)) && dispatch) {
    dispatch->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(child.put()));
    dispatch->Release();
  }
  return child;
}

TEST_F(UiMenuTest, AScreenReaderHearsTheItemsAndChoosesOneByItsDefaultAction) {
  UiMenu more;
  more.AddCommand("Inner", 21);
  UiMenu menu;
  std::vector<std::string> chosen;
  menu.AddCallback("关于(&A)", [&] { chosen.push_back("关于"); });
  menu.AddCallback("退出(&E)", [&] { chosen.push_back("退出"); });
  menu.AddSeparator();
  menu.AddCommand("停用", 31, kMenuItemDisabled);
  menu.AddCommand("选中(&C)", 32, kMenuItemChecked);
  menu.AddSubMenu("更多(&M)", more);
  // In context: Wine hands an out-of-context event over through the window's
  // queue, and the menu's window is gone before its closing event would be read.
  const HWINEVENTHOOK hook = SetWinEventHook(EVENT_SYSTEM_MENUPOPUPSTART, EVENT_OBJECT_FOCUS, GetModuleHandleW(nullptr),
                                             RecordEvent, GetCurrentProcessId(), 0, WINEVENT_INCONTEXT);
  ASSERT_NE(hook, nullptr);
  SeenEvents().clear();
  const auto seen = [](DWORD event, HWND window) -> const SeenEvent* {
    for (const SeenEvent& e : SeenEvents()) {
      if (e.event == event && e.window == window) return &e;
    }
    return nullptr;
  };

  HWND menuWindow = nullptr;
  Heard popup;
  std::vector<Heard> items;
  std::string focusedByEvent;
  HRESULT done = E_FAIL;
  Script script;
  menu.SetShownCallback([&](UiMenu&, HWND shown) {
    menuWindow = shown;
    PostKey(shown, VK_DOWN);  // the keyboard highlights 关于
    script.After(50, [&] {
      PumpUntil([&] { return seen(EVENT_OBJECT_FOCUS, menuWindow) != nullptr; });
      ComPtr<IAccessible> root;
      if (FAILED(AccessibleObjectFromWindow(menuWindow, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                            reinterpret_cast<void**>(root.put())))) {
        return;
      }
      popup = Hear(*root.get());
      long count = 0;
      root->get_accChildCount(&count);
      for (long i = 1; i <= count; ++i) {
        if (const ComPtr<IAccessible> child = ChildObject(*root.get(), i)) items.push_back(Hear(*child.get()));
      }
      // What a screen reader does with the focus event: the object it names.
      if (const SeenEvent* e = seen(EVENT_OBJECT_FOCUS, menuWindow)) {
        ComPtr<IAccessible> object;
        VARIANT child;
        if (SUCCEEDED(AccessibleObjectFromEvent(e->window, e->object, e->child, object.put(), &child))) {
          BSTR name = nullptr;
          object->get_accName(child, &name);
          focusedByEvent = Taken(name);
        }
      }
      if (const ComPtr<IAccessible> exit = ChildObject(*root.get(), 2)) {
        done = exit->accDoDefaultAction(ChildId(CHILDID_SELF));
      }
    });
  });
  SetCursorPos(0, 0);  // off the menu: the keyboard alone moves the highlight
  Popup(menu);
  EXPECT_TRUE(PumpUntil([&] { return seen(EVENT_SYSTEM_MENUPOPUPEND, menuWindow) != nullptr; }));
  UnhookWinEvent(hook);

  EXPECT_NE(seen(EVENT_SYSTEM_MENUPOPUPSTART, menuWindow), nullptr);
  EXPECT_EQ(popup.role, ROLE_SYSTEM_MENUPOPUP);
  const bool chinese = SpeaksChinese();
  const std::string execute = chinese ? "执行" : "Execute";
  const std::string open = chinese ? "打开" : "Open";
  constexpr long kHighlighted = STATE_SYSTEM_FOCUSED | STATE_SYSTEM_HOTTRACKED;
  const struct {
    const char* name;
    long role;
    long state;  // of the bits below
    const char* shortcut;
    std::string action;
  } kExpected[] = {
      {"关于", ROLE_SYSTEM_MENUITEM, kHighlighted, "A", execute},
      {"退出", ROLE_SYSTEM_MENUITEM, 0, "E", execute},
      {"", ROLE_SYSTEM_SEPARATOR, 0, "", ""},
      {"停用", ROLE_SYSTEM_MENUITEM, STATE_SYSTEM_UNAVAILABLE, "", execute},
      {"选中", ROLE_SYSTEM_MENUITEM, STATE_SYSTEM_CHECKED, "C", execute},
      {"更多", ROLE_SYSTEM_MENUITEM, STATE_SYSTEM_HASPOPUP, "M", open},
  };
  constexpr long kBits = kHighlighted | STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_CHECKED | STATE_SYSTEM_HASPOPUP;
  ASSERT_EQ(items.size(), std::size(kExpected));
  for (std::size_t i = 0; i < items.size(); ++i) {
    SCOPED_TRACE(kExpected[i].name);
    EXPECT_EQ(items[i].name, kExpected[i].name);
    EXPECT_EQ(items[i].role, kExpected[i].role);
    EXPECT_EQ(items[i].state & kBits, kExpected[i].state);
    EXPECT_EQ(items[i].shortcut, kExpected[i].shortcut);
    EXPECT_EQ(items[i].action, kExpected[i].action);
  }
  EXPECT_EQ(focusedByEvent, "关于");
  EXPECT_EQ(done, S_OK);
  EXPECT_EQ(chosen, (std::vector<std::string>{"退出"}));
}

}  // namespace
}  // namespace tabulo::ui::testing
