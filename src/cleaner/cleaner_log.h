#pragma once
// The cleaner log: what a run deleted or could not delete, in the order it
// happened, one line form per kind.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace teko {

enum class CleanerLogKind {
  Deleted,        // a file was deleted
  AccessDenied,   // deleting an existing file failed
  FolderDenied,   // a folder rule could not list a folder; the path is the rule's folder
  SkippedLink,    // the name leads elsewhere (a link): neither it nor its target was touched
  KeptBookmarks,  // a rule named a file that holds the user's bookmarks: it stays
};

struct CleanerLogEntry {
  CleanerLogKind kind;
  std::wstring path;

  bool operator==(const CleanerLogEntry&) const = default;
};

// The text before the path, by kind.
using CleanerLogPrefixes = std::array<std::wstring_view, 5>;

inline constexpr CleanerLogPrefixes kCleanerLogPrefixes = {
    L"Deleted: ",
    L"Access denied: ",
    L"Access denied! Run Purgo as admin to get access to folder: ",
    L"Skipped link: ",
    L"Kept (holds bookmarks): ",
};

std::wstring CleanerLogLine(const CleanerLogEntry& entry, const CleanerLogPrefixes& prefixes = kCleanerLogPrefixes);
std::vector<std::wstring> CleanerLogLines(const std::vector<CleanerLogEntry>& log,
                                          const CleanerLogPrefixes& prefixes = kCleanerLogPrefixes);

}  // namespace teko
