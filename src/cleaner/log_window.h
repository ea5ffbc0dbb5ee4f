#pragma once
#include "ui/form.h"

namespace teko {

// The log viewer.
class TFormLog final : public ui::Form {
 public:
  TFormLog();
  void Create(HWND owner);
};

}  // namespace teko
