#pragma once
// The engine's control classes: their numbers, and the table that knows
// them by name (upper-cased class name to class number). The engine
// registers its classes at start-up; a later registration of the same name
// replaces the number. The numbers 0 to 99 are the engine's own.
#include <map>
#include <span>
#include <string>
#include <string_view>

namespace tabulo::ui {

inline constexpr int kSysButtonClassNumber = 1;  // a caption button
inline constexpr int kLabelClassNumber = 2;
inline constexpr int kImageBoxClassNumber = 3;
inline constexpr int kButtonClassNumber = 4;
inline constexpr int kCheckButtonClassNumber = 5;
inline constexpr int kRadioButtonClassNumber = 6;
inline constexpr int kImageButtonClassNumber = 7;
inline constexpr int kLinkClassNumber = 8;
inline constexpr int kEditClassNumber = 9;
inline constexpr int kGroupBoxClassNumber = 10;
inline constexpr int kComboBoxClassNumber = 11;
inline constexpr int kListBoxClassNumber = 12;
inline constexpr int kProgressClassNumber = 13;
inline constexpr int kScrollBarClassNumber = 16;
inline constexpr int kPageClassNumber = 19;
inline constexpr int kThunderButtonClassNumber = 22;
inline constexpr int kImageListButtonClassNumber = 23;

struct ControlClass {
  std::string_view name;
  int number;
};

// The engine's classes in registration order.
[[nodiscard]] std::span<const ControlClass> BuiltInControlClasses();

// ASCII upper case; class and control names are stored this way.
[[nodiscard]] std::string UpperCased(std::string_view text);

class ControlClassRegistry {
 public:
  void Register(std::string_view name, int number);
  // 0 when the name is not registered; the case of the name does not matter.
  [[nodiscard]] int Number(std::string_view name) const;
  [[nodiscard]] std::size_t size() const { return numbers_.size(); }

 private:
  std::map<std::string, int, std::less<>> numbers_;
};

}  // namespace tabulo::ui
