// How long Tabulo takes to come up, beside the floor (bench/floor: one
// layered GDI+ window with a clock, the least any GDI+ program pays here),
// started in turn in the same run so that load on the machine hits both:
//   - process start → the floor's window visible;
//   - process start → the start-up window visible, → the bar visible, and
//     → the bar visible with the tray icon present;
// as medians over several runs (after one warm-up run of each, which starts
// the Wine server's helpers and fills the file cache), each with its
// difference from and ratio to the floor. Tabulo runs with TABULO_TRACE, so
// the bench also prints the program's own start-up steps (milliseconds
// after process entry, medians), how long each step took, and the processor
// time the program's main thread spent in it (TABULO_TRACE_CPU; medians of
// the steps, each counted in ticks of about 10 ms), the figure a loaded
// machine disturbs least.
// Run under Wine from a run directory, with no other copy of Tabulo running
// (bench/bar_start_bench.sh does this on a private Wine desktop):
//   wine bar_start_win_bench.exe [--runs N] [--program Tabulo.exe] [--compare Other.exe] [--floor floor_win.exe]
// With --compare, a second build (under another file name, so that neither
// takes the other for a second copy) runs in turn with the first in every
// run, and the steps of both are printed side by side.
// Memory and idle CPU are measured by bench/window_memory_bench.sh: Wine 8
// reports neither for another process.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Size {
  int width;
  int height;
};
constexpr Size kStartupWindow{318, 218};
constexpr Size kBar{146, 702};
constexpr DWORD kPollMs = 5;
constexpr double kGiveUpMs = 20000;
constexpr char kTraceFile[] = "bar_start_bench.trace";

double NowMs() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The visible top-level windows of one process, by size.
struct Windows {
  DWORD process = 0;
  HWND any = nullptr;
  HWND startup = nullptr;
  HWND bar = nullptr;
};

Windows VisibleWindowsOf(DWORD process) {
  Windows found;
  found.process = process;
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* f = reinterpret_cast<Windows*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        RECT r{};
        if (owner != f->process || !IsWindowVisible(window) || !GetWindowRect(window, &r)) return TRUE;
        const int width = r.right - r.left, height = r.bottom - r.top;
        if (!f->any) f->any = window;
        if (width == kStartupWindow.width && height == kStartupWindow.height) f->startup = window;
        if (width == kBar.width && height == kBar.height) f->bar = window;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// With no tray on the X display (Xvfb has none), Wine shows the icons in a
// stand-alone tray window of its own while any icon is there, and hides it
// when the last icon goes.
bool TrayIconPresent() {
  HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr);
  return tray && IsWindowVisible(tray);
}

struct Program {
  PROCESS_INFORMATION info{};
  double startedMs = 0;

  explicit Program(const std::string& command) {
    std::string line = command;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startedMs = NowMs();
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
      info = {};
    }
  }
  ~Program() {
    if (!info.hProcess) return;
    if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool started() const { return info.hProcess != nullptr; }
  double Elapsed() const { return NowMs() - startedMs; }
  void Close(HWND window) const {
    if (!window || !PostMessageW(window, WM_CLOSE, 0, 0)) TerminateProcess(info.hProcess, 1);
  }
};

std::optional<double> FloorStart(const std::string& command) {
  Program floor(command);
  if (!floor.started()) return std::nullopt;
  for (;;) {
    const Windows w = VisibleWindowsOf(floor.info.dwProcessId);
    if (w.any) {
      const double ms = floor.Elapsed();
      floor.Close(w.any);
      return ms;
    }
    if (floor.Elapsed() > kGiveUpMs) return std::nullopt;
    Sleep(kPollMs);
  }
}

struct TraceEvent {
  std::string name;
  double ms;   // after process entry
  double cpu;  // the main thread's processor time so far, ms; -1 when not traced
};

struct TabuloRun {
  std::optional<double> startup, bar, barWithTray;
  std::vector<TraceEvent> trace;  // in the order traced
};

// The event of a trace line without the figures some events carry
// ("bar ready gdi=… user=…").
std::string EventName(const std::string& event) {
  std::istringstream words(event);
  std::string word, name;
  while (words >> word && word.find('=') == std::string::npos) name += (name.empty() ? "" : " ") + word;
  return name;
}

double CpuFigure(const std::string& event) {
  const std::size_t at = event.rfind(" cpu=");
  return at == std::string::npos ? -1 : std::atof(event.c_str() + at + 5);
}

std::vector<TraceEvent> ReadTrace() {
  std::vector<TraceEvent> events;
  std::ifstream in(kTraceFile);
  double ms;
  std::string event;
  while (in >> ms && std::getline(in, event)) events.push_back({EventName(event), ms, CpuFigure(event)});
  return events;
}

bool Traced(const std::vector<TraceEvent>& events, const std::string& name) {
  return std::any_of(events.begin(), events.end(), [&](const TraceEvent& e) { return e.name == name; });
}

std::optional<TabuloRun> TabuloStart(const std::string& command) {
  DeleteFileA(kTraceFile);
  SetEnvironmentVariableA("TABULO_TRACE", kTraceFile);
  SetEnvironmentVariableA("TABULO_TRACE_CPU", "1");
  // A tray still showing the last run's icon would be taken for this run's.
  for (int i = 0; i < 400 && TrayIconPresent(); ++i) Sleep(kPollMs);
  Program tabulo(command);
  SetEnvironmentVariableA("TABULO_TRACE", nullptr);
  SetEnvironmentVariableA("TABULO_TRACE_CPU", nullptr);
  if (!tabulo.started()) return std::nullopt;
  TabuloRun run;
  HWND bar = nullptr;
  while (!run.barWithTray) {
    const Windows w = VisibleWindowsOf(tabulo.info.dwProcessId);
    const double ms = tabulo.Elapsed();
    if (w.startup && !run.startup) run.startup = ms;
    if (w.bar && !run.bar) run.bar = ms;
    if (w.bar) bar = w.bar;
    if (run.bar && TrayIconPresent()) run.barWithTray = ms;
    if (ms > kGiveUpMs) break;
    Sleep(kPollMs);
  }
  // Let the last start-up steps reach the trace before closing.
  for (int i = 0; i < 400 && !Traced(ReadTrace(), "bar ready"); ++i) Sleep(kPollMs);
  tabulo.Close(bar);
  run.trace = ReadTrace();
  return run;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void PrintRow(const char* what, const std::vector<double>& values, double floor) {
  if (values.empty()) {
    std::printf("  %-34s      (never seen)\n", what);
    return;
  }
  const double median = Median(values);
  std::printf("  %-34s %7.0f %7.0f %7.0f %+9.0f %7.2f\n", what, median,
              *std::min_element(values.begin(), values.end()), *std::max_element(values.begin(), values.end()),
              median - floor, median / floor);
}

int ArgumentAfter(int argc, char** argv, const char* name) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], name) == 0) return i + 1;
  }
  return 0;
}

// What the runs of one program gave.
struct Figures {
  std::string program;
  std::vector<double> startups, bars, barsWithTray;
  std::map<std::string, std::vector<double>> steps;    // the first time each event is traced in a run
  std::map<std::string, std::vector<double>> stepCpu;  // the main thread's processor time since the event before
  std::map<std::string, std::size_t> order;            // where it first came in a trace

  void Add(const TabuloRun& run) {
    if (run.startup) startups.push_back(*run.startup);
    if (run.bar) bars.push_back(*run.bar);
    if (run.barWithTray) barsWithTray.push_back(*run.barWithTray);
    std::map<std::string, double> first;
    double cpuBefore = 0;
    for (const TraceEvent& event : run.trace) {
      if (first.emplace(event.name, event.ms).second && event.cpu >= 0) {
        stepCpu[event.name].push_back(event.cpu - cpuBefore);
      }
      if (event.cpu >= 0) cpuBefore = event.cpu;
      order.emplace(event.name, order.size());
    }
    for (const auto& [event, ms] : first) steps[event].push_back(ms);
  }

  // The steps in the order of their median times.
  std::vector<std::string> OrderedEvents() const {
    std::vector<std::string> events;
    for (const auto& [event, values] : steps) events.push_back(event);
    std::sort(events.begin(), events.end(), [&](const std::string& a, const std::string& b) {
      const double ma = Median(steps.at(a)), mb = Median(steps.at(b));
      return ma != mb ? ma < mb : order.at(a) < order.at(b);
    });
    return events;
  }
};

void PrintStarts(const Figures& f, double floor) {
  const std::string name = f.program.substr(0, f.program.rfind(".exe"));
  PrintRow((name + ": start-up window").c_str(), f.startups, floor);
  PrintRow((name + ": bar").c_str(), f.bars, floor);
  PrintRow((name + ": bar with tray icon").c_str(), f.barsWithTray, floor);
}

// Median at, step and processor time of each event, for each program side
// by side (the first program's events first, in its order).
void PrintSteps(const std::vector<const Figures*>& programs) {
  std::vector<std::string> events = programs.front()->OrderedEvents();
  for (const Figures* f : programs) {
    for (const std::string& event : f->OrderedEvents()) {
      if (std::find(events.begin(), events.end(), event) == events.end()) events.push_back(event);
    }
  }
  std::printf("\nTabulo's own steps (TABULO_TRACE), ms after process entry, medians\n");
  std::printf("  %-30s", "event");
  for (std::size_t i = 0; i < programs.size(); ++i) std::printf(" %8s %8s %8s", "at", "step", "cpu");
  std::printf("\n");
  std::vector<double> previous(programs.size(), 0);
  for (const std::string& event : events) {
    std::printf("  %-30s", event.c_str());
    for (std::size_t i = 0; i < programs.size(); ++i) {
      const Figures& f = *programs[i];
      const auto at = f.steps.find(event);
      if (at == f.steps.end()) {
        std::printf(" %8s %8s %8s", "", "", "");
        continue;
      }
      const double ms = Median(at->second);
      const auto cpu = f.stepCpu.find(event);
      std::printf(" %8.0f %8.0f", ms, ms - previous[i]);
      if (cpu != f.stepCpu.end()) {
        std::printf(" %8.0f", Median(cpu->second));
      } else {
        std::printf(" %8s", "");
      }
      previous[i] = ms;
    }
    std::printf("\n");
  }
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 7;
  Figures first, second;
  first.program = "Tabulo.exe";
  std::string floorProgram = "floor_win.exe";
  if (int i = ArgumentAfter(argc, argv, "--runs")) runs = std::max(1, std::atoi(argv[i]));
  if (int i = ArgumentAfter(argc, argv, "--program")) first.program = argv[i];
  if (int i = ArgumentAfter(argc, argv, "--compare")) second.program = argv[i];
  if (int i = ArgumentAfter(argc, argv, "--floor")) floorProgram = argv[i];
  std::vector<Figures*> programs = {&first};
  if (!second.program.empty()) programs.push_back(&second);

  std::vector<double> floors;
  for (int run = 0; run <= runs; ++run) {  // run 0 warms up
    const std::optional<double> floor = FloorStart(floorProgram);
    if (!floor) {
      std::printf("run %d: %s did not start\n", run, floorProgram.c_str());
      return 1;
    }
    if (run > 0) floors.push_back(*floor);
    // Compared programs take turns at going first, so that neither always
    // meets the other's aftermath.
    for (std::size_t turn = 0; turn < programs.size(); ++turn) {
      Figures& f = *programs[(turn + static_cast<std::size_t>(run)) % programs.size()];
      const std::optional<TabuloRun> tabulo = TabuloStart(f.program);
      if (!tabulo) {
        std::printf("run %d: %s did not start\n", run, f.program.c_str());
        return 1;
      }
      std::printf("run %d%s: floor %.0f ms, %s: start-up window %.0f ms, bar %.0f ms, bar with tray icon %.0f ms\n",
                  run, run == 0 ? " (warm-up)" : "", *floor, f.program.c_str(), tabulo->startup.value_or(-1),
                  tabulo->bar.value_or(-1), tabulo->barWithTray.value_or(-1));
      std::fflush(stdout);
      if (run > 0) f.Add(*tabulo);
    }
  }

  const double floor = Median(floors);
  std::printf("\nprocess start → window visible, ms over %d runs    median     min     max  − floor  ÷ floor\n", runs);
  PrintRow("floor: its window", floors, floor);
  for (const Figures* f : programs) PrintStarts(*f, floor);
  PrintSteps({programs.begin(), programs.end()});
  return 0;
}
