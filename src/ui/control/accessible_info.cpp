#include "ui/control/accessible_info.h"

namespace tabulo::ui {
namespace {

// Class numbers of the engine's built-in control classes (control_classes.cpp).
constexpr int kSysButtonClass = 1;
constexpr int kLabelClass = 2;
constexpr int kImageBoxClass = 3;
constexpr int kButtonClass = 4;
constexpr int kCheckButtonClass = 5;
constexpr int kRadioButtonClass = 6;
constexpr int kImageButtonClass = 7;
constexpr int kEditClass = 9;
constexpr int kScrollBarClass = 16;

}  // namespace

AccessibleRole RoleOfClass(int classNumber) {
  switch (classNumber) {
    case kLabelClass:
      return AccessibleRole::kStaticText;
    case kSysButtonClass:
    case kButtonClass:
    case kImageButtonClass:
      return AccessibleRole::kPushButton;
    case kCheckButtonClass:
      return AccessibleRole::kCheckButton;
    case kRadioButtonClass:
      return AccessibleRole::kRadioButton;
    case kImageBoxClass:
      return AccessibleRole::kGraphic;
    case kEditClass:
      return AccessibleRole::kEditableText;
    case kScrollBarClass:
      return AccessibleRole::kScrollBar;
    default:
      return AccessibleRole::kGrouping;
  }
}

bool IsClickableRole(AccessibleRole role) {
  return role == AccessibleRole::kPushButton || role == AccessibleRole::kCheckButton ||
         role == AccessibleRole::kRadioButton;
}

std::string WithoutAccessKeyMarks(std::string_view caption) {
  std::string out;
  out.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 == caption.size()) break;  // a trailing marker marks nothing
      ++i;                                 // keep what follows, "&" included
    }
    out.push_back(caption[i]);
  }
  return out;
}

void NameFieldsByTheirLabels(std::span<AccessibleInfo> siblings) {
  for (std::size_t i = 0; i < siblings.size(); ++i) {
    AccessibleInfo& field = siblings[i];
    if (field.role != AccessibleRole::kEditableText || !field.name.empty()) continue;
    for (std::size_t j = i; j-- > 0;) {
      const AccessibleInfo& before = siblings[j];
      if (before.role == AccessibleRole::kGraphic) continue;
      if (before.role == AccessibleRole::kStaticText) field.name = before.name;
      break;
    }
  }
}

}  // namespace tabulo::ui
