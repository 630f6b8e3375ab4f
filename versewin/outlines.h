#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace sovelin {

// One corner of a window outline, in pixels from the window's top-left corner (y downwards).
// Two 32-bit values, x then y: the layout of the platform's point structure, so a table can
// be handed to the polygon call as it is.
struct OutlinePoint {
  int32_t x = 0;
  int32_t y = 0;

  friend bool operator==(const OutlinePoint&, const OutlinePoint&) = default;
};
static_assert(sizeof(OutlinePoint) == 8, "an outline point must match the platform's POINT");

// The outline polygon of a verse window: its corners in drawing order, the last joining the
// first. Windows are numbered 0 book, 1 bread, 2 paper, 3 PC, 4 scroll, 5 box, 6 oval; any
// other number gets the book's outline, as the book window stands in for unknown numbers.
std::span<const OutlinePoint> OutlineFor(int16_t display);

// The outline of window `display` for a window drawn at `scale` times its design size: every
// corner times the scale, rounded to the nearest pixel. At scale 1 it is the table itself.
std::vector<OutlinePoint> ScaledOutline(int16_t display, double scale);

}  // namespace sovelin
