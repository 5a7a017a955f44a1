#include "ui/controls/edit_text_engine.h"

namespace tabulo::ui {

std::shared_ptr<EditTextEngine> EditTextEngine::Create(Edit& edit) {
  auto engine = std::make_shared<EditTextEngine>(edit);
  if (!engine->services_) return nullptr;
  return engine;
}

EditTextEngine::EditTextEngine(Edit& edit) : host_(edit), services_(CreateTextServicesFor(host_)) {}

EditTextEngine::~EditTextEngine() {
  if (services_) (void)services_->OnTxInPlaceDeactivate();
}

}  // namespace tabulo::ui
