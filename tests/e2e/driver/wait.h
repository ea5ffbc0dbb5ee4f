#pragma once
#include <windows.h>

#include <functional>

namespace teko::e2e {

inline constexpr int kDefaultTimeoutMs = 15000;

// Polls `done` every 20 ms until it holds or the time is up; true when it held.
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = kDefaultTimeoutMs) {
  DWORD start = ::GetTickCount();
  for (;;) {
    if (done()) return true;
    if (static_cast<int>(::GetTickCount() - start) > timeoutMs) return false;
    ::Sleep(20);
  }
}

}  // namespace teko::e2e
