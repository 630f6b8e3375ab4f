#include "versewin/verse_window_kind.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "versewin/outlines.h"
#include "versewin/verse_size.h"

namespace sovelin {
namespace {

TEST(VerseWindowKindTest,
     LabelsLieOnTheirWindowsPicturesSetTheTextColourAndUnknownNumbersGetTheBookAndItsOutline) {
  for (int16_t display = 0; display < 7; ++display) {
    const VerseWindowDescriptor& window = DescriptorFor(display);
    SCOPED_TRACE(window.name);
    EXPECT_EQ(window.display, display);
    EXPECT_LE(window.lblverse.left + window.lblverse.width, window.width);
    EXPECT_LE(window.lblverse.top + window.lblverse.height, window.height);
    // Picture windows write blue; the box and the oval white on the user's colour.
    EXPECT_EQ(window.usesRectangleColor, window.picture.empty());
    EXPECT_EQ(window.textColor, window.picture.empty() ? 0x00FFFFFFu : 0x00FF0000u);
  }
  for (int display : {-1, 7, 9, INT16_MAX, INT16_MIN}) {  // unknown numbers get the book
    const auto unknown = static_cast<int16_t>(display);
    EXPECT_EQ(&DescriptorFor(unknown), &DescriptorFor(0)) << display;
    EXPECT_EQ(OutlineFor(unknown).data(), OutlineFor(0).data()) << display;
  }
}

// The large-fonts shrink rounds each value to the nearest twip.
TEST(VerseWindowKindTest, LargeFontsShrinkRoundsToTheNearestTwip) {
  VerseWindowDescriptor odd = DescriptorFor(5);
  odd.width = 4366;         // 3492.8
  odd.height = 2553;        // 2042.4
  odd.lblverse.left = 601;  // 480.8
  odd.lblverse.top = 1;     // 0.8
  const VerseWindowDescriptor shrunk = ScaledDescriptor(odd, kLargeFontsFactor);
  EXPECT_EQ(std::vector({shrunk.width, shrunk.height, shrunk.lblverse.left, shrunk.lblverse.top}),
            std::vector<int32_t>({3493, 2042, 481, 1}));
}

// The sizes start-up falls back to: a window at its verse size must leave a sixth of every
// monitor it can reach free, and its picture must not need enlarging beyond three times.
TEST(VerseSizeTest, TooBigFallsBackToTheLargestSizeThatFits) {
  const std::vector<PixelRect> sxga = {{0, 0, 1280, 1024}};
  const std::vector<PixelRect> fullHd = {{0, 0, 1920, 1080}};
  const auto sized = [&](int16_t display, int16_t percent, const std::vector<PixelRect>& monitors,
                         TwipsPerPixel twips = {15, 15}) {
    return SizeVerseWindow(DescriptorFor(display), twips, twips.x < 15, percent, monitors)
        .verseSize;
  };
  // The computer at 300 % is 1299 x 1116 pixels; at 200 %, 866 x 744 leaves room on 1280 x 1024.
  EXPECT_EQ(sized(3, 300, sxga), 200);
  // The book at 300 % is 873 x 585: room enough on 1280 x 1024 and on 1920 x 1080.
  EXPECT_EQ(sized(0, 300, sxga), 300);
  EXPECT_EQ(sized(0, 300, fullHd), 300);
  // The bread at 300 %, 603 x 720, is taller than 5/6 of 768 (640); at 200 % it is 480.
  EXPECT_EQ(sized(1, 300, {{0, 0, 1366, 768}}), 200);
  // Nothing smaller than 100 %, even where that does not fit either.
  EXPECT_EQ(sized(3, 150, {{0, 0, 640, 480}}), 100);
  // A second monitor of 1024 x 768 beside the primary, sharing 768 rows: the book at 300 %
  // passes onto it and is too wide there (873 > 853), so 200 %. Lower down, sharing only 500
  // rows, it never gets there and keeps 300 %.
  EXPECT_EQ(sized(0, 300, {{0, 0, 1920, 1080}, {1920, 0, 2944, 768}}), 200);
  EXPECT_EQ(sized(0, 300, {{0, 0, 1920, 1080}, {1920, 580, 2944, 1348}}), 300);
  // The same monitor below or above the primary, sharing its 1024 columns: 200 %. Above, sharing
  // only 800 columns, it is out of the book's reach.
  EXPECT_EQ(sized(0, 300, {{0, 0, 1920, 1080}, {0, 1080, 1024, 1848}}), 200);
  EXPECT_EQ(sized(0, 300, {{0, 0, 1920, 1080}, {448, -768, 1472, 0}}), 200);
  EXPECT_EQ(sized(0, 300, {{0, 0, 1920, 1080}, {1120, -768, 2144, 0}}), 300);
  // At 144 DPI (scale 1.2) the pictures hold 200 % (2.4) but not 300 % (3.6); the box has no
  // picture and grows to 300 % on a large screen.
  const std::vector<PixelRect> uhd = {{0, 0, 3840, 2160}};
  EXPECT_EQ(sized(0, 300, uhd, {10, 10}), 200);
  EXPECT_EQ(sized(5, 300, uhd, {10, 10}), 300);
  const SizedVerseWindow box = SizeVerseWindow(DescriptorFor(5), {10, 10}, true, 300, uhd);
  EXPECT_DOUBLE_EQ(box.scale, 3.6);
  // Window, label and font grow together: 4320, 600 twips and 9.75 points times 0.8 x 3.
  EXPECT_EQ(std::pair(box.descriptor.width, box.descriptor.lblverse.left), std::pair(10368, 1440));
  EXPECT_DOUBLE_EQ(box.descriptor.font.points, 23.4);
  // Without a fall-back the asked size is kept.
  EXPECT_EQ(SizeVerseWindow(DescriptorFor(2), {15, 15}, false, 150, fullHd).descriptor.width, 7448);
}

TEST(VerseWindowKindTest, WindowsStartCentredOnTheOwnerExceptTheComputer) {
  const TwipsBox screen{0, 0, 1024 * 15, 768 * 15};
  // (15360 - 4320) / 2 and (11520 - 2550) / 2 come out whole for the box.
  EXPECT_EQ(FirstPosition(DescriptorFor(5), screen), (TwipsPoint{5520, 4485}));
  // Half twips round toward the owner's corner: (15360 - 4365) / 2 = 5497.5.
  EXPECT_EQ(FirstPosition(DescriptorFor(0), screen), (TwipsPoint{5497, 4297}));
  // An owner away from the origin moves the window with it.
  const TwipsBox leftMonitor{-15360, 300, 15360, 11520};
  EXPECT_EQ(FirstPosition(DescriptorFor(5), leftMonitor), (TwipsPoint{-9840, 4785}));
  // A window larger than its owner overhangs it on both sides.
  EXPECT_EQ(FirstPosition(DescriptorFor(5), TwipsBox{0, 0, 4315, 2545}), (TwipsPoint{-3, -3}));
  // The computer starts at its design position whatever the owner.
  EXPECT_EQ(FirstPosition(DescriptorFor(3), screen), (TwipsPoint{2805, 1755}));
  EXPECT_EQ(FirstPosition(DescriptorFor(3), leftMonitor), (TwipsPoint{2805, 1755}));
}

// On a scaled display the outline grows with the window: at scale 1 it is the table itself, and
// at every display it fits the window that start-up makes there (twips shrunk for large fonts,
// then divided by the display's twips per pixel; 12 to the pixel for the shrunk twips at 96 DPI).
TEST(OutlinesTest, TheScaledOutlineFitsTheScaledWindow) {
  // {twips per pixel, scale}
  constexpr std::pair<int, double> kDisplays[] = {{12, 1.0},     {10, 1.2}, {8, 1.5},
                                                  {7, 12.0 / 7}, {6, 2.0},  {5, 2.4}};
  for (int16_t kind = 0; kind < 7; ++kind) {
    SCOPED_TRACE(kind);
    const auto table = OutlineFor(kind);
    const auto same = ScaledOutline(kind, 1.25 * 0.8);
    EXPECT_TRUE(std::equal(table.begin(), table.end(), same.begin(), same.end()));
    const VerseWindowDescriptor window = ScaledDescriptor(DescriptorFor(kind), kLargeFontsFactor);
    for (const auto& [twipsPerPixel, scale] : kDisplays) {
      const auto scaled = ScaledOutline(kind, scale);
      ASSERT_EQ(scaled.size(), table.size());
      for (size_t i = 0; i < scaled.size(); ++i) {
        EXPECT_LE(std::abs(scaled[i].x - table[i].x * scale), 0.5);
        EXPECT_LE(scaled[i].x, window.width / twipsPerPixel) << scale;
        EXPECT_LE(scaled[i].y, window.height / twipsPerPixel) << scale;
      }
    }
  }
}

}  // namespace
}  // namespace sovelin
