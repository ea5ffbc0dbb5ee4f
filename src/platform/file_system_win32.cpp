#include "platform/file_system_win32.h"

#include <windows.h>

#include "core/paths.h"
#include "platform/handles_win32.h"
#include "platform/listed_entry_win32.h"

namespace teko {

std::wstring LongPathForm(std::wstring_view path) {
  if (path.size() < MAX_PATH - 12 || path.starts_with(L"\\\\?\\")) return std::wstring(path);
  std::wstring normal;
  normal.reserve(path.size());
  for (wchar_t c : path) {
    if (c == L'/') c = L'\\';
    if (c == L'\\' && !normal.empty() && normal.back() == L'\\' && normal.size() > 1) continue;
    normal += c;
  }
  if (normal.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + normal.substr(2);
  if (normal.size() >= 3 && normal[1] == L':' && normal[2] == L'\\') return L"\\\\?\\" + normal;
  return normal;
}

namespace {

DirEntry EntryFrom(const WIN32_FIND_DATAW& data) {
  DirEntry entry;
  entry.name = data.cFileName;
  entry.shortName = data.cAlternateFileName;
  entry.attributes = data.dwFileAttributes;
  entry.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  entry.lastWriteTime = static_cast<int64_t>((static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                                             data.ftLastWriteTime.dwLowDateTime);
  return entry;
}

}  // namespace

uint32_t Win32FileSystem::ListFolder(std::wstring_view folder, std::wstring_view pattern,
                                     std::vector<DirEntry>& entries) const {
  entries.clear();
  WIN32_FIND_DATAW data;
  FindHandle find(::FindFirstFileW(LongPathForm(JoinPath(folder, pattern)).c_str(), &data));
  if (!find) {
    DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES ? 0 : error;
  }
  do {
    entries.push_back(EntryFrom(data));
  } while (::FindNextFileW(find.get(), &data));
  DWORD error = ::GetLastError();
  if (error != ERROR_NO_MORE_FILES) {
    entries.clear();
    return error;
  }
  return 0;
}

std::optional<DirEntry> Win32FileSystem::FindFirst(std::wstring_view path) const {
  WIN32_FIND_DATAW data;
  FindHandle find(::FindFirstFileW(LongPathForm(path).c_str(), &data));
  if (!find) return std::nullopt;
  return EntryFrom(data);
}

std::optional<uint32_t> Win32FileSystem::Attributes(std::wstring_view path) const {
  DWORD attributes = ::GetFileAttributesW(LongPathForm(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return attributes;
}

uint32_t Win32FileSystem::VerifyListedFile(std::wstring_view path) const {
  uint32_t error = 0;
  return OpenListedEntry(path, 0, kShareAll, error) ? 0 : error;
}

// A file another program holds open fails here as it would in the
// platform's own delete call.
uint32_t Win32FileSystem::RemoveFile(std::wstring_view path) {
  uint32_t error = 0;
  FileHandle file = OpenListedEntry(path, DELETE, kShareAll, error);
  return file ? DeleteWhenClosed(file.get()) : error;
}

uint32_t Win32FileSystem::RemoveFolder(std::wstring_view path) {
  return ::RemoveDirectoryW(LongPathForm(path).c_str()) ? 0 : ::GetLastError();
}

}  // namespace teko
