#include "ui/engine/control_classes.h"

#include <array>

namespace tabulo::ui {

std::span<const ControlClass> BuiltInControlClasses() {
  static constexpr std::array<ControlClass, 17> kClasses = {{
      {"SysButton", 1},     {"Label", 2},          {"ImageBox", 3},    {"Button", 4},   {"CheckButton", 5},
      {"RadioButton", 6},   {"Edit", 9},           {"Link", 8},        {"Progress", 13}, {"ComboBox", 11},
      {"GroupBox", 10},     {"ScrollBar", 16},     {"ImageButton", 7}, {"ListBox", 12}, {"Page", 19},
      {"ThunderButton", 22}, {"ImageListButton", 23},
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
