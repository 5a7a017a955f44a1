#include "app/shell/program_context.h"

#include <memory>

#include "app/forms/message_presenter.h"
#include "app/shell/run_key_registry.h"
#include "app/tools/chime.h"
#include "app/tools/input_box.h"
#include "app/tools/random_draw.h"
#include "app/tools/writer_dialogs.h"
#include "base/random/random.h"
#include "base/win/run_directory.h"

namespace tabulo::app {

AppContext ProgramContext() {
  return {.runDirectory = RunDirectory(),
          .messages = &SystemMessagePresenter(),
          .windows = {},
          .reloadBar = {},
          .runKey = std::make_shared<RegistryRunKeyValue>(RegistryRunKeyValue::ForThisProgram()),
          .random = &ProgramRandom(),
          .askText =
              [](HWND owner, const TextPromptRequest& request) {
                return AskForText(owner, {request.title, request.prompt, request.initialText, true});
              },
          .dialogs = &SystemWriterDialogs(),
          .playChime = [] { PlayChime(); }};
}

}  // namespace tabulo::app
