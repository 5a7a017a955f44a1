// Reading CSES files; see cses_reader.h.
#include "app/calendar/cses_reader.h"

#include <algorithm>
#include <map>
#include <optional>
#include <utility>

#include "app/calendar/calendar_texts.h"
#include "app/calendar/cell_text.h"
#include "base/yaml/yaml_reader.h"

namespace tabulo::app {
namespace {

namespace texts = calendar_texts;

constexpr int kSunday = 7;  // CSES numbers the days 1 (Monday) to 7 (Sunday)
constexpr int kSecondsPerDay = 24 * 60 * 60;

struct Failure {
  CsesProblem problem;
};

[[noreturn]] void Fail(int line, std::string_view expected) {
  throw Failure{CsesProblem{line, std::string(expected)}};
}

std::string_view YamlProblemText(YamlProblem problem) {
  switch (problem) {
    case YamlProblem::kNotUtf8: return texts::kYamlNotUtf8;
    case YamlProblem::kTabIndentation: return texts::kYamlTabIndentation;
    case YamlProblem::kUnexpectedIndentation: return texts::kYamlUnexpectedIndentation;
    case YamlProblem::kExpectedKeyValue: return texts::kYamlExpectedKeyValue;
    case YamlProblem::kExpectedSequenceItem: return texts::kYamlExpectedSequenceItem;
    case YamlProblem::kBlockOnKeyLine: return texts::kYamlBlockOnKeyLine;
    case YamlProblem::kDuplicateKey: return texts::kYamlDuplicateKey;
    case YamlProblem::kUnclosedQuote: return texts::kYamlUnclosedQuote;
    case YamlProblem::kBadEscape: return texts::kYamlBadEscape;
    case YamlProblem::kUnclosedBracket: return texts::kYamlUnclosedBracket;
    case YamlProblem::kTextAfterValue: return texts::kYamlTextAfterValue;
    case YamlProblem::kUnexpectedCharacter: return texts::kYamlUnexpectedCharacter;
    case YamlProblem::kUnsupported: return texts::kYamlUnsupported;
    case YamlProblem::kSeveralDocuments: return texts::kYamlSeveralDocuments;
    case YamlProblem::kTooDeep: return texts::kYamlTooDeep;
  }
  return {};
}

std::string Lowered(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lowered;
}

std::optional<int> DigitsValue(std::string_view text, std::size_t most_digits) {
  if (text.empty() || text.size() > most_digits) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// 1 (Monday) .. 7 (Sunday) from a number or a day's name.
std::optional<int> DayOf(std::string_view text) {
  if (const std::optional<int> number = DigitsValue(text, 1)) {
    if (*number >= 1 && *number <= kSunday) return *number;
    return std::nullopt;
  }
  static const std::map<std::string, int, std::less<>> kNames = {
      {"mon", 1},    {"monday", 1},  {"tue", 2},      {"tues", 2},    {"tuesday", 2}, {"wed", 3},
      {"wednesday", 3}, {"thu", 4},  {"thur", 4},     {"thurs", 4},   {"thursday", 4}, {"fri", 5},
      {"friday", 5}, {"sat", 6},     {"saturday", 6}, {"sun", 7},     {"sunday", 7},  {"星期一", 1},
      {"星期二", 2}, {"星期三", 3},  {"星期四", 4},   {"星期五", 5},  {"星期六", 6},  {"星期日", 7},
      {"星期天", 7}, {"周一", 1},    {"周二", 2},     {"周三", 3},    {"周四", 4},    {"周五", 5},
      {"周六", 6},   {"周日", 7},    {"周天", 7},
  };
  const auto found = kNames.find(Lowered(text));
  if (found == kNames.end()) return std::nullopt;
  return found->second;
}

enum class Weeks { kAll, kOdd, kEven };

std::optional<Weeks> WeeksOf(std::string_view text) {
  const std::string lowered = Lowered(text);
  if (lowered == "all") return Weeks::kAll;
  if (lowered == "odd") return Weeks::kOdd;
  if (lowered == "even") return Weeks::kEven;
  return std::nullopt;
}

// "HH:MM:SS", "HH:MM" (one or two digits each) or seconds since midnight.
std::optional<int> MinuteOfDay(std::string_view text) {
  if (text.find(':') == std::string_view::npos) {
    const std::optional<int> seconds = DigitsValue(text, 5);
    if (!seconds || *seconds >= kSecondsPerDay) return std::nullopt;
    return *seconds / 60;
  }
  int fields[3] = {0, 0, 0};
  int count = 0;
  while (true) {
    const std::size_t colon = text.find(':');
    if (count == 3) return std::nullopt;
    const std::optional<int> field = DigitsValue(text.substr(0, colon), 2);
    if (!field) return std::nullopt;
    fields[count++] = *field;
    if (colon == std::string_view::npos) break;
    text.remove_prefix(colon + 1);
  }
  if (count < 2 || fields[0] > 23 || fields[1] > 59 || fields[2] > 59) return std::nullopt;
  return fields[0] * 60 + fields[1];
}

const YamlNode& MappingOf(const YamlNode& node) {
  if (!node.IsMapping()) Fail(node.line(), texts::kCsesExpectedMapping);
  return node;
}

// The items of a list; a key without a value is an empty list.
const std::vector<YamlNode>& ItemsOf(const YamlNode& node) {
  static const std::vector<YamlNode> kNone;
  if (node.IsNull()) return kNone;
  if (!node.IsSequence()) Fail(node.line(), texts::kCsesExpectedList);
  return node.items();
}

const std::string& TextOf(const YamlNode& node, std::string_view expected) {
  if (!node.IsScalar() || node.IsNull()) Fail(node.line(), expected);
  return node.text();
}

// One school day's lessons as the file gives them, by the weeks they serve.
struct DayLessons {
  std::vector<CsesLesson> all, odd, even;
  bool has_odd = false;
  bool has_even = false;
  int line = 0;  // of the day's first schedule
};

class CsesMapper {
 public:
  CsesTimetable Map(const YamlNode& root) {
    if (!root.IsMapping()) Fail(std::max(root.line(), 1), texts::kCsesExpectedRoot);
    if (const YamlNode* version = root.Find("version")) {
      if (!version->IsScalar() || version->text() != "1") Fail(version->line(), texts::kCsesExpectedVersion);
    }
    if (const YamlNode* subjects = root.Find("subjects")) ReadSubjects(*subjects);
    const YamlNode* schedules = root.Find("schedules");
    if (schedules == nullptr) Fail(root.line(), texts::kCsesExpectedSchedules);
    for (const YamlNode& schedule : ItemsOf(*schedules)) ReadSchedule(MappingOf(schedule));
    for (int day = 1; day <= kSchoolDays; ++day) PlaceDay(day);
    result_.shortened = shortened_.notes();
    return std::move(result_);
  }

 private:
  void ReadSubjects(const YamlNode& subjects) {
    for (const YamlNode& subject : ItemsOf(subjects)) {
      const YamlNode* name = MappingOf(subject).Find("name");
      if (name == nullptr) Fail(subject.line(), texts::kCsesExpectedName);
      const std::string& text = TextOf(*name, texts::kCsesExpectedName);
      if (const YamlNode* simplified = subject.Find("simplified_name"); simplified && !simplified->IsNull()) {
        simplified_[text] = TextOf(*simplified, texts::kCsesExpectedText);
      }
    }
  }

  void ReadSchedule(const YamlNode& schedule) {
    const YamlNode* day_node = schedule.Find("enable_day");
    if (day_node == nullptr) Fail(schedule.line(), texts::kCsesExpectedDay);
    const std::optional<int> day = DayOf(TextOf(*day_node, texts::kCsesExpectedDay));
    if (!day) Fail(day_node->line(), texts::kCsesExpectedDay);
    Weeks weeks = Weeks::kAll;
    if (const YamlNode* weeks_node = schedule.Find("weeks"); weeks_node && !weeks_node->IsNull()) {
      const std::optional<Weeks> parsed = WeeksOf(TextOf(*weeks_node, texts::kCsesExpectedWeeks));
      if (!parsed) Fail(weeks_node->line(), texts::kCsesExpectedWeeks);
      weeks = *parsed;
    }
    const YamlNode* classes = schedule.Find("classes");
    if (classes == nullptr) Fail(schedule.line(), texts::kCsesExpectedClasses);
    std::vector<CsesLesson> lessons;
    for (const YamlNode& lesson : ItemsOf(*classes)) lessons.push_back(ReadLesson(MappingOf(lesson)));
    if (weeks != Weeks::kAll) result_.alternates = true;
    if (*day == kSunday) {
      result_.had_sunday = true;
      return;
    }
    DayLessons& place = days_[*day - 1];
    if (place.line == 0) place.line = schedule.line();
    std::vector<CsesLesson>& into = weeks == Weeks::kOdd ? place.odd : weeks == Weeks::kEven ? place.even : place.all;
    place.has_odd |= weeks == Weeks::kOdd;
    place.has_even |= weeks == Weeks::kEven;
    into.insert(into.end(), lessons.begin(), lessons.end());
  }

  CsesLesson ReadLesson(const YamlNode& lesson) {
    const YamlNode* subject = lesson.Find("subject");
    if (subject == nullptr) Fail(lesson.line(), texts::kCsesExpectedSubject);
    const std::string& name = TextOf(*subject, texts::kCsesExpectedSubject);
    const YamlNode* start = lesson.Find("start_time");
    if (start == nullptr) Fail(lesson.line(), texts::kCsesExpectedTime);
    const std::optional<int> minute = MinuteOfDay(TextOf(*start, texts::kCsesExpectedTime));
    if (!minute) Fail(start->line(), texts::kCsesExpectedTime);
    return {CellSubject(name), *minute};
  }

  // The name as a cell holds it; a shortened one is listed once.
  std::string CellSubject(const std::string& name) {
    if (FitToCell(name) == name) return name;
    const auto simplified = simplified_.find(name);
    std::string fitted = FitToCell(simplified != simplified_.end() ? simplified->second : name);
    shortened_.Note(name, fitted);
    return fitted;
  }

  void PlaceDay(int day) {
    DayLessons& lessons = days_[day - 1];
    Place(day, 0, lessons.has_odd ? lessons.odd : lessons.all, lessons.line);
    if (result_.alternates) Place(day, 1, lessons.has_even ? lessons.even : lessons.all, lessons.line);
  }

  void Place(int day, int week, std::vector<CsesLesson> lessons, int line) {
    std::stable_sort(lessons.begin(), lessons.end(),
                     [](const CsesLesson& a, const CsesLesson& b) { return a.start_minute < b.start_minute; });
    if (lessons.size() > static_cast<std::size_t>(kPeriods)) {
      std::string problem(DayDisplayName(day));
      if (result_.alternates) {
        problem.append(texts::kCsesWeekBefore)
            .append(week == 0 ? texts::kOddWeek : texts::kEvenWeek)
            .append(texts::kCsesWeekAfter);
      }
      problem.append(texts::kCsesTooManyBefore).append(std::to_string(lessons.size())).append(texts::kCsesTooManyAfter);
      Fail(line, problem);
    }
    result_.weeks[week][day - 1] = std::move(lessons);
  }

  std::map<std::string, std::string, std::less<>> simplified_;
  ShortenedTexts shortened_;
  std::array<DayLessons, kSchoolDays> days_;
  CsesTimetable result_;
};

}  // namespace

std::variant<CsesTimetable, CsesProblem> ReadCses(std::string_view bytes) {
  const std::variant<YamlNode, YamlError> document = ReadYaml(bytes);
  if (const auto* error = std::get_if<YamlError>(&document)) {
    return CsesProblem{error->line, std::string(YamlProblemText(error->problem))};
  }
  try {
    return CsesMapper().Map(std::get<YamlNode>(document));
  } catch (const Failure& failure) {
    return failure.problem;
  }
}

std::string CsesProblemText(const CsesProblem& problem) {
  std::string text(texts::kCsesRefused);
  text.append("\n")
      .append(texts::kLineBefore)
      .append(std::to_string(problem.line))
      .append(texts::kLineAfter)
      .append(problem.expected);
  return text;
}

}  // namespace tabulo::app
