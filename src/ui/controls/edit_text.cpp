// Edit: the text operations, each one message (or a few) to the text
// engine. The engine speaks UTF-16: texts are converted here, and buffers
// are sized from the engine's own counts. Every operation gives an empty
// result without a text engine.
#include <algorithm>
#include <new>

#include "base/win/wide_text.h"
#include "ui/controls/edit.h"
#include "ui/controls/text_services.h"

namespace tabulo::ui {
namespace {

constexpr UINT kUnicodeCodePage = 1200;
// The find flags of the common dialogs (commdlg.h), which EM_FINDTEXT shares.
constexpr WPARAM kFindDown = 1;
constexpr WPARAM kFindWholeWord = 2;
constexpr WPARAM kFindMatchCase = 4;

// The state of one RTF transfer, handed to the stream callback as its cookie.
struct RtfTransfer {
  std::span<const std::uint8_t> input;  // reading into the engine
  std::vector<std::uint8_t> output;     // writing out of it
  std::size_t position = 0;
};

DWORD CALLBACK ReadRtf(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* transferred) {
  auto& transfer = *reinterpret_cast<RtfTransfer*>(cookie);
  const std::size_t left = transfer.input.size() - transfer.position;
  const std::size_t n = std::min(left, static_cast<std::size_t>(std::max(count, 0L)));
  std::copy_n(transfer.input.data() + transfer.position, n, buffer);
  transfer.position += n;
  *transferred = static_cast<LONG>(n);
  return 0;
}

DWORD CALLBACK WriteRtf(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* transferred) {
  auto& transfer = *reinterpret_cast<RtfTransfer*>(cookie);
  try {
    transfer.output.insert(transfer.output.end(), buffer, buffer + std::max(count, 0L));
  } catch (const std::bad_alloc&) {
    *transferred = 0;
    return 1;  // the engine stops and reports the error
  }
  *transferred = count;
  return 0;
}

std::string NarrowCounted(const std::wstring& buffer, LRESULT count) {
  const std::size_t n = std::clamp<std::size_t>(static_cast<std::size_t>(std::max<LRESULT>(count, 0)), 0,
                                                buffer.size());
  return Narrow(std::wstring_view(buffer).substr(0, n));
}

}  // namespace

// --- whole text ------------------------------------------------------------------

std::wstring Edit::WideText() {
  if (!engine_) return {};
  // With line breaks counted as CR LF, as WM_GETTEXT writes them.
  GETTEXTLENGTHEX length{GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, kUnicodeCodePage};
  const LRESULT units = Forward(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
  if (units <= 0) return {};
  std::wstring buffer(static_cast<std::size_t>(units) + 1, L'\0');
  const LRESULT copied = Forward(WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(static_cast<std::size_t>(std::clamp<LRESULT>(copied, 0, units)));
  return buffer;
}

void Edit::SetWideText(const std::wstring& text) { Forward(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())); }

std::string Edit::GetText() { return Narrow(WideText()); }

AccessibleInfo Edit::Accessible() const {
  AccessibleInfo info = UiControl::Accessible();
  if (editStyle_ == kEditPassword && passwordChar_ != 0) return info;
  // Reading the text is a message to the text services, which the interface
  // does not mark const; it changes nothing.
  info.value = const_cast<Edit*>(this)->GetText();
  return info;
}

void Edit::SetText(std::string_view text) { SetWideText(Wide(text)); }

int Edit::TextLength() {
  GETTEXTLENGTHEX length{GTL_PRECISE | GTL_NUMCHARS, kUnicodeCodePage};
  return static_cast<int>(Forward(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
}

bool Edit::MoveCaretToEnd() {
  const std::weak_ptr<UiControl* const> life = LifeToken();
  const int end = TextLength();
  SetSelection(end, end);  // a selection handler runs
  return !life.expired();
}

void Edit::AppendText(std::string_view text) {
  if (!MoveCaretToEnd()) return;
  const std::wstring wide = Wide(text);
  Forward(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
}

int Edit::MaxLength() { return static_cast<int>(Forward(EM_GETLIMITTEXT, 0, 0)); }

void Edit::SetMaxLength(int length) {
  maxLength_ = std::max(length, 0);
  Forward(EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

// --- selection -------------------------------------------------------------------

void Edit::SetSelection(int start, int end) {
  CHARRANGE range{start, end};
  Forward(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

CharacterRange Edit::SelectionRange() {
  CHARRANGE range{};
  Forward(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return {static_cast<int>(range.cpMin), static_cast<int>(range.cpMax)};
}

std::string Edit::SelectedText() {
  const CharacterRange range = SelectionRange();
  if (range.end <= range.start) return {};
  std::wstring buffer(static_cast<std::size_t>(range.end - range.start) + 1, L'\0');
  return NarrowCounted(buffer, Forward(EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(buffer.data())));
}

std::string Edit::TextInRange(int start, int end) {
  if (end == -1) end = TextLength();
  if (start < 0 || end <= start) return {};
  std::wstring buffer(static_cast<std::size_t>(end - start) + 1, L'\0');
  TEXTRANGEW range{{start, end}, buffer.data()};
  return NarrowCounted(buffer, Forward(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range)));
}

void Edit::ReplaceSelection(std::string_view text) {
  // RTF goes over as the bytes it is; plain text as UTF-16.
  if (text.starts_with("{\\rtf")) {
    const std::string rtf(text);
    SETTEXTEX how{ST_SELECTION, CP_ACP};
    Forward(EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how), reinterpret_cast<LPARAM>(rtf.c_str()));
    return;
  }
  const std::wstring wide = Wide(text);
  SETTEXTEX how{ST_SELECTION, kUnicodeCodePage};
  Forward(EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how), reinterpret_cast<LPARAM>(wide.c_str()));
}

void Edit::InsertFormattedText(const FormattedText& insert) {
  if (insert.atEnd && !MoveCaretToEnd()) return;
  const std::weak_ptr<UiControl* const> life = LifeToken();
  (void)SetSelectionCharFormat(insert.format);
  if (life.expired()) return;
  const std::wstring wide = Wide(insert.text);
  Forward(EM_REPLACESEL, insert.undoable ? TRUE : FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
}

int Edit::FindText(std::string_view text, int from, bool matchCase, bool wholeWord) {
  if (!engine_) return -1;
  const std::wstring wide = Wide(text);
  FINDTEXTW find{{from, -1}, wide.c_str()};
  WPARAM flags = kFindDown;
  if (matchCase) flags |= kFindMatchCase;
  if (wholeWord) flags |= kFindWholeWord;
  return static_cast<int>(Forward(EM_FINDTEXTW, flags, reinterpret_cast<LPARAM>(&find)));
}

// --- RTF -------------------------------------------------------------------------

LRESULT Edit::LoadRtf(std::span<const std::uint8_t> rtf) {
  RtfTransfer transfer{rtf, {}, 0};
  EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&transfer), 0, ReadRtf};
  return Forward(EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
}

std::vector<std::uint8_t> Edit::SaveRtf() {
  if (!engine_) return {};
  RtfTransfer transfer;
  EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&transfer), 0, WriteRtf};
  Forward(EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&stream));
  if (stream.dwError != 0) return {};
  return std::move(transfer.output);
}

// --- formats of the selection ----------------------------------------------------

std::optional<EditCharFormatValues> Edit::SelectionCharFormat() {
  if (!engine_) return std::nullopt;
  CHARFORMATW format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_SIZE | CFM_OFFSET | CFM_COLOR |
                  CFM_FACE | CFM_CHARSET;
  Forward(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  const EditCharFormat values = CharFormatFromSurface(FromCharFormat(format), Scale().dpi(), dpiY_);
  return EditCharFormatValues{values.effects, SizeFromCharFormat(values), values.offset, ToArgb(values.colour),
                              Narrow(std::wstring(values.face.begin(), values.face.end()))};
}

bool Edit::SetSelectionCharFormat(const CharFormatRequest& request) {
  CHARFORMATW format = ToCharFormat(CharFormatForSurface(MakeCharFormat(request), Scale().dpi(), dpiY_));
  if (format.dwMask == 0) return false;
  return Forward(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format)) != 0;
}

std::optional<EditParaFormatValues> Edit::SelectionParaFormat() {
  if (!engine_) return std::nullopt;
  PARAFORMAT format{};
  format.cbSize = sizeof format;
  format.dwMask = PFM_NUMBERING | PFM_STARTINDENT | PFM_RIGHTINDENT | PFM_OFFSET | PFM_ALIGNMENT;
  Forward(EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
  const EditParaFormat values = FromParaFormat(format);
  return EditParaFormatValues{AlignmentFromParaFormat(values.alignment), values.startIndent, values.offset,
                              values.rightIndent, values.numbering};
}

bool Edit::SetSelectionParaFormat(const ParaFormatRequest& request) {
  PARAFORMAT format = ToParaFormat(MakeParaFormat(request));
  return Forward(EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format)) != 0;
}

void Edit::SetAutoUrlDetect(bool on) { Forward(EM_AUTOURLDETECT, on ? TRUE : FALSE, 0); }

// --- editing ---------------------------------------------------------------------

void Edit::Cut() { Forward(WM_CUT, 0, 0); }
void Edit::Copy() { Forward(WM_COPY, 0, 0); }
void Edit::Paste() { Forward(WM_PASTE, 0, 0); }
bool Edit::CanPaste() { return Forward(EM_CANPASTE, 0, 0) != 0; }
void Edit::ClearSelection() { Forward(WM_CLEAR, 0, 0); }
void Edit::Undo() { Forward(EM_UNDO, 0, 0); }
bool Edit::CanUndo() { return Forward(EM_CANUNDO, 0, 0) != 0; }
void Edit::Redo() { Forward(EM_REDO, 0, 0); }
void Edit::SetUndoLimit(int limit) { Forward(EM_SETUNDOLIMIT, static_cast<WPARAM>(std::max(limit, 0)), 0); }
void Edit::EmptyUndoBuffer() { Forward(EM_EMPTYUNDOBUFFER, 0, 0); }
bool Edit::Modified() { return Forward(EM_GETMODIFY, 0, 0) != 0; }
void Edit::SetModified(bool modified) { Forward(EM_SETMODIFY, modified ? TRUE : FALSE, 0); }

// --- lines and scrolling -----------------------------------------------------------

void Edit::ScrollLines(int count) { Forward(EM_LINESCROLL, 0, count == 0 ? 1 : count); }

Edit::PageScroll Edit::ScrollPage(bool up) {
  const LRESULT result = Forward(EM_SCROLL, up ? SB_PAGEUP : SB_PAGEDOWN, 0);
  return {static_cast<short>(LOWORD(result)), HIWORD(result) != 0};
}

int Edit::LineCount() { return static_cast<int>(Forward(EM_GETLINECOUNT, 0, 0)); }

int Edit::LineLength(int line) {
  const LRESULT index = Forward(EM_LINEINDEX, static_cast<WPARAM>(line), 0);
  if (index < 0) return 0;
  return static_cast<int>(Forward(EM_LINELENGTH, static_cast<WPARAM>(index), 0));
}

std::string Edit::LineText(int line) {
  const int length = LineLength(line);
  if (length <= 0) return {};
  // EM_GETLINE reads the buffer's size from its first code unit; the line
  // may come with its line break.
  std::wstring buffer(static_cast<std::size_t>(length) + 2, L'\0');
  buffer[0] = static_cast<wchar_t>(buffer.size());
  const LRESULT copied = Forward(EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer.data()));
  std::string text = NarrowCounted(buffer, copied);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
  return text;
}

int Edit::LineFromChar(int position) {
  return static_cast<int>(Forward(EM_LINEFROMCHAR, static_cast<WPARAM>(position), 0));
}

Edit::LineColumn Edit::CaretLineColumn() {
  DWORD start = 0;
  DWORD end = 0;
  Forward(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const int line = LineFromChar(static_cast<int>(start));
  const LRESULT lineStart = Forward(EM_LINEINDEX, static_cast<WPARAM>(line), 0);
  return {line, static_cast<int>(start) - static_cast<int>(lineStart)};
}

int Edit::FirstVisibleLine() { return static_cast<int>(Forward(EM_GETFIRSTVISIBLELINE, 0, 0)); }

}  // namespace tabulo::ui
