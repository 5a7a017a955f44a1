#pragma once
// Paints a window's background surface: background colour, the window's
// picture by its fill type, the theme's shadow in the band around the
// content, and the border rings at the content edge. The engine gives the
// graphics of the background surface and the inputs; copying the surface
// into the window canvas and recomposing the controls stay with the engine.
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "base/color/color.h"
#include "base/geometry/dpi_scale.h"
#include "base/geometry/rect.h"
#include "ui/skin/fill_type.h"

namespace tabulo::ui {

class ResourcePackage;
class WindowShape;

// The window's picture from file bytes, premultiplied, with its edges faded
// the way its placement needs: centred all four edges; natural size the
// right and bottom edges, and the left / top edge too when it is offset
// from that side; other fill types unchanged. Null when the bytes are empty
// or not a picture (the background stays plain).
[[nodiscard]] std::unique_ptr<Gdiplus::Bitmap> LoadBackgroundPicture(std::span<const std::uint8_t> bytes,
                                                                     FillType fillType, Point offset);

// Under a scale the graphics draws in units (canvas.h) while the window's
// size and shape are pixels: clips and the border rings are set in device
// space, the picture, the shadow and the hook are drawn in units.
struct WindowBackground {
  Size window;                                // whole window in pixels, shadow band included
  DpiScale scale;                             // the surface's scale
  const WindowShape* shape = nullptr;         // content rectangle, radius and clip, in pixels
  Rgb background = 0xFFFFFFFF;                // "crbackground" (its alpha byte is ignored)
  int windowAlpha = -1;                       // -1: opaque window, no shadow
  Gdiplus::Bitmap* picture = nullptr;         // from LoadBackgroundPicture, or null
  FillType fillType = FillType::kNatural;
  std::optional<RectF> grid;                  // nine-grid centre of the picture for kNineGrid
  Point offset;                               // "offsetx", "offsety" for kNatural
  const ResourcePackage* package = nullptr;   // for the shadow pictures
  std::string_view shadowElement;             // "SysShadow.HostWnd" / "SysShadow.SubWnd"
  std::span<const Rgb> borderColours;         // outermost ring first
  std::function<void(Gdiplus::Graphics&)> hook;  // drawn after the shadow, before the border
};

// Clears the surface, then draws everything inside the window shape; on
// return the clip is the content region (the caller resets it if needed).
void PaintWindowBackground(Gdiplus::Graphics& graphics, const WindowBackground& in);

}  // namespace tabulo::ui
