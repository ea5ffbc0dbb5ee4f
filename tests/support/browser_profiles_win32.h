#pragma once
// A user's browsers as Chrome, Edge and Firefox lay them out today, below
// the local and roaming application-data folders given: two Chrome
// profiles and one of Edge, a Firefox profile in both halves, a crash dump
// and error reports. Every file holds bytes of its own.
#include <cstdint>
#include <map>
#include <string>

namespace teko::testing {

struct BrowserProfiles {
  std::map<std::wstring, std::string> caches;  // what a cleaner run must delete, with its bytes
  std::map<std::wstring, std::string> kept;    // bookmarks, passwords, settings, extensions, sessions
  std::wstring places;                         // the roaming profile's places.sqlite, one of `kept`

  uint64_t CacheBytes() const;
};

BrowserProfiles LayOutBrowserProfiles(const std::wstring& local, const std::wstring& roaming);

// Removes every folder the layout made below `local` and `roaming`, from
// the host, so that no link in them is followed.
void RemoveBrowserProfiles(const std::wstring& local, const std::wstring& roaming);

}  // namespace teko::testing
