// calendar.dat; see calendar_file.h.
#include "app/calendar/calendar_file.h"

#include <algorithm>
#include <string_view>
#include <system_error>
#include <utility>

#include "app/calendar/calendar_texts.h"
#include "app/storage_names.h"
#include "base/file/atomic_file.h"
#include "base/ini/profile_document.h"
#include "base/text/gbk.h"

namespace tabulo::app {
namespace {

namespace texts = calendar_texts;

constexpr std::string_view kFileName = "calendar.dat";
constexpr std::string_view kCalendarSection = "Calendar";
constexpr std::string_view kCycleWeeksKey = "CycleWeeks";
constexpr std::string_view kWeek1Key = "Week1";
constexpr std::string_view kLessonMinutesKey = "LessonMinutes";
constexpr std::string_view kChangeSectionPrefix = "Change";
constexpr std::string_view kDateKey = "Date";
constexpr std::string_view kKindKey = "Kind";
constexpr std::string_view kDayKey = "Day";
constexpr std::string_view kWeekKey = "Week";
constexpr std::string_view kPeriodsKey = "Periods";
constexpr std::string_view kNoteKey = "Note";
// Indexed by ChangeKind.
constexpr std::string_view kKindNames[] = {"Holiday", "Swap", "Skip"};

// Enough for every school day of several years; it bounds the work a huge
// planted file can cause.
constexpr int kMostChanges = 1000;
constexpr int kMostLessonMinutes = 240;

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// A whole number written as plain digits within [low, high]; nothing otherwise.
std::optional<int> NumberIn(std::string_view text, int low, int high) {
  text = Trimmed(text);
  if (text.empty() || text.size() > 6) return std::nullopt;
  int number = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  if (number < low || number > high) return std::nullopt;
  return number;
}

// "1,2,8" (blanks and full-width commas allowed) as period bits.
std::optional<std::uint8_t> PeriodsOf(std::string_view text) {
  constexpr std::string_view kWideComma = "，";
  std::uint8_t periods = 0;
  while (true) {
    const std::size_t comma = text.find(',');
    const std::size_t wide_comma = text.find(kWideComma);
    const std::size_t end = std::min(comma, wide_comma);
    const std::optional<int> period = NumberIn(text.substr(0, end), 1, kPeriods);
    if (!period) return std::nullopt;
    periods |= PeriodBit(*period);
    if (end == std::string_view::npos) return periods;
    text.remove_prefix(end + (end == comma ? 1 : kWideComma.size()));
  }
}

std::string PeriodsText(std::uint8_t periods) {
  std::string text;
  for (int period = 1; period <= kPeriods; ++period) {
    if ((periods & PeriodBit(period)) == 0) continue;
    if (!text.empty()) text += ',';
    text += std::to_string(period);
  }
  return text;
}

// A text read from the file as a save will hold it and a later load read
// it: what GBK cannot spell (in a file with a UTF-8 or UTF-16 byte order
// mark) as the '?' a save writes, nothing from a NUL on (a save ends the
// value there), and without the blanks the profile functions drop around a
// value (those a pair of quotes kept).
std::optional<std::string> AsSaved(std::optional<std::string> text) {
  if (!text) return text;
  std::string saved = GbkToUtf8(Utf8ToGbk(*text));
  saved.resize(std::min(saved.size(), saved.find('\0')));
  constexpr std::string_view kProfileBlanks = " \t\n\v\f\r\x1A";
  const std::size_t first = saved.find_first_not_of(kProfileBlanks);
  if (first == std::string::npos) return std::string();
  return saved.substr(first, saved.find_last_not_of(kProfileBlanks) - first + 1);
}

std::string ChangeSection(int number) { return std::string(kChangeSectionPrefix) + std::to_string(number); }
std::string SubjectKey(int period) { return std::to_string(period); }
std::string HourKey(int period) { return std::string(kStartHourKeyPrefix) + std::to_string(period); }
std::string MinuteKey(int period) { return std::string(kStartMinuteKeyPrefix) + std::to_string(period); }

// The lines of a load's diagnosis: "[Change3] Date=2025-13-01：应为…".
class Diagnosis {
 public:
  void Refuse(std::string_view section, std::string_view key, std::string_view value, std::string_view expected) {
    std::string line = "[";
    line.append(section).append("] ").append(key).append("=").append(value).append("：").append(expected);
    Note(line);
  }
  void Note(std::string_view line) {
    lines_ += '\n';
    lines_ += line;
  }
  [[nodiscard]] std::string Text() const {
    return lines_.empty() ? std::string() : std::string(texts::kCalendarDamaged) + lines_;
  }

 private:
  std::string lines_;
};

class CalendarReader {
 public:
  CalendarReader(const ProfileDocument& document, Diagnosis& diagnosis)
      : document_(document), diagnosis_(diagnosis) {}

  CalendarData Read() {
    CalendarData data;
    ReadSettings(data.calendar);
    ReadChanges(data.calendar);
    for (int week = 2; week <= kMaxCycleWeeks; ++week) ReadWeek(week, data.Week(week));
    return data;
  }

 private:
  // A value that is there and not blank.
  [[nodiscard]] std::optional<std::string> Value(std::string_view section, std::string_view key) const {
    std::optional<std::string> value = document_.Find(section, key);
    if (value && Trimmed(*value).empty()) return std::nullopt;
    return value;
  }

  // The number in [low, high] a key holds; nothing, with a diagnosis line,
  // when it holds something else.
  std::optional<int> Number(std::string_view section, std::string_view key, int low, int high,
                            std::string_view expected) {
    const std::optional<std::string> value = Value(section, key);
    if (!value) return std::nullopt;
    const std::optional<int> number = NumberIn(*value, low, high);
    if (!number) diagnosis_.Refuse(section, key, *value, expected);
    return number;
  }

  void ReadSettings(SchoolCalendar& calendar) {
    calendar.cycle_weeks =
        Number(kCalendarSection, kCycleWeeksKey, 1, kMaxCycleWeeks, texts::kExpectedCycleWeeks).value_or(1);
    calendar.lesson_minutes =
        Number(kCalendarSection, kLessonMinutesKey, 1, kMostLessonMinutes, texts::kExpectedLessonMinutes)
            .value_or(kDefaultLessonMinutes);
    if (const std::optional<std::string> week1 = Value(kCalendarSection, kWeek1Key)) {
      calendar.week1 = ParseDate(Trimmed(*week1));
      if (!calendar.week1) diagnosis_.Refuse(kCalendarSection, kWeek1Key, *week1, texts::kExpectedDate);
    } else if (calendar.cycle_weeks > 1) {
      diagnosis_.Note(texts::kMissingWeek1);
    }
    // A rotation without its week 1 cannot be followed: none, until someone sets it again.
    if (!calendar.week1) calendar.cycle_weeks = 1;
  }

  void ReadChanges(SchoolCalendar& calendar) {
    for (int number = 1;; ++number) {
      const std::string section = ChangeSection(number);
      if (!document_.Find(section, kDateKey) && !document_.Find(section, kKindKey)) return;
      if (number > kMostChanges) {
        diagnosis_.Note(texts::kTooManyChanges);
        return;
      }
      if (std::optional<DatedChange> change = ReadChange(section)) calendar.changes.push_back(std::move(*change));
    }
  }

  // What `parse` makes of a key that must be there; nothing, with a
  // diagnosis line, when it is missing or `parse` refuses it.
  template <typename Parse>
  auto Required(std::string_view section, std::string_view key, std::string_view expected, Parse parse) {
    const std::string value = Value(section, key).value_or("");
    auto parsed = parse(Trimmed(value));
    if (!parsed) diagnosis_.Refuse(section, key, value, expected);
    return parsed;
  }

  std::optional<DatedChange> ReadChange(const std::string& section) {
    const std::optional<CalendarDate> date = Required(section, kDateKey, texts::kExpectedDate, ParseDate);
    if (!date) return std::nullopt;
    const std::optional<ChangeKind> kind = Required(section, kKindKey, texts::kExpectedChangeKind, KindOf);
    if (!kind) return std::nullopt;
    DatedChange change;
    change.date = *date;
    change.kind = *kind;
    change.note = AsSaved(document_.Find(section, kNoteKey)).value_or("");
    if (change.kind == ChangeKind::kSwap && !ReadSwap(section, change)) return std::nullopt;
    if (change.kind == ChangeKind::kSkipPeriods) {
      const std::optional<std::uint8_t> periods = Required(section, kPeriodsKey, texts::kExpectedPeriods, PeriodsOf);
      if (!periods) return std::nullopt;
      change.skipped = *periods;
    }
    return change;
  }

  static std::optional<ChangeKind> KindOf(std::string_view name) {
    for (int kind = 0; kind < static_cast<int>(std::size(kKindNames)); ++kind) {
      if (kKindNames[kind] == name) return static_cast<ChangeKind>(kind);
    }
    return std::nullopt;
  }

  bool ReadSwap(const std::string& section, DatedChange& change) {
    const std::optional<int> day = Required(section, kDayKey, texts::kExpectedSchoolDay,
                                            [](std::string_view text) { return NumberIn(text, 1, kSchoolDays); });
    if (!day) return false;
    change.day = *day;
    if (Value(section, kWeekKey)) {
      change.week = Number(section, kWeekKey, 1, kMaxCycleWeeks, texts::kExpectedCycleWeek);
      if (!change.week) return false;
    }
    return true;
  }

  void ReadWeek(int week, CycleWeekCells& cells) {
    for (int day = 1; day <= kSchoolDays; ++day) {
      const std::string section = CycleWeekSection(week, day);
      for (int period = 1; period <= kPeriods; ++period) {
        CycleWeekCell& cell = cells[CellIndex(day, period) - 1];
        cell.subject = AsSaved(document_.Find(section, SubjectKey(period)));
        cell.hour = AsSaved(document_.Find(section, HourKey(period)));
        cell.minute = AsSaved(document_.Find(section, MinuteKey(period)));
      }
    }
  }

  const ProfileDocument& document_;
  Diagnosis& diagnosis_;
};

class CalendarWriter {
 public:
  std::string Write(const CalendarData& data) {
    WriteSettings(data.calendar);
    int number = 0;
    for (const DatedChange& change : data.calendar.changes) WriteChange(ChangeSection(++number), change);
    for (int week = 2; week <= kMaxCycleWeeks; ++week) WriteWeek(week, data.Week(week));
    return document_.Serialise();
  }

 private:
  // The profile functions drop one pair of quotes around a value when they
  // read it; a value that has such a pair of its own gets one more.
  void Set(std::string_view section, std::string_view key, std::string_view value) {
    const bool enclosed = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                          value.back() == value.front();
    if (!enclosed) {
      document_.Set(section, key, value);
      return;
    }
    std::string quoted = "\"";
    quoted.append(value).append("\"");
    document_.Set(section, key, quoted);
  }

  void WriteSettings(const SchoolCalendar& calendar) {
    Set(kCalendarSection, kCycleWeeksKey, std::to_string(calendar.cycle_weeks));
    if (calendar.week1) Set(kCalendarSection, kWeek1Key, DateText(*calendar.week1));
    Set(kCalendarSection, kLessonMinutesKey, std::to_string(calendar.lesson_minutes));
  }

  void WriteChange(const std::string& section, const DatedChange& change) {
    Set(section, kDateKey, DateText(change.date));
    Set(section, kKindKey, kKindNames[static_cast<int>(change.kind)]);
    if (change.kind == ChangeKind::kSwap) {
      Set(section, kDayKey, std::to_string(change.day));
      if (change.week) Set(section, kWeekKey, std::to_string(*change.week));
    }
    if (change.kind == ChangeKind::kSkipPeriods) Set(section, kPeriodsKey, PeriodsText(change.skipped));
    if (!change.note.empty()) Set(section, kNoteKey, change.note);
  }

  // In timetable.dat's own order: the subjects, then "T1", "F1", "T2" …
  void WriteWeek(int week, const CycleWeekCells& cells) {
    for (int day = 1; day <= kSchoolDays; ++day) {
      const std::string section = CycleWeekSection(week, day);
      for (int period = 1; period <= kPeriods; ++period) {
        const CycleWeekCell& cell = cells[CellIndex(day, period) - 1];
        if (cell.subject) Set(section, SubjectKey(period), *cell.subject);
      }
      for (int period = 1; period <= kPeriods; ++period) {
        const CycleWeekCell& cell = cells[CellIndex(day, period) - 1];
        if (cell.hour) Set(section, HourKey(period), *cell.hour);
        if (cell.minute) Set(section, MinuteKey(period), *cell.minute);
      }
    }
  }

  ProfileDocument document_ = ProfileDocument::Parse("");
};

bool Exists(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

}  // namespace

std::string CycleWeekSection(int week, int day) {
  return "Week" + std::to_string(week) + "." + std::string(DaySection(day));
}

CalendarFile::CalendarFile(const std::filesystem::path& run_directory) : path_(run_directory / kFileName) {}

CalendarLoad ParseCalendar(std::string_view bytes) {
  const ProfileDocument document = ProfileDocument::Parse(bytes);
  Diagnosis diagnosis;
  CalendarData data = CalendarReader(document, diagnosis).Read();
  return {std::move(data), diagnosis.Text()};
}

std::string SerialiseCalendar(const CalendarData& data) { return CalendarWriter().Write(data); }

CalendarLoad CalendarFile::Load() const {
  const std::optional<std::string> bytes = ReadFileBytes(path_);
  if (!bytes) {
    return {CalendarData{}, Exists(path_) ? std::string(texts::kCalendarUnreadable) : std::string()};
  }
  return ParseCalendar(*bytes);
}

bool CalendarFile::Save(CalendarData data, const CalendarDate& today) {
  if (Exists(path_) && !ReadFileBytes(path_)) return false;
  data.calendar.PruneChanges(today);
  return ReplaceFileBytes(path_, SerialiseCalendar(data));
}

}  // namespace tabulo::app
