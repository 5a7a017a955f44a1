#pragma once
// An open theme package: the key table plus its images, decoded once when
// the package is opened (PNG through GDI+, kept as 32-bit premultiplied
// bitmaps so drawing needs no conversion). The package owns the bitmaps;
// pointers it hands out live as long as the package.
//
// Closing a package is destroying it. Which package is the engine's default
// and which one a window uses is the engine's business: it keeps them as
// (shared) owners, so a window that borrows its owner's package can never
// close it under the owner.
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ui/skin/theme_table.h"

namespace tabulo::ui {

class ResourcePackage {
 public:
  // Nothing when the bytes are not a package or the password is wrong.
  // Needs a started GDI+. An image that fails to decode is left out; the
  // pictures pointing into it then draw nothing.
  [[nodiscard]] static std::unique_ptr<ResourcePackage> Open(std::span<const std::uint8_t> bytes,
                                                             std::string_view password);

  ResourcePackage(const ResourcePackage&) = delete;
  ResourcePackage& operator=(const ResourcePackage&) = delete;
  ~ResourcePackage();

  [[nodiscard]] std::optional<std::string> Text(std::string_view element, std::string_view name) const {
    return table_.Text(element, name);
  }
  [[nodiscard]] std::optional<Rect> IntRect(std::string_view element, std::string_view name) const {
    return table_.IntRect(element, name);
  }
  [[nodiscard]] std::optional<SkinPicture> Picture(std::string_view element, std::string_view name) const {
    return table_.Picture(element, name);
  }
  // The image by number, or null.
  [[nodiscard]] Gdiplus::Bitmap* Image(int number) const;

  [[nodiscard]] const ThemeTable& Table() const { return table_; }

 private:
  explicit ResourcePackage(ThemeTable table);

  ThemeTable table_;
  std::map<int, std::unique_ptr<Gdiplus::Bitmap>> images_;
};

}  // namespace tabulo::ui
