#pragma once
// Texts the timetable editor shows for the school calendar: its week
// selector, the question before another week replaces unsaved changes, and
// the button that opens the calendar window.
#include <string_view>

namespace tabulo::app::editor_week_texts {

inline constexpr std::string_view kWeekItems[] = {"第1周", "第2周", "第3周", "第4周"};

// "第1周的课程表有改动还没有保存。换到第2周，这些改动将丢失。"
inline constexpr std::string_view kUnsavedBefore = "第";
inline constexpr std::string_view kUnsavedMiddle = "周的课程表有改动还没有保存。换到第";
inline constexpr std::string_view kUnsavedAfter = "周，这些改动将丢失。";
inline constexpr std::string_view kUnsavedCaption = "设置课程表";

// Opens the calendar window "校历与调课".
inline constexpr std::string_view kCalendarButton = "校历与调课&L";

}  // namespace tabulo::app::editor_week_texts
