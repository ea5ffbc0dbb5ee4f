#pragma once
#include "ui/form.h"

namespace teko {

// The shredder window.
class TFormDateien final : public ui::Form {
 public:
  TFormDateien();
  void Create(HWND owner);
};

}  // namespace teko
