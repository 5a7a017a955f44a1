#pragma once
// Edit: the engine's text field (class "Edit", number 9). It owns no
// window: the platform's windowless rich-text engine keeps the text, the
// selection and the layout, and the Edit is that engine's host. It hands the
// engine a drawing surface, its text rectangle, colours and property bits,
// forwards keyboard and mouse input to it, copies the engine's drawing into
// the control's canvas, draws the blinking caret itself, and mirrors the
// engine's scroll ranges into two child ScrollBar controls.
//
// Texts are UTF-8 here and UTF-16 towards the engine.
//
// Without a text engine (an Edit created before the engine's services
// exist, or a platform that cannot make one) the control is an empty
// skinned box: reads give empty results and writes do nothing.
//
// Handlers run inside the text engine's notifications (text and selection
// changes, links) and repaints; one may destroy or delete its own Edit or
// the window there. Every call into the engine holds the engine for its
// length (EditTextEngine), and the Edit checks its life token after each
// call that can run a handler before it touches itself again. One limit: a
// handler run while one of the Edit's own scroll bars handles a message (the
// wheel, a drag) may destroy the Edit but not delete the object, which owns
// that bar.
//
// Caveat: the caret is drawn straight onto the window canvas, outside the
// control's own picture, so a recomposition of its area takes it away until
// the next blink.
//
// Scale: the control is laid out in its window's units like every control,
// but the text engine draws with GDI in device pixels. It is handed the
// pixels of the control's canvas (its client rectangle, its surface, the
// mouse), reports pixels (invalid areas, the caret), and is given font
// heights at the window's DPI over its surface's. At 96 DPI the two are
// the same numbers.
#include <windows.h>
#include <imm.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/color/color.h"
#include "base/geometry/dpi_scale.h"
#include "ui/canvas/canvas.h"
#include "ui/control/ui_control.h"
#include "ui/controls/edit_formats.h"
#include "ui/controls/edit_layout.h"
#include "ui/controls/edit_properties.h"

namespace tabulo::ui {

class EditTextEngine;
class EditTextHost;
class ScrollBar;
class UiMenu;

inline constexpr char kEditElement[] = "Edit";
inline constexpr UINT kEditCaretBlinkMs = 500;

// The Edit's own events.
inline constexpr std::uint32_t kMsgEditTextChanged = 20701;
inline constexpr std::uint32_t kMsgEditLink = 20703;
inline constexpr std::uint32_t kMsgEditSelectionChanged = 20704;

inline constexpr Argb kEditDefaultTextColour = 0xF0000000;  // black, alpha 240
inline constexpr char16_t kEditDefaultPasswordChar = u'\u25CF';  // "●"

struct EditOptions {
  std::string text;
  Argb textColour = kEditDefaultTextColour;
  Argb backgroundColour = 0;  // 0: the skin is drawn
  // A font is made for the Edit when any of the three is given; the missing
  // ones are the engine's default face, 12 and regular.
  std::optional<std::string> fontFace;
  std::optional<float> fontSize;
  std::optional<int> fontStyle;
  bool multiLine = false;
  int scrollBars = kEditNoBars;
  int maxLength = 0;  // 0: the text engine's own limit
  bool hideSelection = true;
  TextAlignment alignment = TextAlignment::kNear;
  int editStyle = kEditNormal;
  std::optional<char16_t> passwordChar;  // default "●"
  bool richText = false;
  std::uint32_t border = 0;  // a DrawFrame style
  bool visible = true;
  std::string name = "Edit";
};

// A link under the mouse (EN_LINK).
struct EditLink {
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  int start = 0;
  int end = 0;
};

// The character format of the selection as the Edit reports it.
struct EditCharFormatValues {
  std::uint32_t effects = 0;
  int size = 0;
  int offset = 0;
  Argb colour = 0;  // alpha 255
  std::string face;
};

struct EditParaFormatValues {
  TextAlignment alignment = TextAlignment::kNear;
  int startIndent = 0;
  int offset = 0;
  int rightIndent = 0;
  int numbering = 0;
};

struct FormattedText {
  std::string_view text;
  CharFormatRequest format;
  bool atEnd = true;
  bool undoable = true;
};

// The popup menu every Edit shows on a right-click (cut, copy, paste, a
// separator, select all), built from the engine's item list on first use.
[[nodiscard]] UiMenu& EditContextMenu();

struct CharacterRange {
  int start = 0;
  int end = 0;
};

class Edit : public UiControl {
 public:
  Edit();
  ~Edit() override;

  // False when the base creation fails.
  [[nodiscard]] bool Create(ControlParent parent, const Rect& rect, const EditOptions& options = {});

  // --- fields ---------------------------------------------------------------
  [[nodiscard]] bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool hide);
  [[nodiscard]] TextAlignment Alignment() const { return alignment_; }
  void SetAlignment(TextAlignment alignment);
  [[nodiscard]] int EditStyle() const { return editStyle_; }
  void SetEditStyle(int style);
  [[nodiscard]] char16_t PasswordChar() const { return passwordChar_; }
  // Only in a password field; 0 shows the text again.
  void SetPasswordChar(char16_t character);
  [[nodiscard]] bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool multiLine);
  [[nodiscard]] int ScrollBars() const { return scrollBars_; }
  void SetScrollBars(int bars);  // takes effect at the next layout
  // The engine's limit (65536 when none was set).
  [[nodiscard]] int MaxLength();
  void SetMaxLength(int length);  // 0: the engine's own limit
  // The colour takes effect with the next caret the text engine asks for.
  void SetCaret(std::optional<Argb> colour = std::nullopt, std::optional<int> width = std::nullopt);
  [[nodiscard]] Argb TextColour() const { return textColour_; }
  // A text colour with the window colour's RGB turns the window colour into
  // the text colour's inverse, so the text stays readable.
  void SetTextColour(Argb colour);
  [[nodiscard]] Argb SelectionTextColour() const { return selectionTextColour_; }
  void SetSelectionTextColour(Argb colour) { selectionTextColour_ = colour; }
  [[nodiscard]] Argb BackgroundColour() const { return backgroundColour_; }
  void SetBackgroundColour(Argb colour);
  [[nodiscard]] Argb SelectionColour() const { return selectionColour_; }
  void SetSelectionColour(Argb colour) { selectionColour_ = colour; }
  [[nodiscard]] Argb WindowColour() const { return windowColour_; }
  [[nodiscard]] std::uint32_t Border() const { return border_; }
  void SetBorder(std::uint32_t border);
  [[nodiscard]] bool RichText() const { return richText_; }
  void SetRichText(bool richText);

  // --- text -----------------------------------------------------------------
  [[nodiscard]] std::string GetText();
  // Screen readers get the text as the field's value (its name is the label
  // before it); a password field that hides its text does not give it.
  [[nodiscard]] AccessibleInfo Accessible() const override;
  void SetText(std::string_view text);
  void AppendText(std::string_view text);
  [[nodiscard]] int TextLength();
  [[nodiscard]] std::string SelectedText();
  // end -1: to the end of the text.
  void SetSelection(int start, int end = -1);
  [[nodiscard]] CharacterRange SelectionRange();
  [[nodiscard]] std::string TextInRange(int start, int end);
  void InsertFormattedText(const FormattedText& insert);
  // Plain text or RTF in place of the selection.
  void ReplaceSelection(std::string_view text);
  // The position found, or -1.
  [[nodiscard]] int FindText(std::string_view text, int from, bool matchCase = false, bool wholeWord = false);
  // The number of characters the engine read; 0 without an engine.
  LRESULT LoadRtf(std::span<const std::uint8_t> rtf);
  // Empty when the engine reported an error.
  [[nodiscard]] std::vector<std::uint8_t> SaveRtf();

  // --- formats --------------------------------------------------------------
  void SetDefaultCharFormat(const CharFormatRequest& request);
  void SetDefaultParaFormat(const ParaFormatRequest& request);
  [[nodiscard]] const EditCharFormat& DefaultCharFormat() const { return charFormat_; }
  [[nodiscard]] const EditParaFormat& DefaultParaFormat() const { return paraFormat_; }
  [[nodiscard]] std::optional<EditCharFormatValues> SelectionCharFormat();
  // True when a format was sent and the engine took it.
  bool SetSelectionCharFormat(const CharFormatRequest& request);
  [[nodiscard]] std::optional<EditParaFormatValues> SelectionParaFormat();
  bool SetSelectionParaFormat(const ParaFormatRequest& request);
  void SetAutoUrlDetect(bool on);

  // --- editing --------------------------------------------------------------
  void Cut();
  void Copy();
  void Paste();
  [[nodiscard]] bool CanPaste();
  void ClearSelection();
  void Undo();
  [[nodiscard]] bool CanUndo();
  void Redo();
  void SetUndoLimit(int limit);
  void EmptyUndoBuffer();
  [[nodiscard]] bool Modified();
  void SetModified(bool modified);

  // --- lines and scrolling --------------------------------------------------
  void ScrollLines(int count);  // 0 counts as 1
  struct PageScroll {
    int lines = 0;
    bool scrolled = false;
  };
  PageScroll ScrollPage(bool up);
  [[nodiscard]] int LineCount();
  [[nodiscard]] std::string LineText(int line);
  [[nodiscard]] int LineLength(int line);
  [[nodiscard]] int LineFromChar(int position = -1);
  struct LineColumn {
    int line = 0;
    int column = 0;
  };
  [[nodiscard]] LineColumn CaretLineColumn();
  [[nodiscard]] int FirstVisibleLine();

  // --- context menu ---------------------------------------------------------
  // The states the shared edit menu's items get for this field now; nothing
  // for a password field, which shows no menu.
  [[nodiscard]] std::optional<EditMenuStates> ContextMenuStates();

  // --- the text engine ------------------------------------------------------
  [[nodiscard]] bool HasTextEngine() const { return static_cast<bool>(engine_); }
  // The engine's status; -1 without an engine.
  HRESULT SendTextMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr);
  void NotifyPropertyBits(std::uint32_t mask, std::uint32_t bits);

  // --- events ---------------------------------------------------------------
  void BindTextChanged(std::function<void(Edit&)> handler) { textChanged_ = std::move(handler); }
  void BindSelectionChanged(std::function<void(Edit&)> handler) { selectionChanged_ = std::move(handler); }
  void BindLink(std::function<void(Edit&, const EditLink&)> handler) { link_ = std::move(handler); }

  // --- geometry and caret ---------------------------------------------------
  [[nodiscard]] const Rect& TextRect() const { return layout_.textRect; }
  [[nodiscard]] const HimetricInset& ViewInset() const { return layout_.viewInset; }
  [[nodiscard]] const Size& Extent() const { return layout_.extent; }
  // The bars while they exist as controls; null otherwise.
  [[nodiscard]] ScrollBar* VerticalBar() const { return Bar(SB_VERT); }
  [[nodiscard]] ScrollBar* HorizontalBar() const { return Bar(SB_HORZ); }
  // Where the caret goes (window pixels) and whether it is kept hidden
  // (a selection exists or the focus is elsewhere).
  [[nodiscard]] Rect CaretRect() const;
  // The text rectangle in the control's canvas pixels: the engine's client
  // rectangle.
  [[nodiscard]] const Rect& TextPixels() const { return textPixels_; }
  [[nodiscard]] bool CaretSuppressed() const { return caretSuppressed_; }
  // Draws (show) or removes the caret; restart begins a new blink cycle.
  void DrawCaret(bool show, bool restart);

  [[nodiscard]] std::optional<RectF> ContentRect() const override;

 protected:
  LRESULT ClassHandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Called by Layout once the text rectangle is known, and by Paint after
  // the background; for classes built on the Edit.
  virtual void LayoutHook() {}
  virtual void BackgroundHook(Gdiplus::Graphics& /*graphics*/) {}

  void Paint(std::uint32_t state);
  void Layout(int width, int height);

 private:
  friend class EditTextHost;

  // Message handling.
  void OnCreate();
  void OnDestroy();
  void OnSetFocus();
  void OnKillFocus();
  void OnTimer(WPARAM id);
  LRESULT OnKeyDown(WPARAM key);
  LRESULT OnChar(WPARAM character, LPARAM lParam);
  void OnCommand(WPARAM command);
  void OnMouseWheel(WPARAM wParam, LPARAM lParam);
  void ShowContextMenu();
  LRESULT Forward(UINT message, WPARAM wParam, LPARAM lParam);
  // Forward for a message after which the caller still has work to do:
  // false when a handler run inside the engine destroyed or deleted this
  // Edit meanwhile, and the caller must return without touching it.
  [[nodiscard]] bool SurvivesForward(UINT message, WPARAM wParam, LPARAM lParam);
  void FinishLosingFocus();
  // Gives the window back the input method context a password field took.
  void RestoreInputContext();

  // Scroll bars.
  void PlaceBars(int lineHeight);
  void OnBarMoved(bool vertical, int position);
  [[nodiscard]] ScrollBar* Bar(int which) const;

  // Units and the engine's pixels.
  // A local point in the canvas's pixels, as the engine takes the mouse.
  [[nodiscard]] LPARAM CanvasPixelsParam(LPARAM localUnits) const;
  // The local unit rectangle that covers an area of the canvas's pixels.
  [[nodiscard]] Rect LocalUnitsCovering(const Rect& canvasPixels) const;
  // Where the canvas's pixel 0 lies in the window's pixels.
  [[nodiscard]] Point CanvasOrigin() const;

  // Text engine plumbing.
  [[nodiscard]] EditTextProperties Properties() const;
  // The default format as the engine must get it: at the window's DPI over
  // the drawing surface's.
  [[nodiscard]] EditCharFormat SurfaceCharFormat() const;
  void SendDefaultCharFormat();
  [[nodiscard]] int MeasureLineHeight() const;
  [[nodiscard]] std::wstring WideText();
  void SetWideText(const std::wstring& text);
  // False when the Edit went meanwhile (see SurvivesForward).
  [[nodiscard]] bool MoveCaretToEnd();
  void PlaceCaret(int x, int y);
  void Notify(DWORD code, void* data);

  // The text engine and its host, from creation to destruction; each call
  // into the engine takes its own reference (see the top of this file).
  std::shared_ptr<EditTextEngine> engine_;

  // Fields.
  bool richText_ = false;
  bool disableDrag_ = true;
  char16_t passwordChar_ = kEditDefaultPasswordChar;
  bool hideSelection_ = true;
  TextAlignment alignment_ = TextAlignment::kNear;
  int editStyle_ = kEditNormal;
  bool multiLine_ = false;
  int scrollBars_ = kEditNoBars;
  int maxLength_ = 0;  // as given to the engine; 0: the engine's own limit
  Argb windowColour_ = 0xFFFFFFFF;
  Argb backgroundColour_ = 0;
  Argb selectionColour_ = 0xFF3399FF;
  Argb textColour_ = kEditDefaultTextColour;
  Argb selectionTextColour_ = 0xFFFFFFFF;
  std::uint32_t border_ = 0;
  EditCharFormat charFormat_;
  EditParaFormat paraFormat_;

  // Geometry (control coordinates; inset and extent in HIMETRIC), rebuilt by
  // Layout on creation and on every size change; the text rectangle again
  // in canvas pixels.
  EditLayout layout_;
  Rect textPixels_;
  int formatWindowDpi_ = 96;  // the window's DPI the engine's default format was sent for
  int dpiX_ = 96;
  int dpiY_ = 96;
  Canvas drawSurface_;  // the text engine draws here, then it is copied to the canvas
  // Child controls, made by the first layout that needs them. Destroying
  // the Edit destroys them but keeps the objects (one may be running the
  // handler that destroyed the Edit); a new life creates them again.
  std::unique_ptr<ScrollBar> horizontalBar_;
  std::unique_ptr<ScrollBar> verticalBar_;
  bool scrollSync_ = false;  // a position is being passed between engine and bar

  // Caret: drawn by the Edit onto the window canvas, as a bar of the height
  // and colour current when the text engine last asked for a caret. Its
  // place is the engine's, in canvas pixels; its width is in units.
  int caretHeight_ = 0;
  Argb caretDrawColour_ = 0xFF000000;
  Argb caretColour_ = 0xFF000000;
  int caretWidth_ = 1;
  int caretX_ = 0;
  int caretY_ = 0;
  int caretPhase_ = 0;  // drawn on a tick when odd
  bool caretSuppressed_ = true;
  HIMC savedImeContext_ = nullptr;  // a focused password field's window's context, taken from it

  std::function<void(Edit&)> textChanged_;
  std::function<void(Edit&)> selectionChanged_;
  std::function<void(Edit&, const EditLink&)> link_;
};

}  // namespace tabulo::ui
