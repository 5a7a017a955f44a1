// Every picture is cut out of its sheet before drawing: stretched pieces
// then sample only their own picture (mirrored at its border) and never
// bleed in the neighbouring art of the sheet.
#include "ui/skin/skin_draw.h"

#include "base/text/text_to_int.h"
#include "ui/skin/nine_grid.h"
#include "ui/skin/resource_package.h"
#include "ui/skin/skin_image.h"
#include "ui/skin/skin_state.h"

namespace tabulo::ui {
namespace {

std::optional<FillType> ThemeFillType(const ResourcePackage& package, std::string_view element) {
  const auto text = package.Text(element, "filltype");
  return text ? FillTypeFromNumber(TextToInt(*text)) : FillType::kNatural;
}

Size SizeOf(Gdiplus::Image& image) {
  return {static_cast<int>(image.GetWidth()), static_cast<int>(image.GetHeight())};
}

}  // namespace

bool DrawSkinElement(const ResourcePackage* package, Gdiplus::Graphics& graphics, std::string_view element,
                     const RectF& target, std::uint32_t stateFlags, std::string_view nineGridKey,
                     std::optional<FillType> fillType, std::uint8_t alpha) {
  return DrawSkinPicture(package, graphics, element, StateName(stateFlags), target, nineGridKey, fillType, alpha);
}

bool DrawSkinPicture(const ResourcePackage* package, Gdiplus::Graphics& graphics, std::string_view element,
                     std::string_view pictureName, const RectF& target, std::string_view nineGridKey,
                     std::optional<FillType> fillType, std::uint8_t alpha) {
  if (!package) return false;
  const auto picture = package->Picture(element, pictureName);
  if (!picture) return false;
  // A picture pointing at an image the package does not have is as good as
  // no picture: the caller's plain look is better than nothing at all.
  Gdiplus::Bitmap* image = package->Image(picture->image);
  if (!image) return false;
  if (const auto grid = package->Picture(element, nineGridKey)) {
    return DrawWithFillType(graphics, *image, picture->area, target, FillType::kNineGrid, grid->area, alpha);
  }
  if (!fillType) fillType = ThemeFillType(*package, element);
  if (!fillType) return false;
  return DrawWithFillType(graphics, *image, picture->area, target, *fillType, {}, alpha);
}

bool DrawWithFillType(Gdiplus::Graphics& graphics, Gdiplus::Bitmap& image, const RectF& source, const RectF& target,
                      FillType fillType, const RectF& grid, std::uint8_t alpha, EdgeFade fade) {
  const auto clone = CloneArea(image, TruncateRect(source));
  if (!clone) return false;
  if (fillType == FillType::kNineGrid && !LiesInside(TruncateRect(grid), SizeOf(*clone))) return false;
  FadeBitmapEdges(*clone, fade);
  const Size size = SizeOf(*clone);
  const Rect whole{0, 0, size.width, size.height};
  const Rect to = TruncateRect(target);
  const auto attributes = MakeDrawAttributes(alpha);
  switch (fillType) {
    case FillType::kNatural:
      DrawImagePart(graphics, *clone, {to.x, to.y, size.width, size.height}, whole, attributes.get());
      break;
    case FillType::kStretch:
      DrawImagePart(graphics, *clone, to, whole, attributes.get());
      break;
    case FillType::kCentre:
      DrawImagePart(graphics, *clone,
                    {static_cast<int>(target.x + (target.width - size.width) / 2),
                     static_cast<int>(target.y + (target.height - size.height) / 2), size.width, size.height},
                    whole, attributes.get());
      break;
    case FillType::kNineGrid:
      (void)DrawNineGrid(graphics, *clone, TruncateRect(grid), to, alpha);
      break;
  }
  return true;
}

bool DrawNineGrid(Gdiplus::Graphics& graphics, Gdiplus::Image& image, const Rect& grid, const Rect& target,
                  std::uint8_t alpha) {
  // A grid reaching outside the picture would stretch pieces far beyond
  // the target (and the scratch bitmaps with them).
  if (!LiesInside(grid, SizeOf(image))) return false;
  const auto attributes = MakeDrawAttributes(alpha);
  for (const NineGridPiece& piece : NineGridPieces(SizeOf(image), grid, target)) {
    if (piece.drawable()) DrawImagePart(graphics, image, piece.target, piece.source, attributes.get());
  }
  return true;
}

}  // namespace tabulo::ui
