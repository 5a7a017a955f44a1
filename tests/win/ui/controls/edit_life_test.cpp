// The Edit's life around its text engine: the length limit the host reports
// to the engine, the input method context a password field takes and must
// give back however it goes, and handlers run from inside the engine (its
// notifications, and the scroll bar's chain of bar, Edit, engine and back)
// that destroy the Edit or its window while the engine is still on the stack.
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "ui/controls/edit.h"
#include "ui/controls/edit_text_host.h"
#include "ui/controls/scroll_bar.h"
#include "win/ui/engine_fixture.h"

namespace tabulo::ui::testing {
namespace {

class EditLifeTest : public BoundWindowTest {
 protected:
  void SetUp() override {
    BoundWindowTest::SetUp();
    Bind({}, 300, 200);
  }

  // The context the window's input method works with now (null: none).
  HIMC InputContext() const {
    HIMC context = ImmGetContext(hwnd);
    if (context) ImmReleaseContext(hwnd, context);
    return context;
  }
};

TEST_F(EditLifeTest, TheHostReportsTheLengthLimitTheEngineWorksWith) {
  for (const int maxLength : {2, 300, 0}) {
    SCOPED_TRACE(maxLength);
    EditOptions options;
    options.maxLength = maxLength;
    Edit edit;
    ASSERT_TRUE(edit.Create(hwnd, {10, 10, 120, 24}, options));
    EditTextHost host(edit);
    DWORD reported = 0xFFFFFFFFu;
    ASSERT_EQ(host.TxGetMaxLength(&reported), S_OK);
    EXPECT_EQ(reported, static_cast<DWORD>(edit.MaxLength()));
    edit.SetMaxLength(7);
    ASSERT_EQ(host.TxGetMaxLength(&reported), S_OK);
    EXPECT_EQ(reported, 7u);
  }
}

TEST_F(EditLifeTest, APasswordFieldGivesTheInputContextBackHoweverItLosesTheFocus) {
  const HIMC original = InputContext();
  ASSERT_NE(original, nullptr) << "the window starts with the thread's input context";
  enum class Going { kFocusMoves, kDestroyed, kDeleted };
  for (const Going going : {Going::kFocusMoves, Going::kDestroyed, Going::kDeleted}) {
    SCOPED_TRACE(static_cast<int>(going));
    ColourControl other;
    ASSERT_TRUE(other.Create(hwnd, {10, 50, 40, 20}));
    std::optional<Edit> field(std::in_place);
    EditOptions options;
    options.editStyle = kEditPassword;
    ASSERT_TRUE(field->Create(hwnd, {10, 10, 120, 24}, options));
    field->SetFocus();
    EXPECT_EQ(InputContext(), nullptr) << "no input method composes a password where it can be read";
    switch (going) {
      case Going::kFocusMoves: other.SetFocus(); break;
      case Going::kDestroyed: field->Destroy(); break;
      case Going::kDeleted: field.reset(); break;
    }
    EXPECT_EQ(InputContext(), original);
  }
}

// A log with a vertical bar and lines to scroll, focused so that keys and
// the wheel reach it.
void FillLog(Edit& log, HWND window) {
  EditOptions options;
  options.multiLine = true;
  options.scrollBars = kEditVerticalBar;
  ASSERT_TRUE(log.Create(window, {10, 10, 200, 80}, options));
  for (int i = 1; i <= 20; ++i) log.AppendText((i > 1 ? "\rline " : "line ") + std::to_string(i));
  ASSERT_NE(log.VerticalBar(), nullptr);
  ASSERT_GT(log.VerticalBar()->Position(), 0);
  log.SetFocus();
}

// One reference to an Edit's text engine, taken through the engine's own
// OLE interface. Giving it back tells how many references remain: a handler
// run from inside the engine sees whether the call that runs it still holds
// the engine.
class EngineReference {
 public:
  explicit EngineReference(Edit& edit) {
    edit.SendTextMessage(EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&reference_));
  }
  EngineReference(const EngineReference&) = delete;
  EngineReference& operator=(const EngineReference&) = delete;
  ~EngineReference() { (void)GiveBack(); }

  [[nodiscard]] bool Held() const { return reference_ != nullptr; }
  // The references left; 0 when the engine went with this one.
  ULONG GiveBack() { return reference_ ? std::exchange(reference_, nullptr)->Release() : 0; }

 private:
  IUnknown* reference_ = nullptr;
};

// What runs the handler: typing (the text changes), a click (the selection
// changes) and the wheel (the bar tells the Edit, the Edit its engine, and
// the engine has the Edit repainted, with all of them still on the stack).
enum class Runner { kTyping, kClick, kWheel };

void BindHandler(Runner runner, Edit& log, const std::function<void()>& handler) {
  switch (runner) {
    case Runner::kTyping: log.BindTextChanged([handler](Edit&) { handler(); }); break;
    case Runner::kClick: log.BindSelectionChanged([handler](Edit&) { handler(); }); break;
    case Runner::kWheel: log.Bind(WM_PAINT, [handler](const EventArgs&) { return handler(), false; }); break;
  }
}

void RunInput(Runner runner, HWND window) {
  switch (runner) {
    case Runner::kTyping:
      SendMessageW(window, WM_KEYDOWN, 'A', 1);
      SendMessageW(window, WM_CHAR, L'a', 1);
      break;
    case Runner::kClick:
      SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 20));
      SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(30, 20));
      break;
    case Runner::kWheel:
      SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(50, 40));
      SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(150, 140));
      break;
  }
}

TEST_F(EditLifeTest, AHandlerRunFromInsideTheEngineMayDestroyItsEditOrTheWindow) {
  for (const Runner runner : {Runner::kTyping, Runner::kClick, Runner::kWheel}) {
    for (const bool wholeWindow : {false, true}) {
      SCOPED_TRACE(std::string(wholeWindow ? "the window" : "the Edit") + " destroyed by the handler run by " +
                   std::to_string(static_cast<int>(runner)));
      if (!IsWindow(hwnd)) Bind({}, 300, 200);
      Edit log;
      FillLog(log, hwnd);
      EngineReference reference(log);
      ASSERT_TRUE(reference.Held());
      int ended = 0;
      ULONG left = 0;
      BindHandler(runner, log, [&] {
        if (ended++ != 0) return;
        if (wholeWindow) {
          DestroyWindow(hwnd);
        } else {
          log.Destroy();
        }
        left = reference.GiveBack();
      });
      RunInput(runner, hwnd);
      ASSERT_EQ(ended, 1) << "the handler ran inside the input's handling";
      EXPECT_GT(left, 0u) << "the engine was released while a call into it was running";
      EXPECT_FALSE(log.IsCreated());
      EXPECT_FALSE(log.HasTextEngine());
      EXPECT_EQ(log.VerticalBar(), nullptr);
      EXPECT_EQ(IsWindow(hwnd) != FALSE, !wholeWindow);
      if (wholeWindow) continue;

      // A new life of the same object gets a new engine and its bar again.
      BindHandler(runner, log, [] {});
      FillLog(log, hwnd);
      const int last = log.FirstVisibleLine();
      RunInput(Runner::kWheel, hwnd);
      EXPECT_LT(log.FirstVisibleLine(), last);
    }
  }
}

}  // namespace
}  // namespace tabulo::ui::testing
