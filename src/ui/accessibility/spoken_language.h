#pragma once
// The language of what the engine says to screen readers by itself (default
// action, caption button names): Chinese on a Chinese desktop, else
// English. The controls' own captions are spoken as they are.
namespace tabulo::ui {

[[nodiscard]] bool SpeaksChinese();

}  // namespace tabulo::ui
