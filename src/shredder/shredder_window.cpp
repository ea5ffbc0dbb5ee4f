#include "shredder/shredder_window.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "shredder/shredder_texts.h"
#include "ui/message_box.h"

namespace teko {

namespace {

using ui::ControlKind;
namespace style = ui::style;

constexpr int kFirstControlId = 100;
constexpr wchar_t kStartFolder[] = L"C:\\";

ui::FormSpec ShredderFormSpec() {
  ui::FormSpec description{L"TFormDateien", L"Secure delete files", 709, 439};
  description.minimizeBox = false;
  return description;
}

std::span<const ui::ControlSpec> ShredderLayout() {
  static const ui::ControlSpec layout[] = {
      {ControlKind::IconComboBox, L"DriveCombo1", 8, 24, 193, 22},
      {ControlKind::IconList, L"DirectoryListBox1", 8, 64, 321, 305},
      {ControlKind::Label, L"Label1", 344, 27, 0, 0, L"Overwrite"},
      {ControlKind::Edit, L"Edit1", 404, 24, 35, 21, L"2", style::kRightAlign},
      {ControlKind::Label, L"Label2", 445, 27, 0, 0, L"X"},
      {ControlKind::IconList, L"FileListBox1", 344, 64, 345, 305, {}, style::kMultiSelect},
      {ControlKind::Button, L"BitBtn2", 179, 375, 150, 33, L"Exit", style::kCancel},
      {ControlKind::Button, L"BitBtn3", 344, 375, 150, 33, L"Delete"},
      {ControlKind::Label, L"Label4", 602, 384, 0, 0, kNoFilesDeletedYet},
  };
  return layout;
}

}  // namespace

int ShredderControlId(std::wstring_view name) { return ui::ControlIdOf(ShredderLayout(), name, kFirstControlId); }

TFormDateien::TFormDateien() : ui::Form(ShredderFormSpec()) {}

void TFormDateien::Create(HWND owner) {
  CreateForm(owner, [this] { CreateControls(); });
}

void TFormDateien::CreateControls() {
  AddControls(ShredderLayout(), kFirstControlId);
  files_.Attach(*this, L"FileListBox1");
  folders_.Attach(*this, L"DirectoryListBox1", [this] { files_.SetDirectory(folders_.Directory()); });
  drives_.Attach(*this, L"DriveCombo1", {DRIVE_REMOVABLE, DRIVE_FIXED, DRIVE_REMOTE, DRIVE_CDROM, DRIVE_RAMDISK},
                 [this] {
                   if (wchar_t drive = drives_.Drive()) folders_.SetDirectory(std::wstring(1, drive) + L":");
                 });
  OnClick(L"BitBtn2", [this] { BitBtn2Click(); });
  OnClick(L"BitBtn3", [this] { BitBtn3Click(); });
  OnNotify(L"FileListBox1", NM_DBLCLK, [this](const NMHDR&) {
    FileListBox1DblClick();
    return LRESULT{0};
  });
}

void TFormDateien::FormShow() {
  // Drives and files may have come and gone while the window was hidden;
  // the first showing opens the start folder.
  drives_.Fill();
  if (folders_.Directory().empty()) {
    drives_.SelectDrive(kStartFolder[0]);
    folders_.SetDirectory(kStartFolder);
  } else {
    files_.Refresh();
  }
}

void TFormDateien::BitBtn2Click() { Close(); }

void TFormDateien::BitBtn3Click() {
  std::vector<std::wstring> selected;
  for (int index : files_.SelectedIndexes()) selected.push_back(files_.EntryName(index));
  ui::MessageDialogs dialogs(handle());
  ShredSelection(files_.Directory(), selected, controls().Text(L"Edit1"), shredFiles_, dialogs, *this);
}

void TFormDateien::FileListBox1DblClick() {
  int index = files_.CurrentIndex();
  if (index < 0) return;
  if (auto folder = SubfolderToOpen(shredFiles_, files_.Directory(), files_.EntryName(index))) {
    folders_.SetDirectory(*folder);
  }
}

void TFormDateien::ShowResult(std::wstring_view text) { controls().SetText(L"Label4", text); }

void TFormDateien::ReloadFileList() { files_.Refresh(); }

}  // namespace teko
