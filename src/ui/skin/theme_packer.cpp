#include "ui/skin/theme_packer.h"

#include "base/file/atomic_file.h"
#include "ui/skin/theme_source.h"

namespace tabulo::ui {
namespace {

std::optional<std::vector<std::uint8_t>> ReadSheet(const std::filesystem::path& file) {
  const std::optional<std::string> bytes = ReadFileBytes(file);
  if (!bytes) return std::nullopt;
  return std::vector<std::uint8_t>(bytes->begin(), bytes->end());
}

}  // namespace

std::vector<std::string> PackTheme(const std::filesystem::path& source, const std::filesystem::path& output,
                                   std::string_view password) {
  const std::string sourceName = source.string();
  const std::optional<std::string> text = ReadFileBytes(source);
  if (!text) return {sourceName + ": cannot read"};
  const std::filesystem::path folder = source.parent_path();
  ThemeSourceResult result = ParseThemeSource(
      *text, [&](std::string_view name) { return ReadSheet(folder / std::filesystem::path(std::string(name))); });
  std::vector<std::string> messages;
  for (const std::string& error : result.errors) messages.push_back(sourceName + ": " + error);
  if (!result.data) return messages;

  const std::vector<std::uint8_t> bytes = SerializeThemePackage(*result.data, password);
  if (bytes.empty()) return {sourceName + ": the theme is too large for a package"};
  if (!ReplaceFileBytes(output, {reinterpret_cast<const char*>(bytes.data()), bytes.size()}))
    return {output.string() + ": cannot write"};
  return {};
}

}  // namespace tabulo::ui
