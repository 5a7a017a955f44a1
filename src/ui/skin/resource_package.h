#pragma once
// An open theme package: the key table plus its images, each decoded once,
// when it is first asked for (PNG through GDI+, kept as 32-bit
// premultiplied bitmaps so drawing needs no conversion). A window uses few
// of the images, and the start-up window, the first one made, none but its
// shadow: decoding them all at opening cost the start-up some milliseconds
// for pictures that only menus and forms show, much later or never. The
// package owns the bitmaps; pointers it hands out live as long as the
// package.
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
#include <vector>

#include "ui/skin/theme_table.h"

namespace tabulo::ui {

class ResourcePackage {
 public:
  // Nothing when the bytes are not a package or the password is wrong.
  // Image needs a started GDI+.
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
  // The image by number, or null (also for an image that fails to decode:
  // the pictures pointing into it then draw nothing).
  [[nodiscard]] Gdiplus::Bitmap* Image(int number) const;

  [[nodiscard]] const ThemeTable& Table() const { return table_; }

 private:
  ResourcePackage(ThemeTable table, std::map<int, std::vector<std::uint8_t>> pngs);

  ThemeTable table_;
  // An image's PNG bytes until it is decoded, then its bitmap (null when
  // decoding failed). Decoding on first use changes nothing anyone sees.
  mutable std::map<int, std::vector<std::uint8_t>> pngs_;
  mutable std::map<int, std::unique_ptr<Gdiplus::Bitmap>> images_;
};

}  // namespace tabulo::ui
