#pragma once
// The batch file writer's own texts, shared by its logic and its window.
namespace tabulo::app::batch_writer_texts {

inline constexpr const char* kCaption = "批量文件写入器";
inline constexpr const char* kTickColumn = " ";
inline constexpr const char* kNameColumn = "文件名称";
inline constexpr const char* kFolderColumn = "文件路径";
inline constexpr const char* kHint = "请将文件拖动到窗口内，支持多文件写入";
inline constexpr const char* kTickAll = "全选";
inline constexpr const char* kAdd = "添加";
inline constexpr const char* kDelete = "删除";
inline constexpr const char* kClear = "清空";
inline constexpr const char* kWrite = "写入到...";
inline constexpr const char* kOpenFileTitle = "请选择文件";
inline constexpr const char* kFolderBrowserTitle = "请选择文件写入路径";

inline constexpr const char* kMenuAdd = "添加文件...&A";
inline constexpr const char* kMenuOpen = "打开该文件&O";
inline constexpr const char* kMenuDelete = "删除该项目&D";
inline constexpr const char* kMenuClear = "清空所有&Del";

inline constexpr const char* kNoFiles = "请添加文件后再执行写入操作!";
inline constexpr const char* kNothingTicked = "请勾选文件后再执行写入操作!";
inline constexpr const char* kResultCaption = "写入完成";

}  // namespace tabulo::app::batch_writer_texts
