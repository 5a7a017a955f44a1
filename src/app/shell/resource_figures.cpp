#include "app/shell/resource_figures.h"

#include <windows.h>
#include <psapi.h>

#include "base/win/live_handles.h"

namespace tabulo::app {

std::string DescribeResources() {
  HANDLE self = GetCurrentProcess();
  DWORD handles = 0;
  (void)GetProcessHandleCount(self, &handles);
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  (void)GetProcessMemoryInfo(self, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
  return "gdi=" + std::to_string(GetGuiResources(self, GR_GDIOBJECTS)) +
         " user=" + std::to_string(GetGuiResources(self, GR_USEROBJECTS)) +
         " engine=" + std::to_string(LiveHandlesTotal()) + " handles=" + std::to_string(handles) +
         " private=" + std::to_string(memory.PrivateUsage);
}

}  // namespace tabulo::app
