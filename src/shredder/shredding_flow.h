#pragma once
// The shredder window's decisions: what "Delete" does with the selection and
// which entries open as subfolders.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/dialogs.h"
#include "shredder/shred_files.h"

namespace teko {

// What the flow changes in the window besides message boxes.
class ShredderView {
 public:
  virtual ~ShredderView() = default;
  virtual void ShowResult(std::wstring_view text) = 0;
  virtual void ReloadFileList() = 0;
};

// True only when the path holds no "." anywhere and is a folder.
bool IsDir(const ShredFiles& files, std::wstring_view path);

// "Delete": asks, then shreds the selected entries of `folder` (their own
// names, in list order; folders among them are passed over) with the pass
// count typed by the user. Returns how many files are gone.
int ShredSelection(std::wstring_view folder, std::span<const std::wstring> selected, std::wstring_view passText,
                   ShredFiles& files, Dialogs& dialogs, ShredderView& view);

// A double-clicked entry: the folder to open, or nothing for anything else.
std::optional<std::wstring> SubfolderToOpen(const ShredFiles& files, std::wstring_view folder,
                                            std::wstring_view name);

}  // namespace teko
