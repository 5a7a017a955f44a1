// theme_pack: builds a theme package from its sources.
//   theme_pack SOURCE.ini OUTPUT.ext [PASSWORD]
// Sheet file names in SOURCE.ini are relative to its folder. Errors are
// listed with their lines and the output is not written.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "ui/skin/theme_source.h"

namespace {

std::optional<std::vector<std::uint8_t>> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: theme_pack SOURCE.ini OUTPUT.ext [PASSWORD]\n");
    return 2;
  }
  const std::filesystem::path source = argv[1], output = argv[2];
  const auto text = ReadFile(source);
  if (!text) {
    std::fprintf(stderr, "%s: cannot read\n", argv[1]);
    return 1;
  }
  const auto folder = source.parent_path();
  const auto result = tabulo::ui::ParseThemeSource(
      {reinterpret_cast<const char*>(text->data()), text->size()},
      [&](std::string_view name) { return ReadFile(folder / std::filesystem::path(std::string(name))); });
  for (const auto& error : result.errors) std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
  if (!result.data) return 1;

  const auto bytes = tabulo::ui::SerializeThemePackage(*result.data, argc == 4 ? argv[3] : "");
  const auto temporary = std::filesystem::path(output) += ".part";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      std::fprintf(stderr, "%s: cannot write\n", temporary.string().c_str());
      return 1;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, output, error);
  if (error) {
    std::fprintf(stderr, "%s: %s\n", argv[2], error.message().c_str());
    return 1;
  }
  return 0;
}
