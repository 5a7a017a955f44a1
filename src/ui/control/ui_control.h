#pragma once
// UiControl: the base of every windowless control. A control lives in a
// host window, which it sees only as a ControlHost (control_host.h), and in
// its control tree, draws into its own canvas
// and receives its messages from the host. The class behaviour of a derived
// control goes into two hooks: PreHandleMessage (runs first; a non-zero
// result ends handling) and ClassHandleMessage (runs after the application's
// handler did not handle the event). ContentRect tells where the keyboard
// focus rectangle goes.
//
// Ownership: whoever constructs a control owns the object; the engine only
// links it into its host's tree. Destroying a control (Destroy, its
// parent's or its host window's destruction, or the object's destructor)
// unlinks it and drops every reference the host holds to it, so the object
// can then be freed or created again.
//
// Coordinates: left/top are relative to the parent control (or the host's
// client area); the canvas and every message's x/y are in the control's own
// coordinates.
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/geometry/rect.h"
#include "ui/control/accessible_info.h"
#include "ui/canvas/canvas.h"
#include "ui/control/anchors.h"
#include "ui/control/control_order.h"
#include "ui/control/ui_object.h"
#include "ui/control/engine_messages.h"
#include "base/win/unique_handle.h"
#include "ui/engine/control_classes.h"

namespace tabulo::ui {

class ControlHost;
class UiControl;

// Where a control is created: directly on a bound host window, or inside
// another control.
struct ControlParent {
  ControlParent(HWND window) : window(window) {}  // NOLINT: implicit on purpose
  ControlParent(UiControl* control) : control(control) {}
  ControlParent(ControlHost& host);
  HWND window = nullptr;
  UiControl* control = nullptr;
};

struct ControlOptions {
  int classNumber = 0;       // the engine's classes: control_classes.h
  std::string name;          // stored upper-cased
  bool visible = true;
  bool mayTakeFocus = true;
  bool mouseTrack = true;
  bool tabStop = true;
  int tabStopIndex = 0;
  bool drawTabStop = true;
  HCURSOR cursor = nullptr;      // null: the engine's default cursor
  HCURSOR downCursor = nullptr;  // null: the cursor, else the engine's hot cursor
  // The cross-fade between a control's pictures when its state changes:
  // none while the interval or the frame count is 0.
  int transitionIntervalMs = 0;  // between frames
  int transitionFrameCount = 0;
  int transitionCurve = 1;       // easing curve (easing.h)
};

// The engine's cross-fade between a control's previous and new picture;
// delivered with kMsgTransitionFrame so a class may draw the frame itself.
struct TransitionFrame {
  Canvas* window = nullptr;    // the window canvas being composed
  Canvas* previous = nullptr;  // the control's picture before the change
  Canvas* scratch = nullptr;   // a surface of the control's size
  Rect rect;                   // the control in window pixels
  double factor = 0;           // 0 .. 1
  int alpha = 255;             // the control's alpha
};

class UiControl : public UiObject {
 public:
  UiControl();
  ~UiControl() override;

  // --- life ---------------------------------------------------------------
  // Links the control into its host's tree and paints it once. Fails (false)
  // when the control already exists, when the window is not bound, or when
  // the parent control is not alive or its host window is gone.
  [[nodiscard]] bool Create(ControlParent parent, const Rect& rect, const ControlOptions& options);
  [[nodiscard]] bool IsCreated() const { return created_; }
  // Sends WM_DESTROY through the host; children go first.
  void Destroy();
  [[nodiscard]] bool Alive() const { return alive_; }
  void SetAlive(bool alive) { alive_ = alive; }

  // --- messages -----------------------------------------------------------
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Through the host window's queue (kMsgDeliverToControl); 0 / false when
  // the control has no live host.
  LRESULT SendToControl(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  bool PostToControl(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

  // --- tree ---------------------------------------------------------------
  [[nodiscard]] ControlHost* Host() const { return host_; }
  [[nodiscard]] HWND HostWindowHandle() const;
  [[nodiscard]] UiControl* Parent() const { return parent_; }
  [[nodiscard]] const std::vector<UiControl*>& Children() const { return children_; }
  // Moves the control under another parent control (null: the host window).
  bool SetParent(UiControl* parent);
  // Moves the control among its siblings (control_order.h).
  void SetZOrder(ZOrder order = ZOrder::kFirst);

  // --- focus and tab order ------------------------------------------------
  void SetFocus();
  void KillFocus();
  [[nodiscard]] bool HasFocus() const { return (stateFlags_ & kStateFocused) != 0; }
  [[nodiscard]] bool MayTakeFocus() const { return (stateFlags_ & kStateMayTakeFocus) != 0; }
  void SetMayTakeFocus(bool may);
  [[nodiscard]] bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
  [[nodiscard]] int TabStopIndex() const { return tabStopIndex_; }
  void SetTabStopIndex(int index);
  [[nodiscard]] bool DrawTabStop() const { return drawTabStop_; }
  void SetDrawTabStop(bool draw) { drawTabStop_ = draw; }

  // --- painting -----------------------------------------------------------
  void Invalidate();
  void InvalidateRect(const RectF& rect);
  void Update();  // redraw now (kMsgRedrawNow)

  // --- state --------------------------------------------------------------
  [[nodiscard]] std::uint32_t StateFlags() const { return stateFlags_; }
  [[nodiscard]] bool Visible() const { return (stateFlags_ & kStateHidden) == 0; }
  void SetVisible(bool visible);
  [[nodiscard]] bool Disabled() const { return (stateFlags_ & kStateDisabled) != 0; }
  void SetDisabled(bool disabled);
  [[nodiscard]] int ClassNumber() const { return classNumber_; }
  [[nodiscard]] const std::string& Name() const { return name_; }
  void SetName(std::string_view name);
  [[nodiscard]] bool MouseTrack() const { return mouseTrack_; }
  void SetMouseTrack(bool track) { mouseTrack_ = track; }
  // A control with alphaHitTest lets clicks on its transparent pixels
  // through to what lies below.
  [[nodiscard]] bool AlphaHitTest() const { return alphaHitTest_; }
  void SetAlphaHitTest(bool on) { alphaHitTest_ = on; }

  // --- geometry -----------------------------------------------------------
  void Move(std::optional<int> left, std::optional<int> top, std::optional<int> width, std::optional<int> height);
  [[nodiscard]] int Left() const { return rect_.x; }
  [[nodiscard]] int Top() const { return rect_.y; }
  [[nodiscard]] int Width() const { return rect_.width; }
  [[nodiscard]] int Height() const { return rect_.height; }
  void SetLeft(int v) { Move(v, {}, {}, {}); }
  void SetTop(int v) { Move({}, v, {}, {}); }
  void SetWidth(int v) { Move({}, {}, v, {}); }
  void SetHeight(int v) { Move({}, {}, {}, v); }
  [[nodiscard]] RectF Rectangle() const;
  void SetRectangle(const RectF& rect);
  // Relative to the parent; the local rectangle (0, 0, width, height); and
  // in host-window client coordinates.
  [[nodiscard]] const Rect& Bounds() const { return rect_; }
  [[nodiscard]] Rect LocalRect() const { return {0, 0, rect_.width, rect_.height}; }
  [[nodiscard]] Rect AbsoluteRect() const;
  void SetAnchors(const AnchorRequest& request);
  [[nodiscard]] const Anchors& GetAnchors() const { return anchors_; }

  // --- texts and values ---------------------------------------------------
  [[nodiscard]] const std::string& Text() const { return text_; }  // the base text (UTF-8)
  void SetBaseText(std::string_view text) { text_ = text; }
  [[nodiscard]] const std::string& TagText() const { return tagText_; }
  void SetTagText(std::string_view text) { tagText_ = text; }
  [[nodiscard]] const std::string& TooltipText() const { return tooltipText_; }
  void SetTooltipText(std::string_view text);
  // What a screen reader calls a control that shows no words of its own (a
  // picture button, a field without a label); it takes the place of the
  // text and the tooltip as the control's accessible name. Nothing is drawn.
  void SetAccessibleName(std::string_view name) { accessibleName_ = name; }
  void ShowTooltipNow(std::string_view text) { ShowTooltipNow({}, text); }
  void ShowTooltipNow(std::string_view title, std::string_view text);
  [[nodiscard]] HWND TooltipWindow() const;
  [[nodiscard]] std::intptr_t UserValue() const { return userValue_; }
  void SetUserValue(std::intptr_t v) { userValue_ = v; }
  // The state transition: the interval between its frames (ms), how many
  // frames it has (0: none), and its easing curve.
  [[nodiscard]] int TransitionInterval() const { return transitionIntervalMs_; }
  void SetTransitionInterval(int milliseconds) { transitionIntervalMs_ = milliseconds; }
  [[nodiscard]] int TransitionFrameCount() const { return transitionFrameCount_; }
  void SetTransitionFrameCount(int frames, std::optional<int> intervalMs = std::nullopt);
  [[nodiscard]] int TransitionCurve() const { return transitionCurve_; }
  void SetTransitionCurve(int curve) { transitionCurve_ = curve; }
  [[nodiscard]] int TransitionFrameCounter() const { return transitionFrame_; }
  [[nodiscard]] double TransitionFactor() const { return transitionFactor_; }

  // --- appearance ---------------------------------------------------------
  [[nodiscard]] int Alpha() const { return alpha_; }
  void SetAlpha(int alpha, bool redraw = true);
  void SetCursor(HCURSOR cursor) { cursor_ = cursor; }
  void SetDownCursor(HCURSOR cursor) { downCursor_ = cursor; }
  [[nodiscard]] HCURSOR Cursor() const;
  [[nodiscard]] HCURSOR DownCursor() const;
  // The control's font, or the engine's default font when it has none.
  [[nodiscard]] const Gdiplus::Font* Font() const;
  void SetFont(GdiplusPtr<Gdiplus::Font> font);
  [[nodiscard]] std::string FontFace() const;
  void SetFontFace(std::string_view face);  // keeps size and style; unknown faces fall back to the default face
  [[nodiscard]] float FontSize() const;
  void SetFontSize(float size);
  [[nodiscard]] int FontStyle() const;
  void SetFontStyle(int style);
  [[nodiscard]] Gdiplus::TextRenderingHint TextRenderingHint() const;
  void SetTextRenderingHint(Gdiplus::TextRenderingHint hint);
  // The control's picture: allocated at the pixel edges of its window
  // rectangle, drawn in units through the canvas's mapping.
  [[nodiscard]] const Canvas& GetCanvas() const { return canvas_; }
  // The canvas pixel under a local unit point (0 outside the canvas).
  [[nodiscard]] std::uint32_t CanvasPixelAt(Point local) const;

  // --- timers -------------------------------------------------------------
  // A window timer whose id is the control; on each tick the callback runs,
  // or, without one, the control receives WM_TIMER.
  bool SetTimer(UINT milliseconds, std::function<void()> callback = {});
  // Kills the timer; re-arms it with a new period when one is given.
  void KillTimer(std::optional<UINT> newPeriod = std::nullopt);
  // The host calls these when the control's timer or its state transition's
  // frame timer fires.
  void TimerFired();
  void TransitionStep();

  // --- composition ----------------------------------------------------------
  // While the control fades between states, the host composes it through
  // DrawTransitionFrame instead of blending its canvas.
  [[nodiscard]] bool ShowsTransitionFrame() const;
  // Draws the cross-fade's current frame onto the window canvas: abs is the
  // control in window pixels, hit the part of it being composed (pixels).
  void DrawTransitionFrame(Canvas& window, const Rect& abs, const Rect& hit);

  // --- service ------------------------------------------------------------
  void RegisterWithService();
  void UnregisterFromService();
  // Switches the host window's registration with the service (kMsgHostMode).
  void SetHostMode(bool on);

  // The focus rectangle's place (local coordinates); none by default.
  [[nodiscard]] virtual std::optional<RectF> ContentRect() const { return std::nullopt; }

  // --- accessibility ------------------------------------------------------
  // Name, role and value for screen readers. By default the role follows
  // the class number and the name is the base text (for buttons without
  // the access-key marks), else the tooltip text; classes that know more
  // (a value, the checked state) override it.
  [[nodiscard]] virtual AccessibleInfo Accessible() const;
  // Expires when the control is destroyed (a later Create is a new life):
  // objects handed to other components, such as accessible objects held by
  // a screen reader, check it before they touch the control. Empty for a
  // control that does not exist.
  [[nodiscard]] std::weak_ptr<UiControl* const> LifeToken();

 protected:
  virtual LRESULT PreHandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT ClassHandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // Painting protocol of a class: BeginPaint cuts a running transition
  // short, keeps the old picture when the control fades between states,
  // clears the area to repaint (unless told not to) and returns the canvas
  // graphics, clipped to that area; null when the control cannot paint.
  // EndPaint commits: it starts the state transition, or composes and
  // presents the area at once.
  [[nodiscard]] Gdiplus::Graphics* BeginPaint(bool clear = true);
  void EndPaint();
  // The area being repainted (local coordinates).
  [[nodiscard]] const RectF& DirtyRect() const { return dirtyRect_; }
  [[nodiscard]] Canvas& MutableCanvas() { return canvas_; }
  // Repaints the control's area on its window (after it changed visibility
  // or place) without drawing the control itself.
  void RecomposeArea();
  // The exact pixels of a local unit rectangle in this control's canvas:
  // for what bypasses the canvas's transform (raw pixels, GDI calls). The
  // rectangle itself at 96 DPI.
  [[nodiscard]] Rect CanvasPixels(const Rect& local) const;
  // The scale of the window the control is on; 96 DPI without one.
  [[nodiscard]] DpiScale Scale() const;

 private:
  [[nodiscard]] LRESULT BuiltInHandling(UINT message, WPARAM wParam, LPARAM lParam,
                                        const std::weak_ptr<UiControl* const>& life, bool& done);
  bool DeliverApplicationEvent(UINT message, WPARAM wParam, LPARAM lParam);
  void OnDestroy();
  void GiveFocus(WPARAM how, const std::weak_ptr<UiControl* const>& life);
  void TakeFocus();
  void OnEntered();
  void OnLeft();
  void ApplyParentResize();
  void PaintNow();
  void Attach(ControlHost& host, UiControl* parent, Gdiplus::TextRenderingHint hint);
  void Unlink();
  void StartTransition();
  void StopTransition(bool recompose);
  void ComposeDirtyArea();
  [[nodiscard]] Size ParentSize() const;
  void ResizeCanvas();
  // The window pixels of the control and how its canvas maps units there.
  [[nodiscard]] Rect PixelRect() const;
  [[nodiscard]] CanvasMapping Mapping() const;
  // Under a scale a move changes pixel edges and offsets: true when the
  // canvas no longer matches them.
  [[nodiscard]] bool CanvasOutOfPlace() const;
  void RemakeMovedChildCanvases();

  // Tree and host (the host and the parent outlive their links: both unlink
  // this control when they go).
  ControlHost* host_ = nullptr;
  UiControl* parent_ = nullptr;
  std::vector<UiControl*> children_;  // paint order: the last is on top

  bool created_ = false;
  bool alive_ = false;
  int classNumber_ = 0;
  std::string name_;
  std::uint32_t stateFlags_ = 0;
  Rect rect_;  // relative to the parent
  RectF dirtyRect_;
  Anchors anchors_;

  bool tabStop_ = true;
  int tabStopIndex_ = 0;
  bool drawTabStop_ = true;
  bool mouseTrack_ = true;
  bool alphaHitTest_ = false;
  int alpha_ = 255;

  HCURSOR cursor_ = nullptr;
  HCURSOR downCursor_ = nullptr;
  GdiplusPtr<Gdiplus::Font> font_;
  std::string text_;
  std::string tagText_;
  std::string tooltipText_;
  std::string accessibleName_;
  std::intptr_t userValue_ = 0;
  int transitionIntervalMs_ = 0;
  int transitionFrameCount_ = 0;
  int transitionCurve_ = 1;

  Canvas canvas_;
  bool painting_ = false;

  // State transition: frame counter, eased factor, the picture before the
  // change and a scratch surface for composing frames.
  int transitionFrame_ = 0;
  double transitionFactor_ = 0;
  Canvas previousPicture_;
  Canvas transitionScratch_;

  std::function<void()> timerCallback_;
  bool destroying_ = false;
  std::shared_ptr<UiControl* const> lifeToken_;  // made on first request, dropped when destroyed
};

}  // namespace tabulo::ui
