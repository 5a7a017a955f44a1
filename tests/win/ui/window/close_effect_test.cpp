// The fading close: the fade dispatches messages while it waits, so what
// arrives meanwhile may close the window a second time or delete the
// window's object. Neither may leave the first close working on what went:
// the close effect that was reset with the window, or the object itself
// (kept in poisoned storage, so a late read fails at once).
#include <cstdint>

#include "win/ui/engine_fixture.h"
#include "win/ui/poisoned_object.h"

namespace tabulo::ui::testing {
namespace {

// The effect's "done" callback, which can tell whether it is called after
// its owner destroyed it. The mark sits behind some padding: a heap block
// that is freed gets the allocator's links written over its first bytes,
// not over the mark.
struct DoneCounts {
  int calls = 0;
  int callsAfterDestroyed = 0;
};

class DoneProbe {
 public:
  explicit DoneProbe(DoneCounts& counts) : counts_(&counts) {}
  DoneProbe(const DoneProbe&) = default;
  DoneProbe& operator=(const DoneProbe&) = default;
  ~DoneProbe() { *static_cast<volatile std::uint32_t*>(&mark_) = kDestroyed; }

  void operator()() const {
    if (*static_cast<const volatile std::uint32_t*>(&mark_) == kAlive) {
      ++counts_->calls;
    } else {
      ++counts_->callsAfterDestroyed;
    }
  }

 private:
  static constexpr std::uint32_t kAlive = 0xA11CE5u;
  static constexpr std::uint32_t kDestroyed = 0xDEADu;
  [[maybe_unused]] char padding_[32] = {};
  DoneCounts* counts_;
  std::uint32_t mark_ = kAlive;
};

class CloseEffectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EngineStart();
    if (!Engine().initialised) EngineInitialise({});
    hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, kDefaultWindowClass, L"fade test", WS_POPUP, 100, 100, 200, 150, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr);
    BindOptions options;
    options.alpha = 255;  // layered: the close fades
    options.captionButtons = kNoCaptionButtons;
    options.backgroundColour = 0x0000FF;
    ASSERT_TRUE(window.Emplace().Bind(hwnd, options));
    WindowEffect fade;
    fade.effect = ShowEffect::kFade;
    fade.durationMs = 90;
    fade.frameMs = 15;
    fade.done = DoneProbe(counts);
    window->SetCloseEffect(fade);
  }
  void TearDown() override {
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
  }

  HWND hwnd = nullptr;
  PoisonedObject<UiWindow> window;
  DoneCounts counts;
};

TEST_F(CloseEffectTest, ASecondCloseDuringTheFadeEndsTheWindowOnceAndTheFirstFadeRunsOnItsOwnCopy) {
  int closes = 0;
  window->Bind(WM_CLOSE, [&](const EventArgs&) { return ++closes, false; });
  // Waiting in the queue, so it arrives while the first close fades.
  PostMessageW(hwnd, WM_CLOSE, 0, 0);
  SendMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(closes, 2);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_FALSE(window->IsBound());
  EXPECT_EQ(counts.callsAfterDestroyed, 0) << "the first fade used the effect the window had destroyed";
  EXPECT_EQ(counts.calls, 2) << "each close finished its fade";
}

TEST_F(CloseEffectTest, TheWindowObjectDeletedDuringTheFadeLeavesAHiddenPlainWindow) {
  window->Bind(kMsgApplicationEvent, [&](const EventArgs&) {
    window.Delete();
    return true;
  });
  PostMessageW(hwnd, kMsgApplicationEvent, 0, 0);
  SendMessageW(hwnd, WM_CLOSE, 0, 0);
  ASSERT_TRUE(window.Deleted());
  EXPECT_TRUE(IsWindow(hwnd)) << "the close did not go on with the object gone";
  EXPECT_EQ(UiWindow::FromHandle(hwnd), nullptr);
  EXPECT_FALSE(IsWindowVisible(hwnd));
  EXPECT_EQ(counts.callsAfterDestroyed, 0);
  EXPECT_EQ(counts.calls, 1);
}

}  // namespace
}  // namespace tabulo::ui::testing
