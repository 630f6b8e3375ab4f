#include "saver/motion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <random>
#include <set>
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
  MotionState slow = Moving(1, 0, 0), fastest = Moving(0, 24, 4);
  const auto drawY = [&](int32_t dx) {
    return slow.gDeltaX = dx, RandomDeltaY(slow, random), slow.gDeltaY;
  };
  const auto drawX = [&] { return RandomDeltaX(fastest, random), fastest.gDeltaX; };
  // A step heading the other way (-1) does not count. A braced list runs left to right.
  EXPECT_EQ((std::array{drawY(1), drawY(-1), drawX(), drawX()}), (std::array{2, 1, 25, 18}));
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
    // 4, moved off the vertical 4
    EXPECT_EQ(std::tuple(motion.gDeltaX, motion.gDeltaY, random.reseeds),
              std::tuple(signs[i][0] * 5, signs[i][1] * 4, 1))
        << draws[i];
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
  // {bounce, area, step, new step}
  const std::tuple<Bounce, MotionArea, int32_t, int32_t, int32_t, int32_t> cases[] = {
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
  for (const auto& [bounce, area, dx, dy, newDx, newDy] : cases) {
    MotionState motion = Moving(dx, dy);
    ScriptedRandom random{0.6f, 0.9f};
    int designSteps = 0;
    bounce(motion, area, random, [&] { ++designSteps; });
    EXPECT_EQ(
        std::tuple(designSteps, motion.gDeltaX, motion.gDeltaY, motion.gNewLeft, motion.gNewTop),
        std::tuple(1, newDx, newDy, area.verse.Left + newDx, area.verse.Top + newDy))
        << area.verse.Left << "," << area.verse.Top;
  }
}

// On the screen (without monitors, and alike on one monitor of its size) the window bounces only
// beyond the edges; across monitors it crosses where an edge is shared and bounces off gaps.
TEST(Move, BouncesOnlyBeyondTheEdgesAndCrossesWhereMonitorsShareAnEdge) {
  const MonitorBox screen[] = {{0, 0, 19200, 10800}};
  const struct {
    std::span<const MonitorBox> monitors;
    int32_t left, top, dx, dy;
    int designSteps;
    WindowPosition next;
  } cases[] = {
      // The last: the top left corner is turned by the left bounce alone.
      // clang-format off
      {{}, 7, 7869, -6, 5, 0, {1, 7874}},      {{}, 14828, 6, 6, -5, 0, {14834, 1}},
      {{}, 6, 5000, -6, 5, 1, {10, 5005}},     {{}, 14829, 5000, 6, 5, 1, {14825, 5005}},
      {{}, 3199, 7870, 6, 5, 1, {3205, 7866}}, {{}, 3, 3, -6, -5, 1, {7, 9}},
      // clang-format on
      {kLevel, 14830, 5000, 6, 5, 0, {14836, 5005}},    // onto the second monitor
      {kLevel, 14830, 9000, 6, 5, 1, {14826, 9005}},    // beside its bottom: a wall
      {kLevel, 18000, 8590, 6, 5, 1, {18006, 8586}},    // across both: its bottom is a wall
      {kLower, 14830, 1000, 6, 5, 1, {14826, 1005}},    // beside the gap: a wall on the right
      {kLower, 25000, 3843, -6, -5, 1, {24994, 3847}},  // the second monitor's top
      {kLower, 24000, 1000, 6, 5, 1, {24006, 1004}},    // off: back onto the nearest one
      // The top right corner would pass just inside the gap's lower left corner: a top bounce.
      {kLower, 19200 - 4365 - 4, 3843, 6, -5, 1, {19200 - 4365 + 2, 3847}},
  };
  for (const auto& c : cases) {
    size_t used[2] = {};
    for (const bool listed : {false, true}) {
      if (listed && !c.monitors.empty()) break;
      MotionState motion = Moving(c.dx, c.dy);
      ScriptedRandom random{0.6f, 0.9f};
      int steps = 0;
      const MotionArea area = c.monitors.empty()
                                  ? MotionArea{{c.left, c.top, 4365, 2925},
                                               19200,
                                               10800,
                                               listed ? screen : std::span<const MonitorBox>{}}
                                  : BookOn(c.monitors, c.left, c.top);
      EXPECT_EQ(MoveVerseWindow(motion, area, random, [&] { ++steps; }), c.next)
          << c.left << "," << c.top << " " << listed;
      EXPECT_EQ(steps, c.designSteps) << c.left << "," << c.top << " " << listed;
      used[listed] = random.Used();
    }
    EXPECT_TRUE(!c.monitors.empty() || used[0] == used[1]) << c.left << "," << c.top;
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
struct SeededRandom final : RandomSource {
  explicit SeededRandom(uint32_t seed) : generator(seed) {}
  float Next() override { return static_cast<float>(generator() >> 8) / 16777216.0f; }
  void Reseed() override {}
  int32_t Below(uint32_t bound) { return static_cast<int32_t>(generator() % bound); }
  std::mt19937 generator;
};

// How much of the window the monitors show, in square twips (the monitors do not overlap).
int64_t AreaShown(const VerseBox& w, std::span<const MonitorBox> monitors) {
  int64_t shown = 0;
  for (const MonitorBox& m : monitors)
    shown +=
        std::max(0, std::min(w.Left + w.Width, m.Left + m.Width) - std::max(w.Left, m.Left)) *
        int64_t{std::max(0, std::min(w.Top + w.Height, m.Top + m.Height) - std::max(w.Top, m.Top))};
  return shown;
}

// Walks the computer window 3000 moves at Fastest from `at` on the monitors (without them, on a
// screen of 640 x 360 pixels); `check` sees each place it leaves and the next. Returns the
// design steps.
int Walk(VerseBox at, std::span<const MonitorBox> monitors, SeededRandom& random,
         const std::function<void(const VerseBox&, const VerseBox&)>& check) {
  MotionState motion = Moving(0, 0, 4);
  SetCornerZones(motion, 9600, 5400);
  StartMotion(motion, random);
  int designSteps = 0;
  for (int move = 0; move < 3000; ++move) {
    const WindowPosition next = MoveVerseWindow(motion, MotionArea{at, 9600, 5400, monitors},
                                                random, [&] { ++designSteps; });
    const VerseBox moved{next.Left, next.Top, at.Width, at.Height};
    check(at, moved);
    at = moved;
  }
  return designSteps;
}

// Over random layouts of three monitors (one to the left of the primary at any height beside
// it, one above it: the two at negative coordinates), the window is always wholly on the
// monitors, stands still for no more than a move or two where a gap turns it, and draws a design
// step only at a bounce, far less often than it moves.
TEST(Monitors, ARandomWalkOverRandomLayoutsStaysOnTheMonitorsAndKeepsMoving) {
  const std::pair<int32_t, int32_t> sizes[] = {{800, 600},   {1024, 768},  {1366, 768},
                                               {1280, 1024}, {1920, 1080}, {2560, 1440}};
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    SeededRandom random(seed);
    const auto [pw, ph] = sizes[random.Below(6)];
    const auto [lw, lh] = sizes[random.Below(6)];
    const auto [aw, ah] = sizes[random.Below(6)];
    const int32_t leftTop = random.Below(lh + ph - 1) - lh + 1;
    std::vector<MonitorBox> monitors = {
        {0, 0, pw, ph}, {-lw, leftTop, lw, lh}, {random.Below(pw), -ah, aw, ah}};
    for (MonitorBox& m : monitors) m = {m.Left * 15, m.Top * 15, m.Width * 15, m.Height * 15};
    const VerseBox start{1 + random.Below(12000 - 6497), 1 + random.Below(9000 - 5582), 6495, 5580};
    int still = 0, longestStill = 0;
    const int steps = Walk(start, monitors, random, [&](const VerseBox& from, const VerseBox& to) {
      ASSERT_EQ(AreaShown(to, monitors), int64_t{to.Width} * to.Height)
          << "seed " << seed << " at " << to.Left << "," << to.Top;
      still = (to.Left == from.Left && to.Top == from.Top) ? still + 1 : 0;
      longestStill = std::max(longestStill, still);
    });
    EXPECT_LE(longestStill, 2) << "seed " << seed;
    EXPECT_LT(steps, 300) << "seed " << seed;
  }
}

// The computer window (372 pixels high) on a 640 x 360 screen, without monitors or on one, sweeps
// from end to end vertically (from its bottom edge on the screen's to its top edge on the top),
// always covering the screen's height, moving at its speed and bouncing horizontally as before; on
// a monitor smaller both ways it sweeps both ways and draws no design step at all.
TEST(Move, AWindowLargerThanItsMonitorSweepsAcrossItAtItsSpeedWithoutADesignStepEachMove) {
  const MonitorBox small[] = {{0, 0, 9600, 5400}};
  const MonitorBox tiny[] = {{-4800, 0, 4800, 3600}};
  const std::pair<std::span<const MonitorBox>, int> cases[] = {{{}, 40}, {small, 40}, {tiny, 0}};
  for (const auto& [monitors, maxSteps] : cases) {
    SeededRandom random(7);
    const MonitorBox screen = monitors.empty() ? small[0] : monitors[0];
    std::set<int32_t> tops;
    const auto check = [&](const VerseBox& from, const VerseBox& to) {
      ASSERT_NE(std::pair(from.Left, from.Top), std::pair(to.Left, to.Top));
      ASSERT_LE(std::max(std::abs(to.Left - from.Left), std::abs(to.Top - from.Top)), 25);
      const bool wider = to.Width > screen.Width;
      ASSERT_EQ(AreaShown(to, std::span(&screen, 1)),
                int64_t{screen.Height} * (wider ? screen.Width : to.Width))
          << to.Left << "," << to.Top;
      tops.insert(to.Top);
    };
    EXPECT_LE(Walk({screen.Left + 1, screen.Top, 6495, 5580}, monitors, random, check), maxSteps);
    // It comes within a step of both ends.
    EXPECT_LT(*tops.begin(), screen.Top + screen.Height - 5580 + 25);
    EXPECT_GT(*tops.rbegin(), screen.Top - 25);
  }
}

// A window about as wide as its 9600-twip monitor, heading right (step 4 drawn at the turn, at
// Normal speed): it turns at the end of its travel and stops exactly there, never leaving a strip
// of the monitor uncovered nor, where it is narrower, reaching past the monitor's edges.
TEST(Move, AtTheEndOfItsSweepTheWindowStopsAtTheEndOfItsTravel) {
  const MonitorBox monitor[] = {{0, 0, 9600, 5400}};
  // {width, left, step, new left, new step}
  const std::tuple<int32_t, int32_t, int32_t, int32_t, int32_t> cases[] = {
      {9602, -1, 5, -2, -4},  // travel -2 to 0: a step of 4 back from -1 stops at -2
      {9600, 0, 3, 0, -4},    // no travel at all
      {9599, 1, 5, 0, -4},    // one twip narrower: from its left edge on 0 to its right on 9600
      {9599, 0, 1, 1, 1},     // and within that it moves on untouched
  };
  for (const auto& [width, left, dx, newLeft, newDx] : cases) {
    MotionState motion = Moving(dx, 1);
    ScriptedRandom random{0.6f};
    const MotionArea area{{left, 2000, width, 2925}, 9600, 5400, monitor};
    int designSteps = 0;
    EXPECT_EQ(MoveVerseWindow(motion, area, random, [&] { ++designSteps; }),
              (WindowPosition{newLeft, 2001}))
        << width << " at " << left;
    EXPECT_EQ(std::pair(motion.gDeltaX, designSteps), std::pair(newDx, 0)) << width;
  }
}

}  // namespace
}  // namespace sovelin
