#include "search/file_search.h"

#include <algorithm>

#include "core/paths.h"
#include "core/text.h"
#include "search/search_texts.h"

namespace teko {

namespace {

bool IsDots(const DirEntry& entry) { return entry.name == L"." || entry.name == L".."; }

// A walk may enter a folder only through a real folder entry: junctions and
// symbolic links can lead back up the tree.
bool IsWalkableFolder(const DirEntry& entry) { return entry.IsDirectory() && !entry.IsReparsePoint() && !IsDots(entry); }

std::wstring StripFolderMask(std::wstring_view mask) {
  std::wstring stripped;
  for (wchar_t c : mask) {
    if (c != L'*' && c != L'?' && c != L'.' && c != L'\\') stripped += c;
  }
  return stripped;
}

std::wstring MatchCount(size_t count) { return std::to_wstring(count) + std::wstring(search_texts::kMatchesFound); }

}  // namespace

std::wstring MaskExtension(std::wstring_view name) {
  size_t dot = name.rfind(L'.');
  return dot == std::wstring_view::npos ? std::wstring() : std::wstring(name.substr(dot));
}

void FileSearch::BtnSearchClick() {
  folderExactMatch_ = true;
  sorting_.HideMarker();
  grid_.Reset();
  sorting_.ClearSortCopy();
  seams_.screen.GridChanged(false);
  if (searching_) {
    cancelRequested_ = true;
    seams_.screen.SetStatus(search_texts::kCancelling);
    seams_.screen.ShowStopButton(false);
    return;
  }
  seams_.screen.SetStatus(search_texts::kSearching);
  cancelRequested_ = false;
  SearchInputs inputs = seams_.screen.ReadInputs();
  inputs.mask = Trim(inputs.mask);
  if (inputs.mask.empty()) {
    seams_.dialogs.Show(MessageKind::Warning, search_texts::kEmptyMask);
    return;
  }
  seams_.screen.ShowStopButton(true);
  seams_.screen.SetBusyCursor(true);
  try {
    RunSearch(inputs);
  } catch (...) {
    // Whatever stopped the walk, the window must be able to search again.
    searching_ = false;
    seams_.screen.SetBusyCursor(false);
    seams_.screen.ShowStopButton(false);
    throw;
  }
  searching_ = false;
  seams_.screen.SetBusyCursor(false);
  seams_.screen.SetStatus(MatchCount(results_.size()));
  seams_.screen.ShowStopButton(false);
}

void FileSearch::RunSearch(const SearchInputs& inputs) {
  if (inputs.target == SearchTarget::Folders) {
    results_.clear();
    if (inputs.mask.find_first_of(L"*?") != std::wstring::npos) folderExactMatch_ = false;
    SearchFolders(inputs.startFolder, StripFolderMask(inputs.mask));
  } else {
    SearchFiles(inputs.startFolder, inputs.mask, true, inputs.includeSubfolders);
  }
}

void FileSearch::SearchFiles(std::wstring_view startFolder, std::wstring_view mask, bool clearFirst,
                             bool includeSubfolders) {
  if (clearFirst) results_.clear();
  mask_ = mask;
  includeSubfolders_ = includeSubfolders;
  if (!startFolder.empty()) SearchFilesInFolder(IncludeTrailingBackslash(startFolder));
}

void FileSearch::SearchFilesInFolder(const std::wstring& folder) {
  std::wstring extension = MaskExtension(mask_);
  bool testExtension = !extension.empty() && extension != L".*";
  searching_ = true;
  std::vector<DirEntry> entries;
  seams_.files.ListFolder(folder, mask_, entries);
  for (const DirEntry& entry : entries) {
    if (entry.IsDirectory()) continue;
    // The platform's matching also looks at the 8.3 names, so "*.htm" reports
    // "page.html" through "PAGE~1.HTM": only the long name's extension counts.
    if (testExtension && !EqualsIgnoringAsciiCase(MaskExtension(entry.name), extension)) continue;
    AddSearchResult(folder + entry.name, entry);
  }
  if (!includeSubfolders_) return;
  seams_.files.ListFolder(folder, L"*.*", entries);
  for (const DirEntry& entry : entries) {
    if (!seams_.pump.ProcessMessages()) cancelRequested_ = true;
    if (cancelRequested_) {
      seams_.screen.SetBusyCursor(false);
      return;
    }
    if (IsWalkableFolder(entry)) SearchFilesInFolder(folder + entry.name + L'\\');
  }
}

void FileSearch::SearchFolders(std::wstring_view folder, std::wstring_view mask) {
  std::vector<DirEntry> entries;
  seams_.files.ListFolder(folder, L"*.*", entries);
  for (const DirEntry& entry : entries) {
    if (!entry.IsDirectory() || IsDots(entry)) continue;
    bool matches = folderExactMatch_ ? EqualsIgnoringAsciiCase(entry.name, mask) : Contains(entry.name, mask);
    std::wstring path = JoinPath(folder, entry.name);
    if (matches) {
      AddSearchResult(path, entry);
      seams_.screen.GridChanged(true);
    }
    if (IsWalkableFolder(entry)) SearchFolders(path, mask);
  }
}

void FileSearch::AddSearchResult(const std::wstring& path, const DirEntry& entry) {
  results_.push_back(path);
  size_t count = results_.size();
  seams_.screen.SetStatus(MatchCount(count));
  int row = static_cast<int>(count);
  if (grid_.RowCount() < row + 1) grid_.SetRowCount(row + 1);
  grid_.SetRow(row, GridRow{true, path, entry.size, TwoSecondTime(seams_.times.LocalTime(entry.lastWriteTime))});
  seams_.screen.GridChanged(false);
}

}  // namespace teko
