#include "ui/skin/shared_decodes.h"

#include <algorithm>

#include "ui/skin/resource_package.h"
#include "ui/skin/window_background.h"

namespace tabulo::ui {

template <class T, class Make>
std::shared_ptr<T> SharedDecodes::Find(std::vector<Entry<T>>& entries, std::span<const std::uint8_t> bytes,
                                       std::string variant, Make make) {
  if (bytes.empty()) return nullptr;
  std::erase_if(entries, [](const Entry<T>& e) { return e.made.expired(); });
  for (const Entry<T>& e : entries) {
    if (e.variant != variant || !std::ranges::equal(e.bytes, bytes)) continue;
    if (std::shared_ptr<T> alive = e.made.lock()) return alive;
  }
  std::shared_ptr<T> made = make();
  if (made) entries.push_back({{bytes.begin(), bytes.end()}, std::move(variant), made});
  return made;
}

std::shared_ptr<const ResourcePackage> SharedDecodes::Package(std::span<const std::uint8_t> bytes,
                                                              std::string_view password) {
  return Find(packages_, bytes, std::string(password),
              [&] { return std::shared_ptr<const ResourcePackage>(ResourcePackage::Open(bytes, password)); });
}

std::shared_ptr<Gdiplus::Bitmap> SharedDecodes::BackgroundPicture(std::span<const std::uint8_t> bytes,
                                                                  FillType fillType, Point offset) {
  std::string variant =
      std::to_string(static_cast<int>(fillType)) + ' ' + std::to_string(offset.x) + ' ' + std::to_string(offset.y);
  return Find(pictures_, bytes, std::move(variant),
              [&] { return std::shared_ptr<Gdiplus::Bitmap>(LoadBackgroundPicture(bytes, fillType, offset)); });
}

}  // namespace tabulo::ui
