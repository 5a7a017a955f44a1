// The command line's Windows side; see calendar_console.h.
#include "app/calendar/calendar_console.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/calendar/calendar_command_line.h"
#include "app/forms/message_presenter.h"
#include "base/time/date_time.h"
#include "base/win/local_time.h"
#include "base/win/run_directory.h"
#include "base/win/unique_handle.h"
#include "base/win/wide_text.h"

namespace tabulo::app {
namespace {

struct LocalMemoryFree {
  void operator()(LPWSTR* memory) const { LocalFree(memory); }
};

// The arguments after the program's name, in UTF-8.
std::vector<std::string> CommandLineArguments() {
  int count = 0;
  const std::unique_ptr<LPWSTR[], LocalMemoryFree> arguments(CommandLineToArgvW(GetCommandLineW(), &count));
  std::vector<std::string> utf8;
  for (int i = 1; arguments && i < count; ++i) utf8.push_back(Narrow(arguments[i]));
  return utf8;
}

// Writes `text` and a line end to `handle`: a console takes UTF-16, a file or
// a pipe the UTF-8 bytes a script can read.
bool WriteLine(HANDLE handle, std::string_view text) {
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return false;
  const std::string line = std::string(text) + "\r\n";
  DWORD mode = 0;
  DWORD written = 0;
  if (GetConsoleMode(handle, &mode)) {
    const std::wstring wide = Wide(line);
    return WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != FALSE;
  }
  return WriteFile(handle, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) != FALSE;
}

// A GUI program has no standard handles of its own unless its starter
// redirected them; otherwise it borrows the console of the prompt it was
// started from. Windows 7 does not hand the attached console's handles out
// as standard handles, so the console is opened by name.
bool Report(const CommandResult& result) {
  const DWORD which = result.exit_code == kCommandDone ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
  if (WriteLine(GetStdHandle(which), result.text)) return true;
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return false;
  const HANDLE opened =
      CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return false;
  const UniqueKernelHandle console(opened);
  return WriteLine(console.get(), result.text);
}

}  // namespace

std::optional<int> RunCalendarCommandLine() {
  const std::vector<std::string> arguments = CommandLineArguments();
  const std::variant<CalendarCommand, CommandResult> parsed = ParseCalendarCommand(arguments);
  CommandResult result;
  if (const auto* command = std::get_if<CalendarCommand>(&parsed)) {
    if (command->operation == CalendarOperation::kNone) return std::nullopt;
    const DateTime now = LocalNow();
    result = RunCalendarCommand(*command, RunDirectory(), CalendarDate{now.year, now.month, now.day});
  } else {
    result = std::get<CommandResult>(parsed);
  }
  if (!Report(result) && result.exit_code != kCommandDone) {
    (void)SystemMessagePresenter().Show(nullptr, {.text = result.text, .flags = kMbIconExclamation});
  }
  return result.exit_code;
}

}  // namespace tabulo::app
