#pragma once
// The system's and the user's special folders, each passed through the
// trailing-delimiter rule.
#include <string>
#include <string_view>

#include "sysinfo/environment.h"
#include "sysinfo/folder_api.h"
#include "sysinfo/registry_reader.h"

namespace teko {

// Shell special-folder identifiers (CSIDL) the program reads.
enum Csidl : int {
  kCsidlDesktop = 0,
  kCsidlFavorites = 6,
  kCsidlStartup = 7,
  kCsidlCommonStartup = 24,
  kCsidlCommonDesktopDirectory = 25,
  kCsidlAppData = 26,
  kCsidlLocalAppData = 28,
  kCsidlCommonFavorites = 31,
  kCsidlInternetCache = 32,
  kCsidlCookies = 33,
  kCsidlHistory = 34,
  kCsidlCommonAppData = 35,
  kCsidlProfile = 40,
};

// Without a trailing delimiter a final backslash goes ("C:\" becomes "C:");
// with one, one is added. Empty text stays empty either way.
std::wstring ApplyTrailingDelimiter(std::wstring_view folder, bool trailingDelimiter);

class TSystemFolders {
 public:
  TSystemFolders(FolderApi& folders, Environment& environment, RegistryReader& registry)
      : folders_(folders), environment_(environment), registry_(registry) {}

  bool TrailingPathDelimiter() const { return trailingPathDelimiter_; }
  void SetTrailingPathDelimiter(bool value) { trailingPathDelimiter_ = value; }

  std::wstring System();
  std::wstring Windows();
  // TMP, else TEMP, else the current directory; in long form.
  std::wstring Temp();
  std::wstring CommonFiles();

  std::wstring Desktop() { return Special(kCsidlDesktop); }
  std::wstring Favorites() { return Special(kCsidlFavorites); }
  std::wstring Startup() { return Special(kCsidlStartup); }
  std::wstring CommonStartup() { return Special(kCsidlCommonStartup); }
  std::wstring CommonDesktopDirectory() { return Special(kCsidlCommonDesktopDirectory); }
  std::wstring AppData() { return Special(kCsidlAppData); }
  std::wstring LocalAppData() { return Special(kCsidlLocalAppData); }
  std::wstring CommonFavorites() { return Special(kCsidlCommonFavorites); }
  std::wstring InternetCache() { return Special(kCsidlInternetCache); }
  std::wstring Cookies() { return Special(kCsidlCookies); }
  std::wstring History() { return Special(kCsidlHistory); }
  std::wstring CommonAppData() { return Special(kCsidlCommonAppData); }
  std::wstring Profile() { return Special(kCsidlProfile); }

 private:
  std::wstring Special(Csidl csidl);
  std::wstring Shown(std::wstring_view folder) const { return ApplyTrailingDelimiter(folder, trailingPathDelimiter_); }

  FolderApi& folders_;
  Environment& environment_;
  RegistryReader& registry_;
  bool trailingPathDelimiter_ = false;
};

}  // namespace teko
