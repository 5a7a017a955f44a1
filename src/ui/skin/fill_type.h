#pragma once
// How a picture covers its target. Themes store it as a number ("filltype"
// 0 to 3); FillTypeFromNumber reads that number, and nothing else in the
// engine speaks in numbers.
#include <optional>

namespace tabulo::ui {

enum class FillType {
  kNatural = 0,   // natural size at the target's top-left corner
  kStretch = 1,   // stretched over the target
  kCentre = 2,    // natural size centred on the target (it may reach past the target: clipping is the caller's)
  kNineGrid = 3,  // corners kept, edges and centre stretched
};

// Nothing for a number outside 0 to 3: a damaged theme draws its plain look.
[[nodiscard]] constexpr std::optional<FillType> FillTypeFromNumber(int number) {
  if (number < static_cast<int>(FillType::kNatural) || number > static_cast<int>(FillType::kNineGrid)) {
    return std::nullopt;
  }
  return static_cast<FillType>(number);
}

}  // namespace tabulo::ui
