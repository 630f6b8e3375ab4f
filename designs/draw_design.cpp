#include "designs/draw_design.h"

#include <array>
#include <cmath>

#include "designs/chasing_lines.h"
#include "designs/circles.h"
#include "designs/color_swirls.h"
#include "designs/shapes.h"

namespace sovelin {

namespace {

// One design's step: which routine, and how many times it runs.
struct DesignStep {
  void (*draw)(Canvas&, RandomSource&, DesignState&);
  int calls;
};

// Indexed by design number, as the settings dialog numbers its options.
constexpr std::array<DesignStep, 8> kDesignSteps = {{
    {DrawColorSwirls, 2},
    {DrawEmbeddedCircles, 2},
    {DrawRandomCircles, 1},
    {DrawConfetti, 1},
    {DrawChasingLines, 5},
    {DrawChasingLines, 3},  // the routine draws its wide variant for design 5
    {DrawShape, 2},
    {DrawFullScreenInverse, 1},
}};

// "Random" picks among the painted designs 0..5 only, never the two shape designs.
int16_t PickRandomDesign(RandomSource& random) {
  random.Reseed();
  return static_cast<int16_t>(std::floor(random.Next() * 6.0f + 1.0f) - 1.0f);
}

}  // namespace

void DrawDesign(Canvas& canvas, RandomSource& random, DesignState& state, int16_t gBackground) {
  state.mDesignInUse = gBackground == kRandomDesign ? PickRandomDesign(random) : gBackground;
  if (state.mDesignInUse < 0 || state.mDesignInUse >= static_cast<int16_t>(kDesignSteps.size())) {
    return;
  }
  const DesignStep& step = kDesignSteps[static_cast<size_t>(state.mDesignInUse)];
  for (int call = 0; call < step.calls; ++call) step.draw(canvas, random, state);
}

}  // namespace sovelin
