#pragma once
// Whole-file helpers for tests that work on real files anywhere below a
// TempDirectory (paths with sub-folders, names outside GBK).
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace tabulo::test {

// Writes `bytes` as they are, creating the folders on the way.
inline void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline int CountEntries(const std::filesystem::path& folder) {
  int n = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++n;
  return n;
}

}  // namespace tabulo::test
