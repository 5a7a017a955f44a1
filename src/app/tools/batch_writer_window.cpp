#include "app/tools/batch_writer_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/forms/open_window.h"
#include "app/resource_ids.h"
#include "app/tools/batch_writer_texts.h"
#include "base/win/resource_bytes.h"
#include "base/win/wide_text.h"
#include "ui/control/engine_messages.h"
#include "ui/engine/font_names.h"

namespace tabulo::app {
namespace {

constexpr FormId kForm = BatchWriterWindow::kForm;

// The form's places.
constexpr Rect kListPlace = FormControlOf(kForm, "超级列表框1").rect;
constexpr Rect kTickAllPlace = FormControlOf(kForm, "选择框1").rect;
constexpr Rect kAddPlace = FormControlOf(kForm, "按钮1").rect;
constexpr Rect kDeletePlace = FormControlOf(kForm, "按钮2").rect;
constexpr Rect kClearPlace = FormControlOf(kForm, "按钮3").rect;
constexpr Rect kWritePlace = FormControlOf(kForm, "按钮4").rect;
constexpr Rect kStatusPlace = FormControlOf(kForm, "标签1").rect;
constexpr Rect kHintPlace = FormControlOf(kForm, "标签2").rect;
constexpr Argb kHintRed = 0xFFFF0000;

// Context menu items, numbered as the menu numbers them.
constexpr int kMenuOpen = 2;
constexpr int kMenuDelete = 3;

// Counts the window's own row changes for the time of a call.
class RowChangeScope {
 public:
  explicit RowChangeScope(int& depth) : depth_(depth) { ++depth_; }
  RowChangeScope(const RowChangeScope&) = delete;
  RowChangeScope& operator=(const RowChangeScope&) = delete;
  ~RowChangeScope() { --depth_; }

 private:
  int& depth_;
};

// The dropped paths as one text, "\r\n" between them, in the drop's order.
std::string DroppedPathsText(HDROP drop) {
  std::string text;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
    if (!text.empty()) text += "\r\n";
    text += Narrow(path);
  }
  return text;
}

}  // namespace

BatchWriterWindow::BatchWriterWindow(AppContext& context) : BoundFormWindow(kForm, context) {}

bool BatchWriterWindow::Build() {
  ui::BindOptions options;
  options.background = ResourceBytes(IDR_WRITER_BACKGROUND_JPG);
  options.backgroundColour = 0xFFFFFF;
  options.captionButtons = ui::kCaptionFromStyles;
  options.fillType = ui::FillType::kStretch;
  options.glass = true;
  options.cornerRadius = 2;
  options.dragAnywhere = true;
  if (!CreateAndBind(options)) return false;
  // The list view is a native child of this opaque window: the engine's
  // painting must leave its area alone.
  SetWindowLongW(hwnd(), GWL_STYLE, GetWindowLongW(hwnd(), GWL_STYLE) | WS_CLIPCHILDREN);
  DragAcceptFiles(hwnd(), TRUE);
  dialogFolder_ = DesktopFolder();
  BuildContextMenu();
  if (!CreateControls()) return false;
  logic_.Open();
  return true;
}

bool BatchWriterWindow::CreateControls() {
  if (!list_.Create(hwnd(), kListPlace, kFileListViewId, ui_.Scale())) return false;
  // The list is a native window: the engine's scaling does not reach it.
  ui_.Bind(ui::kMsgScaleChanged, [this](const ui::EventArgs&) {
    list_.Rescale(ui_.Scale());
    return false;
  });

  ui::ButtonOptions tickAll;
  tickAll.text = batch_writer_texts::kTickAll;
  if (!tickAll_.Create(ui_, kTickAllPlace, tickAll)) return false;
  tickAll_.SetTicked(true);
  tickAll_.OnClick([this] { logic_.OnTickAllClicked(tickAll_.Ticked()); });

  struct ButtonPlan {
    const char* text;
    Rect rect;
    void (BatchWriter::*action)();
  };
  const ButtonPlan plans[] = {
      {batch_writer_texts::kAdd, kAddPlace, &BatchWriter::OnAdd},
      {batch_writer_texts::kDelete, kDeletePlace, &BatchWriter::OnDeleteSelected},
      {batch_writer_texts::kClear, kClearPlace, &BatchWriter::OnClear},
      {batch_writer_texts::kWrite, kWritePlace, &BatchWriter::OnWrite},
  };
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    ui::ButtonOptions button;
    button.text = plans[i].text;
    button.font.face = ui::kMicrosoftYaHei;
    if (!buttons_[i].Create(ui_, plans[i].rect, button)) return false;
    buttons_[i].OnClick([this, action = plans[i].action] { (logic_.*action)(); });
  }

  ui::LabelOptions status;
  status.font.face = ui::kMicrosoftYaHei;
  if (!status_.Create(ui_, kStatusPlace, status)) return false;
  ui::LabelOptions hint;
  hint.text = batch_writer_texts::kHint;
  hint.textColour = kHintRed;
  hint.font.face = ui::kMicrosoftYaHei;
  return hint_.Create(ui_, kHintPlace, hint);
}

void BatchWriterWindow::BuildContextMenu() {
  menu_.AddCallback(batch_writer_texts::kMenuAdd, [this] { logic_.OnAdd(); });
  menu_.AddCallback(batch_writer_texts::kMenuOpen, [this] { logic_.OnOpenSelected(); });
  menu_.AddCallback(batch_writer_texts::kMenuDelete, [this] { logic_.OnDeleteSelected(); });
  menu_.AddCallback(batch_writer_texts::kMenuClear, [this] { logic_.OnClear(); });
}

void BatchWriterWindow::AppendRow(const FileRow& row) {
  RowChangeScope scope(changingRows_);
  list_.AppendRow(row);
}

void BatchWriterWindow::RemoveRow(std::size_t index) {
  RowChangeScope scope(changingRows_);
  list_.RemoveRow(index);
}

void BatchWriterWindow::RemoveAllRows() {
  RowChangeScope scope(changingRows_);
  list_.RemoveAllRows();
}

void BatchWriterWindow::SetRowTicked(std::size_t index, bool ticked) {
  RowChangeScope scope(changingRows_);
  list_.SetTicked(index, ticked);
}

void BatchWriterWindow::PopUpContextMenu(const FileListMenuState& state) {
  menu_.SetItemState(kMenuOpen, state.openEnabled ? 0 : ui::kMenuItemDisabled);
  menu_.SetItemState(kMenuDelete, state.deleteEnabled ? 0 : ui::kMenuItemDisabled);
  menu_.Popup(ui_);
}

std::optional<std::string> BatchWriterWindow::ChooseFile() {
  return context().dialogs->ChooseFile(hwnd(), dialogFolder_);
}

std::optional<LRESULT> BatchWriterWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DROPFILES) {
    OnDrop(reinterpret_cast<HDROP>(wParam));
    return 0;
  }
  if (message == WM_NOTIFY) {
    const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
    if (header.hwndFrom == list_.hwnd()) OnListNotify(header);
  }
  return std::nullopt;
}

void BatchWriterWindow::OnDrop(HDROP drop) {
  const std::string paths = DroppedPathsText(drop);
  DragFinish(drop);
  logic_.OnFilesDropped(paths);
}

void BatchWriterWindow::OnListNotify(const NMHDR& header) {
  switch (header.code) {
    case LVN_ITEMCHANGED:
      if (changingRows_ > 0) return;
      if (auto change = FileListView::TickChange(reinterpret_cast<const NMLISTVIEW&>(header))) {
        logic_.OnRowTickChanged(change->first, change->second);
      }
      return;
    case NM_DBLCLK:
      logic_.OnOpenSelected();
      return;
    case NM_RCLICK:
      logic_.OnContextMenu();
      return;
    default:
      return;
  }
}

void RunBatchWriterWindow(AppContext& context) { (void)OpenWindow<BatchWriterWindow>(context); }

}  // namespace tabulo::app
