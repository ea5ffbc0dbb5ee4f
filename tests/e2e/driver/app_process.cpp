#include "driver/app_process.h"

#include <stdexcept>

#include "driver/wait.h"

namespace teko::e2e {

std::wstring TestProgramFolder() {
  wchar_t path[MAX_PATH];
  DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

std::wstring ClassNameOf(HWND window) {
  wchar_t name[256];
  int length = ::GetClassNameW(window, name, 256);
  return std::wstring(name, static_cast<size_t>(length > 0 ? length : 0));
}

AppProcess::AppProcess(std::wstring_view program, std::wstring_view arguments) {
  std::wstring path(program);
  if (path.find(L'\\') == std::wstring::npos) path = TestProgramFolder() + path;
  std::wstring commandLine = L"\"" + path + L"\"";
  if (!arguments.empty()) commandLine += L" " + std::wstring(arguments);
  STARTUPINFOW startup{sizeof startup};
  if (!::CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info_)) {
    throw std::runtime_error("the program under test could not be started");
  }
  ::WaitForInputIdle(info_.hProcess, 10000);
}

AppProcess::~AppProcess() {
  if (IsRunning()) Terminate();
  if (info_.hThread) ::CloseHandle(info_.hThread);
  if (info_.hProcess) ::CloseHandle(info_.hProcess);
}

bool AppProcess::IsRunning() const { return info_.hProcess && ::WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

DWORD AppProcess::WaitForExit(int timeoutMs) {
  ::WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeoutMs));
  DWORD code = STILL_ACTIVE;
  ::GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

void AppProcess::Terminate() {
  ::TerminateProcess(info_.hProcess, 1);
  ::WaitForSingleObject(info_.hProcess, 5000);
}

namespace {

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> AllTopLevelWindows() {
  std::vector<HWND> windows;
  ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<HWND> AppProcess::TopLevelWindows() const {
  std::vector<HWND> windows = AllTopLevelWindows();
  std::erase_if(windows, [this](HWND window) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    return owner != info_.dwProcessId;
  });
  return windows;
}

HWND AppProcess::WaitForWindow(std::wstring_view className, int timeoutMs, bool mustBeVisible) const {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : TopLevelWindows()) {
          if (ClassNameOf(window) == className && (!mustBeVisible || ::IsWindowVisible(window))) {
            found = window;
            return true;
          }
        }
        return false;
      },
      timeoutMs);
  return found;
}

}  // namespace teko::e2e
