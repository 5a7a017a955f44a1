#pragma once
// Where a button puts its picture and caption.
//
// The skin's "margin" of the "Button" element shrinks the control rectangle
// to the area the picture and caption are laid out in; its last two numbers
// are added to the width and height (a theme gives them negative). One of
// seven layout modes then places picture and caption in that area, and a
// pressed button shows both 1 px lower and to the right.
//
// State changes of a button (hover, leave, focus loss) fade over 8 frames of
// 25 ms; other repaints show at once.
#include <optional>
#include <string>
#include <string_view>

#include "base/geometry/rect.h"

namespace tabulo::ui {

inline constexpr int kButtonFadeIntervalMs = 25;
inline constexpr int kButtonFadeFrames = 8;

// Paint states of a button.
inline constexpr int kButtonNormal = 0;
inline constexpr int kButtonFocus = 4;
inline constexpr int kButtonPressed = 8;
inline constexpr int kButtonHot = 128;

struct ButtonMargin {
  float left = 0;
  float top = 0;
  float widthChange = 0;
  float heightChange = 0;
};

struct ButtonArea {
  RectF layout;       // picture and caption go here
  RectF contentRect;  // kept for the focus frame
};

// Without a margin the whole control rectangle is used.
[[nodiscard]] ButtonArea ButtonAreaFor(RectF control, const std::optional<ButtonMargin>& margin);

enum class ButtonLayoutMode {
  PictureLeftOfCaption = 0,   // centred as a row
  CaptionLeftOfPicture = 1,   // centred as a row
  PictureAboveCaption = 2,    // centred as a column
  Centred = 3,                // both centred on each other
  PictureAtLeftEdge = 4,      // caption fills the rest
  CaptionAtLeftEdge = 5,      // picture after it
  PictureAtTop = 6,           // caption below
};

struct ButtonLayoutInput {
  ButtonLayoutMode mode = ButtonLayoutMode::PictureLeftOfCaption;
  RectF area;
  SizeF picture;  // 0 x 0 without a picture
  SizeF caption;  // measured; a line's height when the caption is empty
  float offsetX = 0;
  float offsetY = 0;
  float gap = 0;
};

struct ButtonLayout {
  RectF picture;
  RectF caption;
};

// Nothing for a mode outside 0 to 6.
[[nodiscard]] std::optional<ButtonLayout> LayOutButton(const ButtonLayoutInput& in);

[[nodiscard]] ButtonLayout PressedLayout(const ButtonLayout& layout);

// A caption with "&" prefixes as GDI+ shows it: "&x" underlines x, "&&" is
// a plain "&", a final lone "&" disappears. accessKey is the byte offset in
// text of the first underlined character.
struct HotkeyCaption {
  std::string text;
  std::optional<std::size_t> accessKey;
};
[[nodiscard]] HotkeyCaption ParseHotkeyPrefix(std::string_view utf8);

}  // namespace tabulo::ui
