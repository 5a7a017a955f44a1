#include "app/shell/single_instance.h"

#include <windows.h>
#include <tlhelp32.h>

#include <string>

#include "app/forms/app_context.h"
#include "app/forms/message_presenter.h"
#include "app/shell/bar_texts.h"
#include "app/shell/exit_routine.h"
#include "base/win/run_directory.h"
#include "base/win/unique_handle.h"

namespace tabulo::app {

bool AnotherCopyRuns() {
  const std::wstring own = ExecutableFileName().wstring();
  HANDLE raw = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (raw == INVALID_HANDLE_VALUE) return false;
  const UniqueKernelHandle snapshot(raw);
  int count = 0;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(raw, &entry); more && count < 2; more = Process32NextW(raw, &entry)) {
    if (own == entry.szExeFile) ++count;
  }
  return count >= 2;
}

bool CheckSingleInstance(AppContext& context) {
  if (!AnotherCopyRuns()) return false;
  // The start-up window stays topmost otherwise and would cover the message.
  if (HWND startup = ListedWindow(context, FormId::kStartupWindow)) {
    SetWindowPos(startup, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  (void)context.messages->Show(nullptr, {.text = bar_texts::kAlreadyRunning, .flags = kMbIconExclamation});
  CloseAppWindows(context.windows);
  return true;
}

}  // namespace tabulo::app
