// How long a full timetable save and load take through the INI store: the
// editors' saves (48 subjects, 96 start times, one atomic replacement each),
// the same cells written key by key, and a full read of all 144 keys. Every
// call reads or rewrites the whole file, so these figures are what a user
// waits for on "保存课表&S" and what reading the whole week costs.
//
// Usage: timetable_store_bench [iterations]   (default 200)
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "app/timetable/timetable_file.h"
#include "../tests/support/temp_directory.h"  // a scratch run directory, removed at exit

namespace {

using Clock = std::chrono::steady_clock;
using tabulo::app::CellOf;
using tabulo::app::kCells;
using tabulo::app::StartTime;
using tabulo::app::TimetableFile;

template <typename Body>
double MicrosecondsPerRun(int iterations, Body&& body) {
  const Clock::time_point begin = Clock::now();
  for (int i = 0; i < iterations; ++i) body(i);
  return std::chrono::duration<double, std::micro>(Clock::now() - begin).count() / iterations;
}

}  // namespace

int main(int argc, char** argv) {
  const int iterations = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  const tabulo::test::TempDirectory directory;
  TimetableFile file(directory.path());

  // Two-character Chinese subjects, as a real timetable has them.
  const char* const kSubjects[] = {"语文", "数学", "英语", "物理", "化学", "生物", "政治", "地理", "历史", "体育"};
  std::array<std::string, kCells> subjects;
  std::array<StartTime, kCells> times;
  for (int index = 1; index <= kCells; ++index) {
    const auto cell = CellOf(index);
    subjects[index - 1] = kSubjects[index % 10];
    times[index - 1] = {std::to_string(7 + cell.period), std::to_string((cell.day * 7) % 60)};
  }

  bool ok = true;
  const double save_subjects = MicrosecondsPerRun(iterations, [&](int) { ok &= file.WriteSubjects(subjects); });
  const double save_times = MicrosecondsPerRun(iterations, [&](int) { ok &= file.WriteStartTimes(times); });
  std::size_t read_bytes = 0;
  const double load = MicrosecondsPerRun(iterations, [&](int) {
    for (int index = 1; index <= kCells; ++index) {
      const auto cell = CellOf(index);
      read_bytes += file.ReadSubject(cell.day, cell.period, "暂无").size();
      read_bytes += file.ReadStartHour(cell.day, cell.period, "").size();
      read_bytes += file.ReadStartMinute(cell.day, cell.period, "").size();
    }
  });
  const int key_iterations = std::max(1, iterations / 20);
  const double save_by_key = MicrosecondsPerRun(key_iterations, [&](int) {
    for (int index = 1; index <= kCells; ++index) {
      const auto cell = CellOf(index);
      ok &= file.WriteSubject(cell.day, cell.period, subjects[index - 1]);
    }
  });

  std::error_code error;
  const auto file_size = std::filesystem::file_size(file.path(), error);
  std::printf("timetable.dat: %ju bytes, %d iterations (%d for key-by-key)\n", static_cast<std::uintmax_t>(file_size),
              iterations, key_iterations);
  std::printf("full save, 48 subjects, one replacement:   %10.1f us\n", save_subjects);
  std::printf("full save, 96 start times, one replacement: %9.1f us\n", save_times);
  std::printf("full save, 48 subjects, key by key:        %10.1f us\n", save_by_key);
  std::printf("full load, 144 keys one by one:            %10.1f us  (%zu bytes read)\n", load, read_bytes);
  if (!ok) std::printf("warning: some writes failed\n");
  return ok ? 0 : 1;
}
