// Edit: creation and destruction, layout, painting, focus and the class
// handler. The text operations are in edit_text.cpp, the caret in
// edit_caret.cpp, the scroll bars and the wheel in edit_bars.cpp, the
// context menu in edit_menu.cpp and the text engine's view of the Edit in
// edit_text_host.cpp.
#include "ui/controls/edit.h"

#include <algorithm>

#include "ui/canvas/drawing.h"
#include "ui/control/control_host.h"
#include "ui/control/dirty_rect.h"
#include "ui/controls/edit_text_engine.h"
#include "ui/controls/scroll_bar.h"
#include "ui/engine/engine_state.h"
#include "ui/engine/fonts.h"
#include "ui/skin/resource_package.h"
#include "ui/skin/skin_draw.h"

namespace tabulo::ui {
namespace {

constexpr DWORD kEventMask = ENM_CHANGE | ENM_SELCHANGE | ENM_LINK;
constexpr int kSystemCaretHeight = 12;  // the hidden caret only places the input method's window
constexpr wchar_t kLineProbe[] = L"泆";  // a tall CJK glyph: one full line of the font

EditMargin SkinMargin(const ControlHost* host) {
  const ResourcePackage* package = host ? host->Package() : nullptr;
  const std::optional<Rect> margin = package ? package->IntRect(kEditElement, "margin") : std::nullopt;
  if (!margin) return {};
  // The package stores the four side offsets in a rectangle's four numbers.
  return {margin->x, margin->y, margin->width, margin->height};
}

}  // namespace

Edit::Edit() = default;

Edit::~Edit() {
  // While the object is still an Edit, so its own clean-up runs.
  Destroy();
}

bool Edit::Create(ControlParent parent, const Rect& rect, const EditOptions& options) {
  if (IsCreated()) return false;
  textColour_ = options.textColour;
  backgroundColour_ = options.backgroundColour;
  multiLine_ = options.multiLine;
  scrollBars_ = options.scrollBars;
  hideSelection_ = options.hideSelection;
  alignment_ = options.alignment;
  editStyle_ = options.editStyle;
  passwordChar_ = options.passwordChar.value_or(kEditDefaultPasswordChar);
  richText_ = options.richText;
  border_ = options.border;

  HCURSOR beam = LoadCursorW(nullptr, IDC_IBEAM);
  ControlOptions base;
  base.classNumber = kEditClassNumber;
  base.name = options.name;
  base.visible = options.visible;
  base.cursor = beam;
  base.downCursor = beam;
  if (!UiControl::Create(parent, rect, base)) return false;

  SetMaxLength(options.maxLength);
  if (options.fontFace || options.fontSize || options.fontStyle) {
    const Gdiplus::Font* fallback = Engine().defaultFont.get();
    const std::string defaultFace = fallback ? FontFamilyName(*fallback) : std::string();
    const float size = options.fontSize.value_or(12.0f);
    const int style = options.fontStyle.value_or(0);
    auto font = CreateFontFromName(options.fontFace.value_or(defaultFace), size, style);
    // A face that is not installed still gets the size and style asked for.
    if (!font && !defaultFace.empty()) font = CreateFontFromName(defaultFace, size, style);
    if (font) SetFont(std::move(font));
  }
  if (!options.text.empty()) SetText(options.text);
  return true;
}

void Edit::OnCreate() {
  disableDrag_ = true;
  windowColour_ = 0xFFFFFFFF;
  selectionColour_ = 0xFF3399FF;
  selectionTextColour_ = 0xFFFFFFFF;
  caretHeight_ = 0;
  scrollSync_ = false;
  SetDefaultCharFormat({FontFace(), FontSize(), static_cast<std::uint32_t>(FontStyle()), textColour_, 0});
  SetDefaultParaFormat({.alignment = alignment_});
  Layout(Width(), Height());
  // Like every engine service, the text engine exists only once the engine
  // has been initialised.
  if (Engine().service) engine_ = EditTextEngine::Create(*this);
  const std::shared_ptr<EditTextEngine> engine = engine_;
  if (!engine) return;
  (void)engine->Services().OnTxInPlaceActivate(nullptr);
  Forward(EM_SETLANGOPTIONS, 0, 0);
  Forward(EM_SETEVENTMASK, 0, kEventMask);
  SetCaret();
}

void Edit::OnDestroy() {
  RestoreInputContext();
  if (engine_) {
    // Released now, or when the call into it that is running returns.
    engine_->Host().Detach();
    engine_.reset();
  }
  KillTimer();
  if (HasFocus()) DestroyCaret();
  drawSurface_.Release();
  caretX_ = caretY_ = 0;
  caretHeight_ = 0;
  caretSuppressed_ = true;
}

// --- layout and painting -------------------------------------------------------

void Edit::Layout(int width, int height) {
  // The engine draws into a surface of the canvas's pixels.
  const Rect pixels = CanvasPixels({0, 0, width, height});
  (void)drawSurface_.Create(pixels.width, pixels.height, Gdiplus::TextRenderingHintSystemDefault);
  if (drawSurface_.valid()) {
    dpiX_ = GetDeviceCaps(drawSurface_.dc(), LOGPIXELSX);
    dpiY_ = GetDeviceCaps(drawSurface_.dc(), LOGPIXELSY);
  }
  const int lineHeight = MeasureLineHeight();
  EditLayoutInput in;
  in.size = {width, height};
  in.skinMargin = SkinMargin(Host());
  in.border = static_cast<int>(border_);
  in.backgroundColour = backgroundColour_;
  in.multiLine = multiLine_;
  in.scrollBars = scrollBars_;
  in.lineHeight = lineHeight;
  in.dpiX = dpiX_;
  in.dpiY = dpiY_;
  layout_ = LayOutEdit(in);
  textPixels_ = layout_.textRect;
  const DpiScale scale = Scale();
  if (!scale.IsIdentity()) {
    textPixels_ = CanvasPixels(layout_.textRect);
    const EditHimetric himetric =
        HimetricOf({textPixels_.width, textPixels_.height}, scale.Length(lineHeight), multiLine_, dpiX_, dpiY_);
    layout_.viewInset = himetric.viewInset;
    layout_.extent = himetric.extent;
  }
  // A window whose DPI changed since the format went out (moved to another
  // monitor) gets its text at the new size.
  if (engine_ && scale.dpi() != formatWindowDpi_) SendDefaultCharFormat();
  LayoutHook();
  PlaceBars(lineHeight);
  // The client rectangle changed too: the engine keeps its own copy of it
  // and reads it again only when told.
  NotifyPropertyBits(kTxtBitLayoutChange | TXTBIT_CLIENTRECTCHANGE, kTxtBitLayoutChange | TXTBIT_CLIENTRECTCHANGE);
}

int Edit::MeasureLineHeight() const {
  const ControlHost* host = Host();
  Gdiplus::Graphics* graphics = host ? host->WindowCanvas().graphics() : nullptr;
  if (!graphics) return 0;
  Gdiplus::StringFormat format;
  format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap);
  const RectF size = MeasureText(graphics, kLineProbe, Font(), RectF{}, &format);
  return static_cast<int>(size.height);
}

void Edit::Paint(std::uint32_t state) {
  Gdiplus::Graphics* graphics = BeginPaint();
  if (!graphics) return;
  const RectF whole{0, 0, static_cast<float>(Width()), static_cast<float>(Height())};
  const Rect area = CoveringPixels(DirtyRect()).intersect(LocalRect());
  Canvas& canvas = MutableCanvas();
  const Rect canvasArea{0, 0, canvas.width(), canvas.height()};
  if (border_ == 0 && backgroundColour_ == 0) {
    const ControlHost* host = Host();
    (void)DrawSkinElement(host ? host->Package() : nullptr, *graphics, kEditElement, whole,
                          HasFocus() ? kStateFocused : state);
  } else {
    // A border without a background colour gives an opaque black field.
    canvas.ClearRect(CanvasPixels(area).intersect(canvasArea), backgroundColour_ | 0xFF000000u);
  }
  BackgroundHook(*graphics);
  // The engine's drawing is copied in the canvas's pixels.
  const Rect update = CanvasPixels(area.intersect(layout_.textRect)).intersect(textPixels_).intersect(canvasArea);
  const std::shared_ptr<EditTextEngine> engine = engine_;
  if (engine && drawSurface_.valid() && !update.empty()) {
    canvas.Flush();
    BitBlt(drawSurface_.dc(), update.x, update.y, update.width, update.height, canvas.dc(), update.x, update.y,
           SRCCOPY);
    RECT updateRect{update.x, update.y, update.right(), update.bottom()};
    (void)engine->Services().TxDraw(DVASPECT_CONTENT, -1, nullptr, nullptr, drawSurface_.dc(), nullptr, nullptr,
                                    nullptr, &updateRect, nullptr, 0, TXTVIEW_ACTIVE);
    GdiFlush();
    BitBlt(canvas.dc(), update.x, update.y, update.width, update.height, drawSurface_.dc(), update.x, update.y,
           SRCCOPY);
    GdiFlush();
    // GDI leaves alpha 0 in every pixel it draws; the text area is opaque.
    const std::span<std::uint32_t> pixels = canvas.pixels();
    for (int y = update.y; y < update.bottom(); ++y) {
      std::uint32_t* row = pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(canvas.width());
      for (int x = update.x; x < update.right(); ++x) row[x] |= 0xFF000000u;
    }
  }
  if (border_ != 0) DrawFrame(graphics, whole, border_);
  EndPaint();
}

std::optional<RectF> Edit::ContentRect() const {
  const Rect& r = layout_.textRect;
  return RectF{static_cast<float>(r.x), static_cast<float>(r.y), static_cast<float>(r.width),
               static_cast<float>(r.height)};
}

// --- messages --------------------------------------------------------------------

LRESULT Edit::ClassHandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_SIZE:
      Layout(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_SETFONT:
      SetDefaultCharFormat({FontFace(), FontSize(), static_cast<std::uint32_t>(FontStyle()), textColour_, 0});
      return 0;
    case WM_SETFOCUS:
      OnSetFocus();
      return 0;
    case WM_KILLFOCUS:
      OnKillFocus();
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_MOUSEMOVE: {
      // While selecting by dragging, a point below the text is the last line.
      LPARAM pixels = CanvasPixelsParam(lParam);
      const int y = static_cast<short>(HIWORD(pixels));
      if (wParam == MK_LBUTTON && y > textPixels_.bottom()) pixels = MAKELPARAM(LOWORD(pixels), textPixels_.bottom());
      Forward(message, wParam, pixels);
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
      Forward(message, wParam, CanvasPixelsParam(lParam));
      return 0;
    case WM_LBUTTONUP: {
      if (!SurvivesForward(message, wParam, CanvasPixelsParam(lParam))) return 0;
      const ControlHost* host = Host();
      const Rect abs = AbsoluteRect();
      const Point at{abs.x + static_cast<short>(LOWORD(lParam)), abs.y + static_cast<short>(HIWORD(lParam))};
      if (host && !host->ControlAt(at)) ::SetCursor(Engine().defaultCursor);
      return 0;
    }
    case WM_RBUTTONUP:
      ShowContextMenu();
      return 0;
    case WM_MOUSEWHEEL:
      OnMouseWheel(wParam, lParam);
      return 0;
    case WM_KEYDOWN:
      return OnKeyDown(wParam);
    case WM_CHAR:
      return OnChar(wParam, lParam);
    case WM_COMMAND:
      OnCommand(wParam);
      return 0;
    case WM_DROPFILES:
    case WM_NCHITTEST:  // the engine asks whether the point goes to children: it does not
      return 0;
    case kMsgMouseEntered:
      Paint(kStateHot);
      return 0;
    case WM_PAINT:
    case kMsgMouseLeft:
    case kMsgRepaint:
      Paint(0);
      return 0;
    case kMsgMovedByAnchors:  // the caret is kept in the canvas's pixels: it moved with the control
      return 0;
    case kMsgScaleChanged:
      // The canvas is made again at the new scale: so are the engine's
      // surface, client rectangle and font heights.
      Layout(Width(), Height());
      Invalidate();
      return 0;
    default: {
      LRESULT result = 0;
      return SendTextMessage(message, wParam, lParam, &result) == S_OK ? result : 0;
    }
  }
}

LPARAM Edit::CanvasPixelsParam(LPARAM localUnits) const {
  const Rect at = CanvasPixels({static_cast<short>(LOWORD(localUnits)), static_cast<short>(HIWORD(localUnits)), 0, 0});
  return MAKELPARAM(at.x, at.y);
}

Rect Edit::LocalUnitsCovering(const Rect& canvasPixels) const {
  const Point origin = CanvasOrigin();
  const Rect abs = AbsoluteRect();
  return Scale().CoveringUnits(canvasPixels.offset(origin.x, origin.y)).offset(-abs.x, -abs.y);
}

Point Edit::CanvasOrigin() const {
  const Rect pixels = Scale().ToPixels(AbsoluteRect());
  return {pixels.x, pixels.y};
}

LRESULT Edit::Forward(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  (void)SendTextMessage(message, wParam, lParam, &result);
  return result;
}

bool Edit::SurvivesForward(UINT message, WPARAM wParam, LPARAM lParam) {
  const std::weak_ptr<UiControl* const> life = LifeToken();
  Forward(message, wParam, lParam);
  return !life.expired();
}

HRESULT Edit::SendTextMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (result) *result = 0;
  const std::shared_ptr<EditTextEngine> engine = engine_;  // held until the engine returns
  if (!engine) return -1;
  LRESULT answer = 0;
  const HRESULT status = engine->Services().TxSendMessage(message, wParam, lParam, &answer);
  if (result) *result = answer;
  return status;
}

void Edit::NotifyPropertyBits(std::uint32_t mask, std::uint32_t bits) {
  if (const std::shared_ptr<EditTextEngine> engine = engine_) {
    (void)engine->Services().OnTxPropertyBitsChange(mask, bits);
  }
}

// --- focus -------------------------------------------------------------------------

void Edit::OnSetFocus() {
  Paint(kStateHot);
  if (const std::shared_ptr<EditTextEngine> engine = engine_) (void)engine->Services().OnTxUIActivate();
  if (!SurvivesForward(WM_SETFOCUS, 0, 0)) return;
  (void)SetTimer(kEditCaretBlinkMs);
  HWND window = HostWindowHandle();
  CreateCaret(window, nullptr, Scale().Length(caretWidth_), Scale().Length(kSystemCaretHeight));
  caretSuppressed_ = false;
  if (editStyle_ == kEditPassword && window) {
    // No input method composes a password where it can be read.
    savedImeContext_ = ImmGetContext(window);
    if (savedImeContext_) {
      ImmAssociateContext(window, nullptr);
      ImmReleaseContext(window, savedImeContext_);
    }
  }
}

void Edit::RestoreInputContext() {
  if (!savedImeContext_) return;
  ImmAssociateContext(HostWindowHandle(), savedImeContext_);
  savedImeContext_ = nullptr;
}

void Edit::OnKillFocus() {
  RestoreInputContext();
  if (const std::shared_ptr<EditTextEngine> engine = engine_) (void)engine->Services().OnTxUIDeactivate();
  if (!SurvivesForward(WM_KILLFOCUS, 0, 0)) return;
  // With hideSelection the next blink tick finishes the change, so a click
  // that moves the focus does not first repaint the field without it.
  if (hideSelection_) return;
  Paint(0);
  KillTimer();
  caretSuppressed_ = true;
  DrawCaret(false, false);
  DestroyCaret();
}

void Edit::OnTimer(WPARAM /*id*/) {
  if (HasFocus()) {
    if (!caretSuppressed_) DrawCaret((caretPhase_ & 1) != 0, false);
    return;
  }
  FinishLosingFocus();
}

void Edit::FinishLosingFocus() {
  KillTimer();
  if (!SurvivesForward(WM_KILLFOCUS, 0, 0)) return;
  caretSuppressed_ = true;
  DrawCaret(false, false);
  DestroyCaret();
  Paint(0);
}

// --- keyboard ------------------------------------------------------------------------

LRESULT Edit::OnKeyDown(WPARAM key) {
  switch (key) {
    case VK_RETURN:
    case VK_SPACE:
      // The text engine's keys: the host must not turn them into a click.
      Forward(WM_KEYDOWN, key, 0);
      return 1;
    case VK_TAB:
      // The host moves the focus; the character that follows is dropped.
      Paint(0);
      return 0;
    default:
      Forward(WM_KEYDOWN, key, 0);
      return 0;
  }
}

LRESULT Edit::OnChar(WPARAM character, LPARAM lParam) {
  if (!EditTakesChar(editStyle_, static_cast<std::uint32_t>(character))) return 1;
  if (!SurvivesForward(WM_CHAR, character, lParam)) return 0;
  // Typing hides the mouse pointer on some systems; bring back the one the
  // pointer's control shows.
  const ControlHost* host = Host();
  const UiControl* hot = host ? host->HotControl() : nullptr;
  ::SetCursor(hot && hot->Cursor() ? hot->Cursor() : Engine().defaultCursor);
  return 0;
}

void Edit::OnCommand(WPARAM command) {
  switch (command) {
    case 'A':
      SetSelection(0, -1);
      break;
    case 'C':
      Copy();
      break;
    case 'V':
      Paste();
      break;
    case 'X':
      Cut();
      break;
    default:
      Forward(WM_COMMAND, command, 0);
      break;
  }
}

// --- text engine properties ------------------------------------------------------------

EditTextProperties Edit::Properties() const {
  return {richText_, multiLine_, scrollBars_, editStyle_, hideSelection_, disableDrag_};
}

void Edit::SetHideSelection(bool hide) {
  if (hide == hideSelection_) return;
  hideSelection_ = hide;
  const PropertyBitsChange change = HideSelectionChange(hide);
  NotifyPropertyBits(change.mask, change.bits);
}

void Edit::SetAlignment(TextAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  SetDefaultParaFormat({.alignment = alignment});
}

void Edit::SetEditStyle(int style) {
  if (style == editStyle_) return;
  editStyle_ = style;
  const PropertyBitsChange change = EditStyleChange(style);
  NotifyPropertyBits(change.mask, change.bits);
}

void Edit::SetPasswordChar(char16_t character) {
  if (editStyle_ != kEditPassword) return;
  passwordChar_ = character;
  const PropertyBitsChange change = PasswordCharChange(character != 0);
  NotifyPropertyBits(change.mask, change.bits);
}

void Edit::SetMultiLine(bool multiLine) {
  if (multiLine == multiLine_) return;
  multiLine_ = multiLine;
  const PropertyBitsChange change = MultiLineChange(multiLine);
  NotifyPropertyBits(change.mask, change.bits);
}

void Edit::SetScrollBars(int bars) { scrollBars_ = bars; }

void Edit::SetRichText(bool richText) {
  if (richText == richText_) return;
  richText_ = richText;
  const PropertyBitsChange change = RichTextChange(richText);
  NotifyPropertyBits(change.mask, change.bits);
}

void Edit::SetTextColour(Argb colour) {
  if (colour == textColour_) return;
  textColour_ = colour;
  windowColour_ = WindowColourAfterTextColour(colour, windowColour_);
  Invalidate();
}

void Edit::SetBackgroundColour(Argb colour) {
  if (colour == backgroundColour_) return;
  backgroundColour_ = colour;
  Invalidate();
}

void Edit::SetBorder(std::uint32_t border) {
  border_ = border;
  Invalidate();
}

void Edit::SetCaret(std::optional<Argb> colour, std::optional<int> width) {
  caretColour_ = colour.value_or(0xFF000000);
  caretWidth_ = width.value_or(1);
}

void Edit::SetDefaultCharFormat(const CharFormatRequest& request) {
  charFormat_ = MakeCharFormat(request);
  SendDefaultCharFormat();
}

EditCharFormat Edit::SurfaceCharFormat() const { return CharFormatForSurface(charFormat_, Scale().dpi(), dpiY_); }

void Edit::SendDefaultCharFormat() {
  formatWindowDpi_ = Scale().dpi();
  if (engine_) engine_->Host().SetCharFormat(SurfaceCharFormat());
  NotifyPropertyBits(kTxtBitCharFormatChange, kTxtBitCharFormatChange);
  // Not every text engine rereads the host's format on that notice (Wine's
  // keeps the one it was created with, so a field's own font never showed).
  // Setting it as the default and on the text already there gives the same
  // result on every engine.
  CHARFORMATW format = ToCharFormat(SurfaceCharFormat());
  if (format.dwMask == 0) return;
  if (!SurvivesForward(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format))) return;
  (void)Forward(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

void Edit::SetDefaultParaFormat(const ParaFormatRequest& request) {
  paraFormat_ = MakeParaFormat(request);
  if (engine_) engine_->Host().SetParaFormat(paraFormat_);
  NotifyPropertyBits(kTxtBitParaFormatChange, kTxtBitParaFormatChange);
}

// --- notifications from the text engine -------------------------------------------------

void Edit::Notify(DWORD code, void* data) {
  switch (code) {
    case EN_SELCHANGE: {
      const auto* change = static_cast<const SELCHANGE*>(data);
      caretSuppressed_ = change && change->chrg.cpMin != change->chrg.cpMax;
      if (caretSuppressed_) DrawCaret(false, false);
      if (const auto handler = selectionChanged_) handler(*this);
      break;
    }
    case EN_CHANGE:
      if (const auto handler = textChanged_) handler(*this);
      break;
    case EN_LINK: {
      const auto* link = static_cast<const ENLINK*>(data);
      if (!link) break;
      if (const auto handler = link_) {
        handler(*this, {link->msg, link->wParam, link->lParam, static_cast<int>(link->chrg.cpMin),
                        static_cast<int>(link->chrg.cpMax)});
      }
      break;
    }
    default:
      break;
  }
}

}  // namespace tabulo::ui
