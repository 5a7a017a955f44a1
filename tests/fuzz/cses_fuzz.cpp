// A CSES file on any bytes: no crash, no overflow; an accepted file gives
// at most eight lessons a day, in order of their start within the day, and
// subjects a timetable cell holds.
#include <cstdint>
#include <string>
#include <variant>

#include "app/calendar/cell_text.h"
#include "app/calendar/cses_reader.h"
#include "fuzz_input.h"

using tabulo::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto read = tabulo::app::ReadCses(std::string_view(reinterpret_cast<const char*>(data), size));
  const auto* timetable = std::get_if<tabulo::app::CsesTimetable>(&read);
  if (timetable == nullptr) {
    Check(std::get<tabulo::app::CsesProblem>(read).line >= 1, "a refusal names a line");
    return 0;
  }
  for (const auto& week : timetable->weeks) {
    for (const auto& day : week) {
      Check(day.size() <= 8, "at most eight lessons a day");
      int previous = 0;
      for (const tabulo::app::CsesLesson& lesson : day) {
        Check(lesson.start_minute >= previous && lesson.start_minute < 24 * 60, "lessons in order within the day");
        Check(tabulo::app::FitToCell(lesson.subject) == lesson.subject, "subjects fit a cell");
        previous = lesson.start_minute;
      }
    }
  }
  return 0;
}
