#include "app/tools/file_list_view.h"

#include <commctrl.h>

#include <utility>

#include "app/tools/batch_writer_texts.h"
#include "base/win/system_library.h"
#include "base/win/wide_text.h"
#include "ui/engine/font_names.h"

namespace tabulo::app {
namespace {

struct Column {
  const char* title;
  int width;
};
constexpr Column kColumns[] = {
    {batch_writer_texts::kTickColumn, 18},
    {batch_writer_texts::kNameColumn, 200},
    {batch_writer_texts::kFolderColumn, 245},
};

// Microsoft YaHei 9 point as the list asks for it: 12 pixels at 96 dpi, regular,
// GB2312 character set.
HFONT MakeListFont(DpiScale scale) {
  constexpr int kListFontPoints = 9;
  LOGFONTW font{};
  font.lfHeight = -scale.FontPixels(kListFontPoints);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = GB2312_CHARSET;
  lstrcpynW(font.lfFaceName, Wide(ui::kMicrosoftYaHei).c_str(), LF_FACESIZE);
  return CreateFontIndirectW(&font);
}

void SetCellText(HWND list, int row, int column, const std::string& text) {
  std::wstring wide = Wide(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = wide.data();
  SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

bool FileListView::Create(HWND parent, const Rect& place, int id, DpiScale scale) {
  if (!InitCommonControlClasses(ICC_LISTVIEW_CLASSES)) return false;
  const Rect pixels = scale.ToPixels(place);
  list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                          pixels.x, pixels.y, pixels.width, pixels.height, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (!list_) return false;
  place_ = place;
  scale_ = scale;
  ListView_SetExtendedListViewStyle(list_, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  ListView_SetBkColor(list_, RGB(255, 255, 255));
  ListView_SetTextBkColor(list_, RGB(255, 255, 255));
  font_.reset(MakeListFont(scale));
  if (font_) SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
  for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
    std::wstring title = Wide(kColumns[i].title);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = title.data();
    column.cx = scale.Length(kColumns[i].width);
    column.iSubItem = i;
    SendMessageW(list_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
  return true;
}

void FileListView::Rescale(DpiScale scale) {
  if (!list_ || scale == scale_) return;
  const DpiScale from = std::exchange(scale_, scale);
  UniqueFont font(MakeListFont(scale));
  if (font) SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  // The columns may have been fitted to their content since: each keeps
  // its width in units.
  for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
    ListView_SetColumnWidth(list_, i, scale.Length(from.Units(ListView_GetColumnWidth(list_, i))));
  }
  const Rect pixels = scale.ToPixels(place_);
  SetWindowPos(list_, nullptr, pixels.x, pixels.y, pixels.width, pixels.height, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(list_, nullptr, TRUE);
  if (font) font_ = std::move(font);  // the old one only once the list no longer uses it
}

std::size_t FileListView::RowCount() const {
  return static_cast<std::size_t>(ListView_GetItemCount(list_));
}

void FileListView::AppendRow(const FileRow& row) {
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = static_cast<int>(RowCount());
  item.pszText = const_cast<wchar_t*>(L"");
  const int index = static_cast<int>(SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  if (index < 0) return;
  SetCellText(list_, index, 1, row.name);
  SetCellText(list_, index, 2, row.folder);
  SetTicked(static_cast<std::size_t>(index), row.ticked);
}

void FileListView::RemoveRow(std::size_t index) { ListView_DeleteItem(list_, static_cast<int>(index)); }

void FileListView::RemoveAllRows() { ListView_DeleteAllItems(list_); }

void FileListView::SetTicked(std::size_t index, bool ticked) {
  ListView_SetCheckState(list_, static_cast<int>(index), ticked ? TRUE : FALSE);
}

bool FileListView::Ticked(std::size_t index) const {
  return ListView_GetCheckState(list_, static_cast<int>(index)) != FALSE;
}

std::optional<std::size_t> FileListView::SelectedRow() const {
  const int index = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
  if (index < 0) return std::nullopt;
  return static_cast<std::size_t>(index);
}

void FileListView::Select(std::size_t index) {
  ListView_SetItemState(list_, static_cast<int>(index), LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void FileListView::FitColumns() {
  for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
    ListView_SetColumnWidth(list_, i, LVSCW_AUTOSIZE_USEHEADER);
  }
}

std::optional<std::pair<std::size_t, bool>> FileListView::TickChange(const NMLISTVIEW& change) {
  if (change.iItem < 0 || !(change.uChanged & LVIF_STATE)) return std::nullopt;
  const UINT before = change.uOldState & LVIS_STATEIMAGEMASK;
  const UINT after = change.uNewState & LVIS_STATEIMAGEMASK;
  // State image 0 is "no check box yet" (a row being inserted), 1 unticked,
  // 2 ticked.
  if (before == after || after == 0) return std::nullopt;
  return std::pair{static_cast<std::size_t>(change.iItem), after == INDEXTOSTATEIMAGEMASK(2)};
}

}  // namespace tabulo::app
