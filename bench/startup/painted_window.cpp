#include "painted_window.h"

#include "bench_clock.h"

namespace {

// Only the program's own windows are looked at: each question about a
// window of another process costs the server time the program needs.
BOOL CALLBACK FindVisible(HWND window, LPARAM found) {
  if (!::IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// Asks for the visibility only of windows that wait for paint.
BOOL CALLBACK FindUnpainted(HWND window, LPARAM unpainted) {
  if (::GetUpdateRect(window, nullptr, FALSE) && ::IsWindowVisible(window)) {
    *reinterpret_cast<bool*>(unpainted) = true;
    return FALSE;
  }
  return TRUE;
}

bool Painted(HWND window) {
  if (::GetUpdateRect(window, nullptr, FALSE)) return false;
  bool unpainted = false;
  ::EnumChildWindows(window, FindUnpainted, reinterpret_cast<LPARAM>(&unpainted));
  return !unpainted;
}

}  // namespace

void CALLBACK PaintedWindowProbe::Answered(HWND, UINT, ULONG_PTR question, LRESULT) {
  lastAnswered_ = question;
  lastAnswerTime_ = Seconds();
}

double PaintedWindowProbe::VisibleSince() {
  if (!window_) {
    ::EnumThreadWindows(thread_, FindVisible, reinterpret_cast<LPARAM>(&window_));
    if (!window_) return -1;
    shownAt_ = Seconds();
  }
  if (!question_) {
    question_ = ++lastAsked_;
    if (!::SendMessageCallbackW(window_, WM_NULL, 0, 0, Answered, question_)) question_ = 0;
  }
  // The answer comes as this thread looks at its messages.
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
  if (!question_ || lastAnswered_ != question_) return -1;
  question_ = 0;
  double answered = lastAnswerTime_;
  return Painted(window_) ? answered : -1;
}
