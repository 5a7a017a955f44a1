#pragma once
// EditTextEngine: the text engine of one Edit together with the host it
// talks to. The engine keeps a plain pointer to its host, so the two are
// made and released together, the engine first.
//
// The Edit holds it through a shared pointer, and every call into the
// engine holds one more reference for the length of the call: a handler run
// from inside the engine (a text or selection notification, a repaint) may
// destroy or delete the Edit, and the engine must not be released while it
// is still running. The Edit detaches the host when it goes; the engine's
// last requests then reach a host that answers for no control, and the
// engine is released when the outermost call returns.
#include <memory>

#include "base/win/com_ptr.h"
#include "ui/controls/edit_text_host.h"

namespace tabulo::ui {

class Edit;

class EditTextEngine {
 public:
  // Null when the platform cannot make a text engine.
  [[nodiscard]] static std::shared_ptr<EditTextEngine> Create(Edit& edit);

  explicit EditTextEngine(Edit& edit);  // use Create, which checks the engine exists
  EditTextEngine(const EditTextEngine&) = delete;
  EditTextEngine& operator=(const EditTextEngine&) = delete;
  ~EditTextEngine();

  [[nodiscard]] ITextServices& Services() const { return *services_.get(); }
  [[nodiscard]] EditTextHost& Host() { return host_; }

 private:
  EditTextHost host_;  // declared first: it outlives the engine
  ComPtr<ITextServices> services_;
};

}  // namespace tabulo::ui
