#include "designs/chasing_lines.h"

#include <cmath>
#include <cstdint>

#include "designs/colors.h"

namespace sovelin {

namespace {

constexpr int16_t kOblongDesign = 5;
constexpr int16_t kOblongPen = 150;
constexpr int16_t kChasingPen = 10;

// A whole number of twips from 1 to size. Held in 32 bits so a very large screen cannot
// overflow it.
float RandomPathCoordinate(RandomSource& random, float size) {
  return static_cast<float>(static_cast<int32_t>(std::floor(random.Next() * size + 1.0f)));
}

}  // namespace

void DrawChasingLines(Canvas& canvas, RandomSource& random, DesignState& state) {
  canvas.SetPenWidth(state.mDesignInUse == kOblongDesign ? kOblongPen : kChasingPen);
  const float x1 = RandomPathCoordinate(random, canvas.Width());
  const float y1 = RandomPathCoordinate(random, canvas.Height());
  if (state.mFirstDraw) {
    const float x0 = RandomPathCoordinate(random, canvas.Width());
    const float y0 = RandomPathCoordinate(random, canvas.Height());
    canvas.Line(x0, y0, x1, y1, RandomColor(random));
    state.mFirstDraw = false;
  } else {
    // The path goes on from wherever the surface's current point is, which other designs
    // move too.
    canvas.LineFromCurrent(x1, y1, RandomColor(random));
  }
}

}  // namespace sovelin
