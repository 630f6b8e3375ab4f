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
  // The verse size multiplies the display's scale.
  const std::tuple<int, int, double> sized[] = {
      {96, 300, 3.0}, {144, 200, 2.4}, {144, 150, 1.8}, {192, 300, 36.0 / 7.0}, {120, 100, 1.0}};
  for (const auto& [dpi, percent, scale] : sized)
    EXPECT_DOUBLE_EQ(VerseWindowScale(TwipsPerPixelAt(dpi, dpi), dpi > 96, percent), scale)
        << dpi << " DPI at " << percent << " %";
}

}  // namespace
}  // namespace sovelin
