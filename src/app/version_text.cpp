#include "app/version_text.h"

namespace teko {

std::wstring VersionText(uint32_t fileVersionMS, uint32_t fileVersionLS) {
  return std::to_wstring(fileVersionMS >> 16) + L"." + std::to_wstring(fileVersionMS & 0xFFFF) + L"." +
         std::to_wstring(fileVersionLS >> 16) + L"." + std::to_wstring(fileVersionLS & 0xFFFF);
}

}  // namespace teko
