#pragma once
// A fresh, empty directory for one test, removed with everything in it when
// the test ends. Stands in for the program's run directory.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

namespace tabulo::test {

class TempDirectory {
 public:
  TempDirectory() {
    std::random_device entropy;
    std::mt19937_64 random((static_cast<std::uint64_t>(entropy()) << 32) | entropy());
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    do {
      path_ = base / ("tabulo-test-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_));
  }
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;
  ~TempDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  [[nodiscard]] const std::filesystem::path& path() const { return path_; }

  // Writes `bytes` as they are (no newline translation) to a file in here.
  void WriteFile(std::string_view name, std::string_view bytes) const {
    std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

  [[nodiscard]] std::string ReadFile(std::string_view name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

 private:
  std::filesystem::path path_;
};

}  // namespace tabulo::test
