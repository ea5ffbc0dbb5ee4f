#include "ui/application.h"

#include <commctrl.h>
#include <objbase.h>

#include "ui/clipboard_viewer.h"
#include "ui/clock_control.h"
#include "ui/error_boundary.h"
#include "ui/form.h"

namespace teko::ui {

Application& Application::Instance() {
  static Application application;
  return application;
}

void Application::Initialize() {
  comJoined_ = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_LINK_CLASS | ICC_STANDARD_CLASSES |
                                                   ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS};
  ::InitCommonControlsEx(&classes);
  RegisterClockClass();
  RegisterClipboardViewerClass();
}

HWND Application::mainWindow() const { return mainForm_ ? mainForm_->handle() : nullptr; }

void Application::DispatchOne(MSG& message) {
  HWND root = message.hwnd ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  auto* form = root ? dynamic_cast<Form*>(Window::FromHandle(root)) : nullptr;
  if (form && (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) && form->keyPreview()) {
    bool used = false;
    ui::Guarded([&] { used = form->PreviewKeyDown(static_cast<unsigned>(message.wParam)); });
    if (used) return;
  }
  // Made now, the tooltip still sees this movement: it watches the control
  // the message goes to.
  if (form && message.message == WM_MOUSEMOVE) form->PointerMoved();
  if (form && ::IsDialogMessageW(root, &message)) return;
  ::TranslateMessage(&message);
  ::DispatchMessageW(&message);
}

void Application::FinishStartup() {
  // One at a time: a piece of work may ask for the rest.
  while (!startupWork_.empty()) {
    auto work = std::move(startupWork_.front());
    startupWork_.erase(startupWork_.begin());
    work();
  }
}

int Application::Run() {
  // Posted messages come before input, paint and timers.
  if (!startupWork_.empty()) ::PostMessageW(mainWindow(), kFinishStartupMessage, 0, 0);
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) DispatchOne(message);
  startupWork_.clear();
  terminated_ = true;
  if (mainForm_ && mainForm_->handle()) ::DestroyWindow(mainForm_->handle());
  if (htmlHelp_) ::FreeLibrary(htmlHelp_);
  if (comJoined_) ::CoUninitialize();
  return static_cast<int>(message.wParam);
}

void Application::ProcessMessages() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(message.wParam));
      terminated_ = true;
      return;
    }
    DispatchOne(message);
  }
}

void Application::Terminate() {
  terminated_ = true;
  ::PostQuitMessage(0);
}

void Application::ShowHelpContext(HWND owner, unsigned context) {
  using HtmlHelpFn = HWND(WINAPI*)(HWND, const wchar_t*, UINT, DWORD_PTR);
  if (!htmlHelp_) htmlHelp_ = ::LoadLibraryW(L"hhctrl.ocx");
  if (!htmlHelp_) return;
  auto htmlHelp = reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void*>(::GetProcAddress(htmlHelp_, "HtmlHelpW")));
  constexpr UINT kHelpContext = 0x000F;  // HH_HELP_CONTEXT
  if (htmlHelp) htmlHelp(owner, helpFile_.c_str(), kHelpContext, context);
}

}  // namespace teko::ui
