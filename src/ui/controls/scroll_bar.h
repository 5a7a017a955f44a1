#pragma once
// ScrollBar: the engine's windowless scroll bar (class "ScrollBar", number
// 16). Two arrow buttons, a track and a thumb drawn from the "ScrollBar"
// element of the host window's theme; an integer position moved by lines
// (arrows, wheel), pages (track) with a 200 ms auto-repeat while held, and
// by dragging the thumb. Every change is reported as event 20501 with the
// position and a ScrollCode.
//
// The behaviour lives in ScrollBarLogic; this class feeds it the control's
// messages and draws, times and raises events for it.
//
// A host that mirrors another scroller into the bar (the Edit and its text
// engine) sets range, page and position with notify = false: the bar then
// raises no event for that change, not even the code-0 correction, so the
// host never hears its own change echoed back.
//
// Without a theme picture for a part, that part is not drawn: a bar needs
// the theme to be seen.
#include <functional>
#include <optional>
#include <string>

#include "ui/control/ui_control.h"
#include "ui/controls/scroll_bar_logic.h"

namespace tabulo::ui {

inline constexpr char kScrollBarElement[] = "ScrollBar";

struct ScrollBarOptions {
  ScrollBarSettings settings;  // pageSize below 0: the bar's length
  bool visible = true;
  std::string name = "ScrollBar";
};

class ScrollBar : public UiControl {
 public:
  ScrollBar();
  ~ScrollBar() override;

  // The bar starts at its minimum. False when the base creation fails.
  [[nodiscard]] bool Create(ControlParent parent, const Rect& rect, const ScrollBarOptions& options = {});

  // --- properties -----------------------------------------------------------
  // Setters of position, minimum, maximum and page size bring the position
  // back into range (raising code 0 when it moves, unless notify is false)
  // and repaint unless redraw is false.
  [[nodiscard]] int Position() const;
  void SetPosition(int value, bool redraw = true, bool notify = true);
  [[nodiscard]] int Minimum() const;
  void SetMinimum(int value, bool redraw = true, bool notify = true);
  [[nodiscard]] int Maximum() const;
  void SetMaximum(int value, bool redraw = true, bool notify = true);
  [[nodiscard]] int PageSize() const;
  void SetPageSize(int value, bool redraw = true, bool notify = true);
  [[nodiscard]] int PageStep() const;
  void SetPageStep(int value);
  [[nodiscard]] int LineStep() const;
  void SetLineStep(int value);
  [[nodiscard]] bool NotifyWhileDragging() const;
  void SetNotifyWhileDragging(bool value);
  [[nodiscard]] int Parts() const;
  void SetParts(int value);  // lays the bar out again and repaints
  [[nodiscard]] int Style() const;
  void SetStyle(int value);  // repaints
  [[nodiscard]] bool Horizontal() const { return settings_.horizontal; }
  // R = maximum - minimum - pageSize; positions run from minimum to R.
  [[nodiscard]] int Range() const;
  // The position is the value screen readers read.
  [[nodiscard]] AccessibleInfo Accessible() const override;

  // The geometry and state of the bar (control coordinates), for hosts and tests.
  [[nodiscard]] const ScrollBarLogic* Logic() const { return logic_ ? &*logic_ : nullptr; }

  // Binds the handler of event 20501; it replaces what Bind(kScrollEvent, …)
  // bound. The generic event carries the code in wParam and the position in
  // lParam.
  using ScrolledHandler = std::function<void(ScrollBar& bar, int position, ScrollCode code)>;
  bool BindScrolled(ScrolledHandler handler);

 protected:
  LRESULT ClassHandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  class View;

  [[nodiscard]] ScrollBarSkinMetrics ReadMetrics() const;
  void DrawPieces(const std::vector<ScrollBarPiece>& pieces);
  void RaiseScrolled(int position, ScrollCode code);
  void Repaint();
  [[nodiscard]] Point CursorInBar() const;
  // Runs a change with events silenced when notify is false.
  void Change(bool notify, const std::function<void(ScrollBarLogic&)>& change);

  ScrollBarSettings settings_;  // as created; the logic holds the live values
  std::unique_ptr<View> view_;
  std::optional<ScrollBarLogic> logic_;
  bool quiet_ = false;
};

}  // namespace tabulo::ui
