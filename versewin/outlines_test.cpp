#include "versewin/outlines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

#include "versewin/verse_window_kind.h"

namespace sovelin {
namespace {

constexpr int32_t kTwipsPerPixel = 15;  // design size of the windows: 96 dots per inch

int64_t Cross(OutlinePoint o, OutlinePoint a, OutlinePoint b) {
  return static_cast<int64_t>(a.x - o.x) * (b.y - o.y) -
         static_cast<int64_t>(a.y - o.y) * (b.x - o.x);
}

bool OnSegment(OutlinePoint a, OutlinePoint b, OutlinePoint p) {
  return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
         p.y <= std::max(a.y, b.y);
}

// True when the closed segments ab and cd share at least one point (touching counts).
bool SegmentsMeet(OutlinePoint a, OutlinePoint b, OutlinePoint c, OutlinePoint d) {
  const int64_t d1 = Cross(c, d, a), d2 = Cross(c, d, b);
  const int64_t d3 = Cross(a, b, c), d4 = Cross(a, b, d);
  if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) {
    return true;
  }
  return (d1 == 0 && OnSegment(c, d, a)) || (d2 == 0 && OnSegment(c, d, b)) ||
         (d3 == 0 && OnSegment(a, b, c)) || (d4 == 0 && OnSegment(a, b, d));
}

// Twice the signed area; positive when the polygon runs clockwise on a y-down screen.
int64_t TwiceSignedArea(std::span<const OutlinePoint> points) {
  int64_t sum = 0;
  for (size_t i = 0; i < points.size(); ++i) {
    const OutlinePoint a = points[i];
    const OutlinePoint b = points[(i + 1) % points.size()];
    sum += static_cast<int64_t>(a.x) * b.y - static_cast<int64_t>(b.x) * a.y;
  }
  return sum;
}

TEST(OutlinesTest, EveryPolygonIsSimpleRunsClockwiseOnScreenAndFitsItsWindow) {
  for (int16_t display = 0; display <= 6; ++display) {
    SCOPED_TRACE(display);
    const auto outline = OutlineFor(display);
    const size_t n = outline.size();
    EXPECT_GT(TwiceSignedArea(outline), 0);
    // The right and bottom edges still belong to the window's outline rectangle.
    const VerseWindowDescriptor& window = DescriptorFor(display);
    for (const OutlinePoint& point : outline) {
      EXPECT_TRUE(point.x >= 0 && point.y >= 0 && point.x <= window.width / kTwipsPerPixel &&
                  point.y <= window.height / kTwipsPerPixel);
    }
    for (size_t i = 0; i < n; ++i) {
      EXPECT_NE(outline[i], outline[(i + 1) % n]) << "repeated point " << i;
      for (size_t j = i + 2; j < n; ++j) {
        if (i == 0 && j == n - 1) {
          continue;  // the closing edge is adjacent to the first
        }
        EXPECT_FALSE(SegmentsMeet(outline[i], outline[i + 1], outline[j], outline[(j + 1) % n]))
            << "edges " << i << " and " << j << " meet";
      }
    }
  }
}

// On a scaled display the outline grows with the window: at scale 1 it is the table itself, and
// at every other display it still fits the window that start-up makes there (twips shrunk for
// large fonts, then divided by the display's twips per pixel).
TEST(OutlinesTest, TheScaledOutlineFitsTheScaledWindow) {
  struct Display {
    int twipsPerPixel;
    double scale;
  };
  constexpr Display kDisplays[] = {{10, 1.2}, {8, 1.5}, {7, 12.0 / 7}, {6, 2.0}, {5, 2.4}};
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

TEST(OutlinesTest, UnknownWindowNumbersGetTheBookOutline) {
  const auto book = OutlineFor(0);
  for (int display : {-1, 7, 9, INT16_MAX, INT16_MIN}) {
    EXPECT_EQ(OutlineFor(static_cast<int16_t>(display)).data(), book.data()) << display;
  }
}

}  // namespace
}  // namespace sovelin
