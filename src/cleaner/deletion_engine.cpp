#include "cleaner/deletion_engine.h"

#include "cleaner/cleaner_rule.h"
#include "cleaner/folder_listings.h"
#include "core/paths.h"
#include "core/text.h"

namespace teko {

namespace {

bool IsGone(uint32_t error) { return error == kErrorFileNotFound || error == kErrorPathNotFound; }

// Firefox keeps the bookmarks in the same file as the history: whatever
// rule names it, deleting it would lose them.
bool HoldsBookmarks(std::wstring_view path) { return EqualsIgnoringAsciiCase(ExtractFileName(path), L"places.sqlite"); }

}  // namespace

void DeletionEngine::StartRun() {
  totals_ = {};
  log_.clear();
}

void DeletionEngine::RunRuleList(std::span<const std::wstring> rules) {
  int count = static_cast<int>(rules.size());
  int maximum = count < 2 ? 1 : count;
  if (progress_) progress_->RuleRangeSet(maximum);
  for (int i = 0; i < count; ++i) {
    if (progress_) progress_->RulePositionSet(i);
    ApplyRule(Trim(rules[static_cast<size_t>(i)]));
  }
  if (progress_) progress_->RulePositionSet(maximum);
}

void DeletionEngine::ApplyRule(std::wstring_view text) {
  CleanerRule rule = ParseCleanerRule(text);
  if (!rule.folderRule) {
    DeleteOneFile(rule.file);
    return;
  }
  std::wstring folder = CanonicalFolder(rule.folder);
  if (folder.empty() || !files_.FolderExists(folder)) return;
  if (!CleanFolder(folder, rule.mask, rule.recurse)) {
    log_.push_back({CleanerLogKind::FolderDenied, folder});
  }
}

bool DeletionEngine::CleanFolder(const std::wstring& folder, std::wstring_view mask, bool recurse) {
  std::vector<DirEntry> listed;
  if (ListMatchingFiles(files_, folder, mask, listed) != 0) return false;
  DeleteListedFiles(folder, listed);
  if (!recurse) return true;
  FolderRow first;
  if (!CleanSubfolders(folder, mask, first)) return false;
  return DescendSubfolders(std::move(first), mask);
}

void DeletionEngine::DeleteListedFiles(const std::wstring& folder, const std::vector<DirEntry>& listed) {
  for (const DirEntry& entry : listed) {
    std::wstring path = JoinPath(folder, entry.name);
    Delete(path, path, entry.size);
  }
}

// Records every subfolder of `parent` in `row` and deletes its matching
// files. A subfolder that vanished since it was listed is passed over.
bool DeletionEngine::CleanSubfolders(const std::wstring& parent, std::wstring_view mask, FolderRow& row) {
  std::vector<std::wstring> names;
  if (uint32_t error = ListSubfolders(files_, parent, names)) return IsGone(error);
  std::vector<DirEntry> listed;
  for (const std::wstring& name : names) {
    std::wstring folder = JoinPath(parent, name);
    if (uint32_t error = ListMatchingFiles(files_, folder, mask, listed)) {
      if (IsGone(error)) continue;
      return false;
    }
    row.folders.push_back(folder);
    DeleteListedFiles(folder, listed);
  }
  return true;
}

// Depth first: each recorded folder's own subfolders are recorded and
// cleaned, then descended into, before the next recorded folder; once a
// row is done, its folders that are now empty are removed, so a folder
// always goes after its subfolders. The stack holds one row per level, so
// a deep tree cannot exhaust the call stack.
bool DeletionEngine::DescendSubfolders(FolderRow first, std::wstring_view mask) {
  std::vector<FolderRow> rows;
  rows.push_back(std::move(first));
  while (!rows.empty()) {
    FolderRow& row = rows.back();
    if (row.next < row.folders.size()) {
      std::wstring folder = row.folders[row.next++];
      FolderRow deeper;
      if (!CleanSubfolders(folder, mask, deeper)) return false;
      rows.push_back(std::move(deeper));
      continue;
    }
    for (const std::wstring& folder : row.folders) files_.RemoveFolder(folder);
    rows.pop_back();
  }
  return true;
}

// Removed by the name its folder lists, so a rule that spells the file in
// its 8.3 form is not taken for a link; logged as the rule wrote it.
void DeletionEngine::DeleteOneFile(std::wstring_view path) {
  if (!files_.FileExists(path)) return;
  auto entry = files_.FindFirst(path);
  if (!entry) return;
  Delete(JoinPath(ExtractFileDir(path), entry->name), std::wstring(path), entry->size);
}

void DeletionEngine::Delete(const std::wstring& path, const std::wstring& logged, uint64_t size) {
  if (HoldsBookmarks(path)) {
    log_.push_back({CleanerLogKind::KeptBookmarks, logged});
    return;
  }
  uint32_t error = files_.RemoveFile(path);
  if (error == 0) {
    totals_.DeletedByteTotal += size;
    ++totals_.DeletedFileCount;
    log_.push_back({CleanerLogKind::Deleted, logged});
    if (progress_) progress_->FileDeleted(totals_.DeletedFileCount);
  } else if (error == kErrorStoppedOnLink) {
    log_.push_back({CleanerLogKind::SkippedLink, logged});
  } else if (!IsGone(error)) {
    log_.push_back({CleanerLogKind::AccessDenied, logged});
  }
}

}  // namespace teko
