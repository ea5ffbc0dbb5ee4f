#pragma once
// What a user does to the windows of the program under test, and what the
// test reads back. Messages that carry pointers go through a RemoteBuffer.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace teko::e2e {

// A descendant of `window` by control ID (controls may sit in pages and panels).
HWND Control(HWND window, int id);
// Like Control, but waits for it and fails the test when it does not come.
HWND RequireControl(HWND window, int id);

std::wstring Text(HWND window);
bool IsShown(HWND window);  // WS_VISIBLE of the window itself
SIZE ClientSize(HWND window);
int DpiOf(HWND window);

// Presses a button (or check box) as a click would; returns at once, so a
// modal box the click opens does not block the test.
void Click(HWND button);
// Left click and double click at a point of a control's client area.
void ClickAt(HWND control, int x, int y);
void DoubleClickAt(HWND control, int x, int y);
// Types into a text field (replacing its text).
void TypeText(HWND edit, std::wstring_view text);
// A key pressed while the window has the focus (sent to its thread's queue).
void PressKey(HWND window, UINT virtualKey);

// A key (Ctrl, Shift) held down for the window's thread while this lives,
// so that keys pressed meanwhile come with it.
class HeldKey {
 public:
  HeldKey(HWND window, UINT virtualKey);
  HeldKey(const HeldKey&) = delete;
  HeldKey& operator=(const HeldKey&) = delete;
  ~HeldKey();

 private:
  void Set(bool down);
  DWORD thread_;
  UINT key_;
  bool attached_;
};

// Tab controls: the captions, the selected index, and a click on a tab.
std::vector<std::wstring> TabCaptions(HWND tab);
int SelectedTab(HWND tab);
void ClickTab(HWND tab, int index);

// List and combo boxes.
std::vector<std::wstring> ListItems(HWND list);
int ListSelection(HWND list);
// Selects an entry and tells the owner, as a click on it does.
void SelectListItem(HWND list, int index);
void DoubleClickListItem(HWND list, int index);
// Multi-select list boxes: adds an entry to the selection.
void AddListSelection(HWND list, int index);

// Report-mode list views: the cells row by row, and a click on a header.
std::vector<std::vector<std::wstring>> ListViewRows(HWND listView, int columns);
int ListViewRowCount(HWND listView);
void ClickListViewHeader(HWND listView, int column);
void DoubleClickListViewRow(HWND listView, int row);
// Selects exactly these rows of a list view (the last one focused).
void SelectListViewRows(HWND listView, const std::vector<int>& rows);

}  // namespace teko::e2e
