// The built help files, opened with the system's own compiled-help storage:
// the start page answers context 0, the cleaner page topic 170, in both
// languages, and the German pages keep their umlauts.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/handles_win32.h"
#include "platform/module_path_win32.h"

namespace teko {

// The compiled-help storage of the platform (itss), declared as far as used.
// Outside the unnamed namespace: with no implementation in sight there, the
// compiler would take the calls for unreachable.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
struct IITStorage : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE StgCreateDocfile(const WCHAR*, DWORD, DWORD, IStorage**) = 0;
  virtual HRESULT STDMETHODCALLTYPE StgCreateDocfileOnILockBytes(ILockBytes*, DWORD, DWORD, IStorage**) = 0;
  virtual HRESULT STDMETHODCALLTYPE StgIsStorageFile(const WCHAR*) = 0;
  virtual HRESULT STDMETHODCALLTYPE StgIsStorageILockBytes(ILockBytes*) = 0;
  virtual HRESULT STDMETHODCALLTYPE StgOpenStorage(const WCHAR*, IStorage*, DWORD, SNB, DWORD, IStorage**) = 0;
};
#pragma GCC diagnostic pop

namespace {

constexpr CLSID kItStorageClass = {0x5D02926A, 0x212E, 0x11D0, {0x9D, 0xF9, 0x00, 0xA0, 0xC9, 0x22, 0xE6, 0xEC}};
constexpr IID kItStorageInterface = {0x88CC31DE, 0x27AB, 0x11D0, {0x9D, 0xF9, 0x00, 0xA0, 0xC9, 0x22, 0xE6, 0xEC}};

class HelpFile {
 public:
  explicit HelpFile(const std::wstring& path) {
    ComPtr<IITStorage> factory;
    HRESULT created = ::CoCreateInstance(kItStorageClass, nullptr, CLSCTX_INPROC_SERVER, kItStorageInterface,
                                         factory.put_void());
    if (FAILED(created)) return;
    factory->StgOpenStorage(path.c_str(), nullptr, STGM_READ | STGM_SHARE_DENY_WRITE, nullptr, 0, storage_.put());
  }
  bool opened() const { return static_cast<bool>(storage_); }

  std::optional<std::string> Read(const wchar_t* name) const {
    ComPtr<IStream> stream;
    if (FAILED(storage_->OpenStream(name, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, stream.put()))) {
      return std::nullopt;
    }
    std::string data;
    char buffer[4096];
    ULONG read = 0;
    while (SUCCEEDED(stream->Read(buffer, sizeof buffer, &read)) && read > 0) data.append(buffer, read);
    return data;
  }

  // The page a help context opens: the context table pairs each number with
  // the offset of the page's name in the string table.
  std::optional<std::string> PageOfContext(DWORD context) const {
    auto table = Read(L"#IVB");
    auto strings = Read(L"#STRINGS");
    if (!table || !strings || table->size() < sizeof(DWORD)) return std::nullopt;
    DWORD size = 0;
    memcpy(&size, table->data(), sizeof size);
    size_t entries = std::min<size_t>(size, table->size() - sizeof size) / (2 * sizeof(DWORD));
    for (size_t i = 0; i < entries; ++i) {
      DWORD pair[2];
      memcpy(pair, table->data() + sizeof size + i * sizeof pair, sizeof pair);
      if (pair[0] != context) continue;
      if (pair[1] >= strings->size()) return std::nullopt;
      return std::string(strings->c_str() + pair[1]);
    }
    return std::nullopt;
  }

 private:
  ComPtr<IStorage> storage_;
};

std::wstring WideFromPath(const std::string& name) {
  std::wstring wide(name.begin(), name.end());
  return wide;
}

class HelpFiles : public ::testing::TestWithParam<const wchar_t*> {
 protected:
  ComApartment apartment_;
};

TEST_P(HelpFiles, StartAndCleanerTopicsResolveToTheirPages) {
  HelpFile help(ExecutableFolder() + GetParam());
  ASSERT_TRUE(help.opened()) << "cannot open " << ::testing::PrintToString(std::wstring(GetParam()));
  auto start = help.PageOfContext(0);
  auto cleaner = help.PageOfContext(170);
  ASSERT_TRUE(start.has_value());
  ASSERT_TRUE(cleaner.has_value());
  EXPECT_EQ(*start, "index.htm");
  EXPECT_EQ(*cleaner, "cleaner.htm");
  EXPECT_FALSE(help.PageOfContext(171).has_value());

  auto startPage = help.Read((L"/" + WideFromPath(*start)).c_str());
  auto cleanerPage = help.Read((L"/" + WideFromPath(*cleaner)).c_str());
  ASSERT_TRUE(startPage.has_value());
  ASSERT_TRUE(cleanerPage.has_value());
  EXPECT_NE(startPage->find("Teko"), std::string::npos);
  EXPECT_NE(cleanerPage->find("Run Cleaner"), std::string::npos);
  EXPECT_TRUE(help.Read(L"/teko.css").has_value());
}

// The platform's help viewer opens its window for both topics and refuses
// a topic the file does not know.
TEST_P(HelpFiles, TheHelpViewerOpensBothTopics) {
  Library viewer(::LoadLibraryW(L"hhctrl.ocx"));
  ASSERT_TRUE(viewer);
  using HtmlHelpFn = HWND(WINAPI*)(HWND, const wchar_t*, UINT, DWORD_PTR);
  auto htmlHelp = reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void*>(::GetProcAddress(viewer.get(), "HtmlHelpW")));
  ASSERT_NE(htmlHelp, nullptr);
  constexpr UINT kHelpContext = 0x000F;
  constexpr UINT kCloseAll = 0x0012;
  std::wstring path = ExecutableFolder() + GetParam();
  for (DWORD context : {0u, 170u}) {
    HWND window = htmlHelp(::GetDesktopWindow(), path.c_str(), kHelpContext, context);
    EXPECT_NE(window, nullptr) << "context " << context;
    htmlHelp(nullptr, nullptr, kCloseAll, 0);
  }
  EXPECT_EQ(htmlHelp(::GetDesktopWindow(), path.c_str(), kHelpContext, 171), nullptr);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, HelpFiles, ::testing::Values(L"tekoe.chm", L"tekod.chm"));

std::wstring FromWindows1252(const std::string& bytes) {
  int length = ::MultiByteToWideChar(1252, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<size_t>(length), L'\0');
  ::MultiByteToWideChar(1252, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
  return text;
}

TEST(GermanHelp, PagesAreGermanWithTheirUmlautsInTheDeclaredCodePage) {
  ComApartment apartment;
  HelpFile help(ExecutableFolder() + L"tekod.chm");
  ASSERT_TRUE(help.opened());
  auto page = help.Read(L"/index.htm");
  ASSERT_TRUE(page.has_value());
  EXPECT_NE(page->find("charset=windows-1252"), std::string::npos);
  std::wstring text = FromWindows1252(*page);
  EXPECT_NE(text.find(L"Willkommen bei Teko"), std::wstring::npos);
  EXPECT_NE(text.find(L"hält ihn sauber"), std::wstring::npos);
  EXPECT_NE(text.find(L"über"), std::wstring::npos);
  auto shredder = help.Read(L"/shredder.htm");
  ASSERT_TRUE(shredder.has_value());
  EXPECT_NE(FromWindows1252(*shredder).find(L"Sicheres Löschen"), std::wstring::npos);
}

}  // namespace
}  // namespace teko
