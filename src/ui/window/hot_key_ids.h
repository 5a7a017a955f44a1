#pragma once
// Identifiers of system-wide hot keys. Each successful registration takes
// the next number from a first one upwards: a window's own hot keys start at
// 1, the program's table of hot keys with targets at 33001. A failed
// registration (the key already taken) uses up no number.
#include <functional>

namespace tabulo::ui {

inline constexpr int kWindowHotKeyFirstId = 1;
inline constexpr int kProgramHotKeyFirstId = 33001;

class HotKeyIds {
 public:
  explicit HotKeyIds(int firstId) : first_(firstId) {}

  // Calls tryRegister with the next id; returns that id when it succeeded,
  // 0 otherwise.
  [[nodiscard]] int Register(const std::function<bool(int id)>& tryRegister);

  // Whether id was handed out here, so a WM_HOTKEY carrying it is ours.
  [[nodiscard]] bool Owns(int id) const { return id >= first_ && id < first_ + count_; }

  [[nodiscard]] int count() const { return count_; }

 private:
  int first_;
  int count_ = 0;
};

}  // namespace tabulo::ui
