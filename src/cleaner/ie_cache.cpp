#include "cleaner/ie_cache.h"

namespace teko {

namespace {

// The next-entry step may fail for a moment (an entry that grew between
// the size query and the read); one that keeps failing ends the clearing.
constexpr int kNextEntryAttempts = 3;

}  // namespace

uint32_t EntryFilterOf(const TFilterOptions& options) {
  uint32_t filter = 0;
  for (TFilterOption option : options) filter |= static_cast<uint32_t>(option);
  return filter;
}

std::optional<std::wstring> PatternOf(TSearchPattern pattern) {
  switch (pattern) {
    case TSearchPattern::spAll:
      return std::nullopt;
    case TSearchPattern::spCookies:
      return L"Cookie:";
    case TSearchPattern::spHistory:
      return L"Visited:";
    case TSearchPattern::spUrl:
      return L"";
  }
  return std::nullopt;
}

TIECache::TIECache(UrlCacheApi& api) : api_(api) {
  using enum TFilterOption;
  SetFilterOptions({NORMAL_ENTRY, STICKY_ENTRY, COOKIE_ENTRY, URLHISTORY_ENTRY, TRACK_OFFLINE_ENTRY, TRACK_ONLINE_ENTRY});
}

void TIECache::SetFilterOptions(const TFilterOptions& options) {
  options_ = options;
  filter_ = EntryFilterOf(options);
}

bool TIECache::LibraryFound() {
  if (!found_) found_ = api_.FunctionsFound();
  return found_;
}

uint32_t TIECache::FindFirstEntry(int64_t group) {
  if (!LibraryFound()) return kCacheErrorFileNotFound;
  TEntryInfo entry;
  uint32_t error = api_.FindFirst(PatternOf(pattern_), filter_, group, entry);
  if (error == 0) current_ = std::move(entry);
  return error;
}

uint32_t TIECache::FindNextEntry() {
  if (!LibraryFound()) return kCacheErrorFileNotFound;
  TEntryInfo entry;
  uint32_t error = api_.FindNext(entry);
  if (error == 0) current_ = std::move(entry);
  return error;
}

uint32_t TIECache::DeleteEntry(std::wstring_view url) {
  if (!LibraryFound()) return 0;
  uint32_t error = api_.Delete(url);
  if (error == 0) current_ = TEntryInfo{};
  return error;
}

void TIECache::ClearAllEntries() {
  if (!LibraryFound()) return;
  if (FindFirstEntry(0) == 0) {
    int failures = 0;
    for (;;) {
      // A deleted entry leaves no address; one that could not be deleted is
      // tried again after a failed step.
      if (!current_.SourceUrlName.empty()) DeleteEntry(current_.SourceUrlName);
      uint32_t next = FindNextEntry();
      if (next == kCacheErrorNoMoreItems) break;
      failures = next == 0 ? 0 : failures + 1;
      if (failures >= kNextEntryAttempts) break;
    }
  }
  api_.Close();
}

}  // namespace teko
