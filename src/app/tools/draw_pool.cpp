#include "app/tools/draw_pool.h"

#include <algorithm>

namespace tabulo::app {

std::int64_t DrawPool::At(std::int64_t position) const {
  // Each removed number at or below the candidate pushes it one further.
  std::int64_t value = first_ + position - 1;
  for (std::int64_t r : removed_) {
    if (r > value) break;
    ++value;
  }
  return value;
}

void DrawPool::Remove(std::int64_t value) {
  if (value < first_ || value >= first_ + count_) return;
  const auto it = std::lower_bound(removed_.begin(), removed_.end(), value);
  if (it == removed_.end() || *it != value) removed_.insert(it, value);
}

}  // namespace tabulo::app
