#pragma once

#include <cstdint>
#include <vector>

namespace sovelin {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kBaseDpi = 96;

// Twips per pixel of the display, horizontally and vertically (15 at 96 DPI).
struct TwipsPerPixel {
  int x = 15;
  int y = 15;
};

// The display's dots per inch, across and down.
struct Dpi {
  int x = kBaseDpi;
  int y = kBaseDpi;
};

// Twips per pixel at a display's dots per inch; a DPI of 0 or less keeps the 96-DPI value.
TwipsPerPixel TwipsPerPixelAt(int dpiX, int dpiY);

// Pixel of a twips coordinate, rounded to the nearest pixel with halves to the even one.
// Values far outside any screen are held to what GDI can take, so a stray coordinate cannot
// overflow.
int TwipsToPixel(float twips, int twipsPerPixel);

// Twips to pixels at a DPI, as dialog layouts convert them (rounded like MulDiv).
int TwipsToPixelsAtDpi(int32_t twips, int dpi);

// A rectangle of screen pixels: left and top lie inside it, right and bottom just past it.
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The desktop's monitors in screen pixels, where 0,0 is the primary monitor's top-left corner,
// and the virtual screen: the smallest rectangle holding them all. Monitors to the left of or
// above the primary one have negative coordinates.
struct ScreenLayout {
  PixelRect virtualScreen;
  std::vector<PixelRect> monitors;  // the primary monitor first
};

// On a large-fonts display (above 96 DPI) start-up shrinks each verse window's twips by this.
inline constexpr double kLargeFontsFactor = 0.8;

// The scale of a verse window against its 96-DPI design: the factor its size in pixels gets
// from the display's twips per pixel (15 / twips per pixel), times 0.8 on a large-fonts display,
// where the window's twips are shrunk by that much, times the verse size in percent / 100.
// Its outline, picture, label and font are drawn at this scale. 1 at 96 DPI and at 120 DPI
// with large fonts; 1.2 at 144 DPI with large fonts, 2.4 there at a verse size of 200.
double VerseWindowScale(TwipsPerPixel twips, bool largeFonts, int verseSizePercent = 100);

}  // namespace sovelin
