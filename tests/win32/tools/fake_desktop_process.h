#pragma once
// The stand-in desktop program, running for as long as this object lives.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "fake_desktop.h"
#include "platform/handles_win32.h"
#include "platform/module_path_win32.h"

namespace teko::testing {

class FakeDesktop {
 public:
  FakeDesktop() {
    std::wstring program = ExecutableFolder() + kFakeDesktopProgram;
    STARTUPINFOW startup{sizeof startup};
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &started)) {
      return;
    }
    process_.reset(started.hProcess);
    ::CloseHandle(started.hThread);
    for (int tries = 0; tries < 1000; ++tries) {
      top_ = ::FindWindowW(L"Progman", kFakeDesktopReady);
      if (top_) return;
      if (::WaitForSingleObject(process_.get(), 10) != WAIT_TIMEOUT) break;
    }
    top_ = nullptr;
  }
  FakeDesktop(const FakeDesktop&) = delete;
  FakeDesktop& operator=(const FakeDesktop&) = delete;
  ~FakeDesktop() {
    if (top_) ::PostMessageW(top_, WM_CLOSE, 0, 0);
    if (process_ && ::WaitForSingleObject(process_.get(), 10000) == WAIT_TIMEOUT) ::TerminateProcess(process_.get(), 1);
  }
  bool running() const { return top_ != nullptr; }
  HWND list() const { return ::GetWindow(::GetWindow(top_, GW_CHILD), GW_CHILD); }
  void Move(int index, int x, int y) const {
    ::SendMessageW(list(), LVM_SETITEMPOSITION, static_cast<WPARAM>(index), MAKELPARAM(x, y));
  }

 private:
  UniqueHandle process_;
  HWND top_ = nullptr;
};

}  // namespace teko::testing
