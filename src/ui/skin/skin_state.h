#pragma once
// Skin state names. A control's state flags choose the picture of its skin
// element; when several apply, hot wins over pressed and pressed over focus,
// so a hot and pressed button shows "highlight".
#include <cstdint>
#include <string_view>

namespace tabulo::ui {

inline constexpr std::uint32_t kSkinStateFocus = 0x4;
inline constexpr std::uint32_t kSkinStateDown = 0x8;
inline constexpr std::uint32_t kSkinStateHot = 0x80;

[[nodiscard]] std::string_view StateName(std::uint32_t stateFlags);

}  // namespace tabulo::ui
