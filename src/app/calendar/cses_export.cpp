// Exporting CSES files; see cses_export.h.
#include "app/calendar/cses_export.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <set>
#include <vector>

#include "app/calendar/calendar_texts.h"
#include "app/timetable/day_schedule.h"
#include "app/timetable/reminder.h"
#include "app/timetable/start_time_tables.h"
#include "base/file/atomic_file.h"
#include "base/text/text_to_int.h"
#include "base/yaml/yaml_writer.h"

namespace tabulo::app {
namespace {

namespace texts = calendar_texts;

constexpr long long kLastMinuteOfDay = 23 * 60 + 59;

struct Lesson {
  std::string subject;
  long long start = 0;  // minute of day
  friend bool operator==(const Lesson&, const Lesson&) = default;
};
using DayLessons = std::vector<Lesson>;

// A start time as typed can be anything; CSES wants one within the day.
long long MinuteOfDay(const std::string& hour, const std::string& minute) {
  return std::clamp<long long>(std::int64_t{TextToInt(hour)} * 60 + TextToInt(minute), 0, kLastMinuteOfDay);
}

DayLessons LessonsOf(const CycleTimetableContents& timetables, int week, int day) {
  DayLessons lessons;
  std::size_t through_last_real = 0;
  for (int period = 1; period <= kPeriods; ++period) {
    const StartTimeText fallback = DefaultStartTime(day, period);
    Lesson lesson{timetables.ReadSubject(week, day, period, kNoSubject),
                  MinuteOfDay(timetables.ReadStartHour(week, day, period, fallback.hour),
                              timetables.ReadStartMinute(week, day, period, fallback.minute))};
    if (IsRealSubject(lesson.subject)) through_last_real = static_cast<std::size_t>(period);
    lessons.push_back(std::move(lesson));
  }
  lessons.resize(through_last_real);
  return lessons;
}

std::string TimeText(long long minute_of_day) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:00", static_cast<int>(minute_of_day / 60),
                static_cast<int>(minute_of_day % 60));
  return text;
}

YamlNode Quoted(std::string text) { return YamlNode::Scalar(std::move(text), YamlScalarStyle::kDoubleQuoted); }
YamlNode Plain(std::string text) { return YamlNode::Scalar(std::move(text)); }

class CsesBuilder {
 public:
  explicit CsesBuilder(int lesson_minutes) : lesson_minutes_(lesson_minutes) {}

  void AddDay(int day, std::string_view weeks, const DayLessons& lessons) {
    if (lessons.empty()) return;
    std::string name(DayDisplayName(day));
    if (weeks != "all") {
      name.append(texts::kCsesScheduleWeekSeparator).append(weeks == "odd" ? texts::kOddWeek : texts::kEvenWeek);
    }
    YamlNode classes = YamlNode::Sequence();
    for (const Lesson& lesson : lessons) classes.Append(Class(lesson));
    YamlNode schedule = YamlNode::Mapping();
    schedule.Add("name", Quoted(std::move(name)));
    schedule.Add("enable_day", Plain(std::to_string(day)));
    schedule.Add("weeks", Plain(std::string(weeks)));
    schedule.Add("classes", std::move(classes));
    schedules_.Append(std::move(schedule));
  }

  std::string Yaml() const {
    YamlNode root = YamlNode::Mapping();
    root.Add("version", Plain("1"));
    root.Add("subjects", subjects_);
    root.Add("schedules", schedules_);
    return WriteYaml(root);
  }

 private:
  YamlNode Class(const Lesson& lesson) {
    if (listed_.insert(lesson.subject).second) {
      YamlNode subject = YamlNode::Mapping();
      subject.Add("name", Quoted(lesson.subject));
      subjects_.Append(std::move(subject));
    }
    YamlNode node = YamlNode::Mapping();
    node.Add("subject", Quoted(lesson.subject));
    node.Add("start_time", Quoted(TimeText(lesson.start)));
    node.Add("end_time", Quoted(TimeText(std::min(lesson.start + lesson_minutes_, kLastMinuteOfDay))));
    return node;
  }

  int lesson_minutes_;
  std::set<std::string, std::less<>> listed_;
  YamlNode subjects_ = YamlNode::Sequence();
  YamlNode schedules_ = YamlNode::Sequence();
};

}  // namespace

CsesText CsesOfTimetables(const CycleTimetableContents& timetables) {
  const SchoolCalendar& calendar = timetables.calendar().calendar;
  CsesBuilder builder(calendar.lesson_minutes);
  std::string message(texts::kCsesExported);
  for (int day = 1; day <= kSchoolDays; ++day) {
    const DayLessons odd = LessonsOf(timetables, 1, day);
    if (calendar.cycle_weeks != 2) {
      builder.AddDay(day, "all", odd);
      continue;
    }
    const DayLessons even = LessonsOf(timetables, 2, day);
    if (odd == even) {
      builder.AddDay(day, "all", odd);
    } else {
      builder.AddDay(day, "odd", odd);
      builder.AddDay(day, "even", even);
    }
  }
  if (calendar.cycle_weeks > 2) {
    message.append("\n")
        .append(texts::kCsesOnlyWeek1Before)
        .append(std::to_string(calendar.cycle_weeks))
        .append(texts::kCsesOnlyWeek1After);
  }
  return {builder.Yaml(), message};
}

CalendarOutcome ExportCses(const std::filesystem::path& run_directory, const std::filesystem::path& file) {
  CsesText cses = CsesOfTimetables(CycleTimetables(run_directory).Load());
  if (!ReplaceFileBytes(file, cses.yaml)) return {false, std::string(texts::kCsesExportNotWritten)};
  return {true, std::move(cses.message)};
}

}  // namespace tabulo::app
