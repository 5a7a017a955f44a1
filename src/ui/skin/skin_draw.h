#pragma once
// Drawing skin pictures: an element's picture for a state (or by picture
// name), in one of four fill types, as a nine-grid when the element defines
// one, with an overall alpha and optionally faded edges.
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <cstdint>
#include <optional>
#include <string_view>

#include "base/geometry/rect.h"
#include "ui/skin/edge_fade.h"
#include "ui/skin/fill_type.h"

namespace tabulo::ui {

class ResourcePackage;

// Draws the element's picture for the state named by the flags (StateName).
// Without a fill type the element's "filltype" text says it (natural size
// when absent); a nine-grid picture found under nineGridKey overrides the
// fill type. Returns false, drawing nothing, when the package (or the
// picture) is not there or the theme's fill type is none of the four;
// callers then draw their plain look.
bool DrawSkinElement(const ResourcePackage* package, Gdiplus::Graphics& graphics, std::string_view element,
                     const RectF& target, std::uint32_t stateFlags, std::string_view nineGridKey = "gird",
                     std::optional<FillType> fillType = std::nullopt, std::uint8_t alpha = 255);

// The same with the picture named directly ("normal_ck", "h_left_down", "bg").
bool DrawSkinPicture(const ResourcePackage* package, Gdiplus::Graphics& graphics, std::string_view element,
                     std::string_view pictureName, const RectF& target, std::string_view nineGridKey = "gird",
                     std::optional<FillType> fillType = std::nullopt, std::uint8_t alpha = 255);

// Draws the source area of an image into the target by fill type; grid is
// the nine-grid centre for FillType::kNineGrid, relative to the source
// area. Returns false when nothing could be drawn (no image, an area or grid
// that does not lie inside its picture).
bool DrawWithFillType(Gdiplus::Graphics& graphics, Gdiplus::Bitmap& image, const RectF& source, const RectF& target,
                      FillType fillType, const RectF& grid, std::uint8_t alpha = 255, EdgeFade fade = {});

// Draws a whole image as a nine-grid (grid: the stretchable centre).
// A grid that does not lie inside the image is damage: nothing is drawn and
// the result is false.
bool DrawNineGrid(Gdiplus::Graphics& graphics, Gdiplus::Image& image, const Rect& grid, const Rect& target,
                  std::uint8_t alpha = 255);

}  // namespace tabulo::ui
