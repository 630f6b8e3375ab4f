#include "versewin/verse_window_kind.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

namespace sovelin {
namespace {

// The windows at 96 dots per inch, in pixels, as their pictures and outlines are drawn.
struct PixelLayout {
  std::string_view name;
  int32_t width, height;
  int32_t labelLeft, labelTop, labelWidth, labelHeight;
};

constexpr PixelLayout kPixelLayouts[] = {
    {"frmVerseBook", 291, 195, 36, 36, 221, 131},  {"frmVerseBread", 201, 240, 20, 48, 161, 171},
    {"frmVersePaper", 331, 232, 20, 56, 277, 111}, {"frmVersePC", 433, 372, 112, 44, 193, 143},
    {"frmVerseScroll", 317, 282, 64, 44, 0, 147},  {"frmVerseBox", 288, 170, 40, 28, 221, 131},
    {"frmVerseOval", 297, 204, 48, 48, 221, 131},
};

TEST(VerseWindowKindTest, WindowsHaveTheirDesignPixelSizesAt15TwipsPerPixel) {
  for (int16_t display = 0; display < 7; ++display) {
    const VerseWindowDescriptor& window = DescriptorFor(display);
    const PixelLayout& pixels = kPixelLayouts[display];
    SCOPED_TRACE(pixels.name);
    EXPECT_EQ(window.name, pixels.name);
    EXPECT_EQ(window.display, display);
    EXPECT_EQ(window.width, pixels.width * 15);
    EXPECT_EQ(window.height, pixels.height * 15);
    EXPECT_EQ(window.lblverse.left, pixels.labelLeft * 15);
    EXPECT_EQ(window.lblverse.top, pixels.labelTop * 15);
    EXPECT_EQ(window.lblverse.height, pixels.labelHeight * 15);
    if (display != 4) {
      EXPECT_EQ(window.lblverse.width, pixels.labelWidth * 15);
    }
    // The label lies on the window.
    EXPECT_LE(window.lblverse.left + window.lblverse.width, window.width);
    EXPECT_LE(window.lblverse.top + window.lblverse.height, window.height);
  }
  EXPECT_EQ(DescriptorFor(4).lblverse.width, 2950);  // 196.67 pixels
}

TEST(VerseWindowKindTest, PictureWindowsWriteBlueAndPlainWindowsWhiteOnTheUsersColour) {
  struct Picture {
    std::string_view name;
    int32_t width, height;
  };
  constexpr Picture kPictures[] = {
      {"book", 288, 194}, {"bread", 201, 240},  {"paper", 331, 232},
      {"pc", 437, 377},   {"scroll", 323, 289},
  };
  for (int16_t display = 0; display < 5; ++display) {
    const VerseWindowDescriptor& window = DescriptorFor(display);
    SCOPED_TRACE(window.name);
    EXPECT_EQ(window.picture, kPictures[display].name);
    EXPECT_EQ(window.pictureWidth, kPictures[display].width);
    EXPECT_EQ(window.pictureHeight, kPictures[display].height);
    EXPECT_FALSE(window.usesRectangleColor);
    EXPECT_EQ(window.textColor, 0x00FF0000);
  }
  for (int16_t display : {5, 6}) {
    const VerseWindowDescriptor& window = DescriptorFor(display);
    SCOPED_TRACE(window.name);
    EXPECT_TRUE(window.picture.empty());
    EXPECT_TRUE(window.usesRectangleColor);
    EXPECT_EQ(window.textColor, 0x00FFFFFF);
  }
}

TEST(VerseWindowKindTest, OnlyTheBookIsCaptionedTestAndHoldsASampleVerse) {
  EXPECT_EQ(DescriptorFor(0).caption, "test");
  EXPECT_TRUE(DescriptorFor(0).designText.ends_with("for the Lord hath spoken it. Isaiah 25:8"));
  for (int16_t display = 1; display < 7; ++display) {
    EXPECT_EQ(DescriptorFor(display).caption, "ShapedForm");
    EXPECT_TRUE(DescriptorFor(display).designText.empty());
    EXPECT_EQ(DescriptorFor(display).font.name, "MS Sans Serif");
    EXPECT_EQ(DescriptorFor(display).font.points, 9.75);
    EXPECT_EQ(DescriptorFor(display).font.weight, 400);
  }
}

TEST(VerseWindowKindTest, UnknownWindowNumbersGetTheBook) {
  for (int display : {-1, 7, 9, INT16_MAX, INT16_MIN}) {
    EXPECT_EQ(&DescriptorFor(static_cast<int16_t>(display)), &DescriptorFor(0)) << display;
  }
}

TEST(VerseWindowKindTest, LargeFontsShrinkKeepsTheDesignPixelSizeAt12TwipsPerPixel) {
  for (int16_t display = 0; display < 7; ++display) {
    const VerseWindowDescriptor& design = DescriptorFor(display);
    const VerseWindowDescriptor shrunk = ShrinkForLargeFonts(design);
    SCOPED_TRACE(design.name);
    // Same pixels: shrunk twips / 12 == design twips / 15.
    EXPECT_EQ(shrunk.width * 15, design.width * 12);
    EXPECT_EQ(shrunk.height * 15, design.height * 12);
    EXPECT_EQ(shrunk.lblverse.left * 15, design.lblverse.left * 12);
    EXPECT_EQ(shrunk.lblverse.top * 15, design.lblverse.top * 12);
    EXPECT_EQ(shrunk.lblverse.width * 15, design.lblverse.width * 12);
    EXPECT_EQ(shrunk.lblverse.height * 15, design.lblverse.height * 12);
    EXPECT_NEAR(shrunk.font.points, 7.8, 1e-9);
    EXPECT_EQ(shrunk.picture, design.picture);
    EXPECT_EQ(shrunk.designPosition, design.designPosition);
    EXPECT_EQ(shrunk.textColor, design.textColor);
  }
  EXPECT_EQ(ShrinkForLargeFonts(DescriptorFor(4)).lblverse.width, 2360);
}

TEST(VerseWindowKindTest, LargeFontsShrinkRoundsToTheNearestTwip) {
  VerseWindowDescriptor odd = DescriptorFor(5);
  odd.width = 4366;         // 3492.8
  odd.height = 2553;        // 2042.4
  odd.lblverse.left = 601;  // 480.8
  odd.lblverse.top = 1;     // 0.8
  const VerseWindowDescriptor shrunk = ShrinkForLargeFonts(odd);
  EXPECT_EQ(shrunk.width, 3493);
  EXPECT_EQ(shrunk.height, 2042);
  EXPECT_EQ(shrunk.lblverse.left, 481);
  EXPECT_EQ(shrunk.lblverse.top, 1);
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
  const TwipsBox tiny{0, 0, 4321, 2550};
  EXPECT_EQ(FirstPosition(DescriptorFor(5), tiny), (TwipsPoint{0, 0}));
  const TwipsBox smaller{0, 0, 4315, 2545};
  EXPECT_EQ(FirstPosition(DescriptorFor(5), smaller), (TwipsPoint{-3, -3}));
  // The computer starts at its design position whatever the owner.
  EXPECT_EQ(FirstPosition(DescriptorFor(3), screen), (TwipsPoint{2805, 1755}));
  EXPECT_EQ(FirstPosition(DescriptorFor(3), leftMonitor), (TwipsPoint{2805, 1755}));
}

TEST(VerseWindowKindTest, ShrunkWindowIsCentredBySizeItHasAfterTheShrink) {
  const TwipsBox screen{0, 0, 1280 * 12, 1024 * 12};
  const VerseWindowDescriptor shrunk = ShrinkForLargeFonts(DescriptorFor(6));
  // 3564 x 2448 twips: 297 x 204 pixels at 12 twips to the pixel.
  EXPECT_EQ(FirstPosition(shrunk, screen), (TwipsPoint{(15360 - 3564) / 2, (12288 - 2448) / 2}));
}

}  // namespace
}  // namespace sovelin
