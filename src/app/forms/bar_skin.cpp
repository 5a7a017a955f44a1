#include "app/forms/bar_skin.h"

#include "app/resource_ids.h"

namespace tabulo::app {

BarSkin ChooseBarSkin(std::string_view skin) {
  if (skin == "蓝天") return {IDR_SKY_JPG, 0xFF000000};
  return {IDR_STARRY_JPG, 0xFFFFFFFF};
}

}  // namespace tabulo::app
