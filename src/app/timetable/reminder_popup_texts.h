#pragma once
// Texts of the reminder's pop-up "助手提示窗口" (its subject is the period's).
namespace tabulo::app::reminder_popup_texts {

inline constexpr const char* kCloseButton = "关闭提示";

}  // namespace tabulo::app::reminder_popup_texts
