#include "ui/skin/skin_state.h"

namespace tabulo::ui {

std::string_view StateName(std::uint32_t stateFlags) {
  if (stateFlags & kSkinStateHot) return "highlight";
  if (stateFlags & kSkinStateDown) return "down";
  if (stateFlags & kSkinStateFocus) return "focus";
  return "normal";
}

}  // namespace tabulo::ui
