#include "app/tools/timer_window.h"

#include <set>

#include "win/app/tools/classroom_tool_fixture.h"

namespace tabulo::app {
namespace {

using namespace testing;
constexpr TimeField kFields[] = {TimeField::kHours, TimeField::kMinutes, TimeField::kSeconds};

class AnsweringPresenter final : public MessagePresenter {
 public:
  MessageBoxAnswer Show(HWND, const MessageBoxRequest& request) override {
    shown.push_back(request);
    return answer;
  }
  std::vector<MessageBoxRequest> shown;
  MessageBoxAnswer answer = MessageBoxAnswer::kOk;
};

class TimerWindowTest : public ClassroomToolTest {
 protected:
  void SetUp() override {
    ClassroomToolTest::SetUp();
    context_.messages = &presenter_;
    context_.playChime = [this] { ++chimes_; };
    window_ = std::make_unique<TimerWindow>(context_);
    ASSERT_TRUE(window_->Build());
    window_->Show();
  }
  void TearDown() override {
    window_->Destroy();
    ClassroomToolTest::TearDown();
  }
  std::string Field(TimeField field) { return window_->Field(field).GetText(); }

  AnsweringPresenter presenter_;
  int chimes_ = 0;
  std::unique_ptr<TimerWindow> window_;
};

TEST_F(TimerWindowTest, OpensAsAnIdleCountdown) {
  for (TimeField field : kFields) {
    EXPECT_EQ(Field(field), "00");
    EXPECT_TRUE(window_->Field(field).Visible());
    EXPECT_FALSE(window_->Display(field).Visible());
  }
  EXPECT_EQ(window_->StartButton().Text(), "开始");
  EXPECT_TRUE(window_->StopButton().Disabled());
  EXPECT_FALSE(window_->DashLine().Visible());
  EXPECT_TRUE(window_->ChimeBox().Ticked());
  EXPECT_FALSE(window_->TopmostBox().Ticked());
  EXPECT_TRUE(window_->CountdownBox().Ticked());
  EXPECT_FALSE(window_->StopwatchBox().Ticked());
  EXPECT_FALSE(GetWindowLongW(window_->hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(TimerWindowTest, EachPlusAndMinusButtonChangesItsOwnField) {
  struct Case {
    std::size_t button;
    TimeField field;
    const char* before;
    const char* after;
  };
  const Case kCases[] = {
      {0, TimeField::kHours, "00", "01"},   {1, TimeField::kMinutes, "58", "59"},
      {2, TimeField::kSeconds, "55", "59"}, {3, TimeField::kHours, "00", "00"},
      {4, TimeField::kMinutes, "12", "11"}, {5, TimeField::kSeconds, "15", "05"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.button);
    window_->Field(c.field).SetText(c.before);
    ClickControl(window_->PlusMinus(c.button));
    EXPECT_EQ(Field(c.field), c.after);
  }
}

TEST_F(TimerWindowTest, AShortCountdownShowsEachSecondEndsAndRestoresTheFields) {
  window_->Field(TimeField::kSeconds).SetText("02");
  ClickControl(window_->StartButton());
  EXPECT_EQ(window_->StartButton().Text(), "暂停");
  EXPECT_FALSE(window_->StopButton().Disabled());
  EXPECT_TRUE(window_->Display(TimeField::kSeconds).Visible());
  EXPECT_FALSE(window_->Field(TimeField::kSeconds).Visible());
  EXPECT_FALSE(window_->PlusMinus(0).Visible());

  std::set<std::string> shown;
  ASSERT_TRUE(PumpUntil(
      [&] {
        shown.insert(window_->Display(TimeField::kSeconds).Text());
        return window_->StartButton().Text() == "开始";
      },
      8000));
  EXPECT_TRUE(shown.contains("02"));
  EXPECT_TRUE(shown.contains("01"));
  EXPECT_EQ(chimes_, 1);
  EXPECT_EQ(Field(TimeField::kSeconds), "02");
  EXPECT_TRUE(window_->Field(TimeField::kSeconds).Visible());
  EXPECT_FALSE(window_->Display(TimeField::kSeconds).Visible());
  EXPECT_TRUE(window_->PlusMinus(5).Visible());
  EXPECT_TRUE(window_->StopButton().Disabled());
}

TEST_F(TimerWindowTest, SwitchingModeWhilePausedAsksAndCancelKeepsTheCount) {
  window_->Field(TimeField::kMinutes).SetText("05");
  ClickControl(window_->StartButton());
  ClickControl(window_->StartButton());
  ASSERT_EQ(window_->StartButton().Text(), "继续");

  presenter_.answer = MessageBoxAnswer::kCancel;
  ClickControl(window_->StopwatchBox());
  ASSERT_EQ(presenter_.shown.size(), 1u);
  EXPECT_EQ(presenter_.shown[0].text, "切换模式会重置计时器，是否要继续？");
  EXPECT_EQ(presenter_.shown[0].caption, "提示");
  EXPECT_FALSE(window_->StopwatchBox().Ticked());
  EXPECT_TRUE(window_->CountdownBox().Ticked());
  EXPECT_EQ(window_->StartButton().Text(), "继续");

  presenter_.answer = MessageBoxAnswer::kOk;
  ClickControl(window_->StopwatchBox());
  EXPECT_TRUE(window_->StopwatchBox().Ticked());
  EXPECT_FALSE(window_->CountdownBox().Ticked());
  EXPECT_EQ(window_->StartButton().Text(), "开始");
  EXPECT_EQ(window_->Display(TimeField::kMinutes).Text(), "00");
  EXPECT_TRUE(window_->Display(TimeField::kMinutes).Visible());
  EXPECT_TRUE(window_->ChimeBox().Disabled());
  EXPECT_TRUE(window_->Preview().Disabled());
}

TEST_F(TimerWindowTest, KeepOnTopFollowsItsBoxAndThePreviewPlaysTheChime) {
  ClickControl(window_->TopmostBox());
  EXPECT_TRUE(GetWindowLongW(window_->hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  ClickControl(window_->TopmostBox());
  EXPECT_FALSE(GetWindowLongW(window_->hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(window_->StartButton().Text(), "开始");
  ClickControl(window_->Preview());
  EXPECT_EQ(chimes_, 1);
}

}  // namespace
}  // namespace tabulo::app
