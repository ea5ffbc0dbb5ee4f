#pragma once
// A program under test: started from the test program's own folder (where
// teko.exe and its companions are built), found by its windows, and ended
// when the object goes.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace teko::e2e {

class AppProcess {
 public:
  // Starts `program` (a file name in the test program's folder, or a full path).
  explicit AppProcess(std::wstring_view program = L"teko.exe", std::wstring_view arguments = L"");
  AppProcess(const AppProcess&) = delete;
  AppProcess& operator=(const AppProcess&) = delete;
  ~AppProcess();

  DWORD id() const { return info_.dwProcessId; }
  HANDLE process() const { return info_.hProcess; }
  bool IsRunning() const;
  // Waits for the process to end; its exit code, or STILL_ACTIVE when it did not.
  DWORD WaitForExit(int timeoutMs);
  void Terminate();

  // A top-level window of this process with this class (and title, when
  // given), visible or not; nullptr when none appears in time.
  HWND WaitForWindow(std::wstring_view className, int timeoutMs = 20000, bool mustBeVisible = true) const;
  std::vector<HWND> TopLevelWindows() const;

 private:
  PROCESS_INFORMATION info_{};
};

// The top-level windows of every process.
std::vector<HWND> AllTopLevelWindows();
// The folder of the test program, with a trailing backslash.
std::wstring TestProgramFolder();
std::wstring ClassNameOf(HWND window);

}  // namespace teko::e2e
