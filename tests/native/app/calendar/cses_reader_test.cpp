#include "app/calendar/cses_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/calendar/calendar_texts.h"

namespace tabulo::app {
namespace {

namespace texts = calendar_texts;

// "odd 1: 语文 8:00, 数学 8:50 | even 1: …": the days that have lessons.
std::string Describe(const CsesTimetable& timetable) {
  std::string text;
  for (int week = 0; week < (timetable.alternates ? 2 : 1); ++week) {
    for (int day = 1; day <= kSchoolDays; ++day) {
      const std::vector<CsesLesson>& lessons = timetable.weeks[week][day - 1];
      if (lessons.empty()) continue;
      if (!text.empty()) text += " | ";
      text += (timetable.alternates ? (week == 0 ? "odd " : "even ") : "") + std::to_string(day) + ":";
      for (const CsesLesson& lesson : lessons) {
        text += " " + lesson.subject + " " + std::to_string(lesson.start_minute / 60) + ":" +
                (lesson.start_minute % 60 < 10 ? "0" : "") + std::to_string(lesson.start_minute % 60);
      }
    }
  }
  return text;
}

std::string ReadAndDescribe(std::string_view yaml) {
  const auto result = ReadCses(yaml);
  if (const auto* problem = std::get_if<CsesProblem>(&result)) {
    return "refused on line " + std::to_string(problem->line) + ": " + problem->expected;
  }
  return Describe(std::get<CsesTimetable>(result));
}

std::string Schedule(const std::string& day, const std::string& weeks, const std::string& classes) {
  return "  - name: x\n    enable_day: " + day + "\n" + (weeks.empty() ? "" : "    weeks: " + weeks + "\n") +
         "    classes:\n" + classes;
}
std::string Lesson(const std::string& subject, const std::string& start) {
  return "      - subject: " + subject + "\n        start_time: " + start + "\n        end_time: \"23:59:00\"\n";
}

struct Case {
  const char* what;
  std::string yaml;
  const char* timetable;
};

TEST(CsesReader, TakesWhatOtherProgramsWrite) {
  const std::string kHead = "version: 1\nschedules:\n";
  const Case kCases[] = {
      {"quoted times sorted into periods",
       kHead + Schedule("1", "all", Lesson("数学", "\"09:00:00\"") + Lesson("语文", "\"08:00:00\"")),
       "1: 语文 8:00 数学 9:00"},
      {"day names and short or unquoted times",
       kHead + Schedule("tue", "", Lesson("英语", "\"8:05\"")) + Schedule("Friday", "all", Lesson("物理", "07:40:00")) +
           Schedule("星期六", "ALL", Lesson("化学", "7:5:0")),
       "2: 英语 8:05 | 5: 物理 7:40 | 6: 化学 7:05"},
      {"seconds from a sexagesimal reading", kHead + Schedule("3", "all", Lesson("体育", "36600") + Lesson("美术", "0")),
       "3: 美术 0:00 体育 10:10"},
      {"odd and even weeks, all serving the week a day lacks",
       kHead + Schedule("2", "odd", Lesson("物理", "\"08:00:00\"")) + Schedule("2", "even", Lesson("化学", "\"08:00:00\"")) +
           Schedule("3", "all", Lesson("生物", "\"08:00:00\"")) + Schedule("4", "all", Lesson("语文", "\"08:00:00\"")) +
           Schedule("4", "even", Lesson("数学", "\"09:00:00\"")),
       "odd 2: 物理 8:00 | odd 3: 生物 8:00 | odd 4: 语文 8:00 | even 2: 化学 8:00 | even 3: 生物 8:00 | even 4: 数学 9:00"},
      {"an empty odd week still alternates", kHead + Schedule("1", "odd", "      []\n"), ""},
      {"two schedules of a day are merged",
       kHead + Schedule("1", "all", Lesson("下午", "\"14:00\"")) + Schedule("1", "all", Lesson("上午", "\"08:00\"")),
       "1: 上午 8:00 下午 14:00"},
      {"Sunday is left out", kHead + Schedule("7", "all", Lesson("语文", "\"08:00:00\"")), ""},
      {"flow style, no version, subjects missing from the list",
       "schedules:\n- {enable_day: 1, weeks: all, classes: [{subject: 自习, start_time: '19:00:00', end_time: '20:00:00'}]}\n",
       "1: 自习 19:00"},
      {"a day without classes", kHead + Schedule("1", "all", "") + "    name2: y\n", ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ReadAndDescribe(c.yaml), c.timetable);
  }
  const auto alternating = ReadCses(kHead + Schedule("1", "even", ""));
  EXPECT_TRUE(std::get<CsesTimetable>(alternating).alternates);
  EXPECT_TRUE(std::get<CsesTimetable>(ReadCses(kHead + Schedule("7", "", ""))).had_sunday);
}

TEST(CsesReader, LongSubjectsTakeTheirShortNameOrAreCutAndAreListedOnce) {
  const std::string yaml =
      "version: 1\nsubjects:\n"
      "  - name: 信息技术\n    simplified_name: 信息\n"
      "  - name: 通用技术\n    simplified_name: 通用技术课\n"
      "  - name: 数学\n    simplified_name: 数\n"
      "schedules:\n" +
      Schedule("1", "all",
               Lesson("信息技术", "\"08:00\"") + Lesson("通用技术", "\"09:00\"") + Lesson("心理健康", "\"10:00\"") +
                   Lesson("数学", "\"11:00\"") + Lesson("信息技术", "\"14:00\"") + Lesson("Music", "\"15:00\"") +
                   Lesson("History", "\"16:00\""));
  const auto result = ReadCses(yaml);
  ASSERT_TRUE(std::holds_alternative<CsesTimetable>(result));
  const CsesTimetable& timetable = std::get<CsesTimetable>(result);
  EXPECT_EQ(Describe(timetable), "1: 信息 8:00 通用 9:00 心理 10:00 数学 11:00 信息 14:00 Music 15:00 Histo 16:00");
  EXPECT_EQ(timetable.shortened,
            (std::vector<std::string>{"信息技术→信息", "通用技术→通用", "心理健康→心理", "History→Histo"}));
}

TEST(CsesReader, EightLessonsFitAndANinthRefusesTheFileNamingTheDay) {
  std::string eight;
  for (int hour = 8; hour < 16; ++hour) eight += Lesson("课", std::to_string(hour) + ":00");
  std::string nine = eight;
  nine += Lesson("大课间", "\"09:40\"");
  EXPECT_EQ(std::get<CsesTimetable>(ReadCses("schedules:\n" + Schedule("6", "all", eight))).weeks[0][5].size(), 8u);
  EXPECT_EQ(ReadAndDescribe("schedules:\n" + Schedule("2", "all", "") + Schedule("6", "all", nine)),
            "refused on line 6: 星期六有 9 节课，每天最多 8 节");
  EXPECT_EQ(ReadAndDescribe("schedules:\n" + Schedule("6", "even", nine)),
            "refused on line 2: 星期六（双周）有 9 节课，每天最多 8 节");
}

struct Refusal {
  const char* what;
  std::string yaml;
  CsesProblem problem;
};

TEST(CsesReader, AMalformedFileIsRefusedWithTheLineAndWhatWasExpected) {
  const std::string kHead = "version: 1\nschedules:\n";
  const Refusal kCases[] = {
      {"not YAML", kHead + "  - enable_day: 1\n    weeks:all\n", {4, std::string(texts::kYamlExpectedKeyValue)}},
      {"no blank after a colon", kHead + "  - enable_day:1\n", {3, std::string(texts::kCsesExpectedMapping)}},
      {"tab", "version: 1\n\tschedules: []\n", {2, std::string(texts::kYamlTabIndentation)}},
      {"not a mapping", "- 1\n", {1, std::string(texts::kCsesExpectedRoot)}},
      {"empty file", "", {1, std::string(texts::kCsesExpectedRoot)}},
      {"version 2", "version: 2\nschedules: []\n", {1, std::string(texts::kCsesExpectedVersion)}},
      {"no schedules", "version: 1\nsubjects: []\n", {1, std::string(texts::kCsesExpectedSchedules)}},
      {"schedules not a list", "version: 1\nschedules:\n  a: 1\n", {3, std::string(texts::kCsesExpectedList)}},
      {"schedule not a mapping", kHead + "  - 1\n", {3, std::string(texts::kCsesExpectedMapping)}},
      {"subject without a name", "subjects:\n  - teacher: 李\nschedules: []\n", {2, std::string(texts::kCsesExpectedName)}},
      {"day eight", kHead + Schedule("8", "all", ""), {4, std::string(texts::kCsesExpectedDay)}},
      {"day unnamed", kHead + "  - classes: []\n", {3, std::string(texts::kCsesExpectedDay)}},
      {"weeks every", kHead + Schedule("1", "every", ""), {5, std::string(texts::kCsesExpectedWeeks)}},
      {"no classes", kHead + "  - enable_day: 1\n", {3, std::string(texts::kCsesExpectedClasses)}},
      {"lesson without a subject", kHead + Schedule("1", "all", "      - start_time: \"08:00\"\n"),
       {7, std::string(texts::kCsesExpectedSubject)}},
      {"lesson without a start", kHead + Schedule("1", "all", "      - subject: 语文\n"),
       {7, std::string(texts::kCsesExpectedTime)}},
      {"hour 24", kHead + Schedule("1", "all", Lesson("语文", "\"24:00:00\"")),
       {8, std::string(texts::kCsesExpectedTime)}},
      {"minute 60", kHead + Schedule("1", "all", Lesson("语文", "\"08:60\"")), {8, std::string(texts::kCsesExpectedTime)}},
      {"four fields", kHead + Schedule("1", "all", Lesson("语文", "\"8:00:00:00\"")),
       {8, std::string(texts::kCsesExpectedTime)}},
      {"a whole day of seconds", kHead + Schedule("1", "all", Lesson("语文", "86400")),
       {8, std::string(texts::kCsesExpectedTime)}},
      {"words for a time", kHead + Schedule("1", "all", Lesson("语文", "eight")),
       {8, std::string(texts::kCsesExpectedTime)}},
      {"a list for a subject", kHead + Schedule("1", "all", Lesson("[语文]", "\"08:00\"")),
       {7, std::string(texts::kCsesExpectedSubject)}},
  };
  for (const Refusal& c : kCases) {
    SCOPED_TRACE(c.what);
    const auto result = ReadCses(c.yaml);
    const auto* problem = std::get_if<CsesProblem>(&result);
    ASSERT_NE(problem, nullptr) << Describe(std::get<CsesTimetable>(result));
    EXPECT_EQ(*problem, c.problem);
  }
  EXPECT_EQ(CsesProblemText({12, "x"}), "CSES 文件有误，没有做任何改动。\n第 12 行：x");
}

// The format's own example, where the checkout has the reference files beside it.
TEST(CsesReader, ReadsTheFormatsReferenceExample) {
  // The format's own example, kept in the tree with its licence.
  const std::filesystem::path example = std::filesystem::path(TABULO_ASSETS_DIR) / "../tests/e2e/data/cses_example.yaml";
  std::ifstream in(example, std::ios::binary);
  ASSERT_TRUE(in) << "no reference example at " << example;
  const std::string yaml{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_EQ(ReadAndDescribe(yaml), "odd 1: 数学 8:00 语文 9:00 | odd 2: 物理 8:00 英语 9:00 | "
                                   "even 1: 数学 8:00 语文 9:00 | even 2: 物理 8:00 英语 9:00");
}

}  // namespace
}  // namespace tabulo::app
