#pragma once
// Where a control's text sits in its box: across (the label's and the
// edit's alignment) and, for a single-line label, down.
namespace tabulo::ui {

// Near and far are left and right in left-to-right text.
enum class TextAlignment {
  kNear = 0,
  kCentre = 1,
  kFar = 2,
};

enum class VerticalAlignment {
  kTop = 0,
  kCentre = 1,
  kBottom = 2,
};

}  // namespace tabulo::ui
