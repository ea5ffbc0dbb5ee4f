#include "system/restore_point_service_win32.h"

#include <windows.h>
#include <srrestoreptapi.h>

#include <algorithm>
#include <array>
#include <iterator>

#include "core/integer_text.h"
#include "core/os_error.h"
#include "platform/handles_win32.h"
#include "wmi/wmi_service_win32.h"

namespace teko {

namespace {

constexpr wchar_t kRestoreSpace[] = L"root\\default";
constexpr wchar_t kRestoreKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\SystemRestore";

using SetRestorePointFn = decltype(&::SRSetRestorePointW);
using RemoveRestorePointFn = decltype(&::SRRemoveRestorePoint);

template <typename Fn>
Fn Lookup(const Library& library, const char* name) {
  return library ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(library.get(), name))) : nullptr;
}

Library RestoreClient() { return Library(::LoadLibraryW(L"srclient.dll")); }

// One call of the restore-point function; false with its status when the
// service did not do it.
bool CallSetRestorePoint(SetRestorePointFn set, DWORD event, int64_t sequence, std::wstring_view description,
                         STATEMGRSTATUS& status) {
  RESTOREPOINTINFOW info{};
  info.dwEventType = event;
  info.dwRestorePtType = APPLICATION_INSTALL;
  info.llSequenceNumber = sequence;
  size_t length = std::min(description.size(), static_cast<size_t>(MAX_DESC_W - 1));
  std::copy_n(description.data(), length, info.szDescription);
  status = STATEMGRSTATUS{};
  return set(&info, &status) != FALSE;
}

std::optional<DWORD> ReadDword(HKEY key, const wchar_t* name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (::RegGetValueW(key, nullptr, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

std::wstring SystemDriveRoot() {
  wchar_t windows[MAX_PATH] = {};
  UINT length = ::GetSystemWindowsDirectoryW(windows, MAX_PATH);
  if (length < 2 || length >= MAX_PATH) return L"C:\\";
  return std::wstring(windows, 2) + L"\\";
}

}  // namespace

// Calls are accepted from the administrators, the system, the two service
// accounts System Restore's services run as, and the process itself; with
// privacy, impersonation and the caller's identity of the moment.
uint32_t Win32RestorePointService::AllowServiceCallbacks() {
  constexpr WELL_KNOWN_SID_TYPE kCallers[] = {WinBuiltinAdministratorsSid, WinLocalSystemSid, WinLocalServiceSid,
                                              WinNetworkServiceSid, WinSelfSid};
  struct Security {
    std::array<std::array<BYTE, SECURITY_MAX_SID_SIZE>, std::size(kCallers)> sids{};
    alignas(DWORD) std::array<BYTE, 1024> acl{};
    SECURITY_DESCRIPTOR descriptor{};
  };
  // COM keeps the descriptor for the life of the process.
  static Security security;
  auto* acl = reinterpret_cast<ACL*>(security.acl.data());
  if (!::InitializeAcl(acl, static_cast<DWORD>(security.acl.size()), ACL_REVISION)) return ::GetLastError();
  for (size_t i = 0; i < std::size(kCallers); ++i) {
    DWORD size = SECURITY_MAX_SID_SIZE;
    PSID sid = security.sids[i].data();
    if (!::CreateWellKnownSid(kCallers[i], nullptr, sid, &size) ||
        !::AddAccessAllowedAce(acl, ACL_REVISION, COM_RIGHTS_EXECUTE | COM_RIGHTS_EXECUTE_LOCAL, sid)) {
      return ::GetLastError();
    }
  }
  PSID administrators = security.sids[0].data();
  SECURITY_DESCRIPTOR* descriptor = &security.descriptor;
  if (!::InitializeSecurityDescriptor(descriptor, SECURITY_DESCRIPTOR_REVISION) ||
      !::SetSecurityDescriptorOwner(descriptor, administrators, FALSE) ||
      !::SetSecurityDescriptorGroup(descriptor, administrators, FALSE) ||
      !::SetSecurityDescriptorDacl(descriptor, TRUE, acl, FALSE)) {
    return ::GetLastError();
  }
  HRESULT result = ::CoInitializeSecurity(descriptor, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT_PRIVACY,
                                          RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_DYNAMIC_CLOAKING, nullptr);
  return SUCCEEDED(result) ? 0 : static_cast<uint32_t>(result);
}

RestorePointService::SetResult Win32RestorePointService::SetRestorePoint(std::wstring_view description) {
  Library client = RestoreClient();
  auto set = Lookup<SetRestorePointFn>(client, "SRSetRestorePointW");
  if (!set) return {};
  STATEMGRSTATUS status{};
  if (!CallSetRestorePoint(set, BEGIN_SYSTEM_CHANGE, 0, description, status)) return {false, status.nStatus, 0};
  int64_t sequence = status.llSequenceNumber;
  if (!CallSetRestorePoint(set, END_SYSTEM_CHANGE, sequence, description, status)) {
    return {false, status.nStatus, sequence};
  }
  return {true, 0, sequence};
}

std::optional<std::vector<int64_t>> Win32RestorePointService::RestorePoints() {
  try {
    WmiObjectSet set = MakeScriptingWmiService(kRestoreSpace)->Connect()->Query(L"SystemRestore");
    if (!set.complete) return std::nullopt;
    std::vector<int64_t> sequences;
    for (const auto& object : set.objects) {
      WmiValue value = object->Property(L"SequenceNumber");
      std::optional<int64_t> sequence = ParseInteger64(value.text);
      if (value.state != WmiValue::State::Text || !sequence) return std::nullopt;
      sequences.push_back(*sequence);
    }
    return sequences;
  } catch (const OsError&) {
    return std::nullopt;
  }
}

uint32_t Win32RestorePointService::RemoveRestorePoint(int64_t sequence) {
  Library client = RestoreClient();
  auto remove = Lookup<RemoveRestorePointFn>(client, "SRRemoveRestorePoint");
  if (!remove) return ERROR_PROC_NOT_FOUND;
  return remove(static_cast<DWORD>(sequence));
}

// Windows from Vista on keeps the interval of its automatic points, 0 when
// switched off; Windows XP keeps a switch of its own.
std::optional<bool> Win32RestorePointService::IsEnabled() {
  RegKey key;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRestoreKey, 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, key.put()) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  if (auto interval = ReadDword(key.get(), L"RPSessionInterval")) return *interval != 0;
  if (auto disabled = ReadDword(key.get(), L"DisableSR")) return *disabled == 0;
  return std::nullopt;
}

uint32_t Win32RestorePointService::SetEnabled(bool on) {
  try {
    return ExecStaticWmiMethod(kRestoreSpace, L"SystemRestore", on ? L"Enable" : L"Disable", L"Drive",
                               SystemDriveRoot());
  } catch (const OsError& error) {
    return error.code();
  }
}

}  // namespace teko
