// The search engine and its adapters against real files and the locale
// under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/file_system_win32.h"
#include "search/file_search.h"
#include "search/file_time_format_win32.h"
#include "search/text_collator_win32.h"
#include "support/fake_dialogs.h"
#include "support/search_fakes.h"

namespace teko {
namespace {

using testing::FakeDialogs;
using testing::FakePump;
using testing::FakeScreen;
using testing::kTicksPerSecond;

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(Win32TextCollator, KeysOrderAsCompareStringIgnoringCase) {
  Win32TextCollator collator;
  const std::wstring texts[] = {L"apple",       L"Banana",       L"ABC.txt",      L"abc.TXT",  L"\u00e4pfel",
                                L"birne",       L"zeta",         L"a-b",          L"ab",       L"co-op",
                                L"coop",        L"it's",         L"its",          L"C:\\x#1", L"C:\\x\\1",
                                L"C:\\x 2\\a", L"file10.txt",   L"file9.txt",    L"",         L"\u00df",
                                L"ss",          L"\u00c5ngstr\u00f6m", L"Zebra"};
  for (const auto& a : texts) {
    for (const auto& b : texts) {
      int platform = ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                                      b.data(), static_cast<int>(b.size())) - CSTR_EQUAL;
      std::string x = collator.SortKey(a), y = collator.SortKey(b);
      EXPECT_EQ(Sign(x.compare(y)), Sign(platform)) << ::testing::PrintToString(a) << " vs " << ::testing::PrintToString(b);
    }
  }
  EXPECT_LT(collator.SortKey(L"apple"), collator.SortKey(L"Banana"));
  EXPECT_EQ(collator.SortKey(L"ABC.txt"), collator.SortKey(L"abc.TXT"));
  EXPECT_LT(collator.SortKey(L"\u00e4pfel"), collator.SortKey(L"birne"));  // not the code-unit order
}

class SearchOnRealFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    ASSERT_NE(::GetTempPathW(MAX_PATH, temp), 0u);
    folder_ = std::wstring(temp) + L"teko-search-" + std::to_wstring(::GetCurrentProcessId()) + L"\\";
    ASSERT_TRUE(::CreateDirectoryW(folder_.c_str(), nullptr));
    ASSERT_TRUE(::CreateDirectoryW((folder_ + L"sub").c_str(), nullptr));
  }
  void TearDown() override {
    for (const auto& path : made_) {
      ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      ::DeleteFileW(path.c_str());
    }
    ::RemoveDirectoryW((folder_ + L"sub").c_str());
    ::RemoveDirectoryW(folder_.c_str());
  }
  // A file of `size` bytes (sparse where the platform allows) written at `utc`.
  void Make(const std::wstring& name, int64_t size, int64_t utc = 0, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    std::wstring path = folder_ + name;
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    made_.push_back(path);
    LARGE_INTEGER end{};
    end.QuadPart = size;
    EXPECT_TRUE(::SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && ::SetEndOfFile(file));
    if (utc) {
      FILETIME time{static_cast<DWORD>(utc & 0xFFFFFFFF), static_cast<DWORD>(utc >> 32)};
      EXPECT_TRUE(::SetFileTime(file, nullptr, nullptr, &time));
    }
    ::CloseHandle(file);
    EXPECT_TRUE(::SetFileAttributesW(path.c_str(), attributes));
  }
  std::vector<std::wstring> Find(std::wstring_view mask) {
    screen.inputs = SearchInputs{std::wstring(mask), folder_, true, SearchTarget::Files};
    search.BtnSearchClick();
    return search.Results();
  }

  std::wstring folder_;
  std::vector<std::wstring> made_;
  Win32FileSystem files;
  Win32FileTimeFormat times;
  Win32TextCollator collator;
  FakePump pump;
  FakeDialogs dialogs;
  FakeScreen screen;
  ResultGrid grid;
  GridSorting sorting{grid, collator};
  FileSearch search{{files, times, pump, dialogs, screen}, grid, sorting};
};

TEST_F(SearchOnRealFiles, TheMaskExtensionRuleAndHiddenSystemFiles) {
  Make(L"page.htm", 1);
  Make(L"page.html", 1);
  Make(L"sub\\secret.htm", 1, 0, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
  auto hits = Find(L"*.htm");
  std::sort(hits.begin(), hits.end());
  EXPECT_EQ(hits, (std::vector<std::wstring>{folder_ + L"page.htm", folder_ + L"sub\\secret.htm"}));
}

TEST_F(SearchOnRealFiles, HugeSizesSortByValueAndTimesShowAtTwoSeconds) {
  constexpr int64_t kOddSecond = 130'000'000'000'000'000LL + kTicksPerSecond + 1234;  // in 2012
  Make(L"big.dat", 5'000'000'000LL, kOddSecond);
  Make(L"small.dat", 10);
  Make(L"mid.dat", 2'147'483'648LL);
  ASSERT_EQ(Find(L"*.dat").size(), 3u);

  auto row = std::find_if(grid.DataRows().begin(), grid.DataRows().end(),
                          [](const GridRow& r) { return r.path.ends_with(L"big.dat"); });
  ASSERT_NE(row, grid.DataRows().end());
  EXPECT_EQ(row->size, 5'000'000'000u);
  EXPECT_EQ(row->time, times.LocalTime(kOddSecond) - kTicksPerSecond - 1234);
  EXPECT_NE(CellText(*row, kDateColumn, times).find(L"2012"), std::wstring::npos);

  sorting.MouseDown(GridCell{0, kSizeColumn}, true);
  EXPECT_TRUE(grid.Row(1).path.ends_with(L"small.dat"));
  EXPECT_TRUE(grid.Row(2).path.ends_with(L"mid.dat"));
  EXPECT_TRUE(grid.Row(3).path.ends_with(L"big.dat"));
}

}  // namespace
}  // namespace teko
