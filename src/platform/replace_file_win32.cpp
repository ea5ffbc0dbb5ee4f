#include "platform/replace_file_win32.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/file_system_win32.h"
#include "platform/handles_win32.h"
#include "platform/listed_entry_win32.h"

namespace teko {

namespace {

// A name nobody else holds: CREATE_NEW refuses anything already there, a
// link included.
FileHandle CreateTemporaryBeside(std::wstring_view path, uint32_t& error) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::wstring temporary = std::wstring(path) + L".~" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                             std::to_wstring(attempt) + L".tmp";
    FileHandle file(::CreateFileW(LongPathForm(temporary).c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) return file;
    error = ::GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return {};
  }
  return {};
}

uint32_t WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 20));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr)) return ::GetLastError();
    if (written == 0) return ERROR_WRITE_FAULT;
    bytes.remove_prefix(written);
  }
  return ::FlushFileBuffers(file) ? 0 : ::GetLastError();
}

uint32_t RenameOver(HANDLE file, std::wstring_view path) {
  std::wstring target = LongPathForm(path);
  std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + target.size() * sizeof(wchar_t));
  auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
  rename->ReplaceIfExists = TRUE;
  rename->RootDirectory = nullptr;
  rename->FileNameLength = static_cast<DWORD>(target.size() * sizeof(wchar_t));
  std::memcpy(rename->FileName, target.c_str(), (target.size() + 1) * sizeof(wchar_t));
  return ::SetFileInformationByHandle(file, FileRenameInfo, rename, static_cast<DWORD>(buffer.size())) ? 0
                                                                                                    : ::GetLastError();
}

}  // namespace

uint32_t ReplaceFileContents(std::wstring_view path, std::string_view bytes) {
  uint32_t error = 0;
  FileHandle file = CreateTemporaryBeside(path, error);
  if (!file) return error;
  error = WriteAll(file.get(), bytes);
  if (!error) error = RenameOver(file.get(), path);
  if (error) DeleteWhenClosed(file.get());
  return error;
}

}  // namespace teko
