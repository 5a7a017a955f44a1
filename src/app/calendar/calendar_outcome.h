#pragma once
// What an operation on the run directory's timetable files (a CSES import or
// export) tells the person who asked: whether it was done, and a message
// saying what was done or why nothing was.
#include <string>

namespace tabulo::app {

struct CalendarOutcome {
  bool done = false;
  std::string message;
};

}  // namespace tabulo::app
