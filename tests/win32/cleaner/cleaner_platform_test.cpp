// The cleaner's adapters against Wine: recycle-bin figures, free space,
// process lookup, the shell's version, the Internet cache and the URL
// history object. Under Wine the cache can be written and its entries
// deleted by address, but FindFirstUrlCacheEntryExW is a stub that finds
// nothing, so clearing the whole cache leaves it as it was.
#include <windows.h>
#include <shellapi.h>
#include <wininet.h>

#include <gtest/gtest.h>

#include <fstream>
#include <thread>

#include "cleaner/cleaner_system_win32.h"
#include "cleaner/url_cache_win32.h"
#include "cleaner/url_history_win32.h"
#include "platform/handles_win32.h"
#include "platform/module_path_win32.h"
#include "support/temp_tree_win32.h"

namespace teko {
namespace {

void Recycle(const std::wstring& file) {
  std::wstring from = file + L'\0';
  SHFILEOPSTRUCTW operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  ASSERT_EQ(::SHFileOperationW(&operation), 0);
}

TEST(CleanerSystem, RecycleBinFiguresCountWhatWasRecycledUntilTheBinsAreEmptied) {
  Win32CleanerSystem system(nullptr);
  EXPECT_GE(system.ShellVersionMs(), 0x00040048u) << "the shell is too old for the recycle-bin query";
  system.EmptyRecycleBins();
  auto empty = system.QueryRecycleBins();
  ASSERT_TRUE(empty.has_value());
  EXPECT_EQ(empty->items, 0u);
  EXPECT_EQ(empty->bytes, 0u);

  testing::TempTree tree;
  tree.AddFile(L"one.dat", 3000);
  tree.AddFile(L"two.dat", 5000);
  Recycle(tree.Path(L"one.dat"));
  Recycle(tree.Path(L"two.dat"));
  auto filled = system.QueryRecycleBins();
  ASSERT_TRUE(filled.has_value());
  EXPECT_EQ(filled->items, 2u);
  EXPECT_EQ(filled->bytes, 8000u);

  system.EmptyRecycleBins();
  EXPECT_EQ(system.QueryRecycleBins()->items, 0u);
}

TEST(CleanerSystem, FreeSpaceProcessesAndTime) {
  Win32CleanerSystem system(nullptr);
  auto free = system.FreeBytesOfCurrentDrive();
  ASSERT_TRUE(free.has_value());
  EXPECT_GT(*free, 0u);

  std::wstring self = ExecutablePath().substr(ExecutablePath().find_last_of(L'\\') + 1);
  EXPECT_TRUE(system.IsProcessRunning(self));
  EXPECT_TRUE(system.IsProcessRunning(L"WIN32_CLEANER.EXE"));
  EXPECT_FALSE(system.IsProcessRunning(L"Savrix.exe"));

  uint64_t before = system.NowMs();
  system.SleepMs(20);
  EXPECT_GE(system.NowMs(), before + 15);
}

// An entry of the Internet cache with a file of its own.
bool AddCacheEntry(const std::wstring& url) {
  wchar_t file[MAX_PATH] = {};
  if (!::CreateUrlCacheEntryW(url.c_str(), 0, L"txt", file, 0)) return false;
  std::ofstream(file, std::ios::binary) << "cached";
  FILETIME none{};
  return ::CommitUrlCacheEntryW(url.c_str(), file, none, none, NORMAL_CACHE_ENTRY, nullptr, 0, L"txt", nullptr) !=
         FALSE;
}

bool InCache(const std::wstring& url) {
  DWORD size = 0;
  ::GetUrlCacheEntryInfoW(url.c_str(), nullptr, &size);
  return ::GetLastError() == ERROR_INSUFFICIENT_BUFFER;
}

TEST(InternetCache, EntriesAreDeletedByAddressAndWineEnumeratesNone) {
  Win32UrlCache api;
  TIECache cache(api);
  ASSERT_TRUE(cache.LibraryFound());
  const std::wstring kept = L"http://teko.invalid/kept.txt";
  const std::wstring deleted = L"http://teko.invalid/deleted.txt";
  ASSERT_TRUE(AddCacheEntry(kept));
  ASSERT_TRUE(AddCacheEntry(deleted));

  EXPECT_EQ(cache.FindFirstEntry(0), 2u) << "Wine's FindFirstUrlCacheEntryExW has learnt to enumerate";
  cache.ClearAllEntries();
  EXPECT_TRUE(InCache(kept));

  EXPECT_EQ(cache.DeleteEntry(deleted), 0u);
  EXPECT_FALSE(InCache(deleted));
  EXPECT_EQ(cache.DeleteEntry(deleted), 2u);
  EXPECT_EQ(cache.DeleteEntry(kept), 0u);
}

TEST(UrlHistory, TheObjectIsMadeInAnApartmentAndMissedOutsideOne) {
  {
    ComApartment apartment;
    auto store = CreateWin32UrlHistoryStore();
    ASSERT_NE(store, nullptr);
    TUrlHistory history([] { return CreateWin32UrlHistoryStore(); });
    EXPECT_TRUE(history.ClearHistory().has_value());
  }
  std::optional<int32_t> outside = 1;
  std::thread([&] {
    TUrlHistory history([] { return CreateWin32UrlHistoryStore(); });
    outside = history.ClearHistory();
  }).join();
  EXPECT_EQ(outside, std::nullopt);
}

}  // namespace
}  // namespace teko
