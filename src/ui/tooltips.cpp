#include "ui/tooltips.h"

#include <commctrl.h>

namespace teko::ui {

namespace {

TOOLINFOW ToolOf(HWND control) {
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = ::GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  return tool;
}

constexpr int kHintBufferLength = 256;

}  // namespace

Tooltips::~Tooltips() {
  if (tip_ && ::IsWindow(tip_)) ::DestroyWindow(tip_);
}

void Tooltips::Add(HWND control, std::wstring_view text) {
  if (tip_) {
    Register(control, text);
  } else {
    waiting_.emplace_back(control, text);
  }
}

void Tooltips::Activate() {
  if (tip_ || waiting_.empty()) return;
  tip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           ::GetAncestor(waiting_.front().first, GA_ROOT), nullptr, ::GetModuleHandleW(nullptr),
                           nullptr);
  if (!tip_) return;
  for (const auto& [control, text] : waiting_) Register(control, text);
  waiting_.clear();
}

void Tooltips::Register(HWND control, std::wstring_view text) {
  std::wstring hint(text.substr(0, kHintBufferLength - 1));
  TOOLINFOW tool = ToolOf(control);
  tool.lpszText = hint.data();
  ::SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::wstring Tooltips::TextOf(HWND control) {
  Activate();
  if (!tip_) return {};
  wchar_t buffer[kHintBufferLength] = {};
  TOOLINFOW tool = ToolOf(control);
  tool.lpszText = buffer;
  ::SendMessageW(tip_, TTM_GETTEXTW, kHintBufferLength, reinterpret_cast<LPARAM>(&tool));
  return buffer;
}

}  // namespace teko::ui
