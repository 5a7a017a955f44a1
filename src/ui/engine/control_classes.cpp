#include "ui/engine/control_classes.h"

#include <array>

namespace tabulo::ui {

std::span<const ControlClass> BuiltInControlClasses() {
  static constexpr std::array<ControlClass, 17> kClasses = {{
      {"SysButton", kSysButtonClassNumber},
      {"Label", kLabelClassNumber},
      {"ImageBox", kImageBoxClassNumber},
      {"Button", kButtonClassNumber},
      {"CheckButton", kCheckButtonClassNumber},
      {"RadioButton", kRadioButtonClassNumber},
      {"Edit", kEditClassNumber},
      {"Link", kLinkClassNumber},
      {"Progress", kProgressClassNumber},
      {"ComboBox", kComboBoxClassNumber},
      {"GroupBox", kGroupBoxClassNumber},
      {"ScrollBar", kScrollBarClassNumber},
      {"ImageButton", kImageButtonClassNumber},
      {"ListBox", kListBoxClassNumber},
      {"Page", kPageClassNumber},
      {"ThunderButton", kThunderButtonClassNumber},
      {"ImageListButton", kImageListButtonClassNumber},
  }};
  return kClasses;
}

std::string UpperCased(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

void ControlClassRegistry::Register(std::string_view name, int number) { numbers_[UpperCased(name)] = number; }

int ControlClassRegistry::Number(std::string_view name) const {
  const auto it = numbers_.find(UpperCased(name));
  return it == numbers_.end() ? 0 : it->second;
}

}  // namespace tabulo::ui
