// The tool window stands flush against the bar's left side. Dragged with
// the bar onto a monitor of another DPI, it gets its own WM_DPICHANGED,
// takes the new scale and with it another width, and must meet the bar
// again wherever Windows suggested putting it.
#include "app/shell/tool_window.h"

#include <functional>

#include "base/geometry/dpi_scale.h"
#include "base/win/geometry_win.h"
#include "win/app/tools/classroom_tool_fixture.h"

namespace tabulo::app {
namespace {

using namespace testing;

constexpr UINT kDpiChangedMessage = 0x02E0;  // WM_DPICHANGED, missing from the SDK's headers
constexpr UINT kRunStep = WM_APP;

// A stand-in for the bar: the tool window only reads its place. It also
// runs the test's steps inside the tool window's own message loop, which
// RunToolWindow does not leave until the window is gone.
class StandInBar {
 public:
  explicit StandInBar(const Rect& place) {
    WNDCLASSW type{};
    type.lpfnWndProc = Procedure;
    type.hInstance = GetModuleHandleW(nullptr);
    type.lpszClassName = kClassName;
    RegisterClassW(&type);  // fails harmlessly when a previous test registered it
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP | WS_VISIBLE, place.x, place.y,
                              place.width, place.height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~StandInBar() { DestroyWindow(window_); }
  StandInBar(const StandInBar&) = delete;
  StandInBar& operator=(const StandInBar&) = delete;

  [[nodiscard]] HWND hwnd() const { return window_; }
  // Runs `step` from whichever message loop takes the posted message.
  void PostStep() { PostMessageW(window_, kRunStep, 0, 0); }

  std::function<void()> step;

 private:
  static constexpr wchar_t kClassName[] = L"ToolWindowTestBar";
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* self = reinterpret_cast<StandInBar*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == kRunStep && self && self->step) {
      self->step();
      return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
  }

  HWND window_ = nullptr;
};

// The engine and a context as the classroom tools' tests have them.
class ToolWindowTest : public ClassroomToolTest {};

TEST_F(ToolWindowTest, MeetsTheBarAgainWhenItsScaleChanges) {
  const DpiScale to(144);
  StandInBar bar({1200, 150, 146, 702});
  ASSERT_NE(bar.hwnd(), nullptr);
  context_.windows.Store(FormId::kBar, reinterpret_cast<AppWindowList::Handle>(bar.hwnd()));

  Rect shown, rescaled;
  bar.step = [&] {
    HWND tool = ListedWindow(context_, FormId::kToolWindow);
    if (!tool || !IsWindowVisible(tool)) {  // still being shown: look again
      bar.PostStep();
      return;
    }
    shown = WindowRectOf(tool);
    // Windows suggests a place on the new monitor, not one against the bar.
    const RECT suggested = ToRECT({shown.x - 300, shown.y + 40, to.Length(shown.width), to.Length(shown.height)});
    SendMessageW(tool, kDpiChangedMessage, MAKEWPARAM(to.dpi(), to.dpi()), reinterpret_cast<LPARAM>(&suggested));
    rescaled = WindowRectOf(tool);
    DestroyWindow(tool);
  };
  bar.PostStep();
  RunToolWindow(context_);

  EXPECT_EQ(shown, (Rect{1200 - 260, 150, 260, 392}));
  EXPECT_EQ(rescaled, (Rect{1200 - to.Length(260), 150, to.Length(260), to.Length(392)}));
}

}  // namespace
}  // namespace tabulo::app
