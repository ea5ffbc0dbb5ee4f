#include "platform/ansi_text_file_win32.h"

#include <windows.h>

#include "core/text.h"
#include "platform/file_system_win32.h"
#include "platform/handles_win32.h"
#include "platform/replace_file_win32.h"

namespace teko {

std::optional<std::vector<std::wstring>> ReadAnsiLines(std::wstring_view path) {
  FileHandle file(::CreateFileW(LongPathForm(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return std::nullopt;
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!bytes.empty() && (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                         read != bytes.size())) {
    return std::nullopt;
  }
  std::wstring text;
  if (!bytes.empty()) {
    int length = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    text.resize(static_cast<size_t>(length));
    ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
  }
  return SplitLines(text);
}

uint32_t WriteAnsiLines(std::wstring_view path, std::span<const std::wstring> lines) {
  std::wstring text;
  for (const auto& line : lines) {
    text += line;
    text += L"\r\n";
  }
  std::string bytes;
  if (!text.empty()) {
    int length = ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                       nullptr);
    bytes.resize(static_cast<size_t>(length));
    ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), length, nullptr,
                          nullptr);
  }
  return ReplaceFileContents(path, bytes);
}

}  // namespace teko
