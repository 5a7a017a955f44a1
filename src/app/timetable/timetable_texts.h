#pragma once
// Texts of the timetable windows (editor, subject picker, class-time
// adjustment, reminder pop-up), shared by their logic and their windows.
namespace tabulo::app::timetable_texts {

// Timetable editor.
inline constexpr const char* kEditorCaption = "设置课程表";
inline constexpr const char* kLoadButton = "读入当前课表&R";
inline constexpr const char* kChangeTimesButton = "更改上课时间&C";
inline constexpr const char* kSaveButton = "保存课表&S";
inline constexpr const char* kExitButton = "退出&E";
inline constexpr const char* kFileMissing = "课程表文件不存在!";
inline constexpr const char* kFileMissingCaption = "读取错误";
inline constexpr const char* kIncomplete = "请补充完整课程表!";
inline constexpr const char* kSaveFailedCaption = "保存失败";
inline constexpr const char* kSaved = "保存完毕!";
inline constexpr const char* kSavedCaption = "提示";
inline constexpr const char* kChangeTimesWarning =
    "为了Tabulo能准时提示下一节的课程，请不要随意修改上课时间。否则将影响到软件的正常使用甚至发生不可预知的错误!";
inline constexpr const char* kChangeTimesCaption = "警告";
// Shown instead of a success message when timetable.dat could not be
// replaced (read-only folder, full disk, locked file); the old file is intact.
inline constexpr const char* kNotWritten = "课程表文件无法写入，本次修改没有保存，原有课程表保持不变!";

// Class-time adjustment.
inline constexpr const char* kAdjustmentCaption = "上课时间调整";
inline constexpr const char* kResetValuesButton = "置回默认值";
inline constexpr const char* kAdjustmentLoadButton = "读入";
inline constexpr const char* kAdjustmentSaveButton = "保存";
inline constexpr const char* kAdjustmentExitButton = "退出";
inline constexpr const char* kTimeSeparator = "：";
inline constexpr const char* kInvalidTime = "请正确填写课程表!";
inline constexpr const char* kTimesSaved = "保存完毕，重启程序后生效!";

// Reminder pop-up.
inline constexpr const char* kPopupCaption = "助手提示窗口";
inline constexpr const char* kDismissButton = "关闭提示";

}  // namespace tabulo::app::timetable_texts
