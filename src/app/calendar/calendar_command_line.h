#pragma once
// The command line for administrators, who set up many classroom computers
// at once:
//
//   Tabulo.exe --import-cses FILE [--week1 YYYY-MM-DD]
//   Tabulo.exe --export-cses FILE
//
// (also written --option=value, the options in any order). Without either
// operation the program starts as always, whatever else the command line
// holds. With one, it runs on the run directory and ends with exit code 0
// and what was done, or a non-zero code and why not: 1 when the operation
// failed, 2 when the command line itself is wrong. The Windows entry point
// hands the arguments over as UTF-8 and shows the text.
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <variant>

#include "app/calendar/calendar_date.h"

namespace tabulo::app {

inline constexpr int kCommandDone = 0;
inline constexpr int kCommandFailed = 1;
inline constexpr int kCommandMisused = 2;

enum class CalendarOperation { kNone, kImportCses, kExportCses };

struct CalendarCommand {
  CalendarOperation operation = CalendarOperation::kNone;
  std::filesystem::path file;
  std::optional<CalendarDate> week1;  // import only
  friend bool operator==(const CalendarCommand&, const CalendarCommand&) = default;
};

struct CommandResult {
  int exit_code = kCommandDone;
  std::string text;
  friend bool operator==(const CommandResult&, const CommandResult&) = default;
};

// The arguments after the program's name. A command line that names an
// operation wrongly gives the result to end with (kCommandMisused).
[[nodiscard]] std::variant<CalendarCommand, CommandResult> ParseCalendarCommand(
    std::span<const std::string> arguments);

[[nodiscard]] CommandResult RunCalendarCommand(const CalendarCommand& command,
                                               const std::filesystem::path& run_directory, const CalendarDate& today);

}  // namespace tabulo::app
