#pragma once
#include <windows.h>

#include "app/online_check.h"

namespace teko {

// Any dialog the system shows for the check is owned by `owner`.
class Win32OnlineCheck final : public OnlineCheck {
 public:
  explicit Win32OnlineCheck(HWND owner = nullptr) : owner_(owner) {}
  void SetOwner(HWND owner) { owner_ = owner; }
  bool GoOnline(std::wstring_view address) override;

 private:
  HWND owner_;
};

}  // namespace teko
