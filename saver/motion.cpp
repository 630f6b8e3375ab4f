#include "saver/motion.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "common/numbers.h"

namespace sovelin {

namespace {

constexpr int32_t kInt16Max = std::numeric_limits<int16_t>::max();

// A new step magnitude for the Speed setting, or nothing when the Speed factor overflows the
// 16-bit arithmetic it is worked out in (then the step keeps its value).
std::optional<int32_t> DrawStep(int16_t speed, int32_t otherStep, RandomSource& random) {
  float r = random.Next();
  if (r < 0.5f) r += 0.5f;  // r now lies in [0.5, 1), so steps stay near the maximum
  const int32_t square = static_cast<int32_t>(speed) * speed;
  if (square > kInt16Max) return std::nullopt;
  const int32_t factor = square + square / 2 + 1;
  if (factor > kInt16Max) return std::nullopt;
  int32_t step = static_cast<int32_t>(std::floor(static_cast<float>(factor) * r));
  if (step == 0) step = 1;
  // Equal steps on both axes would run the window along a diagonal.
  if (step == otherStep) ++step;
  return step;
}

// Stores a + b, unless the sum does not fit (then the previous value stays).
void StoreSum(int32_t& target, int32_t a, int32_t b) {
  const int64_t sum = static_cast<int64_t>(a) + b;
  if (sum >= std::numeric_limits<int32_t>::min() && sum <= std::numeric_limits<int32_t>::max()) {
    target = static_cast<int32_t>(sum);
  }
}

// The difference or sum of two twip values as the single-precision number it is compared as.
float Single(int64_t value) {
  return static_cast<float>(value);
}

// A stretch of one axis: from is inside, to just past it.
struct Stretch {
  int64_t from = 0;
  int64_t to = 0;
};

Stretch Horizontal(const MonitorBox& box) {
  return {box.Left, static_cast<int64_t>(box.Left) + box.Width};
}
Stretch Vertical(const MonitorBox& box) {
  return {box.Top, static_cast<int64_t>(box.Top) + box.Height};
}

// The verse window with the one twip it keeps from every edge.
Stretch HorizontalWithMargin(const VerseBox& verse) {
  return {static_cast<int64_t>(verse.Left) - 1, static_cast<int64_t>(verse.Left) + verse.Width + 1};
}
Stretch VerticalWithMargin(const VerseBox& verse) {
  return {static_cast<int64_t>(verse.Top) - 1, static_cast<int64_t>(verse.Top) + verse.Height + 1};
}

bool Holds(const Stretch& outer, const Stretch& inner) {
  return outer.from <= inner.from && inner.to <= outer.to;
}

int64_t Overlap(const Stretch& a, const Stretch& b) {
  return std::max<int64_t>(0, std::min(a.to, b.to) - std::max(a.from, b.from));
}

// How far apart two stretches are; 0 when they touch or overlap.
int64_t Distance(const Stretch& a, const Stretch& b) {
  return std::max<int64_t>({0, a.from - b.to, b.from - a.to});
}

// The monitor the window is on: the one it overlaps most, else the nearest; the first on a tie.
const MonitorBox& MonitorOf(const VerseBox& verse, std::span<const MonitorBox> monitors) {
  const Stretch across{verse.Left, static_cast<int64_t>(verse.Left) + verse.Width};
  const Stretch down{verse.Top, static_cast<int64_t>(verse.Top) + verse.Height};
  const MonitorBox* best = &monitors.front();
  int64_t bestOverlap = -1;
  int64_t bestDistance = 0;
  for (const MonitorBox& monitor : monitors) {
    const int64_t overlap = Overlap(across, Horizontal(monitor)) * Overlap(down, Vertical(monitor));
    const int64_t distance =
        Distance(across, Horizontal(monitor)) + Distance(down, Vertical(monitor));
    if (overlap > bestOverlap || (overlap == 0 && bestOverlap == 0 && distance < bestDistance)) {
      best = &monitor;
      bestOverlap = overlap;
      bestDistance = distance;
    }
  }
  return *best;
}

// Along one axis (horizontal: x), the longest stretch holding `window` at every point of
// which the monitors cover the whole of `band` on the other axis; nothing when `window` itself
// is not covered so.
std::optional<Stretch> CoveredStretch(std::span<const MonitorBox> monitors, bool horizontal,
                                      const Stretch& window, const Stretch& band) {
  const auto along = [horizontal](const MonitorBox& m) {
    return horizontal ? Horizontal(m) : Vertical(m);
  };
  const auto across = [horizontal](const MonitorBox& m) {
    return horizontal ? Vertical(m) : Horizontal(m);
  };
  std::vector<int64_t> cuts;
  for (const MonitorBox& monitor : monitors) {
    cuts.push_back(along(monitor).from);
    cuts.push_back(along(monitor).to);
  }
  std::sort(cuts.begin(), cuts.end());
  cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
  std::optional<Stretch> run;
  for (size_t i = 0; i + 1 < cuts.size(); ++i) {
    // Between two cuts, the same monitors stand across the whole slice.
    const Stretch slice{cuts[i], cuts[i + 1]};
    int64_t reach = band.from;
    for (bool grew = true; grew && reach < band.to;) {
      grew = false;
      for (const MonitorBox& monitor : monitors) {
        const Stretch part = across(monitor);
        if (Holds(along(monitor), slice) && part.from <= reach && reach < part.to) {
          reach = part.to;
          grew = true;
        }
      }
    }
    if (reach < band.to) {
      if (run && Holds(*run, window)) return run;
      run.reset();
    } else if (run) {
      run->to = slice.to;
    } else {
      run = slice;
    }
  }
  if (run && Holds(*run, window)) return run;
  return std::nullopt;
}

// True when the window at (left, top), with its margin, lies on the monitors.
bool FitsAt(std::span<const MonitorBox> monitors, VerseBox verse, int32_t left, int32_t top) {
  verse.Left = left;
  verse.Top = top;
  return CoveredStretch(monitors, true, HorizontalWithMargin(verse), VerticalWithMargin(verse))
      .has_value();
}

// The edges the verse window bounces off where it stands: the screen's without monitors; on
// one monitor, the monitor's; on several, on the window's rows the walls to its left and right
// and in its columns those above and below it (the monitor's edges where it is not wholly on
// the monitors).
struct Walls {
  int64_t left = 0;
  int64_t top = 0;
  int64_t right = 0;
  int64_t bottom = 0;
};

Walls WallsAround(const MotionArea& area) {
  if (area.monitors.empty()) return {0, 0, area.ScaleWidth, area.ScaleHeight};
  const MonitorBox& home = MonitorOf(area.verse, area.monitors);
  Walls walls{Horizontal(home).from, Vertical(home).from, Horizontal(home).to, Vertical(home).to};
  if (area.monitors.size() == 1) return walls;
  const Stretch across = HorizontalWithMargin(area.verse);
  const Stretch down = VerticalWithMargin(area.verse);
  if (const auto row = CoveredStretch(area.monitors, true, across, down)) {
    walls.left = row->from;
    walls.right = row->to;
  }
  if (const auto column = CoveredStretch(area.monitors, false, down, across)) {
    walls.top = column->from;
    walls.bottom = column->to;
  }
  return walls;
}

// The corner zones' width: gZoneX and gZoneY without monitors, else a sixth of the monitor
// the window is on. The zones lie along the walls, so where the window may pass on to another
// monitor there is no corner to turn from.
int32_t HorizontalZone(const MotionState& motion, const MotionArea& area) {
  if (area.monitors.empty()) return motion.gZoneX;
  return static_cast<int32_t>(RoundHalfEven(MonitorOf(area.verse, area.monitors).Width / 6.0));
}

int32_t VerticalZone(const MotionState& motion, const MotionArea& area) {
  if (area.monitors.empty()) return motion.gZoneY;
  return static_cast<int32_t>(RoundHalfEven(MonitorOf(area.verse, area.monitors).Height / 6.0));
}

// Heading left with the left edge in the left sixth, or heading right with the right edge in
// the right sixth of the screen.
bool InHorizontalCornerZone(const MotionState& motion, const MotionArea& area) {
  const VerseBox& verse = area.verse;
  const Walls walls = WallsAround(area);
  const int32_t zone = HorizontalZone(motion, area);
  if (motion.gDeltaX < 0 &&
      static_cast<double>(verse.Left - walls.left) < static_cast<double>(zone)) {
    return true;
  }
  return motion.gDeltaX > 0 &&
         Single(walls.right - zone) < Single(static_cast<int64_t>(verse.Left) + verse.Width);
}

// Heading up with the upper edge in the top sixth, or heading down with the lower edge in the
// bottom sixth of the screen.
bool InVerticalCornerZone(const MotionState& motion, const MotionArea& area) {
  const VerseBox& verse = area.verse;
  const Walls walls = WallsAround(area);
  const int32_t zone = VerticalZone(motion, area);
  if (motion.gDeltaY < 0 &&
      static_cast<double>(verse.Top - walls.top) < static_cast<double>(zone)) {
    return true;
  }
  return motion.gDeltaY > 0 &&
         Single(walls.bottom - zone) < Single(static_cast<int64_t>(verse.Top) + verse.Height);
}

// Near a side: a new horizontal step in the opposite direction.
void TurnHorizontally(MotionState& motion, RandomSource& random) {
  const bool wasHeadingRight = motion.gDeltaX >= 0;
  RandomDeltaX(motion, random);
  if (wasHeadingRight) motion.gDeltaX = -motion.gDeltaX;
}

// Near the top or bottom: a new vertical step in the opposite direction.
void TurnVertically(MotionState& motion, RandomSource& random) {
  const bool wasHeadingDown = motion.gDeltaY >= 0;
  RandomDeltaY(motion, random);
  if (wasHeadingDown) motion.gDeltaY = -motion.gDeltaY;
}

void SetNextPosition(MotionState& motion, const VerseBox& verse) {
  StoreSum(motion.gNewLeft, verse.Left, motion.gDeltaX);
  StoreSum(motion.gNewTop, verse.Top, motion.gDeltaY);
}

// The largest Left and Top at which the window still lies wholly within its walls.
float RightLimit(const MotionArea& area, const Walls& walls) {
  return Single(walls.right - area.verse.Width - 1);
}
float BottomLimit(const MotionArea& area, const Walls& walls) {
  return Single(walls.bottom - area.verse.Height - 1);
}

// On several monitors a step can pass all four walls and still put a corner of the window
// into a gap, past the gap's own corner. The side that blocks runs its bounce (the top or
// bottom one when only the diagonal step is blocked); if even the new step leaves the
// monitors, the window keeps its place for this move.
void KeepOutOfGaps(MotionState& motion, const MotionArea& area, RandomSource& random,
                   const DrawDesignStep& DrawDesign) {
  const VerseBox& verse = area.verse;
  if (FitsAt(area.monitors, verse, motion.gNewLeft, motion.gNewTop) ||
      !FitsAt(area.monitors, verse, verse.Left, verse.Top)) {
    return;
  }
  if (!FitsAt(area.monitors, verse, motion.gNewLeft, verse.Top)) {
    if (motion.gNewLeft < verse.Left) {
      BounceLeft(motion, area, random, DrawDesign);
    } else {
      BounceRight(motion, area, random, DrawDesign);
    }
  } else if (motion.gNewTop < verse.Top) {
    BounceTop(motion, area, random, DrawDesign);
  } else {
    BounceBottom(motion, area, random, DrawDesign);
  }
  if (!FitsAt(area.monitors, verse, motion.gNewLeft, motion.gNewTop)) {
    motion.gNewLeft = verse.Left;
    motion.gNewTop = verse.Top;
  }
}

// The lowest and highest place of the window on one axis, one twip in from its walls. When the
// window leaves less than those two twips, from its far edge on the far wall to its near edge on
// the near wall, so that every place between covers the monitor; a window up to two twips
// narrower than the space turns that range round, and then keeps within the walls instead.
struct Travel {
  int64_t lowest = 0;
  int64_t highest = 0;
  bool fits = true;
};

Travel TravelBetween(int64_t nearWall, int64_t farWall, int32_t size) {
  const int64_t lowest = nearWall + 1;
  const int64_t highest = farWall - size - 1;
  if (lowest <= highest) return {lowest, highest, true};
  const int64_t farEdgeOnWall = farWall - size;
  return {std::min(farEdgeOnWall, nearWall), std::max(farEdgeOnWall, nearWall), false};
}

// On an axis where the window does not fit between its walls, it sweeps from one end of its
// travel to the other, so that it shows all of itself in turn and always covers the monitor.
// At an end it turns with a newly drawn step, but without a design step: the background hardly
// shows beside it, and an overhang narrower than one step would otherwise draw one every move.
void Sweep(int32_t& next, int32_t& delta, int32_t from, const Travel& travel,
           const std::function<void()>& drawStep) {
  if (next >= travel.lowest && next <= travel.highest) return;
  const bool turnUp = next < travel.lowest;
  drawStep();
  delta = turnUp ? std::abs(delta) : -std::abs(delta);
  const int64_t turned = static_cast<int64_t>(from) + delta;
  next = static_cast<int32_t>(std::clamp(turned, travel.lowest, travel.highest));
}

}  // namespace

void SetCornerZones(MotionState& motion, int32_t ScaleWidth, int32_t ScaleHeight) {
  motion.gZoneY = static_cast<int32_t>(RoundHalfEven(ScaleHeight / 6.0));
  motion.gZoneX = static_cast<int32_t>(RoundHalfEven(ScaleWidth / 6.0));
}

void StartMotion(MotionState& motion, RandomSource& random) {
  const float r = random.Next();
  random.Reseed();
  RandomDeltaY(motion, random);
  RandomDeltaX(motion, random);
  if (r < 0.26f) {
    motion.gDeltaX = -motion.gDeltaX;  // left and down
  } else if (r < 0.51f) {
    motion.gDeltaY = -motion.gDeltaY;  // right and up
  } else if (r < 0.76f) {
    motion.gDeltaX = -motion.gDeltaX;  // left and up
    motion.gDeltaY = -motion.gDeltaY;
  }
}

void RandomDeltaY(MotionState& motion, RandomSource& random) {
  if (const auto step = DrawStep(motion.gSpeed, motion.gDeltaX, random)) motion.gDeltaY = *step;
}

void RandomDeltaX(MotionState& motion, RandomSource& random) {
  if (const auto step = DrawStep(motion.gSpeed, motion.gDeltaY, random)) motion.gDeltaX = *step;
}

void BounceBottom(MotionState& motion, const MotionArea& area, RandomSource& random,
                  const DrawDesignStep& DrawDesign) {
  DrawDesign();
  RandomDeltaY(motion, random);
  motion.gDeltaY = -motion.gDeltaY;  // now moving up
  if (InHorizontalCornerZone(motion, area)) TurnHorizontally(motion, random);
  SetNextPosition(motion, area.verse);
}

void BounceTop(MotionState& motion, const MotionArea& area, RandomSource& random,
               const DrawDesignStep& DrawDesign) {
  DrawDesign();
  RandomDeltaY(motion, random);  // positive: now moving down
  if (InHorizontalCornerZone(motion, area)) TurnHorizontally(motion, random);
  SetNextPosition(motion, area.verse);
}

void BounceLeft(MotionState& motion, const MotionArea& area, RandomSource& random,
                const DrawDesignStep& DrawDesign) {
  DrawDesign();
  RandomDeltaX(motion, random);  // positive: now moving right
  if (InVerticalCornerZone(motion, area)) TurnVertically(motion, random);
  SetNextPosition(motion, area.verse);
}

void BounceRight(MotionState& motion, const MotionArea& area, RandomSource& random,
                 const DrawDesignStep& DrawDesign) {
  DrawDesign();
  RandomDeltaX(motion, random);
  motion.gDeltaX = -motion.gDeltaX;  // now moving left
  if (InVerticalCornerZone(motion, area)) TurnVertically(motion, random);
  SetNextPosition(motion, area.verse);
}

WindowPosition MoveVerseWindow(MotionState& motion, const MotionArea& area, RandomSource& random,
                               const DrawDesignStep& DrawDesign) {
  SetNextPosition(motion, area.verse);
  const Walls walls = WallsAround(area);
  const Travel across = TravelBetween(walls.left, walls.right, area.verse.Width);
  const Travel down = TravelBetween(walls.top, walls.bottom, area.verse.Height);
  if (across.fits && motion.gNewLeft < walls.left + 1) BounceLeft(motion, area, random, DrawDesign);
  if (down.fits && motion.gNewTop < walls.top + 1) BounceTop(motion, area, random, DrawDesign);
  if (across.fits &&
      static_cast<double>(RightLimit(area, walls)) < static_cast<double>(motion.gNewLeft)) {
    BounceRight(motion, area, random, DrawDesign);
  }
  if (down.fits &&
      static_cast<double>(BottomLimit(area, walls)) < static_cast<double>(motion.gNewTop)) {
    BounceBottom(motion, area, random, DrawDesign);
  }
  if (!across.fits) {
    Sweep(motion.gNewLeft, motion.gDeltaX, area.verse.Left, across,
          [&] { RandomDeltaX(motion, random); });
  }
  if (!down.fits) {
    Sweep(motion.gNewTop, motion.gDeltaY, area.verse.Top, down,
          [&] { RandomDeltaY(motion, random); });
  }
  if (across.fits && down.fits && area.monitors.size() > 1) {
    KeepOutOfGaps(motion, area, random, DrawDesign);
  }
  return {motion.gNewLeft, motion.gNewTop};
}

WindowPosition KeepOnMonitors(const VerseBox& verse, std::span<const MonitorBox> monitors) {
  if (monitors.empty() || FitsAt(monitors, verse, verse.Left, verse.Top))
    return {verse.Left, verse.Top};
  const MonitorBox& monitor = MonitorOf(verse, monitors);
  const auto inside = [](int32_t start, int32_t from, int32_t length, int32_t size) {
    const int64_t last = static_cast<int64_t>(from) + length - size - 1;
    return static_cast<int32_t>(std::max<int64_t>(from + 1, std::min<int64_t>(start, last)));
  };
  return {inside(verse.Left, monitor.Left, monitor.Width, verse.Width),
          inside(verse.Top, monitor.Top, monitor.Height, verse.Height)};
}

}  // namespace sovelin
