// Life of controls and windows: composition after state changes, creation
// rules, destruction order, messages to dead controls, close handlers and
// leaks.
#define PSAPI_VERSION 2  // GetProcessMemoryInfo from kernel32
#include <windows.h>
#include <psapi.h>

#include <functional>
#include <string>

#include "support/solid_bmp.h"
#include "ui/canvas/canvas.h"
#include "ui/controls/edit.h"
#include "ui/controls/image_box.h"
#include "base/win/live_handles.h"
#include "ui/menu/ui_menu.h"
#include "ui/skin/window_shape.h"
#include "win/ui/controls/controls_fixture.h"
#include "win/ui/engine_fixture.h"

namespace tabulo::ui::testing {
namespace {

constexpr std::uint32_t kRed = 0xFFFF0000u;
constexpr std::uint32_t kGreen = 0xFF00FF00u;

class ControlLifeTest : public BoundWindowTest {};

TEST_F(ControlLifeTest, HidingAControlRestoresTheBackgroundUnderIt) {
  for (const int alpha : {-1, 255, 200}) {
    SCOPED_TRACE(alpha);
    if (hwnd) DestroyWindow(hwnd);
    BindOptions options;
    options.alpha = alpha;
    Bind(options);
    const std::uint32_t background = alpha == 200 ? 0xC8C80000u : kRed;  // premultiplied
    ColourControl control(kGreen);
    ASSERT_TRUE(control.Create(hwnd, {20, 20, 40, 30}));
    EXPECT_EQ(CanvasPixel(30, 30), kGreen);
    EXPECT_EQ(CanvasPixel(70, 30), background);
    control.SetVisible(false);
    EXPECT_EQ(CanvasPixel(30, 30), background);
    control.SetVisible(true);
    EXPECT_EQ(CanvasPixel(30, 30), kGreen);
    control.Move(100, {}, {}, {});
    EXPECT_EQ(CanvasPixel(30, 30), background);
    EXPECT_EQ(CanvasPixel(110, 30), kGreen);
  }
}

TEST_F(ControlLifeTest, ChildrenArePaintedOverTheirParentAndHiddenWithIt) {
  Bind();
  ColourControl parent(kGreen), child(0xFF0000FFu);
  ASSERT_TRUE(parent.Create(hwnd, {10, 10, 100, 80}));
  ASSERT_TRUE(child.Create(&parent, {10, 10, 20, 20}));
  EXPECT_EQ(child.AbsoluteRect(), (Rect{20, 20, 20, 20}));
  EXPECT_EQ(CanvasPixel(25, 25), 0xFF0000FFu);
  parent.Invalidate();  // repainting the parent must not paint over the child
  EXPECT_EQ(CanvasPixel(25, 25), 0xFF0000FFu);
  parent.SetVisible(false);
  EXPECT_EQ(CanvasPixel(25, 25), kRed);
}

TEST_F(ControlLifeTest, HidingAHiddenControlDeliversNothing) {
  Bind();
  ColourControl control;
  ASSERT_TRUE(control.Create(hwnd, {0, 0, 10, 10}));
  control.SetVisible(false);
  control.SetVisible(false);
  EXPECT_EQ(control.Count(kMsgHidden), 1);
  control.SetDisabled(false);
  EXPECT_EQ(control.Count(kMsgEnableChanged), 0);
}

TEST_F(ControlLifeTest, CreationNeedsABoundWindowOrALiveParent) {
  ColourControl orphan;
  EXPECT_FALSE(orphan.Create(static_cast<HWND>(nullptr), {0, 0, 10, 10}));
  ASSERT_NE(MakeWindow(), nullptr);
  EXPECT_FALSE(orphan.Create(hwnd, {0, 0, 10, 10}));  // not bound
  ASSERT_TRUE(window.Bind(hwnd, {}));
  EXPECT_FALSE(window.Bind(hwnd, {}));  // already bound

  ColourControl parent, child, late;
  ASSERT_TRUE(parent.Create(hwnd, {0, 0, 50, 50}));
  ASSERT_TRUE(child.Create(&parent, {0, 0, 10, 10}));
  EXPECT_FALSE(child.Create(&parent, {0, 0, 10, 10}));  // exists already
  DestroyWindow(hwnd);
  EXPECT_FALSE(parent.IsCreated());
  EXPECT_FALSE(child.IsCreated());
  EXPECT_FALSE(late.Create(&parent, {0, 0, 10, 10}));
}

TEST_F(ControlLifeTest, DestroyingAParentDestroysItsChildrenBeforeItLeavesTheTree) {
  Bind();
  ColourControl parent, child, grandchild, sibling;
  ASSERT_TRUE(parent.Create(hwnd, {0, 0, 100, 100}));
  ASSERT_TRUE(child.Create(&parent, {0, 0, 50, 50}));
  ASSERT_TRUE(grandchild.Create(&child, {0, 0, 10, 10}));
  ASSERT_TRUE(sibling.Create(hwnd, {100, 0, 10, 10}));
  std::vector<std::string> order;
  const auto record = [&](const char* name, UiControl& c) {
    c.Bind(WM_DESTROY, [&, name](const EventArgs&) {
      order.push_back(std::string(name) + (std::ranges::count(window.Children(), &parent) ? "+" : "-"));
      return false;
    });
  };
  record("parent", parent);
  record("child", child);
  record("grandchild", grandchild);
  parent.Destroy();
  EXPECT_EQ(order, (std::vector<std::string>{"parent+", "child+", "grandchild+"}));
  EXPECT_FALSE(grandchild.IsCreated());
  EXPECT_EQ(window.Children(), std::vector<UiControl*>{&sibling});
  EXPECT_FALSE(window.OwnsControl(&child));
}

TEST_F(ControlLifeTest, MessagesPostedToAControlThatIsGoneAreDropped) {
  Bind();
  ColourControl alive, doomed;
  ASSERT_TRUE(alive.Create(hwnd, {0, 0, 10, 10}));
  ASSERT_TRUE(doomed.Create(hwnd, {10, 0, 10, 10}));
  ASSERT_TRUE(doomed.PostToControl(kMsgApplicationEvent));
  ASSERT_TRUE(alive.PostToControl(kMsgApplicationEvent));
  doomed.Destroy();
  EXPECT_TRUE(PumpUntil([&] { return alive.Count(kMsgApplicationEvent) == 1; }));
  EXPECT_EQ(doomed.Count(kMsgApplicationEvent), 0);
  // A forged delivery finds nothing either.
  EXPECT_EQ(SendMessageW(hwnd, kMsgDeliverToControl, reinterpret_cast<WPARAM>(&alive), 12345), 0);
  EXPECT_EQ(alive.SendToControl(kMsgApplicationEvent), 0);
  EXPECT_EQ(alive.Count(kMsgApplicationEvent), 2);
}

TEST_F(ControlLifeTest, ACloseHandlerReturningTrueKeepsTheWindow) {
  Bind();
  window.Show();
  int asked = 0;
  window.Bind(WM_CLOSE, [&](const EventArgs&) { return ++asked, true; });
  SendMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(IsWindow(hwnd));
  EXPECT_TRUE(IsWindowVisible(hwnd));
  window.Bind(WM_CLOSE, nullptr);
  SendMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(ControlLifeTest, TimersAndTransitionsRunOnTheHostWindow) {
  Bind();
  ColourControl control;
  ASSERT_TRUE(control.Create(hwnd, {0, 0, 20, 20}));
  int ticks = 0;
  ASSERT_TRUE(control.SetTimer(10, [&] {
    if (++ticks == 3) control.KillTimer();
  }));
  EXPECT_TRUE(PumpUntil([&] { return ticks == 3; }));

  control.SetTransitionFrameCount(4, 10);  // four frames, 10 ms apart
  control.SetColour(0xFF0000FFu);
  EXPECT_TRUE(control.StateFlags() & kStateTransition);
  EXPECT_EQ(CanvasPixel(5, 5), 0xFF00FF00u);  // the old picture until the first frame
  EXPECT_TRUE(PumpUntil([&] { return control.Count(kMsgTransitionFinished) == 1; }));
  EXPECT_EQ(control.Count(kMsgTransitionStarted), 1);
  EXPECT_FALSE(control.StateFlags() & kStateTransition);
  EXPECT_EQ(CanvasPixel(5, 5), 0xFF0000FFu);
}

TEST_F(ControlLifeTest, AControlCanvasIsNeverSmallerThanOnePixel) {
  Canvas canvas;
  ASSERT_TRUE(canvas.Create(0, 0, Gdiplus::TextRenderingHintAntiAlias));
  EXPECT_EQ(canvas.size(), (Size{1, 1}));
  EXPECT_EQ(canvas.pixels().size(), 1u);
  Bind();
  ColourControl flat;
  ASSERT_TRUE(flat.Create(hwnd, {0, 0, 0, 12}));
  EXPECT_EQ(flat.GetCanvas().size(), (Size{1, 12}));
  EXPECT_EQ(flat.Count(WM_PAINT), 1);  // delivered, but not painted: nothing to see
}

// What the process holds, as the leak cycles below count it: the engine's
// live handles, the GDI objects (a stub under Wine), this thread's windows,
// the icons in the tray and the process's private bytes.
struct Footprint {
  int handles = 0;
  DWORD gdiObjects = 0;
  int threadWindows = 0;
  int trayIcons = 0;
  SIZE_T privateBytes = 0;
};

// Wine's stand-alone tray (there is no taskbar without a window manager)
// shows each notification icon as a child window of this class; on Windows
// there is none, and the count stays 0.
int TrayIconWindows() {
  int count = 0;
  EnumWindows(
      [](HWND top, LPARAM counter) {
        EnumChildWindows(
            top,
            [](HWND child, LPARAM n) {
              wchar_t name[64] = {};
              GetClassNameW(child, name, 64);
              if (std::wstring_view(name) == L"__winex11_tray_icon") ++*reinterpret_cast<int*>(n);
              return TRUE;
            },
            counter);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

Footprint FootprintNow() {
  Footprint now;
  now.handles = LiveHandlesTotal();
  now.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  EnumThreadWindows(
      GetCurrentThreadId(), [](HWND, LPARAM count) { return ++*reinterpret_cast<int*>(count), TRUE; },
      reinterpret_cast<LPARAM>(&now.threadWindows));
  now.trayIcons = TrayIconWindows();
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
    // Wine fills only the basic record (and says so in cb); its commit
    // charge is the same figure as the private bytes.
    now.privateBytes = memory.cb >= sizeof memory ? memory.PrivateUsage : memory.PagefileUsage;
  }
  return now;
}

// Heaps grow in steps and keep what they got, so private bytes are allowed
// this much drift over all the cycles; a leak of a few hundred bytes per
// cycle still shows over the cycle counts below.
constexpr SIZE_T kPrivateBytesMargin = 256 * 1024;

class LeakCycleTest : public ControlLifeTest {
 protected:
  // The first cycles make what stays for the process (classes, fonts, the
  // text engine's library, caches); after them every count must stay put.
  void ExpectNothingLeftBehind(const std::function<void()>& cycle, int cycles, int warmUps = 3) {
    for (int i = 0; i < warmUps; ++i) cycle();
    const Footprint before = FootprintNow();
    for (int i = 0; i < cycles; ++i) cycle();
    const Footprint after = FootprintNow();
    EXPECT_EQ(after.handles, before.handles);
    EXPECT_EQ(after.gdiObjects, before.gdiObjects);
    EXPECT_EQ(after.threadWindows, before.threadWindows);
    EXPECT_EQ(after.trayIcons, before.trayIcons);
    EXPECT_LE(after.privateBytes, before.privateBytes + kPrivateBytesMargin)
        << "grew by " << (after.privateBytes - before.privateBytes) << " bytes";
  }

  void BindLayered() {
    BindOptions options;
    options.alpha = 200;
    options.captionButtons = CaptionButton::kClose | CaptionButton::kTitle;
    Bind(options, 300, 200);
  }
};

TEST_F(LeakCycleTest, CreatingAndDestroyingWindowsAndControlsLeaksNothing) {
  ExpectNothingLeftBehind(
      [&] {
        BindLayered();
        ColourControl a, b, c;
        ASSERT_TRUE(a.Create(hwnd, {0, 0, 50, 50}));
        ASSERT_TRUE(b.Create(&a, {5, 5, 10, 10}));
        ASSERT_TRUE(c.Create(hwnd, {60, 0, 30, 30}));
        c.SetTransitionFrameCount(2, 5);
        c.SetColour(0xFF0000FFu);
        window.ApplyShape();  // (not Show: without a window manager Wine waits 2 s to unmap a shown window)
        b.Destroy();
        DestroyWindow(hwnd);
      },
      50);
}

// The text engine with its host, the caret, the blink timer, the child
// scroll bars, typed text and a password field's input context.
TEST_F(LeakCycleTest, EditsWithTheirTextEngineCaretAndBarsLeakNothing) {
  ExpectNothingLeftBehind(
      [&] {
        BindLayered();
        EditOptions options;
        options.multiLine = true;
        options.scrollBars = kEditBothBars;
        options.text = "第1节\r数学";
        Edit log, password;
        ASSERT_TRUE(log.Create(hwnd, {10, 10, 200, 80}, options));
        for (int i = 0; i < 12; ++i) log.AppendText("\r一行文字 " + std::to_string(i));
        ASSERT_NE(log.VerticalBar(), nullptr);
        log.SetFocus();
        SendMessageW(hwnd, WM_CHAR, L'x', 1);
        SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(50, 40));
        EditOptions secret;
        secret.editStyle = kEditPassword;
        ASSERT_TRUE(password.Create(hwnd, {10, 100, 120, 24}, secret));
        password.SetFocus();
        SendMessageW(hwnd, WM_CHAR, L'7', 1);
        log.Destroy();  // one by itself, the other with its window
        DestroyWindow(hwnd);
      },
      40);
}

UiMenu::Item CommandWithIcon(std::string_view text, const std::vector<std::uint8_t>& icon, int command) {
  UiMenu::Item item;
  item.text = text;
  item.icon = icon;
  item.command = command;
  return item;
}

// Menu windows with their item controls and decoded icons, a sub-menu, and
// a chosen item's callback.
TEST_F(LeakCycleTest, MenusWithIconsLeakNothing) {
  const std::vector<std::uint8_t> red = tabulo::test::SolidBmp(16, 255, 0, 0);
  const std::vector<std::uint8_t> blue = tabulo::test::SolidBmp(16, 0, 0, 255);
  int chosen = 0;
  ExpectNothingLeftBehind(
      [&] {
        BindLayered();
        UiMenu sub;
        sub.AddItem(CommandWithIcon("Inner", blue, 2));
        UiMenu menu;
        menu.AddItem(CommandWithIcon("&One", red, 1));
        menu.AddSubMenu("&More", sub);
        menu.AddCallback("&Two", [&] { ++chosen; });
        menu.SetItemIcon(3, blue);
        menu.SetShownCallback([](UiMenu&, HWND menuWindow) {
          PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 1);
          PostMessageW(menuWindow, WM_KEYDOWN, VK_RIGHT, 1);  // opens the sub-menu
          PostMessageW(menuWindow, WM_KEYDOWN, VK_LEFT, 1);
          PostMessageW(menuWindow, WM_CHAR, L't', 1);
        });
        menu.Popup(window, Point{150, 150});
        DestroyWindow(hwnd);
      },
      30);
  EXPECT_EQ(chosen, 33);
}

// Pictures decoded from streams kept for their lazy frames, an animated
// picture's frame timer and a picture change's fade.
TEST_F(LeakCycleTest, ImageBoxesWithTheirStreamsLeakNothing) {
  const std::vector<std::uint8_t> png = SolidPng(40, 30, 0xFF00FF00u);
  const std::vector<std::uint8_t> gif = SolidFramesGif({{0xFFFF0000u, 1}, {0xFF0000FFu, 1}, {0xFF00FF00u, 1}});
  ExpectNothingLeftBehind(
      [&] {
        BindLayered();
        ImageBox still, animated;
        ASSERT_TRUE(still.Create(hwnd, {0, 0, 40, 30}, png));
        ImageBoxOptions options;
        options.animate = true;
        ASSERT_TRUE(animated.Create(hwnd, {50, 0, 20, 20}, gif, options));
        ASSERT_TRUE(PumpUntil([&] { return animated.CurrentFrame() == 3; }));
        still.SetPicture(gif, PictureTransition{1, 2, 10});
        animated.SetPicture(png);
        still.Destroy();
        DestroyWindow(hwnd);
      },
      40);
}

// The hot keys a window registers go with the window: a registration left
// behind would refuse the next window the same key.
TEST_F(LeakCycleTest, HotKeysLeakNothing) {
  ExpectNothingLeftBehind(
      [&] {
        BindLayered();
        ASSERT_NE(window.AddHotKey(0, VK_F13), 0) << "a window before this one kept the key";
        ASSERT_NE(window.AddHotKey(MOD_CONTROL, VK_F14), 0);
        EXPECT_TRUE(window.RemoveHotKey(1));
        DestroyWindow(hwnd);
      },
      40);
}

// The tray icon goes with its window. Few cycles: removing an icon from
// Wine's stand-alone tray takes it two seconds.
TEST_F(LeakCycleTest, TrayIconsLeakNothing) {
  const HICON icon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // shared: never destroyed
  const int iconsBefore = TrayIconWindows();
  ExpectNothingLeftBehind(
      [&] {
        BindLayered();
        EXPECT_TRUE(window.SetTrayIcon(icon, "托盘"));
        EXPECT_TRUE(window.SetTrayIcon(std::nullopt, "新的提示"));
        DestroyWindow(hwnd);
      },
      3, 1);
  EXPECT_EQ(TrayIconWindows(), iconsBefore);
}

}  // namespace
}  // namespace tabulo::ui::testing
