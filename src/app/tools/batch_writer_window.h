#pragma once
// The batch file writer window "批量文件写入器": the engine-bound form with a
// native list view of files (file_list_view.h), the status and hint labels,
// "全选", the four buttons and the list's context menu, mapped onto the
// BatchWriter logic. Files dropped on the window are added in the order the
// drop lists them.
#include <windows.h>

#include <array>
#include <string>

#include "app/forms/app_context.h"
#include "app/forms/bound_form_window.h"
#include "app/forms/message_presenter.h"
#include "app/tools/batch_writer.h"
#include "app/tools/file_list_view.h"
#include "app/tools/writer_dialogs.h"
#include "ui/controls/button.h"
#include "ui/controls/check_button.h"
#include "ui/controls/label.h"
#include "ui/menu/ui_menu.h"

namespace tabulo::app {

enum class WriterButton { kAdd, kDelete, kClear, kWrite };

// Child-window id of the list view.
inline constexpr int kFileListViewId = 1001;

class BatchWriterWindow final : public BoundFormWindow, private BatchWriterView {
 public:
  static constexpr FormId kForm = FormId::kBatchFileWriter;

  // Chooses files and folders through the context's dialogs.
  explicit BatchWriterWindow(AppContext& context);

  // Creates, binds and fills the window, hidden.
  [[nodiscard]] bool Build();

  [[nodiscard]] const BatchWriter& Logic() const { return logic_; }
  [[nodiscard]] const FileListView& List() const { return list_; }
  [[nodiscard]] const ui::Label& Status() const { return status_; }
  [[nodiscard]] const ui::CheckButton& TickAll() const { return tickAll_; }
  [[nodiscard]] const ui::Button& ButtonAt(WriterButton which) const { return buttons_[static_cast<int>(which)]; }
  [[nodiscard]] const std::string& DialogFolder() const { return dialogFolder_; }

 private:
  bool CreateControls();
  void BuildContextMenu();

  // BatchWriterView
  void AppendRow(const FileRow& row) override;
  void RemoveRow(std::size_t index) override;
  void RemoveAllRows() override;
  void SetRowTicked(std::size_t index, bool ticked) override;
  [[nodiscard]] std::optional<std::size_t> SelectedRow() const override { return list_.SelectedRow(); }
  void FitColumns() override { list_.FitColumns(); }
  void SetStatus(std::string_view text) override { status_.SetText(text); }
  void PopUpContextMenu(const FileListMenuState& state) override;
  [[nodiscard]] std::optional<std::string> ChooseFile() override;
  [[nodiscard]] std::string ChooseFolder() override { return context().dialogs->ChooseFolder(hwnd()); }
  void OpenWithShell(std::string_view path, std::string_view verb) override {
    context().dialogs->OpenWithShell(path, verb);
  }
  MessageBoxAnswer ShowMessage(const MessageBoxRequest& request) override {
    return context().messages->Show(hwnd(), request);
  }

  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDrop(HDROP drop);
  void OnListNotify(const NMHDR& header);

  BatchWriter logic_{*this};
  FileListView list_;
  ui::Label status_;
  ui::Label hint_;
  ui::CheckButton tickAll_;
  std::array<ui::Button, 4> buttons_;  // in WriterButton order
  ui::UiMenu menu_;
  std::string dialogFolder_;  // where the open-file dialog starts
  // While the window itself changes rows, the list view's notifications
  // about them are its own doing, not the user's.
  int changingRows_ = 0;
};

// Opens the writer (or brings the open one forward) and runs its message
// loop until it is closed.
void RunBatchWriterWindow(AppContext& context);

}  // namespace tabulo::app
