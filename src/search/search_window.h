#pragma once
#include "ui/form.h"

namespace teko {

// The file search window.
class TFormSearch final : public ui::Form {
 public:
  TFormSearch();
  void Create(HWND owner);
};

}  // namespace teko
