#pragma once
// When a program counts as visible: a top-level window of its main thread
// is shown,
// its thread answers a message sent after that (so it is through with what
// it did before its message loop), and neither that window nor any of its
// visible child windows waits to be painted. The time is that of the
// answer: looking at every child window of a busy program takes a while,
// and that while is the asker's, not the program's. The question goes out
// without waiting for the answer, so a program stopped at a debug event
// does not stop the asker.
#include <windows.h>

class PaintedWindowProbe {
 public:
  explicit PaintedWindowProbe(DWORD mainThread) : thread_(mainThread) {}
  PaintedWindowProbe(const PaintedWindowProbe&) = delete;
  PaintedWindowProbe& operator=(const PaintedWindowProbe&) = delete;

  // Looks once: the time (in Seconds()) from which the program counts as
  // visible, or a negative value while it does not.
  double VisibleSince();
  // When a window was first seen shown (WS_VISIBLE), painted or not: the
  // time this benchmark measured before; negative until then.
  double shownAt() const { return shownAt_; }

 private:
  // Questions are numbered: an answer may come after its probe is gone.
  static void CALLBACK Answered(HWND, UINT, ULONG_PTR question, LRESULT);
  static inline ULONG_PTR lastAsked_ = 0;
  static inline ULONG_PTR lastAnswered_ = 0;
  static inline double lastAnswerTime_ = 0;

  DWORD thread_;
  HWND window_ = nullptr;
  double shownAt_ = -1;
  ULONG_PTR question_ = 0;  // 0: none open
};
