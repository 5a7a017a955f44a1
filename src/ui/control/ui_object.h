#pragma once
// The object base shared by controls and host windows: the handle (the
// object's address) and the table of application event handlers, one per
// message number. Binding again replaces the handler. A handler may rebind
// or unbind itself (or others) while it runs: the table keeps every handler
// alive until its call returns.
#include <cstdint>
#include <memory>
#include <unordered_map>

#include "ui/control/event_args.h"

namespace tabulo::ui {

class UiObject {
 public:
  UiObject() = default;
  UiObject(const UiObject&) = delete;
  UiObject& operator=(const UiObject&) = delete;
  virtual ~UiObject() = default;

  [[nodiscard]] UiObject* SelfHandle() { return this; }

  // Binds (or, with an empty handler, unbinds) the handler for a message.
  // Always succeeds; returns true to match the engine's status results.
  bool Bind(std::uint32_t message, EventHandler handler);
  [[nodiscard]] bool HasHandler(std::uint32_t message) const { return handlers_.contains(message); }

 protected:
  // Calls the handler bound to args.message with this object as sender;
  // false when none is bound or it did not handle the event.
  bool DeliverEvent(EventArgs args);
  void ClearHandlers() { handlers_.clear(); }

 private:
  std::unordered_map<std::uint32_t, std::shared_ptr<const EventHandler>> handlers_;
};

}  // namespace tabulo::ui
