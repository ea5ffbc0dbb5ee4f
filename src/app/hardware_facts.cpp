#include "app/hardware_facts.h"

#include <stdexcept>

namespace teko {

bool IsNT5OrLater(SystemApi& system) {
  std::optional<OsVersionRecordEx> version = system.VersionEx();
  if (!version) throw std::runtime_error("Cannot get Windows version");
  return version->version.platform == kPlatformNt && version->version.major >= 5;
}

uint64_t GetTotalPhysicalMemory(SystemApi& system, SystemStatusApi& status) {
  if (IsNT5OrLater(system)) {
    std::optional<MemoryStatusRecord> memory = status.MemoryStatusEx();
    return memory ? memory->totalPhys : 0;
  }
  return status.MemoryStatus().totalPhys;
}

std::optional<std::wstring> ColourDepthText(int bitsPerPixel) {
  switch (bitsPerPixel) {
    case 4: return L"16 Colors (4 Bit)";
    case 8: return L"256 Colors (8 Bit)";
    case 16: return L"64K Colors, High Color (16 Bit)";
    case 24: return L"16M Colors, True Color (24 Bit)";
    case 32: return L"16M Colors, True Color (32 Bit)";
    default: return std::nullopt;
  }
}

}  // namespace teko
