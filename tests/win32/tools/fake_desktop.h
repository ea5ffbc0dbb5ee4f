#pragma once
// What the stand-in desktop program shows: a "Progman" window whose first
// child's first child is a list view holding icons at these positions.
#include <array>

namespace teko::testing {

struct FakeIcon {
  int x, y;
};

inline constexpr std::array<FakeIcon, 4> kFakeDesktopIcons{{{10, 20}, {-40, 75}, {300, -8}, {-123, -456}}};
inline constexpr const wchar_t* kFakeDesktopProgram = L"fake_desktop.exe";
// The top window's title once the icons are in place.
inline constexpr const wchar_t* kFakeDesktopReady = L"Program Manager";

}  // namespace teko::testing
