#pragma once
// The box of a CheckButton or RadioButton and where its caption goes.
//
// The box (its size from the theme's "size") sits 2 px from the left edge,
// centred vertically; an odd control height puts the spare pixel above it,
// and a pressed box rises 1 px. The caption starts 3 px after the box, and
// the focus frame surrounds the caption with a little room.
//
// Option buttons clear each other within a group: Select sends the clearing
// message to the other option buttons of the same parent, and each one
// clears itself only when the message names its own group.
#include <cstdint>
#include <string>

#include "base/geometry/rect.h"

namespace tabulo::ui {

struct CheckBoxLayout {
  RectF box;
  RectF caption;
  RectF focus;
};

// caption is the rectangle the button layout gave the caption; only its x
// changes. state is the paint state (0, 8 pressed, 128 hot).
[[nodiscard]] CheckBoxLayout LayOutCheckBox(int controlHeight, SizeF boxSize, int state, RectF caption);

// The skin state of the box: "highlight" (128), "down" (8), for an option
// button also "focus" (4), else "normal"; "_ck" appended while ticked.
[[nodiscard]] std::string CheckBoxStateName(bool radio, int state, bool ticked);

// Whether an option button clears itself on the group-clearing message.
[[nodiscard]] bool RadioClearsOnGroupMessage(bool ticked, bool fromItself, std::uintptr_t ownGroup,
                                             std::uintptr_t messageGroup);

}  // namespace tabulo::ui
