#pragma once
// The file save dialog, behind a small interface so that windows can be
// tested without a person at the dialog.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace teko::ui {

class SaveDialog {
 public:
  virtual ~SaveDialog() = default;
  // The path the user confirmed; nothing when the dialog was cancelled.
  virtual std::optional<std::wstring> Execute(HWND owner) = 0;
};

// A choice of the dialog's file type list.
struct SaveFileType {
  std::wstring name;       // "Text (*.txt)"
  std::wstring extension;  // "txt", added to a name typed without one
};

// The system's save dialog. Without file types: no filter, no default
// extension, and an existing file is chosen without an overwrite prompt.
// With them: the user picks one, a name typed without an extension gets
// the picked one's, and overwriting asks first.
class CommonSaveDialog final : public SaveDialog {
 public:
  CommonSaveDialog() = default;
  CommonSaveDialog(std::vector<SaveFileType> types, std::wstring fileName)
      : types_(std::move(types)), fileName_(std::move(fileName)) {}
  std::optional<std::wstring> Execute(HWND owner) override;
  // The type picked at the last Execute, from 0.
  size_t pickedType() const { return pickedType_; }

 private:
  std::vector<SaveFileType> types_;
  std::wstring fileName_;
  size_t pickedType_ = 0;
};

}  // namespace teko::ui
