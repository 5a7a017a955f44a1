#pragma once
// Messages on their way to a control through its host window. A message
// posted (or sent) to a control is parked here under a fresh id and only
// the id travels through the Windows message queue; the host looks the id
// up when the message arrives. So a message whose control was destroyed in
// the meantime is dropped instead of reaching a dead object, a forged or
// stale id finds nothing, and parked messages that are never delivered die
// with the host window instead of leaking.
#include <cstdint>
#include <map>
#include <optional>

namespace tabulo::ui {

class UiControl;

struct ControlMessage {
  UiControl* target = nullptr;
  std::uint32_t message = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
};

class ControlMessageQueue {
 public:
  // Parks a message; the id is never 0 and never reused.
  [[nodiscard]] std::uint64_t Park(const ControlMessage& message);
  // Takes the message out; nothing for an unknown (or already taken) id.
  [[nodiscard]] std::optional<ControlMessage> Take(std::uint64_t id);
  // Drops every parked message for a control that is going away.
  void DropFor(const UiControl* target);
  void Clear() { parked_.clear(); }
  [[nodiscard]] std::size_t size() const { return parked_.size(); }

 private:
  std::uint64_t nextId_ = 1;
  std::map<std::uint64_t, ControlMessage> parked_;
};

}  // namespace tabulo::ui
