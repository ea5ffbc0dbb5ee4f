#include "cleaner/browser_caches.h"

#include <algorithm>
#include <span>

#include "cleaner/profile_folders.h"
#include "core/paths.h"
#include "core/text.h"

namespace teko {

namespace {

// Each Chromium-family browser's "User Data" folder; another browser of the
// family is one more line.
constexpr std::wstring_view kChromiumUserData[] = {
    L"Google\\Chrome\\User Data",
    L"Microsoft\\Edge\\User Data",
    L"BraveSoftware\\Brave-Browser\\User Data",
    L"Vivaldi\\User Data",
    L"Chromium\\User Data",
};
constexpr std::wstring_view kChromiumCaches[] = {L"Cache", L"Code Cache", L"GPUCache"};

// Firefox keeps its caches in the local half of each profile; the roaming
// half, with the bookmarks, is not walked.
constexpr std::wstring_view kFirefoxProfiles = L"Mozilla\\Firefox\\Profiles";
constexpr std::wstring_view kFirefoxCaches[] = {L"cache2", L"startupCache", L"thumbnails"};

// "Profile " and a number: the browser's names for every profile after the first.
bool IsNumberedProfile(std::wstring_view name) {
  constexpr std::wstring_view kStart = L"profile ";
  if (name.size() <= kStart.size() || !StartsWith(AsciiLower(name), kStart)) return false;
  return std::all_of(name.begin() + kStart.size(), name.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

// "User Data" also holds folders of the browser's own (crash reports,
// components, dictionaries): a profile is one of the names the browser
// gives, or holds the profile's settings file.
bool IsChromiumProfile(const FileSystem& files, const std::wstring& folder, std::wstring_view name) {
  return EqualsIgnoringAsciiCase(name, L"Default") || IsNumberedProfile(name) ||
         files.FileExists(JoinPath(folder, L"Preferences"));
}

bool IsRealFolder(const FileSystem& files, const std::wstring& path) {
  auto attributes = files.Attributes(path);
  return attributes && (*attributes & kAttrDirectory) != 0 && (*attributes & kAttrReparsePoint) == 0;
}

void AppendCaches(const FileSystem& files, const std::wstring& profile, std::span<const std::wstring_view> caches,
                  std::vector<std::wstring>& rules) {
  for (std::wstring_view cache : caches) {
    std::wstring folder = JoinPath(profile, cache);
    if (IsRealFolder(files, folder)) rules.push_back(folder + L"\\*.* /u");
  }
}

}  // namespace

void AppendBrowserCacheRules(const FileSystem& files, std::wstring_view localAppData,
                             std::vector<std::wstring>& rules) {
  for (std::wstring_view userData : kChromiumUserData) {
    std::wstring root = JoinPath(localAppData, userData);
    for (const std::wstring& name : ProfileFolderNames(files, root)) {
      std::wstring profile = JoinPath(root, name);
      if (IsChromiumProfile(files, profile, name)) AppendCaches(files, profile, kChromiumCaches, rules);
    }
  }
  std::wstring firefox = JoinPath(localAppData, kFirefoxProfiles);
  for (const std::wstring& name : ProfileFolderNames(files, firefox)) {
    AppendCaches(files, JoinPath(firefox, name), kFirefoxCaches, rules);
  }
}

}  // namespace teko
