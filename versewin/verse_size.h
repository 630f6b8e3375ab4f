#pragma once

#include <cstdint>
#include <span>

#include "geometry/screen_geometry.h"
#include "versewin/verse_window_kind.h"

namespace sovelin {

// The verse window of a run as start-up makes it: the design grown by the verse size (and
// shrunk by 0.8 on a large-fonts display), the scale its outline and picture are drawn at, and
// the verse size it shows.
struct SizedVerseWindow {
  VerseWindowDescriptor descriptor;
  double scale = 1.0;
  int16_t verseSize = 100;
};

// The window `design` at verse size `requested` (percent) on this display, or, when it does not
// fit there, at the largest smaller size that does (100 at the least). It fits when
// - on every monitor it can reach from the primary one (the first), passing from one monitor
//   to the next where they share an edge at least as long as its side, it leaves a sixth of the
//   monitor's width and height free: room to drift between two bounces, so that the design
//   steps of the bounces come no faster than on an ordinary screen;
// - and its picture is drawn at no more than the largest size the pictures are held at.
SizedVerseWindow SizeVerseWindow(const VerseWindowDescriptor& design, TwipsPerPixel twips,
                                 bool largeFonts, int16_t requested,
                                 std::span<const PixelRect> monitors);

}  // namespace sovelin
