#pragma once
// The log viewer's decisions: whether there is anything to save and how
// the window is sized (96-dpi pixels).
#include <string_view>

namespace teko {

// False for a log of nothing but blanks and line breaks.
bool HasLogText(std::wstring_view text);

// On a screen at least this wide the viewer opens at the larger size.
inline constexpr int kLogLargeScreenWidth = 800;
inline constexpr int kLogLargeOuterWidth = 750;
inline constexpr int kLogLargeOuterHeight = 550;

// The text box ends this far above the window's bottom edge, the buttons
// start this far above it.
inline constexpr int kLogMemoBottomGap = 125;
inline constexpr int kLogButtonBottomGap = 100;

}  // namespace teko
