#include "app/shell/bar_presenter.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/calendar/calendar_file.h"
#include "app/timetable/timetable_file.h"
#include "base/file/atomic_file.h"
#include "base/time/date_text.h"
#include "support/temp_directory.h"

namespace tabulo::app {
namespace {

constexpr Argb kText = MakeArgb(255, 1, 2, 3);
constexpr int kMonday = 1, kTuesday = 2;  // school days as timetable.dat numbers them

// 2024-09-02 is a Monday.
DateTime Monday(int hour, int minute, int second) { return DateTime{2024, 9, 2, hour, minute, second, 1}; }
DateTime Tuesday(int hour, int minute, int second) { return DateTime{2024, 9, 3, hour, minute, second, 2}; }

// The bar as the window is: labels that hold what they were last given (the
// reminder reads its subjects back from them), a log of every label change
// (each one a repaint), and the reminder's pop-up.
class FakeBar : public BarView, public ReminderView {
 public:
  std::vector<std::string> log;
  std::array<std::string, kPeriods> rows;
  std::array<Argb, kPeriods> colours{};
  std::vector<std::string> popups;  // subjects of the pop-ups opened
  std::vector<std::string> problems;  // calendar diagnoses reported
  bool popupOpen = false;

  void ShowClock(std::string_view text) override { log.push_back("clock " + std::string(text)); }
  void ShowWeekday(std::string_view text) override { log.push_back("weekday " + std::string(text)); }
  void ShowSubject(int period, std::string_view subject) override {
    rows.at(period - 1) = subject;
    log.push_back(std::to_string(period) + " " + std::string(subject));
  }
  void NewDayStarted(std::string_view today) override { log.push_back("new day " + std::string(today)); }
  void ReportCalendarProblem(std::string_view diagnosis) override { problems.emplace_back(diagnosis); }

  std::string PeriodText(int period) const override { return rows.at(period - 1); }
  void SetPeriodColour(int period, Argb colour) override { colours.at(period - 1) = colour; }
  bool PopupExists() const override { return popupOpen; }
  void OpenPopup(std::string_view subject) override {
    popups.emplace_back(subject);
    popupOpen = true;
  }
  void DestroyPopup() override { popupOpen = false; }
  void ClosePopup() override { popupOpen = false; }

  std::vector<std::string> TakeLog() { return std::exchange(log, {}); }
};

class BarPresenterTest : public testing::Test {
 protected:
  BarPresenterTest() {
    EXPECT_TRUE(file.WriteSubject(kMonday, 1, "语文"));
    EXPECT_TRUE(file.WriteSubject(kMonday, 2, "数学"));
    EXPECT_TRUE(file.WriteStartTime(kMonday, 1, "8", "0"));
    EXPECT_TRUE(file.WriteSubject(kTuesday, 1, "语文"));
    EXPECT_TRUE(file.WriteSubject(kTuesday, 2, "英语"));
    EXPECT_TRUE(file.WriteStartTime(kTuesday, 1, "9", "0"));
  }

  test::TempDirectory runDirectory;
  TimetableFile file{runDirectory.path()};
  FakeBar bar;
  BarPresenter presenter{bar, runDirectory.path()};
};

TEST_F(BarPresenterTest, OpensWithTheClockTheWeekdayAndEveryPeriod) {
  presenter.Open(Monday(8, 5, 9));
  EXPECT_EQ(bar.TakeLog(), (std::vector<std::string>{"clock 2024年9月2日8时5分9秒", "weekday 星期一", "1 语文", "2 数学",
                                                     "3 暂无", "4 暂无", "5 暂无", "6 暂无", "7 暂无", "8 暂无"}));
  EXPECT_EQ(presenter.schedule().start[0], 8 * 60);

  BarPresenter sunday(bar, runDirectory.path());
  sunday.Open(DateTime{2024, 9, 1, 12, 0, 0, 0});
  EXPECT_EQ(bar.TakeLog(), (std::vector<std::string>{"clock 2024年9月1日12时", "weekday 星期日", "1 暂无", "2 暂无",
                                                     "3 暂无", "4 暂无", "5 暂无", "6 暂无", "7 暂无", "8 暂无"}));
}

TEST_F(BarPresenterTest, AClockTickRepaintsOnlyAChangedClock) {
  presenter.Open(Monday(8, 5, 9));
  bar.TakeLog();
  struct Case {
    DateTime now;
    std::vector<std::string> log;
  };
  const Case kCases[] = {
      {Monday(8, 5, 9), {}},  // the half-second tick within the same second
      {Monday(8, 5, 10), {"clock 2024年9月2日8时5分10秒"}},
      {Monday(8, 5, 10), {}},
      {Monday(9, 0, 0), {"clock 2024年9月2日9时"}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(ClockText(c.now));
    presenter.OnClockTick(c.now);
    EXPECT_EQ(bar.TakeLog(), c.log);
  }
}

TEST_F(BarPresenterTest, MidnightShowsTheNewDayAndStartsTheReminderOnIt) {
  presenter.Open(Monday(23, 59, 59));
  presenter.StartReminder(bar, "0", "false", kText);
  bar.TakeLog();
  // Monday's first period was highlighted and its pop-up is still open.
  bar.colours[0] = kReminderHighlight;
  bar.popupOpen = true;

  presenter.OnClockTick(Tuesday(0, 0, 0));
  EXPECT_EQ(bar.TakeLog(),
            (std::vector<std::string>{"clock 2024年9月3日", "weekday 星期二", "2 英语", "new day 星期二"}));
  EXPECT_FALSE(bar.popupOpen);
  EXPECT_EQ(bar.colours[0], kText);
  presenter.OnClockTick(Tuesday(0, 0, 0));
  EXPECT_EQ(bar.TakeLog(), std::vector<std::string>{}) << "one new day per date";

  // The reminder now works on Tuesday's start times and subjects.
  presenter.OnReminderTick(Tuesday(7, 58, 0));
  EXPECT_TRUE(bar.popups.empty()) << "Monday's first period started at 8:00";
  presenter.OnReminderTick(Tuesday(8, 58, 0));
  EXPECT_EQ(bar.popups, std::vector<std::string>{"语文"});
  EXPECT_EQ(bar.colours[0], kReminderHighlight);
}

TEST_F(BarPresenterTest, ANewDateOnTheSameWeekdayStillReloadsItsPeriods) {
  presenter.Open(Monday(12, 0, 0));
  ASSERT_TRUE(file.WriteSubject(kMonday, 3, "物理"));
  bar.TakeLog();
  presenter.OnClockTick(DateTime{2024, 9, 9, 12, 0, 0, 1});
  EXPECT_EQ(bar.TakeLog(), (std::vector<std::string>{"clock 2024年9月9日12时", "3 物理", "new day 星期一"}));
}

TEST_F(BarPresenterTest, AReloadRepaintsOnlyThePeriodsThatChanged) {
  presenter.Open(Monday(12, 0, 0));
  bar.TakeLog();
  presenter.ReloadTimetable();
  EXPECT_EQ(bar.TakeLog(), std::vector<std::string>{});

  ASSERT_TRUE(file.WriteSubject(kMonday, 2, "化学"));
  ASSERT_TRUE(file.WriteSubject(kMonday, 8, ""));
  ASSERT_TRUE(file.WriteSubject(kTuesday, 3, "生物"));
  presenter.ReloadTimetable();
  EXPECT_EQ(bar.TakeLog(), (std::vector<std::string>{"2 化学", "8 "}));
}

TEST_F(BarPresenterTest, TheReminderWaitsUntilItIsStarted) {
  presenter.Open(Monday(7, 58, 0));
  EXPECT_EQ(presenter.reminder(), nullptr);
  presenter.OnReminderTick(Monday(7, 58, 0));
  EXPECT_TRUE(bar.popups.empty());

  presenter.StartReminder(bar, "0", "false", kText);
  ASSERT_NE(presenter.reminder(), nullptr);
  presenter.OnReminderTick(Monday(7, 58, 0));
  EXPECT_EQ(bar.popups, std::vector<std::string>{"语文"});
}

// The bar with a school calendar: the day shown is the calendar's choice for
// the date, made again at every new date and every reload.
class BarCalendarTest : public BarPresenterTest {
 protected:
  static constexpr int kFriday = 5;
  static DateTime Saturday(int hour) { return DateTime{2024, 9, 7, hour, 0, 0, 6}; }  // in cycle week 1

  BarCalendarTest() {
    EXPECT_TRUE(file.WriteSubject(kFriday, 1, "美术"));
    EXPECT_TRUE(file.WriteStartTime(kFriday, 1, "10", "0"));
    data.calendar.cycle_weeks = 2;
    data.calendar.week1 = CalendarDate{2024, 9, 2};
    data.Week(2)[CellIndex(kMonday, 1) - 1].subject = "体育";  // the even week's Monday
  }

  void SaveCalendar() { ASSERT_TRUE(CalendarFile(runDirectory.path()).Save(data, CalendarDate{2024, 9, 1})); }
  void Add(CalendarDate date, ChangeKind kind) {
    DatedChange change;
    change.date = date;
    change.kind = kind;
    data.calendar.changes.push_back(change);
  }

  CalendarData data;
};

TEST_F(BarCalendarTest, AHolidayShowsNoSubjectsAndRemindsOfNothing) {
  Add(CalendarDate{2024, 9, 2}, ChangeKind::kHoliday);
  SaveCalendar();
  presenter.Open(Monday(7, 58, 0));
  presenter.StartReminder(bar, "0", "false", kText);
  EXPECT_EQ(bar.TakeLog(), (std::vector<std::string>{"clock 2024年9月2日7时58分", "weekday 假日", "1 暂无", "2 暂无",
                                                     "3 暂无", "4 暂无", "5 暂无", "6 暂无", "7 暂无", "8 暂无"}));
  for (const DateTime& now : {Monday(7, 58, 0), Monday(7, 59, 30), Monday(8, 0, 0)}) presenter.OnReminderTick(now);
  EXPECT_TRUE(bar.popups.empty());
  EXPECT_EQ(bar.colours[0], Argb{});
}

TEST_F(BarCalendarTest, EachDateRunsItsCycleWeekOrItsSwapAndSkipsItsPeriods) {
  DatedChange swap;
  swap.date = CalendarDate{2024, 9, 7};
  swap.kind = ChangeKind::kSwap;
  swap.day = kFriday;
  data.calendar.changes.push_back(swap);
  DatedChange skip;
  skip.date = CalendarDate{2024, 9, 10};
  skip.kind = ChangeKind::kSkipPeriods;
  skip.skipped = PeriodBit(2);
  data.calendar.changes.push_back(skip);
  SaveCalendar();

  presenter.Open(Monday(12, 0, 0));
  presenter.StartReminder(bar, "0", "false", kText);
  EXPECT_EQ(bar.log.at(1), "weekday 星期一 · 单周");
  EXPECT_EQ(bar.rows[0], "语文");
  bar.TakeLog();
  struct Case {
    DateTime midnight;
    std::vector<std::string> log;
  };
  const Case kCases[] = {
      {Saturday(0), {"clock 2024年9月7日", "weekday 星期五 · 调休", "1 美术", "2 暂无", "new day 星期五"}},
      {DateTime{2024, 9, 8, 0, 0, 0, 0}, {"clock 2024年9月8日", "weekday 星期日", "1 暂无", "new day 星期日"}},
      {DateTime{2024, 9, 9, 0, 0, 0, 1},
       {"clock 2024年9月9日", "weekday 星期一 · 双周", "1 体育", "2 数学", "new day 星期一"}},
      {DateTime{2024, 9, 10, 0, 0, 0, 2},
       {"clock 2024年9月10日", "weekday 星期二 · 双周", "1 语文", "2 暂无", "new day 星期二"}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(ClockText(c.midnight));
    presenter.OnClockTick(c.midnight);
    EXPECT_EQ(bar.TakeLog(), c.log);
  }

  // The swapped Saturday reminds of Friday's first period at Friday's time.
  BarPresenter saturday(bar, runDirectory.path());
  saturday.Open(Saturday(9));
  saturday.StartReminder(bar, "0", "false", kText);
  saturday.OnReminderTick(DateTime{2024, 9, 7, 9, 58, 0, 6});
  EXPECT_EQ(bar.popups, std::vector<std::string>{"美术"});
}

TEST_F(BarCalendarTest, AReloadTakesTheCalendarsNewChoiceForTheSameDate) {
  SaveCalendar();
  presenter.Open(Monday(12, 0, 0));
  bar.TakeLog();
  Add(CalendarDate{2024, 9, 2}, ChangeKind::kHoliday);
  SaveCalendar();
  presenter.ReloadTimetable();
  EXPECT_EQ(bar.TakeLog(), (std::vector<std::string>{"weekday 假日", "1 暂无", "2 暂无"}));
}

TEST_F(BarCalendarTest, ADamagedCalendarIsReportedOnceAndTheWeekRunsAsWithout) {
  ASSERT_TRUE(ReplaceFileBytes(runDirectory.path() / "calendar.dat", "[Calendar]\r\nCycleWeeks=9\r\n"));
  presenter.Open(Monday(12, 0, 0));
  EXPECT_EQ(bar.log.at(1), "weekday 星期一");
  EXPECT_EQ(bar.rows[1], "数学");
  ASSERT_EQ(bar.problems.size(), 1u);
  EXPECT_NE(bar.problems[0].find("CycleWeeks"), std::string::npos) << bar.problems[0];

  presenter.ReloadTimetable();
  presenter.OnClockTick(Tuesday(0, 0, 0));
  EXPECT_EQ(bar.problems.size(), 1u) << "the same damage again at a reload or a new date";

  ASSERT_TRUE(ReplaceFileBytes(runDirectory.path() / "calendar.dat", "[Calendar]\r\nWeek1=someday\r\n"));
  presenter.ReloadTimetable();
  EXPECT_EQ(bar.problems.size(), 2u) << "a different damage is news";
}

}  // namespace
}  // namespace tabulo::app
