#pragma once
// What a window reads from its theme: the shadow element's margins, corner
// radius, border colours and caption height, and where the caption buttons
// go. Also the geometry that follows from the margins: the content
// rectangle inside the shadow band and the maximised placement that pushes
// the band off screen.
#include <string_view>
#include <vector>

#include "base/color/color.h"
#include "base/geometry/rect.h"

namespace tabulo::ui {

class ThemeTable;

inline constexpr std::string_view kHostWindowShadow = "SysShadow.HostWnd";
inline constexpr std::string_view kSubWindowShadow = "SysShadow.SubWnd";
inline constexpr std::string_view kMenuShadow = "SysShadow.Menu";

struct Margins {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const Margins&, const Margins&) = default;
};

struct WindowSkinValues {
  Margins margins;                    // "margin": shadow band widths
  int cornerRadius = -1;              // "rectround"; -1 when the theme gives none
  std::vector<Rgb> borderColours;     // "crborder", outermost first; empty = no border
  int captionHeight = 0;              // "cycaption"
  int captionButtonsOffsetRight = 0;  // "SysButton" "offsetright"
  int captionButtonsTop = 0;          // "SysButton" "top"
};

// A window with a parent window takes the sub-window shadow.
[[nodiscard]] std::string_view ShadowElement(bool hasParentWindow);

// No table (no package) gives the empty values: no shadow, no border. A
// margin with a side below 0 or above 256 pixels is damage and is ignored
// (no shadow band).
[[nodiscard]] WindowSkinValues ReadWindowSkin(const ThemeTable* table, bool hasParentWindow);
// The same from a named shadow element (popup menus read "SysShadow.Menu").
[[nodiscard]] WindowSkinValues ReadWindowSkinFrom(const ThemeTable* table, std::string_view shadowElement);

// The content rectangle inside the shadow band (x, y, width, height).
// Both functions clamp to the int range rather than overflow.
[[nodiscard]] Rect ContentRect(Size window, const Margins& margins);

// Window rectangle of a maximised window: one pixel and the margins beyond
// the work area on every side, so only the content is on screen.
[[nodiscard]] Rect MaximisedWindowRect(const Rect& workArea, const Margins& margins);

// Where the 16-pixel caption icon sits inside a caption band.
[[nodiscard]] int CaptionIconOffset(int captionHeight);

}  // namespace tabulo::ui
