#include "ui/accessibility/spoken_language.h"

#include <windows.h>

namespace tabulo::ui {

bool SpeaksChinese() { return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_CHINESE; }

}  // namespace tabulo::ui
