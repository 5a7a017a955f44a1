#include "app/timetable/reminder.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

namespace tabulo::app {
namespace {

constexpr Argb kNormal = MakeArgb(255, 0, 0, 0);

DateTime At(int hour, int minute) { return DateTime{2024, 9, 2, hour, minute, 0, 1}; }

// The bar's period labels and the pop-up. The pop-up's message loop is
// modelled by `insidePopup`: events (ticks, clicks, Esc) that happen while
// it is open, run inside OpenPopup until the pop-up is gone.
class FakeBar : public ReminderView {
 public:
  Reminder* reminder = nullptr;
  std::array<std::string, 8> texts{"语文", "数学", "英语", "物理", "化学", "生物", "历史", "地理"};
  std::array<Argb, 8> colours{kNormal, kNormal, kNormal, kNormal, kNormal, kNormal, kNormal, kNormal};
  std::vector<std::string> opened;  // subjects of the pop-ups, in order
  int destroyed = 0;
  int colourCalls = 0;
  bool popup = false;
  std::deque<std::function<void()>> insidePopup;

  std::string PeriodText(int p) const override { return texts.at(p - 1); }
  void SetPeriodColour(int p, Argb c) override {
    colours.at(p - 1) = c;
    ++colourCalls;
  }
  bool PopupExists() const override { return popup; }
  void OpenPopup(std::string_view subject) override {
    opened.emplace_back(subject);
    popup = true;
    reminder->OnPopupCreated();
    while (popup && !insidePopup.empty()) {
      auto event = std::move(insidePopup.front());
      insidePopup.pop_front();
      event();
    }
  }
  void DestroyPopup() override {
    popup = false;
    ++destroyed;
  }
  void ClosePopup() override { DestroyPopup(); }
};

class ReminderTest : public testing::Test {
 protected:
  ReminderTest() {
    schedule.today = "星期一";
    schedule.start = {450, 530, 580, 630, 680, 875, 930, 980};  // Monday's read defaults
  }
  void Make(std::string offset = "0", std::string tip = "false") {
    reminder.emplace(bar, schedule, std::move(offset), std::move(tip), kNormal);
    bar.reminder = &*reminder;
  }
  void Tick(int h, int m) { reminder->Tick(At(h, m)); }
  void TickInsidePopup(int h, int m) {
    bar.insidePopup.push_back([this, h, m] { Tick(h, m); });
  }
  const ReminderState& state() const { return reminder->state(); }

  DaySchedule schedule;
  FakeBar bar;
  std::optional<Reminder> reminder;
};

TEST(ReminderRules, TimerAndSubjects) {
  EXPECT_EQ(ReminderTimerPeriod("true"), 0);
  EXPECT_EQ(ReminderTimerPeriod("false"), 5000);
  EXPECT_EQ(ReminderTimerPeriod("TRUE"), 5000) << "compared exactly";
  for (const char* none : {"暂无", "无", ""}) EXPECT_FALSE(IsRealSubject(none)) << none;
  EXPECT_TRUE(IsRealSubject("无线电"));
}

TEST_F(ReminderTest, AnnouncesThenCleansUpThenAnnouncesTheNextPeriod) {
  Make();
  Tick(6, 0);
  EXPECT_TRUE(bar.opened.empty());
  EXPECT_EQ(bar.colourCalls, 0) << "before the first period nothing happens";

  TickInsidePopup(7, 28);
  TickInsidePopup(7, 32);
  TickInsidePopup(7, 33);  // clean-up inside the pop-up's own loop ends it
  Tick(7, 27);
  EXPECT_EQ(bar.opened, (std::vector<std::string>{"语文"}));
  EXPECT_EQ(state().popupText, "语文");
  EXPECT_EQ(bar.destroyed, 1);
  EXPECT_EQ(bar.colours[0], kNormal);
  EXPECT_TRUE(state().shown) << "closing: shown until a tick finds no pop-up";

  Tick(7, 34);
  EXPECT_FALSE(state().shown);
  EXPECT_FALSE(state().dismissed);

  Tick(8, 47);
  EXPECT_EQ(bar.opened, (std::vector<std::string>{"语文", "数学"}));
  EXPECT_EQ(bar.colours[1], kReminderHighlight);
}

TEST_F(ReminderTest, RowIsHighlightedWhileThePopupIsOpen) {
  Make();
  bar.insidePopup.push_back([this] {
    EXPECT_EQ(bar.colours[0], kReminderHighlight);
    EXPECT_TRUE(state().shown);
  });
  Tick(7, 27);
  EXPECT_EQ(bar.insidePopup.size(), 0u);
}

TEST_F(ReminderTest, ClockOffsetCorrectsTheMinute) {
  struct Case {
    const char* offset;
    int h, m;
    bool announced;
  };
  const Case kCases[] = {
      {"-5", 7, 22, true},  {"5", 7, 32, true},  {"－５", 7, 22, true},  // full-width digits count
      {"-5", 7, 21, false}, {"0", 7, 26, false}, {"abc", 7, 27, true},  // no digits: offset 0
      {"", 7, 27, true},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.offset << " at " << c.h << ":" << c.m);
    bar.opened.clear();
    Make(c.offset);
    Tick(c.h, c.m);
    EXPECT_EQ(bar.opened.size(), c.announced ? 1u : 0u);
  }
}

TEST_F(ReminderTest, MinuteIsNotWrappedAtMidnight) {
  schedule.start[7] = 1445;  // period 8 "starts" at 24:05 of the corrected clock
  Make("-10");
  Tick(23, 57);  // corrected 1447: inside period 8's window only without wrapping
  EXPECT_EQ(bar.opened, (std::vector<std::string>{"地理"}));
}

TEST_F(ReminderTest, DismissedPopupStaysClosedUntilTheCleanUp) {
  Make();
  TickInsidePopup(7, 28);
  bar.insidePopup.push_back([this] { reminder->OnDismiss(); });
  Tick(7, 27);
  EXPECT_FALSE(bar.popup);
  EXPECT_TRUE(state().dismissed);
  for (int m : {29, 30, 31, 32}) Tick(7, m);
  EXPECT_EQ(bar.opened.size(), 1u);
  EXPECT_EQ(bar.colours[0], kReminderHighlight) << "the row keeps its colour until the clean-up";

  Tick(7, 33);
  EXPECT_FALSE(state().dismissed);
  EXPECT_FALSE(state().shown);
  EXPECT_EQ(bar.colours[0], kNormal);
  Tick(8, 47);
  EXPECT_EQ(bar.opened, (std::vector<std::string>{"语文", "数学"}));
}

TEST_F(ReminderTest, EscClosesThePopupForTheRestOfTheAnnouncement) {
  Make();
  bar.insidePopup.push_back([this] { bar.popup = false; });  // Esc destroys it without dismissing
  Tick(7, 27);
  EXPECT_TRUE(state().shown);
  EXPECT_FALSE(state().dismissed);
  Tick(7, 28);
  Tick(7, 32);
  EXPECT_EQ(bar.opened.size(), 1u);
  Tick(7, 33);
  EXPECT_FALSE(state().shown);
  EXPECT_EQ(bar.colours[0], kNormal);
}

TEST_F(ReminderTest, FreePeriodsAreNeverAnnounced) {
  for (const char* none : {"暂无", "无", ""}) {
    SCOPED_TRACE(none);
    bar = FakeBar();
    bar.texts[0] = none;
    Make();
    for (int m = 26; m <= 33; ++m) Tick(7, m);
    EXPECT_TRUE(bar.opened.empty());
    EXPECT_NE(bar.colours[0], kReminderHighlight);
  }
}

TEST_F(ReminderTest, FreePeriodHoldsOffTheCleanUpInsideItsWindow) {
  schedule.start[2] = 500;  // period 3 set earlier than period 2, and free
  bar.texts[2] = "无";
  Make();
  bar.insidePopup.push_back([] {});  // keep period 1's pop-up open across the next ticks
  Tick(7, 27);
  ASSERT_TRUE(bar.popup);
  Tick(8, 20);  // m = 500: gap 1, but inside the free period's window
  EXPECT_TRUE(bar.popup);
  EXPECT_EQ(bar.colours[0], kReminderHighlight);
  Tick(8, 23);  // m = 503: outside it
  EXPECT_FALSE(bar.popup);
  EXPECT_EQ(bar.colours[0], kNormal);
}

TEST_F(ReminderTest, PeriodsSixMinutesApart) {
  schedule.start[1] = 456;
  Make();
  for (int m : {33, 36, 38}) TickInsidePopup(7, m);  // inside period 2's window
  TickInsidePopup(7, 39);                            // period 2's start + 3
  Tick(7, 27);
  EXPECT_EQ(bar.opened, (std::vector<std::string>{"语文"})) << "period 2 is neither highlighted nor announced";
  EXPECT_EQ(bar.destroyed, 1) << "the first pop-up closes at the second period's start + 3";
  EXPECT_EQ(bar.colours[0], kReminderHighlight) << "row 1 keeps the highlight";
  EXPECT_EQ(bar.colours[1], kNormal);
}

TEST_F(ReminderTest, TipOtherThanFalseHighlightsWithoutPopup) {
  Make("0", "no");
  Tick(7, 27);
  const int calls = bar.colourCalls;
  Tick(7, 28);
  EXPECT_TRUE(bar.opened.empty());
  EXPECT_EQ(bar.colours[0], kReminderHighlight);
  EXPECT_FALSE(state().shown);
  EXPECT_GT(bar.colourCalls, calls) << "the announcement repeats every tick";
}

TEST_F(ReminderTest, SundayDoesNothing) {
  schedule.today = "星期日";
  Make();
  for (int m = 20; m < 40; ++m) Tick(7, m);
  EXPECT_EQ(bar.colourCalls, 0);
}

TEST_F(ReminderTest, AfterTheLastPeriodEveryTickRestoresRowEight) {
  Make();
  Tick(16, 23);
  Tick(16, 40);
  EXPECT_EQ(bar.colourCalls, 2);
  EXPECT_EQ(bar.colours[7], kNormal);
  EXPECT_TRUE(bar.opened.empty());
}

TEST_F(ReminderTest, NewDayWhileThePopupIsOpen) {
  Make();
  DateWatch watch(At(16, 17));
  bar.insidePopup.push_back([&] {
    DateTime tomorrow = At(0, 0);
    tomorrow.day = 3;
    tomorrow.weekday = 2;
    ASSERT_TRUE(watch.Changed(tomorrow));
    EXPECT_FALSE(watch.Changed(tomorrow));
    schedule.today = "星期二";  // the bar's weekday step and load
    schedule.start = {470, 520, 580, 635, 685, 875, 930, 980};
    reminder->StartNewDay();
  });
  Tick(16, 17);  // period 8 of Monday
  EXPECT_FALSE(bar.popup);
  EXPECT_EQ(bar.colours[7], kNormal);
  EXPECT_FALSE(state().shown);

  Tick(7, 47);
  EXPECT_EQ(bar.opened, (std::vector<std::string>{"地理", "语文"})) << "Tuesday's first period at 7:50";
}

}  // namespace
}  // namespace tabulo::app
