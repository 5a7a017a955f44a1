#pragma once
// The program's skin, as the setting `skin` chooses it: the picture behind
// the bar (a resource number of resource_ids.h) and the colour of every text
// drawn over it. The reminder's pop-up takes the bar's look, so the choice
// lives below both.
#include <string_view>

#include "base/color/color.h"

namespace tabulo::app {

struct BarSkin {
  int pictureResource = 0;
  Argb textColour = 0;
};

// "蓝天" gives the light sky with black text; every other value, "星空" and
// anything unexpected alike, the starry night with white text.
[[nodiscard]] BarSkin ChooseBarSkin(std::string_view skin);

}  // namespace tabulo::app
