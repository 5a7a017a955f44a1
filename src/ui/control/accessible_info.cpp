#include "ui/control/accessible_info.h"

#include "ui/engine/control_classes.h"

namespace tabulo::ui {

AccessibleRole RoleOfClass(int classNumber) {
  switch (classNumber) {
    case kLabelClassNumber:
      return AccessibleRole::kStaticText;
    case kSysButtonClassNumber:
    case kButtonClassNumber:
    case kImageButtonClassNumber:
      return AccessibleRole::kPushButton;
    case kCheckButtonClassNumber:
      return AccessibleRole::kCheckButton;
    case kRadioButtonClassNumber:
      return AccessibleRole::kRadioButton;
    case kImageBoxClassNumber:
      return AccessibleRole::kGraphic;
    case kEditClassNumber:
      return AccessibleRole::kEditableText;
    case kScrollBarClassNumber:
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
