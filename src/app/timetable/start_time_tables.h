#pragma once
// The two built-in tables of period start times. They differ only in period 4
// (read defaults: Monday 10:30, other days 10:35; reset values: Monday 10:35,
// other days 10:30) and must not be merged: the bar reads with one, the
// class-time adjustment resets with the other, and stored files were made
// with both.
#include <string_view>

namespace tabulo::app {

struct StartTimeText {
  std::string_view hour;
  std::string_view minute;
  friend bool operator==(const StartTimeText&, const StartTimeText&) = default;
};

// What the bar uses for a start hour or minute missing from timetable.dat.
[[nodiscard]] StartTimeText DefaultStartTime(int day, int period);
// What the class-time adjustment's "置回默认值" puts into its fields.
[[nodiscard]] StartTimeText ResetStartTime(int day, int period);
// Both give {"", ""} for a day or period outside the school week.

}  // namespace tabulo::app
