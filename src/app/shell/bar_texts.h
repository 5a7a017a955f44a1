#pragma once
// Texts of the bar and of its tray icon and menu.
namespace tabulo::app::bar_texts {

inline constexpr const char* kToolButton = "工 具";
inline constexpr const char* kSeparator = "-------";  // between the weekday and the clock

// Shown while the bar is built when another copy of the program runs.
inline constexpr const char* kAlreadyRunning = "请不要重复运行Tabulo!";

inline constexpr const char* kTrayTip = "Tabulo 3.0版";
inline constexpr const char* kMenuAbout = "关于(&A)";
inline constexpr const char* kMenuCalendar = "校历与调课(&C)";
inline constexpr const char* kMenuExit = "退出(&E)";

}  // namespace tabulo::app::bar_texts
