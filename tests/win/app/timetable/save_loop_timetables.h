#pragma once
// The two timetables timetable_save_loop.exe saves in turn and the kill
// test tells apart. Long subjects make each save write well over a hundred
// kilobytes, so a kill has time to land in the middle of one; the two
// differ in length as well as in bytes, so any mixture or cut shows.
#include <array>
#include <string>

#include "app/timetable/school_week.h"

namespace tabulo::app::test {

inline std::array<std::string, kCells> SaveLoopTimetable(char letter, std::size_t length) {
  std::array<std::string, kCells> subjects;
  for (int cell = 0; cell < kCells; ++cell) subjects[cell] = std::string(length, letter) + std::to_string(cell);
  return subjects;
}

inline std::array<std::string, kCells> SaveLoopOld() { return SaveLoopTimetable('a', 3000); }
inline std::array<std::string, kCells> SaveLoopNew() { return SaveLoopTimetable('b', 2000); }

}  // namespace tabulo::app::test
