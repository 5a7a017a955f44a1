#pragma once
// Which face the engine's default font is made from. "宋体" comes first; the
// system caption font is the fall-back, except that the old default
// "Tahoma" (which has no Chinese characters) counts as "宋体".
#include <string>
#include <string_view>

namespace tabulo::ui {

inline constexpr std::string_view kSongTi = "宋体";
// Microsoft YaHei: the face the program's own windows and forms write in.
inline constexpr std::string_view kMicrosoftYaHei = "微软雅黑";

// The caption-font candidate for a system caption face (UTF-8); an empty
// face (the system call failed) gives "宋体".
[[nodiscard]] std::string CaptionFontCandidate(std::string_view systemCaptionFace);

}  // namespace tabulo::ui
