#include "sysinfo/long_path.h"

#include <vector>

#include "core/text.h"

namespace teko {

namespace {

constexpr size_t kPathBuffer = 260;

// A long form longer than the first buffer is read again into a buffer of
// the length the call asks for.
std::optional<std::wstring> LongPathName(FolderApi& folders, std::wstring_view path, bool& available) {
  std::vector<wchar_t> buffer(kPathBuffer, L'\0');
  for (int attempt = 0; attempt < 2; ++attempt) {
    std::optional<uint32_t> length = folders.LongPathName(path, buffer);
    available = length.has_value();
    if (!length || *length == 0) return std::nullopt;
    if (*length < buffer.size()) return std::wstring(buffer.data(), *length);
    buffer.assign(*length, L'\0');
  }
  return std::nullopt;
}

}  // namespace

std::wstring LongPathForm(FolderApi& folders, std::wstring_view text) {
  std::optional<std::wstring> converted;
  if (Contains(text, L"::")) {
    converted = folders.ParsedPath(text);
  } else {
    bool available = true;
    converted = LongPathName(folders, text, available);
    if (!available) converted = folders.ParsedPath(text);
  }
  if (converted) converted = CutAtNul(*converted);
  return converted && !converted->empty() ? *converted : std::wstring(text);
}

}  // namespace teko
