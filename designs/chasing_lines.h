#pragma once

#include "common/random_source.h"
#include "designs/canvas.h"
#include "designs/design_state.h"

namespace sovelin {

// Designs 4 and 5, one segment of a path that wanders across the window: from where the
// previous drawing ended (a random start for the first segment of the run) to a random
// point, in a random colour. 150 pixels wide when design 5 is in use, 10 otherwise.
void DrawChasingLines(Canvas& canvas, RandomSource& random, DesignState& state);

}  // namespace sovelin
