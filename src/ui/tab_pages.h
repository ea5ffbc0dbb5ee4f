#pragma once
// A tab control with one container window per page. Pages lie over the
// tab control's display area; only the active one is visible. All captions
// stay visible: the tabs wrap into several rows when one row is too narrow.
// A page's container is made when the page is first asked for.
#include <windows.h>

#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "ui/container.h"

namespace teko::ui {

class TabPages {
 public:
  // bounds: the whole tab control in the form's client coordinates (physical pixels).
  void Create(HWND form, int id, const RECT& bounds, std::span<const std::wstring_view> captions, HFONT font,
              int firstPageId);
  void Resize(const RECT& bounds, HFONT font);

  HWND tab() const { return tab_; }
  int id() const { return id_; }
  int count() const { return static_cast<int>(pages_.size()); }
  HWND page(int index);
  int ActiveIndex() const;
  // Selects a page without any notification.
  void Activate(int index);
  // After the user's selection (TCN_SELCHANGE): shows the selected page.
  void ShowSelected();

 private:
  RECT PageBounds() const;
  HWND tab_ = nullptr;
  int id_ = 0;
  int firstPageId_ = 0;
  std::vector<std::unique_ptr<Container>> pages_;  // null until made
};

}  // namespace teko::ui
