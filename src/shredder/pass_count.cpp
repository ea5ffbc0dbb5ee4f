#include "shredder/pass_count.h"

#include <algorithm>

#include "core/integer_text.h"
#include "core/text.h"

namespace teko {

PassCountEntry ReadPassCount(std::wstring_view text) {
  auto number = ParseInteger(Trim(text));
  if (!number) return {kDefaultPassCount, false};
  if (*number < kMinPassCount || *number > kMaxPassCount) return {kDefaultPassCount, true};
  return {*number, true};
}

int ClampPassCount(int count) { return std::clamp(count, kMinPassCount, kMaxPassCount); }

int PassesFor(int count) { return 2 * ClampPassCount(count); }

}  // namespace teko
