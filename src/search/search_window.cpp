#include "search/search_window.h"

namespace teko {

namespace {
ui::FormSpec SearchFormSpec() {
  ui::FormSpec spec{L"TFormSearch", L"", 764, 544};
  spec.sizeable = true;
  spec.maximizeBox = true;
  return spec;
}
}  // namespace

TFormSearch::TFormSearch() : ui::Form(SearchFormSpec()) {}

void TFormSearch::Create(HWND owner) { CreateForm(owner); }

}  // namespace teko
