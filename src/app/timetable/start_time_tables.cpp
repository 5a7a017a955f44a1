// Start time tables; see start_time_tables.h.
#include "app/timetable/start_time_tables.h"

#include "app/timetable/school_week.h"

namespace tabulo::app {
namespace {

using Column = StartTimeText[kPeriods];

constexpr Column kDefaultMonday = {{"7", "30"},  {"8", "50"},  {"9", "40"},  {"10", "30"},
                                   {"11", "20"}, {"14", "35"}, {"15", "30"}, {"16", "20"}};
constexpr Column kDefaultOtherDays = {{"7", "50"},  {"8", "40"},  {"9", "40"},  {"10", "35"},
                                      {"11", "25"}, {"14", "35"}, {"15", "30"}, {"16", "20"}};
constexpr Column kResetMonday = {{"7", "30"},  {"8", "50"},  {"9", "40"},  {"10", "35"},
                                 {"11", "20"}, {"14", "35"}, {"15", "30"}, {"16", "20"}};
constexpr Column kResetOtherDays = {{"7", "50"},  {"8", "40"},  {"9", "40"},  {"10", "30"},
                                    {"11", "25"}, {"14", "35"}, {"15", "30"}, {"16", "20"}};

StartTimeText Lookup(const Column& monday, const Column& other_days, int day, int period) {
  if (!IsSchoolDay(day) || !IsPeriod(period)) return {};
  return (day == 1 ? monday : other_days)[period - 1];
}

}  // namespace

StartTimeText DefaultStartTime(int day, int period) {
  return Lookup(kDefaultMonday, kDefaultOtherDays, day, period);
}

StartTimeText ResetStartTime(int day, int period) { return Lookup(kResetMonday, kResetOtherDays, day, period); }

}  // namespace tabulo::app
