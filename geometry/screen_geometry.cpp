#include "geometry/screen_geometry.h"

#include <algorithm>
#include <cmath>

#include "common/numbers.h"

namespace sovelin {

namespace {

// GDI coordinates are good to 27 bits; anything beyond is off every screen anyway.
constexpr double kFarthestPixel = 1 << 26;

}  // namespace

TwipsPerPixel TwipsPerPixelAt(int dpiX, int dpiY) {
  TwipsPerPixel result;
  if (dpiX > 0) result.x = kTwipsPerInch / dpiX;
  if (dpiY > 0) result.y = kTwipsPerInch / dpiY;
  return result;
}

int TwipsToPixel(float twips, int twipsPerPixel) {
  const double pixels = RoundHalfEven(static_cast<double>(twips) / twipsPerPixel);
  if (std::isnan(pixels)) return 0;
  return static_cast<int>(std::clamp(pixels, -kFarthestPixel, kFarthestPixel));
}

int TwipsToPixelsAtDpi(int32_t twips, int dpi) {
  // MulDiv's rounding: halves away from zero, in 64 bits so nothing overflows.
  const int64_t product = static_cast<int64_t>(twips) * dpi;
  const int64_t half = kTwipsPerInch / 2;
  return static_cast<int>(product >= 0 ? (product + half) / kTwipsPerInch
                                       : -((-product + half) / kTwipsPerInch));
}

double VerseWindowScale(TwipsPerPixel twips, bool largeFonts, int verseSizePercent) {
  const double base = static_cast<double>(kTwipsPerInch) / kBaseDpi;
  const double scale = twips.x > 0 ? base / twips.x : 1.0;
  return (largeFonts ? scale * kLargeFontsFactor : scale) * verseSizePercent / 100.0;
}

}  // namespace sovelin
