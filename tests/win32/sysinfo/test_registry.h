#pragma once
// A registry key of the test's own: created by it and deleted when the
// test ends. A key that was there before is left alone.
#include <windows.h>

#include <string>

namespace teko::testing {

class TestKey {
 public:
  // `path` is below `root`; `view` is 0, KEY_WOW64_32KEY or KEY_WOW64_64KEY.
  TestKey(HKEY root, std::wstring path, REGSAM view = 0) : root_(root), path_(std::move(path)), view_(view) {
    DWORD disposition = 0;
    ::RegCreateKeyExW(root_, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view_, nullptr, &key_, &disposition);
    created_ = key_ && disposition == REG_CREATED_NEW_KEY;
  }
  ~TestKey() {
    if (key_) ::RegCloseKey(key_);
    if (created_) ::RegDeleteKeyExW(root_, path_.c_str(), view_, 0);
  }
  TestKey(const TestKey&) = delete;
  TestKey& operator=(const TestKey&) = delete;

  // Open and new: the test may write to it.
  bool ok() const { return created_; }
  const std::wstring& path() const { return path_; }

  void Set(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    ::RegSetValueExW(key_, name, 0, type, static_cast<const BYTE*>(data), size);
  }
  void SetText(const wchar_t* name, const std::wstring& text, DWORD type = REG_SZ) {
    Set(name, type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }
  void SetDword(const wchar_t* name, DWORD value) { Set(name, REG_DWORD, &value, sizeof value); }
  void Remove(const wchar_t* name) { ::RegDeleteValueW(key_, name); }

 private:
  HKEY root_;
  std::wstring path_;
  REGSAM view_;
  HKEY key_ = nullptr;
  bool created_ = false;
};

// A path no other test program uses at the same time.
inline std::wstring UniqueTestPath(const wchar_t* name) {
  return L"Software\\TekoTest-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + name;
}

// A value as another route reads it: RegGetValueW, text only. `view` is 0
// or a KEY_WOW64_* flag.
inline std::wstring RegistryText(HKEY root, const wchar_t* key, const wchar_t* name, REGSAM view = 0) {
  HKEY opened = nullptr;
  if (::RegOpenKeyExW(root, key, 0, KEY_READ | view, &opened) != ERROR_SUCCESS) return {};
  wchar_t buffer[1024] = {};
  DWORD size = sizeof buffer;
  LSTATUS status = ::RegGetValueW(opened, nullptr, name, RRF_RT_REG_SZ | RRF_NOEXPAND, nullptr, buffer, &size);
  ::RegCloseKey(opened);
  return status == ERROR_SUCCESS ? buffer : L"";
}

}  // namespace teko::testing
