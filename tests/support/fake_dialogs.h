#pragma once
// Records the message boxes a flow shows and answers its questions from a
// script (Yes when the script runs out).
#include <deque>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace teko::testing {

class FakeDialogs final : public Dialogs {
 public:
  struct Shown {
    MessageKind kind;
    std::wstring text;
  };

  void Show(MessageKind kind, std::wstring_view text) override { shown.push_back({kind, std::wstring(text)}); }
  bool Ask(std::wstring_view text) override {
    questions.emplace_back(text);
    if (answers.empty()) return true;
    bool answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::vector<Shown> shown;
  std::vector<std::wstring> questions;
  std::deque<bool> answers;
};

}  // namespace teko::testing
