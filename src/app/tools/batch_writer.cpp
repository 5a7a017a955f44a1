#include "app/tools/batch_writer.h"

#include "app/tools/batch_writer_texts.h"
#include "app/tools/file_copier.h"
#include "base/file/utf8_path.h"

namespace tabulo::app {

std::string WriteResultText(int successes, int failures) {
  return "文件写入完成\r\n其中成功:" + std::to_string(successes) + "个\r\n失败:" + std::to_string(failures) +
         "个\r\n是否打开写入目录？";
}

void BatchWriter::OnFilesDropped(std::string_view pathsText) {
  for (const std::string& path : SplitDroppedPaths(pathsText)) AddRow(path);
  view_.FitColumns();
  UpdateStatus();
}

void BatchWriter::OnAdd() {
  if (const std::optional<std::string> file = view_.ChooseFile(); file && !file->empty()) AddRow(*file);
  view_.FitColumns();
  UpdateStatus();
}

void BatchWriter::OnOpenSelected() {
  const std::optional<std::size_t> selected = view_.SelectedRow();
  if (!selected || *selected >= list_.rows().size()) return;
  view_.OpenWithShell(list_.rows()[*selected].fullPath, "");
}

void BatchWriter::OnDeleteSelected() {
  const std::optional<std::size_t> selected = view_.SelectedRow();
  if (selected && *selected < list_.rows().size()) {
    list_.Remove(*selected);
    view_.RemoveRow(*selected);
  }
  UpdateStatus();
}

void BatchWriter::OnClear() {
  list_.Clear();
  view_.RemoveAllRows();
  UpdateStatus();
}

void BatchWriter::OnTickAllClicked(bool nowTicked) {
  list_.TickAll(nowTicked);
  for (std::size_t i = 0; i < list_.rows().size(); ++i) view_.SetRowTicked(i, nowTicked);
  view_.FitColumns();
  UpdateStatus();
}

void BatchWriter::OnRowTickChanged(std::size_t index, bool ticked) {
  list_.SetTicked(index, ticked);
  UpdateStatus();
}

void BatchWriter::OnContextMenu() {
  const bool selected = view_.SelectedRow().has_value();
  view_.PopUpContextMenu({selected, selected});
}

void BatchWriter::OnWrite() {
  if (list_.rows().empty()) return Warn(batch_writer_texts::kNoFiles);
  if (list_.TickedCount() == 0) return Warn(batch_writer_texts::kNothingTicked);
  const std::string folder = view_.ChooseFolder();
  if (folder.empty()) return;

  int successes = 0;
  int failures = 0;
  const std::filesystem::path target = PathFromUtf8(folder);
  for (const FileRow& row : list_.rows()) {
    if (!row.ticked) continue;
    ++(Succeeded(CopyFileIntoFolder(PathFromUtf8(row.fullPath), target)) ? successes : failures);
  }
  const MessageBoxAnswer answer = view_.ShowMessage(
      {WriteResultText(successes, failures), batch_writer_texts::kResultCaption, kMbOkCancel | kMbIconInformation});
  if (answer == MessageBoxAnswer::kOk) view_.OpenWithShell(folder, "open");
}

void BatchWriter::AddRow(std::string_view fullPath) { view_.AppendRow(list_.Add(fullPath)); }

void BatchWriter::Warn(const char* text) {
  view_.ShowMessage({text, kDefaultMessageCaption, kMbIconExclamation});
}

}  // namespace tabulo::app
