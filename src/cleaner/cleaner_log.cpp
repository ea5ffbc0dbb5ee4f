#include "cleaner/cleaner_log.h"

namespace teko {

std::wstring CleanerLogLine(const CleanerLogEntry& entry, const CleanerLogPrefixes& prefixes) {
  return std::wstring(prefixes[static_cast<size_t>(entry.kind)]) + entry.path;
}

std::vector<std::wstring> CleanerLogLines(const std::vector<CleanerLogEntry>& log, const CleanerLogPrefixes& prefixes) {
  std::vector<std::wstring> lines;
  lines.reserve(log.size());
  for (const auto& entry : log) lines.push_back(CleanerLogLine(entry, prefixes));
  return lines;
}

}  // namespace teko
