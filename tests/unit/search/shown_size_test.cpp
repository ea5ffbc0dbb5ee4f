#include "search/shown_size.h"

#include <gtest/gtest.h>

namespace teko {
namespace {

TEST(ShownSearchWindowSize, LargeScreensGet800By700AndSmallOnesKeepTheSize) {
  EXPECT_EQ(ShownSearchWindowSize({1280, 1024}, {780, 580}), (PixelSize{800, 700}));
  EXPECT_EQ(ShownSearchWindowSize({1024, 768}, {780, 580}), (PixelSize{800, 700}));
  EXPECT_EQ(ShownSearchWindowSize({1000, 700}, {780, 580}), (PixelSize{780, 580}));
  EXPECT_EQ(ShownSearchWindowSize({800, 1024}, {780, 580}), (PixelSize{780, 700}));
}

}  // namespace
}  // namespace teko
