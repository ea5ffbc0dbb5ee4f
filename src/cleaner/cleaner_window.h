#pragma once
#include "ui/form.h"

namespace teko {

// The cleaner window.
class TFormCleaner final : public ui::Form {
 public:
  TFormCleaner();
  void Create(HWND owner);
};

}  // namespace teko
