#include <windows.h>

#include <vector>

#include "core/text.h"
#include "sysinfo/win32_seams.h"

namespace teko {

namespace {

constexpr UINT kGetDefaultInputLanguage = 0x59;

// OSVERSIONINFOW and OSVERSIONINFOEXW share their first fields.
template <typename Info>
OsVersionRecord RecordOf(const Info& info) {
  return {info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber, info.dwPlatformId,
          CutAtNul(std::wstring_view(info.szCSDVersion, std::size(info.szCSDVersion)))};
}

OsVersionRecord ReadStartupVersion() {
  OSVERSIONINFOW info{sizeof(info)};
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!::GetVersionExW(&info)) return {};
#pragma GCC diagnostic pop
  return RecordOf(info);
}

// Read once as the program starts, like the runtime's version globals.
const OsVersionRecord startupVersion = ReadStartupVersion();

class Win32SystemApiAdapter final : public SystemApi {
 public:
  OsVersionRecord StartupVersion() override { return startupVersion; }

  std::optional<OsVersionRecordEx> VersionEx() override {
    OSVERSIONINFOEXW info{sizeof(info)};
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!::GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info))) return std::nullopt;
#pragma GCC diagnostic pop
    return OsVersionRecordEx{RecordOf(info), info.wServicePackMajor, info.wServicePackMinor, info.wProductType};
  }

  int SystemMetric(int index) override { return ::GetSystemMetrics(index); }

  uint16_t NativeProcessorArchitecture() override {
    using GetNativeSystemInfoFn = void(WINAPI*)(LPSYSTEM_INFO);
    SYSTEM_INFO info{};
    auto native = reinterpret_cast<GetNativeSystemInfoFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "GetNativeSystemInfo")));
    if (native) {
      native(&info);
    } else {
      ::GetSystemInfo(&info);
    }
    return info.wProcessorArchitecture;
  }

  std::optional<uint32_t> FileProductVersionMs(std::wstring_view file) override {
    std::wstring path(file);
    DWORD handle = 0;
    DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size == 0) return std::nullopt;
    std::vector<uint8_t> block(size);
    if (!::GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return std::nullopt;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed) {
      return std::nullopt;
    }
    return fixed->dwProductVersionMS;
  }

  std::optional<uint32_t> DefaultInputLanguage() override {
    // The call writes a whole HKL, which is wider than 32 bits in a 64-bit program.
    HKL layout = nullptr;
    if (!::SystemParametersInfoW(kGetDefaultInputLanguage, 0, &layout, 0)) return std::nullopt;
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(layout));
  }
};

}  // namespace

SystemApi& Win32SystemApi() {
  static Win32SystemApiAdapter system;
  return system;
}

}  // namespace teko
