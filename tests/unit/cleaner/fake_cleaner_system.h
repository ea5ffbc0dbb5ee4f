#pragma once
// The cleaner's machine and browser seams, scripted, recording what the
// flows ask of them in one sequence.
#include <deque>
#include <string>
#include <vector>

#include "cleaner/cleaner_system.h"
#include "cleaner/ie_cache.h"
#include "cleaner/url_history.h"
#include "core/os_error.h"

namespace teko::testing {

class FakeCleanerSystem final : public CleanerSystem {
 public:
  uint32_t shellVersion = 0x00060000;
  std::optional<RecycleBinFigures> recycleBins = RecycleBinFigures{};
  bool shellLibraryMissing = false;
  wchar_t separator = L'.';
  std::deque<std::optional<uint64_t>> freeBytes;  // one per look; the last repeats
  int runningLooks = 0;                           // looks that still see the companion
  uint64_t now = 1000;
  std::vector<std::wstring>* calls = nullptr;

  uint32_t ShellVersionMs() override { return shellVersion; }
  std::optional<RecycleBinFigures> QueryRecycleBins() override {
    Record(L"query recycle bins");
    return recycleBins;
  }
  void EmptyRecycleBins() override {
    if (shellLibraryMissing) throw OsError(126, "no shell library");
    Record(L"empty recycle bins");
  }
  void ClearClipboard() override { Record(L"clear clipboard"); }
  wchar_t DecimalSeparator() override { return separator; }
  std::optional<uint64_t> FreeBytesOfCurrentDrive() override {
    std::optional<uint64_t> value = freeBytes.empty() ? std::nullopt : freeBytes.front();
    if (freeBytes.size() > 1) freeBytes.pop_front();
    return value;
  }
  bool IsProcessRunning(std::wstring_view executable) override {
    Record(L"look for " + std::wstring(executable));
    return runningLooks-- > 0;
  }
  uint64_t NowMs() override { return now; }
  void SleepMs(uint32_t milliseconds) override {
    Record(L"sleep");
    now += milliseconds;
  }

 private:
  void Record(std::wstring call) {
    if (calls) calls->push_back(std::move(call));
  }
};

class FakeUrlHistoryStore final : public UrlHistoryStore {
 public:
  explicit FakeUrlHistoryStore(std::vector<std::wstring>* calls) : calls_(calls) {}
  int32_t ClearHistory() override {
    if (calls_) calls_->push_back(L"clear history");
    return 0;
  }

 private:
  std::vector<std::wstring>* calls_;
};

// A cache of entries by address; entries named in `locked` refuse deletion.
class FakeUrlCache final : public UrlCacheApi {
 public:
  bool functionsFound = true;
  std::vector<std::wstring> entries;
  std::vector<std::wstring> locked;
  std::deque<uint32_t> nextFailures;  // errors the next-entry step gives first
  uint32_t persistentNextFailure = 0;  // then this one forever (0: none)
  int functionLookups = 0;
  std::optional<std::wstring> pattern = L"unset";
  uint32_t filter = 0;
  int64_t group = -1;
  std::vector<std::wstring>* calls = nullptr;

  bool FunctionsFound() override {
    ++functionLookups;
    return functionsFound;
  }
  uint32_t FindFirst(const std::optional<std::wstring>& search, uint32_t entryFilter, int64_t groupId,
                     TEntryInfo& entry) override {
    Record(L"find first");
    pattern = search;
    filter = entryFilter;
    group = groupId;
    position_ = 0;
    snapshot_ = entries;
    return Fill(entry);
  }
  uint32_t FindNext(TEntryInfo& entry) override {
    if (!nextFailures.empty()) {
      uint32_t error = nextFailures.front();
      nextFailures.pop_front();
      return error;
    }
    if (persistentNextFailure) return persistentNextFailure;
    ++position_;
    return Fill(entry);
  }
  uint32_t Delete(std::wstring_view url) override {
    Record(L"delete " + std::wstring(url));
    if (url.empty()) return kCacheErrorFileNotFound;
    for (const auto& name : locked) {
      if (name == url) return 32;  // ERROR_SHARING_VIOLATION
    }
    std::erase(entries, std::wstring(url));
    return 0;
  }
  void Close() override { Record(L"close"); }

 private:
  uint32_t Fill(TEntryInfo& entry) {
    if (position_ >= snapshot_.size()) return position_ == 0 ? kCacheErrorFileNotFound : kCacheErrorNoMoreItems;
    entry = TEntryInfo{};
    entry.SourceUrlName = snapshot_[position_];
    return 0;
  }
  void Record(std::wstring call) {
    if (calls) calls->push_back(std::move(call));
  }

  std::vector<std::wstring> snapshot_;
  size_t position_ = 0;
};

}  // namespace teko::testing
