#pragma once
// The key table of a theme package: what an element looks like, keyed by
// element + "_" + name. A key's kind fixes its suffix, so one name can carry
// a text, an integer rectangle ("_rect") and a picture ("_rectF") side by
// side, as the controls ask for them. Keys compare without regard to ASCII
// case ("SysButton.Close" and "sysbutton.close" are the same element).
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "base/geometry/rect.h"
#include "ui/skin/picture_size.h"

namespace tabulo::ui {

// Where a picture lies: an area of one of the package's images. For a
// nine-grid key the area is the stretchable centre and the image is unused.
struct SkinPicture {
  RectF area;
  int image = 0;
  friend bool operator==(const SkinPicture&, const SkinPicture&) = default;
};

using ThemeValue = std::variant<std::string, Rect, SkinPicture>;

// Whether a value is something a theme can mean: a rectangle's or a
// picture area's numbers lie within ±kMaxPictureSide (no picture is larger,
// so no area or margin needs more) and are not NaN or infinite. Anything
// else is damage; the package reader leaves such a key out, so the element
// draws its plain look, and the packer refuses it.
[[nodiscard]] bool IsWithinThemeLimits(const ThemeValue& value);

// The stored key of a look-up: element + "_" + name + the kind's suffix,
// folded to lower case.
[[nodiscard]] std::string TextKey(std::string_view element, std::string_view name);
[[nodiscard]] std::string RectKey(std::string_view element, std::string_view name);
[[nodiscard]] std::string PictureKey(std::string_view element, std::string_view name);
[[nodiscard]] std::string FoldKey(std::string_view key);

class ThemeTable {
 public:
  // Stores a value under a full key (see the *Key functions); the key is
  // folded. A later value replaces an earlier one.
  void Set(std::string_view key, ThemeValue value);

  [[nodiscard]] std::optional<std::string> Text(std::string_view element, std::string_view name) const;
  [[nodiscard]] std::optional<Rect> IntRect(std::string_view element, std::string_view name) const;
  [[nodiscard]] std::optional<SkinPicture> Picture(std::string_view element, std::string_view name) const;

  // Folded keys in order; the package writer walks them.
  [[nodiscard]] const std::map<std::string, ThemeValue, std::less<>>& Entries() const { return entries_; }

  friend bool operator==(const ThemeTable&, const ThemeTable&) = default;

 private:
  std::map<std::string, ThemeValue, std::less<>> entries_;
};

}  // namespace tabulo::ui
