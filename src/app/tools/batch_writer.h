#pragma once
// Logic of the batch file writer: the file list, its status line and context
// menu, and *Write*, which copies every ticked file into one chosen folder
// (see file_copier.h for how a copy protects existing files) and reports the
// counts. The window implements BatchWriterView with its list view, dialogs
// and labels, and forwards clicks, drops and list notifications here.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "app/forms/message_box_request.h"
#include "app/tools/file_list.h"

namespace tabulo::app {

struct FileListMenuState {
  bool openEnabled = false;    // "打开该文件&O"
  bool deleteEnabled = false;  // "删除该项目&D"
  friend bool operator==(const FileListMenuState&, const FileListMenuState&) = default;
};

class BatchWriterView {
 public:
  virtual ~BatchWriterView() = default;
  virtual void AppendRow(const FileRow& row) = 0;
  virtual void RemoveRow(std::size_t index) = 0;
  virtual void RemoveAllRows() = 0;
  virtual void SetRowTicked(std::size_t index, bool ticked) = 0;
  [[nodiscard]] virtual std::optional<std::size_t> SelectedRow() const = 0;
  virtual void FitColumns() = 0;
  virtual void SetStatus(std::string_view text) = 0;
  // Shows the list's context menu with these item states, where the mouse is.
  virtual void PopUpContextMenu(const FileListMenuState& state) = 0;
  // The open-file dialog "请选择文件"; nothing when cancelled.
  [[nodiscard]] virtual std::optional<std::string> ChooseFile() = 0;
  // The folder browser "请选择文件写入路径"; "" when cancelled.
  [[nodiscard]] virtual std::string ChooseFolder() = 0;
  // ShellExecute of `path`; an empty verb is the default verb.
  virtual void OpenWithShell(std::string_view path, std::string_view verb) = 0;
  virtual MessageBoxAnswer ShowMessage(const MessageBoxRequest& request) = 0;
};

// "文件写入完成\r\n其中成功:" s "个\r\n失败:" f "个\r\n是否打开写入目录？"
[[nodiscard]] std::string WriteResultText(int successes, int failures);

class BatchWriter {
 public:
  explicit BatchWriter(BatchWriterView& view) : view_(view) {}

  void Open() { UpdateStatus(); }
  void OnFilesDropped(std::string_view pathsText);
  void OnAdd();
  void OnOpenSelected();
  void OnDeleteSelected();
  void OnClear();
  void OnTickAllClicked(bool nowTicked);
  void OnRowTickChanged(std::size_t index, bool ticked);
  void OnContextMenu();
  void OnWrite();

  [[nodiscard]] const FileList& list() const { return list_; }

 private:
  void AddRow(std::string_view fullPath);
  void UpdateStatus() { view_.SetStatus(list_.StatusText()); }
  void Warn(const char* text);

  BatchWriterView& view_;
  FileList list_;
};

}  // namespace tabulo::app
