#pragma once
// Names of everything the program keeps outside itself: its data files in the
// run directory, their INI sections and keys with the defaults the readers
// substitute, and the start-with-Windows registry value. Stored files depend
// on these exact spellings.
#include <string_view>

namespace tabulo::app {

// Settings file `setup`: one section with three keys.
inline constexpr std::string_view kSettingsFileName = "setup";
inline constexpr std::string_view kSettingsSection = "set";
inline constexpr std::string_view kSkinKey = "skin";
inline constexpr std::string_view kSkinDefault = "蓝天";
inline constexpr std::string_view kClockOffsetKey = "time";  // minutes the computer clock runs ahead
inline constexpr std::string_view kClockOffsetDefault = "0";
inline constexpr std::string_view kRemindersOffKey = "tip";  // "true" switches the reminder pop-ups off
inline constexpr std::string_view kRemindersOffDefault = "false";

// The random draw's file `set`.
inline constexpr std::string_view kDrawFileName = "set";
inline constexpr std::string_view kDrawSection = "set";
inline constexpr std::string_view kDrawMinKey = "Min";
inline constexpr std::string_view kDrawMaxKey = "Max";
inline constexpr std::string_view kDrawExceptKey = "Except";

// Timetable file: one section per school day (Monday = index 0); keys are the
// period number for the subject, and "T"/"F" + period number for the start
// hour and minute.
inline constexpr std::string_view kTimetableFileName = "timetable.dat";
inline constexpr std::string_view kDaySections[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
inline constexpr std::string_view kStartHourKeyPrefix = "T";
inline constexpr std::string_view kStartMinuteKeyPrefix = "F";

// Start with Windows: a value under HKEY_LOCAL_MACHINE, named as one path and
// split at its last backslash into sub-key and value name.
inline constexpr std::wstring_view kRunValuePath = L"software\\microsoft\\windows\\CurrentVersion\\Run\\Timetable";

}  // namespace tabulo::app
