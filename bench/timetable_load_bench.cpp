// What reading timetable.dat costs as the file grows, through the two loads
// a user waits for: the bar's day (DaySchedule::Load, 24 keys of one day)
// and the class-time adjustment's "读入" (96 start times of the week). Each
// is timed on a normal file and on files padded with blank lines or junk
// keys, as a damaged or tampered run directory can hold them; the peak heap
// one load needs is counted through operator new.
//
// Usage: timetable_load_bench [seconds per figure [files whose name has this]]
//        (default 0.5 s, every file; old code takes minutes on the large ones)
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <new>
#include <string>
#include <string_view>

#include "app/timetable/class_time_adjustment.h"
#include "app/timetable/day_schedule.h"
#include "app/timetable/timetable_file.h"
#include "sample_timetable.h"
#include "../tests/support/temp_directory.h"  // a scratch run directory, removed at exit

namespace {

std::atomic<std::size_t> liveBytes{0}, peakBytes{0};

void Count(std::size_t bytes) {
  const std::size_t now = liveBytes += bytes;
  std::size_t peak = peakBytes;
  while (now > peak && !peakBytes.compare_exchange_weak(peak, now)) {
  }
}

}  // namespace

// Every allocation carries its size in front, so delete can uncount it.
void* operator new(std::size_t bytes) {
  auto* block = static_cast<std::size_t*>(std::malloc(bytes + sizeof(std::max_align_t)));
  if (!block) throw std::bad_alloc();
  *block = bytes;
  Count(bytes);
  return reinterpret_cast<char*>(block) + sizeof(std::max_align_t);
}
void operator delete(void* p) noexcept {
  if (!p) return;
  auto* block = reinterpret_cast<std::size_t*>(static_cast<char*>(p) - sizeof(std::max_align_t));
  liveBytes -= *block;
  std::free(block);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace {

using Clock = std::chrono::steady_clock;
using namespace tabulo::app;

struct Figure {
  double milliseconds;
  std::size_t peakKiB;
};

// Runs `load` until `seconds` have passed (at least once); the peak heap is
// that of a single run.
Figure Measure(double seconds, const std::function<void()>& load) {
  const std::size_t before = liveBytes;
  peakBytes = before;
  int runs = 0;
  const Clock::time_point begin = Clock::now();
  do {
    load();
    ++runs;
  } while (std::chrono::duration<double>(Clock::now() - begin).count() < seconds);
  const double total = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
  return {total / runs, (peakBytes - before) / 1024};
}

class FieldsOnly final : public ClassTimeAdjustmentView {
 public:
  std::string HourText(int cell) const override { return hours_[cell - 1]; }
  std::string MinuteText(int cell) const override { return minutes_[cell - 1]; }
  void SetHourText(int cell, std::string_view text) override { hours_[cell - 1] = text; }
  void SetMinuteText(int cell, std::string_view text) override { minutes_[cell - 1] = text; }
  void Close() override {}
  MessageBoxAnswer ShowMessage(const MessageBoxRequest&) override { return {}; }

 private:
  std::string hours_[kCells], minutes_[kCells];
};

std::string Repeated(std::string_view line, std::size_t bytes) {
  std::string s;
  s.reserve(bytes);
  while (s.size() + line.size() <= bytes) s.append(line);
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::max(0.0, std::atof(argv[1])) : 0.5;
  const std::string_view only = argc > 2 ? argv[2] : "";
  const tabulo::test::TempDirectory directory;
  const TimetableFile file(directory.path());
  constexpr std::size_t kMiB = 1 << 20;
  const struct {
    const char* name;
    std::string bytes;
  } kFiles[] = {
      {"normal week", tabulo::bench::SampleTimetableFile()},
      {"1 MB of blank lines, then the week", Repeated("\r\n", kMiB) + tabulo::bench::SampleTimetableFile()},
      {"10 MB of line breaks, then the week", Repeated("\n", 10 * kMiB) + tabulo::bench::SampleTimetableFile()},
      {"10 MB of junk keys, then the week", "[Junk]\r\n" + Repeated("x=1\r\n", 10 * kMiB) + tabulo::bench::SampleTimetableFile()},
  };
  std::printf("%-48s %22s %22s\n", "timetable.dat", "bar's day (Monday)", "class-time adjustment");
  for (const auto& f : kFiles) {
    if (std::string_view(f.name).find(only) == std::string_view::npos) continue;
    directory.WriteFile("timetable.dat", f.bytes);
    DaySchedule schedule;
    schedule.ChooseToday(1);
    const Figure day = Measure(seconds, [&] { (void)schedule.Load(file); });
    FieldsOnly fields;
    TimetableFile writable(directory.path());
    ClassTimeAdjustment adjustment(fields, writable);
    const Figure week = Measure(seconds, [&] { adjustment.OnLoad(); });
    std::printf("%-48s %10.2f ms %7zu KiB %10.2f ms %7zu KiB\n", f.name, day.milliseconds, day.peakKiB,
                week.milliseconds, week.peakKiB);
    if (schedule.start[0] != 8 * 60 + 5 || fields.HourText(1) != "8") std::printf("  warning: wrong values read\n");
  }
  return 0;
}
