#include "ui/tab_pages.h"

#include <commctrl.h>

#include <string>

namespace teko::ui {

void TabPages::Create(HWND form, int id, const RECT& bounds, std::span<const std::wstring_view> captions, HFONT font,
                      int firstPageId) {
  id_ = id;
  tab_ = ::CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | TCS_MULTILINE,
                           bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, form,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
  ::SendMessageW(tab_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  for (size_t i = 0; i < captions.size(); ++i) {
    std::wstring caption(captions[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    ::SendMessageW(tab_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  firstPageId_ = firstPageId;
  pages_.resize(captions.size());
}

HWND TabPages::page(int index) {
  auto& container = pages_[static_cast<size_t>(index)];
  if (!container) {
    container = std::make_unique<Container>();
    container->Create(::GetParent(tab_), firstPageId_ + index, PageBounds(), CLR_INVALID);
    // Over the tab control's display area.
    ::SetWindowPos(container->handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  return container->handle();
}

RECT TabPages::PageBounds() const {
  RECT area;
  ::GetWindowRect(tab_, &area);
  ::MapWindowPoints(nullptr, ::GetParent(tab_), reinterpret_cast<POINT*>(&area), 2);
  ::SendMessageW(tab_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  return area;
}

void TabPages::Resize(const RECT& bounds, HFONT font) {
  ::SendMessageW(tab_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  ::SetWindowPos(tab_, nullptr, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  RECT page = PageBounds();
  for (auto& container : pages_) {
    if (!container) continue;
    ::SetWindowPos(container->handle(), nullptr, page.left, page.top, page.right - page.left, page.bottom - page.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

int TabPages::ActiveIndex() const { return static_cast<int>(::SendMessageW(tab_, TCM_GETCURSEL, 0, 0)); }

void TabPages::Activate(int index) {
  ::SendMessageW(tab_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  ShowSelected();
}

void TabPages::ShowSelected() {
  int active = ActiveIndex();
  for (int i = 0; i < count(); ++i) {
    if (i != active && pages_[static_cast<size_t>(i)]) ::ShowWindow(page(i), SW_HIDE);
  }
  if (active >= 0 && active < count()) {
    ::ShowWindow(page(active), SW_SHOW);
    ::InvalidateRect(page(active), nullptr, TRUE);
  }
}

}  // namespace teko::ui
