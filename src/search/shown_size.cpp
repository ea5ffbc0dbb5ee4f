#include "search/shown_size.h"

namespace teko {

PixelSize ShownSearchWindowSize(PixelSize screen, PixelSize current) {
  return PixelSize{screen.width > 1000 ? 800 : current.width, screen.height > 700 ? 700 : current.height};
}

}  // namespace teko
