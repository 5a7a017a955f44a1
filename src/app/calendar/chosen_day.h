#pragma once
// Fills the bar's DaySchedule with the day ChooseTimetable picked, from the
// cycle's week timetables: the subjects of that school day and cycle week
// ("暂无" where a period is skipped or missing), and its start times (the
// read defaults of that school day where they are missing). On a day
// without classes every subject is "暂无" and the start times stay as they
// were, as on a Sunday before.
//
// DaySchedule::today becomes the display name of the school day whose
// timetable runs ("星期五" on a Saturday that runs Friday's), or "星期日"
// when there are no classes, so the reminder idles exactly when there is
// nothing to remind of. The bar's weekday label is the choice's label.
#include <array>
#include <string>

#include "app/calendar/cycle_timetables.h"
#include "app/calendar/timetable_choice.h"
#include "app/timetable/day_schedule.h"

namespace tabulo::app {

// Returns the subjects of periods 1 to 8 for the bar's rows.
std::array<std::string, kPeriods> LoadChosenDay(DaySchedule& schedule, const TimetableChoice& choice,
                                                const CycleTimetableContents& timetables);

}  // namespace tabulo::app
