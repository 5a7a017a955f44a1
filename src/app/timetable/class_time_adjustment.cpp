#include "app/timetable/class_time_adjustment.h"

#include <array>

#include "app/timetable/school_week.h"
#include "app/timetable/start_time_tables.h"
#include "app/timetable/timetable_texts.h"
#include "base/text/text_to_int.h"

namespace tabulo::app {

namespace texts = timetable_texts;

void ClassTimeAdjustment::OnLoad() {
  const TimetableContents contents = file_.Load();
  for (int cell = 1; cell <= kCells; ++cell) {
    const Cell c = CellOf(cell);
    view_.SetHourText(cell, contents.ReadStartHour(c.day, c.period, ""));
    view_.SetMinuteText(cell, contents.ReadStartMinute(c.day, c.period, ""));
  }
  if (AnyFieldEmpty()) OnResetValues();
}

void ClassTimeAdjustment::OnResetValues() {
  for (int cell = 1; cell <= kCells; ++cell) {
    const Cell c = CellOf(cell);
    const StartTimeText reset = ResetStartTime(c.day, c.period);
    view_.SetHourText(cell, reset.hour);
    view_.SetMinuteText(cell, reset.minute);
  }
}

void ClassTimeAdjustment::OnSave() {
  if (AnyFieldEmpty()) {
    view_.ShowMessage({texts::kIncomplete, texts::kSaveFailedCaption, kMbIconInformation});
    return;
  }
  std::array<StartTime, kCells> times;
  for (int cell = 1; cell <= kCells; ++cell) {
    StartTime& t = times[cell - 1];
    t = {view_.HourText(cell), view_.MinuteText(cell)};
    const int hour = TextToInt(t.hour);
    const int minute = TextToInt(t.minute);
    if (hour >= 24 || minute >= 60) {  // no lower bound
      view_.ShowMessage({texts::kInvalidTime, texts::kSaveFailedCaption, kMbIconInformation});
      return;
    }
  }
  if (!file_.WriteStartTimes(times)) {
    view_.ShowMessage({texts::kNotWritten, texts::kSaveFailedCaption, kMbIconExclamation});
    return;
  }
  view_.ShowMessage({texts::kTimesSaved, texts::kSavedCaption, kMbIconInformation});
}

bool ClassTimeAdjustment::AnyFieldEmpty() const {
  for (int cell = 1; cell <= kCells; ++cell) {
    if (view_.HourText(cell).empty() || view_.MinuteText(cell).empty()) return true;
  }
  return false;
}

}  // namespace tabulo::app
