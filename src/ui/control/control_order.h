#pragma once
// Order of controls: the child list of a parent (painted first to last, so
// the last child is on top) and a window's tab order (ascending
// tabStopIndex). Kept as plain vectors of pointers; these functions are the
// only ways the engine reorders them.
#include <algorithm>
#include <vector>

namespace tabulo::ui {

enum class ZOrder {
  kFirst = 1,         // bottom-most
  kLast = 2,          // top-most
  kDown = 3,          // before its previous sibling
  kUp = 4,            // after its next sibling
  kSecond = 5,        // right after the first child
  kSecondToLast = 6,  // right before the last child
};

// Moves item within list; false (nothing changes) when it is not in the
// list or the order is none of the above.
template <class T>
bool MoveInZOrder(std::vector<T*>& list, T* item, ZOrder order) {
  const auto it = std::find(list.begin(), list.end(), item);
  if (it == list.end() || order < ZOrder::kFirst || order > ZOrder::kSecondToLast) return false;
  const std::size_t from = static_cast<std::size_t>(it - list.begin());
  list.erase(it);
  const std::size_t rest = list.size();
  std::size_t to = from;
  switch (order) {
    case ZOrder::kFirst: to = 0; break;
    case ZOrder::kLast: to = rest; break;
    case ZOrder::kDown: to = from == 0 ? 0 : from - 1; break;
    case ZOrder::kUp: to = std::min(from + 1, rest); break;
    case ZOrder::kSecond: to = std::min<std::size_t>(1, rest); break;
    case ZOrder::kSecondToLast: to = rest == 0 ? 0 : rest - 1; break;
  }
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(to), item);
  return true;
}

// (Re)inserts item into a tab order sorted by index: after every control
// whose index is not greater, so an equal index goes after the existing one.
template <class T, class IndexOf>
void InsertInTabOrder(std::vector<T*>& order, T* item, IndexOf indexOf) {
  std::erase(order, item);
  const auto at = std::upper_bound(order.begin(), order.end(), indexOf(item),
                                   [&](const auto& index, T* other) { return index < indexOf(other); });
  order.insert(at, item);
}

}  // namespace tabulo::ui
