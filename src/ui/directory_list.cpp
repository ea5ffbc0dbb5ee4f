#include "ui/directory_list.h"

#include <commctrl.h>

#include <algorithm>

#include "core/paths.h"
#include "core/text.h"
#include "platform/file_system_win32.h"
#include "ui/form.h"
#include "ui/shell_icons.h"

namespace teko::ui {

namespace {

std::vector<std::wstring> SplitPath(std::wstring_view path) {
  std::vector<std::wstring> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = std::min(path.find(L'\\', start), path.size());
    if (end > start) parts.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

}  // namespace

std::vector<DirectoryEntry> DirectoryEntries(std::wstring_view directory, const std::vector<std::wstring>& subfolders) {
  std::vector<DirectoryEntry> entries;
  std::wstring path = ExcludeTrailingBackslash(directory);
  if (path.size() < 2) return entries;
  std::wstring root = path.substr(0, 2) + L"\\";
  entries.push_back({root, root, 0, true});
  std::wstring current = path.substr(0, 2);
  for (const auto& part : SplitPath(path.substr(std::min<size_t>(path.size(), 3)))) {
    current += L"\\" + part;
    entries.push_back({current, part, static_cast<int>(entries.size()), true});
  }
  int depth = static_cast<int>(entries.size());
  for (const auto& name : subfolders) entries.push_back({JoinPath(entries.back().path, name), name, depth, false});
  return entries;
}

void DirectoryList::Attach(Form& form, std::wstring_view control, std::function<void()> changed) {
  list_.Attach(form.controls().Handle(control));
  changed_ = std::move(changed);
  form.OnNotify(control, NM_DBLCLK, [this](const NMHDR&) {
    OpenEntry(list_.FocusedIndex());
    return LRESULT{0};
  });
  form.OnNotify(control, LVN_KEYDOWN, [this](const NMHDR& header) {
    if (reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_RETURN) OpenEntry(list_.FocusedIndex());
    return LRESULT{0};
  });
}

void DirectoryList::OpenEntry(int index) {
  if (index >= 0 && static_cast<size_t>(index) < paths_.size()) SetDirectory(paths_[static_cast<size_t>(index)]);
}

void DirectoryList::SetDirectory(std::wstring_view path) {
  std::wstring folder = ExcludeTrailingBackslash(path);
  if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
  if (folder.size() == 3 || folder.size() < 2) {
    directory_ = folder;
  } else {
    directory_ = ExcludeTrailingBackslash(folder);
  }
  std::vector<DirEntry> listing;
  Win32FileSystem files;
  files.ListFolder(directory_, L"*", listing);
  std::vector<std::wstring> subfolders;
  for (const auto& entry : listing) {
    if (entry.IsDirectory() && entry.name != L"." && entry.name != L"..") subfolders.push_back(entry.name);
  }
  std::sort(subfolders.begin(), subfolders.end(),
            [](const std::wstring& a, const std::wstring& b) { return AsciiLower(a) < AsciiLower(b); });

  auto entries = DirectoryEntries(directory_, subfolders);
  paths_.clear();
  list_.Clear();
  int current = -1;
  for (const auto& entry : entries) {
    if (entry.onPath) current = static_cast<int>(paths_.size());
    list_.Add(entry.caption, SmallIconIndex(entry.path, entry.onPath), entry.indent);
    paths_.push_back(entry.path);
  }
  list_.EndUpdate();
  list_.Select(current);
  if (changed_) changed_();
}

}  // namespace teko::ui
