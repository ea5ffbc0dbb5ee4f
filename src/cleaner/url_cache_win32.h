#pragma once
#include <windows.h>

#include <vector>

#include "cleaner/ie_cache.h"

namespace teko {

// The cache functions of the Internet library ("wininet.dll").
class Win32UrlCache final : public UrlCacheApi {
 public:
  Win32UrlCache() = default;
  Win32UrlCache(const Win32UrlCache&) = delete;
  Win32UrlCache& operator=(const Win32UrlCache&) = delete;
  ~Win32UrlCache() override;

  bool FunctionsFound() override;
  uint32_t FindFirst(const std::optional<std::wstring>& pattern, uint32_t filter, int64_t group,
                     TEntryInfo& entry) override;
  uint32_t FindNext(TEntryInfo& entry) override;
  uint32_t Delete(std::wstring_view url) override;
  void Close() override;

 private:
  HANDLE enumeration_ = nullptr;
};

}  // namespace teko
