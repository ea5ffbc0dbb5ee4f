#pragma once
// TIECache: deletes the entries of the system's Internet cache (cached
// pages, cookies, history records) that its filter and pattern select.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace teko {

// Cache entry types; each option is one bit of the entry filter.
enum class TFilterOption : uint32_t {
  NORMAL_ENTRY = 0x1,
  STABLE_ENTRY = 0x2,
  STICKY_ENTRY = 0x4,
  COOKIE_ENTRY = 0x100000,
  URLHISTORY_ENTRY = 0x200000,
  TRACK_OFFLINE_ENTRY = 0x10,
  TRACK_ONLINE_ENTRY = 0x20,
  SPARSE_ENTRY = 0x10000,
  OCX_ENTRY = 0x20000,
};
using TFilterOptions = std::set<TFilterOption>;

uint32_t EntryFilterOf(const TFilterOptions& options);

// The address pattern handed to the enumeration.
enum class TSearchPattern { spAll, spCookies, spHistory, spUrl };

// Nothing for spAll (every entry); spUrl is the empty text.
std::optional<std::wstring> PatternOf(TSearchPattern pattern);

// A local date and time; all 0 when the platform's time could not be
// converted.
struct LocalDateTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, milliseconds = 0;
  bool operator==(const LocalDateTime&) const = default;
};

// The entry the enumeration found last.
struct TEntryInfo {
  std::wstring SourceUrlName;
  std::wstring LocalFileName;
  uint32_t CacheEntryType = 0;
  uint32_t UseCount = 0;
  uint32_t HitRate = 0;
  uint64_t Size = 0;
  LocalDateTime LastModifiedTime, ExpireTime, LastAccessTime, LastSyncTime;
  std::wstring HeaderInfo;
  std::wstring FileExtension;
  uint32_t ExemptDelta = 0;
};

inline constexpr uint32_t kCacheErrorFileNotFound = 2;
inline constexpr uint32_t kCacheErrorNoMoreItems = 259;

// The Internet library's cache functions. The enumeration handle lives in
// the adapter, one enumeration at a time.
class UrlCacheApi {
 public:
  virtual ~UrlCacheApi() = default;
  // The library loaded and its group and entry functions found (it stays
  // loaded).
  virtual bool FunctionsFound() = 0;
  // The first entry of a new enumeration: 0, or the error code.
  virtual uint32_t FindFirst(const std::optional<std::wstring>& pattern, uint32_t filter, int64_t group,
                             TEntryInfo& entry) = 0;
  // The next entry: 0, or the error code (259 at the end).
  virtual uint32_t FindNext(TEntryInfo& entry) = 0;
  // 0, or the error code.
  virtual uint32_t Delete(std::wstring_view url) = 0;
  // Ends the enumeration, if there is one.
  virtual void Close() = 0;
};

class TIECache {
 public:
  // The filter and pattern the cleaner window stores: every entry that is
  // not stable, sparse or a control, whatever its address.
  explicit TIECache(UrlCacheApi& api);

  void SetFilterOptions(const TFilterOptions& options);
  const TFilterOptions& FilterOptions() const { return options_; }
  uint32_t EntryFilter() const { return filter_; }
  void SetSearchPattern(TSearchPattern pattern) { pattern_ = pattern; }
  TSearchPattern SearchPattern() const { return pattern_; }
  const TEntryInfo& CurrentEntry() const { return current_; }

  // True once the functions were found; a miss is asked again next time.
  bool LibraryFound();
  // 0, 2 without the library, or the platform's error code.
  uint32_t FindFirstEntry(int64_t group);
  uint32_t FindNextEntry();
  // 0 on success (and without the library), else the platform's error code.
  uint32_t DeleteEntry(std::wstring_view url);
  // Deletes every selected entry that belongs to no cache group, in
  // enumeration order. An entry that cannot be deleted stays.
  void ClearAllEntries();

 private:
  UrlCacheApi& api_;
  TFilterOptions options_;
  uint32_t filter_ = 0;
  TSearchPattern pattern_ = TSearchPattern::spAll;
  TEntryInfo current_;
  bool found_ = false;
};

}  // namespace teko
