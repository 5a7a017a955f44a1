#pragma once
// Texts of the about window "关于本程序".
namespace tabulo::app::about_texts {

inline constexpr const char* kOkButton = "确定";

}  // namespace tabulo::app::about_texts
