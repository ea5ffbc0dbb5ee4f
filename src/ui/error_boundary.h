#pragma once
// The one place where errors end: no exception may cross a window procedure
// or any other platform callback. Each such callback catches everything and
// calls HandleUncaught(), which runs the application-wide error event
// (wait 10 ms, show nothing) and keeps what happened for the tests to see.
#include <exception>
#include <functional>
#include <string>

namespace teko::ui {

void HandleUncaught() noexcept;

// Replaces the event; the default waits 10 ms.
void SetUncaughtErrorEvent(std::function<void(const std::exception_ptr&)> event);

int UncaughtErrorCount();
std::string LastUncaughtErrorMessage();

// Runs `action` inside the boundary: returns false when it threw.
template <typename Action>
bool Guarded(Action&& action) noexcept {
  try {
    action();
    return true;
  } catch (...) {
    HandleUncaught();
    return false;
  }
}

}  // namespace teko::ui
