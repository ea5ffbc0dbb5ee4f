#include "system/recycle_bin_win32.h"

#include "platform/handles_win32.h"
#include "platform/os_error_win32.h"

namespace teko {

namespace {
using EmptyRecycleBinFn = HRESULT(WINAPI*)(HWND, const char*, DWORD);
}  // namespace

void EmptyRecycleBin(HWND owner, DWORD flags) {
  Library shell(::LoadLibraryW(L"Shell32.dll"));
  if (!shell) RaiseLastOsError();
  auto empty = reinterpret_cast<EmptyRecycleBinFn>(
      reinterpret_cast<void*>(::GetProcAddress(shell.get(), "SHEmptyRecycleBinA")));
  if (!empty) RaiseLastOsError();
  empty(owner, nullptr, flags);
}

}  // namespace teko
