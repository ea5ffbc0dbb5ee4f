#include "platform/listed_entry_win32.h"

#include <string>
#include <vector>

#include "core/listed_entry.h"
#include "core/paths.h"
#include "platform/file_system.h"
#include "platform/file_system_win32.h"

namespace teko {

namespace {

std::wstring FinalPath(HANDLE handle) {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    DWORD length = ::GetFinalPathNameByHandleW(handle, buffer.data(), static_cast<DWORD>(buffer.size()),
                                               FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) return {};
    if (length < buffer.size()) return std::wstring(buffer.data(), length);
    buffer.resize(length + 1);
  }
}

// The object manager's name of an open file. Wine's GetFinalPathNameByHandleW
// gives up on paths longer than MAX_PATH (ERROR_MORE_DATA whatever the
// buffer); this is what it reads underneath, without that limit.
std::wstring ObjectName(HANDLE handle) {
  struct CountedText {
    USHORT length;
    USHORT maximumLength;
    PWSTR buffer;
  };
  using QueryObject = LONG(NTAPI*)(HANDLE, int, void*, ULONG, ULONG*);
  constexpr int kObjectNameInformation = 1;
  static const auto query = reinterpret_cast<QueryObject>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryObject")));
  if (!query) return {};
  std::vector<CountedText> storage(1 + (65536 + sizeof(CountedText) - 1) / sizeof(CountedText));
  ULONG size = static_cast<ULONG>(storage.size() * sizeof(CountedText));
  if (query(handle, kObjectNameInformation, storage.data(), size, &size) < 0) return {};
  const CountedText& name = storage.front();
  return std::wstring(name.buffer, name.length / sizeof(wchar_t));
}

struct ResolvedPaths {
  std::wstring entry;
  std::wstring folder;
};

// Both through the same call, so that both come in the same form.
ResolvedPaths Resolve(HANDLE entry, HANDLE folder) {
  ResolvedPaths paths{FinalPath(entry), FinalPath(folder)};
  if (!paths.entry.empty() && !paths.folder.empty()) return paths;
  return {ObjectName(entry), ObjectName(folder)};
}

FileHandle Open(std::wstring_view path, DWORD access, DWORD share, DWORD flags) {
  return FileHandle(::CreateFileW(LongPathForm(path).c_str(), access, share, nullptr, OPEN_EXISTING,
                                  flags | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

uint32_t LastErrorOr(uint32_t fallback) {
  DWORD error = ::GetLastError();
  return error ? error : fallback;
}

}  // namespace

FileHandle OpenListedEntry(std::wstring_view path, DWORD access, DWORD share, uint32_t& error) {
  FileHandle entry = Open(path, access | FILE_READ_ATTRIBUTES, share, FILE_FLAG_OPEN_REPARSE_POINT);
  if (!entry) {
    error = ::GetLastError();
    return {};
  }
  BY_HANDLE_FILE_INFORMATION info;
  if (!::GetFileInformationByHandle(entry.get(), &info)) {
    error = LastErrorOr(kErrorAccessDenied);
    return {};
  }
  if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    error = ERROR_ACCESS_DENIED;
    return {};
  }
  // The folder may be reached through links (a substituted drive, a
  // junction): only the entry itself must not lead elsewhere.
  FileHandle parent = Open(ExtractFileDir(path), FILE_READ_ATTRIBUTES, kShareAll, 0);
  if (!parent) {
    error = ::GetLastError();
    return {};
  }
  ResolvedPaths resolved = Resolve(entry.get(), parent.get());
  if (resolved.entry.empty() || resolved.folder.empty()) {
    error = kErrorAccessDenied;
    return {};
  }
  if (!IsListedEntry(resolved.folder, ExtractFileName(path), resolved.entry)) {
    error = kErrorStoppedOnLink;
    return {};
  }
  return entry;
}

uint32_t DeleteWhenClosed(HANDLE entry) {
  FILE_DISPOSITION_INFO disposition{TRUE};
  return ::SetFileInformationByHandle(entry, FileDispositionInfo, &disposition, sizeof disposition) ? 0
                                                                                                    : ::GetLastError();
}

}  // namespace teko
