#include "ui/control/control_messages.h"

namespace tabulo::ui {

std::uint64_t ControlMessageQueue::Park(const ControlMessage& message) {
  const std::uint64_t id = nextId_++;
  parked_.emplace(id, message);
  return id;
}

std::optional<ControlMessage> ControlMessageQueue::Take(std::uint64_t id) {
  const auto it = parked_.find(id);
  if (it == parked_.end()) return std::nullopt;
  ControlMessage message = it->second;
  parked_.erase(it);
  return message;
}

void ControlMessageQueue::DropFor(const UiControl* target) {
  std::erase_if(parked_, [&](const auto& entry) { return entry.second.target == target; });
}

}  // namespace tabulo::ui
