#pragma once
// The one-column list with icons under the folder and file lists.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace teko::ui {

class IconList {
 public:
  void Attach(HWND listView);
  HWND handle() const { return list_; }
  void Clear();
  void Add(std::wstring_view text, int icon, int indent = 0);
  void EndUpdate();  // sizes the column to the list after a batch of Add
  int Count() const;
  std::wstring Text(int index) const;
  std::vector<int> SelectedIndexes() const;
  int FocusedIndex() const;  // -1 for none
  void Select(int index);    // the only selection, focused and in view

 private:
  HWND list_ = nullptr;
};

}  // namespace teko::ui
