#include "ui/engine/image_handles.h"

#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include "ui/engine/icon_file.h"
#include "ui/skin/skin_image.h"

namespace tabulo::ui {
namespace {

constexpr DWORD kIconVersion = 0x30000;

UniqueIcon IconFromResource(std::span<const std::uint8_t> data, bool icon, int width, int height) {
  HICON made = CreateIconFromResourceEx(const_cast<BYTE*>(data.data()), static_cast<DWORD>(data.size()), icon,
                                        kIconVersion, width, height, 0);
  return UniqueIcon(made);
}

std::span<const std::uint8_t> ResourceData(HMODULE module, HRSRC resource) {
  if (!resource) return {};
  HGLOBAL loaded = LoadResource(module, resource);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return {static_cast<const std::uint8_t*>(data), SizeofResource(module, resource)};
}

UniqueIcon IconOfSize(HMODULE module, std::span<const std::uint8_t> directory, int size) {
  const int id = LookupIconIdFromDirectoryEx(const_cast<BYTE*>(directory.data()), TRUE, size, size, 0);
  if (id == 0) return {};
  const std::span<const std::uint8_t> image = ResourceData(module, FindResourceW(module, MAKEINTRESOURCEW(id), RT_ICON));
  if (image.empty()) return {};
  return IconFromResource(image, true, size, size);
}

}  // namespace

UniqueIcon LoadIconFromBytes(std::span<const std::uint8_t> bytes, bool cursor, int index) {
  const std::optional<IconFileImage> image = ReadIconFileImage(bytes, index);
  if (!image) return {};
  return IconFromResource(image->resource, !cursor, image->width, image->height);
}

UniqueBitmap LoadBitmapFromFileBytes(std::span<const std::uint8_t> bytes) {
  const std::unique_ptr<Gdiplus::Bitmap> picture = LoadBitmapFromBytes(bytes);
  if (!picture) return {};
  HBITMAP handle = nullptr;
  if (picture->GetHBITMAP(Gdiplus::Color(0, 0, 0, 0), &handle) != Gdiplus::Ok) return {};
  return UniqueBitmap(handle);
}

ProgramIcons LoadProgramIcons() {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(129), RT_GROUP_ICON);
  if (!group) group = FindResourceW(module, L"DEFAULT_ICON", RT_GROUP_ICON);
  const std::span<const std::uint8_t> directory = ResourceData(module, group);
  if (directory.empty()) return {};
  return {IconOfSize(module, directory, 16), IconOfSize(module, directory, 32)};
}

}  // namespace tabulo::ui
