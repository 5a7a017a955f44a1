#pragma once
// Texts of the calendar window "校历与调课": its messages and the one-line
// explanations of dated changes in its list. The captions of its controls
// are in the window's form (form_catalogue.h).
#include <string_view>

namespace tabulo::app::calendar_window_texts {

// A dated change in one line: "2025-10-11 星期六  调休：上星期五的课（国庆调休）".
inline constexpr std::string_view kDateGap = " ";
inline constexpr std::string_view kKindGap = "  ";
inline constexpr std::string_view kHolidayLine = "假日，不上课";
inline constexpr std::string_view kSwapBefore = "调休：上";
inline constexpr std::string_view kSwapAfter = "的课";
inline constexpr std::string_view kSkipBefore = "停课：第 ";
inline constexpr std::string_view kSkipSeparator = "、";
inline constexpr std::string_view kSkipAfter = " 节";
inline constexpr std::string_view kNoteBefore = "（";
inline constexpr std::string_view kNoteAfter = "）";

// The swap's week choice when the date keeps its own cycle week.
inline constexpr std::string_view kOwnWeek = "本周次";

// Refusals of a change being added.
inline constexpr std::string_view kDatePassed = "这一天已经过去，请选择今天或以后的日期。";
inline constexpr std::string_view kNoPeriods = "请勾选停课的节次。";
inline constexpr std::string_view kSwapToItself = "这一天本来就上这天的课，请选择另一天的课。";
inline constexpr std::string_view kAlreadyListed = "这一天已有一条同类的记录，请先删除它。";
inline constexpr std::string_view kNothingSelected = "请先在列表里选中要删除的一条。";

inline constexpr std::string_view kSaved = "校历已保存。";
inline constexpr std::string_view kNotSaved =
    "校历文件 calendar.dat 无法写入（可能是只读或被占用），没有做任何改动。";

}  // namespace tabulo::app::calendar_window_texts
