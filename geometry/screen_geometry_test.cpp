#include "geometry/screen_geometry.h"

#include <gtest/gtest.h>

#include <tuple>

namespace sovelin {
namespace {

TEST(ScreenGeometry, VerseWindowScaleFollowsTheWindowsSizeInPixels) {
  // 168 and 192 DPI have 8 and 7 whole twips to the pixel, so the window grows by 15/8 and
  // 15/7 (times 0.8), a little more than DPI/96. The verse size multiplies the display's scale.
  // clang-format off
  const std::tuple<int, bool, int, double> cases[] = {
      {96, false, 100, 1.0}, {120, true, 100, 1.0}, {144, true, 100, 1.2}, {168, true, 100, 1.5},
      {192, true, 100, 12.0 / 7.0}, {240, true, 100, 2.0}, {120, false, 100, 1.25},
      {96, true, 100, 0.8}, {96, false, 300, 3.0}, {144, true, 200, 2.4}, {144, true, 150, 1.8},
      {192, true, 300, 36.0 / 7.0}};
  // clang-format on
  for (const auto& [dpi, largeFonts, percent, scale] : cases)
    EXPECT_DOUBLE_EQ(VerseWindowScale(TwipsPerPixelAt(dpi, dpi), largeFonts, percent), scale)
        << dpi << " DPI at " << percent << " %";
}

}  // namespace
}  // namespace sovelin
