// A window's hot keys and tray icon: ids per window, failed registrations,
// release with the window, a pressed key arriving as a window-level event,
// and the tray record keeping what a change leaves out.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "win/ui/engine_fixture.h"

namespace tabulo::ui::testing {
namespace {

class HotKeyTest : public BoundWindowTest {
 protected:
  void SetUp() override {
    BoundWindowTest::SetUp();
    Bind();
  }
};

// Keys nothing else on the test desktop uses.
constexpr UINT kKeyA = VK_F13;
constexpr UINT kKeyB = VK_F14;

TEST_F(HotKeyTest, IdsCountPerWindowAndSkipFailedRegistrations) {
  HWND other = CreateWindowExW(0, kDefaultWindowClass, L"other", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(other, nullptr);
  UiWindow otherWindow;
  ASSERT_TRUE(otherWindow.Bind(other, {}));

  EXPECT_EQ(window.AddHotKey(0, kKeyA), 1);
  EXPECT_EQ(otherWindow.AddHotKey(0, kKeyA), 0) << "taken by the first window";
  EXPECT_EQ(otherWindow.AddHotKey(0, kKeyB), 1) << "the failure used up no number";
  EXPECT_EQ(window.AddHotKey(MOD_CONTROL, kKeyA), 2);

  EXPECT_TRUE(window.RemoveHotKey(2));
  EXPECT_FALSE(window.RemoveHotKey(2)) << "already removed";
  EXPECT_FALSE(window.RemoveHotKey(7)) << "never registered";
  EXPECT_EQ(otherWindow.AddHotKey(MOD_CONTROL, kKeyA), 2) << "a removed key is free again";

  DestroyWindow(other);  // its keys go with it
  EXPECT_EQ(window.AddHotKey(0, kKeyB), 3);
  EXPECT_EQ(window.AddHotKey(MOD_CONTROL, kKeyA), 4);
}

TEST_F(HotKeyTest, APressedKeyArrivesAsAWindowEventWithItsIdModifiersAndKey) {
  const int id = window.AddHotKey(0, kKeyA);
  ASSERT_EQ(id, 1);
  EventArgs got;
  int calls = 0;
  window.Bind(kMsgHotKey, [&](const EventArgs& e) {
    got = e;
    ++calls;
    return true;
  });
  INPUT keys[2]{};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = static_cast<WORD>(kKeyA);
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ASSERT_EQ(SendInput(2, keys, sizeof(INPUT)), 2u);
  ASSERT_TRUE(PumpUntil([&] { return calls > 0; }));
  EXPECT_EQ(got.wParam, 1u);
  EXPECT_EQ(LOWORD(got.lParam), 0);
  EXPECT_EQ(HIWORD(got.lParam), kKeyA);
}

class TrayIconTest : public BoundWindowTest {
 protected:
  void SetUp() override {
    BoundWindowTest::SetUp();
    Bind();
    iconA = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // IDI_APPLICATION: shared, not destroyed
    iconB = LoadIconW(nullptr, MAKEINTRESOURCEW(32516));  // IDI_INFORMATION
  }
  void TearDown() override {
    window.RemoveTrayIcon();
    BoundWindowTest::TearDown();
  }
  std::u16string Tip() const { return window.TrayIcon().Tip(); }
  HICON iconA = nullptr;
  HICON iconB = nullptr;
};

TEST_F(TrayIconTest, AChangeKeepsWhatItLeavesOutAndRemovingTwiceIsHarmless) {
  EXPECT_TRUE(window.SetTrayIcon(iconA, "Tabulo 3.0版"));
  EXPECT_TRUE(window.TrayIcon().Shown());
  EXPECT_EQ(window.TrayIcon().Icon(), iconA);
  EXPECT_EQ(Tip(), u"Tabulo 3.0版");

  EXPECT_TRUE(window.SetTrayIcon(std::nullopt, "新的提示"));
  EXPECT_EQ(window.TrayIcon().Icon(), iconA) << "a new tip keeps the icon";
  EXPECT_EQ(Tip(), u"新的提示");

  EXPECT_TRUE(window.SetTrayIcon(iconB));
  EXPECT_EQ(window.TrayIcon().Icon(), iconB);
  EXPECT_EQ(Tip(), u"新的提示") << "a new icon keeps the tip";

  window.RemoveTrayIcon();
  EXPECT_FALSE(window.TrayIcon().Shown());
  window.RemoveTrayIcon();
  EXPECT_FALSE(window.TrayIcon().Shown());
}

TEST_F(TrayIconTest, TheFirstIconDefaultsToTheWindowsIconAndLongTipsAreCut) {
  window.SetIcon(iconB, false);
  const std::string exact(63, 'x');
  ASSERT_TRUE(window.SetTrayIcon(std::nullopt, exact));
  EXPECT_EQ(window.TrayIcon().Icon(), iconB);
  EXPECT_EQ(Tip().size(), 63u) << "63 characters are shown whole";

  ASSERT_TRUE(window.SetTrayIcon(std::nullopt, std::string(21, 'y') + std::string(70, 'z')));
  EXPECT_EQ(Tip(), std::u16string(21, u'y') + std::u16string(42, u'z'));

  const std::u16string wide = u"课堂助手";
  const std::string bytes(reinterpret_cast<const char*>(wide.data()), wide.size() * 2);
  ASSERT_TRUE(window.SetTrayIconRaw(std::nullopt, bytes));
  EXPECT_EQ(Tip(), wide);
}

void Click(POINT at, DWORD down, DWORD up) {
  SetCursorPos(at.x, at.y);
  INPUT press[2]{};
  press[0].type = press[1].type = INPUT_MOUSE;
  press[0].mi.dwFlags = down;
  press[1].mi.dwFlags = up;
  SendInput(2, press, sizeof(INPUT));
}

TEST_F(TrayIconTest, AClickOnTheIconArrivesAsAWindowEventAndTheIconGoesWithTheWindow) {
  ASSERT_TRUE(window.SetTrayIcon(iconA, "tip"));
  std::vector<std::intptr_t> mouse;
  window.Bind(kMsgTrayNotify, [&](const EventArgs& e) {
    mouse.push_back(e.lParam);
    return true;
  });
  // Wine's explorer shows the tray in a window of its own, the first icon
  // at its left edge.
  HWND tray = FindWindowW(nullptr, L"Wine System Tray");
  ASSERT_NE(tray, nullptr) << "no system tray on the test desktop";
  POINT icon{8, 8};
  ClientToScreen(tray, &icon);
  Click(icon, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  ASSERT_TRUE(PumpUntil([&] { return std::find(mouse.begin(), mouse.end(), WM_RBUTTONUP) != mouse.end(); }));
  // Explorer restarting: the icon is added again and stays recorded.
  SendMessageW(hwnd, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(window.TrayIcon().Shown());
  DestroyWindow(hwnd);
  EXPECT_FALSE(window.TrayIcon().Shown());
}

}  // namespace
}  // namespace tabulo::ui::testing
