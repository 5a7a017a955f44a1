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
#include <cstddef>
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

// A key is stored with a 16-bit length.
inline constexpr std::size_t kMaxThemeKeyBytes = 65535;

// Entries whose numbers are beyond what a theme can mean
// (IsWithinThemeLimits) are left out of the table.
[[nodiscard]] std::optional<ThemePackageData> ParseThemePackage(std::span<const std::uint8_t> bytes,
                                                                std::string_view password);
// Empty when the data does not fit the format: a key longer than
// kMaxThemeKeyBytes, or a text, an image or the whole package beyond 4 GiB.
[[nodiscard]] std::vector<std::uint8_t> SerializeThemePackage(const ThemePackageData& data,
                                                              std::string_view password);

}  // namespace tabulo::ui
