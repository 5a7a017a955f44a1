#include "ui/skin/resource_package.h"

#include "ui/skin/skin_image.h"
#include "ui/skin/theme_package_format.h"

namespace tabulo::ui {

ResourcePackage::ResourcePackage(ThemeTable table) : table_(std::move(table)) {}
ResourcePackage::~ResourcePackage() = default;

std::unique_ptr<ResourcePackage> ResourcePackage::Open(std::span<const std::uint8_t> bytes,
                                                       std::string_view password) {
  auto data = ParseThemePackage(bytes, password);
  if (!data) return nullptr;
  std::unique_ptr<ResourcePackage> package(new ResourcePackage(std::move(data->table)));
  for (const auto& [number, png] : data->images) {
    if (auto bitmap = LoadBitmapFromBytes(png)) package->images_.emplace(number, std::move(bitmap));
  }
  return package;
}

Gdiplus::Bitmap* ResourcePackage::Image(int number) const {
  const auto it = images_.find(number);
  return it == images_.end() ? nullptr : it->second.get();
}

}  // namespace tabulo::ui
