#pragma once

#include "common/random_source.h"
#include "designs/canvas.h"
#include "designs/design_state.h"

namespace sovelin {

// Design 0, one swirl: a fan of lines in one random colour from a random centre, each
// longer than the one before as the angle turns, with the pen width cycling 1..5 from
// swirl to swirl.
void DrawColorSwirls(Canvas& canvas, RandomSource& random, DesignState& state);

}  // namespace sovelin
