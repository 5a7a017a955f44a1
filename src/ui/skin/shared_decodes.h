#pragma once
// Theme packages and window pictures decoded once and shared. Every bound
// window reads the same theme package, and some windows show the same
// picture (the bar's skin picture is also the reminder's), so asking again
// for what was made from the same bytes, while anything still holds it,
// hands out that object instead of parsing and decoding again.
//
// An entry keeps a copy of the bytes it was made from (compressed sizes,
// small beside the decoded pixels) and only a weak reference: what nobody
// holds any more is freed as before, and the next request decodes anew.
// What is handed out is shared, so nobody may change it (pictures come
// faded as asked; the package is const).
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/geometry/rect.h"
#include "ui/skin/fill_type.h"

namespace tabulo::ui {

class ResourcePackage;

class SharedDecodes {
 public:
  // ResourcePackage::Open of the bytes, or the package already open from
  // the same bytes and password; null where Open gives nothing.
  [[nodiscard]] std::shared_ptr<const ResourcePackage> Package(std::span<const std::uint8_t> bytes,
                                                               std::string_view password);
  // LoadBackgroundPicture of the bytes for this fill type and offset, or the
  // picture already made from them; null where that gives nothing.
  [[nodiscard]] std::shared_ptr<Gdiplus::Bitmap> BackgroundPicture(std::span<const std::uint8_t> bytes,
                                                                   FillType fillType, Point offset);

 private:
  template <class T>
  struct Entry {
    std::vector<std::uint8_t> bytes;
    std::string variant;  // what else the object was made from
    std::weak_ptr<T> made;
  };
  template <class T, class Make>
  static std::shared_ptr<T> Find(std::vector<Entry<T>>& entries, std::span<const std::uint8_t> bytes,
                                 std::string variant, Make make);

  std::vector<Entry<const ResourcePackage>> packages_;
  std::vector<Entry<Gdiplus::Bitmap>> pictures_;
};

}  // namespace tabulo::ui
