// A form window the engine draws: one window procedure (the form's, which
// hands each message to the engine first), and the engine's clean-up at
// WM_NCDESTROY before the form's own.
#include "app/forms/bound_form_window.h"

#include "native_form_fixture.h"
#include "ui/engine/engine_state.h"

namespace tabulo::app {
namespace {

using namespace testing;

class ProbeWindow final : public BoundFormWindow {
 public:
  explicit ProbeWindow(AppContext& context, FormId form = FormId::kAboutWindow, std::optional<int> dpi = {})
      : BoundFormWindow(form, context), dpi_(dpi) {}

  bool Build() {
    ui::BindOptions options;
    options.dpi = dpi_;
    return CreateAndBind(options);
  }

  std::optional<bool> engineBoundAtNcDestroy;  // as the form's own handling saw it
  int closesSeen = 0;

 protected:
  std::optional<LRESULT> OnMessage(UINT message, WPARAM, LPARAM) override {
    if (message == WM_NCDESTROY) engineBoundAtNcDestroy = Ui().IsBound();
    if (message == WM_CLOSE) ++closesSeen;
    return std::nullopt;
  }

 private:
  std::optional<int> dpi_;
};

class BoundFormWindowTest : public NativeFormTest {
 protected:
  void SetUp() override {
    ui::EngineStart();
    if (!ui::Engine().initialised) ui::EngineInitialise({});
  }
};

TEST_F(BoundFormWindowTest, TheFormsProcedureIsTheWindowsOnlyOneAndHandsTheEngineItsMessages) {
  ProbeWindow window(context_);
  ASSERT_TRUE(window.Build());
  HWND hwnd = window.hwnd();
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), static_cast<LONG_PTR>(GetClassLongPtrW(hwnd, GCLP_WNDPROC)))
      << "the window is not subclassed";
  EXPECT_EQ(ui::UiWindow::FromHandle(hwnd), &window.Ui());
  EXPECT_EQ(SendMessageW(hwnd, WM_NCHITTEST, 0, 0), HTCLIENT) << "the engine's answer: no native frame";
  // Handled by both: the engine's close (effect, hide), then the form's,
  // which destroys the window.
  window.Show();
  SendMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(window.closesSeen, 1);
  EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(BoundFormWindowTest, TheEngineLetsGoOfTheWindowBeforeTheFormsOwnCleanUp) {
  ProbeWindow window(context_);
  ASSERT_TRUE(window.Build());
  HWND hwnd = window.hwnd();
  window.Destroy();
  EXPECT_FALSE(IsWindow(hwnd));
  ASSERT_TRUE(window.engineBoundAtNcDestroy.has_value());
  EXPECT_FALSE(*window.engineBoundAtNcDestroy);
  EXPECT_EQ(ui::UiWindow::FromHandle(hwnd), nullptr);
  EXPECT_EQ(window.hwnd(), nullptr);
}

// Framed forms too: the frame the engine strips does not move them off the
// centre. The form's size is in 96-DPI units, the window's in pixels at the
// scale it is bound at.
TEST_F(BoundFormWindowTest, OpensCentredAtTheFormsSizeWithOrWithoutAFrame) {
  for (const int dpi : {96, 144, 192}) {
    for (const FormId form : {FormId::kAboutWindow, FormId::kRandomDraw, FormId::kTimerWindow,
                              FormId::kBatchFileWriter}) {
      SCOPED_TRACE(::testing::Message() << "form " << static_cast<int>(form) << " at " << dpi);
      ProbeWindow window(context_, form, dpi);
      ASSERT_TRUE(window.Build());
      const Rect placed = WindowRectOf(window.hwnd());
      EXPECT_EQ(placed.width, DpiScale(dpi).Length(GetForm(form).client_size.width));
      EXPECT_EQ(placed.height, DpiScale(dpi).Length(GetForm(form).client_size.height));
      EXPECT_EQ(placed.x, (GetSystemMetrics(SM_CXSCREEN) - placed.width) / 2);
      EXPECT_EQ(placed.y, (GetSystemMetrics(SM_CYSCREEN) - placed.height) / 2);
    }
  }
}

}  // namespace
}  // namespace tabulo::app
