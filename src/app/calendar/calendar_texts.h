#pragma once
// Texts of the school calendar that the program shows: the parts of the
// bar's weekday label, and the messages about calendar.dat, pasted
// timetables, CSES files and the command line.
#include <string_view>

namespace tabulo::app::calendar_texts {

// The bar's weekday label: "星期二 · 双周", "星期二 · 第3周", "星期五 · 调休", "假日".
inline constexpr std::string_view kLabelSeparator = " · ";
inline constexpr std::string_view kOddWeek = "单周";
inline constexpr std::string_view kEvenWeek = "双周";
inline constexpr std::string_view kWeekBefore = "第";
inline constexpr std::string_view kWeekAfter = "周";
inline constexpr std::string_view kSwapped = "调休";
inline constexpr std::string_view kHoliday = "假日";

// A damaged calendar.dat: the first line, then one line per value not used.
inline constexpr std::string_view kCalendarDamaged =
    "校历文件 calendar.dat 有误，以下内容未被采用，其余照常使用（课程表本身不受影响）：";
inline constexpr std::string_view kCalendarUnreadable =
    "校历文件 calendar.dat 无法读取，本次按没有校历处理（课程表本身不受影响）。";
inline constexpr std::string_view kExpectedCycleWeeks = "应为 1 到 4 的整数";
inline constexpr std::string_view kExpectedDate = "应为“年-月-日”形式的日期，如 2025-09-01";
inline constexpr std::string_view kMissingWeek1 = "设了多周轮换，却没有第 1 周的日期 Week1，暂不轮换";
inline constexpr std::string_view kExpectedLessonMinutes = "应为 1 到 240 的整数";
inline constexpr std::string_view kExpectedChangeKind = "应为 Holiday（假日）、Swap（调休）或 Skip（停课）";
inline constexpr std::string_view kExpectedSchoolDay = "应为 1（星期一）到 6（星期六）";
inline constexpr std::string_view kExpectedCycleWeek = "应为 1 到 4 的周次";
inline constexpr std::string_view kExpectedPeriods = "应为用逗号隔开的节次 1 到 8，如 1,2,8";
inline constexpr std::string_view kTooManyChanges = "调课记录超过 1000 条，其余的未读入";

// Lists of shortened subjects: "信息技术→信息，心理健康→心理".
inline constexpr std::string_view kShortenedArrow = "→";
inline constexpr std::string_view kListSeparator = "，";

// CSES files. A refused file: the first line, then "第 12 行：" and what was expected there.
inline constexpr std::string_view kCsesRefused = "CSES 文件有误，没有做任何改动。";
inline constexpr std::string_view kLineBefore = "第 ";
inline constexpr std::string_view kLineAfter = " 行：";
inline constexpr std::string_view kYamlNotUtf8 = "文件应为 UTF-8 编码的文本";
inline constexpr std::string_view kYamlTabIndentation = "缩进里有制表符，应只用空格缩进";
inline constexpr std::string_view kYamlUnexpectedIndentation = "缩进不对，应与同一级的行对齐";
inline constexpr std::string_view kYamlExpectedKeyValue = "应为“键: 值”（冒号后要有空格）";
inline constexpr std::string_view kYamlExpectedSequenceItem = "应为以“- ”开头的列表项";
inline constexpr std::string_view kYamlBlockOnKeyLine = "列表或映射应另起一行，写在它的键下面";
inline constexpr std::string_view kYamlDuplicateKey = "同一个键出现了两次";
inline constexpr std::string_view kYamlUnclosedQuote = "引号没有闭合";
inline constexpr std::string_view kYamlBadEscape = "双引号里有无法识别的“\\”转义";
inline constexpr std::string_view kYamlUnclosedBracket = "方括号或花括号没有正确闭合（缺少逗号或右括号）";
inline constexpr std::string_view kYamlTextAfterValue = "值的后面不应再有文字";
inline constexpr std::string_view kYamlUnexpectedCharacter = "值不能以这个符号开头，应加引号";
inline constexpr std::string_view kYamlUnsupported = "用到了 CSES 用不到的 YAML 写法（锚点、别名、标签或多行文本块）";
inline constexpr std::string_view kYamlSeveralDocuments = "文件里应只有一个文档（“---”之后不应再有内容）";
inline constexpr std::string_view kYamlTooDeep = "嵌套层数过多";
inline constexpr std::string_view kCsesExpectedRoot = "应为含 version、subjects 和 schedules 的 CSES 课程表";
inline constexpr std::string_view kCsesExpectedVersion = "只支持 CSES 第 1 版（version: 1）";
inline constexpr std::string_view kCsesExpectedSchedules = "缺少 schedules（每天的课程表）";
inline constexpr std::string_view kCsesExpectedList = "应为列表（以“- ”开头的各项）";
inline constexpr std::string_view kCsesExpectedMapping = "应为映射（“键: 值”的各行）";
inline constexpr std::string_view kCsesExpectedText = "应为一段文字";
inline constexpr std::string_view kCsesExpectedName = "科目应有 name（名称）";
inline constexpr std::string_view kCsesExpectedDay = "enable_day 应为 1 到 7 或 mon 到 sun";
inline constexpr std::string_view kCsesExpectedWeeks = "weeks 应为 all、odd 或 even";
inline constexpr std::string_view kCsesExpectedClasses = "课程表应有 classes（课程列表）";
inline constexpr std::string_view kCsesExpectedSubject = "课程应有 subject（科目）";
inline constexpr std::string_view kCsesExpectedTime = "start_time 应为 \"HH:MM:SS\" 形式的时间";
// "星期一有 9 节课，每天最多 8 节" (in a 2-week cycle "星期一（双周）有 …").
inline constexpr std::string_view kCsesWeekBefore = "（";
inline constexpr std::string_view kCsesWeekAfter = "）";
inline constexpr std::string_view kCsesTooManyBefore = "有 ";
inline constexpr std::string_view kCsesTooManyAfter = " 节课，每天最多 8 节";

// CSES import.
inline constexpr std::string_view kCsesImported = "CSES 课程表已导入。";
// "课表分单双周，单周从 2025-09-01 这一周算起。"
inline constexpr std::string_view kCsesTwoWeeksBefore = "课表分单双周，单周从 ";
inline constexpr std::string_view kCsesTwoWeeksAfter = " 这一周算起。";
inline constexpr std::string_view kCsesWeek1Assumed = "文件里没有开学日期，暂把本周当作单周，可在校历里改为“本周是第 2 周”。";
inline constexpr std::string_view kCsesShortened = "以下科目名超过 5 个字节，已缩短：";
inline constexpr std::string_view kCsesSundayLeftOut = "星期日的课程没有导入（Tabulo 星期日不上课）。";
inline constexpr std::string_view kCsesNotWritten = "课程表文件无法写入，没有做任何改动。";

// CSES export.
inline constexpr std::string_view kCsesExported = "课程表已导出为 CSES 文件。";
// "Tabulo 的 3 周轮换无法用 CSES 表示，只导出了第 1 周。"
inline constexpr std::string_view kCsesOnlyWeek1Before = "Tabulo 的 ";
inline constexpr std::string_view kCsesOnlyWeek1After = " 周轮换无法用 CSES 表示，只导出了第 1 周。";
inline constexpr std::string_view kCsesScheduleWeekSeparator = "-";
inline constexpr std::string_view kCsesExportNotWritten = "CSES 文件无法写入，请换一个位置或文件名。";

// Pasting spreadsheet cells into the timetable editor.
inline constexpr std::string_view kPasteCut = "以下内容超过 5 个字节，已截断：";
inline constexpr std::string_view kPasteClipped = "超出课程表范围的部分没有粘贴。";

// The command line: Tabulo.exe --import-cses FILE [--week1 YYYY-MM-DD] | --export-cses FILE.
inline constexpr std::string_view kCommandUsage =
    "用法：Tabulo.exe --import-cses 文件 [--week1 YYYY-MM-DD]\n      Tabulo.exe --export-cses 文件";
inline constexpr std::string_view kCommandMissingFile = " 后面应写 CSES 文件的路径。";
inline constexpr std::string_view kCommandBadWeek1 = "--week1 后面应为 YYYY-MM-DD 形式的日期，即第 1 周（单周）里的某一天。";
inline constexpr std::string_view kCommandWeek1WithoutImport = "--week1 只能和 --import-cses 一起使用。";
inline constexpr std::string_view kCommandTwoOperations = "一次只能导入或导出一个文件。";
inline constexpr std::string_view kCommandUnknownArgument = "无法识别的参数：";
inline constexpr std::string_view kCommandRepeated = " 只能写一次。";
inline constexpr std::string_view kCommandUnreadableFile = "无法读取 CSES 文件：";

}  // namespace tabulo::app::calendar_texts
