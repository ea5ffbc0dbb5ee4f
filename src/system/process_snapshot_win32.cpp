#include "system/process_snapshot_win32.h"

#include <windows.h>
#include <tlhelp32.h>

#include "core/text.h"
#include "platform/handles_win32.h"
#include "platform/os_error_win32.h"
#include "system/privilege.h"

namespace teko {

namespace {

#ifndef _WIN64
static_assert(sizeof(PROCESSENTRY32W) == 556, "the record size the snapshot functions expect");
#endif

using GetModuleFileNameExFunction = DWORD(WINAPI*)(HANDLE, HMODULE, LPWSTR, DWORD);

// Null when the library or the function cannot be had.
GetModuleFileNameExFunction GetModuleFileNameEx() {
  static Library psapi(::LoadLibraryExW(L"PSAPI.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
  if (!psapi) return nullptr;
  static FARPROC function = ::GetProcAddress(psapi.get(), "GetModuleFileNameExW");
  return reinterpret_cast<GetModuleFileNameExFunction>(reinterpret_cast<void*>(function));
}

}  // namespace

std::vector<ProcessRecord> Win32ProcessSnapshot::Take() {
  FileHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) RaiseLastOsError();
  PROCESSENTRY32W entry{sizeof(PROCESSENTRY32W)};
  if (!::Process32FirstW(snapshot.get(), &entry)) RaiseLastOsError();
  std::vector<ProcessRecord> records;
  do {
    records.push_back({entry.th32ProcessID, CutAtNul(std::wstring_view(entry.szExeFile, MAX_PATH))});
  } while (::Process32NextW(snapshot.get(), &entry));
  return records;
}

std::wstring Win32ProcessAccess::ImagePath(uint32_t id) {
  UniqueHandle process(::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id));
  auto getModuleFileNameEx = GetModuleFileNameEx();
  if (!process || !getModuleFileNameEx) return {};
  wchar_t path[MAX_PATH] = {};
  if (getModuleFileNameEx(process.get(), nullptr, path, MAX_PATH) == 0) return {};
  return CutAtNul(std::wstring_view(path, MAX_PATH));
}

bool Win32ProcessAccess::Terminate(uint32_t id) {
  UniqueHandle process(::OpenProcess(PROCESS_TERMINATE, FALSE, id));
  return process && ::TerminateProcess(process.get(), 0);
}

void Win32ProcessAccess::EnableDebugPrivilege() { EnablePrivilege(L"SeDebugPrivilege"); }

}  // namespace teko
