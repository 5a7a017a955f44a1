#pragma once
// UiWindow: a top-level window handed to the engine. Binding strips the
// native frame, applies the skin and the shape, builds the caption band, and
// from then on the engine owns the window's mouse, keyboard, focus and
// painting. Its input router (input_router.h) hit-tests the windowless
// controls, keeps the hot, pressed, focused and capturing control, turns
// presses into clicks and moves focus with Tab; the window itself drags and
// resizes the frameless window and delivers window-level events to the
// application. To its controls the window is a ControlHost
// (control_host.h), found again through the window property
// "Orb_Wnd_Control".
//
// One window procedure per window, in one of two ways:
// - BindToProcedure: the window's own procedure (a form's, say) hands every
//   message to HandleMessage before its own handling, and gives the engine
//   that handling to run where the window must see a message the engine
//   handles too (mouse buttons, closing, text and icon changes).
// - Bind: for a window the engine did not make its owner's way (menus, the
//   demos, any plain window), the engine subclasses the window procedure and
//   what it does not consume goes on to the previous procedure.
//
// Units and pixels (control_host.h): the window's controls, layouts, events
// and its ControlHost side are in 96-DPI units; Windows sees pixels. The
// window is the one place where they meet: mouse messages become units
// before anything of the engine sees them (the window's next procedure
// still gets the pixels Windows sent), placement turns unit sizes into
// pixels, and the shape, the surfaces and presentation are pixels. Pixels
// become units by the window's scale (ToUnits); a pixel on a shared edge
// may hit-test into the neighbour at a fractional scale.
//
// Surfaces: the compositor (window_compositor.h) holds the background
// surface and the window canvas; the window presents the canvas with
// UpdateLayeredWindow for a window with an alpha, or through WM_PAINT for an
// opaque one. Window coordinates equal client coordinates once the frame is
// gone.
//
// Lifetime: the object may outlive its window (it is unbound at
// WM_NCDESTROY and may be bound again) and the window may outlive the
// object (the destructor unbinds it, leaving a plain window). At
// WM_NCDESTROY a window bound to its procedure is let go before that
// procedure's own handling runs, so the owner may delete the object there.
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/color/color.h"
#include "base/geometry/rect.h"
#include "ui/canvas/canvas.h"
#include "ui/control/control_host.h"
#include "ui/control/control_messages.h"
#include "ui/control/ui_object.h"
#include "base/win/unique_handle.h"
#include "ui/skin/window_shape.h"
#include "ui/skin/fill_type.h"
#include "ui/skin/window_skin_values.h"
#include "ui/window/caption_buttons.h"
#include "ui/window/fitted_picture.h"
#include "ui/window/input_router.h"
#include "ui/window/window_compositor.h"
#include "ui/window/window_effect.h"
#include "ui/window/window_hot_keys.h"
#include "ui/window/window_tray_icon.h"

namespace tabulo::ui {

class CaptionIcon;
class CaptionTitle;
class ResourcePackage;
class UiControl;

struct BindOptions {
  HWND owner = nullptr;  // with setOwner: the owner window (a bound owner lends its package and defaults)
  bool setOwner = false;
  std::span<const std::uint8_t> theme;       // package bytes; empty: the engine's default package
  std::string themePassword;
  std::span<const std::uint8_t> background;  // picture file bytes; empty: none
  std::optional<Rgb> backgroundColour;       // "crbackground"; none: transparent
  std::optional<CaptionButtons> captionButtons;  // none (kCaptionFromStyles): from the window's styles
  std::optional<int> alpha;                  // 0..255 layered; -1 opaque (the default)
  std::optional<FillType> fillType;          // of the background picture (natural size)
  std::optional<RectF> grid;                 // nine-grid centre of the background picture
  std::optional<bool> glass;                 // "aero" (1)
  std::optional<int> cornerRadius;           // "rectround"; -1 takes the theme's
  std::optional<bool> dragAnywhere;          // (1)
  bool sizeBox = true;                       // "sizebox"
  bool escCloses = false;
  // The DPI the window is drawn at; none: the DPI Windows gives the window.
  // A value lets a test or a demo draw at any scale on any display.
  std::optional<int> dpi;
  // The theme element of the shadow, margins, corners and border; empty:
  // "SysShadow.SubWnd" for a window with a parent, else "SysShadow.HostWnd".
  std::string_view shadowElement;
};

enum class WindowShowState {
  kNormal = 0,
  kMinimised = 1,
  kMaximised = 2,
  kCentred = 3,  // SetShowState only: shown, centred on the screen
  kHidden = 4,   // SetShowState only
};

// A raw hook on the window procedure; a value ends handling with that result.
using MessageHook = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;
// A window procedure's own handling of a message, after the engine's.
using OwnHandling = std::function<LRESULT(UINT, WPARAM, LPARAM)>;

// The window is its controls' ControlHost (control_host.h).
class UiWindow : public UiObject, public ControlHost {
 public:
  UiWindow();
  ~UiWindow() override;

  // False (changing nothing) when the handle is not a window, is already
  // this object's window, or this object is bound to another live window.
  // Subclasses the window's procedure.
  [[nodiscard]] bool Bind(HWND window, const BindOptions& options = {});
  // The same for a window whose own procedure calls HandleMessage first;
  // `ownHandling` is the rest of that procedure.
  [[nodiscard]] bool BindToProcedure(HWND window, const BindOptions& options, OwnHandling ownHandling);
  // The engine's part of a window bound with BindToProcedure: a result when
  // the engine handled the message (having run the own handling itself where
  // it must), nothing when the window's procedure should handle it. Nothing
  // too for any other window.
  [[nodiscard]] std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  using UiObject::Bind;  // window-level event handlers
  [[nodiscard]] bool IsBound() const override { return hwnd_ != nullptr; }
  [[nodiscard]] static UiWindow* FromHandle(HWND window);

  [[nodiscard]] HWND WindowHandle() const override { return hwnd_; }
  [[nodiscard]] const ResourcePackage* Package() const override { return package_.get(); }
  [[nodiscard]] const std::shared_ptr<const ResourcePackage>& SharedPackage() const { return package_; }
  // The background picture as decoded for this window's fill type, or null;
  // also null once a fill type that fits it into the content rectangle has
  // drawn it (only the fitted copy is kept then).
  [[nodiscard]] const Gdiplus::Bitmap* BackgroundPicture() const { return picture_.get(); }

  // --- showing and closing ------------------------------------------------
  // Recomposes, gives the window its shape and shows it; with an effect
  // (window_effect.h) the effect shows it instead.
  void Show(const WindowEffect* effect = nullptr);
  // While the hold lives, what changes in the window's controls is painted
  // but neither composed nor presented: for a window that makes its
  // controls and texts before it is first shown, which Show composes whole.
  [[nodiscard]] WindowCompositor::Hold HoldComposition() { return WindowCompositor::Hold(compositor_); }
  [[nodiscard]] bool Shown() const override { return shown_; }
  void SetCloseEffect(std::optional<WindowEffect> effect);

  // --- skin and shape -----------------------------------------------------
  // Chooses the package (given, else from bytes, else the default), reads
  // the window's skin values and, when asked, relays out and repaints.
  void ApplySkin(std::span<const std::uint8_t> theme, std::string_view password,
                 std::shared_ptr<const ResourcePackage> package = nullptr, bool redraw = true);
  // Repaints the background surface (optionally with a new picture) and
  // recomposes the controls; forceControls asks every control to redraw first.
  void PaintBackground(std::optional<std::span<const std::uint8_t>> picture = std::nullopt, bool recompose = true,
                       bool forceControls = false);
  void SetBackgroundHook(std::function<void(Gdiplus::Graphics&)> hook) { backgroundHook_ = std::move(hook); }
  void SetBackgroundOffset(std::optional<int> x, std::optional<int> y);
  void SetBackgroundColour(std::optional<Rgb> colour);
  void RebuildShape();
  void ApplyShape();
  [[nodiscard]] int WindowAlpha() const { return alpha_; }
  int SetWindowAlpha(int alpha);
  [[nodiscard]] const WindowSkinValues& SkinValues() const { return skin_; }
  [[nodiscard]] const Rect& ContentRect() const { return content_; }
  [[nodiscard]] const WindowShape& Shape() const { return shape_; }
  [[nodiscard]] int CornerRadius() const { return radius_; }
  [[nodiscard]] bool Glass() const { return glass_; }

  // --- placement ----------------------------------------------------------
  // Left and top are screen pixels; width and height are units.
  void SetPlacement(std::optional<int> left, std::optional<int> top, std::optional<int> width,
                    std::optional<int> height);
  // Minimised, maximised or normal.
  [[nodiscard]] WindowShowState ShowState() const;
  void SetShowState(WindowShowState state);
  void SetTopmost(bool topmost);
  [[nodiscard]] HICON Icon(bool big) const;
  void SetIcon(HICON icon, bool big);

  // --- composition --------------------------------------------------------
  // Restores the background over the area (window units), blends the
  // visible controls that meet it and the focus rectangle, and presents it.
  void Compose(const Rect& area, bool present = true);
  void ComposeAll(bool present = true);
  void Present(const Rect& area) override;
  // Pushes the window canvas of a layered window with an overall opacity
  // (the show and close effects fade with it); with a dirty area only that
  // part of the screen picture changes (window pixels).
  void PresentLayered(int opacity, const Rect* dirty = nullptr);
  [[nodiscard]] const Canvas& WindowCanvas() const override { return compositor_.WindowCanvas(); }
  [[nodiscard]] const Canvas& BackgroundSurface() const { return compositor_.BackgroundSurface(); }
  [[nodiscard]] Size ClientSize() const override { return size_; }
  [[nodiscard]] DpiScale Scale() const override { return scale_; }
  // The client size in pixels, as Windows sees it.
  [[nodiscard]] Size PixelSize() const { return pixelSize_; }
  void Recompose(const Rect& area) override { Compose(area, true); }

  // --- controls -----------------------------------------------------------
  [[nodiscard]] const std::vector<UiControl*>& Children() const override { return children_; }
  [[nodiscard]] const std::vector<UiControl*>& TabOrder() const { return router_.TabOrder(); }
  [[nodiscard]] UiControl* FocusedControl() const override { return router_.Focused(); }
  [[nodiscard]] UiControl* HotControl() const override { return router_.Hot(); }
  [[nodiscard]] UiControl* PressedControl() const { return router_.Pressed(); }
  [[nodiscard]] UiControl* CaptureControl() const { return router_.Capture(); }
  [[nodiscard]] UiControl* TabFocusControl() const { return router_.TabFocus(); }
  [[nodiscard]] bool OwnsControl(const UiControl* control) const override {
    return live_.contains(reinterpret_cast<std::uintptr_t>(control));
  }
  [[nodiscard]] UiControl* ControlAt(Point point, Point* local = nullptr) const override;
  [[nodiscard]] const std::vector<UiControl*>& CaptionControls() const { return captionControlPtrs_; }
  void AddControl(UiControl& control, bool topLevel) override;
  void RemoveControl(UiControl& control) override;
  void SetTopLevel(UiControl& control, bool topLevel) override;
  bool MoveInZOrder(UiControl& control, ZOrder order) override;
  void TabOrderChanged(UiControl& control) override;
  UiControl* MoveFocusTo(UiControl& control, bool showFocusRectangle) override;
  bool FocusLeft(UiControl& control) override;
  LRESULT SendToControl(UiControl& control, UINT message, WPARAM wParam, LPARAM lParam) override;
  bool PostToControl(UiControl& control, UINT message, WPARAM wParam, LPARAM lParam) override;

  // --- behaviour ----------------------------------------------------------
  [[nodiscard]] const std::string& AccessibleName() const override { return accessibleName_; }
  void SetAccessibleName(std::string_view name) { accessibleName_ = name; }
  // The tooltip window, once a control with a tip asked for it; null before.
  [[nodiscard]] HWND TooltipWindow() const override { return tooltip_.get(); }
  HWND Tooltip() override;  // null when it cannot be made
  [[nodiscard]] ui::CaptionButtons CaptionButtons() const { return captionButtons_; }
  [[nodiscard]] int CaptionHeight() const { return skin_.captionHeight; }
  void SetEscCloses(bool on) { escCloses_ = on; }
  void SetDragAnywhere(bool on) { dragAnywhere_ = on; }
  void SetSizeBox(bool on) { sizeBox_ = on; }
  void SetMessageHook(MessageHook hook) { messageHook_ = std::move(hook); }

  // --- hot keys and tray icon -----------------------------------------------
  // Their notifications arrive as window-level events: bind kMsgHotKey
  // (wParam the id; the handler's lParam holds the modifiers in its low and
  // the virtual key in its high word) and kMsgTrayNotify (lParam the mouse
  // message, e.g. WM_RBUTTONUP). Both go away with the window.
  //
  // Registers a system-wide hot key; returns its id (1, 2, 3, ... per
  // window, a failed registration using up no number), or 0 when the key is
  // taken or the window is not bound.
  [[nodiscard]] int AddHotKey(UINT modifiers, UINT virtualKey) { return hotKeys_.Add(hwnd_, modifiers, virtualKey); }
  bool RemoveHotKey(int id) { return hotKeys_.Remove(hwnd_, id); }
  // Adds the window's tray icon, or changes it. A missing icon keeps the
  // icon shown (at first: the window's small icon); a missing tip keeps the
  // tip. Tips longer than 63 characters are cut. Returns the shell's status.
  bool SetTrayIcon(std::optional<HICON> icon, std::optional<std::string_view> tip = std::nullopt);
  // The same with the tip as UTF-16LE bytes (ending at the first zero unit).
  bool SetTrayIconRaw(std::optional<HICON> icon, std::optional<std::string_view> tipUtf16Bytes);
  // Removes the tray icon; nothing when there is none.
  void RemoveTrayIcon() { tray_.Remove(); }
  [[nodiscard]] const WindowTrayIcon& TrayIcon() const { return tray_; }

 private:
  [[nodiscard]] bool BindWith(HWND window, const BindOptions& options, OwnHandling ownHandling);
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT SubclassedProc(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> Route(UINT message, WPARAM wParam, LPARAM lParam);
  // The window's handling after the engine's: its own procedure's, or the
  // procedure the subclass replaced.
  LRESULT CallNext(UINT message, WPARAM wParam, LPARAM lParam);
  // lParam as the engine sees it (a mouse message's point in units);
  // pixelLParam as Windows sent it, for the window's next procedure.
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LPARAM pixelLParam, bool& handled);

  // Whether `self` is still the object bound to `window`. Handlers run from
  // the routes below may destroy the window or delete this object; a route
  // checks this (which reads the window's property, never the object)
  // before it touches the object again.
  [[nodiscard]] static bool StillBound(const UiWindow* self, HWND window) { return FromHandle(window) == self; }

  // Routing.
  bool DeliverWindowEvent(UINT message, WPARAM wParam, LPARAM lParam);
  bool PreRouteMouse(UINT message, WPARAM wParam, LPARAM lParam, LPARAM pixelLParam);
  bool SizingHitTest(UINT message, Point point);
  void RouteLeftPress(Point point, bool doubleClick);
  void RouteRightButton(UINT message, WPARAM wParam, LPARAM lParam, LPARAM pixelLParam);
  bool RouteKeyDown(WPARAM key, LPARAM lParam);
  void DragWindow();
  void ToggleMaximise();
  void UpdateCursorAt(Point point);
  LRESULT DeliverToControl(WPARAM wParam, LPARAM lParam);
  bool OnTimer(WPARAM id);

  // Window messages.
  void OnDestroy();
  void OnNcDestroy();
  void OnSize(int width, int height);
  void OnDpiChanged(int dpi, const RECT& suggested);
  void OnGetMinMaxInfo(MINMAXINFO& info) const;
  LRESULT OnClose(WPARAM wParam, LPARAM lParam);
  void OnActivate(WPARAM wParam, LPARAM lParam);
  void OnPaint();
  void OnMouseLeave();

  // Pieces of Bind and the skin.
  void BuildCaptionBand();
  void LayoutCaptionBand();
  void DestroyCaptionBand();
  void UpdateCaptionTitle();
  void UpdateCaptionIcon();
  void ResizeSurfaces();
  void ComposePixels(const Rect& pixels, bool present);
  void PresentPixels(const Rect& pixels);
  [[nodiscard]] Margins PixelMargins() const;
  [[nodiscard]] Gdiplus::Bitmap* FittedBackground();
  [[nodiscard]] std::string_view ShadowElementName() const;
  void PlaceMaximised();
  void Unbind();
  void ReleaseResources();
  void ResetBinding();
  void DestroyAllControls();


  [[nodiscard]] UiControl* LiveControl(std::uintptr_t id) const;
  [[nodiscard]] std::vector<UiControl*> LiveControls() const;

  HWND hwnd_ = nullptr;
  HWND owner_ = nullptr;
  WNDPROC previousProc_ = nullptr;  // subclassed (Bind)
  OwnHandling ownHandling_;         // bound to its procedure (BindToProcedure)
  bool closing_ = false;
  UniqueWindow tooltip_;
  bool tracking_ = false;

  ui::CaptionButtons captionButtons_;
  int alpha_ = -1;
  FillType fillType_ = FillType::kNatural;
  std::optional<RectF> grid_;
  bool glass_ = false;
  int radius_ = -1;                 // as bound; -1 takes the theme's
  int requestedRadius_ = -1;
  bool sizeBox_ = true;
  bool dragAnywhere_ = true;
  bool escCloses_ = false;
  std::optional<Rgb> backgroundColour_;
  Point backgroundOffset_;
  std::shared_ptr<Gdiplus::Bitmap> picture_;  // shared with owned windows
  std::vector<std::uint8_t> pictureBytes_;     // its file bytes, for a fill type that fits it (decoded again per size)
  FittedPicture fitted_;                       // what that fill type draws, content size
  std::vector<Rgb> borderColours_;
  std::function<void(Gdiplus::Graphics&)> backgroundHook_;

  std::shared_ptr<const ResourcePackage> package_;
  WindowSkinValues skin_;
  Rect content_;
  WindowShape shape_;
  bool regionValid_ = false;  // the shape has been applied and the window presented

  DpiScale scale_;
  Size size_;       // the client size in units
  Size pixelSize_;  // the client size in pixels (the window's, without a frame)
  WindowCompositor compositor_;

  std::vector<UiControl*> children_;
  // Controls alive in this window by address: ids arriving in messages and
  // timers are only turned back into controls through this table.
  std::unordered_map<std::uintptr_t, UiControl*> live_;
  ControlMessageQueue messages_;
  InputRouter router_{*this};
  bool inSizingZone_ = false;

  bool activatedOnce_ = false;
  bool shown_ = false;
  std::optional<WindowEffect> closeEffect_;
  MessageHook messageHook_;
  std::string shadowElement_;  // empty: by parent window
  std::string accessibleName_;
  WindowHotKeys hotKeys_;
  WindowTrayIcon tray_;

  std::vector<std::unique_ptr<UiControl>> captionControls_;  // icon, title, caption buttons
  std::vector<UiControl*> captionControlPtrs_;
  CaptionIcon* captionIcon_ = nullptr;
  CaptionTitle* captionTitle_ = nullptr;
};

}  // namespace tabulo::ui
