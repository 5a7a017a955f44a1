#pragma once
// Conversions between the program's UTF-8 text and std::filesystem::path.
// On Windows a path built from a plain std::string would be read in the ANSI
// code page; going through char8_t keeps every name intact, including names
// GBK cannot spell.
#include <filesystem>
#include <string>
#include <string_view>

namespace tabulo {

[[nodiscard]] inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

[[nodiscard]] inline std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace tabulo
