#pragma once
// The administrators' command line on Windows (calendar_command_line.h):
// runs before the engine starts or any window is made, so a script that
// imports or exports a timetable never sees a window and is never refused
// by the single-instance check of a copy already running.
#include <optional>

namespace tabulo::app {

// With --import-cses or --export-cses on the command line: runs the
// operation on the run directory, writes its text (to standard output on
// success, standard error otherwise; standard handles redirected by the
// caller come first, else the console of the parent process) and returns
// the exit code. Started without a console, a failure is shown in a message
// box instead. Nothing, without either operation: the program starts as
// always.
[[nodiscard]] std::optional<int> RunCalendarCommandLine();

}  // namespace tabulo::app
