#include "platform/module_path_win32.h"

#include <windows.h>

#include "core/paths.h"

namespace teko {

std::wstring ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::wstring ExecutableFolder() { return ExtractFilePath(ExecutablePath()); }

}  // namespace teko
