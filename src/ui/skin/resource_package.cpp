#include "ui/skin/resource_package.h"

#include "ui/skin/skin_image.h"
#include "ui/skin/theme_package_format.h"

namespace tabulo::ui {

ResourcePackage::ResourcePackage(ThemeTable table, std::map<int, std::vector<std::uint8_t>> pngs)
    : table_(std::move(table)), pngs_(std::move(pngs)) {}
ResourcePackage::~ResourcePackage() = default;

std::unique_ptr<ResourcePackage> ResourcePackage::Open(std::span<const std::uint8_t> bytes,
                                                       std::string_view password) {
  auto data = ParseThemePackage(bytes, password);
  if (!data) return nullptr;
  return std::unique_ptr<ResourcePackage>(new ResourcePackage(std::move(data->table), std::move(data->images)));
}

Gdiplus::Bitmap* ResourcePackage::Image(int number) const {
  if (const auto decoded = images_.find(number); decoded != images_.end()) return decoded->second.get();
  const auto png = pngs_.find(number);
  if (png == pngs_.end()) return nullptr;
  std::unique_ptr<Gdiplus::Bitmap>& bitmap = images_[number];
  bitmap = LoadBitmapFromBytes(png->second);
  pngs_.erase(png);
  return bitmap.get();
}

}  // namespace tabulo::ui
