#include "saver/backdrop.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "tests/scripted_random.h"

namespace sovelin {
namespace {

std::tuple<int, int, int, int> Tuple(const CoverCrop& c) {
  return {c.scaledWidth, c.scaledHeight, c.cropLeft, c.cropTop};
}

// Worked by hand: the factor is the larger of monitor/picture per side, the other side is
// rounded, and the surplus is split, the odd pixel going below or right.
TEST(CoverAndCrop, ScalesInProportionToCoverTheMonitorAndCentresTheCrop) {
  // 6000 x 4000 on 1920 x 1080: 1920/6000 = 0.32 > 1080/4000; 4000 * 0.32 = 1280, 200 cut.
  EXPECT_EQ(Tuple(CoverAndCrop(6000, 4000, 1920, 1080)), std::tuple(1920, 1280, 0, 100));
  // A square on a wide monitor grows to 1920 x 1920 and loses 840 rows.
  EXPECT_EQ(Tuple(CoverAndCrop(1000, 1000, 1920, 1080)), std::tuple(1920, 1920, 0, 420));
  // 3000 x 4000 on 1280 x 1024: 4000 * 1280 / 3000 = 1706.67, rounded to 1707; 683 cut.
  EXPECT_EQ(Tuple(CoverAndCrop(3000, 4000, 1280, 1024)), std::tuple(1280, 1707, 0, 341));
  // A landscape picture on a portrait monitor: the height rules, 800 * 1920 / 600 = 2560.
  EXPECT_EQ(Tuple(CoverAndCrop(800, 600, 1080, 1920)), std::tuple(2560, 1920, 740, 0));
  // The same proportions: no crop at all.
  EXPECT_EQ(Tuple(CoverAndCrop(3840, 2160, 1920, 1080)), std::tuple(1920, 1080, 0, 0));
  // A panorama 10000 x 1000 on 1024 x 768: 10000 * 768 / 1000 = 7680 wide, 3328 cut.
  EXPECT_EQ(Tuple(CoverAndCrop(10000, 1000, 1024, 768)), std::tuple(7680, 768, 3328, 0));
  // Rounding never leaves a row short: 3 x 2 on 4 x 3 gives 4.5 x 3, taken as 5 x 3.
  EXPECT_EQ(Tuple(CoverAndCrop(3, 2, 4, 3)), std::tuple(5, 3, 0, 0));
}

// A 3 x 2 picture with the pixels numbered
//   1 2 3
//   4 5 6
// as each EXIF orientation shows it (drawn by hand from the orientation's meaning: where the
// stored first row and first column stand when shown).
TEST(Oriented, TurnsAndMirrorsAsTheExifOrientationSays) {
  const PicturePixels stored{3, 2, {1, 2, 3, 4, 5, 6}};
  // {orientation, width, height, pixels}
  const std::tuple<int, int, int, std::vector<uint32_t>> cases[] = {
      {1, 3, 2, {1, 2, 3, 4, 5, 6}}, {2, 3, 2, {3, 2, 1, 6, 5, 4}}, {3, 3, 2, {6, 5, 4, 3, 2, 1}},
      {4, 3, 2, {4, 5, 6, 1, 2, 3}}, {5, 2, 3, {1, 4, 2, 5, 3, 6}}, {6, 2, 3, {4, 1, 5, 2, 6, 3}},
      {7, 2, 3, {6, 3, 5, 2, 4, 1}}, {8, 2, 3, {3, 6, 2, 5, 1, 4}}, {0, 3, 2, {1, 2, 3, 4, 5, 6}},
      {9, 3, 2, {1, 2, 3, 4, 5, 6}},
  };
  for (const auto& [orientation, width, height, pixels] : cases) {
    const PicturePixels shown = Oriented(stored, orientation);
    EXPECT_EQ(std::tuple(shown.width, shown.height, shown.pixels, SwapsSides(orientation)),
              std::tuple(width, height, pixels, width == 2))
        << "orientation " << orientation;
  }
}

// Fisher-Yates from the last place down: place i swaps with floor(r * (i + 1)).
TEST(PictureShuffle, ShowsEachPictureOnceARoundAndNeverTheSameTwiceInARow) {
  ScriptedRandom random{
      // Round 1: i = 2, r 0.0 -> 0: [2 1 0]; i = 1, r 0.9 -> 1: [2 1 0].
      0.0f, 0.9f,
      // Round 2: i = 2, r 0.5 -> 1: [0 2 1]; i = 1, r 0.0 -> 0: [2 0 1].
      0.5f, 0.0f,
      // Round 3: i = 2, r 0.99 -> 2; i = 1, r 0.99 -> 1: [0 1 2].
      0.99f, 0.99f,
      // Round 4: i = 2, r 0.0 -> 0: [2 1 0]; i = 1, r 0.9 -> 1: [2 1 0], which would start with
      // the 2 just shown, so its first two swap: [1 2 0].
      0.0f, 0.9f};
  PictureShuffle shuffle(3);
  std::vector<size_t> shown;
  for (int n = 0; n < 12; ++n) shown.push_back(shuffle.Next(random));
  EXPECT_EQ(shown, (std::vector<size_t>{2, 1, 0, 2, 0, 1, 0, 1, 2, 1, 2, 0}));
  // One picture or none asks for no random number.
  PictureShuffle one(1), empty(0);
  EXPECT_EQ(std::tuple(one.Next(random), one.Next(random), empty.Next(random)),
            std::tuple(0u, 0u, 0u));
  EXPECT_EQ(random.Left(), 0u);
}

}  // namespace
}  // namespace sovelin
