// Process entry of Tabulo: the engine starts, the start-up window comes up
// and, inside its message loop, the bar and every window opened from it.
// The program ends when the last of its windows is gone: windows the exit
// routine leaves open (the timer window, the class-time adjustment) keep it
// running after the bar has closed. An administrator's --import-cses or
// --export-cses runs before all of that and ends the process with its code.
#include <windows.h>

#include <optional>

#include "app/calendar/calendar_console.h"
#include "app/shell/process_loop.h"
#include "app/shell/program_context.h"
#include "app/shell/startup_window.h"
#include "app/shell/trace_log.h"
#include "ui/engine/engine_state.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  tabulo::app::Trace("process entry");
  if (const std::optional<int> exitCode = tabulo::app::RunCalendarCommandLine()) return *exitCode;
  tabulo::ui::EngineStart();
  tabulo::app::Trace("engine started");
  tabulo::app::AppContext context = tabulo::app::ProgramContext();
  tabulo::app::RunStartupWindow(context);
  return tabulo::app::RunUntilLastWindowCloses();
}
