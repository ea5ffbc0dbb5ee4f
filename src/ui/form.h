#pragma once
// A top-level window of the program: created hidden from a description,
// holding its controls by name, shown modally or not, with the handlers of
// its controls bound by name.
#include <windows.h>

#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>

#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/layout.h"
#include "ui/window.h"

namespace teko::ui {

// Modal results, as the classic toolkit numbers them.
inline constexpr int kModalNone = 0;
inline constexpr int kModalOk = 1;
inline constexpr int kModalCancel = 2;
inline constexpr int kModalAbort = 3;

struct FormSpec {
  const wchar_t* className;  // the window class; tests find windows by it
  std::wstring_view caption;
  int clientWidth, clientHeight;  // 96-dpi pixels
  bool sizeable = false;
  bool minimizeBox = true;
  bool maximizeBox = false;
  COLORREF background = CLR_INVALID;  // CLR_INVALID: the button face
  FormFont font = {};
  bool keyPreview = false;
  bool mainWindow = false;  // owns the taskbar button; closing it ends the program
};

class Form : public Window {
 public:
  explicit Form(FormSpec description) : spec_(description) {}
  ~Form() override;

  // Creates the window hidden, centred on the desktop, owned by `owner`.
  // `createControls`, when given, puts the controls in and binds them the
  // first time the window is shown or its controls are asked for: a window
  // that is never opened costs start-up only its frame.
  void CreateForm(HWND owner = nullptr, std::function<void()> createControls = {});
  // Adds the controls of a layout table (to a page container, or the form);
  // returns the table's number.
  size_t AddControls(std::span<const ControlSpec> layout, int firstId, HWND container = nullptr);
  // As AddControls, for a table created when first needed (see
  // ControlSet::BuildLater); `container` is asked for then.
  size_t AddControlsLater(std::span<const ControlSpec> layout, int firstId, std::function<HWND()> container);

  ControlSet& controls() {
    CreatePendingControls();
    return controls_;
  }
  const ControlSet& controls() const { return controls_; }
  FontCache& fonts() { return fonts_; }
  int dpi() const { return dpi_; }
  int Scale(int value96) const;
  HFONT font() { return fonts_.Get(spec_.font.face, spec_.font.height, false, false, dpi_); }

  void Show();
  void Hide();
  bool IsVisible() const { return handle() && ::IsWindowVisible(handle()); }
  // Shows the window modally and returns its modal result when it hides.
  int ShowModal();
  bool IsModal() const { return modal_; }
  void SetModalResult(int result);
  // As the close box does.
  void Close() { ::SendMessageW(handle(), WM_CLOSE, 0, 0); }
  // Outer size in physical pixels.
  void SetOuterSize(int width, int height);
  SIZE OuterSize() const;

  // Key preview: the form sees a key before its focused control. Returns
  // true when the key is used up.
  bool PreviewKeyDown(unsigned key);
  bool keyPreview() const { return spec_.keyPreview; }
  // The pointer moved over the window: its controls' hints show from now on.
  void PointerMoved() { controls_.ActivateHints(); }

  // Bind a control's events by name.
  void OnClick(std::wstring_view control, std::function<void()> handler);
  void OnDoubleClick(std::wstring_view control, std::function<void()> handler);
  void OnSelect(std::wstring_view control, std::function<void()> handler);  // combo box picked, list selection
  void OnChange(std::wstring_view control, std::function<void()> handler);  // text fields
  // A notification (WM_NOTIFY code) from a named control; the handler's
  // result is the message's result.
  void OnNotify(std::wstring_view control, UINT code, std::function<LRESULT(const NMHDR&)> handler);

 protected:

  virtual void FormShow() {}
  virtual void FormClose() {}   // before a secondary form hides
  virtual void FormResize() {}
  virtual bool FormKeyDown(unsigned /*key*/) { return false; }
  // Notifications the bound events do not cover; set handled to answer.
  virtual LRESULT FormNotify(const NMHDR& /*header*/, bool& handled) {
    handled = false;
    return 0;
  }
  virtual void DpiChanged() {}

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreatePendingControls();
  bool HasControls() const { return !pendingControls_; }
  void Dispatch(int id, int code);
  LRESULT ControlColor(HDC dc, HWND control, UINT message, WPARAM wParam, LPARAM lParam);
  DWORD Style() const;
  DWORD ExStyle() const;

  FormSpec spec_;
  FontCache fonts_;
  ControlSet controls_;
  std::function<void()> pendingControls_;
  int dpi_ = 96;
  bool modal_ = false;
  int modalResult_ = kModalNone;
  HBRUSH background_ = nullptr;
  std::map<std::pair<int, int>, std::function<void()>> handlers_;  // (control id, notification code)
  std::map<std::pair<int, UINT>, std::function<LRESULT(const NMHDR&)>> notifyHandlers_;
};

}  // namespace teko::ui
