#pragma once
// The timer window's own texts, shared by its logic and its window.
namespace tabulo::app::timer_texts {

inline constexpr const char* kCaption = "计时器";
inline constexpr const char* kStart = "开始";
inline constexpr const char* kPause = "暂停";
inline constexpr const char* kContinue = "继续";
inline constexpr const char* kStop = "停止";
inline constexpr const char* kClear = "清零";
inline constexpr const char* kChimeBox = "倒计时结束时播放提示音";
inline constexpr const char* kPreview = "试听";
inline constexpr const char* kTopmostBox = "窗口置顶";
inline constexpr const char* kCountdownBox = "倒计时模式";
inline constexpr const char* kStopwatchBox = "计时模式";
inline constexpr const char* kSeparator = "：";
inline constexpr const char* kDashLine = "————————————————————————";
inline constexpr const char* kZero = "00";
// What a screen reader calls the fields and their plus and minus buttons,
// which show no words: hours, minutes, seconds.
inline constexpr const char* kFieldNames[] = {"小时", "分钟", "秒"};
inline constexpr const char* kPlusNames[] = {"小时加一", "分钟加一", "秒加一"};
inline constexpr const char* kMinusNames[] = {"小时减一", "分钟减一", "秒减一"};
inline constexpr const char* kSwitchModeQuestion = "切换模式会重置计时器，是否要继续？";
inline constexpr const char* kSwitchModeCaption = "提示";

}  // namespace tabulo::app::timer_texts
