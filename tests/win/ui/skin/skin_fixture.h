#pragma once
// Shared pieces of the skin tests: GDI+ started once, bitmaps painted from
// a function of (x, y), PNG encoding, packages built in memory, and pixel
// reads of a drawn surface. Header-only: only *_test.cpp files are built.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "base/color/color.h"
#include "ui/controls/picture.h"
#include "ui/skin/resource_package.h"
#include "ui/skin/theme_package_format.h"

namespace tabulo::ui::test {

inline void StartGdiplus() {
  static std::once_flag once;
  std::call_once(once, [] {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);  // kept until the process ends
  });
}

// A 32-bit ARGB bitmap whose pixel (x, y) is fn(x, y).
inline std::unique_ptr<Gdiplus::Bitmap> PaintBitmap(int width, int height, const std::function<Argb(int, int)>& fn) {
  StartGdiplus();
  auto bitmap = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat32bppARGB);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap->SetPixel(x, y, Gdiplus::Color(fn(x, y)));
  return bitmap;
}

// A picture drawn in memory has no file format, so the engine encodes it as
// PNG.
inline std::vector<std::uint8_t> EncodePng(Gdiplus::Bitmap& bitmap) { return ui::EncodeImage(bitmap); }

// Un-premultiplied ARGB of a pixel.
inline Argb PixelAt(Gdiplus::Bitmap& bitmap, int x, int y) {
  Gdiplus::Color colour;
  bitmap.GetPixel(x, y, &colour);
  return colour.GetValue();
}

// A transparent premultiplied surface to draw on, like a canvas.
struct Surface {
  Surface(int width, int height) {
    StartGdiplus();
    bitmap = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat32bppPARGB);
    graphics = std::make_unique<Gdiplus::Graphics>(bitmap.get());
    graphics->Clear(Gdiplus::Color(0));
  }
  Argb at(int x, int y) { return PixelAt(*bitmap, x, y); }
  std::unique_ptr<Gdiplus::Bitmap> bitmap;
  std::unique_ptr<Gdiplus::Graphics> graphics;
};

inline std::unique_ptr<ResourcePackage> OpenPackage(const ThemePackageData& data, const char* password = "") {
  StartGdiplus();
  return ResourcePackage::Open(SerializeThemePackage(data, password), password);
}

}  // namespace tabulo::ui::test
