#include <windows.h>
#include <shlobj.h>

#include <string>

#include "platform/handles_win32.h"
#include "sysinfo/win32_seams.h"

namespace teko {

namespace {

using GetLongPathNameFn = DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD);

// An item-ID list freed through the shell's allocator.
class ItemIdList {
 public:
  ItemIdList() = default;
  ItemIdList(const ItemIdList&) = delete;
  ItemIdList& operator=(const ItemIdList&) = delete;
  ~ItemIdList() {
    if (!list_) return;
    ComPtr<IMalloc> allocator;
    if (SUCCEEDED(::SHGetMalloc(allocator.put()))) allocator->Free(list_);
  }
  LPITEMIDLIST* put() { return &list_; }
  LPCITEMIDLIST get() const { return list_; }

 private:
  LPITEMIDLIST list_ = nullptr;
};

std::optional<std::wstring> PathOf(const ItemIdList& list) {
  wchar_t path[MAX_PATH] = {};
  if (!::SHGetPathFromIDListW(list.get(), path)) return std::nullopt;
  return std::wstring(path, std::size(path));
}

class Win32FolderApiAdapter final : public FolderApi {
 public:
  uint32_t SystemDirectory(std::span<wchar_t> buffer) override {
    return ::GetSystemDirectoryW(buffer.empty() ? nullptr : buffer.data(), static_cast<UINT>(buffer.size()));
  }

  uint32_t WindowsDirectory(std::span<wchar_t> buffer) override {
    return ::GetWindowsDirectoryW(buffer.empty() ? nullptr : buffer.data(), static_cast<UINT>(buffer.size()));
  }

  std::optional<std::wstring> SpecialFolder(int csidl) override {
    ItemIdList list;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, csidl, list.put()))) return std::nullopt;
    return PathOf(list);
  }

  std::optional<std::wstring> ParsedPath(std::wstring_view text) override {
    ComPtr<IShellFolder> desktop;
    if (FAILED(::SHGetDesktopFolder(desktop.put()))) return std::nullopt;
    std::wstring name(text);
    ItemIdList list;
    if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, name.data(), nullptr, list.put(), nullptr))) {
      return std::nullopt;
    }
    return PathOf(list);
  }

  std::optional<uint32_t> LongPathName(std::wstring_view path, std::span<wchar_t> buffer) override {
    static const auto getLongPathName = reinterpret_cast<GetLongPathNameFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "GetLongPathNameW")));
    if (!getLongPathName) return std::nullopt;
    return getLongPathName(std::wstring(path).c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
  }
};

}  // namespace

FolderApi& Win32FolderApi() {
  static Win32FolderApiAdapter folders;
  return folders;
}

}  // namespace teko
