#include "ui/controls/check_box_layout.h"

#include "ui/controls/button_layout.h"

namespace tabulo::ui {

CheckBoxLayout LayOutCheckBox(int controlHeight, SizeF boxSize, int state, RectF caption) {
  RectF box{2, static_cast<float>(static_cast<int>((controlHeight - boxSize.height) / 2)), boxSize.width,
            boxSize.height};
  if (controlHeight % 2 != 0) box.y += 1;
  if (state == kButtonPressed) box.y -= 1;
  caption.x = box.x + boxSize.width + 3;
  const RectF focus{caption.x - 2, caption.y - 2, caption.width + 5, caption.height + 5};
  return {box, caption, focus};
}

std::string CheckBoxStateName(bool radio, int state, bool ticked) {
  std::string name = "normal";
  if (state == kButtonHot) name = "highlight";
  if (state == kButtonPressed) name = "down";
  if (state == kButtonFocus && radio) name = "focus";
  if (ticked) name += "_ck";
  return name;
}

bool RadioClearsOnGroupMessage(bool ticked, bool fromItself, std::uintptr_t ownGroup, std::uintptr_t messageGroup) {
  return ticked && !fromItself && ownGroup == messageGroup;
}

}  // namespace tabulo::ui
