#pragma once
// The authoring form of a theme: an INI-like text (assets/theme/theme.ini)
// naming the PNG sheets and, per element, its pictures and values. The
// packer turns it into a package; assets/theme/README.md documents it.
//
//   [images]                 number = file name of a PNG sheet
//   1 = buttons.png
//   [Button]                 one section per element
//   normal = picture(1, 0, 0, 64, 24)   picture: image, x, y, width, height
//   gird   = grid(6, 6, 52, 12)         nine-grid centre (a picture of image 0)
//   margin = rect(4, 3, -4, -3)         integer rectangle
//   filltype = 3                        anything else is text
//
// Lines starting with ";" or "#" are comments. What the program would read
// otherwise than written is an error naming the element: numbers beyond the
// theme limits (theme_table.h), an image number that is not whole, a key
// too long for the package, a sheet the program would not decode.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/skin/theme_package_format.h"

namespace tabulo::ui {

// Returns a sheet's bytes by the file name given in [images], or nothing.
using SheetLoader = std::function<std::optional<std::vector<std::uint8_t>>(std::string_view name)>;

struct ThemeSourceResult {
  std::optional<ThemePackageData> data;  // empty when there are errors
  std::vector<std::string> errors;       // "line N: what is wrong"
};

[[nodiscard]] ThemeSourceResult ParseThemeSource(std::string_view text, const SheetLoader& loadSheet);

}  // namespace tabulo::ui
