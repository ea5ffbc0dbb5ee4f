#include "cleaner/cleaner_window.h"

#include "ui/gradient.h"

namespace teko {

namespace {
ui::FormSpec CleanerFormSpec() {
  ui::FormSpec spec{L"TFormCleaner", L"", 340, 393};
  spec.background = ui::kCream;
  spec.font = {L"MS Sans Serif", 11};
  spec.keyPreview = true;
  return spec;
}
}  // namespace

TFormCleaner::TFormCleaner() : ui::Form(CleanerFormSpec()) {}

void TFormCleaner::Create(HWND owner) { CreateForm(owner); }

}  // namespace teko
