#include "app/shell/native_window_context.h"

#include "app/shell/run_key_registry.h"
#include "base/win/run_directory.h"

namespace tabulo::app {

NativeWindowContext NativeWindowContext::ForThisProgram() {
  return {.runDirectory = RunDirectory(),
          .messages = &SystemMessagePresenter(),
          .runKey = std::make_shared<RegistryRunKeyValue>(RegistryRunKeyValue::ForThisProgram()),
          .reloadBar = {}};
}

}  // namespace tabulo::app
