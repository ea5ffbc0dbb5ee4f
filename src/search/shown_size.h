#pragma once
// The size the search window takes each time it is shown.

namespace teko {

struct PixelSize {
  int width;
  int height;
  friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// In 96-dpi pixels: 800 wide on a screen wider than 1000, 700 high on one
// higher than 700; otherwise the current outer size stays.
PixelSize ShownSearchWindowSize(PixelSize screen, PixelSize current);

}  // namespace teko
