#pragma once
// The program's message boxes, owned by a window.
#include <windows.h>

#include <string_view>

#include "platform/dialogs.h"

namespace teko::ui {

void ShowMessage(HWND owner, MessageKind kind, std::wstring_view text);
// Question icon, Yes and No: IDYES or IDNO. Escape answers IDNO (a plain
// Yes/No box ignores it on Windows and answers IDCANCEL under Wine).
int AskYesNoButton(HWND owner, std::wstring_view text);
inline bool AskYesNo(HWND owner, std::wstring_view text) { return AskYesNoButton(owner, text) == IDYES; }

// The Dialogs seam on real message boxes.
class MessageDialogs final : public Dialogs {
 public:
  explicit MessageDialogs(HWND owner) : owner_(owner) {}
  void Show(MessageKind kind, std::wstring_view text) override { ShowMessage(owner_, kind, text); }
  bool Ask(std::wstring_view text) override { return AskYesNo(owner_, text); }

 private:
  HWND owner_;
};

}  // namespace teko::ui
