#include "ui/form.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/application.h"
#include "ui/dpi.h"

namespace teko::ui {

namespace {

// Notification codes of the events a layout row can bind, by control kind.
int ClickCode(ControlKind kind) { return kind == ControlKind::ListBox ? LBN_SELCHANGE : BN_CLICKED; }
int DoubleClickCode(ControlKind kind) { return kind == ControlKind::ListBox ? LBN_DBLCLK : STN_DBLCLK; }

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM list) {
  if (::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  }
  return TRUE;
}

}  // namespace

Form::~Form() {
  if (background_) ::DeleteObject(background_);
}

DWORD Form::Style() const {
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  if (spec_.minimizeBox) style |= WS_MINIMIZEBOX;
  if (spec_.maximizeBox) style |= WS_MAXIMIZEBOX;
  if (spec_.sizeable) style |= WS_THICKFRAME;
  return style;
}

DWORD Form::ExStyle() const { return WS_EX_CONTROLPARENT | (spec_.mainWindow ? WS_EX_APPWINDOW : 0u); }

int Form::Scale(int value96) const { return ui::Scale(value96, dpi_); }

void Form::CreateForm(HWND owner, std::function<void()> createControls) {
  if (spec_.background != CLR_INVALID) background_ = ::CreateSolidBrush(spec_.background);
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  HICON icon = static_cast<HICON>(::LoadImageW(instance, L"TEKO", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  RegisterClassOnce(spec_.className, background_ ? background_ : ::GetSysColorBrush(COLOR_BTNFACE), icon);

  MONITORINFO monitor{sizeof monitor};
  ::GetMonitorInfoW(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  dpi_ = DpiAtPoint(POINT{(work.left + work.right) / 2, (work.top + work.bottom) / 2});
  SIZE outer = OuterSizeFor(spec_.clientWidth, spec_.clientHeight, Style(), ExStyle(), dpi_);
  int x = work.left + ((work.right - work.left) - outer.cx) / 2;
  int y = work.top + ((work.bottom - work.top) - outer.cy) / 2;
  std::wstring caption(spec_.caption);
  CreateFor(spec_.className, ExStyle(), Style(), caption.c_str(), x, y, outer.cx, outer.cy, owner, nullptr);
  if (!handle()) throw std::runtime_error("a window could not be created");
  int actual = WindowDpi(handle());
  if (actual != dpi_) {
    dpi_ = actual;
    outer = OuterSizeFor(spec_.clientWidth, spec_.clientHeight, Style(), ExStyle(), dpi_);
    ::SetWindowPos(handle(), nullptr, work.left + ((work.right - work.left) - outer.cx) / 2,
                   work.top + ((work.bottom - work.top) - outer.cy) / 2, outer.cx, outer.cy,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ::SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
  pendingControls_ = std::move(createControls);
}

void Form::CreatePendingControls() {
  if (!pendingControls_) return;
  // Cleared first: creating the controls asks for them again.
  auto create = std::move(pendingControls_);
  pendingControls_ = nullptr;
  create();
}

size_t Form::AddControls(std::span<const ControlSpec> layout, int firstId, HWND container) {
  return controls_.Build(container ? container : handle(), layout, firstId, dpi_, fonts_, spec_.font);
}

size_t Form::AddControlsLater(std::span<const ControlSpec> layout, int firstId, std::function<HWND()> container) {
  return controls_.BuildLater(std::move(container), layout, firstId, dpi_, fonts_, spec_.font);
}

void Form::SetOuterSize(int width, int height) {
  ::SetWindowPos(handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE Form::OuterSize() const {
  RECT rect;
  ::GetWindowRect(handle(), &rect);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

void Form::Show() {
  CreatePendingControls();
  FormShow();
  ::ShowWindow(handle(), SW_SHOW);
  ::SetForegroundWindow(handle());
  ::UpdateWindow(handle());
}

void Form::Hide() { ::ShowWindow(handle(), SW_HIDE); }

void Form::SetModalResult(int result) { modalResult_ = result; }

int Form::ShowModal() {
  HWND previous = ::GetActiveWindow();
  // Every other window of the program takes no input meanwhile.
  std::vector<HWND> disabled;
  DWORD thread = ::GetCurrentThreadId();
  ::EnumThreadWindows(thread, CollectEnabledWindow, reinterpret_cast<LPARAM>(&disabled));
  std::erase(disabled, handle());
  for (HWND window : disabled) ::EnableWindow(window, FALSE);

  modal_ = true;
  modalResult_ = kModalNone;
  Show();
  Application& application = Application::Instance();
  MSG message;
  while (modalResult_ == kModalNone && ::IsWindowVisible(handle())) {
    BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      ::PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    application.DispatchOne(message);
  }
  if (modalResult_ == kModalNone) modalResult_ = kModalCancel;
  for (HWND window : disabled) ::EnableWindow(window, TRUE);
  modal_ = false;
  Hide();
  // Back to a window that takes input: the one active before, else the
  // owner; never a window that an outer modal window still disables.
  auto takesInput = [&disabled](HWND window) { return std::ranges::find(disabled, window) != disabled.end(); };
  HWND owner = ::GetWindow(handle(), GW_OWNER);
  if (!disabled.empty()) {
    ::SetActiveWindow(takesInput(previous) ? previous : takesInput(owner) ? owner : disabled.front());
  }
  return modalResult_;
}

bool Form::PreviewKeyDown(unsigned key) { return FormKeyDown(key); }

void Form::OnClick(std::wstring_view control, std::function<void()> handler) {
  handlers_[{controls_.Id(control), ClickCode(controls_.SpecOfId(controls_.Id(control))->kind)}] = std::move(handler);
}

void Form::OnDoubleClick(std::wstring_view control, std::function<void()> handler) {
  handlers_[{controls_.Id(control), DoubleClickCode(controls_.SpecOfId(controls_.Id(control))->kind)}] =
      std::move(handler);
}

void Form::OnSelect(std::wstring_view control, std::function<void()> handler) {
  handlers_[{controls_.Id(control), CBN_SELCHANGE}] = std::move(handler);
}

void Form::OnChange(std::wstring_view control, std::function<void()> handler) {
  handlers_[{controls_.Id(control), EN_CHANGE}] = std::move(handler);
}

void Form::OnNotify(std::wstring_view control, UINT code, std::function<LRESULT(const NMHDR&)> handler) {
  notifyHandlers_[{controls_.Id(control), code}] = std::move(handler);
}

void Form::Dispatch(int id, int code) {
  auto it = handlers_.find({id, code});
  if (it != handlers_.end()) it->second();
}

LRESULT Form::ControlColor(HDC dc, HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  const ControlSpec* design = controls_.SpecOf(control);
  if (design && (design->kind == ControlKind::Edit || design->kind == ControlKind::Memo)) {
    return Default(message, wParam, lParam);
  }
  COLORREF text = controls_.TextColorOf(control);
  if (text != CLR_INVALID) ::SetTextColor(dc, text);
  Container* panel = controls_.PanelOf(control);
  HWND parent = ::GetParent(control);
  Container* page = panel ? panel : dynamic_cast<Container*>(Window::FromHandle(parent));
  HBRUSH brush = page ? page->backgroundBrush() : (background_ ? background_ : ::GetSysColorBrush(COLOR_BTNFACE));
  LOGBRUSH info;
  ::GetObjectW(brush, sizeof info, &info);
  ::SetBkColor(dc, info.lbColor);
  return reinterpret_cast<LRESULT>(brush);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      int id = LOWORD(wParam);
      int code = HIWORD(wParam);
      if (lParam == 0 && (id == IDCANCEL || id == IDOK)) {
        // Escape and Enter from the dialog navigation press the cancel or default button.
        int button = controls_.IdWithStyle(id == IDCANCEL ? style::kCancel : style::kDefault);
        if (button >= 0) Dispatch(button, BN_CLICKED);
        return 0;
      }
      Dispatch(id, code);
      return 0;
    }
    case WM_NOTIFY: {
      const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
      const ControlSpec* design = controls_.SpecOfId(static_cast<int>(header.idFrom));
      if (design && design->kind == ControlKind::Link && (header.code == NM_CLICK || header.code == NM_RETURN)) {
        Dispatch(static_cast<int>(header.idFrom), BN_CLICKED);
        return 0;
      }
      auto bound = notifyHandlers_.find({static_cast<int>(header.idFrom), header.code});
      if (bound != notifyHandlers_.end()) return bound->second(header);
      bool handled = false;
      LRESULT result = FormNotify(header, handled);
      return handled ? result : Default(message, wParam, lParam);
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return ControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message, wParam, lParam);
    case WM_SIZE:
      if (HasControls()) FormResize();
      return 0;
    case WM_DPICHANGED: {
      dpi_ = HIWORD(wParam);
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      ::SetWindowPos(handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
      ::SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
      controls_.Rescale(dpi_);
      if (HasControls()) DpiChanged();
      return 0;
    }
    case WM_CLOSE:
      if (spec_.mainWindow) {
        FormClose();
        ::DestroyWindow(handle());
        return 0;
      }
      if (HasControls()) FormClose();
      if (modal_ && modalResult_ == kModalNone) modalResult_ = kModalCancel;
      Hide();
      return 0;
    case WM_DESTROY:
      if (spec_.mainWindow) ::PostQuitMessage(0);
      return 0;
    case kFinishStartupMessage:
      Application::Instance().FinishStartup();
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace teko::ui
