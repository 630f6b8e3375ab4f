#include "saver/motion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/scripted_random.h"

namespace sovelin {
namespace {

// The open-book window on a 1280 x 720 pixel screen: zones 3200 and 1800 twips.
MotionArea BookAt(int32_t left, int32_t top) {
  return MotionArea{{left, top, 4365, 2925}, 19200, 10800};
}

MotionState Moving(int32_t deltaX, int32_t deltaY, int16_t speed = 2) {
  MotionState motion;
  motion.gSpeed = speed;
  SetCornerZones(motion, 19200, 10800);
  motion.gDeltaX = deltaX;
  motion.gDeltaY = deltaY;
  return motion;
}

TEST(StepDraw, EachSpeedDrawsWithinItsRange) {
  const int32_t ranges[5][2] = {{1, 1}, {1, 1}, {3, 6}, {7, 13}, {12, 24}};
  std::vector<float> draws{0.5f - 1.0f / 16777216.0f, 1.0f - 1.0f / 16777216.0f};
  for (int k = 0; k < 256; ++k) draws.push_back(k / 256.0f);
  for (int16_t speed = 0; speed < 5; ++speed) {
    ScriptedRandom random(draws);
    std::vector<int32_t> steps;
    for (size_t i = 0; i < draws.size(); ++i) {
      MotionState motion = Moving(0, 0, speed);
      RandomDeltaY(motion, random);
      steps.push_back(motion.gDeltaY);
    }
    const auto [lowest, highest] = std::minmax_element(steps.begin(), steps.end());
    EXPECT_EQ(std::pair(*lowest, *highest), std::pair(ranges[speed][0], ranges[speed][1])) << speed;
  }
}

TEST(StepDraw, NeverMatchesTheOtherAxisPositiveStepAndMultipliesInSinglePrecision) {
  // 25 x r is just below 18 here, but 18 in single precision.
  ScriptedRandom random{0.3f, 0.3f, 0.99f, 12079595.0f / 16777216.0f};
  MotionState slow = Moving(1, 0, 0);
  RandomDeltaY(slow, random);
  EXPECT_EQ(slow.gDeltaY, 2);
  slow.gDeltaX = -1;
  RandomDeltaY(slow, random);
  EXPECT_EQ(slow.gDeltaY, 1);  // a step heading the other way does not count
  MotionState fastest = Moving(0, 24, 4);
  RandomDeltaX(fastest, random);
  EXPECT_EQ(fastest.gDeltaX, 25);
  RandomDeltaX(fastest, random);
  EXPECT_EQ(fastest.gDeltaX, 18);
}

TEST(RunStart, ZonesRoundHalvesToEvenAndDirectionBoundsAreSinglePrecisionVerticalFirst) {
  MotionState zones;
  SetCornerZones(zones, 21, 15);  // 3.5 and 2.5
  EXPECT_EQ(std::pair(zones.gZoneX, zones.gZoneY), std::pair(4, 2));
  // Each bound itself falls into the next choice.
  const float draws[] = {0.2599f, 0.26f, 0.51f, 0.7599f, 0.76f};
  const int signs[][2] = {{-1, 1}, {1, -1}, {-1, -1}, {-1, -1}, {1, 1}};
  for (int i = 0; i < 5; ++i) {
    ScriptedRandom random{draws[i], 0.6f, 0.6f};
    MotionState motion = Moving(0, 0, 2);
    StartMotion(motion, random);
    EXPECT_EQ(motion.gDeltaX, signs[i][0] * 5) << draws[i];  // 4, moved off the vertical 4
    EXPECT_EQ(motion.gDeltaY, signs[i][1] * 4) << draws[i];
    EXPECT_EQ(random.reseeds, 1);
  }
}

// Two monitors, 1280 x 1024 and 1024 x 768 pixels, the second to the right of the first: level
// with it, or 256 pixels lower, which leaves a gap above it.
constexpr MonitorBox kPrimary{0, 0, 19200, 15360};
constexpr MonitorBox kLevel[] = {kPrimary, {19200, 0, 15360, 11520}};
constexpr MonitorBox kLower[] = {kPrimary, {19200, 3840, 15360, 11520}};

MotionArea BookOn(std::span<const MonitorBox> monitors, int32_t left, int32_t top) {
  return MotionArea{{left, top, 4365, 2925}, 34560, 15360, monitors};
}

using Bounce = void (*)(MotionState&, const MotionArea&, RandomSource&, const DrawDesignStep&);

TEST(Bounce, NearACornerBothStepsAreDrawnElseOnlyTheOneAcrossTheWall) {
  struct Case {
    Bounce bounce;
    MotionArea area;
    int32_t dx, dy, newDx, newDy;
  };
  const Case cases[] = {
      // Bottom near the left side while heading left: up and right.
      {BounceBottom, BookAt(3199, 7870), -6, 5, 6, -4},
      // Right with the lower edge in the bottom sixth: left and up.
      {BounceRight, BookAt(14830, 10800 - 1800 - 2925 + 1), 5, 6, -4, -6},
      // Outside the side zones the horizontal step stays; the zones end exactly one sixth from
      // each side.
      {BounceTop, BookAt(8000, 3), -7, -5, -7, 4},
      {BounceBottom, BookAt(3200, 7870), -6, 5, -6, -4},
      {BounceBottom, BookAt(19200 - 3200 - 4365, 7870), 6, 5, 6, -4},
      // Zones are a sixth of the monitor the window is on, along its walls: heading right on
      // the second monitor into its top, its right sixth is 2560 twips wide. In the primary
      // monitor's right sixth, where it may pass on, there is no corner.
      {BounceTop, BookOn(kLevel, 34560 - 2560 - 4365, 3), 6, -5, 6, 4},
      {BounceTop, BookOn(kLevel, 34560 - 2560 - 4365 + 1, 3), 6, -5, -6, 4},
      {BounceTop, BookOn(kLevel, 19200 - 4365, 3), 6, -5, 6, 4},
  };
  for (const Case& c : cases) {
    MotionState motion = Moving(c.dx, c.dy);
    ScriptedRandom random{0.6f, 0.9f};
    int designSteps = 0;
    c.bounce(motion, c.area, random, [&] { ++designSteps; });
    EXPECT_EQ(
        std::tuple(designSteps, motion.gDeltaX, motion.gDeltaY, motion.gNewLeft, motion.gNewTop),
        std::tuple(1, c.newDx, c.newDy, c.area.verse.Left + c.newDx, c.area.verse.Top + c.newDy))
        << c.area.verse.Left << "," << c.area.verse.Top;
  }
}

TEST(Move, BouncesOnlyBeyondTheEdgesAlikeOnTheScreenAndOnOneMonitorOfItsSize) {
  const MonitorBox screen[] = {{0, 0, 19200, 10800}};
  const struct {
    int32_t left, top, dx, dy;
    int designSteps;
    WindowPosition next;
  } cases[] = {
      {7, 7869, -6, 5, 0, {1, 7874}},
      {14828, 6, 6, -5, 0, {14834, 1}},
      {6, 5000, -6, 5, 1, {10, 5005}},
      {14829, 5000, 6, 5, 1, {14825, 5005}},
      {3199, 7870, 6, 5, 1, {3205, 7866}},
      {3, 3, -6, -5, 1, {7, 9}},  // the top left corner is turned by the left bounce alone
  };
  for (const auto& c : cases) {
    size_t used[2] = {};
    for (const bool listed : {false, true}) {
      MotionState motion = Moving(c.dx, c.dy);
      ScriptedRandom random{0.6f, 0.9f};
      int steps = 0;
      const MotionArea book = BookAt(c.left, c.top);
      const MotionArea area = listed ? MotionArea{book.verse, 19200, 10800, screen} : book;
      EXPECT_EQ(MoveVerseWindow(motion, area, random, [&] { ++steps; }), c.next)
          << c.left << "," << c.top << " " << listed;
      EXPECT_EQ(steps, c.designSteps) << c.left << "," << c.top << " " << listed;
      used[listed] = random.Used();
    }
    EXPECT_EQ(used[0], used[1]) << c.left << "," << c.top;
  }
}

TEST(Monitors, TheWindowCrossesWhereTheEdgeIsSharedAndBouncesOffGaps) {
  struct Case {
    std::span<const MonitorBox> monitors;
    int32_t left, top, dx, dy;
    int designSteps;
    WindowPosition next;
  };
  const Case cases[] = {
      {kLevel, 14830, 5000, 6, 5, 0, {14836, 5005}},    // onto the second monitor
      {kLevel, 14830, 9000, 6, 5, 1, {14826, 9005}},    // beside its bottom: a wall
      {kLevel, 18000, 8590, 6, 5, 1, {18006, 8586}},    // across both: its bottom is a wall
      {kLower, 14830, 1000, 6, 5, 1, {14826, 1005}},    // beside the gap: a wall on the right
      {kLower, 25000, 3843, -6, -5, 1, {24994, 3847}},  // the second monitor's top
      {kLower, 24000, 1000, 6, 5, 1, {24006, 1004}},    // off: back onto the nearest one
      // The top right corner would pass just inside the gap's lower left corner: a top bounce.
      {kLower, 19200 - 4365 - 4, 3843, 6, -5, 1, {19200 - 4365 + 2, 3847}},
  };
  for (const Case& c : cases) {
    ScriptedRandom random{0.6f, 0.6f};
    MotionState motion = Moving(c.dx, c.dy);
    int steps = 0;
    const WindowPosition next =
        MoveVerseWindow(motion, BookOn(c.monitors, c.left, c.top), random, [&] { ++steps; });
    EXPECT_EQ(steps, c.designSteps) << c.left << "," << c.top;
    EXPECT_EQ(next, c.next) << c.left << "," << c.top;
  }
}

TEST(Monitors, AfterADisplayChangeTheWindowMovesOntoTheNearestMonitor) {
  const MonitorBox primaryOnly[] = {kPrimary};
  EXPECT_EQ(KeepOnMonitors({25000, 5000, 4365, 2925}, primaryOnly),
            (WindowPosition{19200 - 4365 - 1, 5000}));
  EXPECT_EQ(KeepOnMonitors({16000, 5000, 4365, 2925}, kLower), (WindowPosition{16000, 5000}));
  EXPECT_EQ(KeepOnMonitors({19000, 500, 4365, 2925}, kLower),
            (WindowPosition{19200 - 4365 - 1, 500}));
  EXPECT_EQ(KeepOnMonitors({-9000, -100, 4365, 2925}, kLower), (WindowPosition{1, 1}));
}

// Random numbers in [0, 1) from a seeded generator, for long walks.
class SeededRandom final : public RandomSource {
 public:
  explicit SeededRandom(uint32_t seed) : generator_(seed) {}
  float Next() override { return static_cast<float>(generator_() >> 8) / 16777216.0f; }
  void Reseed() override {}
  uint32_t Below(uint32_t bound) { return generator_() % bound; }

 private:
  std::mt19937 generator_;
};

int64_t Overlap(int64_t from, int64_t to, int64_t otherFrom, int64_t otherTo) {
  return std::max<int64_t>(0, std::min(to, otherTo) - std::max(from, otherFrom));
}

// How much of the window the monitors show, in square twips (the monitors do not overlap).
int64_t AreaShown(const VerseBox& w, std::span<const MonitorBox> monitors) {
  int64_t shown = 0;
  for (const MonitorBox& m : monitors) {
    shown += Overlap(w.Left, w.Left + w.Width, m.Left, m.Left + m.Width) *
             Overlap(w.Top, w.Top + w.Height, m.Top, m.Top + m.Height);
  }
  return shown;
}

// Walks the window `moves` moves at Fastest on the monitors, or without them on a screen of
// 640 x 360 pixels; `check` sees each place. Returns the design steps.
template <typename Check>
int Walk(VerseBox window, std::span<const MonitorBox> monitors, SeededRandom& random, int moves,
         const Check& check) {
  MotionState motion;
  motion.gSpeed = 4;
  SetCornerZones(motion, 9600, 5400);
  random.Reseed();
  StartMotion(motion, random);
  int designSteps = 0;
  for (int move = 0; move < moves; ++move) {
    const MotionArea area{window, 9600, 5400, monitors};
    const WindowPosition next = MoveVerseWindow(motion, area, random, [&] { ++designSteps; });
    check(window, next);
    window.Left = next.Left;
    window.Top = next.Top;
  }
  return designSteps;
}

// Three monitors of sizes seen in the field: the primary at 0, 0, one to its left at any height
// beside it, one above it at any place along it; so the two others lie at negative coordinates.
std::vector<MonitorBox> RandomLayout(SeededRandom& random) {
  const std::pair<int32_t, int32_t> sizes[] = {{800, 600},   {1024, 768},  {1366, 768},
                                               {1280, 1024}, {1920, 1080}, {2560, 1440}};
  const auto size = [&] { return sizes[random.Below(6)]; };
  const auto [pw, ph] = size();
  const auto [lw, lh] = size();
  const auto [aw, ah] = size();
  const int32_t leftTop = static_cast<int32_t>(random.Below(lh + ph - 1)) - lh + 1;
  const int32_t aboveLeft = static_cast<int32_t>(random.Below(pw));
  std::vector<MonitorBox> monitors = {
      {0, 0, pw, ph}, {-lw, leftTop, lw, lh}, {aboveLeft, -ah, aw, ah}};
  for (MonitorBox& m : monitors) m = {m.Left * 15, m.Top * 15, m.Width * 15, m.Height * 15};
  return monitors;
}

// Over random layouts, a window that fits every monitor is always wholly on the monitors, stands
// still at most for a move now and then (where a gap turns it), and draws a design step only at
// a bounce, far less often than it moves.
TEST(Monitors, ARandomWalkOverRandomLayoutsStaysOnTheMonitorsAndKeepsMoving) {
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    SeededRandom random(seed);
    const std::vector<MonitorBox> monitors = RandomLayout(random);
    const VerseBox start{static_cast<int32_t>(1 + random.Below(12000 - 6495 - 2)),
                         static_cast<int32_t>(1 + random.Below(9000 - 5580 - 2)), 6495, 5580};
    int still = 0, longestStill = 0;
    const int steps =
        Walk(start, monitors, random, 3000, [&](const VerseBox& w, WindowPosition at) {
          const VerseBox moved{at.Left, at.Top, w.Width, w.Height};
          ASSERT_EQ(AreaShown(moved, monitors), int64_t{w.Width} * w.Height)
              << "seed " << seed << " at " << at.Left << "," << at.Top;
          still = (at.Left == w.Left && at.Top == w.Top) ? still + 1 : 0;
          longestStill = std::max(longestStill, still);
        });
    EXPECT_LE(longestStill, 2) << "seed " << seed;
    EXPECT_LT(steps, 3000 / 10) << "seed " << seed;
  }
}

// A window larger than its screen on one axis (the computer, 372 pixels high, on a 640 x 360
// screen) sweeps along that axis between its two ends, so it always covers the screen there, and
// bounces as before on the other: it keeps its speed and draws no design step on that axis.
// Larger than the screen both ways (a monitor of 320 x 240), it sweeps both ways and never
// draws one.
TEST(Move, AWindowLargerThanItsMonitorSweepsAcrossItAtItsSpeedWithoutADesignStepEachMove) {
  const MonitorBox small[] = {{0, 0, 9600, 5400}};
  const MonitorBox tiny[] = {{-4800, 0, 4800, 3600}};
  const struct {
    std::span<const MonitorBox> monitors;
    int maxSteps;
  } cases[] = {{{}, 40}, {small, 40}, {tiny, 0}};
  for (const auto& c : cases) {
    SeededRandom random(7);
    const MonitorBox screen = c.monitors.empty() ? MonitorBox{0, 0, 9600, 5400} : c.monitors[0];
    const VerseBox start{screen.Left + 1, screen.Top, 6495, 5580};
    int32_t lowestTop = start.Top, highestTop = start.Top;
    const int steps =
        Walk(start, c.monitors, random, 3000, [&](const VerseBox& w, WindowPosition at) {
          const VerseBox moved{at.Left, at.Top, w.Width, w.Height};
          const int32_t dx = std::abs(at.Left - w.Left), dy = std::abs(at.Top - w.Top);
          ASSERT_TRUE(dx > 0 || dy > 0) << at.Left << "," << at.Top;
          ASSERT_LE(std::max(dx, dy), 25);
          // The screen's whole height is covered, and what fits stays within the screen.
          ASSERT_LE(moved.Top, screen.Top);
          ASSERT_GE(moved.Top + moved.Height, screen.Top + screen.Height);
          if (moved.Width >= screen.Width) {
            ASSERT_LE(moved.Left, screen.Left);
            ASSERT_GE(moved.Left + moved.Width, screen.Left + screen.Width);
          } else {
            ASSERT_EQ(AreaShown(moved, std::span(&screen, 1)), int64_t{screen.Height} * moved.Width)
                << at.Left << "," << at.Top;
          }
          lowestTop = std::min(lowestTop, at.Top);
          highestTop = std::max(highestTop, at.Top);
        });
    EXPECT_LE(steps, c.maxSteps);
    EXPECT_EQ(std::pair(lowestTop, highestTop),
              std::pair(screen.Top + screen.Height - 5580, screen.Top))
        << "it sweeps from end to end";
  }
}

}  // namespace
}  // namespace sovelin
