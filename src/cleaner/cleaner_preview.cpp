#include "cleaner/cleaner_preview.h"

#include "cleaner/preview_file_system.h"

namespace teko {

CleanerPreview PreviewCleanerRun(const RuleListInputs& inputs, const FileSystem& files) {
  CleanerPreview preview;
  preview.ruleList = BuildRuleList(inputs, files, [&](std::wstring_view path) {
    preview.scheduledAtReboot.emplace_back(path);
    return true;
  });
  PreviewFileSystem untouched(files);
  DeletionEngine engine(untouched);
  engine.StartRun();
  engine.RunRuleList(preview.ruleList.rules);
  preview.totals = engine.totals();
  preview.log = engine.log();
  preview.removedFolders = untouched.removedFolders();
  return preview;
}

namespace {

constexpr CleanerLogPrefixes kPreviewPrefixes = {
    L"Would delete: ",
    L"Would fail (read-only): ",
    L"Cannot list, rule ends: ",
    kCleanerLogPrefixes[static_cast<size_t>(CleanerLogKind::SkippedLink)],
    kCleanerLogPrefixes[static_cast<size_t>(CleanerLogKind::KeptBookmarks)],
};

}  // namespace

std::vector<std::wstring> CleanerPreviewReport(const CleanerPreview& preview) {
  std::vector<std::wstring> lines{L"Cleaner preview: nothing has been deleted."};
  for (const auto& rule : preview.ruleList.rules) lines.push_back(L"Rule: " + rule);
  for (const auto& line : CleanerLogLines(preview.log, kPreviewPrefixes)) lines.push_back(line);
  for (const auto& folder : preview.removedFolders) lines.push_back(L"Would remove folder: " + folder);
  for (const auto& file : preview.scheduledAtReboot) lines.push_back(L"Would delete at restart: " + file);
  lines.push_back(L"Files: " + std::to_wstring(preview.totals.DeletedFileCount));
  lines.push_back(L"Bytes: " + std::to_wstring(preview.totals.DeletedByteTotal));
  return lines;
}

}  // namespace teko
