#include <windows.h>
#include <lm.h>

#include <string>

#include "platform/handles_win32.h"
#include "sysinfo/win32_seams.h"

namespace teko {

namespace {

using NetWkstaGetInfoFn = NET_API_STATUS(WINAPI*)(LMSTR, DWORD, LPBYTE*);
using NetApiBufferFreeFn = NET_API_STATUS(WINAPI*)(LPVOID);

// netapi32.dll, loaded at the first need without the loader's error boxes,
// stays loaded until the program ends.
struct NetApi {
  Library library;
  NetWkstaGetInfoFn getInfo = nullptr;
  NetApiBufferFreeFn bufferFree = nullptr;

  NetApi() {
    UINT previous = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    library.reset(::LoadLibraryW(L"netapi32.dll"));
    ::SetErrorMode(previous);
    if (!library) return;
    getInfo = reinterpret_cast<NetWkstaGetInfoFn>(
        reinterpret_cast<void*>(::GetProcAddress(library.get(), "NetWkstaGetInfo")));
    bufferFree = reinterpret_cast<NetApiBufferFreeFn>(
        reinterpret_cast<void*>(::GetProcAddress(library.get(), "NetApiBufferFree")));
  }
};

class Win32IdentityApiAdapter final : public IdentityApi {
 public:
  bool ComputerName(std::span<wchar_t> buffer) override {
    DWORD size = static_cast<DWORD>(buffer.size());
    return ::GetComputerNameW(buffer.data(), &size) != 0;
  }

  bool UserName(std::span<wchar_t> buffer) override {
    DWORD size = static_cast<DWORD>(buffer.size());
    return ::GetUserNameW(buffer.data(), &size) != 0;
  }

  AccountLookup LookupAccountName(std::wstring_view account, std::span<uint8_t> sid,
                                  std::span<wchar_t> domain) override {
    DWORD sidSize = static_cast<DWORD>(sid.size());
    DWORD domainLength = static_cast<DWORD>(domain.size());
    SID_NAME_USE use{};
    BOOL ok = ::LookupAccountNameW(nullptr, std::wstring(account).c_str(), sid.empty() ? nullptr : sid.data(),
                                   &sidSize, domain.empty() ? nullptr : domain.data(), &domainLength, &use);
    return {ok != 0, sidSize, domainLength};
  }

  WorkstationInfo Workstation100() override {
    static NetApi netApi;
    WorkstationInfo info;
    if (!netApi.getInfo || !netApi.bufferFree) return info;
    LPBYTE buffer = nullptr;
    info.status = netApi.getInfo(nullptr, 100, &buffer);
    if (buffer) {
      info.hasBuffer = true;
      const auto* record = reinterpret_cast<const WKSTA_INFO_100*>(buffer);
      if (info.status == NERR_Success && record->wki100_langroup) info.lanGroup = record->wki100_langroup;
      netApi.bufferFree(buffer);
    }
    return info;
  }
};

}  // namespace

IdentityApi& Win32IdentityApi() {
  static Win32IdentityApiAdapter identity;
  return identity;
}

}  // namespace teko
