#include "versewin/picture_scale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <utility>

namespace sovelin {
namespace {

TEST(PictureScale, ThePicturesHoldEveryScaleUpToThreeTimesTheDesignSize) {
  for (const double scale : {0.8, 1.0, 1.2, 12.0 / 7, 2.4, 3.0}) EXPECT_TRUE(IsHeldSharp(scale));
  for (const double scale : {3.6, 36.0 / 7}) EXPECT_FALSE(IsHeldSharp(scale));
  EXPECT_EQ(ScaledPictureSize(288, 1.2), 346);  // 345.6
  EXPECT_EQ(ScaledPictureSize(437, 1.5), 656);  // 655.5 rounds up
}

TEST(PictureScale, ReducingAveragesTheCoveredAreaAndKeepsPlainColoursExact) {
  // Halving: each pixel is the mean of its 2 x 2 block, channel by channel.
  const PicturePixels quad{2, 2, {0x000000, 0x0000FF, 0x00FF00, 0xFF0000}};
  // 63.75 rounds to 64 in every channel.
  EXPECT_EQ(ResizePicture(quad, 1, 1).pixels, (std::vector<uint32_t>{0x404040u}));

  // Three to two: the middle source pixel is shared half and half.
  const PicturePixels row{3, 1, {0x000000, 0x0000F0, 0x000000}};
  EXPECT_EQ(ResizePicture(row, 2, 1).pixels, (std::vector<uint32_t>{0x000050, 0x000050}));

  // A plain picture stays plain at an odd reduction: the weights of a pixel add up to 1.
  const PicturePixels plain =
      ResizePicture({576, 388, std::vector<uint32_t>(576 * 388, 0x00C8A064)}, 346, 233);
  EXPECT_EQ(std::pair(plain.width, plain.height), std::pair(346, 233));
  EXPECT_TRUE(std::all_of(plain.pixels.begin(), plain.pixels.end(),
                          [](uint32_t p) { return p == 0x00C8A064; }));

  EXPECT_EQ(ResizePicture(quad, 2, 2).pixels, quad.pixels);
  EXPECT_EQ(ResizePicture(quad, 0, 5).pixels.size(), 0u);
  // A source without pixels, one way or both, gives an empty picture.
  for (const PicturePixels& empty :
       {PicturePixels{}, PicturePixels{0, 4, {}}, PicturePixels{5, 0, {}}}) {
    const PicturePixels resized = ResizePicture(empty, 3, 2);
    EXPECT_EQ(std::tuple(resized.width, resized.height, resized.pixels.size()),
              std::tuple(0, 0, size_t{0}));
  }
}

}  // namespace
}  // namespace sovelin
