#include "base/win/live_handles.h"

#include <array>
#include <atomic>

namespace tabulo {
namespace {

std::array<std::atomic<int>, static_cast<std::size_t>(HandleKind::kCount)>& Counters() {
  static std::array<std::atomic<int>, static_cast<std::size_t>(HandleKind::kCount)> counters{};
  return counters;
}

}  // namespace

void CountHandle(HandleKind kind, int delta) { Counters()[static_cast<std::size_t>(kind)] += delta; }

int LiveHandles(HandleKind kind) { return Counters()[static_cast<std::size_t>(kind)].load(); }

int LiveHandlesTotal() {
  int total = 0;
  for (const auto& c : Counters()) total += c.load();
  return total;
}

}  // namespace tabulo
