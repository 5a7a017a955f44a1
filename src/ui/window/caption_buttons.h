#pragma once
// The parts of a window's caption band the engine builds when it binds the
// window: the icon, the title and the caption buttons, as a set.
//
//   options.captionButtons = CaptionButton::kTitle | CaptionButton::kClose;
#include <cstdint>
#include <optional>

namespace tabulo::ui {

enum class CaptionButton : std::uint32_t {
  kIcon = 1,
  kTitle = 2,
  kClose = 4,
  kMax = 8,
  kMin = 16,
  kMenu = 32,
  kSkin = 64,
  kReport = 128,
  kSetting = 256,
};

class CaptionButtons {
 public:
  constexpr CaptionButtons() = default;
  // Implicit on purpose: one part is a set of one.
  constexpr CaptionButtons(CaptionButton part) : bits_(static_cast<std::uint32_t>(part)) {}  // NOLINT

  [[nodiscard]] constexpr bool Has(CaptionButton part) const {
    return (bits_ & static_cast<std::uint32_t>(part)) != 0;
  }
  [[nodiscard]] constexpr bool Empty() const { return bits_ == 0; }

  constexpr CaptionButtons& operator|=(CaptionButtons other) {
    bits_ |= other.bits_;
    return *this;
  }
  [[nodiscard]] friend constexpr CaptionButtons operator|(CaptionButtons a, CaptionButtons b) { return a |= b; }
  friend constexpr bool operator==(CaptionButtons, CaptionButtons) = default;

 private:
  std::uint32_t bits_ = 0;
};

[[nodiscard]] constexpr CaptionButtons operator|(CaptionButton a, CaptionButton b) {
  return CaptionButtons(a) | CaptionButtons(b);
}

inline constexpr CaptionButtons kNoCaptionButtons{};
// For BindOptions::captionButtons: the icon, the title and the close button,
// with maximise and minimise as the window's styles have them.
inline constexpr std::nullopt_t kCaptionFromStyles = std::nullopt;

}  // namespace tabulo::ui
