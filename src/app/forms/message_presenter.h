#pragma once
// Shows the message boxes the window logic asks for (message_box_request.h).
// The windows hand every request to a presenter instead of calling
// MessageBoxW themselves, so tests can answer them without a modal loop.
#include <windows.h>

#include "app/forms/message_box_request.h"

namespace tabulo::app {

class MessagePresenter {
 public:
  virtual ~MessagePresenter() = default;
  // `asker` is the window that asks; it owns the box only when the request
  // says so, otherwise the box is task-modal.
  virtual MessageBoxAnswer Show(HWND asker, const MessageBoxRequest& request) = 0;
};

// MessageBoxW with the request's texts and flags.
[[nodiscard]] MessagePresenter& SystemMessagePresenter();

}  // namespace tabulo::app
