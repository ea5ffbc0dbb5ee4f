#include "cleaner/log_window.h"

#include "ui/gradient.h"

namespace teko {

namespace {
ui::FormSpec LogFormSpec() {
  ui::FormSpec spec{L"TFormLog", L"Logfile", 734, 514};
  spec.sizeable = true;
  spec.maximizeBox = true;
  spec.background = ui::kCream;
  spec.font = {L"MS Sans Serif", 11};
  return spec;
}
}  // namespace

TFormLog::TFormLog() : ui::Form(LogFormSpec()) {}

void TFormLog::Create(HWND owner) { CreateForm(owner); }

}  // namespace teko
