// Importing a CSES file; see cses_import.h.
#include "app/calendar/cses_import.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <system_error>
#include <utility>
#include <vector>

#include "app/calendar/calendar_texts.h"
#include "app/calendar/cell_text.h"
#include "app/calendar/cses_reader.h"
#include "app/calendar/cycle_timetables.h"
#include "app/timetable/day_schedule.h"
#include "app/timetable/start_time_tables.h"
#include "base/file/atomic_file.h"
#include "base/text/text_to_int.h"

namespace tabulo::app {
namespace {

namespace texts = calendar_texts;

constexpr long long kLastMinuteOfDay = 23 * 60 + 59;
constexpr long long kBreakMinutes = 10;

struct WeekCells {
  std::array<std::string, kCells> subjects;
  std::array<StartTime, kCells> times;
};

StartTime TimeOf(long long minute_of_day) {
  return {std::to_string(minute_of_day / 60), std::to_string(minute_of_day % 60)};
}

long long MinuteOf(const StartTime& time) {
  return std::int64_t{TextToInt(time.hour)} * 60 + TextToInt(time.minute);
}

// One school day of imported lessons over the start times the day has now.
void FillDay(WeekCells& week, int day, const std::vector<CsesLesson>& lessons, const CycleTimetableContents& now,
             int lesson_minutes) {
  long long previous = 0;
  for (int period = 1; period <= kPeriods; ++period) {
    const std::size_t index = static_cast<std::size_t>(CellIndex(day, period) - 1);
    if (static_cast<std::size_t>(period) <= lessons.size()) {
      const CsesLesson& lesson = lessons[static_cast<std::size_t>(period - 1)];
      week.subjects[index] = lesson.subject;
      week.times[index] = TimeOf(lesson.start_minute);
      previous = lesson.start_minute;
      continue;
    }
    week.subjects[index] = kNoSubject;
    const StartTimeText fallback = DefaultStartTime(day, period);
    const StartTime kept{now.ReadStartHour(1, day, period, fallback.hour),
                         now.ReadStartMinute(1, day, period, fallback.minute)};
    if (lessons.empty() || MinuteOf(kept) >= previous + lesson_minutes) {
      week.times[index] = kept;
      previous = MinuteOf(kept);
    } else {
      previous = std::min(previous + lesson_minutes + kBreakMinutes, kLastMinuteOfDay);
      week.times[index] = TimeOf(previous);
    }
  }
}

WeekCells WeekOf(const std::array<std::vector<CsesLesson>, kSchoolDays>& days, const CycleTimetableContents& now,
                 int lesson_minutes) {
  WeekCells week;
  for (int day = 1; day <= kSchoolDays; ++day) FillDay(week, day, days[day - 1], now, lesson_minutes);
  return week;
}

// Week 2 in calendar.dat: all its subjects, and the start times in which it
// differs from week 1 (the others it shares).
void SetWeek2(CalendarData& calendar, const WeekCells& week2, const WeekCells& week1) {
  for (std::size_t index = 0; index < kCells; ++index) {
    CycleWeekCell& cell = calendar.Week(2)[index];
    cell.subject = week2.subjects[index];
    const bool shared =
        week2.times[index].hour == week1.times[index].hour && week2.times[index].minute == week1.times[index].minute;
    cell.hour = shared ? std::nullopt : std::optional(week2.times[index].hour);
    cell.minute = shared ? std::nullopt : std::optional(week2.times[index].minute);
  }
}

// The files an import writes, as they were before it: put back when a later
// write fails, so that an import changes all of them or none. A file that
// could not be read is never written, so it needs no putting back.
class FilesAsTheyWere {
 public:
  explicit FilesAsTheyWere(std::vector<std::filesystem::path> files) {
    for (std::filesystem::path& file : files) {
      std::error_code error;
      const bool existed = std::filesystem::exists(file, error) || error;
      std::optional<std::string> bytes = ReadFileBytes(file);
      files_.push_back({std::move(file), existed, std::move(bytes)});
    }
  }

  void PutBack() const {
    for (const File& file : files_) {
      std::error_code ignored;
      if (file.bytes) {
        (void)ReplaceFileBytes(file.path, *file.bytes);
      } else if (!file.existed && std::filesystem::is_regular_file(file.path, ignored)) {
        std::filesystem::remove(file.path, ignored);
      }
    }
  }

 private:
  struct File {
    std::filesystem::path path;
    bool existed;
    std::optional<std::string> bytes;
  };
  std::vector<File> files_;
};

std::string ImportMessage(const CsesTimetable& imported, const SchoolCalendar& calendar, bool week1_assumed) {
  std::string message(texts::kCsesImported);
  if (imported.alternates && calendar.week1) {
    message.append("\n")
        .append(texts::kCsesTwoWeeksBefore)
        .append(DateText(MondayOfWeek(*calendar.week1)))
        .append(texts::kCsesTwoWeeksAfter);
    if (week1_assumed) message.append(texts::kCsesWeek1Assumed);
  }
  if (!imported.shortened.empty()) message.append("\n").append(texts::kCsesShortened).append(ListOfShortened(imported.shortened));
  if (imported.had_sunday) message.append("\n").append(texts::kCsesSundayLeftOut);
  return message;
}

}  // namespace

CalendarOutcome ImportCses(const std::filesystem::path& run_directory, std::string_view bytes,
                           std::optional<CalendarDate> week1, const CalendarDate& today) {
  const std::variant<CsesTimetable, CsesProblem> read = ReadCses(bytes);
  if (const auto* problem = std::get_if<CsesProblem>(&read)) return {false, CsesProblemText(*problem)};
  const CsesTimetable& imported = std::get<CsesTimetable>(read);

  const CycleTimetableContents now = CycleTimetables(run_directory).Load();
  CalendarData calendar = now.calendar();
  const int lesson_minutes = calendar.calendar.lesson_minutes;
  const WeekCells first = WeekOf(imported.weeks[0], now, lesson_minutes);
  calendar.calendar.cycle_weeks = imported.alternates ? 2 : 1;
  bool week1_assumed = false;
  if (week1) {
    calendar.calendar.week1 = *week1;
  } else if (imported.alternates && !calendar.calendar.week1) {
    calendar.calendar.week1 = MondayOfWeek(today);
    week1_assumed = true;
  }
  if (imported.alternates) SetWeek2(calendar, WeekOf(imported.weeks[1], now, lesson_minutes), first);

  TimetableFile timetable(run_directory);
  CalendarFile calendar_file(run_directory);
  const FilesAsTheyWere before({timetable.path(), calendar_file.path()});
  if (!timetable.WriteSubjects(first.subjects) || !timetable.WriteStartTimes(first.times) ||
      !calendar_file.Save(calendar, today)) {
    before.PutBack();
    return {false, std::string(texts::kCsesNotWritten)};
  }
  return {true, ImportMessage(imported, calendar.calendar, week1_assumed)};
}

}  // namespace tabulo::app
