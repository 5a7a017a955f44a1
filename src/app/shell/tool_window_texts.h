#pragma once
// Texts of the tool window beside the bar: its six buttons and the strip
// that hides it, written one character a line.
namespace tabulo::app::tool_window_texts {

// What a screen reader calls the window, which has no title.
inline constexpr const char* kWindowName = "工具";
inline constexpr const char* kTimetableButton = "设置课表";
inline constexpr const char* kDrawButton = "随机抽号";
inline constexpr const char* kWriterButton = "文件写入器";
inline constexpr const char* kTimerButton = "计时器";
inline constexpr const char* kSettingsButton = "设置";
inline constexpr const char* kAboutButton = "关于";
inline constexpr const char* kHideStrip = "单\r\n击\r\n此\r\n处\r\n以\r\n隐\r\n藏\r\n工\r\n具\r\n窗\r\n口";

}  // namespace tabulo::app::tool_window_texts
