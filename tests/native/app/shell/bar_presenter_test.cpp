#include "app/shell/bar_presenter.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/timetable/timetable_file.h"
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
  bool popupOpen = false;

  void ShowClock(std::string_view text) override { log.push_back("clock " + std::string(text)); }
  void ShowWeekday(std::string_view text) override { log.push_back("weekday " + std::string(text)); }
  void ShowSubject(int period, std::string_view subject) override {
    rows.at(period - 1) = subject;
    log.push_back(std::to_string(period) + " " + std::string(subject));
  }
  void NewDayStarted(std::string_view today) override { log.push_back("new day " + std::string(today)); }

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

}  // namespace
}  // namespace tabulo::app
