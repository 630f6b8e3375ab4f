#include "versewin/picture_scale.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace sovelin {
namespace {

PicturePixels Plain(int width, int height, uint32_t color) {
  return {width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height, color)};
}

TEST(PictureScale, TheSourceIsNeverEnlargedUpToTwiceTheDesignSize) {
  EXPECT_EQ(PictureSourceScale(1.0), 1);
  EXPECT_EQ(PictureSourceScale(1.25 * 0.8), 1);
  EXPECT_EQ(PictureSourceScale(0.8), 1);
  EXPECT_EQ(PictureSourceScale(1.2), 2);
  EXPECT_EQ(PictureSourceScale(12.0 / 7), 2);
  EXPECT_EQ(ScaledPictureSize(288, 1.2), 346);  // 345.6
  EXPECT_EQ(ScaledPictureSize(437, 1.5), 656);  // 655.5 rounds up
}

TEST(PictureScale, ReducingAveragesTheCoveredAreaAndKeepsPlainColoursExact) {
  // Halving: each pixel is the mean of its 2 x 2 block, channel by channel.
  const PicturePixels quad{2, 2, {0x000000, 0x0000FF, 0x00FF00, 0xFF0000}};
  const PicturePixels half = ResizePicture(quad, 1, 1);
  ASSERT_EQ(half.pixels.size(), 1u);
  EXPECT_EQ(half.pixels[0], 0x404040u);  // 63.75 rounds to 64 in every channel

  // Three to two: the middle source pixel is shared half and half.
  const PicturePixels row{3, 1, {0x000000, 0x0000F0, 0x000000}};
  const PicturePixels two = ResizePicture(row, 2, 1);
  EXPECT_EQ(two.pixels, (std::vector<uint32_t>{0x000050, 0x000050}));  // 240 * 0.5 / 1.5

  // A plain picture stays plain at an odd reduction: the weights of a pixel add up to 1.
  const PicturePixels plain = ResizePicture(Plain(576, 388, 0x00C8A064), 346, 233);
  EXPECT_EQ(plain.width, 346);
  EXPECT_EQ(plain.height, 233);
  EXPECT_TRUE(std::all_of(plain.pixels.begin(), plain.pixels.end(),
                          [](uint32_t p) { return p == 0x00C8A064; }));

  EXPECT_EQ(ResizePicture(quad, 2, 2).pixels, quad.pixels);
  EXPECT_EQ(ResizePicture(quad, 0, 5).pixels.size(), 0u);
}

}  // namespace
}  // namespace sovelin
