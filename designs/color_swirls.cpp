#include "designs/color_swirls.h"

#include <cmath>
#include <cstdint>

#include "common/numbers.h"
#include "designs/colors.h"

namespace sovelin {

namespace {

// 3.14159 / 180 in double precision: the swirl turns by this, a little short of pi / 180.
constexpr double kDegreesToRadians = 0.017453277777777776;

constexpr int16_t kWidestSwirlPen = 5;

// a when a < b, otherwise b.
template <typename T>
T SmallerOf(T a, T b) {
  return a < b ? a : b;
}

// a when a > b, otherwise b.
template <typename T>
T LargerOf(T a, T b) {
  return a > b ? a : b;
}

// The values one swirl is drawn from.
struct Swirl {
  int32_t gCurveColor = 0;
  float gCurveA = 0.0f;
  float gCurveB = 0.0f;
  float gCurveLoops = 1.0f;
  int16_t gCurveStartAngle = 0;
  float gCurveSignX = 1.0f;
  float gCurveSignY = 1.0f;
  float gCurveFactor = 0.0f;
};

int32_t RandomSwirlPart(RandomSource& random) {
  return static_cast<int32_t>(std::floor(random.Next() * 256.0f));
}

// A centre coordinate at least 5 twips inside the start of the axis and 5 short of its end.
float RandomCentre(RandomSource& random, float size) {
  return LargerOf(5.0f, random.Next() * size - 5.0f);
}

// -1 or +1: mirrors the swirl on one axis about half the time.
float RandomSign(RandomSource& random) {
  const float t = random.Next() * 10.0f;
  return t > 5.0f ? -1.0f : 1.0f;
}

// Whole twips of half a size. Held in 32 bits so a very wide screen cannot overflow it.
int32_t HalfOf(float size) {
  return static_cast<int32_t>(RoundHalfEven(size / 2.0f));
}

// Draws the swirl's values in their fixed order: colour, centre, angle step, start angle,
// mirror signs, radius scale.
Swirl ChooseSwirl(const Canvas& canvas, RandomSource& random) {
  Swirl swirl;
  const int32_t gCurveRed = RandomSwirlPart(random);
  const int32_t gCurveGreen = RandomSwirlPart(random);
  const int32_t gCurveBlue = RandomSwirlPart(random);
  swirl.gCurveColor = RgbColor(gCurveRed, gCurveGreen, gCurveBlue);
  swirl.gCurveA = RandomCentre(random, canvas.Width());
  swirl.gCurveB = RandomCentre(random, canvas.Height());
  swirl.gCurveLoops = std::floor(random.Next() * 20.0f + 1.0f);
  swirl.gCurveStartAngle = static_cast<int16_t>(RoundHalfEven(random.Next() * 360.0f));
  swirl.gCurveSignX = RandomSign(random);
  swirl.gCurveSignY = RandomSign(random);
  const float r = random.Next();
  const int32_t m = SmallerOf(HalfOf(canvas.Height()), HalfOf(canvas.Width()));
  swirl.gCurveFactor = std::floor(static_cast<float>(m - 19) * r + 20.0f);
  return swirl;
}

// One step of the pen-width cycle 1, 2, 3, 4, 5, 1, ...
int16_t NextCurveStyle(int16_t gCurveStyle) {
  const int16_t next = static_cast<int16_t>(gCurveStyle + 1);
  return next > kWidestSwirlPen ? int16_t{1} : next;
}

// The fan of lines: one every gCurveLoops degrees over 360, each scaled by its angle.
void DrawSwirlLines(Canvas& canvas, const Swirl& swirl) {
  const int16_t step = LargerOf(int16_t{1}, static_cast<int16_t>(swirl.gCurveLoops));
  for (int16_t gCurveStep = 1; gCurveStep <= 360;
       gCurveStep = static_cast<int16_t>(gCurveStep + step)) {
    const int16_t gCurveAngle = static_cast<int16_t>(gCurveStep + swirl.gCurveStartAngle);
    const float product = static_cast<float>(gCurveAngle) * swirl.gCurveFactor;
    const float gCurveScale = static_cast<float>(static_cast<double>(product) / 360.0);
    const float theta = static_cast<float>(gCurveAngle * kDegreesToRadians);
    const float dx = static_cast<float>(static_cast<double>(swirl.gCurveSignX * gCurveScale) *
                                        std::cos(static_cast<double>(theta)));
    const float dy = static_cast<float>(static_cast<double>(swirl.gCurveSignY * gCurveScale) *
                                        std::sin(static_cast<double>(theta)));
    canvas.LineBy(swirl.gCurveA, swirl.gCurveB, dx, dy, swirl.gCurveColor);
  }
}

}  // namespace

void DrawColorSwirls(Canvas& canvas, RandomSource& random, DesignState& state) {
  const Swirl swirl = ChooseSwirl(canvas, random);
  state.gCurveStyle = NextCurveStyle(state.gCurveStyle);
  canvas.SetPenWidth(state.gCurveStyle);
  DrawSwirlLines(canvas, swirl);
}

}  // namespace sovelin
