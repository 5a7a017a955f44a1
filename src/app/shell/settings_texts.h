#pragma once
// Texts of the settings window "程序设置", shared by its logic and its window.
namespace tabulo::app::settings_texts {

inline constexpr const char* kCaption = "程序设置";
inline constexpr const char* kGeneralGroup = "通用设置";
inline constexpr const char* kSkinLabel = "皮肤：";
inline constexpr const char* kLightSkin = "蓝天";
inline constexpr const char* kDarkSkin = "星空";
inline constexpr const char* kStartWithWindowsBox = "随Windows启动";
inline constexpr const char* kReminderGroup = "课程提示";
inline constexpr const char* kOffsetLabel = "时间偏移：";
inline constexpr const char* kRemindersOffBox = "关闭课程弹出提示";
inline constexpr const char* kOffsetNote =
    "注：为保证课程提示在时间上的准确度，请在电脑时间不准确时手动修改此项。"
    "若电脑时钟比北京时间慢“5”分钟，那么该处应填写“-5”；若电脑时钟比北京时间快“5”分钟，那么该处应填写“5”";
inline constexpr const char* kSaveButton = "保存";
inline constexpr const char* kExitButton = "退出";

inline constexpr const char* kAdministratorNote =
    "在修改该选项时请确保您以管理员的身份运行Tabulo，否则将修改不成功。";
inline constexpr const char* kSaved = "保存成功，所有设置将在下次启动生效!";
// Shown instead of kSaved when `setup` could not be replaced; the previous
// file is intact and the window stays open.
inline constexpr const char* kNotSaved = "设置文件无法写入，本次设置没有保存，原有设置保持不变!";

}  // namespace tabulo::app::settings_texts
