#pragma once
// How often a file is overwritten: the user's count N (1 to 10) gives 2 x N
// passes.
#include <string_view>

namespace teko {

inline constexpr int kDefaultPassCount = 2;
inline constexpr int kMinPassCount = 1;
inline constexpr int kMaxPassCount = 10;

struct PassCountEntry {
  int count;   // always 1 to 10
  bool valid;  // false when the text was no whole number at all
};

// A whole number outside 1 to 10 quietly becomes the default; anything that
// is no whole number becomes the default too, but the user is told.
PassCountEntry ReadPassCount(std::wstring_view text);

int ClampPassCount(int count);
int PassesFor(int count);

}  // namespace teko
