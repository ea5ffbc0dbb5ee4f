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

FileHandle Open(std::wstring_view path, DWORD access, DWORD share, DWORD flags) {
  return FileHandle(::CreateFileW(LongPathForm(path).c_str(), access, share, nullptr, OPEN_EXISTING,
                                  flags | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

struct ResolvedPaths {
  std::wstring entry;
  std::wstring folder;
};

// The last folder resolved on this thread: a cleaner run deletes a folder's
// files one after another. An entry whose own path is in that folder is
// accepted without asking again; any other is checked against the folder as
// it resolves now.
struct ResolvedFolder {
  std::wstring listed;
  std::wstring final;
};
thread_local ResolvedFolder lastFolder;

// The folder may be reached through links (a substituted drive, a junction):
// only the entry itself must not lead elsewhere. Both sides come through the
// same call, so that both come in the same form.
bool ResolveAgainstFolder(HANDLE entry, const std::wstring& folder, ResolvedPaths& resolved, uint32_t& error) {
  FileHandle parent = Open(folder, FILE_READ_ATTRIBUTES, kShareAll, 0);
  if (!parent) {
    error = ::GetLastError();
    return false;
  }
  if (!resolved.entry.empty()) resolved.folder = FinalPath(parent.get());
  if (!resolved.folder.empty()) {
    lastFolder = {folder, resolved.folder};
  } else {
    resolved = {ObjectName(entry), ObjectName(parent.get())};
  }
  if (resolved.entry.empty() || resolved.folder.empty()) {
    error = kErrorAccessDenied;
    return false;
  }
  return true;
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
  FILE_ATTRIBUTE_TAG_INFO info;
  if (!::GetFileInformationByHandleEx(entry.get(), FileAttributeTagInfo, &info, sizeof info)) {
    error = LastErrorOr(kErrorAccessDenied);
    return {};
  }
  if (info.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    error = ERROR_ACCESS_DENIED;
    return {};
  }
  std::wstring folder = ExtractFileDir(path);
  std::wstring name = ExtractFileName(path);
  ResolvedPaths resolved{FinalPath(entry.get()), {}};
  bool inLastFolder = !resolved.entry.empty() && lastFolder.listed == folder &&
                      IsListedEntry(lastFolder.final, name, resolved.entry);
  if (inLastFolder) return entry;
  if (!ResolveAgainstFolder(entry.get(), folder, resolved, error)) return {};
  if (!IsListedEntry(resolved.folder, name, resolved.entry)) {
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
