#include "ui/control/anchors.h"

namespace tabulo::ui {
namespace {

void Update(Anchors& anchors, std::optional<bool> asked, std::uint32_t bit, int& distance, int value) {
  if (!asked) return;
  if (*asked) {
    anchors.bits |= bit;
    distance = value;
  } else {
    anchors.bits &= ~bit;
  }
}

// One axis: start and length of the control given its anchors.
void Fit(bool nearAnchored, bool farAnchored, int nearDistance, int farDistance, int parentLength, int& start,
         int& length) {
  if (nearAnchored && farAnchored) {
    start = nearDistance;
    length = parentLength - farDistance - nearDistance;
    if (length < 0) length = 0;
  } else if (farAnchored) {
    start = parentLength - farDistance - length;
  } else if (nearAnchored) {
    start = nearDistance;
  }
}

}  // namespace

Anchors SetAnchors(Anchors anchors, const AnchorRequest& request, const Rect& rect, Size parent) {
  Update(anchors, request.left, kAnchorLeft, anchors.left, rect.x);
  Update(anchors, request.top, kAnchorTop, anchors.top, rect.y);
  Update(anchors, request.right, kAnchorRight, anchors.right, parent.width - rect.right());
  Update(anchors, request.bottom, kAnchorBottom, anchors.bottom, parent.height - rect.bottom());
  return anchors;
}

Rect ApplyAnchors(const Anchors& anchors, const Rect& rect, Size parent) {
  Rect out = rect;
  Fit(anchors.bits & kAnchorLeft, anchors.bits & kAnchorRight, anchors.left, anchors.right, parent.width, out.x,
      out.width);
  Fit(anchors.bits & kAnchorTop, anchors.bits & kAnchorBottom, anchors.top, anchors.bottom, parent.height, out.y,
      out.height);
  return out;
}

}  // namespace tabulo::ui
