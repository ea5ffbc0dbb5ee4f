#include "cleaner/url_cache_win32.h"

#include <wininet.h>

#include <cwchar>
#include <string>

namespace teko {

namespace {

// Looked up by name to tell whether the library offers the cache functions.
constexpr const char* kCacheFunctions[] = {"FindFirstUrlCacheGroup", "FindNextUrlCacheGroup",
                                           "GetUrlCacheGroupAttributeA", "SetUrlCacheGroupAttributeA",
                                           "FindFirstUrlCacheEntryExA"};

LocalDateTime LocalTimeOf(const FILETIME& utc) {
  FILETIME local;
  SYSTEMTIME time;
  if (!::FileTimeToLocalFileTime(&utc, &local) || !::FileTimeToSystemTime(&local, &time)) return {};
  return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond, time.wMilliseconds};
}

std::wstring TextOf(const wchar_t* text, size_t limit = SIZE_MAX) {
  return text ? std::wstring(text, ::wcsnlen(text, limit)) : std::wstring();
}

TEntryInfo EntryOf(const INTERNET_CACHE_ENTRY_INFOW& info) {
  TEntryInfo entry;
  entry.SourceUrlName = TextOf(info.lpszSourceUrlName);
  entry.LocalFileName = TextOf(info.lpszLocalFileName);
  entry.CacheEntryType = info.CacheEntryType;
  entry.UseCount = info.dwUseCount;
  entry.HitRate = info.dwHitRate;
  entry.Size = (static_cast<uint64_t>(info.dwSizeHigh) << 32) | info.dwSizeLow;
  entry.LastModifiedTime = LocalTimeOf(info.LastModifiedTime);
  entry.ExpireTime = LocalTimeOf(info.ExpireTime);
  entry.LastAccessTime = LocalTimeOf(info.LastAccessTime);
  entry.LastSyncTime = LocalTimeOf(info.LastSyncTime);
  entry.HeaderInfo = TextOf(info.lpHeaderInfo, info.dwHeaderInfoSize);
  entry.FileExtension = TextOf(info.lpszFileExtension);
  entry.ExemptDelta = info.dwExemptDelta;
  return entry;
}

// Entry records are variable in length: a call without room reports the
// size, a second call with a buffer of that size reads the entry. `call`
// returns whether it succeeded.
template <typename Call>
uint32_t ReadEntry(Call call, TEntryInfo& entry) {
  DWORD size = 0;
  if (call(nullptr, &size)) return ERROR_INSUFFICIENT_BUFFER;
  DWORD error = ::GetLastError();
  if (error != ERROR_INSUFFICIENT_BUFFER || size < sizeof(INTERNET_CACHE_ENTRY_INFOW)) return error;
  std::vector<unsigned long long> buffer((size + sizeof(unsigned long long) - 1) / sizeof(unsigned long long));
  auto* info = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOW*>(buffer.data());
  if (!call(info, &size)) return ::GetLastError();
  entry = EntryOf(*info);
  return 0;
}

}  // namespace

Win32UrlCache::~Win32UrlCache() { Close(); }

// The library stays loaded: the program imports it anyway.
bool Win32UrlCache::FunctionsFound() {
  HMODULE library = ::LoadLibraryW(L"wininet.dll");
  if (!library) return false;
  for (const char* name : kCacheFunctions) {
    if (!::GetProcAddress(library, name)) return false;
  }
  return true;
}

uint32_t Win32UrlCache::FindFirst(const std::optional<std::wstring>& pattern, uint32_t filter, int64_t group,
                                  TEntryInfo& entry) {
  Close();
  const wchar_t* search = pattern ? pattern->c_str() : nullptr;
  return ReadEntry(
      [&](INTERNET_CACHE_ENTRY_INFOW* info, DWORD* size) {
        HANDLE found = ::FindFirstUrlCacheEntryExW(search, 0, filter, group, info, size, nullptr, nullptr, nullptr);
        if (!found) return false;
        // A size query that found an entry anyway has nothing to read into.
        if (!info) {
          ::FindCloseUrlCache(found);
          return true;
        }
        enumeration_ = found;
        return true;
      },
      entry);
}

uint32_t Win32UrlCache::FindNext(TEntryInfo& entry) {
  if (!enumeration_) return ERROR_INVALID_HANDLE;
  return ReadEntry(
      [&](INTERNET_CACHE_ENTRY_INFOW* info, DWORD* size) {
        return ::FindNextUrlCacheEntryExW(enumeration_, info, size, nullptr, nullptr, nullptr) != FALSE;
      },
      entry);
}

uint32_t Win32UrlCache::Delete(std::wstring_view url) {
  std::wstring name(url);
  return ::DeleteUrlCacheEntryW(name.c_str()) ? 0 : ::GetLastError();
}

void Win32UrlCache::Close() {
  if (enumeration_) ::FindCloseUrlCache(enumeration_);
  enumeration_ = nullptr;
}

}  // namespace teko
