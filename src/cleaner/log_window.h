#pragma once
// The log viewer TFormLog: the cleaner log of the last run in a large text
// box, which the user may edit and save.
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/dialogs.h"
#include "ui/form.h"
#include "ui/save_dialog.h"

namespace teko {

// The control ID of a named control of the log viewer.
int LogWindowControlId(std::wstring_view name);

class TFormLog final : public ui::Form {
 public:
  // Without arguments the window uses real message boxes and the system's
  // save dialog; tests pass their own.
  explicit TFormLog(Dialogs* dialogs = nullptr, ui::SaveDialog* saveDialog = nullptr);
  ~TFormLog() override;
  void Create(HWND owner);

  // "Show log file": the log replaces the text box's content, then the
  // window is shown modally.
  int ShowLog(std::span<const std::wstring> lines);

 private:
  void CreateControls();
  void FormShow() override;
  void FormResize() override;
  void DpiChanged() override;
  void BtnSaveClick();
  void BitBtn1Click();

  std::unique_ptr<Dialogs> ownDialogs_;
  std::unique_ptr<ui::SaveDialog> ownSaveDialog_;
  Dialogs* dialogs_;
  ui::SaveDialog* saveDialog_;
};

}  // namespace teko
