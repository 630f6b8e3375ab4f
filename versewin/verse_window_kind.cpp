#include "versewin/verse_window_kind.h"

#include <array>
#include <cstdint>

#include "common/numbers.h"
#include "geometry/screen_geometry.h"

namespace sovelin {
namespace {

constexpr std::string_view kShapedFormCaption = "ShapedForm";

constexpr std::string_view kBookSampleText =
    "He will swallow up death in victory; and the Lord God will wipe away tears from off all "
    "faces; and the rebuke of his people shall he take away from off all the earth: for the "
    "Lord hath spoken it. Isaiah 25:8";

// A window that draws its picture as the background, with blue text.
constexpr VerseWindowDescriptor PictureWindow(std::string_view name, int16_t display, int32_t width,
                                              int32_t height, std::string_view picture,
                                              int32_t pictureWidth, int32_t pictureHeight,
                                              TwipsBox lblverse) {
  VerseWindowDescriptor window;
  window.name = name;
  window.display = display;
  window.caption = kShapedFormCaption;
  window.width = width;
  window.height = height;
  window.picture = picture;
  window.pictureWidth = pictureWidth;
  window.pictureHeight = pictureHeight;
  window.lblverse = lblverse;
  window.textColor = kVerseBlue;
  return window;
}

// A window without picture, painted in the user's colour, with white text.
constexpr VerseWindowDescriptor PlainWindow(std::string_view name, int16_t display, int32_t width,
                                            int32_t height, TwipsBox lblverse) {
  VerseWindowDescriptor window;
  window.name = name;
  window.display = display;
  window.caption = kShapedFormCaption;
  window.width = width;
  window.height = height;
  window.usesRectangleColor = true;
  window.lblverse = lblverse;
  window.textColor = kVerseWhite;
  return window;
}

// The book carries its own caption and a sample verse from its design.
constexpr VerseWindowDescriptor BookWindow() {
  VerseWindowDescriptor window =
      PictureWindow("frmVerseBook", 0, 4365, 2925, "book", 288, 194, {540, 540, 3315, 1965});
  window.caption = "test";
  window.designText = kBookSampleText;
  return window;
}

// The computer's picture is larger than its window and is clipped; the window does not
// centre itself but starts where it was designed.
constexpr VerseWindowDescriptor ComputerWindow() {
  VerseWindowDescriptor window =
      PictureWindow("frmVersePC", 3, 6495, 5580, "pc", 437, 377, {1680, 660, 2895, 2145});
  window.placement = FirstPlacement::kDesignPosition;
  window.designPosition = {2805, 1755};
  return window;
}

constexpr VerseWindowDescriptor kBook = BookWindow();
constexpr VerseWindowDescriptor kBread =
    PictureWindow("frmVerseBread", 1, 3015, 3600, "bread", 201, 240, {300, 720, 2415, 2565});
constexpr VerseWindowDescriptor kPaper =
    PictureWindow("frmVersePaper", 2, 4965, 3480, "paper", 331, 232, {300, 840, 4155, 1665});
constexpr VerseWindowDescriptor kPC = ComputerWindow();
// The scroll's picture is clipped too. Its label is 2950 twips wide, not a whole number of
// pixels at 15 twips to the pixel.
constexpr VerseWindowDescriptor kScroll =
    PictureWindow("frmVerseScroll", 4, 4755, 4230, "scroll", 323, 289, {960, 660, 2950, 2205});
constexpr VerseWindowDescriptor kBox =
    PlainWindow("frmVerseBox", 5, 4320, 2550, {600, 420, 3315, 1965});
constexpr VerseWindowDescriptor kOval =
    PlainWindow("frmVerseOval", 6, 4455, 3060, {720, 720, 3315, 1965});

constexpr std::array<const VerseWindowDescriptor*, 7> kDescriptors = {
    &kBook, &kBread, &kPaper, &kPC, &kScroll, &kBox, &kOval};

int32_t ScaleTwips(int32_t twips, double factor) {
  return static_cast<int32_t>(RoundHalfEven(twips * factor));
}

// Start of a span of `inner` twips centred on a span of `outer` twips, rounded down.
int32_t CentredStart(int32_t outerStart, int32_t outer, int32_t inner) {
  const int64_t slack = static_cast<int64_t>(outer) - inner;
  const int64_t half = slack >= 0 ? slack / 2 : -((-slack + 1) / 2);
  return static_cast<int32_t>(outerStart + half);
}

}  // namespace

const VerseWindowDescriptor& DescriptorFor(int16_t gDisplayUsed) {
  if (gDisplayUsed < 0 || gDisplayUsed >= static_cast<int16_t>(kDescriptors.size())) {
    return kBook;
  }
  return *kDescriptors[static_cast<size_t>(gDisplayUsed)];
}

VerseWindowDescriptor ScaledDescriptor(const VerseWindowDescriptor& window, double factor) {
  VerseWindowDescriptor scaled = window;
  const TwipsBox& label = window.lblverse;
  scaled.lblverse = {ScaleTwips(label.left, factor), ScaleTwips(label.top, factor),
                     ScaleTwips(label.width, factor), ScaleTwips(label.height, factor)};
  scaled.font.points = window.font.points * factor;
  scaled.width = ScaleTwips(window.width, factor);
  scaled.height = ScaleTwips(window.height, factor);
  return scaled;
}

TwipsPoint FirstPosition(const VerseWindowDescriptor& window, const TwipsBox& owner) {
  if (window.placement == FirstPlacement::kDesignPosition) {
    return window.designPosition;
  }
  return {CentredStart(owner.left, owner.width, window.width),
          CentredStart(owner.top, owner.height, window.height)};
}

}  // namespace sovelin
