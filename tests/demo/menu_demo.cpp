// menu_demo: a window bound with the shipped theme that pops up a menu (an
// item with an icon, a checked, a disabled and a hidden item, a separator
// and a sub-menu) again and again, and registers the hot key F8; for the
// end-to-end test that drives both with the real mouse and keyboard.
// Run it from the run directory (it reads "User Interface.ext" there).
//
// It prints "popup N" before each menu, "top I X Y" / "sub I X Y" (screen
// centres of the visible items of the menu and of the sub-menu when they
// open), "command ID" when a command arrives, "closed N" when the menu has
// closed, and "hotkey ID MODIFIERS KEY" when the hot key is pressed. After
// the fourth menu it closes.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/solid_bmp.h"
#include "ui/control/ui_control.h"
#include "ui/engine/engine_state.h"
#include "ui/menu/ui_menu.h"
#include "ui/window/ui_window.h"

namespace {

using namespace tabulo::ui;

constexpr int kRounds = 4;

std::vector<std::uint8_t> ReadFile(const char* name) {
  std::ifstream in(name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Say(const char* format, auto... values) {
  std::printf(format, values...);
  std::printf("\n");
  std::fflush(stdout);
}

void ReportItems(const char* name, HWND menuWindow) {
  UiWindow* window = UiWindow::FromHandle(menuWindow);
  RECT r{};
  GetWindowRect(menuWindow, &r);
  int index = 0;
  for (UiControl* item : window->Children()) {
    const tabulo::Rect a = item->AbsoluteRect();
    Say("%s %d %d %d", name, index++, static_cast<int>(r.left + a.x + a.width / 2),
        static_cast<int>(r.top + a.y + a.height / 2));
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::vector<std::uint8_t> theme = ReadFile("User Interface.ext");
  EngineStart();
  EngineDefaults defaults;
  defaults.defaultPackage = theme;
  EngineInitialise(std::move(defaults));

  HWND hwnd = CreateWindowExW(0, kDefaultWindowClass, L"Menu Demo", WS_POPUP, 100, 100, 420, 300, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  UiWindow window;
  BindOptions options;
  options.theme = theme;
  options.captionButtons = kNoCaptionButtons;
  options.alpha = 255;
  options.backgroundColour = 0xE0E0E0;
  if (!hwnd || !window.Bind(hwnd, options)) return 1;
  window.Show();
  window.Bind(WM_COMMAND, [](const EventArgs& e) {
    Say("command %d", static_cast<int>(e.wParam));
    return true;
  });
  window.Bind(kMsgHotKey, [](const EventArgs& e) {
    Say("hotkey %d %d %d", static_cast<int>(e.wParam), LOWORD(e.lParam), HIWORD(e.lParam));
    return true;
  });
  Say("hotkey registered %d", window.AddHotKey(0, VK_F8));

  UiMenu sub;
  sub.AddCommand("子菜单项", 21);
  sub.AddCommand("Second inner", 22);
  UiMenu menu;
  UiMenu::Item about;
  about.text = "关于(&A)";
  about.command = 1;
  about.icon = tabulo::test::SolidBmp(16, 40, 160, 40);
  menu.AddItem(about);
  menu.AddCommand("Checked", 2, kMenuItemChecked);
  menu.AddCommand("Disabled", 3, kMenuItemDisabled);
  menu.AddCommand("Hidden", 4, kMenuItemHidden);
  menu.AddSeparator();
  menu.AddSubMenu("More", sub);
  menu.AddCommand("退出(&E)", 5);
  menu.SetShownCallback([](UiMenu&, HWND menuWindow) { ReportItems("top", menuWindow); });
  sub.SetShownCallback([](UiMenu&, HWND menuWindow) { ReportItems("sub", menuWindow); });

  for (int round = 0; round < kRounds && IsWindow(hwnd); ++round) {
    Say("popup %d", round);
    menu.Popup(window, tabulo::Point{160, 140});
    Say("closed %d", round);
  }
  DestroyWindow(hwnd);
  return 0;
}
