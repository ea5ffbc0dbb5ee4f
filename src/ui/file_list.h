#pragma once
// A file list: the subfolders of a folder (each with a leading blank) and
// then all its files whatever their attributes, with icons; several
// entries can be selected.
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "ui/icon_list.h"

namespace teko::ui {

class Form;

class FileList {
 public:
  void Attach(Form& form, std::wstring_view control);
  const std::wstring& Directory() const { return directory_; }
  void SetDirectory(std::wstring_view path);
  void Refresh() { SetDirectory(directory_); }

  int Count() const { return list_.Count(); }
  std::wstring ItemText(int index) const { return list_.Text(index); }
  std::vector<int> SelectedIndexes() const { return list_.SelectedIndexes(); }
  int CurrentIndex() const { return list_.FocusedIndex(); }

 private:
  IconList list_;
  std::wstring directory_;
};

// The captions of a listing in the list's order: subfolders first as
// " name", then files, each group in name order; "." and ".." left out.
struct FileListEntry {
  std::wstring caption;
  uint32_t attributes;
};
std::vector<FileListEntry> FileListEntries(const std::vector<DirEntry>& listing);

}  // namespace teko::ui
