#pragma once
#include <string_view>

#include "shredder/shred_files_win32.h"
#include "shredder/shredding_flow.h"
#include "ui/directory_list.h"
#include "ui/drive_combo.h"
#include "ui/file_list.h"
#include "ui/form.h"

namespace teko {

// The shredder window: pick files by drive, folder and file list, then
// overwrite and delete them.
class TFormDateien final : public ui::Form, private ShredderView {
 public:
  TFormDateien();
  void Create(HWND owner);

  void BitBtn2Click();
  void BitBtn3Click();
  void FileListBox1DblClick();

 protected:
  void FormShow() override;

 private:
  void CreateControls();
  void ShowResult(std::wstring_view text) override;
  void ReloadFileList() override;

  ui::DriveCombo drives_;
  ui::DirectoryList folders_;
  ui::FileList files_;
  Win32ShredFiles shredFiles_;
};

// The control ID of a named control of the shredder window, -1 for none.
int ShredderControlId(std::wstring_view name);

}  // namespace teko
