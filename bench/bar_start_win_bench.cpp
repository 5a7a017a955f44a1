// The running bar's costs: how long from process start until the bar is
// visible (the start-up window's 800 ms included), the private memory and
// the GDI and USER objects of the running program, and the CPU time the
// idle bar uses (its 500 ms clock and 5 s reminder ticks) over a while.
// Run under Wine from the run directory, with no other copy running:
//   wine bar_start_win_bench.exe [Tabulo.exe] [idle seconds, 60]
// Wine 8 reports no private memory, GDI/USER object counts or CPU times of
// another process (they come out 0); there, read the wine process's
// /proc/PID/status and /proc/PID/stat from Linux instead.
#define PSAPI_VERSION 2  // GetProcessMemoryInfo from kernel32
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kBarWidth = 146;
constexpr int kBarHeight = 702;

struct Search {
  DWORD process;
  HWND bar;
};

// The bar: a visible top-level window of the process with the bar's size.
HWND FindBar(DWORD process) {
  Search search{process, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        RECT r{};
        if (owner != s->process || !IsWindowVisible(window) || !GetWindowRect(window, &r)) return TRUE;
        if (r.right - r.left != kBarWidth || r.bottom - r.top != kBarHeight) return TRUE;
        s->bar = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.bar;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double CpuMilliseconds(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
  auto ticks = [](FILETIME t) { return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

}  // namespace

int main(int argc, char** argv) {
  std::wstring command = L"Tabulo.exe";
  if (argc > 1) command.assign(argv[1], argv[1] + std::strlen(argv[1]));  // a plain ASCII path
  const int idleSeconds = argc > 2 ? std::atoi(argv[2]) : 60;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION program{};
  LARGE_INTEGER started, visible;
  QueryPerformanceCounter(&started);
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &program)) {
    std::printf("cannot start %ls\n", command.c_str());
    return 1;
  }
  HWND bar = nullptr;
  for (int i = 0; i < 3000 && !(bar = FindBar(program.dwProcessId)); ++i) Sleep(5);
  QueryPerformanceCounter(&visible);
  if (!bar) {
    std::printf("the bar did not appear within 15 s\n");
    TerminateProcess(program.hProcess, 1);
    return 1;
  }
  std::printf("process start to bar visible: %.0f ms\n", Milliseconds(started, visible));

  Sleep(2000);  // let the start-up window go and the first clock ticks pass
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(program.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
    std::printf("private memory: %.1f MiB (working set %.1f MiB)\n", memory.PrivateUsage / 1048576.0,
                memory.WorkingSetSize / 1048576.0);
  }
  std::printf("GDI objects: %lu, USER objects: %lu\n", GetGuiResources(program.hProcess, GR_GDIOBJECTS),
              GetGuiResources(program.hProcess, GR_USEROBJECTS));

  const double cpuBefore = CpuMilliseconds(program.hProcess);
  Sleep(static_cast<DWORD>(idleSeconds) * 1000);
  const double cpu = CpuMilliseconds(program.hProcess) - cpuBefore;
  std::printf("CPU time of the idle bar over %d s: %.0f ms (%.3f%%)\n", idleSeconds, cpu,
              100.0 * cpu / (idleSeconds * 1000.0));

  PostMessageW(bar, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(program.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(program.hProcess, 1);
  CloseHandle(program.hThread);
  CloseHandle(program.hProcess);
  return 0;
}
