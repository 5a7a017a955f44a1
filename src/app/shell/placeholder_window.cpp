#include "app/shell/placeholder_window.h"

#include "app/shell/form_catalogue.h"
#include "app/shell/form_window.h"

namespace tabulo::app {
namespace {

class PlaceholderWindow final : public FormWindow {
 public:
  explicit PlaceholderWindow(FormId form) : FormWindow(GetForm(form)) {}
  bool Build() { return Create(); }
};

}  // namespace

HWND OpenPlaceholderWindow(FormId form) { return OpenFormWindow<PlaceholderWindow>(form, form); }

}  // namespace tabulo::app
