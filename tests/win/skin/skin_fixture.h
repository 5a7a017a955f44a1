#pragma once
// Shared pieces of the skin tests: GDI+ started once, bitmaps painted from
// a function of (x, y), PNG encoding, packages built in memory, and pixel
// reads of a drawn surface. Header-only: only *_test.cpp files are built.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
#include <shlwapi.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "base/color/color.h"
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

inline std::vector<std::uint8_t> EncodePng(Gdiplus::Bitmap& bitmap) {
  // {557CF406-1A04-11D3-9A73-0000F81EF32E}: the PNG encoder.
  const CLSID png = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
  IStream* stream = SHCreateMemStream(nullptr, 0);
  std::vector<std::uint8_t> bytes;
  if (bitmap.Save(stream, &png, nullptr) == Gdiplus::Ok) {
    STATSTG stat{};
    stream->Stat(&stat, STATFLAG_NONAME);
    bytes.resize(static_cast<std::size_t>(stat.cbSize.QuadPart));
    const LARGE_INTEGER start{};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    ULONG read = 0;
    stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
  }
  stream->Release();
  return bytes;
}

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
