#pragma once
// The random draw window's own texts, shared by its logic and its window.
namespace tabulo::app::random_draw_texts {

inline constexpr const char* kCaption = "随机抽号";
inline constexpr const char* kIdleNumber = "Rn";
inline constexpr const char* kRangeLabel = "随机抽号范围:";
inline constexpr const char* kRangeSeparator = "~";
inline constexpr const char* kStart = "开始!";
inline constexpr const char* kStop = "停止!";
inline constexpr const char* kStartTip = "修改随机抽号的范围后请点击初始化处理!";
inline constexpr const char* kReset = "初始化";
inline constexpr const char* kNoRepeatBox = "不重复抽号";
// What a screen reader calls the range fields and the results, which show
// no words of their own.
inline constexpr const char* kRangeStartName = "起始学号";
inline constexpr const char* kRangeEndName = "结束学号";
inline constexpr const char* kResultsName = "抽号结果";
inline constexpr const char* kResultSeparator = "，";  // full-width comma

inline constexpr const char* kInvalidRange = "请输入有效范围!";
inline constexpr const char* kTwoNumbersOnly = "请不要这么无聊好吗!";
inline constexpr const char* kRangeCaption = "什么鬼";
inline constexpr const char* kAllDrawn = "已抽取当前所有号码，请清空后再处理!";
inline constexpr const char* kResetDone = "初始化完成!";

// The exclusion prompt.
inline constexpr const char* kExclusionTitle = "请输入：";
inline constexpr const char* kExclusionPrompt = "请输入单个需要剔除的学号，如1号请输入1 48号请输入48";

}  // namespace tabulo::app::random_draw_texts
