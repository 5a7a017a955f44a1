#pragma once
// The numbers still available in a draw without repetition: the range
// first .. first + count - 1 in ascending order, minus the numbers taken out.
// Held as the range and a sorted list of removed numbers rather than as every
// number, so a range as wide as 32 bits (a hand-edited `set` file) costs no
// more memory than a class of forty.
#include <cstdint>
#include <vector>

namespace tabulo::app {

class DrawPool {
 public:
  DrawPool() = default;
  DrawPool(std::int64_t first, std::int64_t count) : first_(first), count_(count < 0 ? 0 : count) {}

  [[nodiscard]] std::int64_t size() const { return count_ - static_cast<std::int64_t>(removed_.size()); }
  [[nodiscard]] bool empty() const { return size() == 0; }
  // The number at 1-based `position`; the caller keeps 1 <= position <= size().
  [[nodiscard]] std::int64_t At(std::int64_t position) const;
  // Removes `value` if the pool holds it.
  void Remove(std::int64_t value);

 private:
  std::int64_t first_ = 0;
  std::int64_t count_ = 0;
  std::vector<std::int64_t> removed_;  // ascending, each inside the range
};

}  // namespace tabulo::app
