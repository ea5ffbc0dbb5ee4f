#include "driver/user_actions.h"

#include <commctrl.h>

#include <stdexcept>

#include "driver/remote_buffer.h"
#include "driver/wait.h"

namespace teko::e2e {

namespace {

constexpr UINT kSendTimeoutMs = 10000;

LRESULT SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result)) {
    throw std::runtime_error("the program under test did not answer");
  }
  return static_cast<LRESULT>(result);
}

struct RemoteProcess {
  explicit RemoteProcess(HWND window) : handle(OpenWindowProcess(window)) {
    if (!handle) throw std::runtime_error("cannot open the process under test");
  }
  ~RemoteProcess() { ::CloseHandle(handle); }
  RemoteProcess(const RemoteProcess&) = delete;
  RemoteProcess& operator=(const RemoteProcess&) = delete;
  HANDLE handle;
};

bool IsCombo(HWND window) {
  wchar_t name[32];
  ::GetClassNameW(window, name, 32);
  return ::lstrcmpiW(name, L"ComboBox") == 0;
}

void NotifyOwner(HWND control, WORD code) {
  ::PostMessageW(::GetParent(control), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}

}  // namespace

namespace {

struct ControlSearch {
  int id;
  HWND found;
};

BOOL CALLBACK FindControlById(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<ControlSearch*>(data);
  if (::GetDlgCtrlID(child) != search->id) return TRUE;
  search->found = child;
  return FALSE;
}

}  // namespace

HWND Control(HWND window, int id) {
  ControlSearch search{id, nullptr};
  ::EnumChildWindows(window, FindControlById, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND RequireControl(HWND window, int id) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = Control(window, id)) != nullptr; }, 5000);
  if (!found) throw std::runtime_error("control " + std::to_string(id) + " not found");
  return found;
}

std::wstring Text(HWND window) {
  LRESULT length = SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  LRESULT copied = SendWithTimeout(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied));
  return text;
}

bool IsShown(HWND window) { return (::GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0; }

SIZE ClientSize(HWND window) {
  RECT client;
  ::GetClientRect(window, &client);
  return SIZE{client.right, client.bottom};
}

int DpiOf(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  auto getDpi = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  UINT dpi = getDpi ? getDpi(window) : 0;
  return dpi ? static_cast<int>(dpi) : 96;
}

void Click(HWND button) { ::PostMessageW(button, BM_CLICK, 0, 0); }

void ClickAt(HWND control, int x, int y) {
  ::PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  ::PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void DoubleClickAt(HWND control, int x, int y) {
  ClickAt(control, x, y);
  ::PostMessageW(control, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
  ::PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void TypeText(HWND edit, std::wstring_view text) {
  std::wstring value(text);
  SendWithTimeout(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
  NotifyOwner(edit, EN_CHANGE);
}

void PressKey(HWND window, UINT virtualKey) {
  UINT scan = ::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  ::PostMessageW(window, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
  ::PostMessageW(window, WM_KEYUP, virtualKey, 1 | (scan << 16) | (1u << 30) | (1u << 31));
}

// Attached, the two threads share one keyboard state.
HeldKey::HeldKey(HWND window, UINT virtualKey)
    : thread_(::GetWindowThreadProcessId(window, nullptr)),
      key_(virtualKey),
      attached_(::AttachThreadInput(::GetCurrentThreadId(), thread_, TRUE) != FALSE) {
  Set(true);
}

HeldKey::~HeldKey() {
  Set(false);
  if (attached_) ::AttachThreadInput(::GetCurrentThreadId(), thread_, FALSE);
}

void HeldKey::Set(bool down) {
  BYTE state[256] = {};
  ::GetKeyboardState(state);
  state[key_] = down ? 0x80 : 0;
  ::SetKeyboardState(state);
}

std::vector<std::wstring> TabCaptions(HWND tab) {
  RemoteProcess process(tab);
  constexpr size_t kTextChars = 256;
  RemoteBuffer buffer(process.handle, sizeof(TCITEMW) + kTextChars * sizeof(wchar_t));
  std::vector<std::wstring> captions;
  int count = static_cast<int>(SendWithTimeout(tab, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = static_cast<wchar_t*>(buffer.at(sizeof(TCITEMW)));
    item.cchTextMax = kTextChars;
    buffer.Write(0, &item, sizeof item);
    SendWithTimeout(tab, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer.address()));
    wchar_t text[kTextChars] = {};
    buffer.Read(sizeof(TCITEMW), text, sizeof text);
    text[kTextChars - 1] = 0;
    captions.emplace_back(text);
  }
  return captions;
}

int SelectedTab(HWND tab) { return static_cast<int>(SendWithTimeout(tab, TCM_GETCURSEL, 0, 0)); }

void ClickTab(HWND tab, int index) {
  RemoteProcess process(tab);
  RemoteBuffer buffer(process.handle, sizeof(RECT));
  SendWithTimeout(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.address()));
  RECT rect;
  buffer.Read(0, &rect, sizeof rect);
  ClickAt(tab, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

std::vector<std::wstring> ListItems(HWND list) {
  bool combo = IsCombo(list);
  int count = static_cast<int>(SendWithTimeout(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
  std::vector<std::wstring> items;
  for (int i = 0; i < count; ++i) {
    LRESULT length = SendWithTimeout(list, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring text(static_cast<size_t>(length < 0 ? 0 : length) + 1, L'\0');
    LRESULT copied = SendWithTimeout(list, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(i),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
    items.push_back(text);
  }
  return items;
}

int ListSelection(HWND list) {
  return static_cast<int>(SendWithTimeout(list, IsCombo(list) ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
}

void SelectListItem(HWND list, int index) {
  bool combo = IsCombo(list);
  SendWithTimeout(list, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  NotifyOwner(list, combo ? CBN_SELCHANGE : LBN_SELCHANGE);
}

void DoubleClickListItem(HWND list, int index) {
  SendWithTimeout(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  NotifyOwner(list, LBN_DBLCLK);
}

void AddListSelection(HWND list, int index) {
  SendWithTimeout(list, LB_SETSEL, TRUE, index);
  SendWithTimeout(list, LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
  NotifyOwner(list, LBN_SELCHANGE);
}

int ListViewRowCount(HWND listView) { return static_cast<int>(SendWithTimeout(listView, LVM_GETITEMCOUNT, 0, 0)); }

std::vector<std::vector<std::wstring>> ListViewRows(HWND listView, int columns) {
  RemoteProcess process(listView);
  constexpr size_t kTextChars = 1024;
  RemoteBuffer buffer(process.handle, sizeof(LVITEMW) + kTextChars * sizeof(wchar_t));
  std::vector<std::vector<std::wstring>> rows;
  int count = ListViewRowCount(listView);
  for (int row = 0; row < count; ++row) {
    std::vector<std::wstring> cells;
    for (int column = 0; column < columns; ++column) {
      LVITEMW item{};
      item.iSubItem = column;
      item.pszText = static_cast<wchar_t*>(buffer.at(sizeof(LVITEMW)));
      item.cchTextMax = kTextChars;
      buffer.Write(0, &item, sizeof item);
      LRESULT length =
          SendWithTimeout(listView, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(buffer.address()));
      std::wstring text(static_cast<size_t>(length < 0 ? 0 : length), L'\0');
      if (!text.empty()) buffer.Read(sizeof(LVITEMW), text.data(), text.size() * sizeof(wchar_t));
      cells.push_back(text);
    }
    rows.push_back(cells);
  }
  return rows;
}

void ClickListViewHeader(HWND listView, int column) {
  HWND header = reinterpret_cast<HWND>(SendWithTimeout(listView, LVM_GETHEADER, 0, 0));
  RemoteProcess process(listView);
  RemoteBuffer buffer(process.handle, sizeof(RECT));
  SendWithTimeout(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(buffer.address()));
  RECT rect;
  buffer.Read(0, &rect, sizeof rect);
  ClickAt(header, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

void SelectListViewRows(HWND listView, const std::vector<int>& rows) {
  RemoteProcess process(listView);
  RemoteBuffer buffer(process.handle, sizeof(LVITEMW));
  LVITEMW none{};
  none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  buffer.Write(0, &none, sizeof none);
  SendWithTimeout(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(buffer.address()));
  for (size_t i = 0; i < rows.size(); ++i) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | (i + 1 == rows.size() ? LVIS_FOCUSED : 0u);
    buffer.Write(0, &item, sizeof item);
    SendWithTimeout(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(rows[i]), reinterpret_cast<LPARAM>(buffer.address()));
  }
}

void DoubleClickListViewRow(HWND listView, int row) {
  RemoteProcess process(listView);
  RemoteBuffer buffer(process.handle, sizeof(RECT));
  RECT request{LVIR_LABEL, 0, 0, 0};
  buffer.Write(0, &request, sizeof request);
  SendWithTimeout(listView, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(buffer.address()));
  RECT rect;
  buffer.Read(0, &rect, sizeof rect);
  DoubleClickAt(listView, rect.left + 8, (rect.top + rect.bottom) / 2);
}

}  // namespace teko::e2e
