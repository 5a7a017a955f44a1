// Edit: the two child scroll bars and the mouse wheel. The text engine
// sets the bars' ranges and positions through the host; a bar the user
// moves tells the engine its new position. scrollSync stops a position the
// engine set from coming back to it as the user's.
#include "ui/controls/edit.h"
#include "ui/controls/scroll_bar.h"

namespace tabulo::ui {
namespace {

constexpr int kBarStyle = kScrollTrackOnHover | kScrollFirstArrowOnHover | kScrollSecondArrowOnHover;

}  // namespace

ScrollBar* Edit::Bar(int which) const {
  ScrollBar* bar = which == SB_HORZ ? horizontalBar_.get() : verticalBar_.get();
  return bar && bar->IsCreated() ? bar : nullptr;
}

void Edit::PlaceBars(int lineHeight) {
  const DpiScale scale = Scale();
  const auto place = [&](std::unique_ptr<ScrollBar>& bar, const std::optional<EditBar>& spot, bool vertical) {
    if (!spot) return;
    if (bar && bar->IsCreated()) {
      bar->Move(spot->rect.x, spot->rect.y, spot->rect.width, spot->rect.height);
    } else {
      if (!bar) bar = std::make_unique<ScrollBar>();
      ScrollBarOptions options;
      options.settings.horizontal = !vertical;
      options.settings.maximum = 0;
      options.settings.notifyWhileDragging = true;
      options.settings.style = kBarStyle;
      options.name = vertical ? "EditVScroll" : "EditHScroll";
      if (!bar->Create(this, spot->rect, options)) return;
      (void)bar->BindScrolled(
          [this, vertical](ScrollBar&, int position, ScrollCode) { OnBarMoved(vertical, position); });
      bar->SetMayTakeFocus(false);
      bar->SetMouseTrack(true);
    }
    // The engine's scroll range and positions are its pixels: so are the
    // steps and the page.
    bar->SetLineStep(scale.Length(lineHeight));
    bar->SetPageStep(3 * scale.Length(lineHeight));
    bar->SetPageSize(vertical ? textPixels_.height : textPixels_.width, true, false);
  };
  place(verticalBar_, layout_.verticalBar, true);
  place(horizontalBar_, layout_.horizontalBar, false);
}

void Edit::OnBarMoved(bool vertical, int position) {
  if (scrollSync_) return;
  scrollSync_ = true;
  if (!SurvivesForward(vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, position), 0)) return;
  scrollSync_ = false;
}

void Edit::OnMouseWheel(WPARAM wParam, LPARAM lParam) {
  if (scrollSync_) return;
  // The host hands the wheel on with the pointer in window coordinates.
  const Rect abs = AbsoluteRect();
  const Point at{static_cast<short>(LOWORD(lParam)) - abs.x, static_cast<short>(HIWORD(lParam)) - abs.y};
  if (!layout_.textRect.contains(at)) return;
  ScrollBar* bar = VerticalBar() && VerticalBar()->Visible() ? VerticalBar() : HorizontalBar();
  if (bar) bar->HandleMessage(WM_MOUSEWHEEL, wParam, lParam);
}

}  // namespace tabulo::ui
