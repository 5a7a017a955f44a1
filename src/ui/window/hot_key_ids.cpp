#include "ui/window/hot_key_ids.h"

namespace tabulo::ui {

int HotKeyIds::Register(const std::function<bool(int id)>& tryRegister) {
  const int id = first_ + count_;
  if (!tryRegister(id)) return 0;
  ++count_;
  return id;
}

}  // namespace tabulo::ui
