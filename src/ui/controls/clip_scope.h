#pragma once
// Narrows a graphics' clip to a rectangle for one drawing step and puts the
// previous clip back afterwards. Controls paint inside the clip that
// UiControl::BeginPaint set to the area being repainted, so a step that
// clips further must not simply reset the clip when it is done.
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include "base/geometry/rect.h"

namespace tabulo::ui {

class ClipScope {
 public:
  ClipScope(Gdiplus::Graphics& graphics, const RectF& rect) : graphics_(graphics) {
    graphics_.GetClip(&previous_);
    graphics_.SetClip(Gdiplus::RectF(rect.x, rect.y, rect.width, rect.height), Gdiplus::CombineModeIntersect);
  }
  ClipScope(const ClipScope&) = delete;
  ClipScope& operator=(const ClipScope&) = delete;
  ~ClipScope() { graphics_.SetClip(&previous_, Gdiplus::CombineModeReplace); }

 private:
  Gdiplus::Graphics& graphics_;
  Gdiplus::Region previous_;
};

}  // namespace tabulo::ui
