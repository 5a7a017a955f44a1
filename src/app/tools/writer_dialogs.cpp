#include "app/tools/writer_dialogs.h"

#include <commdlg.h>
#include <shlobj.h>
#include <shellapi.h>

#include <memory>
#include <vector>

#include "app/tools/batch_writer_texts.h"
#include "base/win/system_library.h"
#include "base/win/wide_text.h"

namespace tabulo::app {
namespace {

// Disables the thread's other visible top-level windows while a dialog owned
// by one of them is up, so nothing else of the program can be used under it,
// and enables them again afterwards.
class OtherWindowsDisabled {
 public:
  explicit OtherWindowsDisabled(HWND owner) : owner_(owner) {
    EnumThreadWindows(GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(this));
    for (HWND window : disabled_) EnableWindow(window, FALSE);
  }
  OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
  OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;
  ~OtherWindowsDisabled() {
    for (HWND window : disabled_) {
      if (IsWindow(window)) EnableWindow(window, TRUE);
    }
  }

 private:
  static BOOL CALLBACK Collect(HWND window, LPARAM self) {
    auto& scope = *reinterpret_cast<OtherWindowsDisabled*>(self);
    if (window != scope.owner_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
      scope.disabled_.push_back(window);
    }
    return TRUE;
  }

  HWND owner_;
  std::vector<HWND> disabled_;
};

struct ItemIdList {
  void operator()(LPITEMIDLIST list) const { CoTaskMemFree(list); }
};

class SystemDialogs final : public WriterDialogs {
 public:
  std::optional<std::string> ChooseFile(HWND owner, std::string_view initialFolder) override {
    const auto open = SystemFunction<decltype(GetOpenFileNameW)>(SystemLibrary(L"comdlg32.dll"), "GetOpenFileNameW");
    if (!open) return std::nullopt;
    std::wstring file(32768, L'\0');
    const std::wstring title = Wide(batch_writer_texts::kOpenFileTitle);
    const std::wstring folder = Wide(initialFolder);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = L"*.*\0*.*\0";
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!open(&dialog)) return std::nullopt;
    file.resize(wcslen(file.c_str()));
    return Narrow(file);
  }

  std::string ChooseFolder(HWND owner) override {
    if (owner == nullptr) owner = GetActiveWindow();
    const std::wstring title = Wide(batch_writer_texts::kFolderBrowserTitle);
    BROWSEINFOW browse{};
    browse.hwndOwner = owner;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_EDITBOX | BIF_RETURNONLYFSDIRS;
    // The browser's edit box and folder tree need COM on this thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::string chosen;
    {
      OtherWindowsDisabled scope(owner);
      std::unique_ptr<ITEMIDLIST, ItemIdList> list(SHBrowseForFolderW(&browse));
      wchar_t path[MAX_PATH] = L"";
      if (list && SHGetPathFromIDListW(list.get(), path)) chosen = Narrow(path);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return chosen;
  }

  void OpenWithShell(std::string_view path, std::string_view verb) override {
    const std::wstring file = Wide(path);
    const std::wstring wideVerb = Wide(verb);
    ShellExecuteW(nullptr, verb.empty() ? nullptr : wideVerb.c_str(), file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  }
};

}  // namespace

WriterDialogs& SystemWriterDialogs() {
  static SystemDialogs dialogs;
  return dialogs;
}

std::string DesktopFolder() {
  wchar_t path[MAX_PATH] = L"";
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
  std::string folder = Narrow(path);
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

}  // namespace tabulo::app
