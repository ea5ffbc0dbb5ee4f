#pragma once
// A folder list: the current folder's path from its drive down, then its
// subfolders. Double-click (or Enter) on an entry opens that folder.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/icon_list.h"

namespace teko::ui {

class Form;

class DirectoryList {
 public:
  // Binds to an IconList row of `form`; `changed` runs when the folder changes.
  void Attach(Form& form, std::wstring_view control, std::function<void()> changed);
  const std::wstring& Directory() const { return directory_; }
  // Shows `path` (a folder; "C:" means the drive's root) and runs `changed`.
  void SetDirectory(std::wstring_view path);
  // The path each entry stands for, in list order.
  const std::vector<std::wstring>& EntryPaths() const { return paths_; }

 private:
  void OpenEntry(int index);
  IconList list_;
  std::wstring directory_;
  std::vector<std::wstring> paths_;
  std::function<void()> changed_;
};

// The entries of a folder list for `directory` ("C:\a\b"): the root, each
// folder of the path, then `subfolders` (names, sorted by the caller) as
// full paths. Each entry's indent is its depth below the root.
struct DirectoryEntry {
  std::wstring path;
  std::wstring caption;
  int indent;
  bool onPath;  // part of the current path (shown with an open folder)
};
std::vector<DirectoryEntry> DirectoryEntries(std::wstring_view directory, const std::vector<std::wstring>& subfolders);

}  // namespace teko::ui
