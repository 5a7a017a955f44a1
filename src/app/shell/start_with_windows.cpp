// The save rule of the start-with-Windows choice; see start_with_windows.h.
#include "app/shell/start_with_windows.h"

namespace tabulo::app {

bool SaveStartWithWindows(RunKeyValue& value, bool start_with_windows) {
  const bool enabled = !value.Read().empty();
  if (start_with_windows && !enabled) return value.Enable();
  if (!start_with_windows && enabled) return value.Disable();
  return true;
}

}  // namespace tabulo::app
