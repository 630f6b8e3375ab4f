#pragma once

#include "common/random_source.h"
#include "designs/canvas.h"
#include "designs/design_state.h"

namespace sovelin {

// Design 1, one set of concentric filled circles in random colours, largest first, the
// radius shrinking by 600 twips. Uses the pen width the surface has.
void DrawEmbeddedCircles(Canvas& canvas, RandomSource& random, DesignState& state);

// Design 2, the same shrinking radii by steps of 500 twips, each circle at its own place.
void DrawRandomCircles(Canvas& canvas, RandomSource& random, DesignState& state);

// Design 3, 50 round dots 5 pixels across in random colours at random places.
void DrawConfetti(Canvas& canvas, RandomSource& random, DesignState& state);

}  // namespace sovelin
