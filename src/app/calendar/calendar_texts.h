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

}  // namespace tabulo::app::calendar_texts
