#pragma once

#include <cstdint>

#include "common/random_source.h"
#include "designs/canvas.h"
#include "designs/design_state.h"

namespace sovelin {

// Background setting that picks one of designs 0..5 afresh at every step.
inline constexpr int16_t kRandomDesign = 8;

// Draws one step of the background design the setting chooses: at the start of the run
// and at every bounce of the verse window. Sets state.mDesignInUse to the design drawn;
// "None" (9) and values outside 0..9 draw nothing but are kept there all the same.
void DrawDesign(Canvas& canvas, RandomSource& random, DesignState& state, int16_t gBackground);

}  // namespace sovelin
