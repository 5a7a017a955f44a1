#include "ui/skin/window_background.h"

#include <algorithm>

#include "base/win/device_space.h"
#include "ui/skin/nine_grid.h"
#include "ui/skin/resource_package.h"
#include "ui/skin/skin_draw.h"
#include "ui/skin/skin_image.h"
#include "ui/skin/window_shape.h"

namespace tabulo::ui {
namespace {

std::uint32_t FadedEdgesFor(FillType fillType, Point offset) {
  if (fillType == FillType::kCentre) return kFadeLeft | kFadeTop | kFadeRight | kFadeBottom;
  if (fillType != FillType::kNatural) return 0;
  std::uint32_t edges = kFadeRight | kFadeBottom;
  if (offset.x != 0) edges |= kFadeLeft;
  if (offset.y != 0) edges |= kFadeTop;
  return edges;
}

void DrawPicture(Gdiplus::Graphics& graphics, const WindowBackground& in, const Rect& content, std::uint8_t alpha) {
  Gdiplus::Bitmap& picture = *in.picture;
  RectF whole{0, 0, static_cast<float>(picture.GetWidth()), static_cast<float>(picture.GetHeight())};
  if (in.fillType == FillType::kNatural && in.scale.IsIdentity()) {
    // At its own size only what falls on the window is drawn, pixel for
    // pixel as before: GDI+ copies and blends every pixel it is given, and
    // the bar's 665-pixel skin picture lies mostly beyond its 146 pixels.
    whole.width = std::min(whole.width, static_cast<float>(in.window.width - in.offset.x));
    whole.height = std::min(whole.height, static_cast<float>(in.window.height - in.offset.y));
    if (whole.width <= 0 || whole.height <= 0) return;
  }
  const RectF target = in.fillType == FillType::kNatural
                           ? RectF{static_cast<float>(in.offset.x), static_cast<float>(in.offset.y), whole.width,
                                   whole.height}
                           : RectF{static_cast<float>(content.x), static_cast<float>(content.y),
                                   static_cast<float>(content.width), static_cast<float>(content.height)};
  (void)DrawWithFillType(graphics, picture, whole, target, in.fillType, in.grid.value_or(RectF{}), alpha);
}

// Clips to a region of device pixels whatever the graphics' scale.
void SetPixelClip(Gdiplus::Graphics& graphics, const DpiScale& scale, const Gdiplus::Region& region) {
  if (scale.IsIdentity()) {
    graphics.SetClip(&region, Gdiplus::CombineModeReplace);
    return;
  }
  const DeviceSpace pixels(graphics);
  graphics.SetClip(&region, Gdiplus::CombineModeReplace);
}

// The theme's shadow picture as a nine-grid over the whole window, clipped
// to the band outside the content region.
void DrawShadow(Gdiplus::Graphics& graphics, const WindowBackground& in, const Gdiplus::Region& content) {
  const auto picture = in.package->Picture(in.shadowElement, "rect");
  Gdiplus::Bitmap* sheet = picture ? in.package->Image(picture->image) : nullptr;
  if (!sheet) return;
  const auto shadow = CloneArea(*sheet, TruncateRect(picture->area));
  if (!shadow) return;
  Gdiplus::Region band(Gdiplus::Rect(0, 0, in.window.width, in.window.height));
  band.Xor(&content);
  SetPixelClip(graphics, in.scale, band);
  const Rect window = in.scale.ToUnits(Rect{0, 0, in.window.width, in.window.height});
  if (const auto grid = in.package->Picture(in.shadowElement, "gird")) {
    (void)DrawNineGrid(graphics, *shadow, TruncateRect(grid->area), window);
  } else {  // a theme without a grid: the whole picture stretched
    (void)DrawWithFillType(graphics, *shadow, {0, 0, picture->area.width, picture->area.height},
                           {0, 0, static_cast<float>(window.width), static_cast<float>(window.height)},
                           FillType::kStretch, {});
  }
  SetPixelClip(graphics, in.scale, content);
}

// Arcs of `diameter` at the corners, matching a CreateRoundRectRgn outline.
void AddRoundRect(Gdiplus::GraphicsPath& path, const Rect& r, int diameter) {
  const int d = std::min({diameter, r.width, r.height});
  path.AddArc(r.x, r.y, d, d, 180, 90);
  path.AddArc(r.right() - d, r.y, d, d, 270, 90);
  path.AddArc(r.right() - d, r.bottom() - d, d, d, 0, 90);
  path.AddArc(r.x, r.bottom() - d, d, d, 90, 90);
  path.CloseFigure();
}

// Ring i sits i pixels inside the content edge; pens on whole-pixel
// coordinates cover exactly that pixel row.
void DrawBorder(Gdiplus::Graphics& graphics, const WindowBackground& in, const Rect& content, int radius) {
  const Gdiplus::SmoothingMode oldMode = graphics.GetSmoothingMode();
  graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  for (std::size_t i = 0; i < in.borderColours.size(); ++i) {
    const int inset = static_cast<int>(i);
    const Rect ring{content.x + inset, content.y + inset, content.width - 1 - 2 * inset,
                    content.height - 1 - 2 * inset};
    if (ring.width <= 0 || ring.height <= 0) break;
    Gdiplus::Pen pen(Gdiplus::Color(ToArgb(in.borderColours[i])), 1.0f);
    if (radius > 0) {
      Gdiplus::GraphicsPath path;
      AddRoundRect(path, ring, radius);
      graphics.DrawPath(&pen, &path);
    } else {
      graphics.DrawRectangle(&pen, ring.x, ring.y, ring.width, ring.height);
    }
  }
  graphics.SetSmoothingMode(oldMode);
}

// Under a scale ring i is the band of pixels between scale.Length(i) and
// scale.Length(i + 1) inside the pixel content edge, drawn in device space
// with a pen of that width centred on the band: a one-unit pen through the
// transform would smear over a pixel and a half.
void DrawScaledBorder(Gdiplus::Graphics& graphics, const WindowBackground& in, const Rect& content, int radius) {
  const DeviceSpace pixels(graphics);
  const Gdiplus::SmoothingMode oldMode = graphics.GetSmoothingMode();
  graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  for (std::size_t i = 0; i < in.borderColours.size(); ++i) {
    const int inset = in.scale.Length(static_cast<int>(i));
    const int width = in.scale.Length(static_cast<int>(i) + 1) - inset;
    const float centre = static_cast<float>(inset) + static_cast<float>(width - 1) / 2;
    const Gdiplus::RectF ring(static_cast<float>(content.x) + centre, static_cast<float>(content.y) + centre,
                              static_cast<float>(content.width - 1) - 2 * centre,
                              static_cast<float>(content.height - 1) - 2 * centre);
    if (ring.Width <= 0 || ring.Height <= 0) break;
    Gdiplus::Pen pen(Gdiplus::Color(ToArgb(in.borderColours[i])), static_cast<float>(width));
    if (radius > 0) {
      Gdiplus::GraphicsPath path;
      AddRoundRect(path, Rect{static_cast<int>(ring.X), static_cast<int>(ring.Y), static_cast<int>(ring.Width),
                              static_cast<int>(ring.Height)},
                   radius);
      graphics.DrawPath(&pen, &path);
    } else {
      graphics.DrawRectangle(&pen, ring);
    }
  }
  graphics.SetSmoothingMode(oldMode);
}

}  // namespace

std::unique_ptr<Gdiplus::Bitmap> LoadBackgroundPicture(std::span<const std::uint8_t> bytes, FillType fillType,
                                                       Point offset) {
  auto picture = LoadBitmapFromBytes(bytes);
  if (picture) FadeBitmapEdges(*picture, {FadedEdgesFor(fillType, offset), 0.25});
  return picture;
}

void PaintWindowBackground(Gdiplus::Graphics& graphics, const WindowBackground& in) {
  const Rect pixelContent = in.shape ? in.shape->content() : Rect{0, 0, in.window.width, in.window.height};
  const Rect content = in.scale.ToUnits(pixelContent);
  const int radius = in.shape ? in.shape->radius() : -1;
  graphics.ResetClip();
  graphics.Clear(Gdiplus::Color(0));

  // Without a region (creation failed) the content rectangle stands in.
  Gdiplus::Region contentRegion(Gdiplus::Rect(pixelContent.x, pixelContent.y, pixelContent.width, pixelContent.height));
  const Gdiplus::Region& clip = in.shape && in.shape->clip() ? *in.shape->clip() : contentRegion;
  SetPixelClip(graphics, in.scale, clip);

  const std::uint8_t alpha = in.windowAlpha < 0 ? 255 : static_cast<std::uint8_t>(std::min(in.windowAlpha, 255));
  graphics.Clear(Gdiplus::Color(ToArgb(in.background, alpha)));
  if (in.picture) DrawPicture(graphics, in, content, alpha);
  if (in.windowAlpha >= 0 && in.package) DrawShadow(graphics, in, clip);
  if (in.hook) in.hook(graphics);
  if (in.borderColours.empty()) return;
  if (in.scale.IsIdentity()) {
    DrawBorder(graphics, in, content, radius);
  } else {
    DrawScaledBorder(graphics, in, pixelContent, radius);
  }
}

}  // namespace tabulo::ui
