#include "support/browser_profiles_win32.h"

#include <windows.h>

#include <fstream>

#include "core/text.h"
#include "support/temp_tree_win32.h"

namespace teko::testing {

namespace {

constexpr const wchar_t* kChrome = L"\\Google\\Chrome\\User Data";
constexpr const wchar_t* kEdge = L"\\Microsoft\\Edge\\User Data";
constexpr const wchar_t* kFirefox = L"\\Mozilla\\Firefox\\Profiles\\x1y2z3.default-release";

void Write(const std::wstring& path, const std::string& bytes) {
  for (size_t at = path.find(L'\\', 3); at != std::wstring::npos; at = path.find(L'\\', at + 1)) {
    ::CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
  }
  std::ofstream(path.c_str(), std::ios::binary) << bytes;
}

}  // namespace

uint64_t BrowserProfiles::CacheBytes() const {
  uint64_t total = 0;
  for (const auto& [path, bytes] : caches) total += bytes.size();
  return total;
}

BrowserProfiles LayOutBrowserProfiles(const std::wstring& local, const std::wstring& roaming) {
  BrowserProfiles profiles;
  auto cache = [&](const std::wstring& path, size_t size) {
    profiles.caches[path] = std::string(size, static_cast<char>('a' + profiles.caches.size() % 26));
  };
  auto keep = [&](const std::wstring& path) { profiles.kept[path] = "kept: " + Utf8FromWide(path); };

  std::wstring chrome = local + kChrome;
  keep(chrome + L"\\Local State");
  for (const wchar_t* profile : {L"\\Default", L"\\Profile 1"}) {
    std::wstring folder = chrome + profile;
    cache(folder + L"\\Cache\\Cache_Data\\data_0", 8192);
    cache(folder + L"\\Cache\\Cache_Data\\f_000001", 3000);
    cache(folder + L"\\Code Cache\\js\\index-dir\\the-real-index", 120);
    cache(folder + L"\\Code Cache\\wasm\\4f5e6d_0", 2000);
    cache(folder + L"\\GPUCache\\data_1", 4096);
    for (const wchar_t* file : {L"\\Bookmarks", L"\\Login Data", L"\\Preferences", L"\\Secure Preferences",
                                L"\\Sessions\\Session_13350000000000000",
                                L"\\Extensions\\cjpalhdlnbpafiamejdnhcphjbkeiagm\\1.0_0\\manifest.json"}) {
      keep(folder + file);
    }
  }
  std::wstring edge = local + kEdge + L"\\Default";
  cache(edge + L"\\Cache\\Cache_Data\\data_2", 6000);
  cache(edge + L"\\GPUCache\\data_0", 1000);
  for (const wchar_t* file : {L"\\Bookmarks", L"\\Login Data", L"\\Preferences"}) keep(edge + file);

  std::wstring firefoxLocal = local + kFirefox;
  cache(firefoxLocal + L"\\cache2\\entries\\0A1B2C3D4E5F", 7000);
  cache(firefoxLocal + L"\\cache2\\index", 64);
  cache(firefoxLocal + L"\\startupCache\\startupCache.8.little", 900);
  cache(firefoxLocal + L"\\thumbnails\\0a1b2c.png", 500);
  std::wstring firefoxRoaming = roaming + kFirefox;
  for (const wchar_t* file : {L"\\places.sqlite", L"\\favicons.sqlite", L"\\logins.json", L"\\key4.db",
                              L"\\prefs.js", L"\\sessionstore.jsonlz4", L"\\extensions\\uBlock0@raymondhill.net.xpi",
                              L"\\bookmarkbackups\\bookmarks-2024-01-01.jsonlz4"}) {
    keep(firefoxRoaming + file);
  }
  profiles.places = firefoxRoaming + L"\\places.sqlite";

  cache(local + L"\\CrashDumps\\chrome.exe.4242.dmp", 10000);
  std::wstring reports = local + L"\\Microsoft\\Windows\\WER";
  cache(reports + L"\\ReportArchive\\AppCrash_chrome.exe_1a2b\\Report.wer", 700);
  cache(reports + L"\\ReportQueue\\AppCrash_firefox.exe_3c4d\\Report.wer", 800);
  cache(reports + L"\\ReportQueue\\AppCrash_firefox.exe_3c4d\\memory.hdmp", 2000);

  for (const auto* files : {&profiles.caches, &profiles.kept}) {
    for (const auto& [path, bytes] : *files) Write(path, bytes);
  }
  return profiles;
}

void RemoveBrowserProfiles(const std::wstring& local, const std::wstring& roaming) {
  for (const std::wstring& folder : {local + L"\\Google", local + L"\\Microsoft\\Edge", local + L"\\Mozilla",
                                     local + L"\\CrashDumps", local + L"\\Microsoft\\Windows\\WER",
                                     roaming + L"\\Mozilla"}) {
    std::string host = HostPath(folder);
    if (!host.empty()) RunOnHost("rm -rf " + ShellQuoted(host));
  }
}

}  // namespace teko::testing
