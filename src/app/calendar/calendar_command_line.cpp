// The calendar's command line; see calendar_command_line.h.
#include "app/calendar/calendar_command_line.h"

#include <algorithm>
#include <string_view>

#include "app/calendar/calendar_texts.h"
#include "app/calendar/cses_export.h"
#include "app/calendar/cses_import.h"
#include "base/file/atomic_file.h"
#include "base/file/utf8_path.h"

namespace tabulo::app {
namespace {

namespace texts = calendar_texts;

constexpr std::string_view kImportOption = "--import-cses";
constexpr std::string_view kExportOption = "--export-cses";
constexpr std::string_view kWeek1Option = "--week1";

// "--import-cses" of "--import-cses=FILE".
std::string_view OptionOf(std::string_view argument) { return argument.substr(0, argument.find('=')); }

bool IsCalendarOption(std::string_view argument) {
  const std::string_view option = OptionOf(argument);
  return option == kImportOption || option == kExportOption || option == kWeek1Option;
}

CommandResult Misused(std::string_view first, std::string_view second = {}) {
  std::string text(first);
  text.append(second).append("\n").append(texts::kCommandUsage);
  return {kCommandMisused, std::move(text)};
}

CommandResult Outcome(const CalendarOutcome& outcome) {
  return {outcome.done ? kCommandDone : kCommandFailed, outcome.message};
}

class CommandParser {
 public:
  explicit CommandParser(std::span<const std::string> arguments) : arguments_(arguments) {}

  std::variant<CalendarCommand, CommandResult> Parse() {
    if (std::none_of(arguments_.begin(), arguments_.end(), IsCalendarOption)) return command_;
    for (next_ = 0; next_ < arguments_.size();) {
      const std::string& argument = arguments_[next_++];
      if (!IsCalendarOption(argument)) return Misused(texts::kCommandUnknownArgument, argument);
      const std::string_view option = OptionOf(argument);
      const std::optional<std::string> value = ValueOf(argument);
      if (std::optional<CommandResult> misuse = Take(option, value)) return *misuse;
    }
    if (command_.week1 && command_.operation != CalendarOperation::kImportCses) {
      return Misused(texts::kCommandWeek1WithoutImport);
    }
    return command_;
  }

 private:
  // The value written after '=' or as the next argument (unless that is an option).
  std::optional<std::string> ValueOf(std::string_view argument) {
    if (const std::size_t equals = argument.find('='); equals != std::string_view::npos) {
      return std::string(argument.substr(equals + 1));
    }
    if (next_ < arguments_.size() && !IsCalendarOption(arguments_[next_])) return arguments_[next_++];
    return std::nullopt;
  }

  std::optional<CommandResult> Take(std::string_view option, const std::optional<std::string>& value) {
    if (option == kWeek1Option) {
      if (command_.week1) return Misused(option, texts::kCommandRepeated);
      command_.week1 = ParseDate(value.value_or(""));
      if (!command_.week1) return Misused(texts::kCommandBadWeek1);
      return std::nullopt;
    }
    if (!value || value->empty()) return Misused(option, texts::kCommandMissingFile);
    const CalendarOperation operation =
        option == kImportOption ? CalendarOperation::kImportCses : CalendarOperation::kExportCses;
    if (command_.operation == operation) return Misused(option, texts::kCommandRepeated);
    if (command_.operation != CalendarOperation::kNone) return Misused(texts::kCommandTwoOperations);
    command_.operation = operation;
    command_.file = PathFromUtf8(*value);
    return std::nullopt;
  }

  std::span<const std::string> arguments_;
  std::size_t next_ = 0;
  CalendarCommand command_;
};

}  // namespace

std::variant<CalendarCommand, CommandResult> ParseCalendarCommand(std::span<const std::string> arguments) {
  return CommandParser(arguments).Parse();
}

CommandResult RunCalendarCommand(const CalendarCommand& command, const std::filesystem::path& run_directory,
                                 const CalendarDate& today) {
  switch (command.operation) {
    case CalendarOperation::kNone: return {};
    case CalendarOperation::kImportCses: {
      const std::optional<std::string> bytes = ReadFileBytes(command.file);
      if (!bytes) {
        return {kCommandFailed, std::string(texts::kCommandUnreadableFile) + Utf8FromPath(command.file)};
      }
      return Outcome(ImportCses(run_directory, *bytes, command.week1, today));
    }
    case CalendarOperation::kExportCses: return Outcome(ExportCses(run_directory, command.file));
  }
  return {};
}

}  // namespace tabulo::app
