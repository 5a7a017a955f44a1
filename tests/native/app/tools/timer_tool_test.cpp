#include "app/tools/timer_tool.h"

#include <gtest/gtest.h>

#include <vector>

namespace tabulo::app {
namespace {

// Holds what each control of the timer window would show.
class FakeTimerView : public TimerToolView {
 public:
  std::string fields[3] = {"00", "00", "00"};
  std::string displays[3];
  bool fieldsVisible = true, displaysVisible = false, plusMinusVisible = true, dashVisible = false;
  std::string startText = "开始";
  bool stopEnabled = false, chimeEnabled = true, chimeTicked = true, previewEnabled = true;
  bool countdownBox = true, stopwatchBox = false;
  int periods[2] = {0, 0};
  int chimes = 0;
  std::vector<MessageBoxRequest> messages;
  MessageBoxAnswer answer = MessageBoxAnswer::kOk;

  std::string FieldText(TimeField f) const override { return fields[int(f)]; }
  void SetFieldText(TimeField f, std::string_view t) override { fields[int(f)] = t; }
  void ShowFields(bool v) override { fieldsVisible = v; }
  void SetDisplayText(TimeField f, std::string_view t) override { displays[int(f)] = t; }
  void ShowDisplays(bool v) override { displaysVisible = v; }
  void ShowPlusMinus(bool v) override { plusMinusVisible = v; }
  void ShowDashLine(bool v) override { dashVisible = v; }
  void SetStartButtonText(std::string_view t) override { startText = t; }
  void EnableStopButton(bool e) override { stopEnabled = e; }
  void EnableChimeBox(bool e) override { chimeEnabled = e; }
  bool ChimeBoxTicked() const override { return chimeTicked; }
  void EnablePreview(bool e) override { previewEnabled = e; }
  void SetModeBoxes(bool c, bool s) override { countdownBox = c, stopwatchBox = s; }
  void SetClockPeriod(TimerClock c, int ms) override { periods[int(c)] = ms; }
  void PlayChime() override { ++chimes; }
  void SetTopmost(bool) override {}
  MessageBoxAnswer ShowMessage(const MessageBoxRequest& r) override {
    messages.push_back(r);
    return answer;
  }

  std::string Display() const { return displays[0] + " " + displays[1] + " " + displays[2]; }
  std::string Fields() const { return fields[0] + " " + fields[1] + " " + fields[2]; }
};

class TimerToolTest : public testing::Test {
 protected:
  void SetUp() override { timer.Open(); }
  void SetFields(const char* h, const char* m, const char* s) {
    view.fields[0] = h, view.fields[1] = m, view.fields[2] = s;
  }
  void Tick(TimerClock c = TimerClock::kCountdown) { timer.OnClockTick(c); }

  FakeTimerView view;
  TimerTool timer{view};
};

TEST(TimerFormat, GroupsOfASecondCount) {
  struct Case {
    int seconds;
    const char* expected;
  };
  const Case kCases[] = {
      {0, "00 00 00"}, {3, "00 00 03"}, {59, "00 00 59"}, {3600 + 61, "01 01 01"},
      {6039, "01 40 39"}, {99 * 3600 + 59 * 60 + 59, "99 59 59"}, {100 * 3600 + 5, "100 00 05"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.seconds);
    const auto g = TimeGroups(c.seconds);
    EXPECT_EQ(g[0] + " " + g[1] + " " + g[2], c.expected);
  }
}

TEST(TimerFormat, PlusAndMinusRules) {
  struct Case {
    TimeField field;
    bool plus;
    const char* before;
    const char* after;
  };
  const Case kCases[] = {
      {TimeField::kHours, true, "00", "01"},   {TimeField::kHours, true, "8", "09"},
      {TimeField::kHours, true, "09", "10"},   {TimeField::kHours, true, "98", "99"},
      {TimeField::kHours, true, "99", "99"},   {TimeField::kMinutes, true, "58", "59"},
      {TimeField::kMinutes, true, "59", "59"}, {TimeField::kMinutes, true, "75", "75"},
      {TimeField::kSeconds, true, "00", "10"}, {TimeField::kSeconds, true, "55", "59"},
      {TimeField::kSeconds, true, "59", "59"}, {TimeField::kSeconds, true, "60", "60"},
      {TimeField::kHours, false, "00", "00"},  {TimeField::kHours, false, "0", "00"},
      {TimeField::kHours, false, "1", "00"},   {TimeField::kHours, false, "10", "09"},
      {TimeField::kHours, false, "11", "10"},  {TimeField::kMinutes, false, "99", "98"},
      {TimeField::kSeconds, false, "15", "05"}, {TimeField::kSeconds, false, "10", "00"},
      {TimeField::kSeconds, false, "7", "00"}, {TimeField::kSeconds, false, "25", "15"},
      {TimeField::kHours, true, "-5", "-5"},   {TimeField::kMinutes, false, "-5", "00"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << int(c.field) << (c.plus ? " plus " : " minus ") << c.before);
    EXPECT_EQ(c.plus ? IncrementedField(c.field, c.before) : DecrementedField(c.field, c.before), c.after);
  }
}

TEST_F(TimerToolTest, CountdownShowsFullTimeFirstAndEndsOnTheTickThatFindsZero) {
  SetFields("00", "00", "3");
  timer.OnStartPauseContinue();
  EXPECT_EQ(view.periods[0], 1000);
  EXPECT_EQ(view.startText, "暂停");
  EXPECT_TRUE(view.stopEnabled);
  EXPECT_TRUE(view.displaysVisible);
  EXPECT_FALSE(view.fieldsVisible);
  EXPECT_FALSE(view.plusMinusVisible);
  EXPECT_TRUE(view.dashVisible);
  EXPECT_EQ(view.Display(), "00 00 3") << "the labels take the fields' texts unchanged at the start";

  for (const char* expected : {"00 00 03", "00 00 02", "00 00 01"}) {
    Tick();
    EXPECT_EQ(view.Display(), expected);
    EXPECT_EQ(view.chimes, 0);
  }
  Tick();
  EXPECT_EQ(view.periods[0], 0);
  EXPECT_EQ(view.startText, "开始");
  EXPECT_FALSE(view.stopEnabled);
  EXPECT_TRUE(view.fieldsVisible);
  EXPECT_FALSE(view.displaysVisible);
  EXPECT_TRUE(view.plusMinusVisible);
  EXPECT_FALSE(view.dashVisible);
  EXPECT_EQ(view.Fields(), "00 00 3");
  EXPECT_EQ(view.chimes, 1);

  Tick();  // a tick queued before the clock stopped
  EXPECT_EQ(view.chimes, 1);
}

TEST_F(TimerToolTest, CountdownLengths) {
  struct Case {
    const char *h, *m, *s;
    int seconds;
  };
  const Case kCases[] = {{"00", "00", "00", 60}, {"0", "99", "99", 6039}, {"99", "99", "99", 362439}, {"01", "", "", 3600}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.seconds);
    timer.Open();
    SetFields(c.h, c.m, c.s);
    timer.OnStartPauseContinue();
    EXPECT_EQ(timer.remainingSeconds(), c.seconds);
  }
}

TEST_F(TimerToolTest, CountdownBelowZeroEndsAtOnce) {
  SetFields("00", "00", "-5");
  view.chimeTicked = false;
  timer.OnStartPauseContinue();
  Tick();
  EXPECT_EQ(view.startText, "开始");
  EXPECT_EQ(view.periods[0], 0);
  EXPECT_EQ(view.chimes, 0) << "the chime box is not ticked";
}

TEST_F(TimerToolTest, PauseAndContinueKeepTheCount) {
  SetFields("00", "01", "00");
  timer.OnStartPauseContinue();
  Tick();
  timer.OnStartPauseContinue();
  EXPECT_EQ(view.startText, "继续");
  EXPECT_EQ(view.periods[0], 0);
  EXPECT_TRUE(view.stopEnabled);
  EXPECT_TRUE(view.displaysVisible);
  timer.OnStartPauseContinue();
  EXPECT_EQ(view.startText, "暂停");
  EXPECT_EQ(view.periods[0], 1000);
  Tick();
  EXPECT_EQ(view.Display(), "00 00 59");
}

TEST_F(TimerToolTest, ClearInCountdownResetsTheFields) {
  SetFields("01", "02", "03");
  timer.OnStartPauseContinue();
  Tick();
  timer.OnClear();
  EXPECT_EQ(view.Fields(), "00 00 00");
  EXPECT_TRUE(view.fieldsVisible);
  EXPECT_FALSE(view.displaysVisible);
  EXPECT_EQ(view.startText, "开始");
  EXPECT_FALSE(view.stopEnabled);
}

TEST_F(TimerToolTest, StopwatchCountsUpAndStopResetsIt) {
  timer.OnModeBoxClicked(ModeBox::kStopwatch, true);
  EXPECT_TRUE(view.messages.empty()) << "idle: no question";
  EXPECT_TRUE(timer.stopwatchMode());
  EXPECT_FALSE(view.countdownBox);
  EXPECT_TRUE(view.stopwatchBox);
  EXPECT_FALSE(view.chimeEnabled);
  EXPECT_FALSE(view.previewEnabled);
  EXPECT_TRUE(view.displaysVisible);
  EXPECT_TRUE(view.dashVisible);
  EXPECT_FALSE(view.fieldsVisible);
  EXPECT_EQ(view.Display(), "00 00 00");

  timer.OnStartPauseContinue();
  EXPECT_EQ(view.periods[1], 1000);
  for (const char* expected : {"00 00 00", "00 00 01", "00 00 02"}) {
    Tick(TimerClock::kStopwatch);
    EXPECT_EQ(view.Display(), expected);
  }
  Tick(TimerClock::kCountdown);  // the other clock is not running
  EXPECT_EQ(view.Display(), "00 00 02");
  timer.OnStop();
  EXPECT_EQ(view.periods[1], 0);
  EXPECT_EQ(view.Display(), "00 00 00");
  EXPECT_EQ(timer.elapsedSeconds(), 0);
  EXPECT_FALSE(view.stopEnabled);
  EXPECT_TRUE(view.dashVisible) << "stopwatch idle keeps the labels and the dash line";
}

TEST_F(TimerToolTest, SwitchingModeWhileBusyAsksFirst) {
  struct Case {
    bool pause;
    MessageBoxAnswer answer;
  };
  const Case kCases[] = {{true, MessageBoxAnswer::kCancel},
                         {false, MessageBoxAnswer::kCancel},
                         {true, MessageBoxAnswer::kOk}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << "paused " << c.pause << " answer " << int(c.answer));
    timer.Open();
    view.messages.clear();
    SetFields("00", "05", "00");
    timer.OnStartPauseContinue();
    Tick();
    if (c.pause) timer.OnStartPauseContinue();
    const std::string busyText = view.startText;
    view.answer = c.answer;
    view.countdownBox = false;  // the click unticked it
    timer.OnModeBoxClicked(ModeBox::kCountdown, false);

    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0],
              (MessageBoxRequest{"切换模式会重置计时器，是否要继续？", "提示", kMbOkCancel | kMbIconInformation,
                                 MessageBoxOwner::kWindow}));
    if (c.answer == MessageBoxAnswer::kCancel) {
      EXPECT_FALSE(timer.stopwatchMode());
      EXPECT_TRUE(view.countdownBox);
      EXPECT_FALSE(view.stopwatchBox);
      EXPECT_EQ(view.startText, busyText);
      EXPECT_EQ(view.periods[0], c.pause ? 0 : 1000);
      EXPECT_EQ(view.Display(), "00 05 00");
      EXPECT_EQ(timer.remainingSeconds(), 299);
    } else {
      EXPECT_TRUE(timer.stopwatchMode());
      EXPECT_TRUE(view.stopwatchBox);
      EXPECT_EQ(view.startText, "开始");
      EXPECT_FALSE(view.stopEnabled);
      EXPECT_EQ(view.periods[0], 0);
      EXPECT_EQ(view.Display(), "00 00 00");
    }
  }
}

TEST_F(TimerToolTest, BackToCountdownRestoresItsControls) {
  timer.OnModeBoxClicked(ModeBox::kStopwatch, true);
  timer.OnModeBoxClicked(ModeBox::kStopwatch, false);
  EXPECT_FALSE(timer.stopwatchMode());
  EXPECT_TRUE(view.countdownBox);
  EXPECT_TRUE(view.chimeEnabled);
  EXPECT_TRUE(view.previewEnabled);
  EXPECT_TRUE(view.fieldsVisible);
  EXPECT_TRUE(view.plusMinusVisible);
  EXPECT_FALSE(view.displaysVisible);
  EXPECT_FALSE(view.dashVisible);
}

}  // namespace
}  // namespace tabulo::app
