#include "ui/error_boundary.h"

#include <windows.h>

#include "ui/application.h"

namespace teko::ui {

namespace {

std::function<void(const std::exception_ptr&)>& Event() {
  static std::function<void(const std::exception_ptr&)> event = [](const std::exception_ptr&) { ::Sleep(10); };
  return event;
}

int g_count = 0;
std::string g_lastMessage;

}  // namespace

void SetUncaughtErrorEvent(std::function<void(const std::exception_ptr&)> event) { Event() = std::move(event); }

void HandleUncaught() noexcept {
  std::exception_ptr error = std::current_exception();
  ++g_count;
  // Visible from outside, so tests can tell that an error ended here.
  if (HWND main = Application::Instance().mainWindow()) {
    ::SetPropW(main, L"Teko.UncaughtErrors", reinterpret_cast<HANDLE>(static_cast<INT_PTR>(g_count)));
  }
  try {
    if (error) std::rethrow_exception(error);
    g_lastMessage = "unknown error";
  } catch (const std::exception& e) {
    g_lastMessage = e.what();
  } catch (...) {
    g_lastMessage = "unknown error";
  }
  try {
    Event()(error);
  } catch (...) {
    // The event itself must not take the program down.
  }
}

int UncaughtErrorCount() { return g_count; }
std::string LastUncaughtErrorMessage() { return g_lastMessage; }

}  // namespace teko::ui
