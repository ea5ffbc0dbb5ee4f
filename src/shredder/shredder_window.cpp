#include "shredder/shredder_window.h"

namespace teko {

namespace {
ui::FormSpec ShredderFormSpec() {
  ui::FormSpec spec{L"TFormDateien", L"Secure delete files", 709, 439};
  spec.minimizeBox = false;
  return spec;
}
}  // namespace

TFormDateien::TFormDateien() : ui::Form(ShredderFormSpec()) {}

void TFormDateien::Create(HWND owner) { CreateForm(owner); }

}  // namespace teko
