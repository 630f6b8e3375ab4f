#include "versewin/verse_size.h"

#include <algorithm>
#include <vector>

#include "settings/settings.h"
#include "versewin/picture_scale.h"

namespace sovelin {

namespace {

SizedVerseWindow AtSize(const VerseWindowDescriptor& design, TwipsPerPixel twips, bool largeFonts,
                        int16_t percent) {
  const double factor = (largeFonts ? kLargeFontsFactor : 1.0) * percent / 100.0;
  return {ScaledDescriptor(design, factor), VerseWindowScale(twips, largeFonts, percent), percent};
}

// Whether two stretches of one axis meet or overlap, and by how much they overlap.
bool Meet(int aFrom, int aTo, int bFrom, int bTo) {
  return aFrom <= bTo && bFrom <= aTo;
}
int Overlap(int aFrom, int aTo, int bFrom, int bTo) {
  return std::max(0, std::min(aTo, bTo) - std::max(aFrom, bFrom));
}

// A window of width x height pixels passes between two monitors side by side where they share
// at least its height, and between two one above the other where they share its width.
bool Passable(const PixelRect& a, const PixelRect& b, int width, int height) {
  return (Meet(a.left, a.right, b.left, b.right) &&
          Overlap(a.top, a.bottom, b.top, b.bottom) >= height) ||
         (Meet(a.top, a.bottom, b.top, b.bottom) &&
          Overlap(a.left, a.right, b.left, b.right) >= width);
}

bool LeavesRoomOn(const PixelRect& monitor, int width, int height) {
  return width * 6 <= monitor.Width() * 5 && height * 6 <= monitor.Height() * 5;
}

// Every monitor the window can reach from the primary one leaves it room.
bool LeavesRoom(std::span<const PixelRect> monitors, int width, int height) {
  if (monitors.empty()) return true;
  std::vector<bool> reached(monitors.size(), false);
  std::vector<size_t> next{0};
  reached[0] = true;
  while (!next.empty()) {
    const PixelRect& monitor = monitors[next.back()];
    next.pop_back();
    if (!LeavesRoomOn(monitor, width, height)) return false;
    for (size_t other = 0; other < monitors.size(); ++other) {
      if (reached[other] || !Passable(monitor, monitors[other], width, height)) continue;
      reached[other] = true;
      next.push_back(other);
    }
  }
  return true;
}

bool Fits(const SizedVerseWindow& window, TwipsPerPixel twips,
          std::span<const PixelRect> monitors) {
  if (!window.descriptor.picture.empty() && !IsHeldSharp(window.scale)) return false;
  return LeavesRoom(monitors, TwipsToPixel(static_cast<float>(window.descriptor.width), twips.x),
                    TwipsToPixel(static_cast<float>(window.descriptor.height), twips.y));
}

}  // namespace

SizedVerseWindow SizeVerseWindow(const VerseWindowDescriptor& design, TwipsPerPixel twips,
                                 bool largeFonts, int16_t requested,
                                 std::span<const PixelRect> monitors) {
  // The sizes from the one asked for down to the smallest; the smallest is kept whatever.
  for (auto size = std::rbegin(kVerseSizes); size != std::rend(kVerseSizes); ++size) {
    if (*size > requested) continue;
    SizedVerseWindow window = AtSize(design, twips, largeFonts, *size);
    if (*size == kVerseSizes[0] || Fits(window, twips, monitors)) return window;
  }
  return AtSize(design, twips, largeFonts, kVerseSizes[0]);
}

}  // namespace sovelin
