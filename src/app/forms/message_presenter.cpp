#include "app/forms/message_presenter.h"

#include "base/win/wide_text.h"

namespace tabulo::app {
namespace {

class SystemPresenter final : public MessagePresenter {
 public:
  MessageBoxAnswer Show(HWND asker, const MessageBoxRequest& request) override {
    const bool taskModal = request.owner == MessageBoxOwner::kTaskModal;
    // A task-modal box has no owner and disables every top-level window of
    // the thread while it is up, so no other window of the program can act
    // underneath it.
    const int pressed = MessageBoxW(taskModal ? nullptr : asker, Wide(request.text).c_str(),
                                    Wide(request.caption).c_str(), request.flags | (taskModal ? MB_TASKMODAL : 0u));
    return pressed == IDCANCEL ? MessageBoxAnswer::kCancel : MessageBoxAnswer::kOk;
  }
};

}  // namespace

MessagePresenter& SystemMessagePresenter() {
  static SystemPresenter presenter;
  return presenter;
}

}  // namespace tabulo::app
