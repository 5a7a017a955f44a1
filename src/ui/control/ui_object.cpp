#include "ui/control/ui_object.h"

namespace tabulo::ui {

bool UiObject::Bind(std::uint32_t message, EventHandler handler) {
  if (!handler) {
    handlers_.erase(message);
  } else {
    handlers_[message] = std::make_shared<const EventHandler>(std::move(handler));
  }
  return true;
}

bool UiObject::DeliverEvent(EventArgs args) {
  const auto it = handlers_.find(args.message);
  if (it == handlers_.end()) return false;
  const std::shared_ptr<const EventHandler> handler = it->second;  // survives rebinding during the call
  args.sender = this;
  return (*handler)(args);
}

}  // namespace tabulo::ui
