#include "versewin/verse_window_kind.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "versewin/outlines.h"

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

TEST(VerseWindowKindTest, LargeFontsShrinkKeepsPixelSizesAndRoundsToTheNearestTwip) {
  for (int16_t display = 0; display < 7; ++display) {
    const VerseWindowDescriptor& design = DescriptorFor(display);
    const VerseWindowDescriptor shrunk = ShrinkForLargeFonts(design);
    SCOPED_TRACE(design.name);
    // Same pixels: shrunk twips / 12 == design twips / 15.
    EXPECT_EQ(shrunk.width * 15, design.width * 12);
    EXPECT_EQ(shrunk.lblverse.top * 15, design.lblverse.top * 12);
    EXPECT_NEAR(shrunk.font.points, 7.8, 1e-9);
  }

  VerseWindowDescriptor odd = DescriptorFor(5);
  odd.width = 4366;         // 3492.8
  odd.height = 2553;        // 2042.4
  odd.lblverse.left = 601;  // 480.8
  odd.lblverse.top = 1;     // 0.8
  const VerseWindowDescriptor shrunk = ShrinkForLargeFonts(odd);
  EXPECT_EQ(std::vector({shrunk.width, shrunk.height, shrunk.lblverse.left, shrunk.lblverse.top}),
            std::vector<int32_t>({3493, 2042, 481, 1}));
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
  struct Display {
    int twipsPerPixel;
    double scale;
  };
  constexpr Display kDisplays[] = {{12, 1.0},     {10, 1.2}, {8, 1.5},
                                   {7, 12.0 / 7}, {6, 2.0},  {5, 2.4}};
  for (int16_t kind = 0; kind < 7; ++kind) {
    SCOPED_TRACE(kind);
    const auto table = OutlineFor(kind);
    const auto same = ScaledOutline(kind, 1.25 * 0.8);
    EXPECT_TRUE(std::equal(table.begin(), table.end(), same.begin(), same.end()));
    const VerseWindowDescriptor window = ShrinkForLargeFonts(DescriptorFor(kind));
    for (const Display& display : kDisplays) {
      const auto scaled = ScaledOutline(kind, display.scale);
      ASSERT_EQ(scaled.size(), table.size());
      for (size_t i = 0; i < scaled.size(); ++i) {
        EXPECT_LE(std::abs(scaled[i].x - table[i].x * display.scale), 0.5);
        EXPECT_LE(scaled[i].x, window.width / display.twipsPerPixel) << display.scale;
        EXPECT_LE(scaled[i].y, window.height / display.twipsPerPixel) << display.scale;
      }
    }
  }
}

}  // namespace
}  // namespace sovelin
