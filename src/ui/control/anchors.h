#pragma once
// Anchoring a control to its parent's edges. Setting an anchor records the
// control's distance to that edge; when the parent is resized the anchored
// distances are kept: anchored left and right stretch the control, right
// alone moves it, and likewise vertically.
#include <cstdint>
#include <optional>

#include "base/geometry/rect.h"

namespace tabulo::ui {

enum AnchorBits : std::uint32_t {
  kAnchorLeft = 1,
  kAnchorTop = 2,
  kAnchorRight = 4,
  kAnchorBottom = 8,
};

struct Anchors {
  std::uint32_t bits = 0;
  int left = 0;    // distance to the parent's left edge
  int top = 0;
  int right = 0;   // parent width - control right
  int bottom = 0;  // parent height - control bottom
};

struct AnchorRequest {
  std::optional<bool> left, top, right, bottom;  // a missing side keeps its state
};

// Records the distances of the sides asked for; parent is the size of the
// parent's client area.
[[nodiscard]] Anchors SetAnchors(Anchors anchors, const AnchorRequest& request, const Rect& rect, Size parent);

// The control's rectangle after the parent took its new size.
[[nodiscard]] Rect ApplyAnchors(const Anchors& anchors, const Rect& rect, Size parent);

}  // namespace tabulo::ui
