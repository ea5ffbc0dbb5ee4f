#pragma once
// The deletion engine: runs the cleaner's rule list line by line, deletes
// single files and the files of a folder that match a mask, walks every
// subfolder for "/u" rules and removes the subfolders it left empty. It
// keeps the run's totals and the cleaner log.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cleaner/cleaner_log.h"
#include "platform/file_system.h"

namespace teko {

// What the cleaner window shows while a run works. Called on the thread of
// the run, between files.
class CleanerProgress {
 public:
  virtual ~CleanerProgress() = default;
  // The rule bar's maximum: the number of rules, at least 1.
  virtual void RuleRangeSet(int /*maximum*/) {}
  // The rule about to run; the maximum once every rule has run.
  virtual void RulePositionSet(int /*position*/) {}
  // After every deleted file.
  virtual void FileDeleted(int32_t /*deletedFileCount*/) {}
};

struct RunTotals {
  int32_t DeletedFileCount = 0;
  // Whole bytes: a sum of many small files stays exact at any size.
  uint64_t DeletedByteTotal = 0;
};

class DeletionEngine {
 public:
  explicit DeletionEngine(FileSystem& files, CleanerProgress* progress = nullptr)
      : files_(files), progress_(progress) {}

  // A new run: the log empty, the totals zero.
  void StartRun();

  void RunRuleList(std::span<const std::wstring> rules);
  void ApplyRule(std::wstring_view rule);
  // Deletes the file at `path` if there is one, counts and logs it.
  void DeleteOneFile(std::wstring_view path);

  const RunTotals& totals() const { return totals_; }
  const std::vector<CleanerLogEntry>& log() const { return log_; }

 private:
  // The folders recorded from one subfolder listing, in listing order, and
  // the next of them to descend into.
  struct FolderRow {
    std::vector<std::wstring> folders;
    size_t next = 0;
  };

  bool CleanFolder(const std::wstring& folder, std::wstring_view mask, bool recurse);
  void DeleteListedFiles(const std::wstring& folder, const std::vector<DirEntry>& listed);
  bool CleanSubfolders(const std::wstring& parent, std::wstring_view mask, FolderRow& row);
  bool DescendSubfolders(FolderRow first, std::wstring_view mask);
  // `path` is removed, `logged` names it in the log.
  void Delete(const std::wstring& path, const std::wstring& logged, uint64_t size);

  FileSystem& files_;
  CleanerProgress* progress_;
  RunTotals totals_;
  std::vector<CleanerLogEntry> log_;
};

}  // namespace teko
