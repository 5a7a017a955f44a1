#pragma once
// The byte format of a theme package (User Interface.ext, Default.ext):
// a key table and the PNG images its pictures point into, by number.
// assets/theme/README.md describes the layout for theme authors.
//
// A package may be scrambled with a password (an XOR key stream, nothing
// secret: it only keeps casual editors out). Opening needs the same password
// it was written with; the application always uses the empty one. Any
// truncated, corrupt or wrongly unscrambled input gives nothing, never a
// partial table.
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "ui/skin/theme_table.h"

namespace tabulo::ui {

struct ThemePackageData {
  ThemeTable table;
  std::map<int, std::vector<std::uint8_t>> images;  // image number -> PNG file bytes
  friend bool operator==(const ThemePackageData&, const ThemePackageData&) = default;
};

[[nodiscard]] std::optional<ThemePackageData> ParseThemePackage(std::span<const std::uint8_t> bytes,
                                                                std::string_view password);
[[nodiscard]] std::vector<std::uint8_t> SerializeThemePackage(const ThemePackageData& data,
                                                              std::string_view password);

}  // namespace tabulo::ui
