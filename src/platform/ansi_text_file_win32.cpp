#include "platform/ansi_text_file_win32.h"

#include <windows.h>

#include <climits>

#include "core/text.h"
#include "platform/file_system_win32.h"
#include "platform/handles_win32.h"
#include "platform/os_error_win32.h"

namespace teko {

namespace {

std::wstring WideFromAnsi(std::string_view bytes) {
  if (bytes.empty()) return {};
  int length = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
  return text;
}

std::string AnsiFromWide(std::wstring_view text) {
  if (text.empty()) return {};
  int length = ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                     nullptr);
  std::string bytes(static_cast<size_t>(length), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), length, nullptr, nullptr);
  return bytes;
}

}  // namespace

std::vector<std::wstring> ReadAnsiLines(std::wstring_view path) {
  FileHandle file(::CreateFileW(LongPathForm(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) RaiseLastOsError();
  LARGE_INTEGER size;
  if (!::GetFileSizeEx(file.get(), &size)) RaiseLastOsError();
  if (size.QuadPart > INT_MAX) throw MakeOsError(ERROR_FILE_TOO_LARGE);
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!bytes.empty() && !::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
    RaiseLastOsError();
  }
  bytes.resize(read);
  return SplitLines(WideFromAnsi(bytes));
}

void WriteAnsiLines(std::wstring_view path, std::span<const std::wstring> lines) {
  std::wstring text;
  for (const std::wstring& line : lines) text += line + L"\r\n";
  std::string bytes = AnsiFromWide(text);
  FileHandle file(::CreateFileW(LongPathForm(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) RaiseLastOsError();
  DWORD written = 0;
  if (!bytes.empty() && !::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
    RaiseLastOsError();
  }
  if (written != bytes.size()) throw MakeOsError(ERROR_WRITE_FAULT);
}

}  // namespace teko
