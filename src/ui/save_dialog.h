#pragma once
// The file save dialog, behind a small interface so that windows can be
// tested without a person at the dialog.
#include <windows.h>

#include <optional>
#include <string>

namespace teko::ui {

class SaveDialog {
 public:
  virtual ~SaveDialog() = default;
  // The path the user confirmed; nothing when the dialog was cancelled.
  virtual std::optional<std::wstring> Execute(HWND owner) = 0;
};

// The system's save dialog with no filter, no default extension and no
// title of its own; an existing file is chosen without an overwrite prompt.
class CommonSaveDialog final : public SaveDialog {
 public:
  std::optional<std::wstring> Execute(HWND owner) override;
};

}  // namespace teko::ui
