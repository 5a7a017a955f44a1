#include "app/calendar/calendar_form.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/calendar/calendar_texts.h"
#include "app/calendar/calendar_window_texts.h"
#include "calendar_test_helpers.h"
#include "support/temp_directory.h"

namespace tabulo::app {
namespace {

namespace texts = calendar_window_texts;
using test::Date;
using test::Holiday;
using test::Skip;
using test::Swap;

ChangeFields Fields(const DatedChange& change) {
  ChangeFields fields;
  fields.date = change.date;
  fields.kind = change.kind;
  fields.swap_day = change.day;
  fields.swap_week = change.week;
  fields.skipped = change.skipped;
  fields.note = change.note;
  return fields;
}

class FakeCalendarView : public CalendarFormView {
 public:
  int cycleWeeks = 0;
  CalendarDate week1;
  int currentWeek = 0, currentWeekChoices = 0, swapWeekChoices = 0;
  std::vector<std::string> lines;
  std::optional<int> selected;
  ChangeFields fields;
  std::optional<ChangeKind> enabledFor;
  bool closed = false;
  std::vector<MessageBoxRequest> messages;

  void SetCycleWeeks(int weeks) override { cycleWeeks = weeks; }
  int CycleWeeks() const override { return cycleWeeks; }
  void SetWeek1(const CalendarDate& date) override { week1 = date; }
  CalendarDate Week1() const override { return week1; }
  void SetCurrentWeek(int week, int weeks) override {
    currentWeek = week;
    currentWeekChoices = weeks;
  }
  int CurrentWeek() const override { return currentWeek; }
  void OfferSwapWeeks(int weeks) override { swapWeekChoices = weeks; }
  void ShowChanges(const std::vector<std::string>& shown) override {
    lines = shown;
    selected.reset();
  }
  std::optional<int> SelectedChange() const override { return selected; }
  void SetChangeFields(const ChangeFields& f) override { fields = f; }
  ChangeFields ChangeFieldsShown() const override { return fields; }
  void EnableFieldsOf(ChangeKind kind) override { enabledFor = kind; }
  void Close() override { closed = true; }
  MessageBoxAnswer ShowMessage(const MessageBoxRequest& r) override {
    messages.push_back(r);
    return MessageBoxAnswer::kOk;
  }
};

// Friday 2025-10-10.
const CalendarDate kToday = Date("2025-10-10");

class CalendarFormTest : public testing::Test {
 protected:
  CalendarData Saved() const { return file.Load().data; }
  void Write(const CalendarData& data) { ASSERT_TRUE(file.Save(data, kToday)); }
  void Add(const DatedChange& change) {
    view.fields = Fields(change);
    form.OnAdd();
  }
  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const MessageBoxRequest& m : view.messages) texts.push_back(m.text);
    return texts;
  }

  test::TempDirectory temp;
  CalendarFile file{temp.path()};
  FakeCalendarView view;
  int reloads = 0;
  CalendarForm form{view, file, [this] { ++reloads; }};
};

TEST_F(CalendarFormTest, WithoutAFileThisWeekIsWeek1OfNoRotationAndTheListIsEmpty) {
  form.Open(kToday);
  EXPECT_EQ(view.cycleWeeks, 1);
  EXPECT_EQ(view.week1, Date("2025-10-06")) << "this week's Monday";
  EXPECT_EQ(view.currentWeek, 1);
  EXPECT_EQ(view.currentWeekChoices, 1);
  EXPECT_TRUE(view.lines.empty());
  EXPECT_EQ(view.fields, Fields(Holiday("2025-10-10")));
  EXPECT_EQ(view.enabledFor, ChangeKind::kHoliday);
  EXPECT_TRUE(view.messages.empty());
}

TEST_F(CalendarFormTest, ShowsTheStoredCycleAndOnlyUpcomingChangesByDate) {
  CalendarData data;
  data.calendar = test::Cycle(2, "2025-09-03");  // a Wednesday: week 1 began 09-01
  data.calendar.changes = {Holiday("2025-10-15"), Holiday("2025-10-09"), Holiday("2025-10-10", "今天")};
  Write(data);
  form.Open(kToday);
  EXPECT_EQ(view.cycleWeeks, 2);
  EXPECT_EQ(view.week1, Date("2025-09-03"));
  EXPECT_EQ(view.currentWeek, 2) << "09-01 + 5 weeks";
  EXPECT_EQ(view.currentWeekChoices, 2);
  EXPECT_EQ(view.swapWeekChoices, 2);
  EXPECT_EQ(view.lines, (std::vector<std::string>{"2025-10-10 星期五  假日，不上课（今天）",
                                                  "2025-10-15 星期三  假日，不上课"}));
}

TEST_F(CalendarFormTest, TheCurrentWeekAndTheDateInWeek1AreOneAnchor) {
  form.Open(kToday);
  view.cycleWeeks = 3;
  form.OnCycleWeeksChanged();
  EXPECT_EQ(view.currentWeekChoices, 3);
  EXPECT_EQ(view.swapWeekChoices, 3);
  EXPECT_EQ(view.currentWeek, 1);

  view.currentWeek = 3;
  form.OnCurrentWeekChanged();
  EXPECT_EQ(view.week1, Date("2025-09-22")) << "two weeks before this Monday";

  view.week1 = Date("2025-10-01");
  form.OnWeek1Changed();
  EXPECT_EQ(view.currentWeek, 2);

  view.cycleWeeks = 1;
  form.OnCycleWeeksChanged();
  EXPECT_EQ(view.currentWeek, 1);
  EXPECT_EQ(view.currentWeekChoices, 1);
}

TEST_F(CalendarFormTest, AddsRemovesAndSavesThenReloadsTheBarAndCloses) {
  form.Open(kToday);
  view.cycleWeeks = 2;
  form.OnCycleWeeksChanged();
  view.currentWeek = 2;
  form.OnCurrentWeekChanged();
  Add(Swap("2025-10-11", 5, 1));
  Add(Holiday("2025-10-13", "校庆"));
  Add(Skip("2025-10-12", PeriodBit(7) | PeriodBit(8)));
  EXPECT_EQ(view.lines, (std::vector<std::string>{"2025-10-11 星期六  调休：上单周星期五的课",
                                                  "2025-10-12 星期日  停课：第 7、8 节",
                                                  "2025-10-13 星期一  假日，不上课（校庆）"}));
  view.selected = 1;
  form.OnRemove();
  EXPECT_EQ(view.lines.size(), 2u);
  EXPECT_EQ(reloads, 0) << "nothing is saved before 保存";
  EXPECT_FALSE(std::filesystem::exists(file.path()));

  form.OnSave();
  const CalendarData saved = Saved();
  EXPECT_EQ(saved.calendar.cycle_weeks, 2);
  EXPECT_EQ(saved.calendar.week1, Date("2025-09-29"));
  EXPECT_EQ(saved.calendar.CycleWeekOf(kToday), 2);
  EXPECT_EQ(saved.calendar.changes, (std::vector<DatedChange>{Swap("2025-10-11", 5, 1), Holiday("2025-10-13", "校庆")}));
  EXPECT_EQ(reloads, 1);
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{std::string(texts::kSaved)}));
  EXPECT_TRUE(view.closed);
}

TEST_F(CalendarFormTest, RefusalsAndRemovingNothingChangeNothing) {
  form.Open(kToday);
  Add(Holiday("2025-10-09"));
  Add(Skip("2025-10-11", 0));
  form.OnRemove();
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{std::string(texts::kDatePassed), std::string(texts::kNoPeriods),
                                                      std::string(texts::kNothingSelected)}));
  EXPECT_TRUE(view.lines.empty());
  EXPECT_TRUE(form.Shown().changes.empty());
}

// Past changes are not listed but kept (for a term), and weeks 2 to 4 saved
// by the editor while the window was open stay as they are.
TEST_F(CalendarFormTest, SavingKeepsPastChangesAndTheLaterWeeksOfTheFileAsItIsNow) {
  CalendarData data;
  data.calendar.changes = {Holiday("2025-09-30")};
  Write(data);
  form.Open(kToday);
  data.Week(2)[0].subject = "物理";
  Write(data);
  Add(Holiday("2025-10-20"));
  form.OnSave();
  const CalendarData saved = Saved();
  EXPECT_EQ(saved.Week(2)[0].subject, "物理");
  ASSERT_EQ(saved.calendar.changes.size(), 2u);
  EXPECT_EQ(saved.calendar.changes[0].date, Date("2025-09-30"));
}

TEST_F(CalendarFormTest, AFileThatCannotBeReplacedIsReportedAndTheWindowStaysOpen) {
  form.Open(kToday);
  std::filesystem::create_directory(file.path());  // in the way of the new file
  Add(Holiday("2025-10-20"));
  form.OnSave();
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{std::string(texts::kNotSaved)}));
  EXPECT_EQ(reloads, 0);
  EXPECT_FALSE(view.closed);
  EXPECT_EQ(view.lines.size(), 1u) << "the teacher's entries stay for another try";
}

TEST_F(CalendarFormTest, ADamagedFileIsReportedOnOpening) {
  ASSERT_TRUE(ReplaceFileBytes(file.path(), "[Calendar]\r\nCycleWeeks=9\r\n"));
  form.Open(kToday);
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].text.rfind(calendar_texts::kCalendarDamaged, 0), 0u);
  EXPECT_EQ(view.cycleWeeks, 1);
}

}  // namespace
}  // namespace tabulo::app
