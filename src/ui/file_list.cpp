#include "ui/file_list.h"

#include <algorithm>

#include "core/text.h"
#include "platform/file_system_win32.h"
#include "ui/form.h"
#include "ui/shell_icons.h"

namespace teko::ui {

std::vector<FileListEntry> FileListEntries(const std::vector<DirEntry>& listing) {
  std::vector<FileListEntry> folders;
  std::vector<FileListEntry> files;
  for (const auto& entry : listing) {
    if (entry.name == L"." || entry.name == L"..") continue;
    if (entry.IsDirectory()) {
      folders.push_back({L" " + entry.name, entry.attributes});
    } else {
      files.push_back({entry.name, entry.attributes});
    }
  }
  auto byName = [](const FileListEntry& a, const FileListEntry& b) {
    return AsciiLower(a.caption) < AsciiLower(b.caption);
  };
  std::sort(folders.begin(), folders.end(), byName);
  std::sort(files.begin(), files.end(), byName);
  folders.insert(folders.end(), files.begin(), files.end());
  return folders;
}

void FileList::Attach(Form& form, std::wstring_view control) { list_.Attach(form.controls().Handle(control)); }

void FileList::SetDirectory(std::wstring_view path) {
  directory_ = path;
  std::vector<DirEntry> listing;
  Win32FileSystem files;
  files.ListFolder(directory_, L"*", listing);
  list_.Clear();
  for (const auto& entry : FileListEntries(listing)) {
    list_.Add(entry.caption, SmallIconIndexOfName(Trim(entry.caption), entry.attributes));
  }
  list_.EndUpdate();
}

}  // namespace teko::ui
