#pragma once
// Font faces by name. The engine's default font is made from "宋体" first;
// the system caption font is the fall-back, except that the old default
// "Tahoma" (which has no Chinese characters) counts as "宋体". The
// program's own windows write in "微软雅黑".
#include <string>
#include <string_view>

namespace tabulo::ui {

inline constexpr std::string_view kSongTi = "宋体";
inline constexpr std::string_view kMicrosoftYaHei = "微软雅黑";

// The caption-font candidate for a system caption face (UTF-8); an empty
// face (the system call failed) gives "宋体".
[[nodiscard]] std::string CaptionFontCandidate(std::string_view systemCaptionFace);

}  // namespace tabulo::ui
