#pragma once
// The subject picker of the timetable editor: a small borderless, topmost,
// white window of twelve subject buttons and a "×" button (form 8). It only
// reports the clicks; the editor decides what they do.
#include <windows.h>

#include <functional>
#include <string_view>

#include "app/forms/app_context.h"

namespace tabulo::app {

struct SubjectPickerHandlers {
  std::function<void(std::string_view buttonCaption)> onSubject;  // one of the twelve subject buttons
  std::function<void()> onClose;                                  // "×"
};

// Opens the picker hidden; the editor places it and shows it. nullptr when
// it could not be created.
HWND OpenSubjectPicker(AppContext& context, SubjectPickerHandlers handlers);

// Shows the picker with its top-left corner at `screen` without taking the
// keyboard focus from the editor's cell.
void PlaceSubjectPicker(HWND picker, POINT screen);

}  // namespace tabulo::app
