#include "app/tools/input_box.h"

#include <cstdint>
#include <vector>

#include "base/win/wide_text.h"

namespace tabulo::app {
namespace {

constexpr int kPromptId = 100;
constexpr int kFieldId = 101;

// An in-memory dialog template: the dialog is laid out in dialog units and
// needs no resource of its own.
class DialogTemplate {
 public:
  DialogTemplate(std::wstring_view title, DWORD style, short width, short height, WORD items) {
    Align(4);
    Put(DWORD{style});
    Put(DWORD{0});
    Put(items);
    Put(short{0});
    Put(short{0});
    Put(width);
    Put(height);
    Put(WORD{0});  // no menu
    Put(WORD{0});  // the default dialog class
    PutText(title);
    Put(WORD{9});  // font size, with DS_SETFONT
    PutText(L"MS Shell Dlg");
  }

  void Add(WORD atom, std::wstring_view text, DWORD style, short x, short y, short cx, short cy, WORD id) {
    Align(4);
    Put(DWORD{style | WS_CHILD | WS_VISIBLE});
    Put(DWORD{0});
    Put(x);
    Put(y);
    Put(cx);
    Put(cy);
    Put(id);
    Put(WORD{0xFFFF});
    Put(atom);
    PutText(text);
    Put(WORD{0});  // no creation data
  }

  [[nodiscard]] const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Put(WORD value) { words_.push_back(value); }
  void Put(short value) { words_.push_back(static_cast<WORD>(value)); }
  void Put(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void PutText(std::wstring_view text) {
    for (wchar_t c : text) words_.push_back(static_cast<WORD>(c));
    words_.push_back(0);
  }
  void Align(std::size_t bytes) {
    while ((words_.size() * sizeof(WORD)) % bytes != 0) words_.push_back(0);
  }

  std::vector<WORD> words_;
};

struct DialogState {
  const InputBoxRequest* request;
  std::string typed;
};

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      state = reinterpret_cast<DialogState*>(lParam);
      SetDlgItemTextW(dialog, kPromptId, Wide(state->request->prompt).c_str());
      SetDlgItemTextW(dialog, kFieldId, Wide(state->request->initialText).c_str());
      HWND field = GetDlgItem(dialog, kFieldId);
      SetFocus(field);
      SendMessageW(field, EM_SETSEL, 0, -1);
      return FALSE;  // the focus is set
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK && state) {
        HWND field = GetDlgItem(dialog, kFieldId);
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
        state->typed = Narrow(text);
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

std::optional<std::string> AskForText(HWND owner, const InputBoxRequest& request) {
  constexpr WORD kButton = 0x0080;
  constexpr WORD kEdit = 0x0081;
  constexpr WORD kStatic = 0x0082;
  DialogTemplate dialog(Wide(request.title),
                        DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, 220, 86, 4);
  dialog.Add(kStatic, L"", SS_LEFT, 8, 8, 204, 24, kPromptId);
  dialog.Add(kEdit, L"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | (request.digitsOnly ? ES_NUMBER : 0), 8, 38,
             204, 14, kFieldId);
  dialog.Add(kButton, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP, 104, 64, 50, 14, IDOK);
  dialog.Add(kButton, L"取消", BS_PUSHBUTTON | WS_TABSTOP, 162, 64, 50, 14, IDCANCEL);
  DialogState state{&request, {}};
  const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.get(), owner, &DialogProc,
                                                 reinterpret_cast<LPARAM>(&state));
  if (result != IDOK) return std::nullopt;
  return state.typed;
}

}  // namespace tabulo::app
