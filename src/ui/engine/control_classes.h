#pragma once
// The table of control classes the engine knows by name: upper-cased class
// name to class number. The engine registers its classes at start-up; a
// later registration of the same name replaces the number.
#include <map>
#include <span>
#include <string>
#include <string_view>

namespace tabulo::ui {

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
