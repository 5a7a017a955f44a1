#pragma once
// What a windowless control tells assistive technology about itself: its
// name, an optional value, what kind of thing it is and the states only the
// control's class knows (checked). The accessibility layer adds the states
// the engine tracks for every control (focus, hot, pressed, disabled,
// hidden) and the place on the screen.
//
// Pure: the roles are our own and are turned into the system's role numbers
// at the accessibility layer.
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tabulo::ui {

enum class AccessibleRole {
  kGrouping,      // a control of no better-known kind, or a container
  kStaticText,
  kPushButton,
  kCheckButton,
  kRadioButton,
  kGraphic,
  kEditableText,
  kScrollBar,
  kMenuPopup,     // the client area of a popup menu's window
  kMenuItem,
  kSeparator,
};

struct AccessibleInfo {
  AccessibleRole role = AccessibleRole::kGrouping;
  std::string name;                  // UTF-8
  std::optional<std::string> value;  // UTF-8; none: the control has no value
  bool checked = false;
  bool clickable = false;  // it has a default action: "click", or for a menu item "execute" or "open"
  // Menu items: the access key as a screen reader speaks it ("A"), whether
  // the item opens a sub-menu, and whether it is the menu's highlighted
  // item, which the keyboard or the mouse moved to.
  std::string shortcut;
  bool opensSubMenu = false;
  bool highlighted = false;
};

// The role of an engine control class (by class number); kGrouping for
// classes without a better-fitting role.
[[nodiscard]] AccessibleRole RoleOfClass(int classNumber);

// Push, check and radio buttons are what a click acts on.
[[nodiscard]] bool IsClickableRole(AccessibleRole role);

// A caption as it is read aloud: "&x" marks x as the access key and "&&" is
// a plain "&", so the markers go and the doubled "&" becomes one.
[[nodiscard]] std::string WithoutAccessKeyMarks(std::string_view caption);

// Edit fields carry no caption of their own: the static text just before an
// unnamed field among its siblings (pictures between them are decoration
// and skipped) names it, as a form's label names the field after it.
void NameFieldsByTheirLabels(std::span<AccessibleInfo> siblings);

}  // namespace tabulo::ui
