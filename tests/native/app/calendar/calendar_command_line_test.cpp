#include "app/calendar/calendar_command_line.h"

#include <gtest/gtest.h>

#include "app/calendar/calendar_file.h"
#include "app/calendar/calendar_texts.h"
#include "app/calendar/cses_reader.h"
#include "base/file/utf8_path.h"
#include "native/app/calendar/calendar_test_helpers.h"
#include "support/temp_directory.h"

namespace tabulo::app {
namespace {

namespace texts = calendar_texts;
using test::Date;

std::variant<CalendarCommand, CommandResult> Parse(std::vector<std::string> arguments) {
  return ParseCalendarCommand(arguments);
}

TEST(CalendarCommandLine, ReadsTheOperationsInAnyOrderAndSpelling) {
  struct Case {
    const char* what;
    std::vector<std::string> arguments;
    CalendarCommand expected;
  };
  const auto command = [](CalendarOperation operation, const char* file, std::optional<CalendarDate> week1 = {}) {
    return CalendarCommand{operation, PathFromUtf8(file), week1};
  };
  const Case kCases[] = {
      {"no arguments", {}, CalendarCommand{}},
      {"other arguments start the program as always", {"/tray", "x"}, CalendarCommand{}},
      {"import", {"--import-cses", "课表.yaml"}, command(CalendarOperation::kImportCses, "课表.yaml")},
      {"import with week 1 first",
       {"--week1", "2025-09-01", "--import-cses", "D:\\课表 2025.yaml"},
       command(CalendarOperation::kImportCses, "D:\\课表 2025.yaml", Date("2025-09-01"))},
      {"with equals signs",
       {"--import-cses=a.yaml", "--week1=2028-02-29"},
       command(CalendarOperation::kImportCses, "a.yaml", Date("2028-02-29"))},
      {"export", {"--export-cses", "b.yaml"}, command(CalendarOperation::kExportCses, "b.yaml")},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const auto parsed = Parse(c.arguments);
    ASSERT_TRUE(std::holds_alternative<CalendarCommand>(parsed)) << std::get<CommandResult>(parsed).text;
    EXPECT_EQ(std::get<CalendarCommand>(parsed), c.expected);
  }
  EXPECT_EQ(Utf8FromPath(std::get<CalendarCommand>(Parse({"--export-cses", "课表.yaml"})).file), "课表.yaml");
}

TEST(CalendarCommandLine, AWrongCommandLineSaysWhyAndHowWithExitCode2) {
  struct Case {
    std::vector<std::string> arguments;
    std::string reason;
  };
  const std::string kMissingImportFile = "--import-cses" + std::string(texts::kCommandMissingFile);
  const Case kCases[] = {
      {{"--import-cses"}, kMissingImportFile},
      {{"--import-cses="}, kMissingImportFile},
      {{"--import-cses", "--week1", "2025-09-01"}, kMissingImportFile},
      {{"--export-cses"}, "--export-cses" + std::string(texts::kCommandMissingFile)},
      {{"--import-cses", "a", "--week1", "2025-13-01"}, std::string(texts::kCommandBadWeek1)},
      {{"--import-cses", "a", "--week1"}, std::string(texts::kCommandBadWeek1)},
      {{"--week1", "2025-09-01"}, std::string(texts::kCommandWeek1WithoutImport)},
      {{"--export-cses", "a", "--week1", "2025-09-01"}, std::string(texts::kCommandWeek1WithoutImport)},
      {{"--import-cses", "a", "--export-cses", "b"}, std::string(texts::kCommandTwoOperations)},
      {{"--import-cses", "a", "--import-cses", "b"}, "--import-cses" + std::string(texts::kCommandRepeated)},
      {{"--week1=2025-09-01", "--week1=2025-09-08", "--import-cses", "a"}, "--week1" + std::string(texts::kCommandRepeated)},
      {{"--import-cses", "a", "b"}, std::string(texts::kCommandUnknownArgument) + "b"},
      {{"/silent", "--export-cses", "a"}, std::string(texts::kCommandUnknownArgument) + "/silent"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.reason);
    const auto parsed = Parse(c.arguments);
    ASSERT_TRUE(std::holds_alternative<CommandResult>(parsed));
    EXPECT_EQ(std::get<CommandResult>(parsed),
              (CommandResult{kCommandMisused, c.reason + "\n" + std::string(texts::kCommandUsage)}));
  }
}

class CalendarCommandRunTest : public ::testing::Test {
 protected:
  CommandResult Run(CalendarOperation operation, const std::string& file, std::optional<CalendarDate> week1 = {}) {
    return RunCalendarCommand({operation, test::FileIn(files_.path(), file), week1}, run_.path(), Date("2025-09-03"));
  }

  test::TempDirectory run_;
  test::TempDirectory files_;
};

TEST_F(CalendarCommandRunTest, ImportAndExportEndWithCode0AndWhatWasDone) {
  test::WriteFileIn(files_.path(), "课表.yaml", "schedules:\n  - enable_day: 1\n    weeks: odd\n    classes:\n"
                               "      - subject: 语文\n        start_time: \"08:00:00\"\n");
  const CommandResult imported = Run(CalendarOperation::kImportCses, "课表.yaml", Date("2025-09-08"));
  EXPECT_EQ(imported.exit_code, kCommandDone) << imported.text;
  EXPECT_TRUE(imported.text.starts_with(texts::kCsesImported)) << imported.text;
  EXPECT_EQ(CalendarFile(run_.path()).Load().data.calendar.week1, Date("2025-09-08"));

  const CommandResult exported = Run(CalendarOperation::kExportCses, "出.yaml");
  EXPECT_EQ(exported, (CommandResult{kCommandDone, std::string(texts::kCsesExported)}));
  EXPECT_NE(test::ReadFileIn(files_.path(), "出.yaml").find("语文"), std::string::npos);
  EXPECT_EQ(Run(CalendarOperation::kNone, ""), CommandResult{});
}

TEST_F(CalendarCommandRunTest, AFailedOperationEndsWithCode1AndWhy) {
  const CommandResult missing = Run(CalendarOperation::kImportCses, "无.yaml");
  EXPECT_EQ(missing, (CommandResult{kCommandFailed, std::string(texts::kCommandUnreadableFile) +
                                                         Utf8FromPath(test::FileIn(files_.path(), "无.yaml"))}));
  test::WriteFileIn(files_.path(), "坏.yaml", "version: 3\nschedules: []\n");
  EXPECT_EQ(Run(CalendarOperation::kImportCses, "坏.yaml"),
            (CommandResult{kCommandFailed, CsesProblemText({1, std::string(texts::kCsesExpectedVersion)})}));
  EXPECT_EQ(Run(CalendarOperation::kExportCses, "no folder/出.yaml"),
            (CommandResult{kCommandFailed, std::string(texts::kCsesExportNotWritten)}));
}

}  // namespace
}  // namespace tabulo::app
