// Handlers that end what they run for: from a click, a key, a timer tick, a
// text notification and a menu command, the application's handler destroys
// its control, deletes it, destroys the window or deletes the window's
// object. The engine code still on the stack must then leave both alone:
// no class behaviour runs for a control that is gone, and nothing reads an
// object that was deleted (the deleted objects live in poisoned storage, so
// such a read fails at once instead of finding the old bytes).
#include <functional>
#include <string>

#include "ui/controls/edit.h"
#include "ui/menu/ui_menu.h"
#include "win/ui/engine_fixture.h"
#include "win/ui/poisoned_object.h"

namespace tabulo::ui::testing {
namespace {

enum class Ending { kDestroyControl, kDeleteControl, kDestroyWindow, kDeleteWindowObject };

const char* NameOf(Ending ending) {
  switch (ending) {
    case Ending::kDestroyControl: return "destroys its control";
    case Ending::kDeleteControl: return "deletes its control";
    case Ending::kDestroyWindow: return "destroys the window";
    case Ending::kDeleteWindowObject: return "deletes the window's object";
  }
  return "";
}

// A bound window and the control a trigger makes in it; the handler under
// test calls End().
struct Scene {
  explicit Scene(Ending how) : ending(how) {
    hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, kDefaultWindowClass, L"ending test", WS_POPUP, 100, 100, 200, 150,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    BindOptions options;
    options.captionButtons = kNoCaptionButtons;
    options.backgroundColour = 0x0000FF;
    bound = hwnd && window.Emplace().Bind(hwnd, options);
  }
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;
  ~Scene() {
    colour.Delete();
    edit.Delete();
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
  }

  void End(UiControl& control, const std::function<void()>& deleteControl) {
    ++ended;
    switch (ending) {
      case Ending::kDestroyControl: control.Destroy(); break;
      case Ending::kDeleteControl: deleteControl(); break;
      case Ending::kDestroyWindow: DestroyWindow(hwnd); break;
      case Ending::kDeleteWindowObject: window.Delete(); break;
    }
    if (colour.get()) classMessagesAtEnd = colour->classMessages.size();
  }

  // A control handling the click, key, tick or command.
  ColourControl& MakeColourControl() {
    ColourControl& control = colour.Emplace();
    EXPECT_TRUE(control.Create(hwnd, {20, 20, 40, 30}));
    return control;
  }
  std::function<void()> EndColourControl() {
    return [this] { End(*colour, [this] { colour.Delete(); }); };
  }

  Ending ending;
  HWND hwnd = nullptr;
  bool bound = false;
  int ended = 0;
  std::size_t classMessagesAtEnd = 0;
  PoisonedObject<UiWindow> window;
  PoisonedObject<ColourControl> colour;
  PoisonedObject<Edit> edit;
};

// Each trigger makes its control, binds a handler that ends the scene and
// does what runs that handler. Handlers return false (not handled) where
// they can, so the engine would go on to the class behaviour.
void FromClick(Scene& scene) {
  ColourControl& control = scene.MakeColourControl();
  control.Bind(kMsgClicked, [end = scene.EndColourControl()](const EventArgs&) { return end(), false; });
  SendMessageW(scene.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(30, 30));
  SendMessageW(scene.hwnd, WM_LBUTTONUP, 0, At(30, 30));
}

void FromKey(Scene& scene) {
  ColourControl& control = scene.MakeColourControl();
  control.SetFocus();
  control.Bind(WM_KEYDOWN, [end = scene.EndColourControl()](const EventArgs&) { return end(), false; });
  SendMessageW(scene.hwnd, WM_KEYDOWN, VK_RETURN, 1);  // Enter would go on to click the focused control
}

void FromTimerTick(Scene& scene) {
  ColourControl& control = scene.MakeColourControl();
  control.Bind(WM_TIMER, [end = scene.EndColourControl()](const EventArgs&) { return end(), false; });
  ASSERT_TRUE(control.SetTimer(10));
  EXPECT_TRUE(PumpUntil([&] { return scene.ended > 0; }));
}

void FromMenuCommand(Scene& scene) {
  constexpr int kCommand = 7;
  ColourControl& control = scene.MakeColourControl();
  control.Bind(WM_COMMAND, [end = scene.EndColourControl()](const EventArgs& e) {
    if (e.wParam == kCommand) end();
    return false;
  });
  UiMenu menu;
  menu.AddCommand("&Go", kCommand);
  menu.SetShownCallback([](UiMenu&, HWND menuWindow) { PostMessageW(menuWindow, WM_CHAR, L'g', 1); });
  menu.Popup(control, Point{150, 150});
}

void FromTextNotification(Scene& scene) {
  Edit& edit = scene.edit.Emplace();
  ASSERT_TRUE(edit.Create(scene.hwnd, {10, 10, 150, 24}));
  ASSERT_TRUE(edit.HasTextEngine());
  edit.BindTextChanged([&scene](Edit& changed) { scene.End(changed, [&scene] { scene.edit.Delete(); }); });
  edit.SetFocus();
  SendMessageW(scene.hwnd, WM_KEYDOWN, 'A', 1);
  SendMessageW(scene.hwnd, WM_CHAR, L'a', 1);
}

struct Trigger {
  const char* name;
  void (*run)(Scene&);
};

constexpr Trigger kTriggers[] = {
    {"click", FromClick},
    {"key", FromKey},
    {"timer tick", FromTimerTick},
    {"menu command", FromMenuCommand},
    {"text notification", FromTextNotification},
};

class HandlerEndingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EngineStart();
    if (!Engine().initialised) EngineInitialise({});
  }
};

TEST_F(HandlerEndingTest, NothingTouchesWhatTheHandlerEnded) {
  for (const Trigger& trigger : kTriggers) {
    for (const Ending ending : {Ending::kDestroyControl, Ending::kDeleteControl, Ending::kDestroyWindow,
                                Ending::kDeleteWindowObject}) {
      SCOPED_TRACE(std::string("a handler run from a ") + trigger.name + " " + NameOf(ending));
      Scene scene(ending);
      ASSERT_TRUE(scene.bound);
      trigger.run(scene);
      EXPECT_EQ(scene.ended, 1);

      EXPECT_EQ(IsWindow(scene.hwnd) != FALSE, ending != Ending::kDestroyWindow);
      if (ending == Ending::kDeleteWindowObject) {
        EXPECT_EQ(UiWindow::FromHandle(scene.hwnd), nullptr) << "a plain window is left";
      } else if (ending != Ending::kDestroyWindow) {
        EXPECT_TRUE(scene.window->IsBound());
        EXPECT_TRUE(scene.window->Children().empty());
      }
      // A control that still exists as an object is destroyed, and its class
      // heard nothing after the handler ended it.
      if (const ColourControl* control = scene.colour.get()) {
        EXPECT_FALSE(control->IsCreated());
        EXPECT_EQ(control->classMessages.size(), scene.classMessagesAtEnd);
      }
      if (const Edit* edit = scene.edit.get()) {
        EXPECT_FALSE(edit->IsCreated());
        EXPECT_FALSE(edit->HasTextEngine());
      }
    }
  }
}

}  // namespace
}  // namespace tabulo::ui::testing
