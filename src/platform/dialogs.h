#pragma once
// The message boxes the user sees: fixed English texts in five kinds.
#include <string_view>

namespace teko {

enum class MessageKind {
  Warning,      // warning icon, OK
  Error,        // error icon, OK
  Information,  // information icon, OK
  Plain,        // no icon, OK
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void Show(MessageKind kind, std::wstring_view text) = 0;
  // The fifth kind: question icon with Yes and No. True for Yes.
  virtual bool Ask(std::wstring_view text) = 0;
};

}  // namespace teko
