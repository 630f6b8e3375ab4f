#include "saver/motion.h"

#include <cmath>
#include <limits>
#include <optional>

#include "common/numbers.h"

namespace sovelin {

namespace {

constexpr int32_t kInt16Max = std::numeric_limits<int16_t>::max();

// A new step magnitude for the Speed setting, or nothing when the Speed factor overflows the
// 16-bit arithmetic it is worked out in (then the step keeps its value).
std::optional<int32_t> DrawStep(int16_t speed, int32_t otherStep, RandomSource& random) {
  float r = random.Next();
  if (r < 0.5f)
    r += 0.5f;  // r now lies in [0.5, 1), so steps stay near the maximum
  const int32_t square = static_cast<int32_t>(speed) * speed;
  if (square > kInt16Max)
    return std::nullopt;
  const int32_t factor = square + square / 2 + 1;
  if (factor > kInt16Max)
    return std::nullopt;
  int32_t step = static_cast<int32_t>(std::floor(static_cast<float>(factor) * r));
  if (step == 0)
    step = 1;
  // Equal steps on both axes would run the window along a diagonal.
  if (step == otherStep)
    ++step;
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

// Heading left with the left edge in the left sixth, or heading right with the right edge in
// the right sixth of the screen.
bool InHorizontalCornerZone(const MotionState& motion, const MotionArea& area) {
  const VerseBox& verse = area.verse;
  if (motion.gDeltaX < 0 && static_cast<double>(verse.Left) < static_cast<double>(motion.gZoneX)) {
    return true;
  }
  return motion.gDeltaX > 0 && Single(static_cast<int64_t>(area.ScaleWidth) - motion.gZoneX) <
                                   Single(static_cast<int64_t>(verse.Left) + verse.Width);
}

// Heading up with the upper edge in the top sixth, or heading down with the lower edge in the
// bottom sixth of the screen.
bool InVerticalCornerZone(const MotionState& motion, const MotionArea& area) {
  const VerseBox& verse = area.verse;
  if (motion.gDeltaY < 0 && static_cast<double>(verse.Top) < static_cast<double>(motion.gZoneY)) {
    return true;
  }
  return motion.gDeltaY > 0 && Single(static_cast<int64_t>(area.ScaleHeight) - motion.gZoneY) <
                                   Single(static_cast<int64_t>(verse.Top) + verse.Height);
}

// Near a side: a new horizontal step in the opposite direction.
void TurnHorizontally(MotionState& motion, RandomSource& random) {
  const bool wasHeadingRight = motion.gDeltaX >= 0;
  RandomDeltaX(motion, random);
  if (wasHeadingRight)
    motion.gDeltaX = -motion.gDeltaX;
}

// Near the top or bottom: a new vertical step in the opposite direction.
void TurnVertically(MotionState& motion, RandomSource& random) {
  const bool wasHeadingDown = motion.gDeltaY >= 0;
  RandomDeltaY(motion, random);
  if (wasHeadingDown)
    motion.gDeltaY = -motion.gDeltaY;
}

void SetNextPosition(MotionState& motion, const VerseBox& verse) {
  StoreSum(motion.gNewLeft, verse.Left, motion.gDeltaX);
  StoreSum(motion.gNewTop, verse.Top, motion.gDeltaY);
}

// The largest Left and Top at which the window still lies wholly on the screen.
float RightLimit(const MotionArea& area) {
  return Single(static_cast<int64_t>(area.ScaleWidth) - area.verse.Width - 1);
}
float BottomLimit(const MotionArea& area) {
  return Single(static_cast<int64_t>(area.ScaleHeight) - area.verse.Height - 1);
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
  if (const auto step = DrawStep(motion.gSpeed, motion.gDeltaX, random))
    motion.gDeltaY = *step;
}

void RandomDeltaX(MotionState& motion, RandomSource& random) {
  if (const auto step = DrawStep(motion.gSpeed, motion.gDeltaY, random))
    motion.gDeltaX = *step;
}

void BounceBottom(MotionState& motion, const MotionArea& area, RandomSource& random,
                  const DrawDesignStep& DrawDesign) {
  DrawDesign();
  RandomDeltaY(motion, random);
  motion.gDeltaY = -motion.gDeltaY;  // now moving up
  if (InHorizontalCornerZone(motion, area))
    TurnHorizontally(motion, random);
  SetNextPosition(motion, area.verse);
}

void BounceTop(MotionState& motion, const MotionArea& area, RandomSource& random,
               const DrawDesignStep& DrawDesign) {
  DrawDesign();
  RandomDeltaY(motion, random);  // positive: now moving down
  if (InHorizontalCornerZone(motion, area))
    TurnHorizontally(motion, random);
  SetNextPosition(motion, area.verse);
}

void BounceLeft(MotionState& motion, const MotionArea& area, RandomSource& random,
                const DrawDesignStep& DrawDesign) {
  DrawDesign();
  RandomDeltaX(motion, random);  // positive: now moving right
  if (InVerticalCornerZone(motion, area))
    TurnVertically(motion, random);
  SetNextPosition(motion, area.verse);
}

void BounceRight(MotionState& motion, const MotionArea& area, RandomSource& random,
                 const DrawDesignStep& DrawDesign) {
  DrawDesign();
  RandomDeltaX(motion, random);
  motion.gDeltaX = -motion.gDeltaX;  // now moving left
  if (InVerticalCornerZone(motion, area))
    TurnVertically(motion, random);
  SetNextPosition(motion, area.verse);
}

WindowPosition MoveVerseWindow(MotionState& motion, const MotionArea& area, RandomSource& random,
                               const DrawDesignStep& DrawDesign) {
  SetNextPosition(motion, area.verse);
  if (motion.gNewLeft < 1)
    BounceLeft(motion, area, random, DrawDesign);
  if (motion.gNewTop < 1)
    BounceTop(motion, area, random, DrawDesign);
  if (static_cast<double>(RightLimit(area)) < static_cast<double>(motion.gNewLeft)) {
    BounceRight(motion, area, random, DrawDesign);
  }
  if (static_cast<double>(BottomLimit(area)) < static_cast<double>(motion.gNewTop)) {
    BounceBottom(motion, area, random, DrawDesign);
  }
  return {motion.gNewLeft, motion.gNewTop};
}

}  // namespace sovelin
