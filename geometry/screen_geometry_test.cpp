#include "geometry/screen_geometry.h"

#include <gtest/gtest.h>

#include <tuple>

namespace sovelin {
namespace {

TEST(ScreenGeometry, VerseWindowScaleFollowsTheWindowsSizeInPixels) {
  // 168 and 192 DPI have 8 and 7 whole twips to the pixel, so the window grows by 15/8 and
  // 15/7 (times 0.8), a little more than DPI/96.
  const std::tuple<int, bool, double> cases[] = {
      {96, false, 1.0},        {120, true, 1.0}, {144, true, 1.2},   {168, true, 1.5},
      {192, true, 12.0 / 7.0}, {240, true, 2.0}, {120, false, 1.25}, {96, true, 0.8}};
  for (const auto& [dpi, largeFonts, scale] : cases)
    EXPECT_DOUBLE_EQ(VerseWindowScale(TwipsPerPixelAt(dpi, dpi), largeFonts), scale)
        << dpi << " DPI";
}

}  // namespace
}  // namespace sovelin
