#include "app/timetable/subject_picker_window.h"

#include <memory>
#include <utility>

#include "app/forms/form_window.h"
#include "app/forms/open_window.h"

namespace tabulo::app {
namespace {

constexpr FormId kForm = FormId::kSubjectPicker;
constexpr int kCloseId = FormControlId(kForm, "按钮13");
constexpr COLORREF kWhite = RGB(255, 255, 255);

class SubjectPickerWindow final : public FormWindow {
 public:
  static constexpr FormId kForm = app::kForm;

  SubjectPickerWindow(AppContext& context, SubjectPickerHandlers handlers)
      : FormWindow(GetForm(kForm), context), handlers_(std::move(handlers)) {
    SetBackground(kWhite);
  }

  [[nodiscard]] bool Build() { return Create(); }
  // Stays hidden: the editor places it and shows it without taking the
  // keyboard focus from its cell.
  void Show() override {}

 private:
  void OnCommand(int id, int code, HWND) override {
    if (code != BN_CLICKED) return;
    if (id == kCloseId) {
      if (handlers_.onClose) handlers_.onClose();
      return;
    }
    const auto row = static_cast<std::size_t>(id - kFirstFormControlId);
    if (row < form().controls.size() && form().controls[row].kind == ControlKind::kPushButton && handlers_.onSubject) {
      handlers_.onSubject(form().controls[row].text);
    }
  }

  SubjectPickerHandlers handlers_;
};

}  // namespace

HWND OpenSubjectPicker(AppContext& context, SubjectPickerHandlers handlers) {
  return OpenWindow<SubjectPickerWindow>(context, std::move(handlers));
}

void PlaceSubjectPicker(HWND picker, POINT screen) {
  SetWindowPos(picker, nullptr, screen.x, screen.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

}  // namespace tabulo::app
