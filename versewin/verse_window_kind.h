#pragma once

#include <cstdint>
#include <string_view>

namespace sovelin {

// A rectangle in twips: left and top from the parent's (or the screen's) top-left corner.
struct TwipsBox {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;

  friend bool operator==(const TwipsBox&, const TwipsBox&) = default;
};

struct TwipsPoint {
  int32_t left = 0;
  int32_t top = 0;

  friend bool operator==(const TwipsPoint&, const TwipsPoint&) = default;
};

// Where a verse window goes the first time it is shown.
enum class FirstPlacement {
  kCentredOnOwner,  // centre on the centre of the owner window (the full-screen saver window)
  kDesignPosition,  // at designPosition, from the screen's top-left corner
};

// The font of the verse label.
struct LabelFont {
  std::string_view name = "MS Sans Serif";
  double points = 9.75;
  int16_t weight = 400;
  int16_t charset = 0;
};

// Everything that tells one verse window from another: the window is a single class, shaped
// by its outline (versewin/outlines.h) and dressed by one of these descriptors. Sizes and
// positions are twips; the picture's size is pixels at the design's 96 DPI, and it is drawn at
// the window's scale at the client origin, clipped to the window.
struct VerseWindowDescriptor {
  std::string_view name;  // frmVerseBook...
  int16_t display = 0;    // the window's number, as in DisplayOption and gDisplayUsed
  std::string_view caption;
  int32_t width = 0;   // window width, twips
  int32_t height = 0;  // window height, twips
  // Name of the background picture (the stem of its resource file); empty for none.
  std::string_view picture;
  int32_t pictureWidth = 0;  // pixels
  int32_t pictureHeight = 0;
  // The box and oval have no picture; start-up paints them in the user's gRectangleColor.
  bool usesRectangleColor = false;
  TwipsBox lblverse;                    // the verse label's rectangle on the window
  int32_t textColor = 0;                // the label's first text colour, a Windows colour value
  int32_t labelBackColor = 0x00FFFF00;  // never seen: the label is transparent
  LabelFont font;
  // The text the label holds until the saver puts the first verse in (empty on most).
  std::string_view designText;
  FirstPlacement placement = FirstPlacement::kCentredOnOwner;
  TwipsPoint designPosition;  // used with FirstPlacement::kDesignPosition
};

inline constexpr int32_t kVerseBlue = 0x00FF0000;  // red 0, green 0, blue 255
inline constexpr int32_t kVerseWhite = 0x00FFFFFF;

// The descriptor of verse window gDisplayUsed (0 book, 1 bread, 2 paper, 3 PC, 4 scroll,
// 5 box, 6 oval); any other number gets the book.
const VerseWindowDescriptor& DescriptorFor(int16_t gDisplayUsed);

// The window at `factor` times its design twips: width and height, the label's rectangle and
// its font size. Twips values are rounded to whole twips, halves to even, as the program stores
// every fraction; the design position stays as it is. Start-up grows a window by the verse size
// this way, times kLargeFontsFactor on a large-fonts display (where the window then keeps its
// design pixel size at 12 twips to the pixel), so the label holds the same words at every size.
VerseWindowDescriptor ScaledDescriptor(const VerseWindowDescriptor& window, double factor);

// Where the window goes the first time it is shown, given its owner's rectangle in twips.
// Centring rounds down to a whole twip (toward the owner's top-left corner), as integer
// centring in pixels does; a window larger than its owner starts left of or above it.
TwipsPoint FirstPosition(const VerseWindowDescriptor& window, const TwipsBox& owner);

}  // namespace sovelin
